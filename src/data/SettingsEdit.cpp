#include "data/SettingsEdit.h"

#include "data/Connection.h"
#include "data/DataError.h"

namespace kelvora {

SettingsEdit::SettingsEdit(Connection& connection)
    : m_connection(connection)
{
    // Field names of a record are found whatever case the server folded them to.
    QSqlQuery query = m_connection.select(Table, QStringLiteral("SELECT * FROM Moxcvar"));
    if (!query.next())
        throw OpenFailed(Table, QStringLiteral("a tabela não tem o registro de configuração"));
    m_read = query.record();
}

QVariant SettingsEdit::value(const QString& column) const
{
    for (const auto& [changed, value] : m_changes)
        if (changed.compare(column, Qt::CaseInsensitive) == 0)
            return value;
    return m_read.value(column);
}

void SettingsEdit::set(const QString& column, const QVariant& value)
{
    for (auto& change : m_changes) {
        if (change.first.compare(column, Qt::CaseInsensitive) == 0) {
            change.second = value;
            return;
        }
    }
    m_changes.append({column, value});
}

void SettingsEdit::setText(const QString& column, const QString& text)
{
    set(column, text.isNull() ? QStringLiteral("") : text);
}

void SettingsEdit::save()
{
    Transaction transaction(m_connection, Table);
    Rows::update(m_connection, Table, {}, m_read, m_changes);
    transaction.commit();
    for (const auto& [column, value] : m_changes)
        m_read.setValue(column, value);
    m_changes.clear();
}

} // namespace kelvora
