#pragma once

#include "data/Connection.h"
#include "data/DataLink.h"
#include "data/Rows.h"

#include <QDate>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

namespace kelvora::test {

inline const QString Sqlite = QStringLiteral("sqlite");
inline const QString Postgres = QStringLiteral("postgres");

// The backends database tests run on: SQLite always, PostgreSQL when the variable
// KELVORA_TEST_PG holds a libpq-style address ("host=... port=... dbname=... user=...").
QStringList backends();

// Runs one statement on the administrative database of `server` (a libpq-style
// address as in KELVORA_TEST_PG).
void administer(const QString& server, const QString& statement);
// A data-link to `database` on `server`.
DataLink serverLink(const QString& server, const QString& database);

// Adds a "backend" column with one row per backend to a test's data table.
void addBackendRows();

// An assessment header of `number` on `date`, made by the user `assessor`.
void addAssessment(Connection& own, const QString& number, const QDate& date,
                   const QString& assessor);

// A fresh pair of databases (own and gym-management) for one test, in a temporary
// data folder that also receives their data-link files. PostgreSQL databases are
// created on the test server and dropped afterwards.
class TestDatabase {
public:
    // `server` overrides KELVORA_TEST_PG for a test that brings its own server.
    explicit TestDatabase(const QString& backend, const QString& server = {});
    ~TestDatabase();

    QString backend() const { return m_backend; }
    QString folder() const { return m_folder.path(); }
    DataLink ownLink() const { return m_own; }
    DataLink brandelLink() const { return m_brandel; }

    // Schema, settings row, master user (password "SENHA1"), reference rows and the
    // stand-in gym-management tables; writes Kelvora.udl and Brandel.udl.
    void install();
    // Only the empty databases and their data-link files.
    void writeDataLinks();

    // A user with `password` (stored hashed, as the program stores it) and the
    // rights or other columns given; every other column is left null.
    void addUser(const QString& code, const QString& name, const QString& password,
                 const ColumnValues& columns = {}) const;

    // The training stand-in beside the other two (a third database, its data-link
    // file written); returns a connection to it, open.
    std::unique_ptr<Connection> installCorvun();

    // Every column of the settings row as "COLUMN=value", to compare before and after.
    QStringList settingsRow() const;

    // An open connection to the own (or gym-management) database.
    std::unique_ptr<Connection> connect(const QString& role = Connection::Kelvora) const;

    static inline const QString MasterPassword = QStringLiteral("SENHA1");

private:
    QString m_backend;
    QString m_server;
    QTemporaryDir m_folder;
    DataLink m_own;
    DataLink m_brandel;
    QStringList m_serverDatabases;
};

} // namespace kelvora::test
