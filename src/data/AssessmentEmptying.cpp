#include "data/AssessmentEmptying.h"

#include "data/AssessmentPurge.h"
#include "data/Backup.h"
#include "data/Connection.h"
#include "data/DatabaseSize.h"
#include "data/DataError.h"

namespace kelvora {

void emptyThroughYear(Connection& own, int year)
{
    deleteAssessmentsBefore(own, Dialect::yearRange(year).second);
}

EmptyingOutcome emptyAssessments(Connection& own, const QString& dataFolder, int year,
                                 const QString& copyFolder)
{
    EmptyingOutcome outcome{EmptyingOutcome::BackupFailed, {}, {}, {}};
    try {
        outcome.backupFile = Backup::writeVerifiedBeforeEmptying(own, dataFolder, year);
        outcome.kind = EmptyingOutcome::CopyFailed;
        if (!copyFolder.isEmpty())
            outcome.copy = Backup::copyVerified(outcome.backupFile, copyFolder);
        outcome.kind = EmptyingOutcome::DeleteFailed;
        emptyThroughYear(own, year);
        outcome.kind = EmptyingOutcome::ShrinkFailed;
        shrinkDatabase(own);
        outcome.kind = EmptyingOutcome::Done;
    } catch (const DataError& error) {
        outcome.reason = error.reason();
    }
    return outcome;
}

} // namespace kelvora
