#include "data/ProtectedFiles.h"

#include <QDir>
#include <QSaveFile>

#include <sys/stat.h>

namespace kelvora::ProtectedFiles {

namespace {

constexpr QFile::Permissions OthersMayUse = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                            QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;

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

bool isOpenToOthers(const QString& path)
{
    return QFile::permissions(path) & OthersMayUse;
}

} // namespace kelvora::ProtectedFiles
