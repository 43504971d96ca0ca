#pragma once

#include <QSqlRecord>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

namespace kelvora {

class Connection;

using ColumnValues = QVector<QPair<QString, QVariant>>;

// Writes of single rows with optimistic concurrency between stations: a change or
// deletion only goes through while the row still holds what was read; otherwise
// it is refused with RowHeld ("Registro já alocado") and nothing is overwritten.
namespace Rows {

void insert(Connection& connection, const QString& table, const ColumnValues& values);

// Inserts rows that give the same columns through statements prepared once, as many
// rows to a statement as the server takes well.
void insertAll(Connection& connection, const QString& table, const QStringList& columns,
               const QVector<QVariantList>& rows);

// Sets `changes` on the row identified by `keyColumns` of `original`, provided that
// the row still exists and each changed column still holds its value in `original`.
void update(Connection& connection, const QString& table, const QStringList& keyColumns,
            const QSqlRecord& original, const ColumnValues& changes);

// Deletes the row, provided that every column read in `original` is unchanged.
void remove(Connection& connection, const QString& table, const QSqlRecord& original);

} // namespace Rows
} // namespace kelvora
