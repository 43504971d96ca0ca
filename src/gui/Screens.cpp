#include "gui/Screens.h"

#include "gui/app/MainWindow.h"
#include "gui/assessment/AssessmentHub.h"
#include "gui/mail/StudentMailWindow.h"
#include "gui/maintenance/ActivitiesWindow.h"
#include "gui/maintenance/BackupDialog.h"
#include "gui/maintenance/EmptyingWindow.h"
#include "gui/maintenance/RestoreDialog.h"
#include "gui/maintenance/SystemConfigurationWindow.h"
#include "gui/reports/DoneListWindow.h"
#include "gui/reports/OverdueListWindow.h"
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
    window.registerScreen(QStringLiteral("MNCLINICO"),
                          [](MainWindow& w) { return new AssessmentHub(w); });
    window.registerScreen(QStringLiteral("MNATIVIDADES"),
                          [](MainWindow& w) { return new ActivitiesWindow(w); });
    window.registerScreen(QStringLiteral("SBEMAIL"),
                          [](MainWindow& w) { return new StudentMailWindow(w); });
    window.registerScreen(QStringLiteral("MNREAVALIACAOVENCIDA"),
                          [](MainWindow& w) { return new OverdueListWindow(w); });
    window.registerScreen(QStringLiteral("MnAvaliacaoFeita"),
                          [](MainWindow& w) { return new DoneListWindow(w); });
    window.registerScreen(QStringLiteral("MNBACKUP"),
                          [](MainWindow& w) { return new BackupDialog(w); });
    window.registerScreen(QStringLiteral("MNRESTAURACAODOBACKUP"),
                          [](MainWindow& w) { return new RestoreDialog(w); });
    window.registerScreen(QStringLiteral("MNESVAZIARARQUIVOS"),
                          [](MainWindow& w) { return new EmptyingWindow(w); });
}

} // namespace kelvora
