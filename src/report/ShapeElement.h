#pragma once

#include "report/Element.h"

#include <QColor>

namespace kelvora::report {

// A rule or a frame. A horizontal rule runs along the middle of its frame's height,
// a vertical one along the middle of its width; a rectangle outlines its frame and
// may be filled.
class ShapeElement : public Element {
public:
    enum class Shape { HorizontalRule, VerticalRule, Rectangle };

    ShapeElement(const QRectF& frame, Shape shape);

    ShapeElement& setLineWidth(double millimetres);
    ShapeElement& setColor(const QColor& color);
    ShapeElement& setFill(const QColor& color);

    void paint(QPainter& painter, const QRectF& area, const PrintContext& context) const override;

private:
    Shape m_shape;
    double m_lineWidth = 0.3;
    QColor m_color = Qt::black;
    QColor m_fill; // invalid: not filled
};

} // namespace kelvora::report
