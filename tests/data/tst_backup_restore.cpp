#include "data/AssessmentEmptying.h"
#include "data/Backup.h"
#include "data/BackupFile.h"
#include "data/Connection.h"
#include "data/DataError.h"
#include "data/Restore.h"
#include "data/Rows.h"
#include "data/Schema.h"
#include "domain/Clock.h"
#include "domain/EmptyingYear.h"
#include "support/OldDatabase.h"
#include "support/TestDatabase.h"

#include <QDir>
#include <QTest>
#include <QThread>

#include <atomic>

using namespace kelvora;
using namespace kelvora::test;

namespace {

const QDateTime Moment(QDate(2024, 5, 6), QTime(7, 8, 9));

QString number(int n)
{
    return QStringLiteral("%1").arg(n, 10, 10, QLatin1Char('0'));
}

// One student per date, with a row in every assessment table on that date.
void addAssessments(Connection& own, const QList<QDate>& dates)
{
    for (int i = 0; i < dates.size(); ++i) {
        Rows::insert(own, QStringLiteral("Alunos"),
                     {{QStringLiteral("MATRICULA"), number(i + 1)},
                      {QStringLiteral("NOME"), QStringLiteral("ALUNO %1").arg(i + 1)}});
        for (const AssessmentTable& table : Schema::assessmentTables())
            Rows::insert(own, table.table,
                         {{QStringLiteral("MATRICULA"), number(i + 1)}, {table.dateColumn, dates.at(i)}});
    }
}

// "table number yyyy-MM-dd", one line per row of every assessment table, and the students.
QStringList rowsOf(const Connection& connection)
{
    QStringList lines;
    for (const AssessmentTable& table : Schema::assessmentTables()) {
        QSqlQuery query = connection.select(
            table.table, QStringLiteral("SELECT MATRICULA, %1 FROM %2").arg(table.dateColumn, table.table));
        while (query.next())
            lines << QStringLiteral("%1 %2 %3")
                         .arg(table.table, query.value(0).toString(), query.value(1).toDate().toString(Qt::ISODate));
    }
    QSqlQuery students = connection.select(QStringLiteral("Alunos"), QStringLiteral("SELECT MATRICULA FROM Alunos"));
    while (students.next())
        lines << QStringLiteral("Alunos ") + students.value(0).toString();
    lines.sort();
    return lines;
}

QStringList filesIn(const QString& folder)
{
    QStringList files = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    files.sort();
    return files;
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A sound backup of the other database, which has students but no assessments.
QByteArray backupOfGymManagement(const TestDatabase& db)
{
    const DataLink link = db.brandelLink();
    if (link.provider == DataLink::Provider::SQLite)
        return readFile(QDir(db.folder()).filePath(link.dataSource));
    QTemporaryDir scratch;
    const QString dump = scratch.filePath(QStringLiteral("brandel.dump"));
    BackupFile::runPgClient(QStringLiteral("pg_dump"),
                            {QStringLiteral("--format=custom"), QStringLiteral("--file=") + dump,
                             QStringLiteral("--dbname=") + link.catalog},
                            link, QStringLiteral("brandel"));
    return readFile(dump);
}

// Inserts students numbered from 9000000001 up, each in its own transaction, on a
// connection of its own thread, until stopped: a busy station. It pauses between
// inserts as any station does; SQLite's locking would let a writer that never
// pauses keep a reader out until the busy timeout.
class Writer {
public:
    explicit Writer(const DataLink& link, const QString& folder)
    {
        m_thread.reset(QThread::create([this, link, folder] {
            Connection own(QStringLiteral("Writer"), link, folder);
            own.open();
            while (!m_stop) {
                Rows::insert(own, QStringLiteral("Alunos"),
                             {{QStringLiteral("MATRICULA"), QString::number(9000000001LL + m_written)},
                              {QStringLiteral("NOME"), QStringLiteral("ESCRITO")}});
                ++m_written;
                QThread::msleep(2);
            }
        }));
        m_thread->start();
    }
    ~Writer() { stop(); }
    int written() const { return m_written; }
    void stop()
    {
        m_stop = true;
        m_thread->wait();
    }

private:
    std::unique_ptr<QThread> m_thread;
    std::atomic<bool> m_stop{false};
    std::atomic<int> m_written{0};
};

} // namespace

class BackupRestore : public QObject {
    Q_OBJECT
private slots:
    void init() { Clock::setFixed(Moment); }
    void cleanup() { Clock::setFixed({}); }

    void backupTakenWhileWritingRestoresItsRows_data() { addBackendRows(); }
    void backupTakenWhileWritingRestoresItsRows()
    {
        QFETCH(QString, backend);
        TestDatabase db(backend);
        db.install();
        auto own = db.connect();
        addAssessments(*own, {QDate(2019, 3, 1), QDate(2020, 7, 8)});
        const QStringList assessments = rowsOf(*own);

        Writer writer(db.ownLink(), db.folder());
        QTRY_VERIFY(writer.written() >= 5);
        const QString file = Backup::writeVerified(*own, db.folder());
        const int writtenAfterBackup = writer.written();
        writer.stop();
        QCOMPARE(QFileInfo(file).fileName(), QStringLiteral("Kelvora20240506070809.bak"));

        // Change everything the backup holds, then put it back.
        own->execute(QStringLiteral("Alunos"), QStringLiteral("DELETE FROM Alunos"));
        own->execute(QStringLiteral("Corporal"), QStringLiteral("DELETE FROM Corporal"));
        own->close();
        Clock::setFixed(Moment.addSecs(1));
        const QString safety = Restore::replaceWith(db.ownLink(), db.folder(), file);
        QCOMPARE(QFileInfo(safety).fileName(), QStringLiteral("Kelvora20240506070810.bak"));

        own = db.connect();
        const QStringList restored = rowsOf(*own);
        // The backup is one moment of the database: the assessments as they were and
        // the writer's students up to some insert, with none missing before it.
        const QStringList written = restored.filter(QStringLiteral("Alunos 9"));
        QVERIFY(written.size() >= 5);
        QVERIFY(written.size() <= writtenAfterBackup);
        for (int i = 0; i < written.size(); ++i)
            QCOMPARE(written.at(i), QStringLiteral("Alunos %1").arg(9000000001LL + i));
        QStringList rest = restored;
        for (const QString& line : written)
            rest.removeOne(line);
        QCOMPARE(rest, assessments);

        // The safety backup holds the database as it was before the restore.
        own->close();
        Clock::setFixed(Moment.addSecs(2));
        Restore::replaceWith(db.ownLink(), db.folder(), safety);
        own = db.connect();
        QCOMPARE(rowsOf(*own).filter(QStringLiteral("Corporal")), QStringList());
    }

    void refusesAFileThatIsNoBackup_data()
    {
        QTest::addColumn<QString>("backend");
        QTest::addColumn<QString>("damage");
        for (const QString& backend : backends())
            for (const char* damage : {"truncated", "corrupt", "empty", "foreign"})
                QTest::addRow("%s, %s", qPrintable(backend), damage) << backend << QString::fromLatin1(damage);
    }
    void refusesAFileThatIsNoBackup()
    {
        QFETCH(QString, backend);
        QFETCH(QString, damage);
        TestDatabase db(backend);
        db.install();
        auto own = db.connect();
        addAssessments(*own, {QDate(2019, 3, 1)});
        const QStringList before = rowsOf(*own);
        const QByteArray good = readFile(Backup::writeVerified(*own, db.folder()));
        own->close();

        QByteArray bytes = good;
        if (damage == QLatin1String("truncated"))
            bytes.truncate(good.size() / 2);
        else if (damage == QLatin1String("corrupt"))
            for (qsizetype i = 0; i < bytes.size(); i += 97)
                bytes[i] = char(~bytes.at(i));
        else if (damage == QLatin1String("foreign"))
            bytes = backupOfGymManagement(db);
        else
            bytes.clear();
        const QString file = QDir(db.folder()).filePath(QStringLiteral("Kelvora20240101000000.bak"));
        writeFile(file, bytes);
        const QStringList filesBefore = filesIn(db.folder());
        const QStringList backupsBefore = filesIn(Backup::folderOf(db.folder()));

        Clock::setFixed(Moment.addSecs(1));
        try {
            Restore::replaceWith(db.ownLink(), db.folder(), file);
            QFAIL("a damaged backup was restored");
        } catch (const RestoreFailed& error) {
            QCOMPARE(error.messageText(), QStringLiteral("Erro ao fazer o Restore !"));
            QVERIFY(!error.reason().isEmpty());
        }
        // Checked before anything else: no safety backup, no leftover, the same rows.
        QCOMPARE(filesIn(Backup::folderOf(db.folder())), backupsBefore);
        QCOMPARE(filesIn(db.folder()), filesBefore);
        QCOMPARE(rowsOf(*db.connect()), before);
    }

    void namesOfBackups_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("backup");
        QTest::newRow("backup") << "Kelvora20210315143005.bak" << true;
        QTest::newRow("in capitals") << "KELVORA20210315143005.BAK" << true;
        QTest::newRow("emptying's backup") << "Kelvora20210315143005-2019.bak" << true;
        QTest::newRow("another name") << "Copia.bak" << false;
        QTest::newRow("suffix") << "Kelvora20210301000000_old.bak" << false;
        QTest::newRow("13 digits") << "Kelvora2021031514300.bak" << false;
        QTest::newRow("other extension") << "Kelvora20210315143005.db" << false;
        QTest::newRow("short year") << "Kelvora20210315143005-19.bak" << false;
    }
    void namesOfBackups()
    {
        QFETCH(QString, name);
        QFETCH(bool, backup);
        QCOMPARE(Backup::isBackupFileName(name), backup);
    }

    void retentionRemovesOnlyExpiredBackups_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QStringList>("removed");
        // Today is 21/05/2024: backups of 06/05 or earlier are 15 days old.
        const QStringList newest{"Kelvora20240521080000.bak", "Kelvora20240520080000.bak", "Kelvora20240519080000.bak",
                                 "Kelvora20240518080000.bak", "Kelvora20240517080000.bak"};
        QTest::newRow("15 days go, 14 stay")
            << newest + QStringList{"Kelvora20240507235959.bak", "Kelvora20240506000000.bak", "Kelvora20230101000000.bak"}
            << QStringList{"Kelvora20240506000000.bak", "Kelvora20230101000000.bak"};
        QTest::newRow("the five newest stay, however old")
            << QStringList{"Kelvora20230107000000.bak", "Kelvora20230106000000.bak", "Kelvora20230105000000.bak",
                           "Kelvora20230104000000.bak", "Kelvora20230103000000.bak", "Kelvora20230102000000.bak",
                           "Kelvora20230101000000.bak"}
            << QStringList{"Kelvora20230102000000.bak", "Kelvora20230101000000.bak"};
        QTest::newRow("other files stay")
            << newest + QStringList{"Kelvora20230101000000-2020.bak", "Kelvora20230101000000_old.bak", "Copia.bak",
                                    "Kelvora20230101000000.bak.txt", "Kelvora.db"}
            << QStringList{};
        QTest::newRow("fewer than five") << QStringList{"Kelvora20200101000000.bak"} << QStringList{};
    }
    void retentionRemovesOnlyExpiredBackups()
    {
        QFETCH(QStringList, files);
        QFETCH(QStringList, removed);
        QTemporaryDir folder;
        for (const QString& name : files)
            writeFile(folder.filePath(name), "x");
        QStringList gone = Backup::removeExpired(folder.path(), QDate(2024, 5, 21));
        gone.sort();
        removed.sort();
        QCOMPARE(gone, removed);
        QStringList left = files;
        for (const QString& name : removed)
            left.removeOne(name);
        left.sort();
        QCOMPARE(filesIn(folder.path()), left);
    }

    void copyIsVerifiedAndNeverOverwrites()
    {
        QTemporaryDir source;
        QTemporaryDir target;
        const QString backup = source.filePath(QStringLiteral("Kelvora20240506070809.bak"));
        writeFile(backup, QByteArray(3 << 20, 'k'));

        const QString copy = Backup::copyVerified(backup, target.path());
        QCOMPARE(copy, target.filePath(QStringLiteral("Kelvora20240506070809.bak")));
        QCOMPARE(readFile(copy), readFile(backup));
        QCOMPARE(QFileInfo(copy).permissions() & 0x0077, QFile::Permissions());

        writeFile(backup, "outro conteúdo");
        QVERIFY_THROWS_EXCEPTION(BackupFailed, Backup::copyVerified(backup, target.path()));
        QCOMPARE(readFile(copy), QByteArray(3 << 20, 'k'));
        QCOMPARE(filesIn(target.path()), QStringList{QStringLiteral("Kelvora20240506070809.bak")});

        // A file where the folder should be: even root cannot copy into it.
        const QString notAFolder = target.filePath(QStringLiteral("pendrive"));
        writeFile(notAFolder, "arquivo");
        try {
            Backup::copyVerified(backup, notAFolder);
            QFAIL("copied into a file");
        } catch (const BackupFailed& error) {
            QVERIFY(error.reason().startsWith(QStringLiteral("Unidade inválida -> ")));
        }
    }

    void emptiesTheYearAndEveryEarlierOne_data() { addBackendRows(); }
    void emptiesTheYearAndEveryEarlierOne()
    {
        QFETCH(QString, backend);
        TestDatabase db(backend);
        db.install();
        auto own = db.connect();
        addAssessments(*own, {QDate(2017, 6, 1), QDate(2019, 12, 31), QDate(2020, 1, 1), QDate(2021, 2, 3)});
        // A long note on an emptied row fills pages that only the shrink gives back.
        own->execute(QStringLiteral("Anamnese"), QStringLiteral("UPDATE Anamnese SET A_HPP = ? WHERE MATRICULA = ?"),
                     {QString(200000, QLatin1Char('x')), number(1)});
        const QStringList before = rowsOf(*own);
        QTemporaryDir copyFolder;

        const EmptyingOutcome outcome = emptyAssessments(*own, db.folder(), 2019, copyFolder.path());
        QCOMPARE(outcome.kind, EmptyingOutcome::Done);
        QCOMPARE(QFileInfo(outcome.backupFile).fileName(), QStringLiteral("Kelvora20240506070809-2019.bak"));
        QCOMPARE(readFile(outcome.copy), readFile(outcome.backupFile));

        QStringList expected = before;
        expected.removeIf([](const QString& line) {
            return line.contains(QStringLiteral(" 2017-")) || line.contains(QStringLiteral(" 2019-"));
        });
        QCOMPARE(rowsOf(*own), expected);
        QCOMPARE(before.size() - expected.size(), 2 * 13);
        if (backend == Sqlite) {
            QSqlQuery free = own->select({}, QStringLiteral("PRAGMA freelist_count"));
            QVERIFY(free.next());
            QCOMPARE(free.value(0).toInt(), 0);
        }

        // Never removed by the retention, and the restore takes it back.
        QVERIFY(Backup::removeExpired(Backup::folderOf(db.folder()), QDate(2030, 1, 1)).isEmpty());
        own->close();
        Clock::setFixed(Moment.addSecs(1));
        Restore::replaceWith(db.ownLink(), db.folder(), outcome.backupFile);
        QCOMPARE(rowsOf(*db.connect()), before);
    }

    void failedEmptyingDeletesNothing_data() { addBackendRows(); }
    void failedEmptyingDeletesNothing()
    {
        QFETCH(QString, backend);
        TestDatabase db(backend);
        db.install();
        auto own = db.connect();
        addAssessments(*own, {QDate(2017, 6, 1), QDate(2019, 12, 31), QDate(2020, 1, 1)});
        const QStringList before = rowsOf(*own);
        // The last table refuses: the twelve deletions before it must come back.
        refuseDeletesOn(*own, Schema::assessmentTables().last().table);

        const EmptyingOutcome outcome = emptyAssessments(*own, db.folder(), 2019);
        QCOMPARE(outcome.kind, EmptyingOutcome::DeleteFailed);
        QVERIFY(QFileInfo(outcome.backupFile).isFile());
        QCOMPARE(rowsOf(*own), before);
    }

    void yearOfTheEmptying_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("year"); // 0: no year
        QTest::addColumn<bool>("allowed");
        // Today is in 2021.
        QTest::newRow("proposed") << "2019" << 2019 << true;
        QTest::newRow("last year") << "2020" << 2020 << false;
        QTest::newRow("this year") << "2021" << 2021 << false;
        QTest::newRow("next year") << "2022" << 2022 << false;
        QTest::newRow("two digits") << "19" << 2019 << true;
        QTest::newRow("two digits, last century") << "80" << 1980 << true;
        QTest::newRow("one digit") << "9" << 2009 << true;
        QTest::newRow("blanks around") << " 18 " << 2018 << true;
        QTest::newRow("empty") << "" << 0 << false;
        QTest::newRow("slash") << "20/1" << 0 << false;
        QTest::newRow("zero") << "0000" << 0 << false;
    }
    void yearOfTheEmptying()
    {
        QFETCH(QString, text);
        QFETCH(int, year);
        QFETCH(bool, allowed);
        const QDate today(2021, 8, 9);
        QCOMPARE(EmptyingYear::proposed(today), 2019);
        const std::optional<int> read = EmptyingYear::read(text, today);
        QCOMPARE(read.value_or(0), year);
        QCOMPARE(read && EmptyingYear::mayBeEmptied(*read, today), allowed);
    }
};

QTEST_GUILESS_MAIN(BackupRestore)
#include "tst_backup_restore.moc"
