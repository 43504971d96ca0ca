#pragma once

#include "data/DataLink.h"
#include "data/Schema.h"

#include <QStringList>
#include <QVector>

#include <memory>

namespace kelvora {

class Connection;

// Where a station finds the gym's PostgreSQL server, as the administrator gives it.
struct ServerAccount {
    QString server;   // host[:port]
    QString database; // the own database; the companion stand-ins are named after it
    QString user;
    QString password; // empty: the server's own rules (trust, peer, ~/.pgpass) decide
    QString sslMode;  // empty: libpq's default, TLS whenever the server offers it

    DataLink link(const QString& catalog) const;
    DataLink ownLink() const { return link(database); }
    DataLink brandelStandIn() const { return link(database + QStringLiteral("_brandel")); }
    DataLink corvunStandIn() const { return link(database + QStringLiteral("_corvun")); }

    // What is wrong with it; empty when all is well.
    QStringList problems() const;
};

// One database on a PostgreSQL server that a station is about to use. It can create
// the database when it is missing and the user may create databases, and undo what
// this run made there when the work that needed it fails.
class ServerDatabase {
public:
    // The oldest server release the program supports (server_version_num).
    static constexpr int OldestVersion = 130000;

    ServerDatabase(QString role, DataLink link, QString folder);
    ~ServerDatabase();
    ServerDatabase(const ServerDatabase&) = delete;
    ServerDatabase& operator=(const ServerDatabase&) = delete;

    enum class Missing { Refuse, Create };
    // Connects. Throws ConfigError, saying why, when the server cannot be reached,
    // refuses the user, is older than OldestVersion, or lacks the database and it
    // may not be created here.
    void open(Missing missing);

    // Opens a database that this run is to fill with `tables`: refuses (ConfigError)
    // one that holds any of them already.
    void openEmptyFor(const QVector<Table>& tables);

    Connection& connection() { return *m_connection; }
    const DataLink& link() const;
    bool createdHere() const { return m_createdHere; }

    // The names of `tables` that the database holds. Throws OpenFailed.
    QStringList present(const QVector<Table>& tables) const;

    // Records that this run created `tables` (committed), for undo().
    void made(const QVector<Table>& tables) { m_made = tables; }

    // Takes back what this run made: the database itself when it was created here,
    // otherwise the tables recorded by made(). Never throws: a server that went away
    // keeps what it had.
    void undo() noexcept;

private:
    bool isMissing() const;
    void create();
    void checkVersion();

    std::unique_ptr<Connection> m_connection;
    bool m_createdHere = false;
    QVector<Table> m_made;
};

} // namespace kelvora
