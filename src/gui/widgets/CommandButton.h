#pragma once

#include <QStyle>

class QPushButton;
class QWidget;

namespace kelvora {

// A button with a picture of the style, its name (BBNCONFIRMA, BBNRETORNA, ...) and its
// caption repeated as its hint.
QPushButton* commandButton(QWidget* parent, const char* objectName, const QString& text,
                           QStyle::StandardPixmap icon);

} // namespace kelvora
