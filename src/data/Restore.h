#pragma once

#include <QString>

namespace kelvora {

struct DataLink;

// Putting a backup back in place of the program's own database.
namespace Restore {

// Checks `file` (SQLite: its integrity, on a copy; PostgreSQL: the archive's table
// of contents), writes a safety backup of the current database into the Backup
// folder of `dataFolder`, and only then replaces the database described by `link`
// with the backup (SQLite: the file is swapped in one rename; PostgreSQL: pg_restore
// in a single transaction). No connection of the caller may be open on the database.
// Returns the safety backup's path. Throws RestoreFailed; the database is then as it
// was. The caller checks the file's name first (Backup::isBackupFileName).
QString replaceWith(const DataLink& link, const QString& dataFolder, const QString& file);

} // namespace Restore
} // namespace kelvora
