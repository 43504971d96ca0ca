#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

namespace kelvora {

enum class ColumnType {
    Id,       // integer row identity assigned by the database
    Text,     // text(n)
    Memo,     // long text
    Blob,     // raw bytes (JPEG pictures)
    Bit,      // 0/1 flag that may be null
    Date,     // a date (date-time columns of the program hold dates only)
    Real,     // double precision
    SmallInt, // 16-bit integer
    Integer,  // 32-bit integer
};

struct Column {
    QString name;
    ColumnType type;
    int length = 0; // text(n) only
};

struct Table {
    QString name;
    QVector<Column> columns;
    QStringList uniqueKey; // empty: none
    // Text columns searched by their beginning (a student's name): each has an index of
    // its own, in the byte order of Dialect::textOrder.
    QStringList indexed = {};

    const Column* column(const QString& name) const; // case-insensitive; nullptr when absent
    QStringList columnNames() const;
};

// A table that holds rows of one assessment, with the column that carries its date.
struct AssessmentTable {
    QString table;
    QString dateColumn;
};

// The tables of the program's own database and of the stand-ins of the companion
// gym-management and training databases, as the program reads and writes them. Identifiers are
// unquoted (so PostgreSQL folds them) except names that cannot stand unquoted, such as "2X".
namespace Schema {

const QVector<Table>& ownTables();
const QVector<Table>& brandelTables();
const QVector<Table>& corvunTables();
const Table& ownTable(const QString& name); // throws std::out_of_range for an unknown name

// The thirteen per-assessment tables, in the order the deletion, the purge and the
// emptying of assessment tables go through them.
const QVector<AssessmentTable>& assessmentTables();

// The own tables that hold rows of a student: every one with a registration number
// (MATRICULA) column, the register `Alunos` last.
const QStringList& studentTables();

// The identifier as it must appear in SQL text.
QString identifier(const QString& name);

// The name of the index on `column` of `table`.
QString indexName(const QString& table, const QString& column);

} // namespace Schema
} // namespace kelvora
