#pragma once

#include <QDateTime>
#include <QString>

namespace kelvora {

class Connection;

// Complete backups of the program's own database, in the Backup folder of the data
// folder, named "Kelvora" + yyyyMMddHHmmss + ".bak".
namespace Backup {

QString folderOf(const QString& dataFolder);
QString fileNameAt(const QDateTime& moment);

// Writes a complete backup of `own` (SQLite: VACUUM INTO; PostgreSQL: pg_dump in its
// custom format), reads it back, and only then gives it its final name, stamped with
// the Clock's time. The folder is made readable by its owner only, and so is the
// file. Returns the file's path. Throws BackupFailed; no partial file stays behind.
QString writeVerified(Connection& own, const QString& dataFolder);

} // namespace Backup
} // namespace kelvora
