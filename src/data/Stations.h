#pragma once

#include "data/Installer.h"
#include "data/ServerDatabase.h"

#include <QStringList>

namespace kelvora {

// Stations that share one database on a PostgreSQL server: the first creates it,
// the others join it. The command line and the first-run window both come here.
namespace Stations {

// Data-link files naming the companion databases to use instead of the stand-ins
// that the server keeps beside the own database; empty: the stand-ins.
struct CompanionFiles {
    QString brandel;
    QString corvun;
};

// What is wrong with the account (ConfigError); nothing is asked of the server.
void checkAccount(const ServerAccount& account);

// A new server database with everything the embedded default holds, the companion
// stand-ins beside it (unless `companions` names others), and this station's
// data-link files in `folder`. Refuses (ConfigError) bad input, a folder that holds
// a database, and a server database that holds the program's tables already. After
// any failure the server and the folder hold what they held before.
void createServerDatabase(const QString& folder, const ServerAccount& account,
                          const CompanionFiles& companions, const GymIdentity& gym,
                          const QString& masterPassword);

// A new station for a server database that another station created: checks that it
// and the companion databases answer and that it holds the program's tables,
// brings an older schema up to date, then writes the data-link files. Returns the
// upgrade's changes. Refuses (ConfigError) a folder that holds data-link files.
QStringList join(const QString& folder, const ServerAccount& account,
                 const CompanionFiles& companions);

} // namespace Stations
} // namespace kelvora
