#pragma once

#include <QByteArray>
#include <QString>

class QImage;
class QLabel;

// Pictures are stored as the bytes of a JPEG file.
namespace kelvora::JpegPicture {

// `image` as the bytes of a JPEG file; empty when it cannot be encoded.
QByteArray encode(const QImage& image);

// The picture in `fileName` as JPEG bytes: a JPEG file as it is, any other picture
// format Qt reads (PNG, BMP, ...) converted. Empty when the file holds no picture.
QByteArray fromFile(const QString& fileName);

// Shows `jpeg` in `frame`, scaled to fit; an empty or undecodable picture leaves it empty.
void show(QLabel* frame, const QByteArray& jpeg);

} // namespace kelvora::JpegPicture
