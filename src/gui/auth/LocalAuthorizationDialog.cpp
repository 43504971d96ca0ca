#include "gui/auth/LocalAuthorizationDialog.h"

#include "domain/MessageTexts.h"
#include "domain/YesNo.h"
#include "gui/app/MainWindow.h"
#include "gui/widgets/KeyActions.h"
#include "gui/widgets/Messages.h"

#include <QLabel>
#include <QLineEdit>

namespace kelvora {

LocalAuthorizationDialog::LocalAuthorizationDialog(MainWindow& window)
    : GuardedDialog(&window)
    , m_window(window)
    , m_fields(this, QStringLiteral(" Código do Usuário "), QStringLiteral(" Senha "))
{
    setObjectName(QStringLiteral("TPDLGACESSOLOCAL"));
    setWindowTitle(QStringLiteral("Acesso Local"));
    setFixedSize(sizeHint().expandedTo(QSize(360, 0)));

    // Esc checks what was typed, like Enter: the dialog is left only by its own rule.
    KeyActions::on(m_fields.code, {Qt::Key_Return, Qt::Key_Escape}, [this] { codeEntered(); });
    KeyActions::on(m_fields.password, {Qt::Key_Return, Qt::Key_Escape},
                   [this] { passwordEntered(); });
}

std::optional<QString> LocalAuthorizationDialog::authorize(MainWindow& window)
{
    LocalAuthorizationDialog dialog(window);
    dialog.exec();
    return dialog.authorizer();
}

void LocalAuthorizationDialog::codeEntered()
{
    if (const auto user = m_fields.findTypedUser(m_window)) {
        m_user = *user;
        return;
    }
    ++m_codeAttempts;
    Messages::inform(Msg::CodigoNaoCadastrado);
    m_fields.code->clear();
    m_fields.code->setFocus();
    if (m_codeAttempts == AttemptsLimit)
        finish(Rejected);
}

void LocalAuthorizationDialog::passwordEntered()
{
    m_release = false;
    if (!m_fields.passwordMatches(m_user)) {
        ++m_passwordAttempts;
        Messages::inform(Msg::SenhaNaoConfere);
        m_fields.password->clear();
        m_fields.password->setFocus();
        if (m_passwordAttempts == AttemptsLimit)
            finish(Rejected);
        return;
    }
    m_authorizer = m_user.value(QStringLiteral("CODIGO")).toString();
    m_release = isSim(m_user.value(QStringLiteral("LIBERA_AVALIACAO")));
    m_window.showInBanner(QStringLiteral("Usuário: ") + m_fields.name->text());
    finish(Accepted);
}

} // namespace kelvora
