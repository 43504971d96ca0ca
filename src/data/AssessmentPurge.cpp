#include "data/AssessmentPurge.h"

#include "data/Backup.h"
#include "data/Connection.h"
#include "data/DatabaseSize.h"
#include "data/DataError.h"

namespace kelvora {

std::optional<int> oldestAssessmentYear(const Connection& own)
{
    QSqlQuery query = own.select(QStringLiteral("Avaliacao"),
                                 QStringLiteral("SELECT MIN(DATAEXAME) FROM Avaliacao"));
    if (!query.next() || query.value(0).isNull())
        return std::nullopt;
    return query.value(0).toDate().year();
}

namespace {

// `condition` on each table's date column, with `params`, all in one transaction.
void deleteAssessmentsWhere(Connection& own, const QString& condition, const QVariantList& params)
{
    Transaction transaction(own, QStringLiteral("Avaliacao"));
    for (const AssessmentTable& table : Schema::assessmentTables())
        own.execute(table.table,
                    QStringLiteral("DELETE FROM %1 WHERE %2")
                        .arg(Schema::identifier(table.table),
                             condition.arg(Schema::identifier(table.dateColumn))),
                    params);
    transaction.commit();
}

} // namespace

void deleteAssessmentsBefore(Connection& own, const QDate& end)
{
    deleteAssessmentsWhere(own, QStringLiteral("%1 < ?"), {end});
}

void deleteAssessment(Connection& own, const QString& number, const QDate& date)
{
    deleteAssessmentsWhere(own, QStringLiteral("MATRICULA = ? AND %1 = ?"), {number, date});
}

void purgeYear(Connection& own, int year)
{
    const auto [first, next] = Dialect::yearRange(year);
    deleteAssessmentsWhere(own, QStringLiteral("%1 >= ? AND %1 < ?"), {first, next});
}

PurgeOutcome purgeOldestYear(Connection& own, const QString& dataFolder,
                             const std::function<void(int year)>& starting)
{
    std::optional<int> year;
    try {
        year = oldestAssessmentYear(own);
    } catch (const DataError&) {
        return {PurgeOutcome::PurgeFailed, 0, {}};
    }
    if (!year)
        return {PurgeOutcome::NoAssessments, 0, {}};
    starting(*year);

    // A year of students' records is never deleted without a copy that checked out.
    QString backupFile;
    try {
        backupFile = Backup::writeVerified(own, dataFolder);
    } catch (const DataError&) {
        return {PurgeOutcome::BackupFailed, *year, {}};
    }
    try {
        purgeYear(own, *year);
        shrinkDatabase(own);
    } catch (const DataError&) {
        return {PurgeOutcome::PurgeFailed, *year, backupFile};
    }
    return {PurgeOutcome::Done, *year, backupFile};
}

} // namespace kelvora
