#pragma once

#include <QString>

namespace kelvora {

class Connection;

// Deletes every row dated in `year` or earlier from each assessment table, in one
// transaction. Throws WriteFailed; nothing is deleted then.
void emptyThroughYear(Connection& own, int year);

struct EmptyingOutcome {
    enum Kind {
        BackupFailed, // no backup, so nothing was deleted
        CopyFailed,   // the backup stands in the Backup folder, its copy failed: nothing deleted
        DeleteFailed, // the deletion was rolled back: every table is as it was
        ShrinkFailed, // the rows are gone, the space was not given back
        Done,
    } kind;
    QString backupFile; // the backup written first
    QString copy;       // its copy in the chosen folder, when one was asked for
    QString reason;     // what failed
};

// The emptying window and `kelvora-cli empty`: a verified backup named for `year`
// (copied into `copyFolder` when one is given), then the deletion of `year` and
// every earlier year, then the shrink. The caller has checked the year.
EmptyingOutcome emptyAssessments(Connection& own, const QString& dataFolder, int year,
                                 const QString& copyFolder = {});

} // namespace kelvora
