#include "data/Companion.h"

#include "data/Connection.h"
#include "data/DataError.h"
#include "data/StoredDay.h"
#include "domain/Clock.h"
#include "domain/YesNo.h"

namespace kelvora {

namespace {

const QString Alunos = QStringLiteral("Alunos");
const QString AlunosAtivos = QStringLiteral("AlunosAtivos");

QString dateColumn(AssessmentDate which)
{
    switch (which) {
    case AssessmentDate::Functional:
        return QStringLiteral("DATA_FUNCIONAL");
    case AssessmentDate::Medical:
        return QStringLiteral("DATA_MEDICA");
    case AssessmentDate::Nutritional:
        break;
    }
    return QStringLiteral("DATA_NUTRI");
}

} // namespace

Companion::Companion(Connection& own, Connection& brandel, bool ownRegister,
                     const QString& activeStudents)
    : m_own(own)
    , m_brandel(brandel)
    , m_ownRegister(ownRegister)
    , m_studentTable(!ownRegister && isSim(activeStudents) ? AlunosAtivos : Alunos)
{
}

bool Companion::ownRegisterSetting(const QVariant& pathAvalia)
{
    return !isNao(pathAvalia);
}

Companion Companion::fromSettings(Connection& own, Connection& brandel,
                                  const QString& activeStudents)
{
    QSqlQuery settings =
        own.select(QStringLiteral("Moxcvar"), QStringLiteral("SELECT PATH_AVALIA FROM Moxcvar"));
    const bool ownRegister = ownRegisterSetting(settings.next() ? settings.value(0) : QVariant());
    return Companion(own, brandel, ownRegister, activeStudents);
}

Connection& Companion::studentDatabase() const
{
    return m_ownRegister ? m_own : m_brandel;
}

QSqlQuery Companion::students(Order order) const
{
    return studentDatabase().select(m_studentTable,
                                    QStringLiteral("SELECT * FROM %1 ORDER BY %2")
                                        .arg(m_studentTable, order == Order::ByName
                                                                 ? QStringLiteral("NOME")
                                                                 : QStringLiteral("MATRICULA")));
}

std::optional<QSqlRecord> Companion::student(const QString& number) const
{
    QSqlQuery query = studentDatabase().select(
        m_studentTable, QStringLiteral("SELECT * FROM %1 WHERE MATRICULA = ?").arg(m_studentTable),
        {number});
    if (!query.next())
        return std::nullopt;
    return query.record();
}

QByteArray Companion::photo(const QString& number) const
{
    QSqlQuery query = studentDatabase().select(
        QStringLiteral("FotosAlunos"),
        QStringLiteral("SELECT FOTO1 FROM FotosAlunos WHERE MATRICULA = ?"), {number});
    return query.next() ? query.value(0).toByteArray() : QByteArray();
}

std::optional<QDate> Companion::workingDay() const
{
    if (m_ownRegister)
        return Clock::today();
    QSqlQuery query = m_brandel.select(QStringLiteral("Caixa"),
                                       QStringLiteral("SELECT MAX(DATAABERTURA) FROM Caixa"));
    return query.next() ? storedDay(query.value(0)) : std::nullopt;
}

Schedule Companion::schedule(const QString& number, const QDate& day) const
{
    Schedule schedule;
    if (m_ownRegister)
        return schedule;
    // A range of the whole day: the companion product may keep a time of day too.
    const auto scheduled = [&](const QString& table) {
        QSqlQuery query = m_brandel.select(
            table,
            QStringLiteral("SELECT DATA FROM %1 WHERE MATRICULA = ? AND DATA >= ? AND DATA < ?")
                .arg(table),
            {number, day, day.addDays(1)});
        return query.next() ? storedDay(query.value(0)) : std::nullopt;
    };
    schedule.functional = scheduled(QStringLiteral("AgendadoFuncional"));
    schedule.medical = scheduled(QStringLiteral("AgendadoMedica"));
    return schedule;
}

ReassessmentPeriods Companion::periods() const
{
    QSqlQuery query =
        m_ownRegister
            ? m_own.select(QStringLiteral("Moxcvar"),
                           QStringLiteral("SELECT PRAZOAVALMED, TEMPO_REAVALIACAO FROM Moxcvar"))
            : m_brandel.select(QStringLiteral("Qebvar"),
                               QStringLiteral("SELECT PRAZOAVALMED, PRAZOAVALFUN FROM Qebvar"));
    if (!query.next())
        return {};
    return {query.value(0).toInt(), query.value(1).toInt()};
}

void Companion::recordAssessment(AssessmentDate which, const QString& number, const QDate& date,
                                 const std::function<void()>& write)
{
    const QString statement =
        QStringLiteral("UPDATE %2 SET %1 = ? WHERE MATRICULA = ?").arg(dateColumn(which));
    {
        Transaction transaction(m_own, QStringLiteral("Avaliacao"));
        write();
        if (m_ownRegister)
            m_own.execute(Alunos, statement.arg(Alunos), {date, number});
        transaction.commit();
    }
    if (m_ownRegister)
        return;
    Transaction transaction(m_brandel, Alunos);
    for (const QString& table : {AlunosAtivos, Alunos})
        m_brandel.execute(Alunos, statement.arg(table), {date, number});
    transaction.commit();
}

bool trainingDatabaseAnswers(Connection& corvun)
{
    try {
        if (!corvun.isOpen())
            corvun.open();
        corvun.select(QStringLiteral("Wufvar"),
                      QStringLiteral("SELECT PATH_EXERCICIO, TEMPO_REAVALIACAO FROM Wufvar"));
        return true;
    } catch (const DataError&) {
        return false;
    }
}

} // namespace kelvora
