#include "data/SchemaWriter.h"

#include "data/Connection.h"
#include "data/Schema.h"

namespace kelvora::SchemaWriter {

void create(Connection& connection, const QVector<Table>& tables)
{
    const Dialect& dialect = connection.dialect();
    for (const Table& table : tables) {
        QStringList columns;
        for (const Column& column : table.columns)
            columns << Schema::identifier(column.name) + QLatin1Char(' ') +
                           dialect.columnType(column);
        if (!table.uniqueKey.isEmpty()) {
            QStringList key;
            for (const QString& name : table.uniqueKey)
                key << Schema::identifier(name);
            columns << QStringLiteral("UNIQUE (%1)").arg(key.join(QStringLiteral(", ")));
        }
        connection.execute(table.name, QStringLiteral("CREATE TABLE %1 (%2)")
                                           .arg(Schema::identifier(table.name),
                                                columns.join(QStringLiteral(", "))));
        for (const QString& column : table.indexed)
            createIndex(connection, table.name, column);
    }
}

void createIndex(Connection& connection, const QString& table, const QString& column)
{
    connection.execute(table, QStringLiteral("CREATE INDEX %1 ON %2 (%3)")
                                  .arg(Schema::indexName(table, column), Schema::identifier(table),
                                       connection.dialect().textOrder(column)));
}

} // namespace kelvora::SchemaWriter
