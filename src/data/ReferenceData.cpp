#include "data/ReferenceData.h"

#include "data/Connection.h"
#include "data/DataError.h"
#include "data/Rows.h"
#include "data/Schema.h"

#include <QFile>

namespace kelvora::ReferenceData {

QStringList requiredTables()
{
    return {QStringLiteral("FaixaGordura"),        QStringLiteral("GorduraHomem"),
            QStringLiteral("GorduraMulher"),       QStringLiteral("GorduraCrianca"),
            QStringLiteral("TABELAFLEXAO"),        QStringLiteral("TABELAABDOMINAL"),
            QStringLiteral("TABELAFLEXIBILIDADE"), QStringLiteral("Vo2Homem"),
            QStringLiteral("Vo2Mulher"),           QStringLiteral("Postural")};
}

QStringList installationTables()
{
    return requiredTables() << QStringLiteral("Atividades");
}

QVector<QStringList> parseCsv(const QString& text)
{
    QVector<QStringList> lines;
    for (const QString& line : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        QStringList fields;
        QString field;
        bool quoted = false;
        for (int i = 0; i < line.size(); ++i) {
            const QChar c = line.at(i);
            if (quoted) {
                if (c == QLatin1Char('"') && i + 1 < line.size() &&
                    line.at(i + 1) == QLatin1Char('"'))
                    field += line.at(++i);
                else if (c == QLatin1Char('"'))
                    quoted = false;
                else
                    field += c;
            } else if (c == QLatin1Char('"')) {
                quoted = true;
            } else if (c == QLatin1Char(',')) {
                fields << field;
                field.clear();
            } else if (c != QLatin1Char('\r')) {
                field += c;
            }
        }
        fields << field;
        lines << fields;
    }
    return lines;
}

QVector<QVariantList> rows(const QString& tableName)
{
    const Table& table = Schema::ownTable(tableName);
    QFile file(QStringLiteral(":/reference/%1.csv").arg(table.name));
    if (!file.open(QIODevice::ReadOnly))
        throw OpenFailed(table.name, QStringLiteral("dados de referência ausentes no programa"));
    QVector<QStringList> lines = parseCsv(QString::fromUtf8(file.readAll()));
    if (lines.isEmpty() || lines.takeFirst() != table.columnNames())
        throw OpenFailed(table.name,
                         QStringLiteral("cabeçalho dos dados de referência difere da tabela"));

    QVector<QVariantList> result;
    for (const QStringList& fields : lines) {
        QVariantList values;
        for (int i = 0; i < table.columns.size(); ++i) {
            const QString field = fields.value(i);
            const ColumnType type = table.columns.at(i).type;
            const bool whole = type == ColumnType::Integer || type == ColumnType::SmallInt;
            if (field.isEmpty())
                values << QVariant(whole ? QMetaType(QMetaType::Int)
                                         : QMetaType(QMetaType::QString));
            else
                values << (whole ? QVariant(field.toInt()) : QVariant(field));
        }
        result << values;
    }
    return result;
}

void insertRows(Connection& connection, const QString& tableName)
{
    const Table& table = Schema::ownTable(tableName);
    for (const QVariantList& values : rows(tableName)) {
        ColumnValues row;
        for (int i = 0; i < table.columns.size(); ++i)
            row.append({table.columns.at(i).name, values.at(i)});
        Rows::insert(connection, table.name, row);
    }
}

QStringList ensureInstalled(Connection& connection)
{
    QStringList empty;
    for (const QString& table : requiredTables()) {
        QSqlQuery query = connection.select(
            table, QStringLiteral("SELECT COUNT(*) FROM %1").arg(Schema::identifier(table)));
        if (query.next() && query.value(0).toInt() == 0)
            empty << table;
    }
    if (empty.isEmpty())
        return empty;
    Transaction transaction(connection, empty.first());
    for (const QString& table : empty)
        insertRows(connection, table);
    transaction.commit();
    return empty;
}

} // namespace kelvora::ReferenceData
