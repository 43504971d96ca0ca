#pragma once

#include <QDialog>

namespace kelvora {

// "Ajuda - USUÁRIOS": what each button of the user register does.
class UserHelpDialog : public QDialog {
    Q_OBJECT
public:
    explicit UserHelpDialog(QWidget* parent = nullptr);
};

} // namespace kelvora
