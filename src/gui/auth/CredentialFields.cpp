#include "gui/auth/CredentialFields.h"

#include "data/DataError.h"
#include "data/PasswordHash.h"
#include "data/Users.h"
#include "domain/MessageTexts.h"
#include "gui/app/Artwork.h"
#include "gui/app/MainWindow.h"
#include "gui/widgets/Messages.h"
#include "gui/widgets/TextInput.h"

#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace kelvora {

namespace {
int widthFor(const QWidget* widget, int characters)
{
    return widget->fontMetrics().horizontalAdvance(QString(characters, QLatin1Char('M'))) + 12;
}
} // namespace

CredentialFields::CredentialFields(QDialog* dialog, const QString& codeCaption,
                                   const QString& passwordCaption)
    : code(new QLineEdit(dialog))
    , name(new QLabel(dialog))
    , password(new QLineEdit(dialog))
    , grid(new QGridLayout(dialog))
{
    code->setObjectName(QStringLiteral("EDTCODIGOUSUARIO"));
    TextInput::forceUpperCase(code);
    code->setMaxLength(2);
    code->setFixedWidth(widthFor(code, 4));
    name->setObjectName(QStringLiteral("LBLNOMEUSUARIO"));
    name->setMinimumWidth(widthFor(name, 14));
    password->setObjectName(QStringLiteral("EDTSENHA"));
    TextInput::makePasswordField(password, 6);
    password->setFixedWidth(widthFor(password, 8));
    password->setEnabled(false);

    auto* picture = new QLabel(dialog);
    picture->setPixmap(Artwork::padlock(48));
    picture->setAlignment(Qt::AlignTop);
    auto* codeLabel = new QLabel(codeCaption, dialog);
    codeLabel->setBuddy(code);
    auto* passwordLabel = new QLabel(passwordCaption, dialog);
    passwordLabel->setBuddy(password);

    grid->setContentsMargins(16, 16, 16, 14);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(8);
    grid->addWidget(picture, 0, 0, 3, 1);
    grid->addWidget(codeLabel, 0, 1);
    grid->addWidget(code, 0, 2);
    grid->addWidget(name, 0, 3);
    grid->addWidget(passwordLabel, 1, 1);
    grid->addWidget(password, 1, 2, 1, 2, Qt::AlignLeft);
    grid->setColumnStretch(3, 1);
}

std::optional<QSqlRecord> CredentialFields::findTypedUser(MainWindow& window)
{
    std::optional<QSqlRecord> user;
    try {
        user = Users::find(window.ownConnection(), code->text());
    } catch (const OpenFailed&) {
        Messages::inform(Msg::AberturaDeTabela, QStringLiteral("Usuarios"));
        return std::nullopt;
    }
    if (user) {
        name->setText(user->value(QStringLiteral("NOME")).toString());
        window.setUserCode(code->text());
        code->setEnabled(false);
        password->setEnabled(true);
        password->setFocus();
    }
    return user;
}

bool CredentialFields::passwordMatches(const QSqlRecord& user) const
{
    return PasswordHash::verify(user.value(QStringLiteral("SENHA")).toString(), password->text());
}

} // namespace kelvora
