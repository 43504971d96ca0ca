#pragma once

#include <QString>
#include <QStringList>

namespace kelvora {

class Connection;
struct DataLink;

// The gym's identity as printed on reports; no screen edits it.
struct GymIdentity {
    QString name;
    QString address;
    QString complement1;
    QString complement2;
    QString taxNumber;
};

// Creation of a new installation: the own database with its settings row, the
// master user and the reference rows, and the stand-ins of the companion databases.
namespace Installer {

inline constexpr const char* OwnDatabaseFile = "Kelvora.db";
inline constexpr const char* BrandelDatabaseFile = "Brandel.db";
inline constexpr const char* CorvunDatabaseFile = "Corvun.db";

// What is wrong with the given identity and password (empty when all is well).
QStringList problems(const GymIdentity& gym, const QString& masterPassword);

// Creates the schema and the installation rows on an empty own database, in one
// transaction. Throws DataError; nothing stays behind after a failure.
void createOwnDatabase(Connection& own, const GymIdentity& gym, const QString& masterPassword);

// Creates the tables of the gym-management database that the program reads.
void createBrandelStandIn(Connection& brandel);

// Creates the tables of the training database that the program reads, with the
// training product's one settings row naming the gym.
void createCorvunStandIn(Connection& corvun, const GymIdentity& gym);

// Refuses (ConfigError) bad input for a new installation.
void checkInput(const GymIdentity& gym, const QString& masterPassword);

// Refuses (ConfigError) a folder that holds a database or data-link files already,
// naming what it found.
void refuseUsedFolder(const QString& folder);

// Writes the data-link files of a station in `folder` (made when missing), the own one
// last: its presence marks a complete installation. After a failure none of them
// stays behind.
void writeDataLinks(const QString& folder, const DataLink& own, const DataLink& brandel,
                    const DataLink& corvun);

// The embedded default in `folder`: SQLite files for the own database and the
// two companion stand-ins, and their data-link files. Refuses (ConfigError) when the folder already
// holds a database or the input is bad; after any failure the folder is as it was.
void createEmbeddedDefault(const QString& folder, const GymIdentity& gym,
                           const QString& masterPassword);

} // namespace Installer
} // namespace kelvora
