#include "gui/Screens.h"

#include "gui/app/MainWindow.h"
#include "gui/maintenance/ActivitiesWindow.h"
#include "gui/maintenance/SystemConfigurationWindow.h"
#include "gui/students/StudentRegister.h"
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
    window.registerScreen(QStringLiteral("MNPARAMETRIZACAODOSISTEMA"),
                          [](MainWindow& w) { return new SystemConfigurationWindow(w); });
    window.registerScreen(QStringLiteral("MNALUNOS"),
                          [](MainWindow& w) { return new StudentRegister(w); });
    window.registerScreen(QStringLiteral("MNATIVIDADES"),
                          [](MainWindow& w) { return new ActivitiesWindow(w); });
}

} // namespace kelvora
