#include "gui/widgets/StudentListModel.h"

#include <QSqlQuery>

namespace kelvora {

StudentListModel::StudentListModel(const Companion& companion, QObject* parent)
    : QAbstractTableModel(parent)
    , m_companion(companion)
{
}

void StudentListModel::reload(Companion::Order order)
{
    QSqlQuery query = m_companion.students(order);
    QStringList numbers;
    QStringList names;
    while (query.next()) {
        numbers << query.value(QStringLiteral("MATRICULA")).toString();
        names << query.value(QStringLiteral("NOME")).toString();
    }
    beginResetModel();
    m_order = order;
    m_numbers = numbers;
    m_names = names;
    endResetModel();
}

int StudentListModel::firstBeginningWith(const QString& prefix) const
{
    const QStringList& keys = m_order == Companion::Order::ByName ? m_names : m_numbers;
    for (int row = 0; row < keys.size(); ++row)
        if (keys.at(row).startsWith(prefix, Qt::CaseInsensitive))
            return row;
    return -1;
}

int StudentListModel::rowOf(const QString& number) const
{
    return m_numbers.indexOf(number);
}

int StudentListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_numbers.size());
}

int StudentListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 2;
}

QVariant StudentListModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid())
        return {};
    return index.column() == 0 ? m_numbers.at(index.row()) : m_names.at(index.row());
}

QVariant StudentListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return {};
    return section == 0 ? QStringLiteral("Matrícula") : QStringLiteral("Nome");
}

} // namespace kelvora
