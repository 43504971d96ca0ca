#include "support/SmtpServer.h"

#include <QDir>
#include <QJsonDocument>

namespace kelvora::test {

namespace {

// Debian's interpreter, the one python3-aiosmtpd is installed for.
const QString Python = QStringLiteral("/usr/bin/python3");

QString script()
{
    return QStringLiteral(KELVORA_TEST_SUPPORT_DIR "/smtp_server.py");
}

} // namespace

QString SmtpServer::certificates()
{
    static QTemporaryDir folder;
    static const bool made = QProcess::execute(Python, {script(), QStringLiteral("certs"),
                                                        folder.path()}) == 0;
    return made ? folder.path() : QString();
}

SmtpServer::SmtpServer(const Options& options)
{
    QStringList arguments{script(), QStringLiteral("serve"), QStringLiteral("--out"),
                          m_inbox.path()};
    if (options.tls != Tls::None) {
        const QString base = QDir(certificates()).filePath(options.certificate);
        arguments << QStringLiteral("--tls")
                  << (options.tls == Tls::Implicit ? QStringLiteral("implicit")
                                                   : QStringLiteral("starttls"))
                  << QStringLiteral("--cert") << base + QStringLiteral(".pem")
                  << QStringLiteral("--key") << base + QStringLiteral(".key");
    }
    if (!options.user.isEmpty())
        arguments << QStringLiteral("--user") << options.user << QStringLiteral("--password")
                  << options.password;
    m_process.start(Python, arguments);
    while (m_process.waitForReadyRead(20000)) {
        const QByteArray line = m_process.readLine().trimmed();
        if (line.startsWith("READY ")) {
            m_port = line.mid(6).toInt();
            return;
        }
    }
    m_failure = QString::fromUtf8(m_process.readAllStandardError());
}

SmtpServer::~SmtpServer()
{
    m_process.kill();
    m_process.waitForFinished();
}

QList<QJsonObject> SmtpServer::messages() const
{
    QList<QJsonObject> taken;
    const QDir inbox(m_inbox.path());
    for (const QString& name : inbox.entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name)) {
        QFile file(inbox.filePath(name));
        if (file.open(QIODevice::ReadOnly))
            taken << QJsonDocument::fromJson(file.readAll()).object();
    }
    return taken;
}

} // namespace kelvora::test
