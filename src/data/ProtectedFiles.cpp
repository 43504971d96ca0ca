#include "data/ProtectedFiles.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QSaveFile>

#include <sys/stat.h>

namespace kelvora::ProtectedFiles {

namespace {

constexpr QFile::Permissions OthersMayUse = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                            QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;

// Every entry below `folder`, hidden ones included, symbolic links not followed.
QDirIterator everythingIn(const QString& folder)
{
    return QDirIterator(folder,
                        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
}

} // namespace

void restrictNewFiles()
{
    ::umask(S_IRWXG | S_IRWXO);
}

bool makeFolder(const QString& path)
{
    return QDir().mkpath(path) && QFile::setPermissions(path, OwnerOnlyFolder);
}

bool restrictFile(const QString& path)
{
    return QFile::setPermissions(path, OwnerOnlyFile);
}

bool open(QFileDevice& file, QIODevice::OpenMode mode)
{
    // A QSaveFile gives its temporary file the permissions of the file it replaces.
    return file.open(mode) && file.setPermissions(OwnerOnlyFile);
}

QString write(const QString& path, const QByteArray& content)
{
    QSaveFile file(path);
    if (!open(file) || file.write(content) != content.size() || !file.commit())
        return file.errorString();
    return {};
}

QStringList openToOthers(const QString& folder)
{
    QStringList open;
    if (QFileInfo(folder).permissions() & OthersMayUse)
        open << QStringLiteral(".");
    for (QDirIterator it = everythingIn(folder); it.hasNext();) {
        const QFileInfo entry(it.next());
        if (!entry.isSymLink() && (entry.permissions() & OthersMayUse))
            open << QDir(folder).relativeFilePath(entry.filePath());
    }
    open.sort();
    return open;
}

bool protectFolder(const QString& folder)
{
    bool all = QFile::setPermissions(folder, OwnerOnlyFolder);
    for (QDirIterator it = everythingIn(folder); it.hasNext();) {
        const QFileInfo entry(it.next());
        if (!entry.isSymLink())
            all = QFile::setPermissions(entry.filePath(),
                                        entry.isDir() ? OwnerOnlyFolder : OwnerOnlyFile) &&
                  all;
    }
    return all;
}

} // namespace kelvora::ProtectedFiles
