#include "report/RichTextElement.h"

#include "report/Units.h"

#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QPainter>
#include <QTextDocument>

namespace kelvora::report {

namespace {

// QTextDocument turns the point sizes of the markup into pixels of its paint device;
// this one has the dots' resolution, so the laid-out text is already in dots.
QPaintDevice* dotDevice()
{
    static QImage device = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        const int dotsPerMetre = int(DotsPerInch / 0.0254 + 0.5);
        image.setDotsPerMeterX(dotsPerMetre);
        image.setDotsPerMeterY(dotsPerMetre);
        return image;
    }();
    return &device;
}

} // namespace

RichTextElement::RichTextElement(const QRectF& frame, TextSource source)
    : Element(frame)
    , m_source(std::move(source))
    , m_font(defaultFont())
{
}

RichTextElement& RichTextElement::setFont(const QFont& font)
{
    m_font = font;
    return *this;
}

RichTextElement& RichTextElement::setGrowsDown(bool grows)
{
    m_growsDown = grows;
    return *this;
}

std::unique_ptr<QTextDocument> RichTextElement::document(const PrintContext& context) const
{
    auto document = std::make_unique<QTextDocument>();
    document->documentLayout()->setPaintDevice(dotDevice());
    document->setDocumentMargin(0);
    document->setDefaultFont(m_font);
    const QString content = m_source(context);
    if (Qt::mightBeRichText(content))
        document->setHtml(content);
    else
        document->setPlainText(content);
    document->setTextWidth(dots(frame().width()));
    return document;
}

double RichTextElement::height(const PrintContext& context) const
{
    if (!m_growsDown)
        return frame().height();
    return std::max(frame().height(), millimetres(document(context)->size().height()));
}

void RichTextElement::paint(QPainter& painter, const QRectF& area,
                            const PrintContext& context) const
{
    const std::unique_ptr<QTextDocument> laidOut = document(context);
    painter.save();
    painter.translate(area.topLeft());
    const QRectF clip(0, 0, area.width(), area.height());
    painter.setClipRect(clip);
    QAbstractTextDocumentLayout::PaintContext paintContext;
    paintContext.clip = clip;
    paintContext.palette.setColor(QPalette::Text, Qt::black);
    laidOut->documentLayout()->draw(&painter, paintContext);
    painter.restore();
}

} // namespace kelvora::report
