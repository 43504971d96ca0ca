#pragma once

#include "data/Rows.h"

#include <QByteArray>
#include <QSqlRecord>
#include <QString>
#include <QVector>

namespace kelvora {

class Connection;

// The students' file of `kelvora-cli students import` and `export`: UTF-8 text, one
// student a line after a header row that names `Alunos` columns; fields separated by
// commas or semicolons, quoted with '"' when they hold one; dates as dd/MM/yyyy.
namespace StudentFile {

// Why one field of the file cannot be stored. Line 1 is the header.
struct Problem {
    int line;
    QString column;
    QString reason;
};

struct Import {
    QVector<ColumnValues> students; // ready to store, numbers assigned
    QVector<Problem> problems;      // nothing may be stored unless empty
};

// Reads `content` and checks every student as the register's confirmation does, and
// every number against the file and the database. Students without a number get the
// next numbers after the highest one stored or in the file. Throws OpenFailed.
Import read(const QByteArray& content, const Connection& own);

// Every student of the register with all the columns, separated by semicolons.
QByteArray write(const QVector<QSqlRecord>& students);

} // namespace StudentFile
} // namespace kelvora
