#include "data/Backup.h"
#include "data/Connection.h"
#include "data/DataError.h"
#include "data/Rows.h"
#include "data/Schema.h"
#include "data/SchemaWriter.h"
#include "data/StudentErasure.h"
#include "domain/Clock.h"
#include "support/StudentRecords.h"
#include "support/TestDatabase.h"

#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QTest>

using namespace kelvora;
using namespace kelvora::test;

namespace {

const QString Erased = QStringLiteral("0000000042");
const QString Kept = QStringLiteral("0000000043");
const QList<QDate> ExamDates{QDate(2025, 9, 1), QDate(2026, 2, 27)};

QHash<QString, int> rowsPerTable(const QVector<StoredRow>& rows)
{
    QHash<QString, int> counts;
    for (const StoredRow& row : rows)
        ++counts[row.table];
    return counts;
}

void touch(const QString& path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

} // namespace

class StudentErasureTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { Clock::setFixed(QDateTime(QDate(2026, 3, 10), QTime(9, 30))); }

    // Every own table keyed by the number loses the student's rows and nothing else; the
    // student's row in the gym-management database stays; the backups that still hold
    // the student are named with the day the retention may remove them.
    void erasesEveryRowOfTheStudentOnly_data() { addBackendRows(); }
    void erasesEveryRowOfTheStudentOnly()
    {
        QFETCH(QString, backend);
        TestDatabase db(backend);
        db.install();
        auto own = db.connect();
        const QVector<StoredRow> stored = addStudentRecords(*own, Erased, ExamDates);
        addStudentRecords(*own, Kept, ExamDates);
        auto brandel = db.connect(Connection::Brandel);
        Rows::insert(*brandel, QStringLiteral("Alunos"),
                     {{QStringLiteral("MATRICULA"), Erased}, {QStringLiteral("NOME"), QStringLiteral("ALUNA")}});
        const QString backups = Backup::folderOf(db.folder());
        QVERIFY(QDir().mkpath(backups));
        touch(QDir(backups).filePath(QStringLiteral("Kelvora20260301100000.bak")));
        touch(QDir(backups).filePath(QStringLiteral("Kelvora20260102080000-2025.bak")));
        const QHash<QString, int> keptBefore = studentRowCounts(*own, Kept);
        QVERIFY(keptBefore.size() >= 16);

        const StudentErasure::Outcome outcome = StudentErasure::erase(*own, Erased);

        QHash<QString, int> removed;
        for (const StudentErasure::Removed& table : outcome.removed)
            removed.insert(table.table, table.rows);
        QCOMPARE(removed, rowsPerTable(stored));
        QCOMPARE(outcome.removed.last().table, QStringLiteral("Alunos"));
        for (const auto& [table, rows] : studentRowCounts(*own, Erased).asKeyValueRange())
            QVERIFY2(rows == 0, qPrintable(table));
        QCOMPARE(studentRowCounts(*own, Kept), keptBefore);
        QSqlQuery companion = brandel->select(QStringLiteral("Alunos"),
                                              QStringLiteral("SELECT COUNT(*) FROM Alunos WHERE MATRICULA = ?"), {Erased});
        QVERIFY(companion.next());
        QCOMPARE(companion.value(0).toInt(), 1);

        const QStringList report = StudentErasure::report(outcome);
        QVERIFY(report.contains(QStringLiteral("  Alunos: 1")));
        QVERIFY(report.contains(QStringLiteral("  Avaliacao: 2")));
        QVERIFY(report.contains(QStringLiteral(
            "  Kelvora20260301100000.bak, de 01/03/2026: removido pela retenção a partir de 16/03/2026")));
        QVERIFY(report.filter(QStringLiteral("Kelvora20260102080000-2025.bak, de 02/01/2026: backup do "
                                             "esvaziamento")).size() == 1);
    }

    // A table that fails half-way leaves every row in place: one transaction.
    void failureRemovesNothing_data() { addBackendRows(); }
    void failureRemovesNothing()
    {
        QFETCH(QString, backend);
        TestDatabase db(backend);
        db.install();
        auto own = db.connect();
        addStudentRecords(*own, Erased, ExamDates);
        const QString failing = QStringLiteral("Nutricional");
        QHash<QString, int> before = studentRowCounts(*own, Erased);
        own->execute(failing, QStringLiteral("DROP TABLE Nutricional"));

        QVERIFY_THROWS_EXCEPTION(WriteFailed, StudentErasure::erase(*own, Erased));
        SchemaWriter::create(*own, {Schema::ownTable(failing)});
        QHash<QString, int> after = studentRowCounts(*own, Erased);
        before.remove(failing);
        after.remove(failing);
        QCOMPARE(after, before);
    }
};

QTEST_GUILESS_MAIN(StudentErasureTest)
#include "tst_student_erasure.moc"
