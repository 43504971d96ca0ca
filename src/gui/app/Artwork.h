#pragma once

#include <QPixmap>

namespace kelvora::Artwork {

// The program's picture for the splash window and the about box, painted rather
// than shipped so that it is sharp at any size.
QPixmap splash(const QSize& size);

} // namespace kelvora::Artwork
