#include "support/PgCluster.h"

#include <QCollator>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTcpServer>

#include <pwd.h>
#include <unistd.h>

namespace kelvora::test {

namespace {
QString serverBinaries()
{
    QStringList versions = QDir(QStringLiteral("/usr/lib/postgresql")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    QCollator numeric;
    numeric.setNumericMode(true);
    std::sort(versions.begin(), versions.end(), numeric);
    return versions.isEmpty() ? QString() : QStringLiteral("/usr/lib/postgresql/%1/bin").arg(versions.last());
}

int freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}
} // namespace

PgCluster::PgCluster(const QString& password)
    : m_dir(QDir::tempPath() + QStringLiteral("/kelvora-pgcluster-XXXXXX"))
    , m_bin(serverBinaries())
    , m_port(freePort())
    , m_password(password)
{
    if (geteuid() == 0) {
        const passwd* postgres = getpwnam("postgres");
        if (postgres && chown(m_dir.path().toLocal8Bit().constData(), postgres->pw_uid, postgres->pw_gid) != 0)
            qWarning("cannot hand the cluster folder to postgres");
    }
    QStringList arguments{QStringLiteral("-D"), m_dir.filePath(QStringLiteral("data")), QStringLiteral("-U"),
                          QStringLiteral("postgres"), QStringLiteral("-E"), QStringLiteral("UTF8")};
    if (password.isEmpty()) {
        arguments << QStringLiteral("--auth=trust");
    } else {
        QFile secret(m_dir.filePath(QStringLiteral("password")));
        secret.open(QIODevice::WriteOnly);
        secret.write(password.toUtf8() + '\n');
        secret.close();
        arguments << QStringLiteral("--auth-local=trust") << QStringLiteral("--auth-host=scram-sha-256")
                  << QStringLiteral("--pwfile=") + secret.fileName();
    }
    run(QStringLiteral("initdb"), arguments);
}

PgCluster::~PgCluster()
{
    stop();
}

bool PgCluster::available()
{
    return !serverBinaries().isEmpty();
}

bool PgCluster::run(const QString& program, const QStringList& arguments) const
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const QString path = m_bin + QLatin1Char('/') + program;
    if (geteuid() == 0)
        process.start(QStringLiteral("runuser"), QStringList{QStringLiteral("-u"), QStringLiteral("postgres"), QStringLiteral("--"), path} + arguments);
    else
        process.start(path, arguments);
    return process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

bool PgCluster::start()
{
    return run(QStringLiteral("pg_ctl"),
               {QStringLiteral("-D"), m_dir.filePath(QStringLiteral("data")), QStringLiteral("-l"),
                m_dir.filePath(QStringLiteral("server.log")), QStringLiteral("-w"), QStringLiteral("start"), QStringLiteral("-o"),
                QStringLiteral("-p %1 -k %2 -c listen_addresses=127.0.0.1 -c fsync=off").arg(m_port).arg(m_dir.path())});
}

bool PgCluster::stop()
{
    return run(QStringLiteral("pg_ctl"), {QStringLiteral("-D"), m_dir.filePath(QStringLiteral("data")),
                                          QStringLiteral("-m"), QStringLiteral("immediate"), QStringLiteral("-w"), QStringLiteral("stop")});
}

QString PgCluster::address() const
{
    QString address = QStringLiteral("host=127.0.0.1 port=%1 dbname=postgres user=postgres").arg(m_port);
    if (!m_password.isEmpty())
        address += QStringLiteral(" password=") + m_password;
    return address;
}

} // namespace kelvora::test
