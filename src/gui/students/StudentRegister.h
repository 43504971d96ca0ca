#pragma once

#include "data/Students.h"

#include <QSqlRecord>
#include <QWidget>

#include <optional>

class QLabel;
class QPushButton;
class QTableView;
class QToolButton;

namespace kelvora {

class MainWindow;
class SearchPanel;
class StudentForm;
class StudentGridModel;

// "Alunos": the register of the gym's students with their photos. One student is
// shown at a time beside a grid of all of them; the user includes, changes, deletes
// and searches by number or name. The caption names the operation under way.
class StudentRegister : public QWidget {
    Q_OBJECT
public:
    explicit StudentRegister(MainWindow& window, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    enum class Mode { Browse, Include, Change, Delete };

    QWidget* toolBar();
    QWidget* photoPanel();
    void setMode(Mode mode);
    // Reads the grid again and selects `number` (or keeps the current row).
    bool reload(const QString& number = {});
    QString currentNumber() const;
    void select(const QString& number);
    void showCurrent(); // the current row's student and photo
    QString setting(const QString& column) const;

    void include();
    bool proposeNumber(); // false when none can be proposed
    bool readCurrent();   // the current row as stored now into m_original
    void change();
    void remove();
    // Everything held about the current student, at the student's request: a copy of
    // it, or its erasure.
    bool readChosen(); // the current student as stored now; false when there is none
    void storeDossier();
    void eraseAll();
    void confirm();
    bool write();
    void cancel();
    void choosePhoto();
    // A photo as JPEG bytes; empty when none was taken.
    QByteArray photoFromCamera();
    QByteArray photoFromFile();
    void startSearch();
    void searchTyped(const QString& text);
    void searchEntered(const QString& text);
    void endSearch();

    MainWindow& m_window;
    Mode m_mode = Mode::Browse;
    bool m_shown = false;
    QSqlRecord m_original;
    Students::PhotoChange m_photo;
    QString m_searched; // the number the search last positioned on

    StudentGridModel* m_model;
    QTableView* m_grid;
    StudentForm* m_form;
    SearchPanel* m_search;
    QLabel* m_picture;
    QPushButton* m_confirm;
    QPushButton* m_cancel;
    QPushButton* m_photoButton;
    QPushButton* m_clearPhoto;
    QVector<QToolButton*> m_tools;
};

} // namespace kelvora
