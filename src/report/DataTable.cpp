#include "report/DataTable.h"

#include "domain/DateText.h"

#include <QLocale>
#include <QSqlQuery>
#include <QSqlRecord>

namespace kelvora::report {

DataTable::DataTable(QStringList columns)
    : m_columns(std::move(columns))
{
}

DataTable DataTable::fromQuery(QSqlQuery& query)
{
    const QSqlRecord record = query.record();
    QStringList columns;
    for (int i = 0; i < record.count(); ++i)
        columns << record.fieldName(i);
    DataTable table(columns);
    while (query.next()) {
        QVariantList values;
        for (int i = 0; i < record.count(); ++i)
            values << query.value(i);
        table.addRow(std::move(values));
    }
    return table;
}

void DataTable::addRow(QVariantList values)
{
    m_rows.append(std::move(values));
}

QVariant DataTable::value(int row, const QString& column) const
{
    if (row < 0 || row >= m_rows.size())
        return {};
    for (int i = 0; i < m_columns.size(); ++i)
        if (m_columns.at(i).compare(column, Qt::CaseInsensitive) == 0)
            return m_rows.at(row).value(i);
    return {};
}

QVariant PrintContext::value(const QString& column) const
{
    return table ? table->value(row, column) : QVariant();
}

QString printedText(const QVariant& value)
{
    if (value.isNull())
        return {};
    switch (value.typeId()) {
    case QMetaType::QDate:
        return DateText::format(value.toDate());
    case QMetaType::QDateTime:
        return DateText::format(value.toDateTime().date());
    case QMetaType::Double:
    case QMetaType::Float:
        return QLocale(QLocale::Portuguese, QLocale::Brazil)
            .toString(value.toDouble(), 'g', QLocale::FloatingPointShortest);
    default:
        return value.toString();
    }
}

} // namespace kelvora::report
