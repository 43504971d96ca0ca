#include "data/Users.h"

#include "data/Connection.h"
#include "data/PasswordHash.h"
#include "domain/MessageTexts.h"
#include "domain/UserRights.h"
#include "domain/UserRules.h"
#include "domain/YesNo.h"

namespace kelvora::Users {

namespace {

const QString Code = QStringLiteral("CODIGO");
const QStringList Key{Code};

QVector<Entry> entries(QSqlQuery& query)
{
    QVector<Entry> users;
    while (query.next())
        users.append({query.value(0).toString(), query.value(1).toString()});
    return users;
}

// Writes one row in its own transaction.
template <typename Write> void inTransaction(Connection& connection, Write write)
{
    Transaction transaction(connection, Table);
    write();
    transaction.commit();
}

} // namespace

std::optional<QSqlRecord> find(const Connection& connection, const QString& code)
{
    QSqlQuery query =
        connection.select(Table, QStringLiteral("SELECT * FROM Usuarios WHERE CODIGO = ?"), {code});
    if (!query.next())
        return std::nullopt;
    return query.record();
}

bool exists(const Connection& connection, const QString& code)
{
    QSqlQuery query = connection.select(
        Table, QStringLiteral("SELECT CODIGO FROM Usuarios WHERE CODIGO = ?"), {code});
    return query.next();
}

QVector<Entry> list(const Connection& connection)
{
    QSqlQuery query = connection.select(
        Table, QStringLiteral("SELECT CODIGO, NOME FROM Usuarios ORDER BY CODIGO"));
    return entries(query);
}

ColumnValues allRights(bool full)
{
    ColumnValues values;
    for (const QString& column : UserRights::columns())
        values.append({column, yesNo(full)});
    return values;
}

void add(Connection& connection, const NewUser& user)
{
    ColumnValues values{{Code, user.code},
                        {QStringLiteral("NOME"), user.name},
                        {QStringLiteral("SENHA"), PasswordHash::hash(user.password)},
                        {QStringLiteral("NOMECOMPLETO"), user.name},
                        {QStringLiteral("EXAMEMEDICO"), user.physician ? 1 : 0}};
    values += allRights(user.fullAccess);
    inTransaction(connection, [&] { Rows::insert(connection, Table, values); });
}

void change(Connection& connection, const QSqlRecord& original, const QString& password,
            bool physician)
{
    const ColumnValues changes{
        {QStringLiteral("SENHA"), PasswordHash::hash(password)},
        {QStringLiteral("NOMECOMPLETO"), original.value(QStringLiteral("NOME"))},
        {QStringLiteral("EXAMEMEDICO"), physician ? 1 : 0}};
    inTransaction(connection, [&] { Rows::update(connection, Table, Key, original, changes); });
}

void remove(Connection& connection, const QSqlRecord& original)
{
    inTransaction(connection, [&] { Rows::remove(connection, Table, original); });
}

void setRights(Connection& connection, const QSqlRecord& original, const ColumnValues& rights)
{
    inTransaction(connection, [&] { Rows::update(connection, Table, Key, original, rights); });
}

Interval settleEnd(const Connection& connection, const QString& typed, End end)
{
    QString code = padUserCode(typed);
    if (code.isEmpty()) {
        QSqlQuery bounds = connection.select(
            Table, end == End::First ? QStringLiteral("SELECT MIN(CODIGO) FROM Usuarios")
                                     : QStringLiteral("SELECT MAX(CODIGO) FROM Usuarios"));
        if (bounds.next())
            code = bounds.value(0).toString();
    }
    Interval interval;
    (end == End::First ? interval.first : interval.last) = code;
    if (code.isEmpty() || !exists(connection, code)) {
        interval.refusal = Msg::CodigoNaoCadastrado;
        interval.refusalDetail = (end == End::First ? QStringLiteral("Código Inicial ")
                                                    : QStringLiteral("Código Final ")) +
                                 code;
    }
    return interval;
}

Interval settle(const Connection& connection, const QString& first, const QString& last)
{
    const Interval from = settleEnd(connection, first, End::First);
    if (!from.refusal.isEmpty())
        return from;
    Interval interval = settleEnd(connection, last, End::Last);
    interval.first = from.first;
    // Codes are digits: "10" lies above "9", whatever the text order says.
    if (interval.refusal.isEmpty() && interval.last.toInt() < interval.first.toInt()) {
        interval.refusal = Msg::IntervaloInvalido;
        interval.refusalDetail = interval.first + QStringLiteral(" a ") + interval.last;
    }
    return interval;
}

QVector<Entry> list(const Connection& connection, const Interval& interval)
{
    QSqlQuery query =
        connection.select(Table,
                          QStringLiteral("SELECT CODIGO, NOME FROM Usuarios "
                                         "WHERE (CODIGO >= ?) AND (CODIGO <= ?) ORDER BY CODIGO"),
                          {interval.first, interval.last});
    return entries(query);
}

} // namespace kelvora::Users
