#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QVector>

namespace kelvora {

// A ZIP archive whose files are stored as they are, not compressed: what it carries
// (PDF files, JPEG photos) is compressed already, and every unzip tool and file
// manager opens it. Names are UTF-8; each file and folder unpacks for its owner only.
// Meant for a few megabytes: a file or an archive of 4 GB or more, or more than
// 65535 files, needs the ZIP64 extensions, which it does not write.
class ZipArchive {
public:
    // A file; a folder when `name` ends with "/" (and `content` is empty).
    void add(const QString& name, const QByteArray& content, const QDateTime& modified);
    QByteArray bytes() const;

private:
    struct Entry {
        QString name;
        QByteArray content;
        QDateTime modified;
    };
    QVector<Entry> m_entries;
};

} // namespace kelvora
