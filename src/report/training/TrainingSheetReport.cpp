#include "report/training/TrainingSheetReport.h"

#include "domain/DateText.h"
#include "report/CompositeReport.h"
#include "report/FigureElement.h"
#include "report/Report.h"

#include <QFile>
#include <QLocale>

namespace kelvora::report::TrainingSheetReport {

namespace {

const QColor Unscheduled(192, 192, 192);
const char* const DayNames[] = {"DOMINGO", "SEGUNDA", "TERÇA", "QUARTA",
                                "QUINTA",  "SEXTA",   "SÁBADO"};

// "10 / dezembro / 2026".
QString longDate(const QDate& date)
{
    return date.isValid() ? QLocale(QLocale::Portuguese, QLocale::Brazil)
                                .toString(date, QStringLiteral("dd / MMMM / yyyy"))
                          : QString();
}

// Gym, student, teacher and the sheet's first day.
void studentHeader(Band& band, double width, const QString& gymName, const Student& student,
                   const QString& teacher, const QDate& start)
{
    band.setHeight(31);
    band.addText({0, 0, width, 8}, gymName)
        .setPointSize(14)
        .setBold()
        .setAlignment(Qt::AlignCenter);
    band.addText({0, 10, 50, 5}, QStringLiteral("Matrícula : ") + student.number);
    band.addText({52, 10, width - 52, 5}, QStringLiteral("Nome : ") + student.name);
    band.addText({0, 16, width / 2, 5}, QStringLiteral("Professor : ") + teacher);
    band.addText({width / 2, 16, width / 2, 5},
                 QStringLiteral("Data do Início : ") + longDate(start));
    band.addText({0, 22, width, 5}, QStringLiteral("Frequência : "));
    band.addShape({0, 28, width, 1}, ShapeElement::Shape::HorizontalRule).setLineWidth(0.4);
}

// "Dias : " and the seven days, those without training in light grey.
void dayLine(Band& band, double y, const TrainingSheet::WeekDays& days)
{
    band.addText({0, y, 16, 5}, QStringLiteral("Dias : ")).setBold();
    for (int day = 0; day < 7; ++day)
        band.addText({16 + day * 24.0, y, 24, 5}, QString::fromUtf8(DayNames[day]))
            .setColor(days[day] ? QColor(Qt::black) : Unscheduled);
}

struct Column {
    double left;
    double width;
    const char* caption;
    const char* field;
    bool wraps = false; // a long text goes on in lines below, never cut off
};

void columns(Band& captions, Band& detail, double y, const QVector<Column>& layout)
{
    for (const Column& column : layout) {
        captions.addText({column.left, y, column.width, 5}, QString::fromUtf8(column.caption))
            .setBold();
        TextElement& value =
            detail.addField({column.left, 1, column.width, 5}, QLatin1String(column.field));
        if (column.wraps)
            value.setGrowsDown();
    }
}

std::shared_ptr<Report> strengthPage(const QString& gymName, const Student& student,
                                     const TrainingSheet& sheet)
{
    auto report = std::make_unique<Report>(Title); // A4 upright, 10 mm margins
    const double width = report->bandWidth();
    DataTable rows(
        {"CODIGO", "EXERCICIO", "REPETICOES", "SERIES", "PESO", "INTERVALO", "REGULAGEM"});
    for (const TrainingSheet::Exercise& exercise : sheet.exercises)
        rows.addRow({exercise.code, exercise.name, exercise.repetitions, exercise.series,
                     exercise.weight, exercise.interval, exercise.setting});
    report->setData(std::move(rows));

    // Routine "A" keeps the student on top of every page and names the routine once;
    // the others show the student once and name the routine on top of every page
    // (the column header: below the student on the first page). After an aerobic
    // page the student is already on the sheet.
    const bool routineA = sheet.routine == QLatin1String("A");
    Band& studentBand = routineA ? report->pageHeader() : report->titleBand();
    Band& routineBand = routineA ? report->titleBand() : report->columnHeader();
    if (!sheet.aerobic)
        studentHeader(studentBand, width, gymName, student, sheet.teacher, sheet.start);
    routineBand.setHeight(26);
    routineBand.addText({0, 1, 60, 6}, QStringLiteral("MUSCULAÇÃO")).setPointSize(12).setBold();
    routineBand.addText({62, 2, 30, 5}, QStringLiteral("Treino : ") + sheet.routine).setBold();
    routineBand.addText({96, 2, width - 96, 5},
                        QStringLiteral("Reavaliação : ") +
                            (sheet.reassessment
                                 ? DateText::format(*sheet.reassessment)
                                 : QStringLiteral("    /       /")));
    dayLine(routineBand, 9, sheet.days);
    Band& detail = report->detail();
    detail.setHeight(6.5);
    detail.addField({0, 1, 10, 5}, QStringLiteral("CODIGO"));
    columns(routineBand, detail, 18,
            {{11, width - 123, "Exercício", "EXERCICIO", true},
             {width - 110, 24, "Repetições", "REPETICOES"},
             {width - 85, 15, "Séries", "SERIES"},
             {width - 69, 20, "Peso", "PESO"},
             {width - 48, 20, "Intervalo", "INTERVALO"},
             {width - 27, 27, "Regulagem", "REGULAGEM"}});
    routineBand.addShape({0, 24, width, 1}, ShapeElement::Shape::HorizontalRule).setLineWidth(0.2);
    detail.addShape({0, 6, width, 1}, ShapeElement::Shape::HorizontalRule)
        .setLineWidth(0.1)
        .setColor(QColor(190, 190, 190));
    return report;
}

std::shared_ptr<Report> aerobicPage(const QString& gymName, const Student& student,
                                    const TrainingSheet& sheet)
{
    auto report = std::make_unique<Report>(Title); // A4 upright, 10 mm margins
    const double width = report->bandWidth();
    const TrainingSheet::Aerobic& aerobic = *sheet.aerobic;
    DataTable rows({"CODIGO", "EXERCICIO", "VELOCIDADE", "DURACAO", "NIVEL"});
    for (const TrainingSheet::AerobicExercise& exercise : aerobic.exercises)
        rows.addRow(
            {exercise.code, exercise.name, exercise.speed, exercise.minutes, exercise.difficulty});
    report->setData(std::move(rows));
    studentHeader(report->pageHeader(), width, gymName, student, sheet.teacher, sheet.start);

    Band& heading = report->titleBand();
    heading.setHeight(26);
    heading.addText({0, 1, 80, 6}, QStringLiteral("ATIVIDADE AERÓBICA")).setPointSize(12).setBold();
    heading
        .addText({width - 80, 2, 80, 5},
                 QStringLiteral("Data do Início : ") + longDate(aerobic.start))
        .setAlignment(Qt::AlignRight | Qt::AlignTop);
    dayLine(heading, 9, aerobic.days);
    Band& detail = report->detail();
    detail.setHeight(6.5);
    detail.addField({0, 1, 10, 5}, QStringLiteral("CODIGO"));
    columns(heading, detail, 18,
            {{11, width - 123, "Exercício", "EXERCICIO"},
             {width - 110, 24, "Velocidade", "VELOCIDADE"},
             {width - 85, 30, "Duração (mim)", "DURACAO"},
             {width - 54, 54, "Nível de Dificuldade", "NIVEL"}});
    heading.addShape({0, 24, width, 1}, ShapeElement::Shape::HorizontalRule).setLineWidth(0.2);
    return report;
}

// The 23 stretches drawn for the chart, in their order.
const QVector<Figure>& stretchFigures()
{
    static const QVector<Figure> figures = [] {
        QVector<Figure> read;
        QFile file(QStringLiteral(":/stretches/figures.txt"));
        if (file.open(QIODevice::ReadOnly))
            for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n')))
                if (!line.startsWith(QLatin1Char('#')) && !line.trimmed().isEmpty())
                    read.append(
                        Figure::parse(line.section(QLatin1Char(' '), 1)).value_or(Figure{}));
        return read;
    }();
    return figures;
}

std::shared_ptr<Report> stretchingPage(const TrainingSheet& sheet)
{
    auto report = std::make_unique<Report>(Title); // A4 upright, 10 mm margins
    const double width = report->bandWidth();
    const TrainingSheet::Stretching stretching =
        sheet.stretching.value_or(TrainingSheet::Stretching{});
    Band& band = report->titleBand();
    band.addText({0, 0, width, 7}, QStringLiteral("ALONGAMENTO")).setPointSize(12).setBold();
    double y = 10;
    if (sheet.stretchChart) {
        // Six stretches a row, each with its number and a box, ticked when prescribed.
        constexpr int PerRow = 6;
        const double cell = width / PerRow;
        const QVector<Figure>& figures = stretchFigures();
        for (int n = 0; n < 23; ++n) {
            const double left = (n % PerRow) * cell;
            const double top = y + (n / PerRow) * (cell + 2);
            band.addShape({left + 1, top, cell - 2, cell}, ShapeElement::Shape::Rectangle)
                .setLineWidth(0.2)
                .setColor(QColor(150, 150, 150));
            if (n < figures.size())
                band.add(std::make_unique<FigureElement>(
                    QRectF(left + 4, top + 2, cell - 8, cell - 10), figures.at(n)));
            band.addText({left + 3, top + cell - 7, 10, 5}, QString::number(n + 1)).setBold();
            band.addShape({left + cell - 9, top + cell - 7, 5, 5}, ShapeElement::Shape::Rectangle)
                .setLineWidth(0.3);
            if (stretching.ticked[n])
                band.addText({left + cell - 9, top + cell - 7, 5, 5}, QStringLiteral("X"))
                    .setBold()
                    .setAlignment(Qt::AlignCenter);
        }
        y += 4 * (cell + 2) + 2;
    }
    band.addText({0, y, width, 6}, stretching.notes).setGrowsDown();
    band.setHeight(y + 6);
    return report;
}

} // namespace

std::shared_ptr<Printable> build(const QString& gymName, const Student& student,
                                 const TrainingSheet& sheet)
{
    CompositeReport::Members members;
    if (sheet.aerobic)
        members.push_back(aerobicPage(gymName, student, sheet));
    members.push_back(strengthPage(gymName, student, sheet));
    // Routine "A" shows its stretches only when some were prescribed.
    if (sheet.stretching || sheet.routine != QLatin1String("A"))
        members.push_back(stretchingPage(sheet));
    return std::make_shared<CompositeReport>(Title, [members] { return members; });
}

} // namespace kelvora::report::TrainingSheetReport
