#pragma once

#include <QDate>
#include <QString>

#include <functional>
#include <optional>

namespace kelvora {

class Connection;

// The year of the earliest assessment (Avaliacao.DATAEXAME); nothing when there is
// none. Throws OpenFailed.
std::optional<int> oldestAssessmentYear(const Connection& own);

// Deletes every row dated before `end` from each assessment table, in one
// transaction. Throws WriteFailed; nothing is deleted then.
void deleteAssessmentsBefore(Connection& own, const QDate& end);

// Deletes the assessment of student `number` on `date` from each assessment table, in
// one transaction. Throws WriteFailed; nothing is deleted then.
void deleteAssessment(Connection& own, const QString& number, const QDate& date);

// Deletes every row of `year` from each assessment table, in one transaction.
// Throws WriteFailed; nothing is deleted then.
void purgeYear(Connection& own, int year);

struct PurgeOutcome {
    enum Kind {
        NoAssessments, // nothing to purge
        BackupFailed,  // the backup could not be written: nothing was purged
        PurgeFailed,   // the purge was rolled back, or the shrink after it failed
        Done,
    } kind;
    int year = 0;       // the year purged (or that was to be)
    QString backupFile; // the backup written before the purge
};

// Purges the oldest year of assessments when the database has grown too large. Finds
// the year and calls `starting(year)` before any work (the login shows its progress
// text then); writes a verified backup into the Backup folder of `dataFolder` first,
// then purges the year in one transaction and shrinks the database.
PurgeOutcome purgeOldestYear(Connection& own, const QString& dataFolder,
                             const std::function<void(int year)>& starting);

} // namespace kelvora
