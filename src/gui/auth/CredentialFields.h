#pragma once

#include <QSqlRecord>
#include <QString>

#include <optional>

class QDialog;
class QGridLayout;
class QLabel;
class QLineEdit;

namespace kelvora {

class MainWindow;

// Attempts are counted from 1, so the third failure of a kind reaches the limit.
inline constexpr int AttemptsLimit = 4;

// The fields both login dialogs share, laid out beside a padlock: the user code
// (2 characters), the name of the user found, and the password (6 characters,
// shown as "*"), all in capitals. The password starts disabled.
struct CredentialFields {
    CredentialFields(QDialog* dialog, const QString& codeCaption, const QString& passwordCaption);

    // Looks up the typed code. When the user exists: shows the name, makes the code
    // the main window's user code and moves on to the password. Nothing when the
    // code is unknown; an unreadable Usuarios counts as unknown, after its message.
    std::optional<QSqlRecord> findTypedUser(MainWindow& window);
    // Whether the typed password is the one stored for `user`, exactly.
    bool passwordMatches(const QSqlRecord& user) const;

    QLineEdit* code;
    QLabel* name;
    QLineEdit* password;
    QGridLayout* grid; // rows 0 and 1 are taken; a dialog may add below
};

} // namespace kelvora
