#pragma once

#include <QString>
#include <QStringList>

namespace kelvora {

class Connection;

struct UpgradeResult {
    QStringList changes; // one line per change made, in Portuguese; empty when nothing was needed
    bool failed = false; // a step failed and was rolled back; later steps skipped
    QString failure;     // the failed step's message, table and reason; empty unless failed
};

// Brings a database made by an earlier version of the program to the current schema:
// the wider anamnesis texts, the e-mail TLS setting, the ticks of the report pages, and
// the users' passwords kept as hashes instead of as typed, and the index on the
// students' names. Each step asks the catalog
// whether it is needed and runs in one exclusive transaction, asking again once the
// lock is held, so stations that start together never both change the schema. A
// current database is left alone.
class SchemaUpgrade {
public:
    explicit SchemaUpgrade(Connection& own);

    // Whether any step has work to do. Reads only; throws OpenFailed.
    bool needed() const;

    // Runs the steps in order. A failing step is rolled back and the later ones are
    // skipped; the next run tries again. Never throws a DataError.
    UpgradeResult run();

private:
    Connection& m_own;
};

} // namespace kelvora
