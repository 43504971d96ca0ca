#pragma once

#include <QWidget>

#include <optional>

class QGroupBox;
class QLineEdit;
class QPushButton;

namespace kelvora {

class FolderBox;
class MainWindow;
class WorkIndicator;
struct EmptyingOutcome;

// "Esvaziar Arquivos" (TFRMREESVAZIARARQUIVOS): removes the assessments of a year and
// of every earlier year, after a backup named for that year, and shrinks the
// database. A child window of the main window, opened only when no other is open.
class EmptyingWindow : public QWidget {
    Q_OBJECT
public:
    explicit EmptyingWindow(MainWindow& window);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    std::optional<int> normalizedYear();
    void confirmYear();
    void runEmptying();
    void finished(const EmptyingOutcome& outcome);
    void enterYearAgain();
    void showBackupPanel(bool shown);
    void fitFrame();
    void closeScreen();

    MainWindow& m_window;
    QLineEdit* m_year = nullptr;
    QPushButton* m_confirm = nullptr;
    QPushButton* m_cancel = nullptr;
    QGroupBox* m_backupPanel = nullptr;
    FolderBox* m_folders = nullptr;
    WorkIndicator* m_indicator = nullptr;
    QPushButton* m_backup = nullptr;
    int m_chosenYear = 0;
    bool m_busy = false;
    bool m_firstShow = true;
};

} // namespace kelvora
