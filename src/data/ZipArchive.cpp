#include "data/ZipArchive.h"

#include <array>

namespace kelvora {

namespace {

constexpr quint16 VersionNeeded = 20; // 2.0: folders in names
constexpr quint16 MadeOnUnix = (3 << 8) | VersionNeeded;
constexpr quint16 Utf8Names = 1 << 11;
constexpr quint16 Stored = 0;
constexpr quint32 OwnerOnlyFile = 0100600;   // a regular file, rw-------
constexpr quint32 OwnerOnlyFolder = 0040700; // a folder, rwx------

quint32 crc32(const QByteArray& data)
{
    static const std::array<quint32, 256> table = [] {
        std::array<quint32, 256> t{};
        for (quint32 n = 0; n < 256; ++n) {
            quint32 c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    quint32 crc = 0xFFFFFFFFu;
    for (const char byte : data)
        crc = table[(crc ^ quint8(byte)) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

void put16(QByteArray& to, quint16 value)
{
    to.append(char(value & 0xFF)).append(char(value >> 8));
}

void put32(QByteArray& to, quint32 value)
{
    put16(to, quint16(value & 0xFFFF));
    put16(to, quint16(value >> 16));
}

// The MS-DOS time and date the format keeps: two-second steps, years from 1980.
void putDosMoment(QByteArray& to, const QDateTime& moment)
{
    const QDate date = moment.date().year() < 1980 ? QDate(1980, 1, 1) : moment.date();
    const QTime time = moment.time();
    put16(to, quint16((time.hour() << 11) | (time.minute() << 5) | (time.second() / 2)));
    put16(to, quint16(((date.year() - 1980) << 9) | (date.month() << 5) | date.day()));
}

// The fields that the local header and the central directory share.
void putCommon(QByteArray& to, const QByteArray& content, const QDateTime& modified,
               const QByteArray& name)
{
    put16(to, VersionNeeded);
    put16(to, Utf8Names);
    put16(to, Stored);
    putDosMoment(to, modified);
    put32(to, crc32(content));
    put32(to, quint32(content.size())); // compressed
    put32(to, quint32(content.size()));
    put16(to, quint16(name.size()));
    put16(to, 0); // no extra field
}

} // namespace

void ZipArchive::add(const QString& name, const QByteArray& content, const QDateTime& modified)
{
    m_entries.append({name, content, modified});
}

QByteArray ZipArchive::bytes() const
{
    QByteArray archive;
    QByteArray directory;
    for (const Entry& entry : m_entries) {
        const QByteArray name = entry.name.toUtf8();
        const quint32 offset = quint32(archive.size());
        put32(archive, 0x04034b50);
        putCommon(archive, entry.content, entry.modified, name);
        archive.append(name).append(entry.content);

        put32(directory, 0x02014b50);
        put16(directory, MadeOnUnix);
        putCommon(directory, entry.content, entry.modified, name);
        put16(directory, 0); // no comment
        put16(directory, 0); // first disk
        put16(directory, 0); // binary
        put32(directory, (entry.name.endsWith(QLatin1Char('/')) ? OwnerOnlyFolder : OwnerOnlyFile)
                             << 16);
        put32(directory, offset);
        directory.append(name);
    }
    const quint32 directoryOffset = quint32(archive.size());
    archive.append(directory);
    put32(archive, 0x06054b50);
    put16(archive, 0); // this disk
    put16(archive, 0); // the directory's disk
    put16(archive, quint16(m_entries.size()));
    put16(archive, quint16(m_entries.size()));
    put32(archive, quint32(directory.size()));
    put32(archive, directoryOffset);
    put16(archive, 0); // no comment
    return archive;
}

} // namespace kelvora
