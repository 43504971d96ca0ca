#pragma once

#include "data/Schema.h"

#include <QByteArray>
#include <QVariant>
#include <QVector>

namespace kelvora {

class Connection;

// An order-independent fingerprint of a table's rows: every value in a canonical
// form that does not depend on the database it was read from (dates as ISO text,
// numbers as the shortest text that reads back the same, bytes as they are), each
// row digested, and the sorted row digests digested again. Two tables with the same
// rows in any order have the same fingerprint.
class TableChecksum {
public:
    explicit TableChecksum(const Table& table);

    // The whole table as `connection` holds it now. Throws OpenFailed.
    static TableChecksum of(const Connection& connection, const Table& table);

    // One row, its values in the order of the table's columns.
    void add(const QVariantList& values);

    qint64 rows() const { return m_rowDigests.size(); }
    QByteArray digest() const; // hexadecimal SHA-256

    bool operator==(const TableChecksum& other) const;
    bool operator!=(const TableChecksum& other) const { return !(*this == other); }

private:
    const Table* m_table;
    QVector<QByteArray> m_rowDigests;
};

} // namespace kelvora
