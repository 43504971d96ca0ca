#include "gui/widgets/DateField.h"

#include "domain/DateText.h"

#include <QKeyEvent>

namespace kelvora {

namespace {
const QString Mask = QStringLiteral("00/00/0000;_");
} // namespace

DateField::DateField(QWidget* parent)
    : QLineEdit(parent)
{
    setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("00/00/00000")) + 12);
}

void DateField::setDate(const QDate& date)
{
    setInputMask(date.isValid() ? Mask : QString());
    setText(DateText::format(date));
}

bool DateField::isBlank() const
{
    for (const QChar c : text())
        if (c.isDigit())
            return false;
    return true;
}

DateEntry DateField::entry() const
{
    if (isBlank())
        return {};
    return {true, DateText::parse(text())};
}

void DateField::keyPressEvent(QKeyEvent* event)
{
    const bool typed = !event->text().isEmpty() && event->text().at(0).isPrint();
    if (typed && inputMask().isEmpty()) {
        setInputMask(Mask);
        setCursorPosition(0);
    }
    QLineEdit::keyPressEvent(event);
}

void DateField::focusOutEvent(QFocusEvent* event)
{
    settle();
    QLineEdit::focusOutEvent(event);
}

void DateField::settle()
{
    if (!inputMask().isEmpty() && isBlank())
        setDate(QDate());
}

} // namespace kelvora
