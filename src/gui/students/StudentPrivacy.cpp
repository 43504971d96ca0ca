#include "gui/students/StudentPrivacy.h"

#include "data/Companion.h"
#include "data/Connection.h"
#include "data/DataError.h"
#include "data/StudentErasure.h"
#include "domain/MessageTexts.h"
#include "domain/UserRules.h"
#include "gui/app/MainWindow.h"
#include "gui/widgets/FileDialogs.h"
#include "gui/widgets/Messages.h"
#include "gui/widgets/WaitCursor.h"
#include "report/dossier/StudentDossier.h"

#include <QDir>

namespace kelvora::StudentPrivacy {

namespace {

// The master user always; anyone else by the access check on `right`.
bool allowed(MainWindow& window, const char* right, const char* refusedDetail)
{
    return window.userCode() == MasterUserCode ||
           window.checkAccess(QLatin1String(right), QString::fromUtf8(refusedDetail));
}

} // namespace

void storeDossier(MainWindow& window, QWidget* parent, const QString& number)
{
    if (!allowed(window, "A_DADOS", "DOSSIÊ DO ALUNO"))
        return;
    QString file = FileDialogs::saveFileName(
        parent, QStringLiteral("Dossiê do aluno"),
        QDir(window.ownConnection().folder()).filePath(QStringLiteral("Dossie_%1.zip").arg(number)),
        QStringLiteral("Arquivo ZIP (*.zip)"));
    if (file.isEmpty())
        return;
    if (!file.endsWith(QLatin1String(".zip"), Qt::CaseInsensitive))
        file += QStringLiteral(".zip");
    QString failure;
    QString summary;
    try {
        WaitCursor wait;
        const Companion companion = Companion::fromSettings(
            window.ownConnection(), window.brandelConnection(), window.activeStudentsSetting());
        const StudentDossier dossier =
            StudentDossier::collect(window.ownConnection(), companion, number);
        failure = dossier.save(file);
        summary = dossier.summary();
    } catch (const DataError& error) {
        Messages::showDataError(error);
        return;
    }
    if (failure.isEmpty())
        Messages::inform(Msg::DossieGravado, summary);
    else
        Messages::inform(Msg::DossieNaoGravado, file + QStringLiteral(": ") + failure);
}

bool erase(MainWindow& window, const QString& number, const QString& name)
{
    const QString student = number + QStringLiteral(" - ") + name;
    if (!allowed(window, "C_EXCLUI_ALUNOS", "EXCLUSÃO TOTAL DE ALUNOS") ||
        !Messages::ask(Msg::ExcluirTodosOsDados, student) ||
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
