#include "report/ImageElement.h"

#include "report/Units.h"

#include <QPainter>

namespace kelvora::report {

ImageElement::ImageElement(const QRectF& frame, BytesSource source)
    : Element(frame)
    , m_source(std::move(source))
{
}

BytesSource ImageElement::fixed(const QByteArray& jpeg)
{
    return [jpeg](const PrintContext&) { return jpeg; };
}

BytesSource ImageElement::column(const QString& name)
{
    return [name](const PrintContext& context) { return context.value(name).toByteArray(); };
}

ImageElement& ImageElement::setFit(Fit fit)
{
    m_fit = fit;
    return *this;
}

// QPdfWriter never copies JPEG bytes into the file: it decodes nothing itself but
// encodes every QImage it is given again as JPEG at quality 94 (grey pictures too,
// as colour). Measured with Qt 6.4: a quality-75 photo of 720x477 pixels (81 kB)
// takes 124 kB in the PDF, a quality-86 one (101 kB) 114 kB, and a 1440x954 one
// (223 kB) 255 kB whatever the size it is printed at. So a picture keeps its own
// pixels up to what its frame shows at PrintDpi and is reduced beyond that: the
// same 1440x954 photo in a 40x30 mm frame then adds 31 kB, and one taken by a
// camera with many more pixels costs no more than that.
QImage ImageElement::printedImage(const PrintContext& context) const
{
    const QByteArray bytes = m_source(context);
    if (bytes.isEmpty())
        return {};
    if (bytes == m_preparedFrom)
        return m_prepared;
    QImage image = QImage::fromData(bytes, "JPEG");
    const QSize most(int(frame().width() / 25.4 * PrintDpi + 0.5),
                     int(frame().height() / 25.4 * PrintDpi + 0.5));
    if (!image.isNull() && (image.width() > most.width() || image.height() > most.height())) {
        // Stretched pictures lose their proportion anyway; each side is only ever reduced.
        image = m_fit == Fit::Stretch
                    ? image.scaled(std::min(image.width(), most.width()),
                                   std::min(image.height(), most.height()), Qt::IgnoreAspectRatio,
                                   Qt::SmoothTransformation)
                    : image.scaled(most, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    m_preparedFrom = bytes;
    m_prepared = image;
    return image;
}

void ImageElement::paint(QPainter& painter, const QRectF& area, const PrintContext& context) const
{
    const QImage image = printedImage(context);
    if (image.isNull())
        return;
    QRectF target = area;
    if (m_fit == Fit::KeepProportion) {
        const QSizeF size = QSizeF(image.size()).scaled(area.size(), Qt::KeepAspectRatio);
        target = QRectF(QPointF(), size);
        target.moveCenter(area.center());
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, image);
}

} // namespace kelvora::report
