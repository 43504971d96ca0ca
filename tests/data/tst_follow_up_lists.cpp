#include "data/Connection.h"
#include "data/FollowUpLists.h"
#include "data/Rows.h"
#include "support/TestDatabase.h"

#include <QTest>

using namespace kelvora;
using namespace kelvora::test;
using namespace kelvora::FollowUpLists;

namespace {

const QDate Today(2021, 3, 31);

void addStudent(Connection& db, const QString& table, const QString& number, const QString& name,
                const QVariant& medical, const QVariant& left = {})
{
    Rows::insert(db, table, {{QStringLiteral("MATRICULA"), number}, {QStringLiteral("NOME"), name},
                             {QStringLiteral("DATA_MEDICA"), medical}, {QStringLiteral("SAIDA"), left}});
}

QStringList listed(const QVector<OverdueStudent>& students)
{
    QStringList lines;
    for (const OverdueStudent& student : students)
        lines << student.number + QLatin1Char(' ') + student.name + QLatin1Char(' ') +
                     (student.lastAssessment ? student.lastAssessment->toString(Qt::ISODate) : QStringLiteral("-"));
    return lines;
}

QStringList listed(const QVector<DoneAssessment>& assessments)
{
    QStringList lines;
    for (const DoneAssessment& done : assessments)
        lines << QStringList{done.assessor, done.assessorName, done.date.toString(Qt::ISODate), done.number,
                             done.studentName.value_or(QStringLiteral("(excluída)"))}
                     .join(QLatin1Char(' '));
    return lines;
}

} // namespace

class FollowUpListsTest : public QObject {
    Q_OBJECT
private slots:
    void cutOff_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<int>("months");
        QTest::addColumn<QDate>("expected");
        QTest::newRow("no months") << Today << 0 << Today;
        QTest::newRow("into a short month") << Today << 1 << QDate(2021, 2, 28);
        QTest::newRow("thirteen, into a leap February") << Today << 13 << QDate(2020, 2, 29);
        QTest::newRow("a whole year") << QDate(2020, 2, 29) << 12 << QDate(2019, 2, 28);
        QTest::newRow("across the new year") << QDate(2021, 1, 15) << 3 << QDate(2020, 10, 15);
    }
    void cutOff()
    {
        QFETCH(QDate, today);
        QFETCH(int, months);
        QFETCH(QDate, expected);
        QCOMPARE(FollowUpLists::cutOff(today, months), expected);
    }

    // Own register: the settings' months; strictly earlier than the cut-off or never
    // assessed, and never a student who left.
    void overdueInTheOwnRegister_data() { addBackendRows(); }
    void overdueInTheOwnRegister()
    {
        QFETCH(QString, backend);
        TestDatabase db(backend);
        db.install();
        auto own = db.connect();
        auto brandel = db.connect(Connection::Brandel);
        own->execute(QStringLiteral("Moxcvar"), QStringLiteral("UPDATE Moxcvar SET PRAZOAVALMED = ?"), {13});
        addStudent(*own, QStringLiteral("Alunos"), QStringLiteral("0000000003"), QStringLiteral("CARLA"), QDate(2020, 2, 28));
        addStudent(*own, QStringLiteral("Alunos"), QStringLiteral("0000000001"), QStringLiteral("BEATRIZ"), QVariant());
        addStudent(*own, QStringLiteral("Alunos"), QStringLiteral("0000000002"), QStringLiteral("ANA"), QDate(2020, 2, 29)); // on the cut-off
        addStudent(*own, QStringLiteral("Alunos"), QStringLiteral("0000000004"), QStringLiteral("DORA"), QDate(2021, 1, 1));
        addStudent(*own, QStringLiteral("Alunos"), QStringLiteral("0000000005"), QStringLiteral("ELZA"), QDate(2001, 1, 1), QDate(2002, 1, 1));
        QCOMPARE(listed(overdueStudents(*own, *brandel, Kind::Medical, Order::ByNumber, Today)),
                 (QStringList{"0000000001 BEATRIZ -", "0000000003 CARLA 2020-02-28"}));
        QCOMPARE(listed(overdueStudents(*own, *brandel, Kind::Medical, Order::ByName, Today)),
                 (QStringList{"0000000001 BEATRIZ -", "0000000003 CARLA 2020-02-28"}));
        // Nobody was functionally assessed: every enrolled student is due.
        QCOMPARE(overdueStudents(*own, *brandel, Kind::Functional, Order::ByName, Today).size(), 4);
    }

    // Companion register: Qebvar's months and the active students, whose dates may
    // carry a time of day.
    void overdueInTheCompanionRegister()
    {
        TestDatabase db(Sqlite);
        db.install();
        auto own = db.connect();
        auto brandel = db.connect(Connection::Brandel);
        own->execute(QStringLiteral("Moxcvar"), QStringLiteral("UPDATE Moxcvar SET PATH_AVALIA = ?"), {QStringLiteral("Não")});
        Rows::insert(*brandel, QStringLiteral("Qebvar"), {{QStringLiteral("PRAZOAVALMED"), 1}, {QStringLiteral("PRAZOAVALFUN"), 3}});
        addStudent(*brandel, QStringLiteral("AlunosAtivos"), QStringLiteral("0000000010"), QStringLiteral("FABIO"), QDateTime(QDate(2021, 2, 27), QTime(18, 30)));
        addStudent(*brandel, QStringLiteral("AlunosAtivos"), QStringLiteral("0000000011"), QStringLiteral("GUSTAVO"), QDateTime(QDate(2021, 2, 28), QTime(8, 0)));
        addStudent(*brandel, QStringLiteral("Alunos"), QStringLiteral("0000000012"), QStringLiteral("HUGO"), QVariant());
        QCOMPARE(listed(overdueStudents(*own, *brandel, Kind::Medical, Order::ByNumber, Today)),
                 QStringList{"0000000010 FABIO 2021-02-27"});
    }

    // The assessments of a period, by assessor and date, with the names of the
    // students as they are now (or none for a student whose row is gone).
    void assessmentsOfAPeriod_data() { addBackendRows(); }
    void assessmentsOfAPeriod()
    {
        QFETCH(QString, backend);
        TestDatabase db(backend);
        db.install();
        db.addUser(QStringLiteral("01"), QStringLiteral("JOANA"), QStringLiteral("JOANA1"));
        db.addUser(QStringLiteral("02"), QStringLiteral("PEDRO"), QStringLiteral("PEDRO1"));
        auto own = db.connect();
        auto brandel = db.connect(Connection::Brandel);
        addStudent(*own, QStringLiteral("Alunos"), QStringLiteral("0000000001"), QStringLiteral("ANA"), QVariant());
        addStudent(*own, QStringLiteral("Alunos"), QStringLiteral("0000000002"), QStringLiteral("BIA"), QVariant());
        addAssessment(*own, QStringLiteral("0000000001"), QDate(2021, 5, 1), QStringLiteral("02"));
        addAssessment(*own, QStringLiteral("0000000002"), QDate(2021, 5, 1), QStringLiteral("01"));
        addAssessment(*own, QStringLiteral("0000000099"), QDate(2021, 5, 1), QStringLiteral("01"));
        addAssessment(*own, QStringLiteral("0000000001"), QDate(2021, 4, 30), QStringLiteral("01"));
        addAssessment(*own, QStringLiteral("0000000002"), QDate(2021, 5, 2), QStringLiteral("01"));

        QCOMPARE(listed(assessmentsDone(*own, *brandel, QDate(2021, 5, 1), QDate(2021, 5, 1), {})),
                 (QStringList{"01 JOANA 2021-05-01 0000000002 BIA", "01 JOANA 2021-05-01 0000000099 (excluída)",
                              "02 PEDRO 2021-05-01 0000000001 ANA"}));
        QCOMPARE(listed(assessmentsDone(*own, *brandel, QDate(2021, 4, 1), QDate(2021, 5, 31), QStringLiteral("01"))),
                 (QStringList{"01 JOANA 2021-04-30 0000000001 ANA", "01 JOANA 2021-05-01 0000000002 BIA",
                              "01 JOANA 2021-05-01 0000000099 (excluída)", "01 JOANA 2021-05-02 0000000002 BIA"}));

        // In companion mode the names come from the gym-management register.
        own->execute(QStringLiteral("Moxcvar"), QStringLiteral("UPDATE Moxcvar SET PATH_AVALIA = ?"), {QStringLiteral("Não")});
        addStudent(*brandel, QStringLiteral("Alunos"), QStringLiteral("0000000001"), QStringLiteral("ANA DA ACADEMIA"), QVariant());
        QCOMPARE(listed(assessmentsDone(*own, *brandel, QDate(2021, 5, 1), QDate(2021, 5, 1), QStringLiteral("02"))),
                 QStringList{"02 PEDRO 2021-05-01 0000000001 ANA DA ACADEMIA"});
    }
};

QTEST_GUILESS_MAIN(FollowUpListsTest)
#include "tst_follow_up_lists.moc"
