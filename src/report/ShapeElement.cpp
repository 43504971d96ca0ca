#include "report/ShapeElement.h"

#include "report/Units.h"

#include <QPainter>

namespace kelvora::report {

ShapeElement::ShapeElement(const QRectF& frame, Shape shape)
    : Element(frame)
    , m_shape(shape)
{
}

ShapeElement& ShapeElement::setLineWidth(double millimetres)
{
    m_lineWidth = millimetres;
    return *this;
}

ShapeElement& ShapeElement::setColor(const QColor& color)
{
    m_color = color;
    return *this;
}

ShapeElement& ShapeElement::setFill(const QColor& color)
{
    m_fill = color;
    return *this;
}

void ShapeElement::paint(QPainter& painter, const QRectF& area, const PrintContext&) const
{
    QPen pen(m_color, dots(m_lineWidth));
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(m_lineWidth > 0 ? pen : QPen(Qt::NoPen));
    switch (m_shape) {
    case Shape::HorizontalRule:
        painter.drawLine(QLineF(area.left(), area.center().y(), area.right(), area.center().y()));
        break;
    case Shape::VerticalRule:
        painter.drawLine(QLineF(area.center().x(), area.top(), area.center().x(), area.bottom()));
        break;
    case Shape::Rectangle: {
        painter.setBrush(m_fill.isValid() ? QBrush(m_fill) : QBrush(Qt::NoBrush));
        // The line lies inside the frame, so neighbouring frames do not overlap.
        const double inset = dots(m_lineWidth) / 2;
        painter.drawRect(area.adjusted(inset, inset, -inset, -inset));
        painter.setBrush(Qt::NoBrush);
        break;
    }
    }
}

} // namespace kelvora::report
