#pragma once

#include "data/DataLink.h"
#include "data/Dialect.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>

#include <memory>

namespace kelvora {

// One connection to a database described by a data-link file: the program's own
// database (ADOConnectionKelvora), the gym-management one (ADOConnectionBrandel) or
// the training one (ADOConnectionCorvun). Statements go through it with bound
// parameters only; failures come back as the typed errors of DataError.h.
class Connection {
public:
    static inline const QString Kelvora = QStringLiteral("ADOConnectionKelvora");
    static inline const QString Brandel = QStringLiteral("ADOConnectionBrandel");
    static inline const QString Corvun = QStringLiteral("ADOConnectionCorvun");

    enum class OpenMode { Existing, CreateFile };

    // `folder` is the data folder: SQLite files are named relative to it.
    Connection(QString role, DataLink link, QString folder);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Reads `fileName` (a data-link file) in `folder`. Throws ConfigError.
    static std::unique_ptr<Connection> fromFile(const QString& role, const QString& folder,
                                                const QString& fileName);

    void open(OpenMode mode = OpenMode::Existing); // throws OpenFailed naming the role
    void close();
    bool isOpen() const;

    // Asks the server for `table` without reading rows: false when the database no
    // longer answers (server stopped, network lost, file gone).
    bool answers(const QString& table) const;

    // Re-reads nothing: disconnects and connects again with the same description.
    void reconnect(); // throws OpenFailed

    QString role() const { return m_role; }
    QString folder() const { return m_folder; } // the data folder
    const DataLink& link() const { return m_link; }
    const Dialect& dialect() const { return *m_dialect; }
    QSqlDatabase database() const;
    QString sqliteFile() const; // absolute path of the SQLite file; empty for a server

    // A read; throws OpenFailed(table) when it fails.
    QSqlQuery select(const QString& table, const QString& sql,
                     const QVariantList& params = {}) const;
    // A write; returns the rows affected. Throws RowHeld(table) when it meets an existing
    // unique key (another station got there first), WriteFailed(table) otherwise.
    int execute(const QString& table, const QString& sql, const QVariantList& params = {});

    // The same write for each row of values: prepared once, so that a large import
    // neither parses it again nor waits for the server more than once a row.
    void executeEach(const QString& table, const QString& sql, const QVector<QVariantList>& rows);

    bool inTransaction() const { return m_inTransaction; }

private:
    friend class Transaction;
    void begin(const QString& table, bool exclusive);
    void commit(const QString& table);
    void rollback() noexcept;

    QSqlQuery prepared(const QString& sql, const QVariantList& params, bool* ok,
                       QSqlError* error) const;

    QString m_role;
    DataLink m_link;
    QString m_folder;
    QString m_name; // the QSqlDatabase connection name, unique in the process
    std::unique_ptr<Dialect> m_dialect;
    bool m_inTransaction = false;
};

// One transaction on a connection; rolled back on destruction unless committed.
// Transactions do not nest. PostgreSQL aborts a transaction after any failed
// statement, so code inside one never tests something by letting a statement fail.
class Transaction {
public:
    enum class Lock {
        Ordinary,
        // For changes of the shared schema: waits until no exclusive transaction of
        // any station runs, and holds the others off until it ends (SQLite: the
        // database's write lock; PostgreSQL: the program's advisory lock).
        Exclusive,
    };

    // Throws WriteFailed(table) when the transaction cannot begin.
    explicit Transaction(Connection& connection, QString table = {}, Lock lock = Lock::Ordinary);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void commit(); // throws WriteFailed(table); the transaction is over either way

private:
    Connection& m_connection;
    QString m_table;
    bool m_active = true;
};

} // namespace kelvora
