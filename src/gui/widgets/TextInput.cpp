#include "gui/widgets/TextInput.h"

#include <QLineEdit>
#include <QValidator>

namespace kelvora::TextInput {

namespace {

// Turns every edit into capitals as it happens, so the cursor stays where it was.
class UpperCaseValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override
    {
        input = input.toUpper();
        return Acceptable;
    }
};

} // namespace

void forceUpperCase(QLineEdit* edit)
{
    edit->setValidator(new UpperCaseValidator(edit));
}

void makePasswordField(QLineEdit* edit, int length)
{
    forceUpperCase(edit);
    edit->setMaxLength(length);
    edit->setEchoMode(QLineEdit::Password);
    edit->setStyleSheet(QStringLiteral("lineedit-password-character: 42;")); // "*"
}

} // namespace kelvora::TextInput
