#pragma once

#include <QVector>

namespace kelvora {

class Connection;
struct Table;

namespace SchemaWriter {

// Creates the tables (and their unique keys) on `connection`; run inside the
// caller's transaction so that a failure leaves no half-made schema.
void create(Connection& connection, const QVector<Table>& tables);

} // namespace SchemaWriter
} // namespace kelvora
