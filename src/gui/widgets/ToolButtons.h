#pragma once

#include <QStyle>

class QBoxLayout;
class QToolButton;

namespace kelvora::ToolButtons {

// A button of a register's tool bar, added to `row`: its caption beside its icon, flat
// until the pointer is over it.
QToolButton* add(QBoxLayout* row, const QString& caption, const char* name,
                 QStyle::StandardPixmap icon);

} // namespace kelvora::ToolButtons
