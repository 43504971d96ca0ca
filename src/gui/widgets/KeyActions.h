#pragma once

#include <QList>

#include <functional>

class QWidget;

namespace kelvora::KeyActions {

// Runs `action` instead of the usual handling when one of `keys` is pressed in
// `widget` (Enter in a field moves along a fixed order, Esc in a dialog's field
// is a command of that field rather than closing the dialog). Qt::Key_Return
// stands for both Enter keys.
void on(QWidget* widget, const QList<int>& keys, std::function<void()> action);

// Enter in each widget of `order` moves the focus to the next one.
void enterMovesAlong(const QList<QWidget*>& order);

} // namespace kelvora::KeyActions
