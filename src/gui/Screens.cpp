#include "gui/Screens.h"

#include "gui/app/MainWindow.h"
#include "gui/maintenance/BackupDialog.h"
#include "gui/maintenance/EmptyingWindow.h"
#include "gui/maintenance/RestoreDialog.h"

namespace kelvora {

void installScreens(MainWindow& window)
{
    // One line per screen: window.registerScreen(QStringLiteral("MNITEM"), factory);
    window.registerScreen(QStringLiteral("MNBACKUP"),
                          [](MainWindow& w) { return new BackupDialog(w); });
    window.registerScreen(QStringLiteral("MNRESTAURACAODOBACKUP"),
                          [](MainWindow& w) { return new RestoreDialog(w); });
    window.registerScreen(QStringLiteral("MNESVAZIARARQUIVOS"),
                          [](MainWindow& w) { return new EmptyingWindow(w); });
}

} // namespace kelvora
