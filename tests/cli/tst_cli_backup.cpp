#include "data/Backup.h"
#include "data/Connection.h"
#include "data/Rows.h"
#include "data/SingleInstance.h"
#include "domain/Clock.h"
#include "support/CliRun.h"
#include "support/TestDatabase.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace kelvora;
using namespace kelvora::test;

namespace {

int students(const TestDatabase& db)
{
    QSqlQuery query = db.connect()->select(QStringLiteral("Alunos"), QStringLiteral("SELECT COUNT(*) FROM Alunos"));
    return query.next() ? query.value(0).toInt() : -1;
}

void addStudent(const TestDatabase& db, const QDate& assessed)
{
    auto own = db.connect();
    Rows::insert(*own, QStringLiteral("Alunos"),
                 {{QStringLiteral("MATRICULA"), QStringLiteral("0000000001")}, {QStringLiteral("NOME"), QStringLiteral("ALUNO")}});
    Rows::insert(*own, QStringLiteral("Avaliacao"),
                 {{QStringLiteral("MATRICULA"), QStringLiteral("0000000001")}, {QStringLiteral("DATAEXAME"), assessed}});
}

} // namespace

class CliBackup : public QObject {
    Q_OBJECT
private slots:
    void backupCopyAndRestore_data() { addBackendRows(); }
    void backupCopyAndRestore()
    {
        QFETCH(QString, backend);
        TestDatabase db(backend);
        db.install();
        addStudent(db, QDate(2020, 1, 1));
        QTemporaryDir copyFolder;

        const CliRun backup = cli({"backup", "--dir", db.folder(), "--copy-to", copyFolder.path()});
        QVERIFY2(backup.exitCode == 0, qPrintable(backup.err));
        const QStringList paths = backup.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(paths.size(), 2);
        QCOMPARE(QFileInfo(paths.at(0)).absolutePath(), QFileInfo(Backup::folderOf(db.folder())).absoluteFilePath());
        QVERIFY(Backup::isBackupFileName(QFileInfo(paths.at(0)).fileName()));
        QCOMPARE(paths.at(1), QDir(copyFolder.path()).filePath(QFileInfo(paths.at(0)).fileName()));

        db.connect()->execute(QStringLiteral("Avaliacao"), QStringLiteral("DELETE FROM Avaliacao"));
        db.connect()->execute(QStringLiteral("Alunos"), QStringLiteral("DELETE FROM Alunos"));
        QCOMPARE(students(db), 0);

        // Straight after the backup: the safety backup waits for the next second.
        const CliRun restore = cli({"restore", "--dir", db.folder(), paths.at(1)});
        QVERIFY2(restore.exitCode == 0, qPrintable(restore.err));
        QVERIFY(restore.out.contains(QStringLiteral("Restore realizado com sucesso !")));
        QCOMPARE(students(db), 1);
        QCOMPARE(QDir(Backup::folderOf(db.folder())).entryList(QDir::Files).size(), 2);
    }

    void restoreIsRefused()
    {
        TestDatabase db(Sqlite);
        db.install();
        addStudent(db, QDate(2020, 1, 1));
        const QString backup = Backup::writeVerified(*db.connect(), db.folder());
        db.connect()->execute(QStringLiteral("Avaliacao"), QStringLiteral("DELETE FROM Avaliacao"));

        const QString copia = QDir(db.folder()).filePath(QStringLiteral("Copia.bak"));
        QVERIFY(QFile::copy(backup, copia));
        CliRun run = cli({"restore", "--dir", db.folder(), copia});
        QCOMPARE(run.exitCode, 2);
        QCOMPARE(run.err, QStringLiteral("Dado INCORRETO ! Extensão Inaválida\n"));

        {
            // The program holds the data folder.
            SingleInstance program(db.folder());
            QVERIFY(program.becomeFirst());
            run = cli({"restore", "--dir", db.folder(), backup});
            QCOMPARE(run.exitCode, 2);
            QVERIFY2(run.err.contains(QStringLiteral("aberto")), qPrintable(run.err));
        }

        const QString damaged = QDir(db.folder()).filePath(QStringLiteral("Kelvora20200101000000.bak"));
        QFile file(damaged);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("SQLite format 3 e mais nada");
        file.close();
        run = cli({"restore", "--dir", db.folder(), damaged});
        QCOMPARE(run.exitCode, 3);
        QVERIFY2(run.err.startsWith(QStringLiteral("Erro ao fazer o Restore !")), qPrintable(run.err));

        // Nothing of it touched the database.
        QSqlQuery query = db.connect()->select(QStringLiteral("Avaliacao"), QStringLiteral("SELECT COUNT(*) FROM Avaliacao"));
        QVERIFY(query.next());
        QCOMPARE(query.value(0).toInt(), 0);
    }

    void emptyFollowsTheYearRule_data()
    {
        QTest::addColumn<QString>("year");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("err");
        QTest::addColumn<int>("assessmentsLeft");
        const int current = Clock::today().year();
        QTest::newRow("two years back") << QString::number(current - 2) << 0 << QString() << 0;
        QTest::newRow("last year") << QString::number(current - 1) << 2
                                   << "Dado INCORRETO ! Ano selecionado não pode ser esvaziado\n" << 1;
        QTest::newRow("not a year") << "2O19" << 2 << "Dado INCORRETO ! Ano\n" << 1;
    }
    void emptyFollowsTheYearRule()
    {
        QFETCH(QString, year);
        QFETCH(int, exitCode);
        QFETCH(QString, err);
        QFETCH(int, assessmentsLeft);
        TestDatabase db(Sqlite);
        db.install();
        addStudent(db, QDate(Clock::today().year() - 2, 12, 31));

        const CliRun run = cli({"empty", "--dir", db.folder(), "--year", year});
        QCOMPARE(run.exitCode, exitCode);
        QCOMPARE(run.err, err);
        QSqlQuery query = db.connect()->select(QStringLiteral("Avaliacao"), QStringLiteral("SELECT COUNT(*) FROM Avaliacao"));
        QVERIFY(query.next());
        QCOMPARE(query.value(0).toInt(), assessmentsLeft);
        QCOMPARE(students(db), 1);
        if (exitCode == 0) {
            const QStringList lines = run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
            QCOMPARE(lines.size(), 2);
            QVERIFY(lines.at(0).endsWith(QStringLiteral("-%1.bak").arg(year)));
            QVERIFY(QFileInfo(lines.at(0)).isFile());
            QCOMPARE(lines.at(1), QStringLiteral("Fim de Processo !"));
        } else {
            QVERIFY(!QFileInfo::exists(Backup::folderOf(db.folder())));
        }
    }
};

QTEST_GUILESS_MAIN(CliBackup)
#include "tst_cli_backup.moc"
