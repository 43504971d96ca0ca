#pragma once

#include <QSqlRecord>
#include <QString>
#include <QVector>

namespace kelvora {

class Connection;

// The catalogue of the gym's activities (`Atividades`), whose codes the exercise
// prescription offers. Codes are two digits; one typed digit gets a "0" in front.
namespace Activities {

inline const QString Table = QStringLiteral("Atividades");

// "5" becomes "05"; other codes stay as typed.
QString paddedCode(const QString& typed);

// Every activity, in code order. Throws OpenFailed(Table).
QVector<QSqlRecord> all(const Connection& connection);

// Whether `code` is taken. Throws OpenFailed(Table).
bool exists(const Connection& connection, const QString& code);

// Each write is one transaction. A code taken meanwhile, or a row changed or removed
// by another station since it was read, throws RowHeld(Table); nothing is written.
void add(Connection& connection, const QString& code, const QString& description);
void describe(Connection& connection, const QSqlRecord& activity, const QString& description);
void remove(Connection& connection, const QSqlRecord& activity);

} // namespace Activities
} // namespace kelvora
