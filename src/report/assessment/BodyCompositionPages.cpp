#include "report/assessment/BodyCompositionPages.h"

#include "data/AssessmentRecord.h"
#include "domain/YesNo.h"
#include "report/assessment/AssessmentPage.h"
#include "report/assessment/ComparisonBlock.h"

#include <algorithm>

namespace kelvora::report::BodyCompositionPages {

namespace {

using reportpages::PageBox;

// One line of a page: the label, the stored value and its unit, and on two lines a
// second value after the first (the index after the weight, the ratio after the waist).
struct Line {
    const char* label;
    const char* column;
    const char* unit = "";
    const char* nextColumn = nullptr;
    const char* nextUnit = "";
};

struct Section {
    const char* heading;
    QVector<Line> lines;
};

struct Layout {
    PageBox page;
    const char* subtitle;
    // The body-mass index names its formula: "0" in `IMC_1_2` keeps `subtitle`.
    const char* otherFormulaSubtitle;
    QVector<Section> left;     // basic data and measurements
    QVector<Line> fat;         // "Percentual de Gordura"
    const char* resultCaption; // nullptr: no result block
    const char* resultColumn;
    bool otherSkinfolds = false; // Pollock 3: "Outras Dobras" when any was measured
};

const QVector<Line> WeightAndHeight{{"Peso Atual :", "G_PESO", "Kg"},
                                    {"Altura :", "G_ALTURA", "cm"}};

// "Percentual de Gordura"; the adult protocols also print the range of their level.
QVector<Line> fatLines(const char* fat, const char* ideal, const char* lean, const char* range,
                       const char* fatMass, const char* idealWeight)
{
    QVector<Line> lines{{"Gordura Atual :", fat, "%"},
                        {"Gordura Ideal :", ideal, "%"},
                        {"Peso Magro :", lean, "Kg"}};
    if (range)
        lines.append(Line{"Gordura Média :", range});
    lines.append(Line{"Peso Gordo :", fatMass, "Kg"});
    lines.append(Line{"Peso Ideal :", idealWeight, "Kg"});
    return lines;
}

const QVector<Layout>& layouts()
{
    static const QVector<Layout> table{
        {PageBox::Pollock3,
         "Pollock (3 dobras - masculino 18-64 e feminino 18-55 anos)",
         nullptr,
         {{"Dados Básicos", WeightAndHeight},
          {"Dobras Cutaneas",
           {{"Peitoral :", "G_PEITORAL", "mm"},
            {"Abdomem :", "G_ABDOMEM", "mm"},
            {"Supra-ilíaca :", "G_SUPRAILIACA", "mm"},
            {"Coxa :", "G_COXA", "mm"},
            {"Tríceps :", "G_TRICIPES", "mm"}}}},
         fatLines("G_3DOBRASGORDURA_A", "G_3DOBRASGORDURA_IDEAL", "G_3DOBRASPESO_MAGRO",
                  "G_3DOBRASGORDURA_FAIXA", "G_3DOBRASPESO_GORDO", "G_3DOBRASPESO_IDEAL"),
         "Resultado Gordura Média",
         "G_3DOBRASGORDURA_M",
         true},
        {PageBox::Pollock7,
         "Pollock /Jackson (7 dobras - masculino 18-64 e feminino 18-55 anos)",
         nullptr,
         {{"Dados Básicos", WeightAndHeight},
          {"Dobras Cutaneas",
           {{"Subescapular :", "G_SUBESCAPULAR", "mm"},
            {"Peitoral :", "G_PEITORAL", "mm"},
            {"Supra-ilíaca :", "G_SUPRAILIACA", "mm"},
            {"Coxa :", "G_COXA", "mm"},
            {"Tríceps :", "G_TRICIPES", "mm"},
            {"Axilar Média :", "G_AXILARMEDIA", "mm"},
            {"Abdomem :", "G_ABDOMEM", "mm"}}}},
         fatLines("G_7DOBRASGORDURA_A", "G_7DOBRASGORDURA_IDEAL", "G_7DOBRASPESO_MAGRO",
                  "G_7DOBRASGORDURA_FAIXA", "G_7DOBRASPESO_GORDO", "G_7DOBRASPESO_IDEAL"),
         "Resultado Gordura Média",
         "G_7DOBRASGORDURA_M"},
        {PageBox::BodyMassIndex,
         "Índice de Massa Corporal (IMC) - Organização Mundial de Saúde - Simples",
         "Índice de Massa Corporal (IMC) - Organização Mundial de Saúde - NHANES II Survey",
         {{"Dados Básicos",
           {{"Peso Atual :", "G_PESO", "Kg", "G_IMCVALOR", "kg / m2"},
            {"Altura :", "G_ALTURA", "cm"}}}},
         {},
         "Resultado Índice de Massa Corporea",
         "G_IMCRESULTADO"},
        {PageBox::Slaughter,
         "Protocolo  de Slaughter et alii para Crianças (7 a 17 anos)",
         nullptr,
         {{"Dados Básicos", {{"Peso Atual :", "G_PESO", "Kg"}}},
          {"Dobras Cutaneas",
           {{"Subescapular :", "G_SUBESCAPULAR", "mm"}, {"Tríceps :", "G_TRICIPES", "mm"}}}},
         {{"Gordura Atual :", "G_CRIANCAGORDURA_A", "%"},
          {"Peso Gordo :", "G_CRIANCAPESO_GORDO", "Kg"},
          {"Gordura Média :", "G_CRIANCAGORDURA_FAIXA"},
          {"Peso Magro :", "G_CRIANCAPESO_MAGRO", "Kg"}},
         "Resultado Gordura Média",
         "G_CRIANCAGORDURA_M"},
        {PageBox::WaistHip,
         "Relação Cintura Quadril",
         nullptr,
         {{" Circunfêrencia ",
           {{"Circ. Cintura :", "G_CINTURA", "cm", "G_CINTURA_QUADRIL_VALOR"},
            {"Circ. Quadril :", "G_QUADRIL", "cm"}}}},
         {},
         "Resultado Cintura Quadril",
         "G_RESULTADO_CINTURA"},
        {PageBox::Faulkner,
         "Faulkner",
         nullptr,
         {{"Dados Básicos", WeightAndHeight},
          {"Dobras Cutaneas",
           {{"Subescapular :", "G_SUBESCAPULAR", "mm"},
            {"Supra-ilíaca :", "G_SUPRAILIACA", "mm"},
            {"Triceps :", "G_TRICIPES", "mm"},
            {"Abdomem :", "G_ABDOMEM", "mm"}}}},
         fatLines("G_FAULKNER_GORDURA", "G_FAULKNERGORDURA_IDEAL", "G_FAULKNERPESO_MAGRO", nullptr,
                  "G_FAULKNERPESO_GORDO", "G_FAULKNERPESO_IDEAL"),
         nullptr,
         nullptr},
        {PageBox::Lohman,
         "Lohman para Crianças (7 a 16 anos)",
         nullptr,
         {{"Dados Básicos", WeightAndHeight},
          {"Dobras Cutaneas",
           {{"Subescapular :", "G_SUBESCAPULAR", "mm"}, {"Triceps :", "G_TRICIPES", "mm"}}}},
         fatLines("G_LOHMAN_GORDURA", "G_LOHMANGORDURA_IDEAL", "G_LOHMANPESO_MAGRO", nullptr,
                  "G_LOHMANPESO_GORDO", "G_LOHMANPESO_IDEAL"),
         nullptr,
         nullptr},
        {PageBox::TranWeltman,
         "Trans & Weltmam para Idosos (62 a 79)",
         nullptr,
         {{"Dados Básicos", WeightAndHeight},
          {"Dobras Cutaneas",
           {{"Abdomem1 :", "G_TRANABDOMEM1", "cm"},
            {"Quadril :", "G_QUADRIL", "cm"},
            {"Abdomem2 :", "G_TRANABDOMEM2", "cm"}}}},
         fatLines("G_TRAN_GORDURA", "G_TRANGORDURA_IDEAL", "G_TRANPESO_MAGRO", nullptr,
                  "G_TRANPESO_GORDO", "G_TRANPESO_IDEAL"),
         nullptr,
         nullptr},
    };
    return table;
}

const Section OtherSkinfolds{"Outras Dobras",
                             {{"Subescapular :", "G_OUTRA1", "mm"},
                              {"Tríceps :", "G_OUTRA2", "mm"},
                              {"Axilar :", "G_OUTRA3", "mm"},
                              {"Crista-ilíaca :", "G_OUTRA4", "mm"},
                              {"Perna :", "G_OUTRA5", "mm"}}};

constexpr double HeadingHeight = 6.5;
constexpr double LineHeight = 5.5;
constexpr double LabelWidth = 38;

// A stored value as printed, with its unit; nothing at all for a value never stored.
QString valueText(const AssessmentRecord::Row& row, const char* column, const char* unit)
{
    const QVariant value = row.value(QLatin1String(column));
    const QString text = printedText(value).trimmed();
    if (text.isEmpty())
        return {};
    return *unit ? text + QLatin1Char(' ') + QString::fromUtf8(unit) : text;
}

// A section headed across `width` at `x`, from `y`; returns the y below it.
double addSection(Band& band, double x, double y, double width, const Section& section,
                  const AssessmentRecord::Row& row)
{
    AssessmentPage::heading(band, {x, y, width, HeadingHeight}, QString::fromUtf8(section.heading));
    y += HeadingHeight + 1.5;
    for (const Line& line : section.lines) {
        band.addText({x + 2, y, LabelWidth, 5}, QString::fromUtf8(line.label));
        QString value = valueText(row, line.column, line.unit);
        if (line.nextColumn)
            value += QStringLiteral("      ") + valueText(row, line.nextColumn, line.nextUnit);
        band.addText({x + 2 + LabelWidth, y, width - LabelWidth - 4, 5}, value).setBold();
        y += LineHeight;
    }
    return y + 2.5;
}

// The result's caption and the stored class in a frame; returns the y below it.
double addResult(Band& band, double x, double y, double width, const Layout& layout,
                 const AssessmentRecord::Row& row)
{
    AssessmentPage::heading(band, {x, y, width, HeadingHeight},
                            QString::fromUtf8(layout.resultCaption));
    const QRectF frame(x, y + HeadingHeight, width, 10);
    band.addShape(frame, ShapeElement::Shape::Rectangle)
        .setLineWidth(0.2)
        .setColor(AssessmentPage::shade().darker(130));
    band.addText(frame, valueText(row, layout.resultColumn, ""))
        .setPointSize(12)
        .setBold()
        .setAlignment(Qt::AlignCenter);
    return y + HeadingHeight + 13;
}

bool anyOtherSkinfold(const AssessmentRecord::Row& row)
{
    for (int n = 1; n <= 7; ++n)
        if (row.value(QStringLiteral("G_OUTRA%1").arg(n)).toDouble() != 0)
            return true;
    return false;
}

std::optional<PageBox> comparisonOf(PageBox page)
{
    for (const reportpages::PageBoxInfo& box : reportpages::pageBoxes())
        if (box.comparisonOf == page)
            return box.box;
    return std::nullopt;
}

} // namespace

std::shared_ptr<const Printable> make(const PageRequest& request)
{
    const auto layout =
        std::find_if(layouts().begin(), layouts().end(),
                     [&](const Layout& candidate) { return candidate.page == request.page; });
    const AssessmentRecord& record = request.record;
    const AssessmentRecord::Row* found = record.row(QStringLiteral("Corporal"));
    if (layout == layouts().end() || !found)
        return nullptr;
    const AssessmentRecord::Row& row = *found;

    auto report = AssessmentPage::make(record, AssessmentPage::Header::StudentAndDates);
    const double width = report->bandWidth();
    Band& title = report->titleBand();
    title.setEnabled(request.sectionTitle);
    title.setHeight(14);
    title.addText({0, 2, width, 9}, QStringLiteral("Composição Corporal"))
        .setPointSize(16)
        .setBold()
        .setAlignment(Qt::AlignCenter);

    Band& body = report->detail();
    const bool otherFormula =
        layout->otherFormulaSubtitle &&
        record.settings().value(QStringLiteral("IMC_1_2")).toString() != QLatin1String("0");
    body.addText({0, 1, width, 7},
                 QString::fromUtf8(otherFormula ? layout->otherFormulaSubtitle : layout->subtitle))
        .setPointSize(12)
        .setBold();
    const double columnWidth = (width - 6) / 2;
    double left = 11;
    for (const Section& section : layout->left)
        left = addSection(body, 0, left, columnWidth, section, row);
    if (layout->otherSkinfolds && anyOtherSkinfold(row))
        left = addSection(body, 0, left, columnWidth, OtherSkinfolds, row);

    double right = 11;
    const double rightX = columnWidth + 6;
    if (!layout->fat.isEmpty())
        right = addSection(body, rightX, right, columnWidth, {"Percentual de Gordura", layout->fat},
                           row);
    const bool resultShown =
        !isNao(record.settings().value(QStringLiteral("MOSTRA_RESULTADO_CORPORAL")));
    if (layout->resultCaption && resultShown)
        right = addResult(body, rightX, right, columnWidth, *layout, row);
    body.setHeight(std::max(left, right));

    const std::optional<PageBox> comparison = comparisonOf(request.page);
    // A band of its own: it goes on to the next sheet when the page is full.
    if (comparison && request.ticked.count(*comparison))
        ComparisonBlock::add(body.addChild(), width, record,
                             *reportpages::info(request.page).protocol);
    return report;
}

} // namespace kelvora::report::BodyCompositionPages
