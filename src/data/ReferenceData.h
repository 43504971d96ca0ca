#pragma once

#include <QString>
#include <QStringList>
#include <QVariantList>
#include <QVector>

namespace kelvora {

class Connection;

// The installation rows of the tables the program reads but never writes (fat
// levels, test norms, VO2max classes, the postural catalogue) and the optional
// starter activities, shipped inside the program as CSV files.
namespace ReferenceData {

// Tables whose rows the program needs to work; restored when found empty.
QStringList requiredTables();
// requiredTables() and the starter activities: what a new installation receives.
QStringList installationTables();

// The rows of `table` as shipped, each value typed for its column (empty = null).
QVector<QVariantList> rows(const QString& table);

// Inserts the shipped rows of `table`; run inside the caller's transaction.
void insertRows(Connection& connection, const QString& table);

// Gives every required table that has no rows its shipped rows, in one transaction.
// Returns the tables filled.
QStringList ensureInstalled(Connection& connection);

// Parses CSV text with minimal quoting: one header line, fields quoted only when
// they hold a comma. Exposed for tests.
QVector<QStringList> parseCsv(const QString& text);

} // namespace ReferenceData
} // namespace kelvora
