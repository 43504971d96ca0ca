#pragma once

#include <QDialog>

class QPushButton;

namespace kelvora {

class FolderBox;
class MainWindow;
class WorkIndicator;

// The frame the backup and the restore dialogs share: a folder choice, the waiting
// text, "Confirma" (BBNCONFIRMA) and "Sair" (BBNRETORNA). While the work runs both
// buttons are disabled and the dialog cannot be closed.
class MaintenanceDialog : public QDialog {
    Q_OBJECT
public:
    struct Texts {
        const char* objectName;
        const char* title;
        const char* folderCaption; // "Gravar em", "Origem em"
        const char* waiting;
    };
    MaintenanceDialog(MainWindow& window, const Texts& texts);

    void reject() override;

protected:
    virtual void confirm() = 0;
    void setBusy(bool busy);
    bool busy() const { return m_busy; }

    MainWindow& m_window;
    FolderBox* m_folders = nullptr;

private:
    WorkIndicator* m_indicator = nullptr;
    QPushButton* m_confirm = nullptr;
    QPushButton* m_return = nullptr;
    bool m_busy = false;
};

} // namespace kelvora
