#include "data/Connection.h"
#include "domain/MessageTexts.h"
#include "gui/mail/SendMailDialog.h"
#include "mail/MailMessage.h"
#include "support/ScriptedFileDialogs.h"
#include "support/ScriptedMessages.h"
#include "support/SmtpServer.h"
#include "support/TestDatabase.h"
#include "support/Widgets.h"

#include <QApplication>
#include <QDir>
#include <QJsonArray>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTcpServer>
#include <QTest>
#include <QTimer>

using namespace kelvora;
using namespace kelvora::test;

namespace {

const QString Registration = QStringLiteral("0000000042");

SmtpSettings plainServer(int port)
{
    return SmtpSettings::fromRow(QStringLiteral("127.0.0.1 * %1").arg(port), QStringLiteral("Academia"),
                                 QStringLiteral("avaliacao@academia.com.br"), std::nullopt, {},
                                 QStringLiteral("utNoTLSSupport"));
}

// A report of the student, as the preview stores it in the data folder.
QString storeReport(const QTemporaryDir& folder, const QString& name)
{
    QFile file(folder.filePath(name));
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(name));
    file.write("%PDF-1.4 " + name.toUtf8());
    return file.fileName();
}

} // namespace

class SendMail : public QObject {
    Q_OBJECT
private slots:
    void opensWithTheCleanedRecipientAndTheUsualText()
    {
        SendMailDialog dialog(plainServer(25), QDir::tempPath(), QStringLiteral("ana@aluna.com;nada;bia@aluna.com"),
                              Registration);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Enviar e-mail via Outlook Express"));
        QCOMPARE(child<QLineEdit>(&dialog, "EDTDESTINO")->text(), QStringLiteral("ana@aluna.com,bia@aluna.com"));
        QCOMPARE(child<QLineEdit>(&dialog, "EDTASSUNTO")->text(), QStringLiteral("MANTENHA SUA AVALIAÇÃO SEMPRE EM DIA"));
        QCOMPARE(child<QPlainTextEdit>(&dialog, "MemMensagem")->toPlainText(),
                 QStringLiteral("Mantenha sua avaliação em dia para obter sempre os melhores \nresultados. "));
        QCOMPARE(child<QListWidget>(&dialog, "TLBARQUIVOS")->toolTip(), QStringLiteral("Clique duplo para excluir arquivo anexado"));
        QVERIFY(child<QLabel>(&dialog, "LBLEMAIL")->isHidden());
    }

    // Two reports attached, one taken off again: the student gets the other, and the
    // dialog empties and closes.
    void sendsTheChosenReports()
    {
        SmtpServer server({});
        QVERIFY2(server.isRunning(), qPrintable(server.failure()));
        QTemporaryDir folder;
        const QString first = storeReport(folder, QStringLiteral("Mt_0000000042-01-06-2026.pdf"));
        const QString second = storeReport(folder, QStringLiteral("Mt_0000000042-10-12-2026.pdf"));
        ScriptedMessages messages;
        ScriptedFileDialogs files;
        files.answerFile(first);
        files.answerFile(second);
        SendMailDialog dialog(plainServer(server.port()), folder.path(), QStringLiteral("ana@aluna.com.br"), Registration);
        dialog.show();

        QTest::mouseClick(child<QPushButton>(&dialog, "BBNARQUIVOS"), Qt::LeftButton);
        QTest::mouseClick(child<QPushButton>(&dialog, "BBNARQUIVOS"), Qt::LeftButton);
        QCOMPARE(files.asked().size(), 2);
        QCOMPARE(files.asked().first().proposed, folder.path());
        QCOMPARE(files.asked().first().filter, QStringLiteral("Relatórios (Mt_0000000042*.pdf)"));
        auto* list = child<QListWidget>(&dialog, "TLBARQUIVOS");
        QCOMPARE(list->count(), 2);
        messages.answer(Messages::Yes);
        emit list->itemDoubleClicked(list->item(0));
        QCOMPARE(messages.texts(), QStringList{"Excluir este arquivo da lista ?"});
        QCOMPARE(list->count(), 1);

        QTest::mouseClick(child<QPushButton>(&dialog, "BBNENVIAR"), Qt::LeftButton);
        QVERIFY(child<QLabel>(&dialog, "LBLEMAIL")->isVisible());
        QVERIFY(!child<QPushButton>(&dialog, "BBNENVIAR")->isEnabled());
        QTRY_COMPARE_WITH_TIMEOUT(messages.texts().size(), 2, 30000);
        QCOMPARE(messages.texts().last(), Msg::EmailEnviado);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(child<QLineEdit>(&dialog, "EDTDESTINO")->text().isEmpty());
        QCOMPARE(list->count(), 0);

        const QList<QJsonObject> taken = server.messages();
        QCOMPARE(taken.size(), 1);
        const QJsonArray attachments = taken.first()["attachments"].toArray();
        QCOMPARE(attachments.size(), 1);
        QCOMPARE(attachments[0].toObject()["name"].toString(), QStringLiteral("Mt_0000000042-10-12-2026.pdf"));
    }

    // A failed send keeps everything typed, so the user can try again.
    void failedSendKeepsEverything()
    {
        int closedPort = 0;
        {
            QTcpServer probe;
            QVERIFY(probe.listen(QHostAddress::LocalHost));
            closedPort = probe.serverPort();
        }
        ScriptedMessages messages;
        SendMailDialog dialog(plainServer(closedPort), QDir::tempPath(), QStringLiteral("ana@aluna.com.br"), {});
        dialog.show();
        child<QLineEdit>(&dialog, "EDTASSUNTO")->setText(QStringLiteral("Sua reavaliação"));
        QTest::mouseClick(child<QPushButton>(&dialog, "BBNENVIAR"), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(messages.shown().size(), 1, 30000);
        QCOMPARE(messages.shown().first().text, Msg::EmailProblemaProvedor);
        QVERIFY(!messages.shown().first().detail.isEmpty());
        QVERIFY(dialog.isVisible());
        QVERIFY(child<QLabel>(&dialog, "LBLEMAIL")->isHidden());
        QVERIFY(child<QPushButton>(&dialog, "BBNENVIAR")->isEnabled());
        QVERIFY(child<QPushButton>(&dialog, "BBNARQUIVOS")->isEnabled());
        QCOMPARE(child<QLineEdit>(&dialog, "EDTDESTINO")->text(), QStringLiteral("ana@aluna.com.br"));
        QCOMPARE(child<QLineEdit>(&dialog, "EDTASSUNTO")->text(), QStringLiteral("Sua reavaliação"));
    }

    void portThatIsNotANumber()
    {
        ScriptedMessages messages;
        const SmtpSettings settings = SmtpSettings::fromRow(QStringLiteral("smtp.gmail.com"), {}, {}, std::nullopt, {}, {});
        SendMailDialog dialog(settings, QDir::tempPath(), QStringLiteral("ana@aluna.com.br"), {});
        dialog.show();
        QTest::mouseClick(child<QPushButton>(&dialog, "BBNENVIAR"), Qt::LeftButton);
        QCOMPARE(messages.shown().size(), 1);
        QCOMPARE(messages.shown().first().text, Msg::EmailProblemaProvedor);
        QCOMPARE(messages.shown().first().detail, QStringLiteral("Endereço de Porta"));
        QVERIFY(dialog.isVisible());
    }

    // The settings of the row on either database; a row that cannot be read opens nothing.
    void opensFromTheSettingsRow_data() { addBackendRows(); }
    void opensFromTheSettingsRow()
    {
        QFETCH(QString, backend);
        TestDatabase db(backend);
        db.install();
        auto own = db.connect();
        own->execute(QStringLiteral("Moxcvar"), QStringLiteral("UPDATE Moxcvar SET SMTP_PROVEDOR = ?"),
                     {QStringLiteral("smtp.exemplo.com.br * 587")});
        ScriptedMessages messages;
        bool opened = false;
        QTimer::singleShot(0, [&] {
            if (auto* dialog = qobject_cast<SendMailDialog*>(QApplication::activeModalWidget())) {
                opened = true;
                dialog->reject();
            }
        });
        SendMailDialog::run(*own, QStringLiteral("ana@aluna.com.br"), Registration, nullptr);
        QVERIFY(opened);
        QVERIFY(messages.shown().isEmpty());

        own->execute(QStringLiteral("Moxcvar"), QStringLiteral("DROP TABLE Moxcvar"));
        SendMailDialog::run(*own, QStringLiteral("ana@aluna.com.br"), Registration, nullptr);
        QCOMPARE(messages.shown().size(), 1);
        QCOMPARE(messages.shown().first().text, Msg::AberturaDeTabela);
        QCOMPARE(messages.shown().first().detail, QStringLiteral("Controle"));
    }
};

QTEST_MAIN(SendMail)
#include "tst_send_mail.moc"
