#include "gui/maintenance/RestoreDialog.h"

#include "data/Backup.h"
#include "data/Connection.h"
#include "data/DataError.h"
#include "data/Restore.h"
#include "domain/BackupTexts.h"
#include "domain/MessageTexts.h"
#include "gui/app/MainWindow.h"
#include "gui/maintenance/FolderBox.h"
#include "gui/widgets/BackgroundWork.h"
#include "gui/widgets/FileDialogs.h"
#include "gui/widgets/Messages.h"

#include <QFileInfo>

#include <memory>

namespace kelvora {

RestoreDialog::RestoreDialog(MainWindow& window)
    : MaintenanceDialog(window, {"TFRMRESTAURACAODOBACKUP", "Restauração do Backup", "Origem em",
                                 "Aguarde... Restore sendo processado"})
{
    m_folders->addFolder(QStringLiteral("Pasta Backup do Kelvora"),
                         Backup::folderOf(window.ownConnection().folder()));
    m_folders->finish();
}

RestoreDialog::~RestoreDialog()
{
    // The main window stopped its watch before opening this dialog.
    if (!m_restored)
        m_window.resumeWatch();
}

void RestoreDialog::confirm()
{
    const QString file = FileDialogs::openFileName(this, windowTitle(), m_folders->folder(),
                                                   QStringLiteral("Backup (*.bak)"));
    if (file.isEmpty())
        return;
    if (!Backup::isBackupFileName(QFileInfo(file).fileName())) {
        Messages::inform(Msg::DadoIncorreto, BackupText::ExtensaoInvalida);
        return;
    }
    setBusy(true);
    // Nothing of this program may hold the database while it is replaced: not even
    // the watch, which a failed try before this one started again.
    m_window.pauseWatch();
    m_window.ownConnection().close();
    m_window.brandelConnection().close();
    struct Result {
        QString safetyBackup;
        QString failure;
    };
    auto result = std::make_shared<Result>();
    const DataLink link = m_window.ownConnection().link();
    const QString dataFolder = m_window.ownConnection().folder();
    runInBackground(
        this,
        [=] {
            try {
                result->safetyBackup = Restore::replaceWith(link, dataFolder, file);
            } catch (const DataError& error) {
                result->failure = error.reason();
            }
        },
        [this, result] { finished(result->safetyBackup, result->failure); });
}

void RestoreDialog::finished(const QString& safetyBackup, const QString& failure)
{
    setBusy(false);
    // Open again on the database as it now is: the one restored, or the one that stayed.
    m_window.reconnect();
    if (!failure.isEmpty()) {
        Messages::inform(Msg::ErroRestore, failure);
        return;
    }
    m_restored = true;
    Messages::inform(Msg::RestoreRealizado, QStringLiteral("Backup de segurança: ") + safetyBackup);
    accept();
    // The program ends once the dialog is gone; the user starts it again on the
    // restored database.
    QMetaObject::invokeMethod(&m_window, &QWidget::close, Qt::QueuedConnection);
}

} // namespace kelvora
