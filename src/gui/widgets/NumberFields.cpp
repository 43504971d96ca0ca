#include "gui/widgets/NumberFields.h"

#include "domain/bodycomp/Fields.h"

#include <QKeyEvent>
#include <QRegularExpressionValidator>

namespace kelvora {

MeasureField::MeasureField(QWidget* parent)
    : QLineEdit(parent)
{
    setMaxLength(bodycomp::MeasureMaxLength);
    // The validator also keeps pasted text to digits and one comma.
    setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]*,?[0-9]*")), this));
}

void MeasureField::keyPressEvent(QKeyEvent* event)
{
    if (event->text() == QLatin1String(".")) {
        QKeyEvent comma(event->type(), Qt::Key_Comma, event->modifiers(), QStringLiteral(","));
        QLineEdit::keyPressEvent(&comma);
        return;
    }
    QLineEdit::keyPressEvent(event);
}

QLineEdit* wholeNumberField(QWidget* parent, int maxLength)
{
    auto* field = new QLineEdit(parent);
    field->setMaxLength(maxLength);
    field->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), field));
    return field;
}

} // namespace kelvora
