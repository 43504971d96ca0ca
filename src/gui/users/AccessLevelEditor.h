#pragma once

#include "domain/UserRights.h"

#include <QSqlRecord>
#include <QWidget>

class QComboBox;
class QLabel;
class QPushButton;
class QStackedWidget;

namespace kelvora {

class MainWindow;
class UserGrid;

// " Parametrização do Usuário": the rights of one user, a "Sim"/"Não" drop-down
// each, in the four groups of the main menu. "Alterar usuário" unlocks them,
// "Confirma" writes them all in one go; only the master edits the master's rights.
class AccessLevelEditor : public QWidget {
    Q_OBJECT
public:
    explicit AccessLevelEditor(MainWindow& window, QWidget* parent = nullptr);

    void selectUser(const QString& code);

private:
    QWidget* groupPage(UserRight::Group group, const QString& name);
    QPushButton* addButton(QLayout* layout, const char* name, const QString& text);
    bool reloadGrid();
    void showSelectedUser();
    void showRights(const QSqlRecord& user);
    void change();
    void confirm();
    void setEditing(bool editing);
    void enterPressed(QComboBox* combo);

    MainWindow& m_window;
    QSqlRecord m_original;
    UserGrid* m_grid;
    QLabel* m_code;
    QLabel* m_name;
    QStackedWidget* m_pages;
    QVector<QComboBox*> m_rights; // in the order of UserRights::all()
    QPushButton* m_change;
    QPushButton* m_confirm;
    QPushButton* m_exit;
};

} // namespace kelvora
