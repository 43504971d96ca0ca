#include "data/Restore.h"

#include "data/Backup.h"
#include "data/BackupFile.h"
#include "data/Connection.h"
#include "data/DataError.h"
#include "data/ProtectedFiles.h"

#include <QFileInfo>

#include <cstdio>

namespace kelvora::Restore {

namespace {

const QString Role = QStringLiteral("Restore");

// The backup copied beside the database, where one rename can put it in place.
QString checkedSqliteCopy(const QString& file, const QString& databaseFile)
{
    const QString name = QFileInfo(file).fileName();
    BackupFile::Partial copy(
        BackupFile::reserveTemporary(QFileInfo(databaseFile).absolutePath(), name));
    BackupFile::copyContents(file, copy.path(), name);
    {
        Connection check(Role, {DataLink::Provider::SQLite, copy.path(), {}, {}, {}},
                         QFileInfo(copy.path()).absolutePath());
        try {
            check.open();
            QSqlQuery integrity = check.select(name, QStringLiteral("PRAGMA integrity_check"));
            if (!integrity.next() || integrity.value(0).toString() != QLatin1String("ok"))
                throw RestoreFailed(name, QStringLiteral("o arquivo está danificado"));
            integrity = QSqlQuery();
            // A sound SQLite file of another program is no backup of this one.
            check.select(name, QStringLiteral("SELECT COUNT(*) FROM Avaliacao")).next();
        } catch (const RestoreFailed&) {
            throw;
        } catch (const DataError&) {
            throw RestoreFailed(name, QStringLiteral("o arquivo não é um backup do Kelvora"));
        }
    }
    if (!ProtectedFiles::restrictFile(copy.path()))
        throw RestoreFailed(name, QStringLiteral("o arquivo não pode ser preparado"));
    copy.keep();
    return copy.path();
}

QString safetyBackup(const DataLink& link, const QString& dataFolder)
{
    Connection own(Role, link, dataFolder);
    own.open();
    return Backup::writeVerified(own, dataFolder);
}

QString restoreSqlite(const DataLink& link, const QString& dataFolder, const QString& file)
{
    const QString databaseFile = Connection(Role, link, dataFolder).sqliteFile();
    BackupFile::Partial checked(checkedSqliteCopy(file, databaseFile));
    const QString safety = safetyBackup(link, dataFolder);
    // rename() replaces the old file in one step: a crash leaves one database or the
    // other, never half of each.
    if (std::rename(QFile::encodeName(checked.path()).constData(),
                    QFile::encodeName(databaseFile).constData()) != 0)
        throw RestoreFailed(QFileInfo(file).fileName(),
                            QStringLiteral("o banco de dados não pode ser substituído"));
    checked.keep();
    return safety;
}

QString restorePostgres(const DataLink& link, const QString& dataFolder, const QString& file)
{
    const QString name = QFileInfo(file).fileName();
    BackupFile::checkPgArchive(file, link, name);
    const QString safety = safetyBackup(link, dataFolder);
    // One transaction: a failure part of the way leaves every table as it was.
    BackupFile::runPgClient(QStringLiteral("pg_restore"),
                            {QStringLiteral("--clean"), QStringLiteral("--if-exists"),
                             QStringLiteral("--single-transaction"),
                             QStringLiteral("--exit-on-error"), QStringLiteral("--no-owner"),
                             QStringLiteral("--no-privileges"),
                             QStringLiteral("--dbname=") + link.catalog, file},
                            link, name);
    return safety;
}

} // namespace

QString replaceWith(const DataLink& link, const QString& dataFolder, const QString& file)
{
    try {
        if (link.provider == DataLink::Provider::SQLite)
            return restoreSqlite(link, dataFolder, file);
        return restorePostgres(link, dataFolder, file);
    } catch (const RestoreFailed&) {
        throw;
    } catch (const DataError& error) {
        throw RestoreFailed(QFileInfo(file).fileName(), error.reason());
    }
}

} // namespace kelvora::Restore
