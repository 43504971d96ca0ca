#pragma once

#include "report/Element.h"

#include <QPointF>
#include <QVector>

#include <optional>

namespace kelvora::report {

// A line drawing in a box of 100 by 100 units: lines through points and circles,
// scaled to fit its frame and centred in it.
struct Figure {
    struct Circle {
        QPointF centre;
        double radius;
    };
    QVector<QVector<QPointF>> lines;
    QVector<Circle> circles;

    // "c X Y R" circles and "l X1 Y1 X2 Y2 ..." lines, separated by ";". None when
    // the text is not such a drawing.
    static std::optional<Figure> parse(const QString& text);
};

class FigureElement : public Element {
public:
    FigureElement(const QRectF& frame, Figure figure);
    void paint(QPainter& painter, const QRectF& area, const PrintContext& context) const override;

private:
    Figure m_figure;
};

} // namespace kelvora::report
