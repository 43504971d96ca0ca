#pragma once

#include <QDialog>

class QLineEdit;

namespace kelvora {

// Shown when the data folder has no database yet: creates the embedded default
// with the gym's name and the master user's password (typed twice).
class FirstRunDialog : public QDialog {
    Q_OBJECT
public:
    explicit FirstRunDialog(QString folder, QWidget* parent = nullptr);

    void accept() override;

private:
    QString m_folder;
    QLineEdit* m_gym;
    QLineEdit* m_password;
    QLineEdit* m_confirmation;
};

} // namespace kelvora
