#pragma once

#include "gui/widgets/ChildWindow.h"

#include <QSqlRecord>
#include <QVector>

class QLineEdit;
class QPushButton;
class QTableWidget;
class QToolButton;

namespace kelvora {

class MainWindow;

// "Atividades": the register of the gym's activities, with include, change and
// delete of one row at a time. The caption names the operation under way.
class ActivitiesWindow : public ChildWindow {
    Q_OBJECT
public:
    explicit ActivitiesWindow(MainWindow& window);

protected:
    void showEvent(QShowEvent* event) override;

private:
    enum class Mode { Browse, Insert, Change, Delete };

    QWidget* toolBar();
    QWidget* fields();

    // Reads the table again and selects `code`, or the row that was selected.
    bool reload(const QString& code = {});
    void setMode(Mode mode);
    void startInsert();
    void startChange();
    void startDelete();
    void codeEntered();
    void descriptionEntered();
    void confirm();
    void write();
    void cancel();
    void showHelp();
    const QSqlRecord* currentActivity() const;

    MainWindow& m_window;
    Mode m_mode = Mode::Browse;
    bool m_shown = false;
    QVector<QSqlRecord> m_activities;
    QTableWidget* m_grid = nullptr;
    QLineEdit* m_code = nullptr;
    QLineEdit* m_description = nullptr;
    QPushButton* m_confirm = nullptr;
    QPushButton* m_cancel = nullptr;
    QVector<QToolButton*> m_operations; // Incluir, Alterar, Excluir, Sair
};

} // namespace kelvora
