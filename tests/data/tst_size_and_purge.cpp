#include "data/AssessmentPurge.h"
#include "data/Backup.h"
#include "data/Connection.h"
#include "data/DatabaseSize.h"
#include "data/DataError.h"
#include "data/Rows.h"
#include "data/Schema.h"
#include "domain/Clock.h"
#include "support/OldDatabase.h"
#include "support/TestDatabase.h"

#include <QDir>
#include <QProcess>
#include <QTest>

#include <cmath>

using namespace kelvora;
using namespace kelvora::test;

namespace {

const QDateTime Moment(QDate(2024, 5, 6), QTime(7, 8, 9));
const QString BackupName = QStringLiteral("Kelvora20240506070809.bak");

// Rows in every assessment table on both sides of the turn of 2022 to 2023.
void addAssessments(Connection& own)
{
    const QDate dates[] = {QDate(2022, 3, 10), QDate(2022, 12, 31), QDate(2023, 1, 1),
                           QDate(2023, 6, 15)};
    for (int i = 0; i < 4; ++i) {
        const QString number = QStringLiteral("%1").arg(i + 1, 10, 10, QLatin1Char('0'));
        Rows::insert(own, QStringLiteral("Alunos"),
                     {{QStringLiteral("MATRICULA"), number},
                      {QStringLiteral("NOME"), QStringLiteral("ALUNO %1").arg(i + 1)}});
        for (const AssessmentTable& table : Schema::assessmentTables())
            Rows::insert(own, table.table,
                         {{QStringLiteral("MATRICULA"), number}, {table.dateColumn, dates[i]}});
    }
}

// "table number yyyy-MM-dd", one line per row of every assessment table.
QStringList assessmentRows(const Connection& connection)
{
    QStringList lines;
    for (const AssessmentTable& table : Schema::assessmentTables()) {
        QSqlQuery query = connection.select(
            table.table,
            QStringLiteral("SELECT MATRICULA, %1 FROM %2").arg(table.dateColumn, table.table));
        while (query.next())
            lines << QStringLiteral("%1 %2 %3")
                         .arg(table.table, query.value(0).toString(),
                              query.value(1).toDate().toString(Qt::ISODate));
    }
    lines.sort();
    return lines;
}

const QString SecondStudent = QStringLiteral("0000000002");

void addSecondAssessment(Connection& own)
{
    for (const AssessmentTable& table : Schema::assessmentTables())
        Rows::insert(own, table.table,
                     {{QStringLiteral("MATRICULA"), SecondStudent},
                      {table.dateColumn, QDate(2023, 6, 15)}});
}

QStringList filesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
}

bool ownerOnly(const QString& path)
{
    const QFile::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                      QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
    return !(QFileInfo(path).permissions() & others);
}

// The assessment rows of the database that the backup file restores to: SQLite opens
// the copy itself; PostgreSQL restores it into a fresh database on the test server.
QStringList restoredRows(const TestDatabase& db, const QString& file)
{
    if (db.backend() == Sqlite) {
        Connection copy(QStringLiteral("restored"), {DataLink::Provider::SQLite, file, {}, {}, {}},
                        db.folder());
        copy.open();
        return assessmentRows(copy);
    }
    TestDatabase fresh(Postgres);
    const DataLink target = fresh.ownLink();
    QProcess restore;
    restore.start(QStringLiteral("pg_restore"),
                  {QStringLiteral("--no-owner"), QStringLiteral("--host=") + target.host(),
                   QStringLiteral("--port=") + QString::number(target.port()),
                   QStringLiteral("--username=") + target.user,
                   QStringLiteral("--dbname=") + target.catalog, file});
    if (!restore.waitForFinished(120000) || restore.exitCode() != 0)
        qWarning("pg_restore: %s", restore.readAllStandardError().constData());
    return assessmentRows(*fresh.connect());
}

} // namespace

class SizeAndPurge : public QObject {
    Q_OBJECT
private slots:
    void init() { Clock::setFixed(Moment); }
    void cleanup() { Clock::setFixed({}); }

    void classifiesAtTheLimits_data()
    {
        QTest::addColumn<int>("mb");
        QTest::addColumn<int>("state");
        QTest::newRow("1749") << 1749 << int(SizeState::Fine);
        QTest::newRow("1750") << 1750 << int(SizeState::NearLimit);
        QTest::newRow("1800") << 1800 << int(SizeState::NearLimit);
        QTest::newRow("1801") << 1801 << int(SizeState::OverLimit);
    }
    void classifiesAtTheLimits()
    {
        QFETCH(int, mb);
        QFETCH(int, state);
        QCOMPARE(int(classifySize(mb, {})), state);
    }

    void measuredSizeMeetsInjectedLimits_data()
    {
        QTest::addColumn<QString>("backend");
        QTest::addColumn<int>("nearOffset");
        QTest::addColumn<int>("overOffset");
        QTest::addColumn<int>("state");
        for (const QString& backend : backends()) {
            const QByteArray name = backend.toLatin1();
            QTest::addRow("%s, below near", name.constData())
                << backend << 1 << 2 << int(SizeState::Fine);
            QTest::addRow("%s, at near", name.constData())
                << backend << 0 << 1 << int(SizeState::NearLimit);
            QTest::addRow("%s, at over", name.constData())
                << backend << -1 << 0 << int(SizeState::NearLimit);
            QTest::addRow("%s, above over", name.constData())
                << backend << -2 << -1 << int(SizeState::OverLimit);
        }
    }
    void measuredSizeMeetsInjectedLimits()
    {
        QFETCH(QString, backend);
        QFETCH(int, nearOffset);
        QFETCH(int, overOffset);
        QFETCH(int, state);
        TestDatabase db(backend);
        db.install();
        auto own = db.connect();
        const int mb = databaseSizeMb(*own);
        QCOMPARE(mb, int(std::floor(own->dialect().databaseSizeMb(own->database()))));
        QCOMPARE(int(classifySize(mb, {mb + nearOffset, mb + overOffset})), state);
    }

    void purgesTheOldestYearAfterABackup_data() { addBackendRows(); }
    void purgesTheOldestYearAfterABackup()
    {
        QFETCH(QString, backend);
        TestDatabase db(backend);
        db.install();
        auto own = db.connect();
        addAssessments(*own);
        const QStringList before = assessmentRows(*own);
        const QString backupFolder = Backup::folderOf(db.folder());

        QList<int> started;
        bool backupBeforeStart = false;
        const PurgeOutcome outcome = purgeOldestYear(*own, db.folder(), [&](int year) {
            started << year;
            backupBeforeStart = QFileInfo::exists(backupFolder);
        });
        QCOMPARE(outcome.kind, PurgeOutcome::Done);
        QCOMPARE(outcome.year, 2022);
        QCOMPARE(started, QList<int>{2022});
        QVERIFY(!backupBeforeStart);

        // Exactly the rows of 2022 are gone, from every table.
        QCOMPARE(assessmentRows(*own), before.filter(QStringLiteral(" 2023-")));
        QCOMPARE(before.filter(QStringLiteral(" 2022-")).size(), 2 * 13);

        // The backup was written first, is readable by its owner only, and holds
        // every row as it was.
        QCOMPARE(outcome.backupFile, QDir(backupFolder).filePath(BackupName));
        QCOMPARE(filesIn(backupFolder), QStringList{BackupName});
        QVERIFY(ownerOnly(outcome.backupFile));
        QVERIFY(ownerOnly(backupFolder));
        QCOMPARE(restoredRows(db, outcome.backupFile), before);
    }

    void backupFolderThatCannotBeWrittenPurgesNothing_data() { addBackendRows(); }
    void backupFolderThatCannotBeWrittenPurgesNothing()
    {
        QFETCH(QString, backend);
        TestDatabase db(backend);
        db.install();
        auto own = db.connect();
        addAssessments(*own);
        const QStringList before = assessmentRows(*own);
        // A file where the folder should be: even root cannot write into it.
        QFile blocker(Backup::folderOf(db.folder()));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.write("não é uma pasta");
        blocker.close();

        bool started = false;
        const PurgeOutcome outcome =
            purgeOldestYear(*own, db.folder(), [&](int) { started = true; });
        QCOMPARE(outcome.kind, PurgeOutcome::BackupFailed);
        QCOMPARE(outcome.year, 2022);
        QVERIFY(outcome.backupFile.isEmpty());
        QVERIFY(started);
        QCOMPARE(assessmentRows(*own), before);
        QVERIFY(QFileInfo(blocker.fileName()).isFile());
    }

    void failedPurgeIsRolledBack_data() { addBackendRows(); }
    void failedPurgeIsRolledBack()
    {
        QFETCH(QString, backend);
        TestDatabase db(backend);
        db.install();
        auto own = db.connect();
        addAssessments(*own);
        const QStringList before = assessmentRows(*own);
        // The last table of the purge refuses: every earlier deletion must come back.
        refuseDeletesOn(*own, Schema::assessmentTables().last().table);

        const PurgeOutcome outcome = purgeOldestYear(*own, db.folder(), [](int) {});
        QCOMPARE(outcome.kind, PurgeOutcome::PurgeFailed);
        QCOMPARE(outcome.year, 2022);
        QVERIFY(QFileInfo(outcome.backupFile).isFile());
        QCOMPARE(assessmentRows(*own), before);
    }

    // Student 2 is assessed on 31/12/2022 (every table) and on 15/06/2023 (every table).
    void deletesOneAssessmentOnly_data() { addBackendRows(); }
    void deletesOneAssessmentOnly()
    {
        QFETCH(QString, backend);
        TestDatabase db(backend);
        db.install();
        auto own = db.connect();
        addAssessments(*own);
        addSecondAssessment(*own);
        const QStringList before = assessmentRows(*own);

        deleteAssessment(*own, SecondStudent, QDate(2022, 12, 31));
        QStringList expected;
        for (const QString& line : before)
            if (!line.endsWith(SecondStudent + QStringLiteral(" 2022-12-31")))
                expected << line;
        QCOMPARE(expected.size(), before.size() - Schema::assessmentTables().size());
        QCOMPARE(assessmentRows(*own), expected);
    }

    void failedDeletionDeletesNothing_data() { addBackendRows(); }
    void failedDeletionDeletesNothing()
    {
        QFETCH(QString, backend);
        TestDatabase db(backend);
        db.install();
        auto own = db.connect();
        addAssessments(*own);
        addSecondAssessment(*own);
        const QStringList before = assessmentRows(*own);
        refuseDeletesOn(*own, Schema::assessmentTables().last().table);

        QVERIFY_THROWS_EXCEPTION(WriteFailed,
                                 deleteAssessment(*own, SecondStudent, QDate(2022, 12, 31)));
        QCOMPARE(assessmentRows(*own), before);
    }

    void nothingToPurgeWithoutAssessments()
    {
        TestDatabase db(Sqlite);
        db.install();
        auto own = db.connect();
        bool started = false;
        const PurgeOutcome outcome =
            purgeOldestYear(*own, db.folder(), [&](int) { started = true; });
        QCOMPARE(outcome.kind, PurgeOutcome::NoAssessments);
        QVERIFY(!started);
        QVERIFY(!QFileInfo::exists(Backup::folderOf(db.folder())));
    }

    void backupsWithinOneSecondNeverOverwrite_data() { addBackendRows(); }
    void backupsWithinOneSecondNeverOverwrite()
    {
        QFETCH(QString, backend);
        TestDatabase db(backend);
        db.install();
        auto own = db.connect();
        const QString first = Backup::writeVerified(*own, db.folder());
        const QByteArray written = [&] {
            QFile file(first);
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        }();
        QVERIFY(!written.isEmpty());

        addAssessments(*own);
        try {
            Backup::writeVerified(*own, db.folder());
            QFAIL("a second backup in the same second was written");
        } catch (const BackupFailed& error) {
            QCOMPARE(error.messageText(), QStringLiteral("Erro ao fazer o Backup !"));
            QCOMPARE(error.table(), BackupName);
        }
        QCOMPARE(filesIn(Backup::folderOf(db.folder())), QStringList{BackupName});
        QFile file(first);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), written);
    }
};

QTEST_GUILESS_MAIN(SizeAndPurge)
#include "tst_size_and_purge.moc"
