#pragma once

#include "data/ServerDatabase.h"

#include <QByteArray>
#include <QVector>

#include <functional>

namespace kelvora {

// One table as the move proved it: as many rows on the server as in the embedded
// database, with the same fingerprint (TableChecksum).
struct TableProof {
    QString database; // named as its data-link file: Kelvora, Brandel or Corvun
    QString table;
    qint64 rows = 0;
    QByteArray checksum; // hexadecimal
};

// Moves a station's embedded databases (the own one and the companion stand-ins
// that are SQLite files) to a PostgreSQL server.
namespace ServerMove {

using Progress = std::function<void(const TableProof&)>;

// Copies every table of each embedded database into a fresh server database (the own
// one as `account` names it, the stand-ins as NAME_brandel and NAME_corvun), in one
// server transaction per database, while the embedded database is held against
// writes. Each table is proved equal, by row count and fingerprint read back from the
// server, and no transaction commits before every table is; `progress` hears of each
// proof. Then the
// SQLite files are renamed with the date (never removed) and only then the data-link
// files name the server. Returns the proofs.
//
// Refuses (ConfigError), changing nothing, when the station is not on an embedded
// database, its schema is older than this version or not the program's, or a server
// database holds the program's tables already. After a failure part-way (WriteFailed:
// a row the server refused, a table that did not prove equal, the server gone) what
// was made on the server is dropped and the folder is as it was.
QVector<TableProof> run(const QString& folder, const ServerAccount& account,
                        const Progress& progress = {});

} // namespace ServerMove
} // namespace kelvora
