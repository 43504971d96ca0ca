#pragma once

#include <QSqlRecord>
#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kelvora {

class MainWindow;
class UserGrid;

// "Usuários": the register of the people who use the program. Includes a user
// (code, name, password, physician flag, and full access or none), changes the
// password and the physician flag after the current password, and deletes a user.
// After a confirmation the access-level editor follows through its menu item, so
// the new rights are set under the same access check as from the menu.
class UserRegister : public QWidget {
    Q_OBJECT
public:
    explicit UserRegister(MainWindow& window, QWidget* parent = nullptr);

private:
    enum class Mode { Browse, Include, Change, Delete };

    QPushButton* addButton(QLayout* layout, const char* name, const QString& text);
    void reload();

    void include();
    void change();
    void remove();
    void confirm();
    void cancel();
    void showListing();
    void showHelp();

    void codeEntered();
    void nameEntered();
    void newPasswordEntered();
    void repetitionEntered();
    void currentPasswordEntered();

    bool refusedOnMaster(bool deleting);
    bool readSelectedUser();
    bool passwordsAccepted();
    bool write();
    void browse();
    void setEditing(Mode mode, const QString& caption);
    void refuseField(QLineEdit* field, const QString& text, const QString& detail = {});
    void clearNewPasswords();

    MainWindow& m_window;
    Mode m_mode = Mode::Browse;
    QSqlRecord m_original;
    int m_attempts = 1;

    UserGrid* m_grid;
    QWidget* m_toolBar;
    QLineEdit* m_code;
    QLineEdit* m_name;
    QCheckBox* m_physician;
    QWidget* m_currentPanel;
    QLineEdit* m_currentPassword;
    QWidget* m_newPanel;
    QLineEdit* m_newPassword;
    QLineEdit* m_repetition;
    QPushButton* m_confirm;
    QPushButton* m_cancel;
};

} // namespace kelvora
