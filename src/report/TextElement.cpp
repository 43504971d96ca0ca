#include "report/TextElement.h"

#include "domain/DateText.h"
#include "report/Units.h"

#include <QFontMetricsF>
#include <QPainter>

namespace kelvora::report {

namespace Source {

TextSource fixed(const QString& text)
{
    return [text](const PrintContext&) { return text; };
}

TextSource column(const QString& name)
{
    return [name](const PrintContext& context) { return printedText(context.value(name)); };
}

TextSource printDate()
{
    return [](const PrintContext& context) { return DateText::format(context.printedAt.date()); };
}

TextSource printTime()
{
    return
        [](const PrintContext& context) { return DateText::formatTime(context.printedAt.time()); };
}

TextSource pageNumber()
{
    return [](const PrintContext& context) { return QString::number(context.page); };
}

TextSource rowCount()
{
    return [](const PrintContext& context) { return QString::number(context.rowCount); };
}

} // namespace Source

TextElement::TextElement(const QRectF& frame, TextSource source)
    : Element(frame)
    , m_source(std::move(source))
    , m_font(defaultFont())
{
}

TextElement& TextElement::setFont(const QFont& font)
{
    m_font = font;
    return *this;
}

TextElement& TextElement::setPointSize(double points)
{
    m_font.setPointSizeF(points);
    return *this;
}

TextElement& TextElement::setBold(bool bold)
{
    m_font.setBold(bold);
    return *this;
}

TextElement& TextElement::setColor(const QColor& color)
{
    m_color = color;
    return *this;
}

TextElement& TextElement::setAlignment(Qt::Alignment alignment)
{
    m_alignment = alignment;
    return *this;
}

TextElement& TextElement::setWordWrap(bool wrap)
{
    m_wordWrap = wrap;
    return *this;
}

TextElement& TextElement::setGrowsDown(bool grows)
{
    m_growsDown = grows;
    m_wordWrap = m_wordWrap || grows;
    return *this;
}

int TextElement::flags() const
{
    return int(m_alignment) | (m_wordWrap ? Qt::TextWordWrap : 0);
}

double TextElement::height(const PrintContext& context) const
{
    if (!m_growsDown)
        return frame().height();
    const QString content = text(context);
    if (content.isEmpty())
        return frame().height();
    const QFontMetricsF metrics(paintedFont(m_font));
    const QRectF needed =
        metrics.boundingRect(QRectF(0, 0, dots(frame().width()), 1e9), flags(), content);
    return std::max(frame().height(), millimetres(needed.height()));
}

void TextElement::paint(QPainter& painter, const QRectF& area, const PrintContext& context) const
{
    const QString content = text(context);
    if (content.isEmpty())
        return;
    painter.setFont(paintedFont(m_font));
    painter.setPen(m_color);
    painter.drawText(area, flags(), content);
}

} // namespace kelvora::report
