#include "support/CliRun.h"
#include "support/SmtpServer.h"
#include "support/TestDatabase.h"

#include <QDir>
#include <QJsonArray>
#include <QTcpServer>
#include <QTest>

using namespace kelvora;
using namespace kelvora::test;

namespace {

const QString Password = QStringLiteral("s3gr3d0-do-provedor");

// The mail settings of the row, as the configuration screen stores them.
void configure(const TestDatabase& db, const QString& provider, const QString& tls,
               const QString& user = QStringLiteral("academia"))
{
    db.connect()->execute(QStringLiteral("Moxcvar"),
                          QStringLiteral("UPDATE Moxcvar SET SMTP_PROVEDOR = ?, NOME_PROVEDOR = ?, "
                                         "EMAIL_PROVEDOR = ?, USERNAME = ?, PASSWORD = ?, IdSMTP_UseTLS = ?"),
                          {provider, QStringLiteral("Academia"), QStringLiteral("avaliacao@academia.com.br"),
                           user, Password, tls});
}

CliRun mail(const TestDatabase& db, const QStringList& arguments)
{
    return cli(QStringList{QStringLiteral("mail"), QStringLiteral("--dir"), db.folder()} + arguments);
}

} // namespace

class CliMail : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(!SmtpServer::certificates().isEmpty());
        qputenv("KELVORA_CA_FILE",
                QFile::encodeName(QDir(SmtpServer::certificates()).filePath(QStringLiteral("ca.pem"))));
    }

    void sendsWithTheSettingsOfTheRow_data() { addBackendRows(); }
    void sendsWithTheSettingsOfTheRow()
    {
        QFETCH(QString, backend);
        TestDatabase db(backend);
        db.install();
        SmtpServer server({SmtpServer::Tls::StartTls, QStringLiteral("server"), QStringLiteral("academia"), Password});
        QVERIFY2(server.isRunning(), qPrintable(server.failure()));
        configure(db, QStringLiteral("localhost * %1").arg(server.port()), QStringLiteral("utUseExplicitTLS"));
        QFile report(QDir(db.folder()).filePath(QStringLiteral("Mt_0000000042-10-12-2026.pdf")));
        QVERIFY(report.open(QIODevice::WriteOnly));
        report.write("%PDF-1.4 relatório");
        report.close();

        const CliRun run = mail(db, {QStringLiteral("--to"), QStringLiteral("ana@aluna.com.br;ana"),
                                     QStringLiteral("--attach"), report.fileName()});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QCOMPARE(run.out, QStringLiteral("E-mail enviado com sucesso !\n"));
        QCOMPARE(server.messages().size(), 1);
        const QJsonObject taken = server.messages().first();
        QCOMPARE(taken["rcptTo"].toArray().size(), 1);
        QCOMPARE(taken["subject"].toString(), QStringLiteral("MANTENHA SUA AVALIAÇÃO SEMPRE EM DIA"));
        QVERIFY(taken["authenticated"].toBool());
        QCOMPARE(QByteArray::fromBase64(taken["attachments"].toArray()[0].toObject()["data"].toString().toLatin1()),
                 QByteArray("%PDF-1.4 relatório"));
    }

    // What is refused says why, and the provider's password shows nowhere.
    void refusalsAndFailures_data()
    {
        QTest::addColumn<QString>("provider");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        const QStringList to{"--to", "ana@aluna.com.br"};
        QTest::newRow("no valid recipient") << "SERVER" << QStringList{"--to", "ana;a@b.co"} << 2 << "Nenhum destinatário válido";
        QTest::newRow("missing attachment") << "SERVER" << to + QStringList{"--attach", "/nao/existe.pdf"} << 2 << "/nao/existe.pdf";
        QTest::newRow("port not a number") << "smtp.gmail.com" << to << 2 << "Verifique seu Provedor. Endereço de Porta";
        QTest::newRow("nobody listens") << "CLOSED" << to << 4 << "Problema ao enviar e-mail !";
        QTest::newRow("wrong password") << "SERVER" << to << 4 << "Problema ao enviar e-mail !";
        QTest::newRow("no recipient option") << "SERVER" << QStringList{} << 1 << "--to";
    }
    void refusalsAndFailures()
    {
        QFETCH(QString, provider);
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        TestDatabase db(Sqlite);
        db.install();
        SmtpServer server({SmtpServer::Tls::StartTls, QStringLiteral("server"), QStringLiteral("academia"),
                           QStringLiteral("a-senha-certa")});
        QVERIFY2(server.isRunning(), qPrintable(server.failure()));
        int closedPort = 0;
        {
            QTcpServer probe;
            QVERIFY(probe.listen(QHostAddress::LocalHost));
            closedPort = probe.serverPort();
        }
        if (provider == QLatin1String("SERVER"))
            provider = QStringLiteral("localhost*%1").arg(server.port());
        else if (provider == QLatin1String("CLOSED"))
            provider = QStringLiteral("127.0.0.1*%1").arg(closedPort);
        configure(db, provider, QStringLiteral("utUseRequireTLS"));

        const CliRun run = mail(db, arguments);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QVERIFY(!run.err.contains(Password) && !run.out.contains(Password));
        QCOMPARE(server.messages().size(), 0);
    }
};

QTEST_GUILESS_MAIN(CliMail)
#include "tst_cli_mail.moc"
