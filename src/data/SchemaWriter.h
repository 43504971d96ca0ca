#pragma once

#include <QString>
#include <QVector>

namespace kelvora {

class Connection;
struct Table;

namespace SchemaWriter {

// Creates the tables (and their unique keys) on `connection`; run inside the
// caller's transaction so that a failure leaves no half-made schema.
void create(Connection& connection, const QVector<Table>& tables);

// The index of Table::indexed on `column` of `table`.
void createIndex(Connection& connection, const QString& table, const QString& column);

} // namespace SchemaWriter
} // namespace kelvora
