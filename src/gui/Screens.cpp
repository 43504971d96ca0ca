#include "gui/Screens.h"

#include "gui/app/MainWindow.h"

namespace kelvora {

void installScreens(MainWindow& window)
{
    // One line per screen: window.registerScreen(QStringLiteral("MNITEM"), factory);
    (void)window;
}

} // namespace kelvora
