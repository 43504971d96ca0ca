#include "gui/widgets/TextInput.h"

#include <QLineEdit>
#include <QRegularExpression>
#include <QValidator>

namespace kelvora::TextInput {

namespace {

// Turns every edit into capitals (or small letters) as it happens, so the cursor
// stays where it was.
class CaseValidator : public QValidator {
public:
    CaseValidator(bool upper, const QString& allowed, QObject* parent)
        : QValidator(parent)
        , m_upper(upper)
        , m_allowed(QRegularExpression::anchoredPattern(allowed.isEmpty() ? QStringLiteral(".*")
                                                                          : allowed))
    {
    }
    State validate(QString& input, int&) const override
    {
        input = m_upper ? input.toUpper() : input.toLower();
        return m_allowed.match(input).hasMatch() ? Acceptable : Invalid;
    }

private:
    bool m_upper;
    QRegularExpression m_allowed;
};

} // namespace

void forceUpperCase(QLineEdit* edit, const QString& allowed)
{
    edit->setValidator(new CaseValidator(true, allowed, edit));
}

void forceLowerCase(QLineEdit* edit)
{
    edit->setValidator(new CaseValidator(false, {}, edit));
}

void makePasswordField(QLineEdit* edit, int length)
{
    forceUpperCase(edit);
    edit->setMaxLength(length);
    edit->setEchoMode(QLineEdit::Password);
    edit->setStyleSheet(QStringLiteral("lineedit-password-character: 42;")); // "*"
}

} // namespace kelvora::TextInput
