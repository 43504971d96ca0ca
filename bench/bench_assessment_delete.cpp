// Deleting one assessment from the thirteen assessment tables in one transaction, as
// the assessment hub's "Confirma Exclusão" does, in a database of 100,000 students with
// one assessment each in every table. Runs on SQLite and, when KELVORA_TEST_PG names a
// server, on PostgreSQL. Run by hand: bench_assessment_delete [students]
#include "data/AssessmentPurge.h"
#include "data/Connection.h"
#include "data/Rows.h"
#include "data/Schema.h"
#include "support/TestDatabase.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>

#include <algorithm>
#include <cstdio>

using namespace kelvora;
using namespace kelvora::test;

namespace {

const QDate ExamDate(2026, 3, 10);

QString numberOf(int i)
{
    return QStringLiteral("%1").arg(i, 10, 10, QLatin1Char('0'));
}

double ms(const QElapsedTimer& timer)
{
    return timer.nsecsElapsed() / 1e6;
}

void run(const QString& backend, int students)
{
    TestDatabase db(backend);
    db.install();
    auto own = db.connect();
    QElapsedTimer timer;
    timer.start();
    for (const AssessmentTable& table : Schema::assessmentTables()) {
        QVector<QVariantList> rows;
        rows.reserve(students);
        for (int i = 1; i <= students; ++i)
            rows.append({numberOf(i), ExamDate});
        Transaction transaction(*own, table.table);
        Rows::insertAll(*own, table.table, {QStringLiteral("MATRICULA"), table.dateColumn}, rows);
        transaction.commit();
    }
    const double filled = ms(timer);

    QRandomGenerator random(11);
    QVector<double> deletions;
    for (int i = 0; i < 50; ++i) {
        const QString number = numberOf(1 + random.bounded(students));
        timer.restart();
        deleteAssessment(*own, number, ExamDate);
        deletions << ms(timer);
    }
    std::sort(deletions.begin(), deletions.end());
    std::printf("%s, %d students with an assessment in each of %d tables (filled in %.0f ms)\n",
                qPrintable(backend), students, int(Schema::assessmentTables().size()), filled);
    std::printf("  delete one assessment, median/p95/worst %.2f / %.2f / %.2f ms\n",
                deletions.at(deletions.size() / 2), deletions.at(deletions.size() * 95 / 100),
                deletions.last());
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int students = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 100000;
    for (const QString& backend : backends())
        run(backend, students);
    return 0;
}
