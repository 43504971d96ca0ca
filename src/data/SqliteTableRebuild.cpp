#include "data/SqliteTableRebuild.h"

#include "data/Connection.h"
#include "data/DataError.h"
#include "data/Schema.h"

#include <QRegularExpression>

namespace kelvora::SqliteTableRebuild {

namespace {

struct Definition {
    QString table;             // CREATE TABLE
    QStringList indexTriggers; // CREATE INDEX and CREATE TRIGGER, dropped with the table
};

// The statements SQLite keeps for `table`. The program creates no views; a view
// would only name the table, which keeps its name.
Definition definitionOf(const Connection& connection, const QString& table)
{
    QSqlQuery query =
        connection.select(table,
                          QStringLiteral("SELECT type, sql FROM sqlite_master "
                                         "WHERE tbl_name = ? COLLATE NOCASE AND sql IS NOT NULL"),
                          {table});
    Definition definition;
    while (query.next()) {
        if (query.value(0).toString() == QLatin1String("table"))
            definition.table = query.value(1).toString();
        else
            definition.indexTriggers << query.value(1).toString();
    }
    if (definition.table.isEmpty())
        throw WriteFailed(table, QStringLiteral("tabela não encontrada"));
    return definition;
}

// `create` with the table named `newName` and each column of `types` retyped.
QString retyped(QString create, const QString& table, const QString& newName,
                const QVector<ColumnType>& types)
{
    static const QRegularExpression head(
        QStringLiteral("^\\s*CREATE\\s+TABLE\\s+(\"[^\"]+\"|\\S+?)\\s*\\("),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch name = head.match(create);
    if (!name.hasMatch())
        throw WriteFailed(table, QStringLiteral("declaração da tabela não reconhecida"));
    create.replace(name.capturedStart(1), name.capturedLength(1), newName);

    for (const ColumnType& type : types) {
        // The column's name right after "(" or ",", then its sized type.
        const QRegularExpression declaration(
            QStringLiteral("([(,]\\s*\"?%1\"?\\s+)[^,()]*\\(\\s*\\d+\\s*\\)")
                .arg(QRegularExpression::escape(type.column)),
            QRegularExpression::CaseInsensitiveOption);
        if (create.count(declaration) != 1)
            throw WriteFailed(
                table, QStringLiteral("declaração da coluna %1 não reconhecida").arg(type.column));
        create.replace(declaration, QStringLiteral("\\1") + type.type);
    }
    return create;
}

} // namespace

void retype(Connection& connection, const QString& table, const QVector<ColumnType>& types)
{
    // Foreign keys, which would need switching off first, are not used by the program.
    const Definition definition = definitionOf(connection, table);
    const QString rebuilt = QStringLiteral("kelvora_rebuild_") + table;
    connection.execute(table, retyped(definition.table, table, rebuilt, types));
    connection.execute(
        table,
        QStringLiteral("INSERT INTO %1 SELECT * FROM %2").arg(rebuilt, Schema::identifier(table)));
    if (definition.table.contains(QLatin1String("AUTOINCREMENT"), Qt::CaseInsensitive)) {
        // The last identity handed out moves with the table, so the number of a
        // deleted row is never given again.
        connection.execute(table, QStringLiteral("DELETE FROM sqlite_sequence WHERE name = ?"),
                           {rebuilt});
        connection.execute(table,
                           QStringLiteral("INSERT INTO sqlite_sequence (name, seq) SELECT ?, seq "
                                          "FROM sqlite_sequence WHERE name = ? COLLATE NOCASE"),
                           {rebuilt, table});
    }
    connection.execute(table, QStringLiteral("DROP TABLE %1").arg(Schema::identifier(table)));
    connection.execute(
        table,
        QStringLiteral("ALTER TABLE %1 RENAME TO %2").arg(rebuilt, Schema::identifier(table)));
    for (const QString& statement : definition.indexTriggers)
        connection.execute(table, statement);
}

} // namespace kelvora::SqliteTableRebuild
