#pragma once

#include "data/Rows.h"

#include <QSqlRecord>
#include <QString>
#include <QVariant>

namespace kelvora {

class Connection;

// One edit of the settings row `Moxcvar`, shared by the configuration screens and
// `kelvora-cli config`: the row as it was read, and the changes not yet written.
// Nothing reaches the database before save(); discarding is forgetting the changes.
class SettingsEdit {
public:
    static inline const QString Table = QStringLiteral("Moxcvar");

    // Reads the row. Throws OpenFailed(Table) when the table or its row cannot be read.
    explicit SettingsEdit(Connection& connection);

    // The value as it would be written: the pending change, or the value read.
    QVariant value(const QString& column) const;
    QString text(const QString& column) const { return value(column).toString(); }
    void set(const QString& column, const QVariant& value);
    // Text is stored as typed; an empty field is empty text, never null.
    void setText(const QString& column, const QString& text);

    const ColumnValues& changes() const { return m_changes; }
    void discard() { m_changes.clear(); }

    // Writes the changes in one transaction. When another station changed one of the
    // same columns since the row was read, nothing is written and RowHeld(Table) is
    // thrown ("Registro já alocado"); a failed write throws WriteFailed(Table). After
    // a successful save the written values count as read.
    void save();

private:
    Connection& m_connection;
    QSqlRecord m_read;
    ColumnValues m_changes;
};

} // namespace kelvora
