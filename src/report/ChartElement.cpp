#include "report/ChartElement.h"

#include "report/Units.h"

#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace kelvora::report {

namespace {

const QColor GridColor(200, 200, 200);

// 1, 2 or 5 times a power of ten: the step of a scale that people read at a glance.
double roundStep(double raw)
{
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    const double normal = raw / magnitude;
    return (normal <= 1 ? 1 : normal <= 2 ? 2 : normal <= 5 ? 5 : 10) * magnitude;
}

QString scaleText(double value, double step)
{
    const int decimals = std::max(0, int(-std::floor(std::log10(step) + 1e-9)));
    return QLocale(QLocale::Portuguese, QLocale::Brazil).toString(value, 'f', decimals);
}

} // namespace

ChartElement::ChartElement(const QRectF& frame, Kind kind)
    : Element(frame)
    , m_kind(kind)
    , m_font(defaultFont(7))
{
}

ChartElement& ChartElement::setTitle(const QString& title)
{
    m_title = title;
    return *this;
}

ChartElement& ChartElement::setCategories(const QStringList& categories)
{
    m_categories = categories;
    return *this;
}

ChartElement& ChartElement::addSeries(const ChartSeries& series)
{
    m_series.append(series);
    return *this;
}

ChartElement& ChartElement::setAxisTitles(const QString& categoryAxis, const QString& valueAxis)
{
    m_categoryAxisTitle = categoryAxis;
    m_valueAxisTitle = valueAxis;
    return *this;
}

ChartElement& ChartElement::setLegendVisible(bool visible)
{
    m_legendVisible = visible;
    return *this;
}

ChartElement& ChartElement::setValueLabels(bool visible)
{
    m_valueLabels = visible;
    return *this;
}

ChartElement& ChartElement::setValueRange(double low, double high)
{
    m_low = low;
    m_high = high;
    return *this;
}

ChartElement& ChartElement::setPointSize(double points)
{
    m_font.setPointSizeF(points);
    return *this;
}

ChartElement::Scale ChartElement::scale() const
{
    if (m_high > m_low)
        return {m_low, m_high, roundStep((m_high - m_low) / 5)};
    double lowest = 0;
    double highest = 0;
    for (const ChartSeries& series : m_series)
        for (const double value : series.values)
            if (!std::isnan(value)) {
                lowest = std::min(lowest, value);
                highest = std::max(highest, value);
            }
    if (highest <= lowest)
        highest = lowest + 10;
    const double step = roundStep((highest - lowest) / 5);
    // Room above the highest value for its label: a bar that ends just below the top
    // of the scale would put its label on the chart's title.
    double high = (std::floor(highest / step) + 1) * step;
    if (m_valueLabels && high - highest < step / 2)
        high += step;
    return {std::floor(lowest / step) * step, high, step};
}

void ChartElement::paint(QPainter& painter, const QRectF& area, const PrintContext&) const
{
    painter.save();
    const QFont font = paintedFont(m_font);
    const QFontMetricsF metrics(font);
    const double line = metrics.height();
    const double gap = line * 0.4;
    const Scale range = scale();
    painter.setFont(font);

    QRectF rest = area;
    if (!m_title.isEmpty()) {
        QFont bold = font;
        bold.setBold(true);
        bold.setPixelSize(int(font.pixelSize() * 1.2));
        painter.setFont(bold);
        painter.setPen(Qt::black);
        const double height = QFontMetricsF(bold).height();
        painter.drawText(QRectF(rest.left(), rest.top(), rest.width(), height), Qt::AlignCenter,
                         m_title);
        rest.setTop(rest.top() + height + gap);
        painter.setFont(font);
    }
    if (m_legendVisible && !m_series.isEmpty()) {
        const double height = legendHeight(painter, rest.width());
        paintLegend(painter, QRectF(rest.left(), rest.bottom() - height, rest.width(), height));
        rest.setBottom(rest.bottom() - height - gap);
    }
    if (!m_categoryAxisTitle.isEmpty()) {
        painter.setPen(Qt::black);
        painter.drawText(QRectF(rest.left(), rest.bottom() - line, rest.width(), line),
                         Qt::AlignCenter, m_categoryAxisTitle);
        rest.setBottom(rest.bottom() - line - gap / 2);
    }
    if (!m_valueAxisTitle.isEmpty()) {
        painter.save();
        painter.translate(rest.left(), rest.center().y());
        painter.rotate(-90);
        painter.setPen(Qt::black);
        painter.drawText(QRectF(-rest.height() / 2, 0, rest.height(), line), Qt::AlignCenter,
                         m_valueAxisTitle);
        painter.restore();
        rest.setLeft(rest.left() + line + gap);
    }

    double labelWidth = 0;
    for (double value = range.low; value <= range.high + range.step / 2; value += range.step)
        labelWidth = std::max(labelWidth, metrics.horizontalAdvance(scaleText(value, range.step)));
    const QRectF plot(rest.left() + labelWidth + gap, rest.top() + line / 2,
                      rest.width() - labelWidth - gap, rest.height() - line / 2 - line - gap);
    if (plot.width() <= 0 || plot.height() <= 0) {
        painter.restore();
        return;
    }

    // Scale and grid.
    QPen gridPen(GridColor, dots(0.1));
    for (double value = range.low; value <= range.high + range.step / 2; value += range.step) {
        const double y =
            plot.bottom() - (value - range.low) / (range.high - range.low) * plot.height();
        painter.setPen(gridPen);
        painter.drawLine(QLineF(plot.left(), y, plot.right(), y));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(rest.left(), y - line / 2, labelWidth, line),
                         Qt::AlignRight | Qt::AlignVCenter, scaleText(value, range.step));
    }
    // Categories.
    const int count = std::max(1, int(m_categories.size()));
    const double slot = plot.width() / count;
    painter.setPen(Qt::black);
    for (int i = 0; i < m_categories.size(); ++i)
        painter.drawText(QRectF(plot.left() + i * slot, plot.bottom() + gap, slot, line),
                         Qt::AlignHCenter | Qt::AlignTop, m_categories.at(i));

    if (m_kind == Kind::Bars)
        paintBars(painter, plot, range);
    else
        paintLines(painter, plot, range);

    QPen axisPen(Qt::black, dots(0.25));
    painter.setPen(axisPen);
    painter.drawLine(QLineF(plot.bottomLeft(), plot.topLeft()));
    const double base = range.low < 0 && range.high > 0
                            ? plot.bottom() + range.low / (range.high - range.low) * plot.height()
                            : plot.bottom();
    painter.drawLine(QLineF(plot.left(), base, plot.right(), base));
    painter.restore();
}

void ChartElement::paintBars(QPainter& painter, const QRectF& plot, const Scale& range) const
{
    const int count = std::max(1, int(m_categories.size()));
    const double slot = plot.width() / count;
    const double barWidth = slot * 0.7 / std::max(1, int(m_series.size()));
    const auto y = [&](double value) {
        return plot.bottom() - (std::clamp(value, range.low, range.high) - range.low) /
                                   (range.high - range.low) * plot.height();
    };
    const double base = y(0);
    for (int s = 0; s < m_series.size(); ++s) {
        const ChartSeries& series = m_series.at(s);
        for (int i = 0; i < std::min(count, int(series.values.size())); ++i) {
            const double value = series.values.at(i);
            if (std::isnan(value))
                continue;
            const double left = plot.left() + i * slot + slot * 0.15 + s * barWidth;
            const QRectF bar =
                QRectF(QPointF(left, y(value)), QPointF(left + barWidth, base)).normalized();
            painter.setPen(Qt::NoPen);
            painter.setBrush(series.color);
            painter.drawRect(bar);
            if (m_valueLabels)
                paintValueLabel(painter, QPointF(bar.center().x(), bar.top()), value);
        }
    }
    painter.setBrush(Qt::NoBrush);
}

void ChartElement::paintLines(QPainter& painter, const QRectF& plot, const Scale& range) const
{
    const int count = std::max(1, int(m_categories.size()));
    const double slot = plot.width() / count;
    const double marker = dots(0.8);
    for (const ChartSeries& series : m_series) {
        QPainterPath path;
        bool drawing = false;
        QVector<QPointF> points;
        for (int i = 0; i < std::min(count, int(series.values.size())); ++i) {
            const double value = series.values.at(i);
            if (std::isnan(value)) {
                drawing = false; // a missing value breaks the line
                continue;
            }
            const QPointF point(plot.left() + (i + 0.5) * slot,
                                plot.bottom() -
                                    (std::clamp(value, range.low, range.high) - range.low) /
                                        (range.high - range.low) * plot.height());
            drawing ? path.lineTo(point) : path.moveTo(point);
            drawing = true;
            points.append(point);
        }
        painter.setPen(QPen(series.color, dots(0.5), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(path);
        painter.setPen(Qt::NoPen);
        painter.setBrush(series.color);
        for (const QPointF& point : points)
            painter.drawEllipse(point, marker, marker);
        if (m_valueLabels) {
            int p = 0;
            for (int i = 0; i < std::min(count, int(series.values.size())); ++i)
                if (!std::isnan(series.values.at(i)))
                    paintValueLabel(painter, points.at(p++) - QPointF(0, marker),
                                    series.values.at(i));
        }
    }
    painter.setBrush(Qt::NoBrush);
}

void ChartElement::paintValueLabel(QPainter& painter, const QPointF& top, double value) const
{
    const QFontMetricsF metrics(painter.font());
    painter.setPen(Qt::black);
    painter.drawText(
        QRectF(top.x() - dots(15), top.y() - metrics.height(), dots(30), metrics.height()),
        Qt::AlignHCenter | Qt::AlignBottom, printedText(value));
}

double ChartElement::legendHeight(QPainter& painter, double width) const
{
    const QFontMetricsF metrics(painter.font());
    const double box = metrics.height() * 0.7;
    const double spacing = metrics.height();
    double x = 0;
    int rows = 1;
    for (const ChartSeries& series : m_series) {
        const double entry = box + spacing / 3 + metrics.horizontalAdvance(series.name);
        if (x > 0 && x + entry > width) {
            ++rows;
            x = 0;
        }
        x += entry + spacing;
    }
    return rows * metrics.height();
}

void ChartElement::paintLegend(QPainter& painter, const QRectF& area) const
{
    const QFontMetricsF metrics(painter.font());
    const double line = metrics.height();
    const double box = line * 0.7;
    const double spacing = line;
    double oneRow = -spacing;
    for (const ChartSeries& series : m_series)
        oneRow += box + spacing / 3 + metrics.horizontalAdvance(series.name) + spacing;
    // A legend on one row is centred under the chart.
    double x = oneRow <= area.width() ? area.left() + (area.width() - oneRow) / 2 : area.left();
    double y = area.top();
    for (const ChartSeries& series : m_series) {
        const double entry = box + spacing / 3 + metrics.horizontalAdvance(series.name);
        if (x > area.left() && x + entry > area.right()) {
            x = area.left();
            y += line;
        }
        painter.setPen(Qt::NoPen);
        painter.setBrush(series.color);
        painter.drawRect(QRectF(x, y + (line - box) / 2, box, box));
        painter.setBrush(Qt::NoBrush);
        painter.setPen(Qt::black);
        painter.drawText(QRectF(x + box + spacing / 3, y, entry, line),
                         Qt::AlignLeft | Qt::AlignVCenter, series.name);
        x += entry + spacing;
    }
}

} // namespace kelvora::report
