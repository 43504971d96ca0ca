#pragma once

#include "report/ChartElement.h"
#include "report/ImageElement.h"
#include "report/RichTextElement.h"
#include "report/ShapeElement.h"
#include "report/TextElement.h"

#include <memory>
#include <vector>

namespace kelvora::report {

// A strip across the page, as wide as the space between the margins, holding
// elements placed in millimetres from its top-left corner. It is as tall as its
// height, or taller when an element grows below it. A band can be switched off
// before printing, and it may have a chain of child bands printed right after it;
// switching a band off leaves its children in place.
class Band {
public:
    explicit Band(double height = 0)
        : m_height(height)
    {
    }
    Band(const Band&) = delete;
    Band& operator=(const Band&) = delete;

    double height() const { return m_height; }
    void setHeight(double height) { m_height = height; }

    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled) { m_enabled = enabled; }

    // A band that does not fit below what the page holds starts the next page, kept
    // in one piece where it can; a band of running text rather goes on from where it
    // stands, over as many pages as it needs.
    bool isKeptTogether() const { return m_keptTogether; }
    void setKeptTogether(bool kept) { m_keptTogether = kept; }

    TextElement& addText(const QRectF& frame, const QString& text);
    TextElement& addText(const QRectF& frame, TextSource source);
    TextElement& addField(const QRectF& frame, const QString& column);
    RichTextElement& addRichText(const QRectF& frame, TextSource source);
    ImageElement& addImage(const QRectF& frame, BytesSource source);
    ShapeElement& addShape(const QRectF& frame, ShapeElement::Shape shape);
    ChartElement& addChart(const QRectF& frame, ChartElement::Kind kind);

    template <typename T> T& add(std::unique_ptr<T> element)
    {
        T& added = *element;
        m_elements.push_back(std::move(element));
        return added;
    }
    const std::vector<std::unique_ptr<Element>>& elements() const { return m_elements; }

    // A new band at the end of this band's chain of children.
    Band& addChild(double height = 0);
    Band* child() const { return m_child.get(); }

    // The height printed in `context`, with its grown elements: those that are
    // visible, and their heights, in the order of elements().
    struct Measure {
        double height = 0;
        QVector<double> elementHeights;
    };
    Measure measure(const PrintContext& context) const;

    // Where a band too tall for a page may be cut, at most `height` into it: no line
    // of an element is cut in two, and an element that cannot be cut goes below.
    // 0 when nothing can go above the cut.
    double breakBefore(double height, const Measure& measure, const PrintContext& context) const;

private:
    double m_height;
    bool m_enabled = true;
    bool m_keptTogether = true;
    std::vector<std::unique_ptr<Element>> m_elements;
    std::unique_ptr<Band> m_child;
};

} // namespace kelvora::report
