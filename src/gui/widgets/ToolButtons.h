#pragma once

#include <QStyle>
#include <QVector>

#include <functional>

class QBoxLayout;
class QToolButton;
class QWidget;

namespace kelvora::ToolButtons {

// A button of a register's tool bar, added to `row`: its caption beside its icon, flat
// until the pointer is over it.
QToolButton* add(QBoxLayout* row, const QString& caption, const char* name,
                 QStyle::StandardPixmap icon);

struct Entry {
    const char* caption;
    const char* name;
    QStyle::StandardPixmap icon;
    std::function<void()> action;
};

// A register's tool bar: one button an entry, in order, left-aligned. The buttons
// made are appended to `made` when given.
QWidget* bar(QWidget* parent, const QVector<Entry>& entries, QVector<QToolButton*>* made = nullptr);

} // namespace kelvora::ToolButtons
