#include "support/StudentRecords.h"

#include "data/Connection.h"
#include "data/Schema.h"

#include <QBuffer>
#include <QColor>
#include <QHash>
#include <QImage>
#include <QSqlQuery>

namespace kelvora::test {

namespace {

QByteArray jpegOf(const QString& seed)
{
    QImage image(32, 40, QImage::Format_RGB32);
    image.fill(QColor::fromRgb(qHash(seed) & 0xFFFFFF));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG");
    return bytes;
}

QVariant valueOf(const Column& column, const QString& number, const QDate& date)
{
    if (column.name == QLatin1String("MATRICULA"))
        return number;
    switch (column.type) {
    case ColumnType::Text:
        return column.name.left(column.length);
    case ColumnType::Memo:
        return column.name + QStringLiteral(" do aluno");
    case ColumnType::Blob:
        return jpegOf(column.name + date.toString());
    case ColumnType::Bit:
        return 1;
    case ColumnType::Date:
        return date;
    case ColumnType::Real:
        return 12.5;
    case ColumnType::SmallInt:
    case ColumnType::Integer:
        return 3;
    case ColumnType::Id:
        break;
    }
    return {};
}

ColumnValues rowOf(const Table& table, const QString& number, const QDate& date)
{
    ColumnValues values;
    for (const Column& column : table.columns)
        if (column.type != ColumnType::Id)
            values.append({column.name, valueOf(column, number, date)});
    return values;
}

// The register's row as a confirmation of the register would leave it.
void makeRegisterRow(ColumnValues& values, const QString& number)
{
    for (auto& [column, value] : values) {
        if (column == QLatin1String("NOME"))
            value = QStringLiteral("ALUNA ") + number;
        else if (column == QLatin1String("SEXO"))
            value = QStringLiteral("F");
        else if (column == QLatin1String("ESTADO"))
            value = QStringLiteral("RJ");
        else if (column == QLatin1String("DATA_NASCIMENTO"))
            value = QDate(1990, 5, 4);
        else if (column == QLatin1String("SAIDA"))
            value = QVariant();
    }
}

bool hasNumber(const Table& table)
{
    return table.column(QStringLiteral("MATRICULA")) != nullptr;
}

} // namespace

QVector<StoredRow> addStudentRecords(Connection& own, const QString& number,
                                     const QList<QDate>& examDates)
{
    QVector<StoredRow> rows;
    for (const Table& table : Schema::ownTables()) {
        if (!hasNumber(table))
            continue;
        const bool once = table.name == QLatin1String("Alunos") ||
                          table.name == QLatin1String("FotosAlunos");
        for (const QDate& date : once ? examDates.mid(0, 1) : examDates) {
            ColumnValues values = rowOf(table, number, date);
            if (table.name == QLatin1String("Alunos"))
                makeRegisterRow(values, number);
            Rows::insert(own, table.name, values);
            rows.append({table.name, values});
        }
    }
    return rows;
}

QHash<QString, int> studentRowCounts(const Connection& own, const QString& number)
{
    QHash<QString, int> counts;
    for (const Table& table : Schema::ownTables()) {
        if (!hasNumber(table))
            continue;
        QSqlQuery query = own.select(
            table.name,
            QStringLiteral("SELECT COUNT(*) FROM %1 WHERE MATRICULA = ?").arg(Schema::identifier(table.name)),
            {number});
        query.next();
        counts.insert(table.name, query.value(0).toInt());
    }
    return counts;
}

} // namespace kelvora::test
