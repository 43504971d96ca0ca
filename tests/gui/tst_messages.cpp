#include "data/DataError.h"
#include "gui/widgets/Messages.h"
#include "support/ScriptedMessages.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

using namespace kelvora;
using namespace kelvora::test;

class MessageRoutine : public QObject {
    Q_OBJECT
private slots:
    void kindsAndAnswers_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("scripted");
        QTest::addColumn<int>("result");
        QTest::addColumn<bool>("question");
        QTest::newRow("information") << "!" << Messages::Yes << Messages::Ok << false;
        QTest::newRow("question, yes") << "?" << Messages::Yes << Messages::Yes << true;
        QTest::newRow("question, no") << "?" << Messages::No << Messages::No << true;
        QTest::newRow("any other kind asks") << "x" << Messages::Yes << Messages::Yes << true;
    }
    void kindsAndAnswers()
    {
        QFETCH(QString, kind);
        QFETCH(int, scripted);
        QFETCH(int, result);
        QFETCH(bool, question);
        ScriptedMessages messages;
        messages.answer(scripted);
        QCOMPARE(Messages::show(kind, QStringLiteral("Dado INCORRETO !"), QStringLiteral("Peso")), result);
        QCOMPARE(messages.shown().size(), 1);
        QCOMPARE(messages.shown().first().text, QStringLiteral("Dado INCORRETO !"));
        QCOMPARE(messages.shown().first().detail, QStringLiteral("Peso"));
        QCOMPARE(messages.shown().first().question, question);
    }

    void detailFollowsLineFeedAndCarriageReturn()
    {
        QCOMPARE(Messages::compose(QStringLiteral("Usuário sem acesso !"), QStringLiteral("BACKUP")),
                 QStringLiteral("Usuário sem acesso !\n\rBACKUP"));
        QCOMPARE(Messages::compose(QStringLiteral("Fim de Processo !"), {}), QStringLiteral("Fim de Processo !"));
    }

    void dataErrorsShowTheirTable_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("text");
        QTest::newRow("open") << int(DataError::Kind::OpenFailed) << "Abertura de tabela !";
        QTest::newRow("write") << int(DataError::Kind::WriteFailed) << "Gravando na tabela !";
        QTest::newRow("held") << int(DataError::Kind::RowHeld) << "Registro já alocado";
    }
    void dataErrorsShowTheirTable()
    {
        QFETCH(int, kind);
        QFETCH(QString, text);
        ScriptedMessages messages;
        Messages::showDataError(DataError(DataError::Kind(kind), QStringLiteral("Corporal"), QStringLiteral("x")));
        QCOMPARE(messages.shown().first().text, text);
        QCOMPARE(messages.shown().first().detail, QStringLiteral("Corporal"));
    }

    // The real box: caption, composed text, Yes/No buttons mapped to 6 and 7.
    void realBoxHasTheProgramsCaption()
    {
        QString caption;
        QString shownText;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            caption = box->windowTitle();
            shownText = box->text();
            box->button(QMessageBox::No)->click();
        });
        QCOMPARE(Messages::show(QStringLiteral("?"), QStringLiteral("Confirma envio do e-mail ?"),
                                QStringLiteral("Solicitação de Suporte")),
                 Messages::No);
        QCOMPARE(caption, QStringLiteral("Kelvora"));
        QCOMPARE(shownText, QStringLiteral("Confirma envio do e-mail ?\n\rSolicitação de Suporte"));
    }
};

QTEST_MAIN(MessageRoutine)
#include "tst_messages.moc"
