#pragma once

#include "report/Element.h"

#include <QColor>
#include <QFont>
#include <QStringList>
#include <QVector>

namespace kelvora::report {

// One series of a chart: a value per category; NaN where it has none.
struct ChartSeries {
    QString name;
    QColor color;
    QVector<double> values;
};

// A bar or line chart over a few categories (dates of assessments, minutes of a
// test), painted by our own code so that screen, paper and PDF show the same chart:
// title above, the value axis with its scale on the left, the categories below,
// and a legend of the series at the bottom.
class ChartElement : public Element {
public:
    enum class Kind { Bars, Lines };

    ChartElement(const QRectF& frame, Kind kind);

    ChartElement& setTitle(const QString& title);
    ChartElement& setCategories(const QStringList& categories);
    ChartElement& addSeries(const ChartSeries& series);
    ChartElement& setAxisTitles(const QString& categoryAxis, const QString& valueAxis);
    ChartElement& setLegendVisible(bool visible);
    ChartElement& setValueLabels(bool visible); // each value printed above its bar or point
    // The value axis runs from `low` to `high`; by default from zero (or the lowest
    // value below it) to a round number above the highest value.
    ChartElement& setValueRange(double low, double high);
    ChartElement& setPointSize(double points);

    void paint(QPainter& painter, const QRectF& area, const PrintContext& context) const override;

private:
    struct Scale {
        double low;
        double high;
        double step;
    };
    Scale scale() const;
    void paintBars(QPainter& painter, const QRectF& plot, const Scale& scale) const;
    void paintLines(QPainter& painter, const QRectF& plot, const Scale& scale) const;
    void paintValueLabel(QPainter& painter, const QPointF& top, double value) const;
    double legendHeight(QPainter& painter, double width) const;
    void paintLegend(QPainter& painter, const QRectF& area) const;

    Kind m_kind;
    QString m_title;
    QStringList m_categories;
    QVector<ChartSeries> m_series;
    QString m_categoryAxisTitle;
    QString m_valueAxisTitle;
    bool m_legendVisible = true;
    bool m_valueLabels = false;
    double m_low = 0;
    double m_high = 0; // not above m_low: chosen from the values
    QFont m_font;
};

} // namespace kelvora::report
