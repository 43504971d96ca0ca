#pragma once

#include "data/Companion.h"
#include "gui/assessment/AssessmentContext.h"

#include <QHash>
#include <QVariant>
#include <QWidget>

#include <memory>
#include <optional>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QToolButton;

namespace kelvora {

class Connection;
class StudentListModel;
class MainWindow;
class ProtocolChooser;
class SearchPanel;
class StudentPanel;

// "Dados Clínicos": where an assessment (a student and an exam date) is included,
// changed or deleted and its tests are opened. The hub owns the assessment context the
// test screens read; it writes no assessment rows itself but deletes them.
class AssessmentHub : public QWidget {
    Q_OBJECT
public:
    explicit AssessmentHub(MainWindow& window, QWidget* parent = nullptr);
    ~AssessmentHub() override;

    const AssessmentContext& context() const { return m_context; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* toolBar();
    bool open();
    void readSettings();

    void searchTyped(const QString& text);
    void searchEntered(const QString& text);
    void chooseRow(int row);
    void choose(const QString& number);
    void showPhoto(const QString& number);

    void include();
    void change();
    void remove();
    bool listDates();
    void dateChosen();
    void confirmDeletion();
    void otherStudent();
    void viewAssessments();
    void clear();
    void openCorvun();
    bool release();
    void offerTests();
    void openProtocol(const QString& choice);

    void enterMode(bodycomp::HubMode mode, const QString& caption);
    void backToChoosing();
    void showChoosing(bool choosing);
    void disableTests();
    bool studentChosen();
    QToolButton* tool(const char* name) const;

    MainWindow& m_window;
    Companion m_companion;
    AssessmentContext m_context;
    QHash<QString, QVariant> m_settings; // the Moxcvar row
    bool m_mayChange = false;
    bool m_studentChosen = false;
    std::optional<QDate> m_workingDay;
    std::unique_ptr<Connection> m_corvun;

    StudentListModel* m_model;
    SearchPanel* m_search;
    QPushButton* m_clear;
    QTableView* m_grid;
    QLabel* m_photo;
    QWidget* m_choosing; // search group, grid and photo
    StudentPanel* m_fixed;
    QComboBox* m_dates;
    QLabel* m_datesLabel;
    ProtocolChooser* m_protocols;
    QVector<QToolButton*> m_tests; // enabled once their screens are part of the program
    QVector<QToolButton*> m_tools; // Incluir, Alterar, Excluir, Visualização, Sair
};

} // namespace kelvora
