#include "data/Backup.h"

#include "data/Connection.h"
#include "data/DataError.h"
#include "domain/Clock.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace kelvora::Backup {

namespace {

constexpr QFile::Permissions OwnerOnlyFile = QFile::ReadOwner | QFile::WriteOwner;
constexpr QFile::Permissions OwnerOnlyFolder = OwnerOnlyFile | QFile::ExeOwner;

// A file being written, removed unless it is kept: a failed backup leaves nothing.
class PartialFile {
public:
    explicit PartialFile(QString path)
        : m_path(std::move(path))
    {
    }
    ~PartialFile()
    {
        if (!m_kept)
            QFile::remove(m_path);
    }
    PartialFile(const PartialFile&) = delete;
    PartialFile& operator=(const PartialFile&) = delete;

    QString path() const { return m_path; }
    void keep() { m_kept = true; }

private:
    QString m_path;
    bool m_kept = false;
};

QString makeFolder(const QString& dataFolder, const QString& name)
{
    const QString folder = folderOf(dataFolder);
    if (!QDir().mkpath(folder) || !QFile::setPermissions(folder, OwnerOnlyFolder))
        throw BackupFailed(name, QStringLiteral("a pasta %1 não pode ser criada").arg(folder));
    return folder;
}

// An empty file, readable by its owner only, under a name of its own in `folder`.
QString reserveTemporary(const QString& folder, const QString& name)
{
    QTemporaryFile file(QDir(folder).filePath(name + QStringLiteral(".XXXXXX")));
    file.setAutoRemove(false);
    if (!file.open())
        throw BackupFailed(name, QStringLiteral("a pasta %1 não pode ser gravada").arg(folder));
    return file.fileName();
}

int rowCount(const Connection& connection, const QString& table)
{
    QSqlQuery query =
        connection.select(table, QStringLiteral("SELECT COUNT(*) FROM %1").arg(table));
    return query.next() ? query.value(0).toInt() : -1;
}

void copySqlite(Connection& own, const QString& copyPath, const QString& name)
{
    // The path is a bound value, never SQL text.
    own.execute(name, QStringLiteral("VACUUM INTO ?"), {copyPath});

    Connection copy(QStringLiteral("Backup"), {DataLink::Provider::SQLite, copyPath, {}, {}, {}},
                    QFileInfo(copyPath).absolutePath());
    copy.open();
    QSqlQuery check = copy.select(name, QStringLiteral("PRAGMA integrity_check"));
    if (!check.next() || check.value(0).toString() != QLatin1String("ok"))
        throw BackupFailed(name,
                           QStringLiteral("a cópia não passou na verificação de integridade"));
    for (const QString& table : {QStringLiteral("Alunos"), QStringLiteral("Avaliacao")})
        if (rowCount(copy, table) != rowCount(own, table))
            throw BackupFailed(name, QStringLiteral("a cópia não tem as linhas de %1").arg(table));
}

// Runs a PostgreSQL client program to its end; returns what it printed.
QByteArray runClient(const QString& program, const QStringList& arguments,
                     const QProcessEnvironment& environment, const QString& name)
{
    const QString path = QStandardPaths::findExecutable(program);
    if (path.isEmpty())
        throw BackupFailed(name, QStringLiteral("%1 não está instalado").arg(program));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(path, arguments);
    if (!process.waitForFinished(-1) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        throw BackupFailed(name,
                           program + QStringLiteral(": ") +
                               QString::fromLocal8Bit(process.readAllStandardError()).trimmed());
    return process.readAllStandardOutput();
}

void dumpPostgres(const Connection& own, const QString& dumpPath, const QString& name)
{
    const DataLink& link = own.link();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // The password never stands on a command line, where other users could read it.
    if (!link.password.isEmpty())
        environment.insert(QStringLiteral("PGPASSWORD"), link.password);
    environment.insert(QStringLiteral("PGCONNECT_TIMEOUT"), QStringLiteral("5"));
    QStringList arguments{QStringLiteral("--format=custom"), QStringLiteral("--no-password"),
                          QStringLiteral("--file=") + dumpPath,
                          QStringLiteral("--host=") + link.host(),
                          QStringLiteral("--port=") + QString::number(link.port())};
    if (!link.user.isEmpty())
        arguments << QStringLiteral("--username=") + link.user;
    arguments << QStringLiteral("--dbname=") + link.catalog;
    runClient(QStringLiteral("pg_dump"), arguments, environment, name);

    // The archive's table of contents can be read back only from a complete file.
    if (runClient(QStringLiteral("pg_restore"), {QStringLiteral("--list"), dumpPath}, environment,
                  name)
            .trimmed()
            .isEmpty())
        throw BackupFailed(name, QStringLiteral("pg_restore não leu o arquivo"));
}

} // namespace

QString folderOf(const QString& dataFolder)
{
    return QDir(dataFolder).filePath(QStringLiteral("Backup"));
}

QString fileNameAt(const QDateTime& moment)
{
    return QStringLiteral("Kelvora") + moment.toString(QStringLiteral("yyyyMMddHHmmss")) +
           QStringLiteral(".bak");
}

QString writeVerified(Connection& own, const QString& dataFolder)
{
    const QString name = fileNameAt(Clock::now());
    const QString folder = makeFolder(dataFolder, name);
    const QString path = QDir(folder).filePath(name);
    // A second backup within the same second would take the first one's name. It is
    // refused rather than made to wait: no backup is ever overwritten, and a caller
    // whose clock stands still (tests) is never kept waiting.
    if (QFileInfo::exists(path))
        throw BackupFailed(name, QStringLiteral("já existe um backup com este nome"));

    PartialFile partial(reserveTemporary(folder, name));
    try {
        if (own.link().provider == DataLink::Provider::SQLite)
            copySqlite(own, partial.path(), name);
        else
            dumpPostgres(own, partial.path(), name);
    } catch (const BackupFailed&) {
        throw;
    } catch (const DataError& error) {
        throw BackupFailed(name, error.reason());
    }
    // Renaming never replaces an existing file.
    if (!QFile::setPermissions(partial.path(), OwnerOnlyFile) ||
        !QFile::rename(partial.path(), path))
        throw BackupFailed(name, QStringLiteral("o arquivo não pode receber o nome final"));
    partial.keep();
    return path;
}

} // namespace kelvora::Backup
