#pragma once

#include <QDialog>

#include <memory>

class QLabel;
class QTableView;

namespace kelvora {

class Companion;
class MainWindow;
class SearchPanel;
class StudentListModel;

// "E-mail para Alunos": the students of the register the settings choose, searched
// by number or name; a double click (or "E-mail") writes to the current one.
class StudentMailWindow : public QDialog {
    Q_OBJECT
public:
    explicit StudentMailWindow(MainWindow& window);
    ~StudentMailWindow() override;

    // Shows the window unless the student list cannot be read (then says so).
    int exec() override;

private:
    bool loadStudents();
    void reorder(bool byNumber);
    void positionOn(const QString& typed);
    void chooseTyped(const QString& typed);
    void showPhoto();
    void writeToCurrent();

    MainWindow& m_window;
    std::unique_ptr<Companion> m_students;
    StudentListModel* m_model = nullptr;
    QTableView* m_grid;
    QLabel* m_photo;
    SearchPanel* m_search;
};

} // namespace kelvora
