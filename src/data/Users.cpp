#include "data/Users.h"

#include "data/Connection.h"

namespace kelvora::Users {

std::optional<QSqlRecord> find(const Connection& connection, const QString& code)
{
    QSqlQuery query =
        connection.select(QStringLiteral("Usuarios"),
                          QStringLiteral("SELECT * FROM Usuarios WHERE CODIGO = ?"), {code});
    if (!query.next())
        return std::nullopt;
    return query.record();
}

} // namespace kelvora::Users
