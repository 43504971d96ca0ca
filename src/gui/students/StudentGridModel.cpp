#include "gui/students/StudentGridModel.h"

#include "data/DataError.h"
#include "domain/DateText.h"

namespace kelvora {

namespace {
const int PageSize = 50;
const int PagesKept = 100; // a few screens either way of the visible rows
} // namespace

StudentGridModel::StudentGridModel(Connection& own, QObject* parent)
    : QAbstractTableModel(parent)
    , m_own(own)
{
}

void StudentGridModel::reload(Students::Order order)
{
    QStringList numbers = Students::numbers(m_own, order);
    beginResetModel();
    m_order = order;
    m_numbers = std::move(numbers);
    m_rows.clear();
    m_rows.reserve(m_numbers.size());
    for (int row = 0; row < m_numbers.size(); ++row)
        m_rows.insert(m_numbers.at(row), row);
    m_pages.clear();
    endResetModel();
}

int StudentGridModel::rowOf(const QString& number) const
{
    return m_rows.value(number, -1);
}

QString StudentGridModel::numberAt(int row) const
{
    return m_numbers.value(row);
}

int StudentGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_numbers.size());
}

int StudentGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 3;
}

const QSqlRecord* StudentGridModel::rowAt(int row) const
{
    const int page = row / PageSize;
    auto found = m_pages.constFind(page);
    if (found == m_pages.constEnd()) {
        if (m_pages.size() >= PagesKept)
            m_pages.clear();
        QHash<QString, QSqlRecord> rows;
        try {
            for (const QSqlRecord& record :
                 Students::gridRows(m_own, m_numbers.mid(page * PageSize, PageSize)))
                rows.insert(record.value(0).toString(), record);
        } catch (const DataError&) {
            // Painting goes on; the connection watch of the main window reports the loss.
        }
        found = m_pages.insert(page, rows);
    }
    auto record = found->constFind(m_numbers.at(row));
    return record == found->constEnd() ? nullptr : &*record;
}

QVariant StudentGridModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= m_numbers.size())
        return {};
    if (index.column() == 0)
        return m_numbers.at(index.row());
    const QSqlRecord* record = rowAt(index.row());
    if (!record)
        return {}; // removed by another station since the numbers were read
    if (index.column() == 1)
        return record->value(1);
    return DateText::format(record->value(2).toDate());
}

QVariant StudentGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return {};
    static const char* const captions[] = {"Matrícula", "Nome", "Cadastro"};
    return QString::fromUtf8(captions[section]);
}

} // namespace kelvora
