#include "support/FolderSnapshot.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QFile>

namespace kelvora::test {

QMap<QString, QByteArray> snapshot(const QString& path)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(path, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        file.open(QIODevice::ReadOnly);
        files.insert(it.filePath(), QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256));
    }
    return files;
}

} // namespace kelvora::test
