#include "data/Activities.h"

#include "data/Connection.h"
#include "data/Rows.h"

namespace kelvora::Activities {

namespace {

const QString Code = QStringLiteral("CODIGO");
const QString Description = QStringLiteral("DESCRICAO");

} // namespace

QString paddedCode(const QString& typed)
{
    return typed.size() == 1 ? QStringLiteral("0") + typed : typed;
}

QVector<QSqlRecord> all(const Connection& connection)
{
    QSqlQuery query = connection.select(
        Table, QStringLiteral("SELECT CODIGO, DESCRICAO FROM Atividades ORDER BY CODIGO"));
    QVector<QSqlRecord> activities;
    while (query.next())
        activities << query.record();
    return activities;
}

bool exists(const Connection& connection, const QString& code)
{
    return connection
        .select(Table, QStringLiteral("SELECT CODIGO FROM Atividades WHERE CODIGO = ?"), {code})
        .next();
}

void add(Connection& connection, const QString& code, const QString& description)
{
    Transaction transaction(connection, Table);
    Rows::insert(connection, Table, {{Code, code}, {Description, description}});
    transaction.commit();
}

void describe(Connection& connection, const QSqlRecord& activity, const QString& description)
{
    Transaction transaction(connection, Table);
    Rows::update(connection, Table, {Code}, activity, {{Description, description}});
    transaction.commit();
}

void remove(Connection& connection, const QSqlRecord& activity)
{
    Transaction transaction(connection, Table);
    Rows::remove(connection, Table, activity);
    transaction.commit();
}

} // namespace kelvora::Activities
