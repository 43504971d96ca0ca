#pragma once

// The picture the report benchmarks print: photo-like, so that its JPEG weighs what
// a webcam's does.
#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>

namespace kelvora::bench {

// A photo-like JPEG of 640 x 480 pixels, as the webcam stores them.
inline QByteArray samplePhoto(quint32 seed, QColor tint)
{
    QImage image(640, 480, QImage::Format_RGB32);
    QRandomGenerator random(seed);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const int noise = int(random.bounded(24));
            image.setPixel(x, y,
                           qRgb((tint.red() + x / 5 + noise) % 256,
                                (tint.green() + y / 4 + noise) % 256, (tint.blue() + noise) % 256));
        }
    QPainter painter(&image);
    painter.setBrush(QColor(230, 190, 160));
    painter.drawEllipse(QPointF(320, 200), 110, 140);
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 80);
    return bytes;
}

} // namespace kelvora::bench
