#pragma once

#include "data/Rows.h"

#include <QSqlRecord>
#include <QString>
#include <QVector>

#include <optional>

namespace kelvora {

class Connection;

// The users and their rights in Usuarios. Reads throw OpenFailed("Usuarios"); the
// writes change one row each in one transaction and throw RowHeld("Usuarios")
// when another station got there first (the row changed, went or the code is
// taken), WriteFailed("Usuarios") otherwise.
namespace Users {

inline const QString Table = QStringLiteral("Usuarios");

// The row of `code` in Usuarios, or nothing when no such user exists.
std::optional<QSqlRecord> find(const Connection& connection, const QString& code);
bool exists(const Connection& connection, const QString& code);

// Code and name of every user, in code order.
struct Entry {
    QString code;
    QString name;
};
QVector<Entry> list(const Connection& connection);

// Every right column set to "Sim" (`full`) or "Não".
ColumnValues allRights(bool full);

struct NewUser {
    QString code;
    QString name;
    QString password; // as typed; stored as its hash
    bool physician = false;
    bool fullAccess = false;
};
void add(Connection& connection, const NewUser& user);

// A new password (stored as its hash) and the physician flag for the user read as
// `original`; the full name follows the short one.
void change(Connection& connection, const QSqlRecord& original, const QString& password,
            bool physician);

void remove(Connection& connection, const QSqlRecord& original);

// The rights shown in the editor for the user read as `original`.
void setRights(Connection& connection, const QSqlRecord& original, const ColumnValues& rights);

// An interval of user codes, settled as the user listing settles what is typed.
struct Interval {
    QString first;
    QString last;
    QString refusal;       // the message when it cannot be listed
    QString refusalDetail; // the code it names
};
enum class End { First, Last };
// One end typed: empty takes the first (or last) user's code, one digit gets a
// leading "0", and the code must be registered ("Código não cadastrado !").
Interval settleEnd(const Connection& connection, const QString& typed, End end);
// Both ends, and the last may not lie below the first ("Intervalo Inválido !").
Interval settle(const Connection& connection, const QString& first, const QString& last);

// Code and name of the users of the interval, in code order.
QVector<Entry> list(const Connection& connection, const Interval& interval);

} // namespace Users
} // namespace kelvora
