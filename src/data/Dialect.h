#pragma once

#include "data/Schema.h"

#include <QDate>
#include <QPair>
#include <QSqlDatabase>
#include <QSqlError>

#include <memory>

namespace kelvora {

class Connection;
struct DataLink;

// A column as the database's catalog declares it.
struct ColumnInfo {
    QString name;   // as the catalog spells it (PostgreSQL folds unquoted names to lower case)
    int length = 0; // declared length of a text(n) column; 0 for any other type
};

// The few statements that differ between the database servers, one class per
// server. Everything else is plain SQL with bound parameters, the same on both.
class Dialect {
public:
    virtual ~Dialect() = default;

    virtual QString driverName() const = 0;
    virtual QString columnType(const Column& column) const = 0;

    // "column equals ?" where two nulls count as equal.
    virtual QString nullSafeEquals(const QString& column) const = 0;

    // `column` ordered by the bytes of its text, as an index on it orders it: rows that
    // begin with the same text then stand together whatever the server's collation.
    virtual QString textOrder(const QString& column) const = 0;
    virtual bool indexExists(const Connection& connection, const QString& name) const = 0;

    // How many rows one prepared INSERT of a large import carries.
    virtual int rowsPerInsert() const = 0;

    // The failure of an insert that met an existing unique key.
    virtual bool isUniqueViolation(const QSqlError& error) const = 0;

    // Current size of the open database in megabytes, and giving unused space back.
    virtual double databaseSizeMb(const QSqlDatabase& db) const = 0;
    virtual void shrink(const QSqlDatabase& db) const = 0;

    // The columns of `table` in their order, read from the catalog (never by letting a
    // statement fail, which would abort a PostgreSQL transaction); empty when the
    // table does not exist. Throws OpenFailed(table).
    virtual QVector<ColumnInfo> columnsOf(const Connection& connection,
                                          const QString& table) const = 0;

    // Declares `columns` of `table` with the types the program creates them with,
    // keeping every row. Runs inside the caller's transaction; throws WriteFailed(table).
    virtual void changeColumnTypes(Connection& connection, const QString& table,
                                   const QVector<Column>& columns) const = 0;

    // Begins a transaction that no other exclusive transaction of any station runs
    // beside. False, with the reason in `error`, when it cannot begin.
    virtual bool beginExclusive(const QSqlDatabase& db, QSqlError* error) const = 0;

    // A year as a range of dates, [first, next year's first): compared with bound
    // dates it needs no server date function and uses the date column's index.
    static QPair<QDate, QDate> yearRange(int year);

    static std::unique_ptr<Dialect> forLink(const DataLink& link);
};

class SqliteDialect final : public Dialect {
public:
    // Qt binds SQLite values by looking each one up by name: one row a statement.
    int rowsPerInsert() const override { return 1; }
    QString textOrder(const QString& column) const override;
    bool indexExists(const Connection& connection, const QString& name) const override;
    QString driverName() const override { return QStringLiteral("QSQLITE"); }
    QString columnType(const Column& column) const override;
    QString nullSafeEquals(const QString& column) const override;
    bool isUniqueViolation(const QSqlError& error) const override;
    double databaseSizeMb(const QSqlDatabase& db) const override;
    void shrink(const QSqlDatabase& db) const override;
    QVector<ColumnInfo> columnsOf(const Connection& connection,
                                  const QString& table) const override;
    void changeColumnTypes(Connection& connection, const QString& table,
                           const QVector<Column>& columns) const override;
    bool beginExclusive(const QSqlDatabase& db, QSqlError* error) const override;
};

class PostgresDialect final : public Dialect {
public:
    // Each statement waits for the server once: many rows to one.
    int rowsPerInsert() const override { return 50; }
    QString textOrder(const QString& column) const override;
    bool indexExists(const Connection& connection, const QString& name) const override;
    QString driverName() const override { return QStringLiteral("QPSQL"); }
    QString columnType(const Column& column) const override;
    QString nullSafeEquals(const QString& column) const override;
    bool isUniqueViolation(const QSqlError& error) const override;
    double databaseSizeMb(const QSqlDatabase& db) const override;
    void shrink(const QSqlDatabase& db) const override;
    QVector<ColumnInfo> columnsOf(const Connection& connection,
                                  const QString& table) const override;
    void changeColumnTypes(Connection& connection, const QString& table,
                           const QVector<Column>& columns) const override;
    bool beginExclusive(const QSqlDatabase& db, QSqlError* error) const override;
};

} // namespace kelvora
