#include "data/FollowUpLists.h"

#include "data/Companion.h"
#include "data/Connection.h"
#include "data/StoredDay.h"
#include "domain/YesNo.h"

#include <QHash>
#include <QSqlQuery>

namespace kelvora::FollowUpLists {

namespace {

const QString Avaliacao = QStringLiteral("Avaliacao");

// The register of the overdue list: the own students, or the gym-management
// database's active students in companion mode (whatever the hub's setting says).
Companion activeStudents(Connection& own, Connection& brandel)
{
    return Companion::fromSettings(own, brandel, Sim);
}

// Where the done list finds names: every student ever registered, also those who left.
Companion everyStudent(Connection& own, Connection& brandel)
{
    return Companion::fromSettings(own, brandel, Nao);
}

} // namespace

QDate cutOff(const QDate& today, int months)
{
    // addMonths keeps the day, or takes the last day of a shorter month.
    return today.addMonths(-months);
}

QVector<OverdueStudent> overdueStudents(Connection& own, Connection& brandel, Kind kind,
                                        Order order, const QDate& today)
{
    const Companion students = activeStudents(own, brandel);
    const ReassessmentPeriods periods = students.periods();
    const int months = kind == Kind::Medical ? periods.medicalMonths : periods.functionalMonths;
    const QString dateColumn =
        kind == Kind::Medical ? QStringLiteral("DATA_MEDICA") : QStringLiteral("DATA_FUNCIONAL");
    QSqlQuery query = students.studentDatabase().select(
        students.studentTable(),
        QStringLiteral("SELECT MATRICULA, NOME, %1 FROM %2 WHERE (%1 < ? OR %1 IS NULL) "
                       "AND SAIDA IS NULL ORDER BY %3")
            .arg(dateColumn, students.studentTable(),
                 order == Order::ByName ? QStringLiteral("NOME") : QStringLiteral("MATRICULA")),
        {cutOff(today, months)});
    QVector<OverdueStudent> overdue;
    while (query.next())
        overdue.append(
            {query.value(0).toString(), query.value(1).toString(), storedDay(query.value(2))});
    return overdue;
}

QVector<DoneAssessment> assessmentsDone(Connection& own, Connection& brandel, const QDate& first,
                                        const QDate& last, const QString& assessor)
{
    const Companion students = everyStudent(own, brandel);
    // The own register's names come in the same query; a companion register lives
    // in another database, where each student is asked for once.
    const bool joinNames = students.ownRegister();
    QString sql =
        QStringLiteral("SELECT A.MATRICULA, A.DATAEXAME, A.USUARIO, U.NOME%1 FROM Avaliacao A "
                       "LEFT JOIN Usuarios U ON U.CODIGO = A.USUARIO%2 "
                       "WHERE A.DATAEXAME >= ? AND A.DATAEXAME < ?");
    sql = sql.arg(joinNames ? QStringLiteral(", S.NOME, S.MATRICULA") : QString(),
                  joinNames ? QStringLiteral(" LEFT JOIN Alunos S ON S.MATRICULA = A.MATRICULA")
                            : QString());
    // The day after the last: a date stored with a time of day still counts.
    QVariantList params{first, last.addDays(1)};
    if (!assessor.isEmpty()) {
        sql += QStringLiteral(" AND A.USUARIO = ?");
        params << assessor;
    }
    sql += QStringLiteral(" ORDER BY A.USUARIO, A.DATAEXAME, A.MATRICULA");

    QVector<DoneAssessment> done;
    QHash<QString, std::optional<QString>> companionNames;
    QSqlQuery query = own.select(Avaliacao, sql, params);
    while (query.next()) {
        DoneAssessment row{query.value(0).toString(), storedDay(query.value(1)).value_or(QDate()),
                           query.value(2).toString(), query.value(3).toString(), std::nullopt};
        if (joinNames && !query.value(5).isNull())
            row.studentName = query.value(4).toString();
        done.append(row);
    }
    query.finish();
    if (!joinNames)
        for (DoneAssessment& row : done) {
            if (!companionNames.contains(row.number)) {
                const std::optional<QSqlRecord> student = students.student(row.number);
                companionNames.insert(
                    row.number, student ? std::optional<QString>(
                                              student->value(QStringLiteral("NOME")).toString())
                                        : std::nullopt);
            }
            row.studentName = companionNames.value(row.number);
        }
    return done;
}

} // namespace kelvora::FollowUpLists
