#pragma once

#include "data/Rows.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QString>
#include <QVector>

namespace kelvora {
class Connection;
}

namespace kelvora::test {

// One row as a fixture stored it.
struct StoredRow {
    QString table;
    ColumnValues values;
};

// A student with everything the program can hold about them: the register's row and
// photo, and on each of `examDates` a row in every other own table keyed by the
// registration number, every column filled (texts with the column's name, each
// picture column with a JPEG of a colour of its own). Returns the rows as stored.
QVector<StoredRow> addStudentRecords(Connection& own, const QString& number,
                                     const QList<QDate>& examDates);

// The rows with `number` in each own table that has a registration-number column.
QHash<QString, int> studentRowCounts(const Connection& own, const QString& number);

} // namespace kelvora::test
