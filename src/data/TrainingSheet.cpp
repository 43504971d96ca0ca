#include "data/TrainingSheet.h"

#include "data/Connection.h"
#include "data/StoredDay.h"
#include "domain/YesNo.h"

#include <QSqlQuery>
#include <QSqlRecord>

namespace kelvora {

namespace {

const QString Days[] = {QStringLiteral("DOM"), QStringLiteral("SEG"), QStringLiteral("TER"),
                        QStringLiteral("QUA"), QStringLiteral("QUI"), QStringLiteral("SEX"),
                        QStringLiteral("SAB")};

TrainingSheet::WeekDays weekDays(const QSqlQuery& row)
{
    TrainingSheet::WeekDays days{};
    for (int day = 0; day < 7; ++day)
        days[day] = row.value(Days[day]).toInt() != 0;
    return days;
}

struct Settings {
    bool teacherInGymManagement = false;
    bool reassessmentKept = false;
    bool stretchChart = true;
};

Settings readSettings(const Connection& corvun)
{
    QSqlQuery row = corvun.select(
        QStringLiteral("Wufvar"),
        QStringLiteral("SELECT PATH_EXERCICIO, TEMPO_REAVALIACAO, Imp_Alongamento FROM Wufvar"));
    Settings settings;
    if (row.next()) {
        settings.teacherInGymManagement = isSim(row.value(0));
        settings.reassessmentKept = row.value(1).toString().trimmed().toInt() != 0;
        settings.stretchChart = !isNao(row.value(2));
    }
    return settings;
}

std::optional<TrainingSheet::Aerobic> readAerobic(const Connection& corvun, const QString& number)
{
    QSqlQuery rows = corvun.select(
        QStringLiteral("AEROBICA"),
        QStringLiteral("SELECT A.CODIGO_EXERCICIO, C.DESCRICAO, A.VELOCIDADE, A.DURACAO, "
                       "A.NIVEL_DIFICULDADE, A.DATA, A.DOM, A.SEG, A.TER, A.QUA, A.QUI, A.SEX, "
                       "A.SAB FROM AEROBICA A JOIN EXERCICIOS C ON C.CODIGO = A.CODIGO_EXERCICIO "
                       "WHERE A.MATRICULA = ? AND A.DATA IN "
                       "(SELECT MAX(DATA) FROM AEROBICA WHERE MATRICULA = ?)"),
        {number, number});
    std::optional<TrainingSheet::Aerobic> aerobic;
    while (rows.next()) {
        if (!aerobic)
            aerobic = TrainingSheet::Aerobic{
                storedDay(rows.value(5)).value_or(QDate()), weekDays(rows), {}};
        aerobic->exercises.append({rows.value(0).toString(), rows.value(1).toString(),
                                   rows.value(2).toDouble(), rows.value(3).toInt(),
                                   rows.value(4).toDouble()});
    }
    return aerobic;
}

std::optional<TrainingSheet::Stretching>
readStretching(const Connection& corvun, const QString& number, const QString& routine)
{
    QSqlQuery row = corvun.select(
        QStringLiteral("ALONGAMENTO"),
        QStringLiteral("SELECT * FROM ALONGAMENTO WHERE MATRICULA = ? AND Treino = ? AND Data IN "
                       "(SELECT MAX(Data) FROM ALONGAMENTO WHERE MATRICULA = ? AND Treino = ?)"),
        {number, routine, number, routine});
    if (!row.next())
        return std::nullopt;
    TrainingSheet::Stretching stretching;
    for (int n = 1; n <= 23; ++n)
        stretching.ticked[n - 1] =
            row.value(QStringLiteral("Alogamento_%1").arg(n, 2, 10, QLatin1Char('0'))).toInt() != 0;
    stretching.notes = row.value(QStringLiteral("OBS")).toString();
    return stretching;
}

QString teacherName(const Connection& staff, const QString& teacher)
{
    QSqlQuery row = staff.select(
        QStringLiteral("FUNCIONARIOS"),
        QStringLiteral("SELECT nome FROM FUNCIONARIOS WHERE MATRICULA = ?"), {teacher});
    return row.next() ? row.value(0).toString() : QStringLiteral("Excluído");
}

} // namespace

std::optional<TrainingSheet> TrainingSheet::read(Connection& corvun, Connection& brandel,
                                                 const QString& number, const QString& routine)
{
    const Settings settings = readSettings(corvun);
    QSqlQuery rows = corvun.select(
        QStringLiteral("TREINO"),
        QStringLiteral("SELECT A.CODIGO_EXERCICIO, C.DESCRICAO, A.OBS, A.SERIES, A.REPETICOES, "
                       "A.PESO, A.INTERVALO, A.REGULAGEM, A.PROFESSOR, A.DATA, A.DATA_REAVALIACAO, "
                       "A.DOM, A.SEG, A.TER, A.QUA, A.QUI, A.SEX, A.SAB FROM TREINO A "
                       "JOIN EXERCICIOS C ON C.CODIGO = A.CODIGO_EXERCICIO "
                       "WHERE A.MATRICULA = ? AND A.TREINO = ? AND A.DATA IN (SELECT MAX(DATA) "
                       "FROM TREINO WHERE MATRICULA = ? AND TREINO = ?) ORDER BY A.ORDEM"),
        {number, routine, number, routine});
    std::optional<TrainingSheet> sheet;
    QString teacher;
    while (rows.next()) {
        if (!sheet) {
            sheet = TrainingSheet{};
            sheet->routine = routine;
            sheet->start = storedDay(rows.value(9)).value_or(QDate());
            if (settings.reassessmentKept)
                sheet->reassessment = storedDay(rows.value(10));
            sheet->days = weekDays(rows);
            teacher = rows.value(8).toString();
        }
        const QString note = rows.value(2).toString().trimmed();
        sheet->exercises.append(
            {rows.value(0).toString(),
             note.isEmpty()
                 ? rows.value(1).toString()
                 : rows.value(1).toString() + QStringLiteral("    Obs: ") + note.toLower(),
             rows.value(3).toString(), rows.value(4).toString(), rows.value(5).toString(),
             rows.value(6).toString(), rows.value(7).toString()});
    }
    rows.finish();
    if (!sheet)
        return std::nullopt;
    sheet->stretchChart = settings.stretchChart;
    sheet->teacher =
        teacherName(settings.teacherInGymManagement ? brandel : corvun, teacher.trimmed());
    if (routine == QLatin1String("A"))
        sheet->aerobic = readAerobic(corvun, number);
    sheet->stretching = readStretching(corvun, number, routine);
    return sheet;
}

} // namespace kelvora
