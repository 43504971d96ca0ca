#pragma once

#include "gui/maintenance/MaintenanceDialog.h"

namespace kelvora {

// "Restauração do Backup" (TFRMRESTAURACAODOBACKUP): puts a backup file chosen from
// the folder of "Origem em" in place of the database, after checking it and writing
// a safety backup, and then ends the program. A failed restore leaves the database
// as it was and the program goes on with its connections open again.
class RestoreDialog : public MaintenanceDialog {
    Q_OBJECT
public:
    explicit RestoreDialog(MainWindow& window);
    ~RestoreDialog() override;

protected:
    void confirm() override;

private:
    void finished(const QString& safetyBackup, const QString& failure);
    bool m_restored = false;
};

} // namespace kelvora
