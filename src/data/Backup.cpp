#include "data/Backup.h"

#include "data/BackupFile.h"
#include "data/Connection.h"
#include "data/DataError.h"
#include "data/ProtectedFiles.h"
#include "domain/Clock.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QThread>

#include <algorithm>
#include <functional>

namespace kelvora::Backup {

namespace {

const QString Stamp = QStringLiteral("yyyyMMddHHmmss");

// "Kelvora", the 14 digits of the moment, and for the emptying's backups the year.
const QRegularExpression& namePattern()
{
    static const QRegularExpression pattern(QStringLiteral("^KELVORA(\\d{14})(-\\d{4})?\\.BAK$"));
    return pattern;
}

QString makeFolder(const QString& dataFolder, const QString& name)
{
    const QString folder = folderOf(dataFolder);
    if (!ProtectedFiles::makeFolder(folder))
        throw BackupFailed(name, QStringLiteral("a pasta %1 não pode ser criada").arg(folder));
    return folder;
}

int rowCount(const Connection& connection, const QString& table)
{
    QSqlQuery query =
        connection.select(table, QStringLiteral("SELECT COUNT(*) FROM %1").arg(table));
    return query.next() ? query.value(0).toInt() : -1;
}

void copySqlite(Connection& own, const QString& copyPath, const QString& name)
{
    // The copy is checked against the source's rows at the moment it was taken.
    // Holding the write lock on a second connection keeps other stations from
    // committing in between (they wait, as they would for the copy anyway) while
    // reads, the copy's among them, go on.
    Connection source(QStringLiteral("BackupSource"), own.link(), own.folder());
    source.open();
    Transaction moment(source, name, Transaction::Lock::Exclusive);
    const QStringList tables{QStringLiteral("Alunos"), QStringLiteral("Avaliacao")};
    QVector<int> counts;
    for (const QString& table : tables)
        counts << rowCount(source, table);

    // The path is a bound value, never SQL text.
    own.execute(name, QStringLiteral("VACUUM INTO ?"), {copyPath});

    Connection copy(QStringLiteral("Backup"), {DataLink::Provider::SQLite, copyPath, {}, {}, {}},
                    QFileInfo(copyPath).absolutePath());
    copy.open();
    QSqlQuery check = copy.select(name, QStringLiteral("PRAGMA integrity_check"));
    if (!check.next() || check.value(0).toString() != QLatin1String("ok"))
        throw BackupFailed(name,
                           QStringLiteral("a cópia não passou na verificação de integridade"));
    check = QSqlQuery();
    for (int i = 0; i < tables.size(); ++i)
        if (rowCount(copy, tables.at(i)) != counts.at(i))
            throw BackupFailed(name,
                               QStringLiteral("a cópia não tem as linhas de %1").arg(tables.at(i)));
}

void dumpPostgres(const Connection& own, const QString& dumpPath, const QString& name)
{
    const DataLink& link = own.link();
    // The lightest compression: photos are JPEG already and the rest is small, and the
    // default level takes three times as long for a file a few percent smaller.
    BackupFile::runPgClient(QStringLiteral("pg_dump"),
                            {QStringLiteral("--format=custom"), QStringLiteral("--compress=1"),
                             QStringLiteral("--file=") + dumpPath,
                             QStringLiteral("--dbname=") + link.catalog},
                            link, name);
    BackupFile::checkPgArchive(dumpPath, link, name);
}

// The name `nameAt` gives the Clock's time. A second backup within the same second
// would take the first one's name: it waits for the next second, and is refused
// when the time does not move on (no backup is ever overwritten).
QString freeName(const QString& folder, const std::function<QString(const QDateTime&)>& nameAt)
{
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        const QString name = nameAt(Clock::now());
        if (!QFileInfo::exists(QDir(folder).filePath(name)))
            return name;
        if (waited.elapsed() > 1500)
            throw BackupFailed(name, QStringLiteral("já existe um backup com este nome"));
        QThread::msleep(50);
    }
}

QString writeVerifiedAs(Connection& own, const QString& dataFolder,
                        const std::function<QString(const QDateTime&)>& nameAt)
{
    const QString folder = makeFolder(dataFolder, nameAt(Clock::now()));
    const QString name = freeName(folder, nameAt);
    const QString path = QDir(folder).filePath(name);

    BackupFile::Partial partial(BackupFile::reserveTemporary(folder, name));
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
    BackupFile::syncToDisk(partial.path(), name);
    // Renaming never replaces an existing file.
    if (!ProtectedFiles::restrictFile(partial.path()) || !QFile::rename(partial.path(), path))
        throw BackupFailed(name, QStringLiteral("o arquivo não pode receber o nome final"));
    partial.keep();
    return path;
}

QByteArray digestOf(const QString& path)
{
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file))
        return {};
    return hash.result();
}

} // namespace

QString folderOf(const QString& dataFolder)
{
    return QDir(dataFolder).filePath(QStringLiteral("Backup"));
}

QString fileNameAt(const QDateTime& moment)
{
    return QStringLiteral("Kelvora") + moment.toString(Stamp) + QStringLiteral(".bak");
}

QString emptyingFileNameAt(const QDateTime& moment, int year)
{
    return QStringLiteral("Kelvora%1-%2.bak")
        .arg(moment.toString(Stamp))
        .arg(year, 4, 10, QLatin1Char('0'));
}

bool isBackupFileName(const QString& fileName)
{
    return namePattern().match(fileName.toUpper()).hasMatch();
}

QString writeVerified(Connection& own, const QString& dataFolder)
{
    return writeVerifiedAs(own, dataFolder, &fileNameAt);
}

QString writeVerifiedBeforeEmptying(Connection& own, const QString& dataFolder, int year)
{
    return writeVerifiedAs(own, dataFolder, [year](const QDateTime& moment) {
        return emptyingFileNameAt(moment, year);
    });
}

QString copyVerified(const QString& backupFile, const QString& folder)
{
    const QString name = QFileInfo(backupFile).fileName();
    const QString failure =
        QStringLiteral("Unidade inválida -> %1 ou \rUnidade de Gravação cheia !!!")
            .arg(QDir::toNativeSeparators(folder));
    const QString path = QDir(folder).filePath(name);
    if (!QFileInfo(folder).isDir() || QFileInfo::exists(path))
        throw BackupFailed(name, failure);
    try {
        BackupFile::Partial partial(BackupFile::reserveTemporary(folder, name));
        BackupFile::copyContents(backupFile, partial.path(), name);
        const QByteArray original = digestOf(backupFile);
        if (original.isEmpty() || digestOf(partial.path()) != original)
            throw BackupFailed(name, QStringLiteral("a cópia difere do original"));
        if (!QFile::rename(partial.path(), path))
            throw BackupFailed(name, QStringLiteral("a cópia não pode receber o nome final"));
        partial.keep();
    } catch (const BackupFailed& error) {
        throw BackupFailed(name,
                           failure + QStringLiteral(" (") + error.reason() + QLatin1Char(')'));
    }
    return path;
}

QVector<Stored> storedIn(const QString& folder)
{
    QVector<Stored> backups;
    for (const QString& name : QDir(folder).entryList(QDir::Files)) {
        const QRegularExpressionMatch match = namePattern().match(name.toUpper());
        const QDateTime made = QDateTime::fromString(match.captured(1), Stamp);
        if (match.hasMatch() && made.isValid()) // a stamp no clock gave is no backup's
            backups.append({name, made, match.capturedLength(2) > 0});
    }
    // The stamp makes the names sort by age.
    std::sort(backups.begin(), backups.end(),
              [](const Stored& a, const Stored& b) { return a.file.toUpper() > b.file.toUpper(); });
    return backups;
}

QDate removableFrom(const QDate& made)
{
    return made.addDays(KeptDays);
}

QStringList removeExpired(const QString& folder, const QDate& today)
{
    // Only the backup dialog's own names count: the emptying's backups, copies
    // renamed by hand and every other file stay.
    QVector<Stored> backups = storedIn(folder);
    backups.removeIf([](const Stored& backup) { return backup.emptying; });
    QStringList removed;
    for (int i = KeptNewest; i < backups.size(); ++i) {
        const Stored& backup = backups.at(i);
        if (removableFrom(backup.made.date()) <= today &&
            QFile::remove(QDir(folder).filePath(backup.file)))
            removed << backup.file;
    }
    return removed;
}

Made makeAndKeep(Connection& own, const QString& dataFolder, const QString& copyFolder)
{
    Made made;
    made.file = writeVerified(own, dataFolder);
    if (!copyFolder.isEmpty())
        made.copy = copyVerified(made.file, copyFolder);
    const QDate today = Clock::today();
    removeExpired(folderOf(dataFolder), today);
    if (!copyFolder.isEmpty())
        removeExpired(copyFolder, today);
    return made;
}

} // namespace kelvora::Backup
