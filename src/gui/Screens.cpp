#include "gui/Screens.h"

#include "gui/app/MainWindow.h"
#include "gui/users/AccessLevelEditor.h"
#include "gui/users/UserRegister.h"

namespace kelvora {

void installScreens(MainWindow& window)
{
    // One line per screen: window.registerScreen(QStringLiteral("MNITEM"), factory);
    window.registerScreen(QStringLiteral("MNCADASTRODEUSUARIOS"),
                          [](MainWindow& w) { return new UserRegister(w); });
    window.registerScreen(QStringLiteral("MNPARAMETRIZACAODOUSUARIO"),
                          [](MainWindow& w) { return new AccessLevelEditor(w); });
}

} // namespace kelvora
