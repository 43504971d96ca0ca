#include "gui/widgets/JpegPicture.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QPixmap>

namespace kelvora::JpegPicture {

namespace {
const int Quality = 90;
} // namespace

QByteArray encode(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (image.isNull() || !image.save(&buffer, "JPEG", Quality))
        return {};
    return bytes;
}

QByteArray fromFile(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer);
    const QByteArray format = reader.format();
    const QImage image = reader.read();
    if (image.isNull())
        return {};
    return format == "jpeg" ? bytes : encode(image);
}

void show(QLabel* frame, const QByteArray& jpeg)
{
    QPixmap pixmap;
    if (!jpeg.isEmpty())
        pixmap.loadFromData(jpeg, "JPEG");
    frame->setPixmap(pixmap.isNull()
                         ? QPixmap()
                         : pixmap.scaled(frame->contentsRect().size(), Qt::KeepAspectRatio,
                                         Qt::SmoothTransformation));
}

} // namespace kelvora::JpegPicture
