#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace kelvora {

// Students' records are health data: every file and folder the program writes is
// readable by its owner only. Every writer goes through here.
namespace ProtectedFiles {

inline constexpr QFile::Permissions OwnerOnlyFile = QFile::ReadOwner | QFile::WriteOwner;
inline constexpr QFile::Permissions OwnerOnlyFolder = OwnerOnlyFile | QFile::ExeOwner;

// From now on the process creates files and folders for their owner only: what is
// created behind the program's back (SQLite journals, pg_dump's output, temporary
// files) is never open to others, not even for an instant.
void restrictNewFiles();

// Makes `path` with its missing parents and leaves it to its owner only. False
// when either fails.
bool makeFolder(const QString& path);

// Leaves the existing file `path` to its owner only.
bool restrictFile(const QString& path);

// Opens `file` (a QFile or a QSaveFile) with `mode` and leaves it to its owner only
// before anything is written into it. False when either fails; errorString() says why.
bool open(QFileDevice& file, QIODevice::OpenMode mode = QIODevice::WriteOnly);

// Writes `content` as the whole file `path`, replacing it only once all is written.
// Returns the reason of a failure, or nothing.
QString write(const QString& path, const QByteArray& content);

// Whether users other than the owner may use the file or folder at `path`.
bool isOpenToOthers(const QString& path);

} // namespace ProtectedFiles
} // namespace kelvora
