#include "data/DataFolder.h"

#include "data/Backup.h"
#include "data/ProtectedFiles.h"

#include <QDir>
#include <QStandardPaths>

namespace kelvora::DataFolder {

QString defaultPath()
{
#ifdef Q_OS_WIN
    return QStringLiteral("C:/MOX");
#else
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/kelvora");
#endif
}

QString resolve(const QString& explicitDir)
{
    if (!explicitDir.isEmpty())
        return QDir(explicitDir).absolutePath();
    const QString fromEnvironment = qEnvironmentVariable("KELVORA_DIR");
    if (!fromEnvironment.isEmpty())
        return QDir(fromEnvironment).absolutePath();
    return defaultPath();
}

namespace {

// The program's entries of the data folder, the folder itself first. Symbolic links
// are left out: changing one would change what it points to.
QFileInfoList entriesOf(const QString& folder)
{
    const QDir::Filters files = QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks;
    QFileInfoList entries{QFileInfo(folder)};
    entries << QDir(folder).entryInfoList(files);
    const QFileInfo backups(Backup::folderOf(folder));
    if (backups.isDir() && !backups.isSymLink())
        entries << backups << QDir(backups.filePath()).entryInfoList(files);
    return entries;
}

} // namespace

QStringList openToOthers(const QString& folder)
{
    QStringList open;
    for (const QFileInfo& entry : entriesOf(folder))
        if (ProtectedFiles::isOpenToOthers(entry.filePath()))
            open << QDir(folder).relativeFilePath(entry.filePath());
    open.sort();
    return open;
}

bool protect(const QString& folder)
{
    bool all = true;
    for (const QFileInfo& entry : entriesOf(folder))
        all = (entry.isDir() ? ProtectedFiles::makeFolder(entry.filePath())
                             : ProtectedFiles::restrictFile(entry.filePath())) &&
              all;
    return all;
}

} // namespace kelvora::DataFolder
