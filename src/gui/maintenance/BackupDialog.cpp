#include "gui/maintenance/BackupDialog.h"

#include "data/Backup.h"
#include "data/Connection.h"
#include "data/DataError.h"
#include "domain/MessageTexts.h"
#include "gui/app/MainWindow.h"
#include "gui/maintenance/FolderBox.h"
#include "gui/widgets/BackgroundWork.h"
#include "gui/widgets/Messages.h"

#include <memory>

namespace kelvora {

BackupDialog::BackupDialog(MainWindow& window)
    : MaintenanceDialog(window, {"TFRMBACKUP", "Backup do Sistema", "Gravar em",
                                 "Aguarde... Backup sendo processado"})
{
    m_folders->addNoCopy();
    m_folders->finish();
}

void BackupDialog::confirm()
{
    setBusy(true);
    struct Result {
        Backup::Made made;
        QString failure;
    };
    auto result = std::make_shared<Result>();
    const DataLink link = m_window.ownConnection().link();
    const QString dataFolder = m_window.ownConnection().folder();
    const QString copyFolder = m_folders->folder();
    runInBackground(
        this,
        [=] {
            // The window's connection belongs to the GUI thread: the work opens its own.
            try {
                Connection own(QStringLiteral("Backup"), link, dataFolder);
                own.open();
                result->made = Backup::makeAndKeep(own, dataFolder, copyFolder);
            } catch (const DataError& error) {
                result->failure = error.reason();
            }
        },
        [this, result] {
            setBusy(false);
            if (result->failure.isEmpty())
                Messages::inform(Msg::BackupRealizado, result->made.file);
            else
                Messages::inform(Msg::ErroBackup, result->failure);
        });
}

} // namespace kelvora
