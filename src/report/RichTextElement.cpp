#include "report/RichTextElement.h"

#include "report/Units.h"

#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QPainter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

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

double RichTextElement::breakBefore(double height, const PrintContext& context) const
{
    const std::unique_ptr<QTextDocument> laidOut = document(context);
    QAbstractTextDocumentLayout* layout = laidOut->documentLayout();
    const double limit = dots(height);
    double cut = 0;
    for (QTextBlock block = laidOut->begin(); block.isValid(); block = block.next()) {
        const double blockTop = layout->blockBoundingRect(block).top();
        const QTextLayout* lines = block.layout();
        for (int i = 0; i < lines->lineCount(); ++i) {
            const double bottom = blockTop + lines->lineAt(i).rect().bottom();
            if (bottom > limit)
                return millimetres(cut);
            cut = bottom;
        }
    }
    return millimetres(cut);
}

void RichTextElement::paint(QPainter& painter, const QRectF& area,
                            const PrintContext& context) const
{
    const std::unique_ptr<QTextDocument> laidOut = document(context);
    painter.save();
    painter.translate(area.topLeft());
    // On a page that shows part of its band, only the lines of that part are drawn:
    // the others would be hidden, yet still be text of the page.
    QRectF clip(0, 0, area.width(), area.height());
    if (painter.hasClipping())
        clip &= painter.clipBoundingRect();
    painter.setClipRect(clip);
    QAbstractTextDocumentLayout::PaintContext paintContext;
    // A line that only touches the part's edge belongs to the neighbouring page.
    paintContext.clip = clip.adjusted(0, 1, 0, -1);
    paintContext.palette.setColor(QPalette::Text, Qt::black);
    laidOut->documentLayout()->draw(&painter, paintContext);
    painter.restore();
}

} // namespace kelvora::report
