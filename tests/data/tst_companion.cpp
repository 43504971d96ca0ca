#include "data/Companion.h"
#include "data/Connection.h"
#include "data/DataError.h"
#include "data/Rows.h"
#include "domain/Clock.h"
#include "support/TestDatabase.h"

#include <QTest>

using namespace kelvora;
using namespace kelvora::test;

namespace {

const QString Ana = QStringLiteral("0000000001");   // in both companion student tables
const QString Bruno = QStringLiteral("0000000002"); // only in the companion Alunos (left the gym)
const QDate Today(2026, 12, 10);

void addStudent(Connection& db, const QString& table, const QString& number, const QString& name)
{
    Rows::insert(db, table, {{QStringLiteral("MATRICULA"), number}, {QStringLiteral("NOME"), name}});
}

// The own register holds one student; the gym-management database two, with Bruno
// only in Alunos, a photo of Ana, re-assessment periods, and date columns that
// carry a time of day as the companion product may keep them.
struct Fixture {
    explicit Fixture(const QString& backend)
        : db(backend)
    {
        db.install();
        own = db.connect();
        brandel = db.connect(Connection::Brandel);
        addStudent(*own, QStringLiteral("Alunos"), QStringLiteral("0000000009"), QStringLiteral("CARLA LOCAL"));
        for (const QString& table : {QStringLiteral("Alunos"), QStringLiteral("AlunosAtivos")})
            addStudent(*brandel, table, Ana, QStringLiteral("ANA ARAÚJO"));
        addStudent(*brandel, QStringLiteral("Alunos"), Bruno, QStringLiteral("BRUNO SOUZA"));
        Rows::insert(*brandel, QStringLiteral("FotosAlunos"), {{QStringLiteral("MATRICULA"), Ana}, {QStringLiteral("FOTO1"), QByteArray("\xff\xd8jpeg")}});
        Rows::insert(*brandel, QStringLiteral("Qebvar"), {{QStringLiteral("PRAZOAVALMED"), 12}, {QStringLiteral("PRAZOAVALFUN"), 3}});
        if (backend == Postgres)
            for (const char* column : {"Caixa.DATAABERTURA", "AgendadoFuncional.DATA", "AgendadoMedica.DATA"}) {
                const QStringList parts = QString::fromLatin1(column).split(QLatin1Char('.'));
                brandel->execute(parts[0], QStringLiteral("ALTER TABLE %1 ALTER COLUMN %2 TYPE TIMESTAMP").arg(parts[0], parts[1]));
            }
        Clock::setFixed(QDateTime(Today, QTime(9, 0)));
    }
    ~Fixture() { Clock::setFixed({}); }

    QVariant brandelValue(const QString& table, const QString& column, const QString& number) const
    {
        QSqlQuery query = brandel->select(table, QStringLiteral("SELECT %1 FROM %2 WHERE MATRICULA = ?").arg(column, table), {number});
        return query.next() ? query.value(0) : QVariant();
    }
    int assessments() const
    {
        QSqlQuery query = own->select(QStringLiteral("Avaliacao"), QStringLiteral("SELECT COUNT(*) FROM Avaliacao"));
        query.next();
        return query.value(0).toInt();
    }
    std::function<void()> insertAssessment(const QString& number) const
    {
        return [this, number] {
            Rows::insert(*own, QStringLiteral("Avaliacao"), {{QStringLiteral("MATRICULA"), number}, {QStringLiteral("DATAEXAME"), Today}});
        };
    }

    TestDatabase db;
    std::unique_ptr<Connection> own;
    std::unique_ptr<Connection> brandel;
};

} // namespace

class CompanionTest : public QObject {
    Q_OBJECT
private slots:
    // In own mode nothing reaches the cash register, the schedules or Qebvar: the
    // test removes them from the gym-management database.
    void ownModeAsksTheOwnDatabaseOnly_data() { addBackendRows(); }
    void ownModeAsksTheOwnDatabaseOnly()
    {
        QFETCH(QString, backend);
        Fixture f(backend);
        for (const char* table : {"Caixa", "AgendadoFuncional", "AgendadoMedica", "Qebvar", "AlunosAtivos"})
            f.brandel->execute(QLatin1String(table), QStringLiteral("DROP TABLE ") + QLatin1String(table));
        Companion companion = Companion::fromSettings(*f.own, *f.brandel, QStringLiteral("Sim"));

        QVERIFY(companion.ownRegister());
        QCOMPARE(companion.student(QStringLiteral("0000000009"))->value(QStringLiteral("NOME")).toString(), QStringLiteral("CARLA LOCAL"));
        QVERIFY(!companion.student(Ana));
        QVERIFY(companion.photo(Ana).isEmpty());
        QCOMPARE(companion.workingDay(), std::optional<QDate>(Today));
        QVERIFY(!companion.schedule(Ana, Today).functional && !companion.schedule(Ana, Today).medical);
        const ReassessmentPeriods periods = companion.periods();
        QCOMPARE(periods.medicalMonths, 12);    // the installation's settings
        QCOMPARE(periods.functionalMonths, 6);

        // The student's date goes with the assessment, in the same transaction.
        companion.recordAssessment(AssessmentDate::Functional, QStringLiteral("0000000009"), Today, f.insertAssessment(QStringLiteral("0000000009")));
        QSqlQuery stamped = f.own->select(QStringLiteral("Alunos"), QStringLiteral("SELECT DATA_FUNCIONAL FROM Alunos"));
        QVERIFY(stamped.next());
        QCOMPARE(stamped.value(0).toDate(), Today);
        QVERIFY(f.brandelValue(QStringLiteral("Alunos"), QStringLiteral("DATA_FUNCIONAL"), Ana).isNull());
    }

    // "Sim" reads only the active students: one present only in Alunos cannot be chosen.
    void companionModeReadsTheChosenStudentTable_data()
    {
        QTest::addColumn<QString>("backend");
        QTest::addColumn<QString>("activeStudents");
        QTest::addColumn<QStringList>("numbers");
        for (const QString& backend : backends()) {
            QTest::addRow("%s, active students", qPrintable(backend)) << backend << QStringLiteral("Sim") << QStringList{Ana};
            QTest::addRow("%s, every student", qPrintable(backend)) << backend << QStringLiteral("Não") << QStringList{Ana, Bruno};
            QTest::addRow("%s, setting empty", qPrintable(backend)) << backend << QString() << QStringList{Ana, Bruno};
        }
    }
    void companionModeReadsTheChosenStudentTable()
    {
        QFETCH(QString, backend);
        QFETCH(QString, activeStudents);
        QFETCH(QStringList, numbers);
        Fixture f(backend);
        f.own->execute(QStringLiteral("Moxcvar"), QStringLiteral("UPDATE Moxcvar SET PATH_AVALIA = ?"), {QStringLiteral("Não")});
        const Companion companion = Companion::fromSettings(*f.own, *f.brandel, activeStudents);

        QVERIFY(!companion.ownRegister());
        QStringList found;
        QSqlQuery students = companion.students(Companion::Order::ByName);
        while (students.next())
            found << students.value(QStringLiteral("MATRICULA")).toString();
        QCOMPARE(found, numbers);
        QCOMPARE(bool(companion.student(Bruno)), numbers.contains(Bruno));
        QVERIFY(!companion.student(QStringLiteral("0000000009")));
        QCOMPARE(companion.photo(Ana), QByteArray("\xff\xd8jpeg"));
        QVERIFY(companion.photo(Bruno).isEmpty());
        QCOMPARE(companion.periods().medicalMonths, 12);
        QCOMPARE(companion.periods().functionalMonths, 3);
    }

    void workingDayAndSchedule_data() { addBackendRows(); }
    void workingDayAndSchedule()
    {
        QFETCH(QString, backend);
        Fixture f(backend);
        const Companion companion(*f.own, *f.brandel, false, QStringLiteral("Sim"));
        // No cash register was ever opened: no working day.
        QCOMPARE(companion.workingDay(), std::nullopt);

        for (const QDateTime& opened : {QDateTime(QDate(2026, 12, 1), QTime(7, 0)), QDateTime(QDate(2026, 12, 9), QTime(6, 45, 30))})
            Rows::insert(*f.brandel, QStringLiteral("Caixa"), {{QStringLiteral("DATAABERTURA"), opened}});
        QCOMPARE(companion.workingDay(), std::optional<QDate>(QDate(2026, 12, 9)));

        const QDate day(2026, 12, 9);
        Rows::insert(*f.brandel, QStringLiteral("AgendadoFuncional"), {{QStringLiteral("MATRICULA"), Ana}, {QStringLiteral("DATA"), QDateTime(day, QTime(18, 30))}});
        Rows::insert(*f.brandel, QStringLiteral("AgendadoMedica"), {{QStringLiteral("MATRICULA"), Ana}, {QStringLiteral("DATA"), QDateTime(day.addDays(1), QTime(0, 0))}});
        Rows::insert(*f.brandel, QStringLiteral("AgendadoMedica"), {{QStringLiteral("MATRICULA"), Bruno}, {QStringLiteral("DATA"), QDateTime(day, QTime(0, 0))}});
        const Schedule ana = companion.schedule(Ana, day);
        QCOMPARE(ana.functional, std::optional<QDate>(day));
        QCOMPARE(ana.medical, std::nullopt); // the next day's is not this day's
        QCOMPARE(companion.schedule(Bruno, day).medical, std::optional<QDate>(day));
        QCOMPARE(companion.schedule(Bruno, day).functional, std::nullopt);
    }

    // The companion dates are written only after the own transaction committed.
    void writeBackFollowsTheCommit_data() { addBackendRows(); }
    void writeBackFollowsTheCommit()
    {
        QFETCH(QString, backend);
        Fixture f(backend);
        Companion companion(*f.own, *f.brandel, false, QStringLiteral("Sim"));

        const auto failingWrite = [&] {
            f.insertAssessment(Ana)();
            throw WriteFailed(QStringLiteral("Corporal"), QStringLiteral("recusado"));
        };
        QVERIFY_THROWS_EXCEPTION(WriteFailed, companion.recordAssessment(AssessmentDate::Medical, Ana, Today, failingWrite));
        QCOMPARE(f.assessments(), 0);
        for (const QString& table : {QStringLiteral("Alunos"), QStringLiteral("AlunosAtivos")})
            QVERIFY(f.brandelValue(table, QStringLiteral("DATA_MEDICA"), Ana).isNull());

        companion.recordAssessment(AssessmentDate::Nutritional, Ana, Today, f.insertAssessment(Ana));
        QCOMPARE(f.assessments(), 1);
        for (const QString& table : {QStringLiteral("Alunos"), QStringLiteral("AlunosAtivos")}) {
            QCOMPARE(f.brandelValue(table, QStringLiteral("DATA_NUTRI"), Ana).toDate(), Today);
            QVERIFY(f.brandelValue(table, QStringLiteral("DATA_MEDICA"), Ana).isNull());
        }

        // A write-back that fails is told, not ignored; the stored assessment stays.
        f.brandel->execute(QStringLiteral("AlunosAtivos"), QStringLiteral("DROP TABLE AlunosAtivos"));
        try {
            companion.recordAssessment(AssessmentDate::Functional, Ana, Today.addDays(1), f.insertAssessment(QStringLiteral("0000000003")));
            QFAIL("the failed write-back was not reported");
        } catch (const WriteFailed& error) {
            QCOMPARE(error.table(), QStringLiteral("Alunos"));
        }
        QCOMPARE(f.assessments(), 2);
        QVERIFY(f.brandelValue(QStringLiteral("Alunos"), QStringLiteral("DATA_FUNCIONAL"), Ana).isNull());
    }

    void trainingDatabaseReachability_data() { addBackendRows(); }
    void trainingDatabaseReachability()
    {
        QFETCH(QString, backend);
        TestDatabase db(backend);
        db.install();
        auto corvun = db.installCorvun();
        corvun->close();
        QVERIFY(trainingDatabaseAnswers(*corvun));

        Connection missing(Connection::Corvun, {DataLink::Provider::SQLite, QStringLiteral("Nenhum.db"), {}, {}, {}}, db.folder());
        QVERIFY(!trainingDatabaseAnswers(missing));
        corvun->execute(QStringLiteral("Wufvar"), QStringLiteral("DROP TABLE Wufvar"));
        QVERIFY(!trainingDatabaseAnswers(*corvun));
    }
};

QTEST_MAIN(CompanionTest)
#include "tst_companion.moc"
