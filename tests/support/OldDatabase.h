#pragma once

#include <QPair>
#include <QString>
#include <QVariant>
#include <QVector>

namespace kelvora {
class Connection;
}

namespace kelvora::test {

class TestDatabase;

// How an earlier version of the program left its own database. Every old database
// keeps the passwords as typed in a 6-character SENHA.
struct OldSchema {
    bool reportPageFlags = false; // the 21 report-page ticks (FOLHA_ROSTO_IMP ...), set to 1
    bool smtpTls = false;         // IdSMTP_UseTLS
    bool anamnese = true;         // the Anamnese table, with narrower texts and one row
};

// The users of an old database: code and password as typed (an empty and a null one
// among them).
const QVector<QPair<QString, QVariant>>& oldUsers();

// Builds the old schema, for real, on the empty own database of `db`: the current
// tables less what `schema` lacks, with one settings row, the old users and, in
// Anamnese, the rows of IDs 1 and 2 (3, the last one, was deleted). Writes the
// data-link files.
void createOldDatabase(TestDatabase& db, const OldSchema& schema);

// The text columns of the old Anamnese with their old lengths.
const QVector<QPair<QString, int>>& oldAnamneseLengths();

// Makes the database refuse, with an error, every UPDATE of `table` that sets
// `column` once that column exists (PostgreSQL: every UPDATE of the table then).
void refuseUpdatesOf(Connection& own, const QString& table, const QString& column);
// Makes the database refuse every DELETE on `table`.
void refuseDeletesOn(Connection& own, const QString& table);
// Lifts the refusal on `table`.
void liftRefusal(Connection& own, const QString& table);

} // namespace kelvora::test
