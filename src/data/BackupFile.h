#pragma once

#include <QFile>
#include <QString>

namespace kelvora {

struct DataLink;

// The pieces the backup, its copies and the restore share: files that vanish unless
// kept, and the PostgreSQL client programs.
namespace BackupFile {

// A file being written, removed unless it is kept: a failed step leaves nothing.
class Partial {
public:
    explicit Partial(QString path)
        : m_path(std::move(path))
    {
    }
    ~Partial();
    Partial(const Partial&) = delete;
    Partial& operator=(const Partial&) = delete;

    QString path() const { return m_path; }
    void keep() { m_kept = true; }

private:
    QString m_path;
    bool m_kept = false;
};

// An empty file, readable by its owner only, under a name of its own in `folder`
// beginning with `name`. Throws BackupFailed(name).
QString reserveTemporary(const QString& folder, const QString& name);

// Copies `source` into the existing file `target` and makes it reach the disk; the
// copy is then read from the disk, not from the cache.
// Throws BackupFailed(name).
void copyContents(const QString& source, const QString& target, const QString& name);

// Makes the file at `path` reach the disk: a backup is for the day the disk fails.
// Throws BackupFailed(name).
void syncToDisk(const QString& path, const QString& name);

// Runs a PostgreSQL client program to its end with the connection of `link` in its
// environment (the password never stands on a command line, where other users could
// read it); returns what it printed. Throws BackupFailed(name) with the program's
// own error text.
QByteArray runPgClient(const QString& program, QStringList arguments, const DataLink& link,
                       const QString& name);

// Reads the whole archive as pg_restore would restore it. Throws BackupFailed(name)
// when the file is no archive of the program's own database, or a truncated or
// damaged one.
void checkPgArchive(const QString& file, const DataLink& link, const QString& name);

} // namespace BackupFile
} // namespace kelvora
