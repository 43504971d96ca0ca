#include "mail/MailMessage.h"
#include "mail/SmtpClient.h"
#include "support/SmtpServer.h"

#include <QDir>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

using namespace kelvora;
using namespace kelvora::test;

namespace {

const QString Password = QStringLiteral("s3gr3d0-do-provedor");

SmtpSettings settingsFor(int port, TlsMode tls, const std::optional<QString>& user = {},
                         const QString& host = QStringLiteral("localhost"))
{
    SmtpSettings settings;
    settings.host = host;
    settings.port = port;
    settings.senderName = QStringLiteral("Academia Corpo São");
    settings.senderAddress = QStringLiteral("avaliacao@academia.com.br");
    settings.userName = user;
    settings.password = Password;
    settings.tls = tls;
    return settings;
}

MailMessage shortMessage()
{
    return {{QStringLiteral("ana@aluna.com.br")}, QStringLiteral("Avaliação"),
            QStringLiteral("Olá"), {}};
}

// A file of the test's own folder holding `bytes`.
QString writeFile(const QTemporaryDir& folder, const QString& name, const QByteArray& bytes)
{
    QFile file(folder.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(name));
    return file.fileName();
}

} // namespace

class Mail : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY2(!SmtpServer::certificates().isEmpty(), "openssl could not make the test CA");
        qputenv("KELVORA_CA_FILE",
                QFile::encodeName(QDir(SmtpServer::certificates()).filePath(QStringLiteral("ca.pem"))));
    }

    void recipientCleaning_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("kept");
        QTest::newRow("two around a piece without @") << "ana@aluna.com;nada;bia@aluna.com" << QStringList{"ana@aluna.com", "bia@aluna.com"};
        QTest::newRow("six characters are too few") << "a@b.co;ana@aluna.com" << QStringList{"ana@aluna.com"};
        QTest::newRow("seven characters are enough") << "a@b.com" << QStringList{"a@b.com"};
        QTest::newRow("blanks around an address") << " ana@aluna.com ; bia@aluna.com;" << QStringList{"ana@aluna.com", "bia@aluna.com"};
        QTest::newRow("the list as the dialog shows it") << "ana@aluna.com,bia@aluna.com" << QStringList{"ana@aluna.com", "bia@aluna.com"};
        QTest::newRow("nothing valid") << "ana;;@" << QStringList{};
        QTest::newRow("empty") << "" << QStringList{};
    }
    void recipientCleaning()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, kept);
        QCOMPARE(cleanRecipients(typed), kept);
    }

    void settingsFromTheRow_data()
    {
        QTest::addColumn<QString>("provider");
        QTest::addColumn<QString>("tlsName");
        QTest::addColumn<QString>("host");
        QTest::addColumn<int>("port");
        QTest::addColumn<bool>("portProblem");
        QTest::addColumn<int>("tls");
        QTest::newRow("host and port") << " smtp.gmail.com * 587 " << "utUseExplicitTLS" << "smtp.gmail.com" << 587 << false << int(TlsMode::WhenOffered);
        QTest::newRow("implicit") << "smtp.mail.yahoo.com*465" << "utUseImplicitTLS" << "smtp.mail.yahoo.com" << 465 << false << int(TlsMode::Implicit);
        QTest::newRow("plain") << "mail*25" << "utNoTLSSupport" << "mail" << 25 << false << int(TlsMode::None);
        QTest::newRow("required") << "mail*25" << "utUseRequireTLS" << "mail" << 25 << false << int(TlsMode::Required);
        QTest::newRow("unknown mode is the strict one") << "mail*25" << "" << "mail" << 25 << false << int(TlsMode::Required);
        QTest::newRow("no star") << "smtp.gmail.com" << "utNoTLSSupport" << "" << 0 << true << int(TlsMode::None);
        QTest::newRow("port not a number") << "smtp.gmail.com * 58a" << "utNoTLSSupport" << "smtp.gmail.com" << 0 << true << int(TlsMode::None);
        QTest::newRow("port out of range") << "smtp.gmail.com*70000" << "utNoTLSSupport" << "smtp.gmail.com" << 70000 << true << int(TlsMode::None);
    }
    void settingsFromTheRow()
    {
        QFETCH(QString, provider);
        QFETCH(QString, tlsName);
        QFETCH(QString, host);
        QFETCH(int, port);
        QFETCH(bool, portProblem);
        QFETCH(int, tls);
        const SmtpSettings settings = SmtpSettings::fromRow(provider, {}, {}, std::nullopt, {}, tlsName);
        QCOMPARE(settings.host, host);
        QCOMPARE(settings.portProblem, portProblem);
        if (!portProblem)
            QCOMPARE(settings.port, port);
        QCOMPARE(int(settings.tls), tls);
    }

    // The message as the student receives it: accents, the text and the files intact.
    void sendsTextAndAttachmentsIntact()
    {
        SmtpServer server({});
        QVERIFY2(server.isRunning(), qPrintable(server.failure()));
        QTemporaryDir files;
        QByteArray pdf = "%PDF-1.4\n";
        for (int i = 0; i < 4000; ++i)
            pdf += char(i * 7 % 256);
        QByteArray jpeg("\xff\xd8\xff\xe0", 4);
        jpeg += QByteArray(3000, '\0') + QByteArray("\r\n.\r\n\xff\xd9", 7);
        const MailMessage message{
            {QStringLiteral("ana@aluna.com.br"), QStringLiteral("bia@aluna.com.br")},
            QStringLiteral("MANTENHA SUA AVALIAÇÃO SEMPRE EM DIA — ação, coração e atenção"),
            DefaultBody,
            {writeFile(files, QStringLiteral("Mt_0000000042-10-12-2026.pdf"), pdf),
             writeFile(files, QStringLiteral("foto.jpg"), jpeg)}};
        QCOMPARE(SmtpClient(settingsFor(server.port(), TlsMode::None)).send(message), QString());

        const QList<QJsonObject> taken = server.messages();
        QCOMPARE(taken.size(), 1);
        const QJsonObject mail = taken.first();
        QCOMPARE(mail["mailFrom"].toString(), QStringLiteral("avaliacao@academia.com.br"));
        QCOMPARE(mail["rcptTo"].toArray().toVariantList(), (QVariantList{"ana@aluna.com.br", "bia@aluna.com.br"}));
        QCOMPARE(mail["subject"].toString(), message.subject);
        QCOMPARE(mail["from"].toString(), QStringLiteral("Academia Corpo São <avaliacao@academia.com.br>"));
        QCOMPARE(mail["body"].toString().replace(QLatin1String("\r\n"), QLatin1String("\n")).trimmed(),
                 DefaultBody.trimmed());
        const QJsonArray attachments = mail["attachments"].toArray();
        QCOMPARE(attachments.size(), 2);
        QCOMPARE(attachments[0]["name"].toString(), QStringLiteral("Mt_0000000042-10-12-2026.pdf"));
        QCOMPARE(attachments[0]["type"].toString(), QStringLiteral("application/pdf"));
        QCOMPARE(QByteArray::fromBase64(attachments[0]["data"].toString().toLatin1()), pdf);
        QCOMPARE(attachments[1]["type"].toString(), QStringLiteral("image/jpeg"));
        QCOMPARE(QByteArray::fromBase64(attachments[1]["data"].toString().toLatin1()), jpeg);
        QVERIFY(!mail["tls"].toBool());
    }

    // Each protected way in: the message arrives over TLS, logged in when a user is set.
    void protectedConnections_data()
    {
        QTest::addColumn<int>("serverTls");
        QTest::addColumn<int>("clientTls");
        QTest::addColumn<QString>("host");
        QTest::addColumn<bool>("login");
        QTest::newRow("STARTTLS required, logged in") << int(SmtpServer::Tls::StartTls) << int(TlsMode::Required) << "localhost" << true;
        QTest::newRow("STARTTLS when offered, logged in") << int(SmtpServer::Tls::StartTls) << int(TlsMode::WhenOffered) << "localhost" << true;
        QTest::newRow("STARTTLS when offered, no login") << int(SmtpServer::Tls::StartTls) << int(TlsMode::WhenOffered) << "localhost" << false;
        QTest::newRow("implicit TLS by address") << int(SmtpServer::Tls::Implicit) << int(TlsMode::Implicit) << "127.0.0.1" << true;
    }
    void protectedConnections()
    {
        QFETCH(int, serverTls);
        QFETCH(int, clientTls);
        QFETCH(QString, host);
        QFETCH(bool, login);
        SmtpServer server({SmtpServer::Tls(serverTls), QStringLiteral("server"), QStringLiteral("academia"), Password});
        QVERIFY2(server.isRunning(), qPrintable(server.failure()));
        const std::optional<QString> user = login ? std::optional<QString>(QStringLiteral("academia")) : std::nullopt;
        QCOMPARE(SmtpClient(settingsFor(server.port(), TlsMode(clientTls), user, host)).send(shortMessage()), QString());
        QCOMPARE(server.messages().size(), 1);
        QVERIFY(server.messages().first()["tls"].toBool());
        QCOMPARE(server.messages().first()["authenticated"].toBool(), login);
    }

    // Nothing leaves for a server that cannot prove who it is, nor credentials in the clear.
    void refusedConnections_data()
    {
        QTest::addColumn<int>("serverTls");
        QTest::addColumn<QString>("certificate");
        QTest::addColumn<int>("clientTls");
        QTest::addColumn<QString>("user");
        QTest::newRow("certificate of an unknown CA") << int(SmtpServer::Tls::Implicit) << "untrusted" << int(TlsMode::Implicit) << "";
        QTest::newRow("certificate of another host") << int(SmtpServer::Tls::StartTls) << "wronghost" << int(TlsMode::Required) << "";
        QTest::newRow("STARTTLS required but not offered") << int(SmtpServer::Tls::None) << "" << int(TlsMode::Required) << "";
        QTest::newRow("credentials and no STARTTLS offered") << int(SmtpServer::Tls::None) << "" << int(TlsMode::WhenOffered) << "academia";
        QTest::newRow("wrong password") << int(SmtpServer::Tls::StartTls) << "server" << int(TlsMode::Required) << "outro";
    }
    void refusedConnections()
    {
        QFETCH(int, serverTls);
        QFETCH(QString, certificate);
        QFETCH(int, clientTls);
        QFETCH(QString, user);
        SmtpServer server({SmtpServer::Tls(serverTls), certificate.isEmpty() ? QStringLiteral("server") : certificate,
                           QStringLiteral("academia"), QStringLiteral("a-senha-certa")});
        QVERIFY2(server.isRunning(), qPrintable(server.failure()));
        const std::optional<QString> login = user.isEmpty() ? std::nullopt : std::optional<QString>(user);
        const QString failure = SmtpClient(settingsFor(server.port(), TlsMode(clientTls), login)).send(shortMessage());
        QVERIFY(!failure.isEmpty());
        QVERIFY2(!failure.contains(Password), qPrintable(failure));
        QCOMPARE(server.messages().size(), 0);
    }

    void plainSessionWithoutStartTlsWhenOffered()
    {
        SmtpServer server({});
        QVERIFY2(server.isRunning(), qPrintable(server.failure()));
        QCOMPARE(SmtpClient(settingsFor(server.port(), TlsMode::WhenOffered)).send(shortMessage()), QString());
        QCOMPARE(server.messages().size(), 1);
    }

    // A server that takes the connection and never answers: the send gives up.
    void silentServerTimesOut()
    {
        QTcpServer silent;
        QVERIFY(silent.listen(QHostAddress::LocalHost));
        SmtpClient client(settingsFor(silent.serverPort(), TlsMode::None, {}, QStringLiteral("127.0.0.1")));
        client.setTimeout(std::chrono::seconds(1));
        QElapsedTimer clock;
        clock.start();
        const QString failure = client.send(shortMessage());
        QVERIFY(!failure.isEmpty());
        QVERIFY2(clock.elapsed() < 30000, "the time-out was not honoured");
    }
};

QTEST_GUILESS_MAIN(Mail)
#include "tst_mail.moc"
