#pragma once

#include <QString>
#include <QVector>

namespace kelvora {

class Connection;

// SQLite cannot change the declared type of a column. The table is rebuilt the way
// SQLite's documentation describes: a new table from the old CREATE statement with
// the new types, the rows copied, the old table dropped, the new one renamed, its
// indexes and triggers made again. Column order, keys and identity values stay.
namespace SqliteTableRebuild {

struct ColumnType {
    QString column;
    QString type; // as it goes into CREATE TABLE ("VARCHAR(80)")
};

// Rebuilds `table` with `types` for the named sized columns (declared "NAME TYPE(n)"),
// inside the caller's transaction. Throws WriteFailed(table), OpenFailed(table) when
// the catalog cannot be read.
void retype(Connection& connection, const QString& table, const QVector<ColumnType>& types);

} // namespace SqliteTableRebuild
} // namespace kelvora
