#include "data/TableChecksum.h"

#include "data/Connection.h"

#include <QCryptographicHash>
#include <QLocale>

#include <algorithm>

namespace kelvora {

namespace {

QByteArray canonical(const Column& column, const QVariant& value)
{
    switch (column.type) {
    case ColumnType::Text:
    case ColumnType::Memo:
        return value.toString().toUtf8();
    case ColumnType::Blob:
        return value.toByteArray();
    case ColumnType::Date:
        return value.toDate().toString(Qt::ISODate).toLatin1();
    case ColumnType::Real:
        return QByteArray::number(value.toDouble(), 'g', QLocale::FloatingPointShortest);
    case ColumnType::Id:
    case ColumnType::Bit:
    case ColumnType::SmallInt:
    case ColumnType::Integer:
        return QByteArray::number(value.toLongLong());
    }
    return {};
}

} // namespace

TableChecksum::TableChecksum(const Table& table)
    : m_table(&table)
{
}

TableChecksum TableChecksum::of(const Connection& connection, const Table& table)
{
    QStringList columns;
    for (const Column& column : table.columns)
        columns << Schema::identifier(column.name);
    QSqlQuery query = connection.select(
        table.name, QStringLiteral("SELECT %1 FROM %2")
                        .arg(columns.join(QStringLiteral(", ")), Schema::identifier(table.name)));
    TableChecksum checksum(table);
    const int count = int(table.columns.size());
    while (query.next()) {
        QVariantList values;
        for (int i = 0; i < count; ++i)
            values << query.value(i);
        checksum.add(values);
    }
    return checksum;
}

void TableChecksum::add(const QVariantList& values)
{
    QCryptographicHash row(QCryptographicHash::Sha256);
    for (int i = 0; i < values.size(); ++i) {
        // Each value is prefixed by its length (-1 for null), so that no two
        // different rows run together into the same text.
        const QVariant& value = values.at(i);
        if (value.isNull()) {
            row.addData("-1:");
            continue;
        }
        const QByteArray text = canonical(m_table->columns.at(i), value);
        row.addData(QByteArray::number(text.size()) + ':');
        row.addData(text);
    }
    m_rowDigests << row.result();
}

QByteArray TableChecksum::digest() const
{
    QVector<QByteArray> sorted = m_rowDigests;
    std::sort(sorted.begin(), sorted.end());
    QCryptographicHash all(QCryptographicHash::Sha256);
    for (const QByteArray& row : sorted)
        all.addData(row);
    return all.result().toHex();
}

bool TableChecksum::operator==(const TableChecksum& other) const
{
    return rows() == other.rows() && digest() == other.digest();
}

} // namespace kelvora
