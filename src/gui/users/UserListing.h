#pragma once

#include "data/Users.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace kelvora {

class MainWindow;
class UserGrid;

// "Consulta de Usuários": the users of an interval of codes, shown in the report
// preview ("Vídeo") or printed ("Impressora"): the user list that kelvora-cli
// writes as well, under the same interval rules.
class UserListing : public QDialog {
    Q_OBJECT
public:
    explicit UserListing(MainWindow& window, QWidget* parent = nullptr);

private:
    QPushButton* addButton(QLayout* layout, const char* name, const QString& text);
    void firstEntered();
    void lastEntered();
    void userActivated(const QString& code);
    void output(bool preview);
    void restart();
    bool refused(const Users::Interval& interval, QLineEdit* field);

    MainWindow& m_window;
    UserGrid* m_grid;
    QLineEdit* m_first;
    QLabel* m_firstName;
    QLineEdit* m_last;
    QLabel* m_lastName;
    QPushButton* m_video;
    QPushButton* m_printer;
};

} // namespace kelvora
