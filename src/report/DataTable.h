#pragma once

#include <QDateTime>
#include <QStringList>
#include <QVariant>
#include <QVector>

class QSqlQuery;

namespace kelvora::report {

// The rows a report prints, read before the rendering starts. Columns are found
// whatever their case, since PostgreSQL answers with lower-case names.
class DataTable {
public:
    DataTable() = default;
    explicit DataTable(QStringList columns);

    // Every remaining row of an executed query.
    static DataTable fromQuery(QSqlQuery& query);

    void addRow(QVariantList values);

    const QStringList& columns() const { return m_columns; }
    int rowCount() const { return int(m_rows.size()); }
    // Null for a row or column that does not exist.
    QVariant value(int row, const QString& column) const;

private:
    QStringList m_columns;
    QVector<QVariantList> m_rows;
};

// What a band is printed with: the data row it stands for (none outside the
// detail band), the page it lands on and the moment of printing.
struct PrintContext {
    const DataTable* table = nullptr;
    int row = -1;
    int page = 1;
    QDateTime printedAt;
    int rowCount = 0; // rows of the group (its footer) or of the whole report (summary)

    QVariant value(const QString& column) const;
};

// A value as printed: dates "dd/MM/yyyy", numbers with the decimal comma.
QString printedText(const QVariant& value);

} // namespace kelvora::report
