#include "report/FigureElement.h"

#include <QPainter>

namespace kelvora::report {

std::optional<Figure> Figure::parse(const QString& text)
{
    Figure figure;
    for (const QString& stroke : text.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QStringList words = stroke.simplified().split(QLatin1Char(' '));
        QVector<double> numbers;
        for (int i = 1; i < words.size(); ++i) {
            bool isNumber = false;
            numbers.append(words.at(i).toDouble(&isNumber));
            if (!isNumber)
                return std::nullopt;
        }
        if (words.first() == QLatin1String("c") && numbers.size() == 3) {
            figure.circles.append({{numbers[0], numbers[1]}, numbers[2]});
        } else if (words.first() == QLatin1String("l") && numbers.size() >= 4 &&
                   numbers.size() % 2 == 0) {
            QVector<QPointF> points;
            for (int i = 0; i < numbers.size(); i += 2)
                points.append({numbers[i], numbers[i + 1]});
            figure.lines.append(points);
        } else {
            return std::nullopt;
        }
    }
    return figure;
}

FigureElement::FigureElement(const QRectF& frame, Figure figure)
    : Element(frame)
    , m_figure(std::move(figure))
{
}

void FigureElement::paint(QPainter& painter, const QRectF& area, const PrintContext&) const
{
    const double scale = std::min(area.width(), area.height()) / 100.0;
    painter.translate(area.center() - QPointF(50 * scale, 50 * scale));
    painter.scale(scale, scale);
    QPen pen(Qt::black, 3.0); // in figure units: a clear stroke at any size
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    for (const QVector<QPointF>& line : m_figure.lines)
        painter.drawPolyline(line.constData(), int(line.size()));
    for (const Figure::Circle& circle : m_figure.circles)
        painter.drawEllipse(circle.centre, circle.radius, circle.radius);
}

} // namespace kelvora::report
