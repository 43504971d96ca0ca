#include "cli/SampleCompanionData.h"

#include "data/Connection.h"
#include "data/Rows.h"
#include "data/Schema.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>

namespace kelvora::SampleCompanionData {

namespace {

const QStringList WomenNames{"Ana",      "Beatriz", "Cecília", "Débora", "Fernanda", "Gabriela",
                             "Helena",   "Isabela", "Joana",   "Lúcia",  "Mariana",  "Natália",
                             "Patrícia", "Raquel",  "Sônia",   "Tânia",  "Vitória",  "Luíza"};
const QStringList MenNames{"André",   "Bruno",    "Caio",    "Daniel", "Eduardo", "Fábio",
                           "Gustavo", "Henrique", "João",    "Lucas",  "Márcio",  "Nélson",
                           "Otávio",  "Paulo",    "Rogério", "Sérgio", "Tiago",   "Vinícius"};
const QStringList Surnames{"Silva",    "Souza",    "Araújo",  "Gonçalves", "Conceição", "Ribeiro",
                           "Oliveira", "Lima",     "Brandão", "Fernandes", "Magalhães", "Pereira",
                           "Simões",   "Assunção", "Damião",  "Gusmão",    "Nogueira",  "Quintão"};
const QStringList Streets{"Rua das Acácias",      "Avenida Brasil",         "Rua São João",
                          "Travessa do Comércio", "Rua Dom Pedro II",       "Alameda dos Ipês",
                          "Rua Conceição",        "Avenida Getúlio Vargas", "Rua Marechal Deodoro"};
const QStringList Professions{"ANALISTA",   "COMERCIANTE", "MOTORISTA",      "DENTISTA",
                              "JORNALISTA", "ECONOMISTA",  "FISIOTERAPEUTA", "NUTRICIONISTA",
                              "GERENTE",    "ASSISTENTE",  "DESIGNER",       "AGENTE DE VIAGEM"};
const QStringList Activities{"MUSCULAÇÃO", "NATAÇÃO", "HIDROGINÁSTICA", "PILATES",
                             "SPINNING",   "JUDÔ",    "DANÇA DE SALÃO", "GINÁSTICA LOCALIZADA"};
const QStringList Staff{"Rafael Nunes", "Camila Prado", "Diego Martins", "Juliana Rocha"};

struct Exercise {
    const char* code;
    const char* name;
    const char* shortName;
};
const Exercise Strength[] = {
    {"001", "SUPINO RETO COM BARRA", "SUPINO RETO"},
    {"002", "SUPINO INCLINADO COM HALTERES", "SUPINO INCLIN."},
    {"003", "CRUCIFIXO NA MÁQUINA", "CRUCIFIXO"},
    {"004", "PUXADA ALTA PELA FRENTE", "PUXADA ALTA"},
    {"005", "REMADA SENTADA", "REMADA"},
    {"006", "DESENVOLVIMENTO COM HALTERES", "DESENVOLV."},
    {"007", "ELEVAÇÃO LATERAL", "ELEV. LATERAL"},
    {"008", "ROSCA DIRETA", "ROSCA DIRETA"},
    {"009", "TRÍCEPS NA POLIA", "TRÍCEPS POLIA"},
    {"010", "LEG PRESS 45°", "LEG PRESS"},
    {"011", "CADEIRA EXTENSORA", "EXTENSORA"},
    {"012", "MESA FLEXORA", "FLEXORA"},
    {"013", "AGACHAMENTO LIVRE", "AGACHAMENTO"},
    {"014", "PANTURRILHA EM PÉ", "PANTURRILHA"},
    {"015", "ABDOMINAL SUPRA", "ABDOMINAL"},
    {"016", "PRANCHA ISOMÉTRICA", "PRANCHA"},
};
const Exercise Aerobic[] = {
    {"101", "ESTEIRA", "ESTEIRA"},
    {"102", "BICICLETA ERGOMÉTRICA", "BICICLETA"},
    {"103", "ELÍPTICO", "ELÍPTICO"},
};
const char* const WeekDays[] = {"DOM", "SEG", "TER", "QUA", "QUI", "SEX", "SAB"};

QString number(int n, int width)
{
    return QStringLiteral("%1").arg(n, width, 10, QLatin1Char('0'));
}

// Plain letters for an e-mail address: "Conceição" -> "conceicao".
QString plain(const QString& text)
{
    QString letters;
    for (const QChar c : text.normalized(QString::NormalizationForm_D))
        if (c.isLetter() && c.unicode() < 128)
            letters += c.toLower();
    return letters;
}

// A small portrait: a figure on a coloured background, as a camera would give.
QByteArray portrait(QRandomGenerator& random)
{
    QImage image(120, 160, QImage::Format_RGB32);
    image.fill(QColor::fromHsv(int(random.bounded(360)), 40, 230));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor::fromHsv(int(random.bounded(360)), 120, 120));
    painter.drawRoundedRect(QRectF(15, 104, 90, 76), 30, 30);
    painter.setBrush(
        QColor::fromHsv(25, 90 + int(random.bounded(80)), 120 + int(random.bounded(120))));
    painter.drawEllipse(QRectF(37, 44, 46, 58));
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 85);
    return bytes;
}

ColumnValues weekDays(QRandomGenerator& random)
{
    ColumnValues days;
    for (const char* day : WeekDays)
        days.append({QLatin1String(day), random.bounded(3) > 0 ? 1 : 0}); // flags are 0/1 numbers
    return days;
}

void clear(Connection& connection, const QVector<Table>& tables, const QString& keep = {})
{
    for (const Table& table : tables)
        if (table.name != keep)
            connection.execute(table.name,
                               QStringLiteral("DELETE FROM ") + Schema::identifier(table.name));
}

class Generator {
public:
    Generator(Connection& brandel, Connection& corvun, const Options& options)
        : m_brandel(brandel)
        , m_corvun(corvun)
        , m_options(options)
        , m_random(options.seed)
    {
    }

    void fillBrandel()
    {
        for (int i = 1; i <= m_options.students; ++i)
            student(number(i, 10));
        for (int day = 4; day >= 0; --day)
            Rows::insert(m_brandel, QStringLiteral("Caixa"),
                         {{QStringLiteral("DATAABERTURA"),
                           QDateTime(m_options.today.addDays(-day), QTime(7, 0))}});
        Rows::insert(m_brandel, QStringLiteral("Qebvar"),
                     {{QStringLiteral("PRAZOAVALMED"), 12},
                      {QStringLiteral("PRAZOAVALFUN"), 6},
                      {QStringLiteral("QUAL_AVALIACAO"), QStringLiteral("FUNCIONAL")}});
        for (int i = 0; i < Activities.size(); ++i)
            Rows::insert(m_brandel, QStringLiteral("Atividades"),
                         {{QStringLiteral("CODIGO"), number(i + 1, 2)},
                          {QStringLiteral("DESCRICAO"), Activities.at(i)}});
        addStaff(m_brandel);
    }

    void fillCorvun()
    {
        for (const Exercise& exercise : Strength)
            addExercise(exercise);
        for (const Exercise& exercise : Aerobic)
            addExercise(exercise);
        addStaff(m_corvun);
        for (const QString& student : std::as_const(m_active))
            if (m_random.bounded(3) > 0)
                trainingSheets(student);
    }

private:
    void student(const QString& matricula)
    {
        const bool woman = m_random.bounded(2) == 0;
        const QString first = pick(woman ? WomenNames : MenNames);
        const QString surname1 = pick(Surnames);
        QString surname2 = pick(Surnames);
        while (surname2 == surname1)
            surname2 = pick(Surnames);
        const int age = 6 + int(m_random.bounded(80));
        const QDate birth = m_options.today.addYears(-age).addDays(-qint64(m_random.bounded(365)));
        const bool left = m_random.bounded(10) == 0;
        QString profession = pick(Professions);
        if (age < 18)
            profession = QStringLiteral("ESTUDANTE");
        else if (age >= 65)
            profession = woman ? QStringLiteral("APOSENTADA") : QStringLiteral("APOSENTADO");

        ColumnValues row{
            {QStringLiteral("MATRICULA"), matricula},
            {QStringLiteral("NOME"),
             QStringLiteral("%1 %2 %3").arg(first, surname1, surname2).toUpper()},
            {QStringLiteral("SEXO"), woman ? QStringLiteral("F") : QStringLiteral("M")},
            {QStringLiteral("DATA_NASCIMENTO"), birth},
            {QStringLiteral("ENDERECO"), QStringLiteral("%1, %2")
                                             .arg(pick(Streets))
                                             .arg(10 + m_random.bounded(1990))
                                             .toUpper()},
            {QStringLiteral("TELEFONE"), QStringLiteral("(11)9%1-%2")
                                             .arg(number(int(m_random.bounded(10000)), 4),
                                                  number(int(m_random.bounded(10000)), 4))},
            {QStringLiteral("PROFISSAO"), profession},
            {QStringLiteral("EMAIL"), QStringLiteral("%1.%2%3@exemplo.com.br")
                                          .arg(plain(first), plain(surname2))
                                          .arg(matricula.toInt())},
            {QStringLiteral("DATA_MEDICA"), pastDateOrNull()},
            {QStringLiteral("DATA_FUNCIONAL"), pastDateOrNull()},
            {QStringLiteral("DATA_NUTRI"), pastDateOrNull()},
            {QStringLiteral("SAIDA"),
             left ? QVariant(m_options.today.addDays(-qint64(30 + m_random.bounded(700))))
                  : QVariant(QMetaType::fromType<QDate>())},
        };
        Rows::insert(m_brandel, QStringLiteral("Alunos"), row);
        if (!left) {
            Rows::insert(m_brandel, QStringLiteral("AlunosAtivos"), row);
            m_active << matricula;
            schedule(matricula);
        }
        if (m_random.bounded(3) == 0)
            Rows::insert(m_brandel, QStringLiteral("FotosAlunos"),
                         {{QStringLiteral("MATRICULA"), matricula},
                          {QStringLiteral("FOTO1"), portrait(m_random)}});
    }

    QVariant pastDateOrNull()
    {
        if (m_random.bounded(4) == 0)
            return QVariant(QMetaType::fromType<QDate>());
        return m_options.today.addDays(-qint64(m_random.bounded(720)));
    }

    // About a quarter of the active students are due today, the others another day.
    void schedule(const QString& matricula)
    {
        const int draw = int(m_random.bounded(8));
        if (draw > 3)
            return;
        const QDate day = draw < 2 ? m_options.today : m_options.today.addDays(draw);
        const QString table =
            draw % 2 == 0 ? QStringLiteral("AgendadoFuncional") : QStringLiteral("AgendadoMedica");
        Rows::insert(m_brandel, table,
                     {{QStringLiteral("MATRICULA"), matricula},
                      {QStringLiteral("DATA"), QDateTime(day, QTime(8 + draw, 30))}});
    }

    void addStaff(Connection& connection)
    {
        for (int i = 0; i < Staff.size(); ++i)
            Rows::insert(connection, QStringLiteral("FUNCIONARIOS"),
                         {{QStringLiteral("MATRICULA"), number(i + 1, 3)},
                          {QStringLiteral("nome"), Staff.at(i)}});
    }

    void addExercise(const Exercise& exercise)
    {
        Rows::insert(
            m_corvun, QStringLiteral("EXERCICIOS"),
            {{QStringLiteral("CODIGO"), QLatin1String(exercise.code)},
             {QStringLiteral("DESCRICAO"), QString::fromUtf8(exercise.name)},
             {QStringLiteral("DESCRICAOABREVIADA"), QString::fromUtf8(exercise.shortName)}});
    }

    // Routine A always, B to E for some; some students have an older sheet too,
    // which the newest one replaces.
    void trainingSheets(const QString& matricula)
    {
        const int routines = 1 + int(m_random.bounded(5));
        const QString teacher = number(1 + int(m_random.bounded(Staff.size())), 3);
        QVector<QDate> dates{m_options.today.addDays(-qint64(m_random.bounded(60)))};
        if (m_random.bounded(3) == 0)
            dates.prepend(dates.first().addMonths(-3));
        for (const QDate& date : std::as_const(dates)) {
            for (int r = 0; r < routines; ++r)
                routine(matricula, QChar(u'A' + r), date, teacher);
            ColumnValues aerobic{
                {QStringLiteral("MATRICULA"), matricula},
                {QStringLiteral("DURACAO"), 20 + 5 * int(m_random.bounded(5))},
                {QStringLiteral("VELOCIDADE"), 5.0 + 0.5 * int(m_random.bounded(8))},
                {QStringLiteral("NIVEL_DIFICULDADE"), 1.0 + int(m_random.bounded(5))},
                {QStringLiteral("CODIGO_EXERCICIO"),
                 QLatin1String(Aerobic[m_random.bounded(3)].code)},
                {QStringLiteral("DATA"), date}};
            Rows::insert(m_corvun, QStringLiteral("AEROBICA"), aerobic + weekDays(m_random));
        }
    }

    void routine(const QString& matricula, QChar letter, const QDate& date, const QString& teacher)
    {
        const ColumnValues days = weekDays(m_random);
        const int count = 5 + int(m_random.bounded(4));
        const int first = int(m_random.bounded(quint32(std::size(Strength)) - quint32(count) + 1));
        for (int order = 1; order <= count; ++order) {
            const Exercise& exercise = Strength[first + order - 1];
            ColumnValues row{{QStringLiteral("MATRICULA"), matricula},
                             {QStringLiteral("CODIGO_EXERCICIO"), QLatin1String(exercise.code)},
                             {QStringLiteral("PROFESSOR"), teacher},
                             {QStringLiteral("REPETICOES"),
                              QStringLiteral("%1").arg(8 + 2 * m_random.bounded(4))},
                             {QStringLiteral("REGULAGEM"),
                              QStringLiteral("BANCO %1").arg(1 + m_random.bounded(6))},
                             {QStringLiteral("ORDEM"), order},
                             {QStringLiteral("TREINO"), QString(letter)},
                             {QStringLiteral("SERIES"), QString::number(3 + m_random.bounded(2))},
                             {QStringLiteral("PESO"),
                              QStringLiteral("%1 KG").arg(5 * (1 + m_random.bounded(16)))},
                             {QStringLiteral("INTERVALO"), 30 * (1 + int(m_random.bounded(3)))},
                             {QStringLiteral("OBS"), m_random.bounded(4) == 0
                                                         ? QStringLiteral("MANTER A POSTURA")
                                                         : QString()},
                             {QStringLiteral("DATA"), date},
                             {QStringLiteral("DATA_REAVALIACAO"), date.addMonths(3)}};
            Rows::insert(m_corvun, QStringLiteral("TREINO"), row + days);
        }
        ColumnValues stretches{
            {QStringLiteral("MATRICULA"), matricula},
            {QStringLiteral("OBS"), QStringLiteral("Manter cada posição por 20 segundos.")},
            {QStringLiteral("Treino"), QString(letter)},
            {QStringLiteral("Data"), date}};
        for (int n = 1; n <= 23; ++n)
            stretches.append(
                {QStringLiteral("Alogamento_%1").arg(number(n, 2)), int(m_random.bounded(2))});
        Rows::insert(m_corvun, QStringLiteral("ALONGAMENTO"), stretches);
    }

    QString pick(const QStringList& list) { return list.at(int(m_random.bounded(list.size()))); }

    Connection& m_brandel;
    Connection& m_corvun;
    Options m_options;
    QRandomGenerator m_random;
    QStringList m_active;
};

} // namespace

bool holdsStudents(const Connection& brandel)
{
    QSqlQuery query =
        brandel.select(QStringLiteral("Alunos"), QStringLiteral("SELECT COUNT(*) FROM Alunos"));
    return query.next() && query.value(0).toInt() > 0;
}

void fill(Connection& brandel, Connection& corvun, const Options& options)
{
    Generator generator(brandel, corvun, options);
    Transaction gym(brandel, QStringLiteral("Alunos"));
    clear(brandel, Schema::brandelTables());
    generator.fillBrandel();
    Transaction training(corvun, QStringLiteral("TREINO"));
    clear(corvun, Schema::corvunTables(), QStringLiteral("Wufvar"));
    generator.fillCorvun();
    training.commit();
    gym.commit();
}

} // namespace kelvora::SampleCompanionData
