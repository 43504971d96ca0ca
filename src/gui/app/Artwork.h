#pragma once

#include <QIcon>
#include <QPixmap>

namespace kelvora::Artwork {

// The program's picture for the splash window and the about box, painted rather
// than shipped so that it is sharp at any size.
QPixmap splash(const QSize& size);

// The program's icon for its windows, in every size the desktop entry installs.
QIcon icon();

// The padlock of the login dialogs, `side` pixels square.
QPixmap padlock(int side);

} // namespace kelvora::Artwork
