#pragma once

#include "data/Rows.h"

#include <QByteArray>
#include <QSqlRecord>
#include <QString>
#include <QStringList>
#include <QVector>

#include <optional>

namespace kelvora {

class Connection;

// The program's own register of students (`Alunos`) and their photos (`FotosAlunos`),
// shared by the register screen and `kelvora-cli students`. Registration numbers are
// always bound text. Reads throw OpenFailed naming the table; each write is one
// transaction that throws RowHeld when another station got there first (a number
// taken, a row changed or removed) and WriteFailed otherwise, writing nothing.
namespace Students {

inline const QString Table = QStringLiteral("Alunos");
inline const QString Photos = QStringLiteral("FotosAlunos");
inline const QString Number = QStringLiteral("MATRICULA");
inline const QString Name = QStringLiteral("NOME");

enum class Order { ByNumber, ByName };

// The highest number in text order; empty when there are no students.
QString lastNumber(const Connection& own);
std::optional<QSqlRecord> find(const Connection& own, const QString& number);
bool exists(const Connection& own, const QString& number);
QByteArray photo(const Connection& own, const QString& number); // empty: none

// The students, in `order`, whose number or name begins with `prefix` (names compared
// in capitals), at most `limit`, with number, name and birth date: one range of the
// index of that column.
QVector<QSqlRecord> beginningWith(const Connection& own, Order order, const QString& prefix,
                                  int limit);
// The number of the first of them.
std::optional<QString> firstBeginningWith(const Connection& own, Order order,
                                          const QString& prefix);

// Every number in `order`, and the rows of the grid (number, name, registration date)
// of some of them: a large register is read a screenful at a time.
QStringList numbers(const Connection& own, Order order);
QVector<QSqlRecord> gridRows(const Connection& own, const QStringList& numbers);

// Every student, in number order, with all the columns.
QVector<QSqlRecord> all(const Connection& own);

// A photo to store with the student: the bytes of a JPEG file, or nothing to keep
// what is stored.
using PhotoChange = std::optional<QByteArray>;

// Adds students with their photo rows (each student has one, with or without a photo).
void include(Connection& own, const ColumnValues& student, const PhotoChange& photo);
void include(Connection& own, const QVector<ColumnValues>& students);
// Changes the student read as `original`, unless another station changed the same
// columns or removed the student since.
void change(Connection& own, const QSqlRecord& original, const ColumnValues& changes,
            const PhotoChange& photo);
// Deletes the student and the photo row; the student's assessments stay.
void remove(Connection& own, const QSqlRecord& original);

} // namespace Students
} // namespace kelvora
