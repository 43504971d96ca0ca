#pragma once

#include "report/Element.h"

#include <QByteArray>
#include <QImage>

#include <functional>

namespace kelvora::report {

using BytesSource = std::function<QByteArray(const PrintContext&)>;

// A stored picture (the bytes of a JPEG file) in a frame: stretched to fill it or
// kept in proportion and centred. Empty or unreadable bytes leave the frame empty.
class ImageElement : public Element {
public:
    enum class Fit { Stretch, KeepProportion };

    ImageElement(const QRectF& frame, BytesSource source);

    static BytesSource fixed(const QByteArray& jpeg);
    static BytesSource column(const QString& name);

    ImageElement& setFit(Fit fit);

    // The picture as it goes to the page: decoded, and reduced when it has more
    // pixels than the frame can show at PrintDpi. Null when the bytes are unreadable.
    QImage printedImage(const PrintContext& context) const;

    void paint(QPainter& painter, const QRectF& area, const PrintContext& context) const override;

    static constexpr double PrintDpi = 200;

private:
    BytesSource m_source;
    Fit m_fit = Fit::Stretch;
    // The last picture prepared, so that one drawn on every page is decoded once and,
    // being the same QImage, stored once in a PDF.
    mutable QByteArray m_preparedFrom;
    mutable QImage m_prepared;
};

} // namespace kelvora::report
