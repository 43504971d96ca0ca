#pragma once

#include "gui/auth/CredentialFields.h"
#include "gui/auth/GuardedDialog.h"

#include <QSqlRecord>

#include <optional>

namespace kelvora {

class MainWindow;

// "Acesso Local": another user authorises one operation that the logged-in
// user's rights refuse. While it runs the main window's user code names whoever
// typed a known code; the caller restores its own user afterwards.
class LocalAuthorizationDialog : public GuardedDialog {
    Q_OBJECT
public:
    explicit LocalAuthorizationDialog(MainWindow& window);

    // The code of the user who authenticated, or nothing after three failures.
    std::optional<QString> authorizer() const { return m_authorizer; }
    // Whether that user may release an assessment that was not scheduled.
    bool releaseFlag() const { return m_release; }

    // Shows the dialog modally and returns the authorizer: the main window's hook.
    static std::optional<QString> authorize(MainWindow& window);

private:
    void codeEntered();
    void passwordEntered();

    MainWindow& m_window;
    CredentialFields m_fields;

    QSqlRecord m_user;
    std::optional<QString> m_authorizer;
    bool m_release = false;
    int m_codeAttempts = 1;
    int m_passwordAttempts = 1;
};

} // namespace kelvora
