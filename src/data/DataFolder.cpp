#include "data/DataFolder.h"

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

} // namespace kelvora::DataFolder
