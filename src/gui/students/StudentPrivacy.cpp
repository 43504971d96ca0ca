#include "gui/students/StudentPrivacy.h"

#include "data/DataError.h"
#include "data/StudentErasure.h"
#include "domain/MessageTexts.h"
#include "domain/UserRules.h"
#include "gui/app/MainWindow.h"
#include "gui/widgets/Messages.h"
#include "gui/widgets/WaitCursor.h"

namespace kelvora::StudentPrivacy {

namespace {

bool mayErase(MainWindow& window)
{
    return window.userCode() == MasterUserCode ||
           window.checkAccess(QStringLiteral("C_EXCLUI_ALUNOS"),
                              QStringLiteral("EXCLUSÃO TOTAL DE ALUNOS"));
}

} // namespace

bool erase(MainWindow& window, const QString& number, const QString& name)
{
    const QString student = number + QStringLiteral(" - ") + name;
    if (!mayErase(window) || !Messages::ask(Msg::ExcluirTodosOsDados, student) ||
        !Messages::ask(Msg::ExclusaoDefinitiva, student))
        return false;
    StudentErasure::Outcome outcome;
    try {
        WaitCursor wait;
        outcome = StudentErasure::erase(window.ownConnection(), number);
    } catch (const DataError& error) {
        Messages::showDataError(error);
        return false;
    }
    Messages::inform(Msg::DadosDoAlunoExcluidos,
                     StudentErasure::report(outcome).join(QLatin1Char('\n')));
    return true;
}

} // namespace kelvora::StudentPrivacy
