#pragma once

#include "gui/maintenance/MaintenanceDialog.h"

namespace kelvora {

// "Backup do Sistema" (TFRMBACKUP): a verified backup into the Backup folder, its
// copy in the folder chosen in "Gravar em", and the retention in both folders.
class BackupDialog : public MaintenanceDialog {
    Q_OBJECT
public:
    explicit BackupDialog(MainWindow& window);

protected:
    void confirm() override;
};

} // namespace kelvora
