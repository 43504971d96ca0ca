#pragma once

#include <QString>

namespace kelvora {

// What a data-link file says about one database connection.
struct DataLink {
    enum class Provider { SQLite, PostgreSQL };

    Provider provider = Provider::SQLite;
    QString dataSource; // SQLite: the file (relative to the data folder); PostgreSQL: host[:port]
    QString catalog;    // PostgreSQL database name
    QString user;
    QString password;
    // PostgreSQL: libpq's sslmode ("disable" ... "verify-full"); empty keeps libpq's
    // default "prefer" (TLS whenever the server offers it).
    QString sslMode = {};

    QString providerName() const;
    QString host() const; // PostgreSQL: the host part of the data source
    int port() const;     // PostgreSQL: the port, 5432 when none is given
    // Where the database is, for people to read: the file, or server, database and
    // user; never the password.
    QString location(const QString& folder) const;

    bool operator==(const DataLink& other) const;

    static bool isSslMode(const QString& mode);
};

// Data-link files in the OLE DB init-string format: a "[oledb]" line, comment lines
// starting with ";", then one line "Provider=...;Data Source=...;...". They are read
// as UTF-16LE with a byte-order mark or as UTF-8, and written as UTF-16LE with a mark
// (the form the Windows data-link editor writes), readable by their owner only.
namespace DataLinkFile {

inline constexpr const char* Kelvora = "Kelvora.udl";
inline constexpr const char* Brandel = "Brandel.udl";
inline constexpr const char* Corvun = "Corvun.udl";

DataLink read(const QString& path);                    // throws ConfigError
void write(const QString& path, const DataLink& link); // throws ConfigError

DataLink parse(const QByteArray& bytes, const QString& fileName); // throws ConfigError
QByteArray serialize(const DataLink& link);

} // namespace DataLinkFile
} // namespace kelvora
