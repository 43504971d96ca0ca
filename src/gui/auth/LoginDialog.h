#pragma once

#include "data/DatabaseSize.h"
#include "gui/auth/CredentialFields.h"
#include "gui/auth/GuardedDialog.h"

#include <QSqlRecord>

class QLabel;

namespace kelvora {

class MainWindow;

// "Acesso": the door of the program, shown at start and by "Muda Usuário". When
// shown it brings the database to the current schema and watches its size; then
// a user gives code and password. Outside change-user mode the third wrong code
// or password ends the program.
class LoginDialog : public GuardedDialog {
    Q_OBJECT
public:
    explicit LoginDialog(MainWindow& window);

    // True when the dialog ended the program instead of letting a user in.
    bool terminated() const { return m_terminated; }

    // Shows the dialog modally: the main window's login. False when it ended the program.
    static bool run(MainWindow& window);

    // The thresholds of the size check (tests make them small).
    void setSizeLimits(const SizeLimits& limits) { m_sizeLimits = limits; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void prepare();
    void upgradeSchema();
    bool openTables();
    void checkDatabaseSize();
    void purgeOldestYear();
    void showProgress(const QString& text);
    void hideProgress();

    void codeEntered();
    void passwordEntered();
    void backToCode();
    void terminate();

    MainWindow& m_window;
    CredentialFields m_fields;
    QLabel* m_progress;

    QSqlRecord m_user;
    int m_codeAttempts = 1;
    int m_passwordAttempts = 1;
    bool m_terminated = false;
    SizeLimits m_sizeLimits;
};

} // namespace kelvora
