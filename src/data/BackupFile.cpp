#include "data/BackupFile.h"

#include "data/DataError.h"
#include "data/DataLink.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <algorithm>

#include <fcntl.h>
#include <unistd.h>

namespace kelvora::BackupFile {

Partial::~Partial()
{
    if (!m_kept)
        QFile::remove(m_path);
}

QString reserveTemporary(const QString& folder, const QString& name)
{
    QTemporaryFile file(QDir(folder).filePath(name + QStringLiteral(".XXXXXX")));
    file.setAutoRemove(false);
    if (!file.open())
        throw BackupFailed(name, QStringLiteral("a pasta %1 não pode ser gravada").arg(folder));
    return file.fileName();
}

void copyContents(const QString& source, const QString& target, const QString& name)
{
    QFile from(source);
    QFile to(target);
    if (!from.open(QIODevice::ReadOnly))
        throw BackupFailed(name, QStringLiteral("o arquivo %1 não pode ser lido").arg(source));
    if (!to.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw BackupFailed(name, QStringLiteral("o arquivo %1 não pode ser gravado").arg(target));
    QByteArray block;
    while (!(block = from.read(1 << 20)).isEmpty()) {
        if (to.write(block) != block.size())
            throw BackupFailed(name, QStringLiteral("não há espaço para %1").arg(target));
    }
    if (from.error() != QFileDevice::NoError || !to.flush() || ::fsync(to.handle()) != 0)
        throw BackupFailed(name, QStringLiteral("o arquivo %1 não pode ser gravado").arg(target));
    // Once on the disk the pages leave the cache: reading the copy back then reads
    // the medium, not the memory it was written from.
    ::posix_fadvise(to.handle(), 0, 0, POSIX_FADV_DONTNEED);
}

void syncToDisk(const QString& path, const QString& name)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite) || ::fsync(file.handle()) != 0)
        throw BackupFailed(name, QStringLiteral("o arquivo %1 não pode ser gravado").arg(path));
}

namespace {

// Debian installs each major version's client programs in a folder of its own; the
// newest reads the archives of every older server and of itself. Elsewhere the
// programs stand on PATH.
QString findPgClient(const QString& program)
{
    QDir versions(QStringLiteral("/usr/lib/postgresql"));
    QStringList found = versions.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    std::sort(found.begin(), found.end(),
              [](const QString& a, const QString& b) { return a.toDouble() > b.toDouble(); });
    for (const QString& version : found) {
        const QString path = QStandardPaths::findExecutable(
            program, {versions.filePath(version + QStringLiteral("/bin"))});
        if (!path.isEmpty())
            return path;
    }
    return QStandardPaths::findExecutable(program);
}

} // namespace

QByteArray runPgClient(const QString& program, QStringList arguments, const DataLink& link,
                       const QString& name)
{
    const QString path = findPgClient(program);
    if (path.isEmpty())
        throw BackupFailed(name, QStringLiteral("%1 não está instalado").arg(program));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!link.password.isEmpty())
        environment.insert(QStringLiteral("PGPASSWORD"), link.password);
    environment.insert(QStringLiteral("PGCONNECT_TIMEOUT"), QStringLiteral("5"));
    if (!link.dataSource.isEmpty()) {
        arguments << QStringLiteral("--no-password") << QStringLiteral("--host=") + link.host()
                  << QStringLiteral("--port=") + QString::number(link.port());
        if (!link.user.isEmpty())
            arguments << QStringLiteral("--username=") + link.user;
    }
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

void checkPgArchive(const QString& file, const DataLink& link, const QString& name)
{
    // Only the file is read: no server is needed.
    DataLink noServer = link;
    noServer.dataSource.clear();
    const QString restore = QStringLiteral("pg_restore");
    const QString contents =
        QString::fromUtf8(runPgClient(restore, {QStringLiteral("--list"), file}, noServer, name));
    // A sound archive of another database is no backup of this one: restoring it
    // would drop nothing of ours and mix its tables in.
    static const QRegularExpression assessments(QStringLiteral("^\\d+; .* TABLE \\S+ avaliacao "),
                                                QRegularExpression::MultilineOption |
                                                    QRegularExpression::CaseInsensitiveOption);
    if (!assessments.match(contents).hasMatch())
        throw BackupFailed(name, QStringLiteral("o arquivo não é um backup do Kelvora"));
    // The table of contents stands at the start of the file: only reading every
    // table's data finds a truncated or damaged archive.
    runPgClient(restore, {QStringLiteral("--file=") + QStringLiteral("/dev/null"), file}, noServer,
                name);
}

} // namespace kelvora::BackupFile
