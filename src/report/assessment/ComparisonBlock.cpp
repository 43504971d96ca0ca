#include "report/assessment/ComparisonBlock.h"

#include "data/StoredDay.h"
#include "domain/bodycomp/Decimal.h"
#include "domain/DateText.h"
#include "report/assessment/AssessmentPage.h"

#include <algorithm>
#include <limits>

namespace kelvora::report::ComparisonBlock {

namespace {

using bodycomp::Protocol;

struct Chart {
    const char* title;
    const char* column;
};

struct Comparison {
    Protocol protocol;
    QVector<Chart> charts; // upper left, upper right, lower left, lower right
};

const QVector<Comparison>& comparisons()
{
    static const QVector<Comparison> table{
        {Protocol::Pollock3,
         {{"Peso Atual", "G_PESO"},
          {"Peso Ideal", "G_3DOBRASPESO_IDEAL"},
          {"Massa Magra", "G_3DOBRASPESO_MAGRO"},
          {"% de Gordura", "G_3DOBRASGORDURA_A"}}},
        {Protocol::Pollock7,
         {{"Peso Atual", "G_PESO"},
          {"Peso Ideal", "G_7DOBRASPESO_IDEAL"},
          {"Massa Magra", "G_7DOBRASPESO_MAGRO"},
          {"% de Gordura", "G_7DOBRASGORDURA_A"}}},
        {Protocol::Slaughter,
         {{"Peso Atual", "G_PESO"},
          {"Gordura Atual", "G_CRIANCAGORDURA_A"},
          {"Peso Magro", "G_CRIANCAPESO_MAGRO"}}},
        {Protocol::Lohman,
         {{"Peso Atual", "G_PESO"},
          {"Peso Ideal", "G_LOHMANPESO_IDEAL"},
          {"Massa Magra", "G_LOHMANPESO_MAGRO"},
          {"% de Gordura", "G_LOHMANGORDURA_IDEAL"}}},
    };
    return table;
}

// Slot n's colour ties its bars to its date in the legend.
const QColor SlotColours[] = {QColor(0, 128, 0), QColor(0, 64, 128),  QColor(128, 0, 0),
                              QColor(0, 0, 0),   QColor(128, 0, 128), QColor(255, 0, 0)};

// A stored value as a bar: real columns as they are, text columns (the ideal fat
// percentage) read with their decimal comma; nothing for an empty or other text.
double barValue(const QVariant& value)
{
    constexpr double None = std::numeric_limits<double>::quiet_NaN();
    if (value.isNull())
        return None;
    if (value.typeId() == QMetaType::QString) {
        const auto number = bodycomp::Decimal::parse(value.toString().trimmed());
        return number ? number->toDouble() : None;
    }
    return value.toDouble();
}

constexpr double ChartHeight = 50;
constexpr double LegendHeight = 7;

} // namespace

void add(Band& band, double width, const AssessmentRecord& record, Protocol protocol)
{
    const auto comparison =
        std::find_if(comparisons().begin(), comparisons().end(),
                     [&](const Comparison& candidate) { return candidate.protocol == protocol; });
    const QList<AssessmentRecord::Row> history = record.bodyCompositionHistory(protocol);
    if (comparison == comparisons().end() || history.isEmpty())
        return;

    const double top = band.height();
    AssessmentPage::heading(band, {0, top + 2, width, 7}, QStringLiteral("Comparativo"));
    const double chartWidth = (width - 6) / 2;
    const int chartCount = int(comparison->charts.size());
    for (int c = 0; c < chartCount; ++c) {
        const Chart& chart = comparison->charts.at(c);
        const QRectF frame((c % 2) * (chartWidth + 6), top + 11 + (c / 2) * (ChartHeight + 3),
                           chartWidth, ChartHeight);
        band.addShape(frame, ShapeElement::Shape::Rectangle)
            .setLineWidth(0.15)
            .setColor(AssessmentPage::shade().darker(130));
        ChartElement& bars = band.addChart(frame.adjusted(2, 2, -2, -2), ChartElement::Kind::Bars)
                                 .setTitle(QString::fromUtf8(chart.title))
                                 .setLegendVisible(false)
                                 .setValueLabels(true)
                                 .setPointSize(8);
        for (int slot = 0; slot < history.size(); ++slot)
            bars.addSeries({{},
                            SlotColours[slot],
                            {barValue(history.at(slot).value(QLatin1String(chart.column)))}});
    }

    const double legendTop = top + 11 + ((chartCount + 1) / 2) * (ChartHeight + 3);
    const double entryWidth = width / 6;
    for (int slot = 0; slot < history.size(); ++slot) {
        const double left = slot * entryWidth + 4;
        band.addShape({left, legendTop + 1.5, 4, 4}, ShapeElement::Shape::Rectangle)
            .setLineWidth(0.1)
            .setColor(SlotColours[slot])
            .setFill(SlotColours[slot]);
        const QVariant date = history.at(slot).value(QStringLiteral("DATAEXAME"));
        band.addText({left + 6, legendTop + 1, entryWidth - 10, 5},
                     DateText::format(storedDay(date).value_or(QDate())))
            .setPointSize(9);
    }
    band.setHeight(legendTop + LegendHeight);
}

} // namespace kelvora::report::ComparisonBlock
