#pragma once

#include "data/Backup.h"

#include <QString>
#include <QStringList>
#include <QVector>

namespace kelvora {

class Connection;

// A student's right to erasure, shared by the register and `kelvora-cli students
// erase`: every row the program's own database holds about the student goes, in one
// transaction. The companion databases belong to their own products and are never
// opened; backups already written keep the student until their retention ends.
namespace StudentErasure {

struct Removed {
    QString table;
    int rows;
};

struct Outcome {
    QVector<Removed> removed;        // every table of Schema::studentTables, in its order
    QVector<Backup::Stored> backups; // in the Backup folder, written before the erasure
    int rowCount() const;
};

// Removes the rows of student `number` from each table of Schema::studentTables.
// Throws WriteFailed naming the table that failed; nothing is removed then.
Outcome erase(Connection& own, const QString& number);

// What was removed, table by table, and which backups still hold the student until
// when: the lines the register and the command show.
QStringList report(const Outcome& outcome);

} // namespace StudentErasure
} // namespace kelvora
