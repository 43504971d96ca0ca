#pragma once

#include "report/Element.h"

#include <QColor>
#include <QFont>

#include <functional>

namespace kelvora::report {

// Where a text comes from, asked at every printing of its band.
using TextSource = std::function<QString(const PrintContext&)>;

namespace Source {
TextSource fixed(const QString& text);
TextSource column(const QString& name); // the value of the band's data row, as printed
TextSource printDate();                 // "dd/MM/yyyy" of the moment of printing
TextSource printTime();                 // "HH:mm:ss" of the moment of printing
TextSource pageNumber();                // the number of the page the band lands on
TextSource rowCount();                  // the rows counted: a group's or the report's
} // namespace Source

// A line or block of text in one font and colour, aligned in its frame. With word
// wrap it breaks at blanks; growing downwards, its frame lengthens to show it all
// (otherwise what does not fit is cut off).
class TextElement : public Element {
public:
    TextElement(const QRectF& frame, TextSource source);

    QString text(const PrintContext& context) const { return m_source(context); }

    const QFont& font() const { return m_font; }
    TextElement& setFont(const QFont& font);
    TextElement& setPointSize(double points);
    TextElement& setBold(bool bold = true);
    TextElement& setColor(const QColor& color);
    TextElement& setAlignment(Qt::Alignment alignment);
    TextElement& setWordWrap(bool wrap = true);
    TextElement& setGrowsDown(bool grows = true); // also turns word wrap on

    double height(const PrintContext& context) const override;
    void paint(QPainter& painter, const QRectF& area, const PrintContext& context) const override;

private:
    int flags() const;

    TextSource m_source;
    QFont m_font;
    QColor m_color = Qt::black;
    Qt::Alignment m_alignment = Qt::AlignLeft | Qt::AlignTop;
    bool m_wordWrap = false;
    bool m_growsDown = false;
};

} // namespace kelvora::report
