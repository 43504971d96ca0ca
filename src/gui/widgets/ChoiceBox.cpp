#include "gui/widgets/ChoiceBox.h"

#include <QKeyEvent>

namespace kelvora {

ChoiceBox::ChoiceBox(const QStringList& choices, QWidget* parent)
    : QComboBox(parent)
{
    addItems(choices);
}

void ChoiceBox::showValue(const QString& value)
{
    setCurrentIndex(findText(value));
    setPlaceholderText(value);
}

void ChoiceBox::keyPressEvent(QKeyEvent* event)
{
    const bool typed = !event->text().isEmpty() && event->text().at(0).isPrint();
    if (typed || event->key() == Qt::Key_Insert || event->key() == Qt::Key_Delete) {
        event->accept();
        return;
    }
    QComboBox::keyPressEvent(event);
}

} // namespace kelvora
