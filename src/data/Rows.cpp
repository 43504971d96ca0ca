#include "data/Rows.h"

#include "data/Connection.h"
#include "data/DataError.h"

#include <QSqlField>

namespace kelvora::Rows {

namespace {

QString notFound()
{
    return QStringLiteral("registro alterado ou excluído por outra estação");
}

void addCondition(const Connection& connection, QStringList& conditions, QVariantList& params,
                  const QString& column, const QVariant& value)
{
    conditions << connection.dialect().nullSafeEquals(column);
    params << value;
}

} // namespace

void insert(Connection& connection, const QString& table, const ColumnValues& values)
{
    QStringList columns;
    QStringList marks;
    QVariantList params;
    for (const auto& [column, value] : values) {
        columns << Schema::identifier(column);
        marks << QStringLiteral("?");
        params << value;
    }
    connection.execute(table,
                       QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                           .arg(Schema::identifier(table), columns.join(QStringLiteral(", ")),
                                marks.join(QStringLiteral(", "))),
                       params);
}

void insertAll(Connection& connection, const QString& table, const QStringList& columns,
               const QVector<QVariantList>& rows)
{
    QStringList names;
    for (const QString& column : columns)
        names << Schema::identifier(column);
    const QString row = QLatin1Char('(') +
                        QStringList(columns.size(), QStringLiteral("?")).join(QLatin1Char(',')) +
                        QLatin1Char(')');
    const auto statement = [&](int rowCount) {
        return QStringLiteral("INSERT INTO %1 (%2) VALUES %3")
            .arg(Schema::identifier(table), names.join(QStringLiteral(", ")),
                 QStringList(rowCount, row).join(QLatin1Char(',')));
    };
    // Full groups through one prepared statement, the rest row by row.
    const int group = connection.dialect().rowsPerInsert();
    QVector<QVariantList> groups;
    int first = 0;
    for (; first + group <= rows.size(); first += group) {
        QVariantList values;
        for (int i = first; i < first + group; ++i)
            values += rows.at(i);
        groups << values;
    }
    connection.executeEach(table, statement(group), groups);
    connection.executeEach(table, statement(1), rows.mid(first));
}

void update(Connection& connection, const QString& table, const QStringList& keyColumns,
            const QSqlRecord& original, const ColumnValues& changes)
{
    if (changes.isEmpty())
        return;
    QStringList assignments;
    QVariantList params;
    for (const auto& [column, value] : changes) {
        assignments << Schema::identifier(column) + QStringLiteral(" = ?");
        params << value;
    }
    QStringList conditions;
    for (const QString& column : keyColumns)
        addCondition(connection, conditions, params, column, original.value(column));
    for (const auto& change : changes)
        if (!keyColumns.contains(change.first, Qt::CaseInsensitive))
            addCondition(connection, conditions, params, change.first,
                         original.value(change.first));
    const int affected = connection.execute(table,
                                            QStringLiteral("UPDATE %1 SET %2 WHERE %3")
                                                .arg(Schema::identifier(table),
                                                     assignments.join(QStringLiteral(", ")),
                                                     conditions.join(QStringLiteral(" AND "))),
                                            params);
    if (affected != 1)
        throw RowHeld(table, notFound());
}

void remove(Connection& connection, const QString& table, const QSqlRecord& original)
{
    QStringList conditions;
    QVariantList params;
    for (int i = 0; i < original.count(); ++i)
        addCondition(connection, conditions, params, original.fieldName(i), original.value(i));
    const int affected = connection.execute(
        table,
        QStringLiteral("DELETE FROM %1 WHERE %2")
            .arg(Schema::identifier(table), conditions.join(QStringLiteral(" AND "))),
        params);
    if (affected != 1)
        throw RowHeld(table, notFound());
}

} // namespace kelvora::Rows
