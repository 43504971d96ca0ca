#include "report/Band.h"

#include <algorithm>

namespace kelvora::report {

TextElement& Band::addText(const QRectF& frame, const QString& text)
{
    return addText(frame, Source::fixed(text));
}

TextElement& Band::addText(const QRectF& frame, TextSource source)
{
    return add(std::make_unique<TextElement>(frame, std::move(source)));
}

TextElement& Band::addField(const QRectF& frame, const QString& column)
{
    return addText(frame, Source::column(column));
}

RichTextElement& Band::addRichText(const QRectF& frame, TextSource source)
{
    return add(std::make_unique<RichTextElement>(frame, std::move(source)));
}

ImageElement& Band::addImage(const QRectF& frame, BytesSource source)
{
    return add(std::make_unique<ImageElement>(frame, std::move(source)));
}

ShapeElement& Band::addShape(const QRectF& frame, ShapeElement::Shape shape)
{
    return add(std::make_unique<ShapeElement>(frame, shape));
}

ChartElement& Band::addChart(const QRectF& frame, ChartElement::Kind kind)
{
    return add(std::make_unique<ChartElement>(frame, kind));
}

Band& Band::addChild(double height)
{
    Band* last = this;
    while (last->m_child)
        last = last->m_child.get();
    last->m_child = std::make_unique<Band>(height);
    return *last->m_child;
}

double Band::breakBefore(double height, const Measure& measure, const PrintContext& context) const
{
    // Lowering the cut for one element may cut another: go on until none is cut.
    double cut = height;
    for (bool lowered = true; lowered;) {
        lowered = false;
        for (size_t i = 0; i < m_elements.size(); ++i) {
            const Element& element = *m_elements[i];
            const double top = element.frame().top();
            const double bottom = top + measure.elementHeights.at(int(i));
            if (!element.isVisible() || top >= cut - 1e-6 || bottom <= cut + 1e-6)
                continue;
            const double kept = top + element.breakBefore(cut - top, context);
            if (kept < cut - 1e-6) {
                cut = std::max(0.0, kept);
                lowered = true;
            }
        }
    }
    return cut;
}

Band::Measure Band::measure(const PrintContext& context) const
{
    Measure result{m_height, {}};
    result.elementHeights.reserve(int(m_elements.size()));
    for (const auto& element : m_elements) {
        const double height = element->isVisible() ? element->height(context) : 0;
        result.elementHeights.append(height);
        if (!element->isVisible())
            continue;
        // A grown element keeps the room the band had below it.
        const double below = std::max(0.0, m_height - element->frame().bottom());
        result.height = std::max(result.height, element->frame().top() + height + below);
    }
    return result;
}

} // namespace kelvora::report
