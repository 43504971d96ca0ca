#pragma once

#include <QSqlRecord>
#include <QString>

#include <optional>

namespace kelvora {

class Connection;

// Reading the users and their rights.
namespace Users {

// The row of `code` in Usuarios, or nothing when no such user exists.
// Throws OpenFailed("Usuarios") when the table cannot be read.
std::optional<QSqlRecord> find(const Connection& connection, const QString& code);

} // namespace Users
} // namespace kelvora
