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
    }
}

} // namespace kelvora::SchemaWriter
