#pragma once

#include <QJsonObject>
#include <QList>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

namespace kelvora::test {

// A real mail server on loopback (python3-aiosmtpd, run by smtp_server.py beside this
// file) for one test. The certificates of `certificates()` are made once per test run.
class SmtpServer {
public:
    enum class Tls { None, StartTls, Implicit };

    struct Options {
        Tls tls = Tls::None;
        QString certificate = QStringLiteral("server"); // server, wronghost or untrusted
        QString user;                                   // empty: nobody may log in
        QString password;
    };

    explicit SmtpServer(const Options& options);
    ~SmtpServer();

    bool isRunning() const { return m_port != 0; }
    int port() const { return m_port; }
    // What the server said when it would not start.
    QString failure() const { return m_failure; }

    // Every message taken so far, in order: the fields smtp_server.py writes.
    QList<QJsonObject> messages() const;

    // The folder of the test CA (ca.pem) and the server certificates, made on first use.
    static QString certificates();

private:
    QProcess m_process;
    QTemporaryDir m_inbox;
    int m_port = 0;
    QString m_failure;
};

} // namespace kelvora::test
