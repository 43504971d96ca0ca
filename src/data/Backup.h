#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVector>

namespace kelvora {

class Connection;

// Complete backups of the program's own database, in the Backup folder of the data
// folder, named "Kelvora" + yyyyMMddHHmmss + ".bak"; the emptying of assessment
// tables names its backup with "-" and the year emptied before ".bak".
namespace Backup {

// Backups dated this many days back or earlier are removed by the retention...
inline constexpr int KeptDays = 15;
// ...but never the newest ones, so that a workstation left off for weeks still has some.
inline constexpr int KeptNewest = 5;

QString folderOf(const QString& dataFolder);
QString fileNameAt(const QDateTime& moment);
QString emptyingFileNameAt(const QDateTime& moment, int year);
// True for a name of either kind (compared in capitals, as the users always knew it).
bool isBackupFileName(const QString& fileName);

// Writes a complete backup of `own` (SQLite: VACUUM INTO; PostgreSQL: pg_dump in its
// custom format), reads it back, and only then gives it its final name, stamped with
// the Clock's time (waiting for the next second when a backup of this second
// exists). The folder is made readable by its owner only, and so is the file.
// Returns the file's path. Throws BackupFailed; no partial file stays behind.
QString writeVerified(Connection& own, const QString& dataFolder);
// The same, named for the emptying of the assessments of `year` and earlier.
QString writeVerifiedBeforeEmptying(Connection& own, const QString& dataFolder, int year);

// Copies `backupFile` into `folder` under its own name, never over an existing file,
// then reads the copy back and compares it with the original. Returns the copy's
// path. Throws BackupFailed; no partial copy stays behind.
QString copyVerified(const QString& backupFile, const QString& folder);

// A backup file in a folder, with the moment its name carries.
struct Stored {
    QString file; // the name, without the folder
    QDateTime made;
    bool emptying; // made by the emptying of assessment tables: the retention keeps it
};
// The backups of both kinds in `folder`, newest first.
QVector<Stored> storedIn(const QString& folder);
// The first day the retention may remove a backup of the backup dialog made on `made`
// (later when it is still among the KeptNewest newest).
QDate removableFrom(const QDate& made);

// Removes from `folder` the backups of the backup dialog (never the emptying's, nor
// any other file) dated KeptDays or more before `today`, keeping the KeptNewest
// newest whatever their date. Returns the names removed; a file that cannot be
// removed stays and is tried again next time.
QStringList removeExpired(const QString& folder, const QDate& today);

// The backup dialog and `kelvora-cli backup`: a verified backup, its verified copy
// in `copyFolder` when one is given, then the retention in the program's Backup
// folder and in `copyFolder`. Throws BackupFailed; a failed copy leaves the backup
// in the Backup folder and removes nothing.
struct Made {
    QString file;
    QString copy;
};
Made makeAndKeep(Connection& own, const QString& dataFolder, const QString& copyFolder);

} // namespace Backup
} // namespace kelvora
