#include "gui/reports/OverdueListWindow.h"

#include "data/Companion.h"
#include "data/DataError.h"
#include "data/FollowUpLists.h"
#include "domain/Clock.h"
#include "domain/MessageTexts.h"
#include "domain/YesNo.h"
#include "gui/app/MainWindow.h"
#include "gui/widgets/Messages.h"
#include "report/lists/FollowUpReports.h"

#include <QBoxLayout>
#include <QGroupBox>
#include <QRadioButton>
#include <QTimer>

namespace kelvora {

namespace {

// A group of two choices, the first one chosen; returns the second.
QRadioButton* twoChoices(QBoxLayout* layout, const char* name, const QString& caption,
                         const QString& first, const QString& second)
{
    auto* group = new QGroupBox(caption);
    group->setObjectName(QLatin1String(name));
    auto* row = new QHBoxLayout(group);
    auto* chosen = new QRadioButton(first, group);
    auto* other = new QRadioButton(second, group);
    chosen->setChecked(true);
    row->addWidget(chosen);
    row->addWidget(other);
    row->addStretch();
    layout->addWidget(group);
    return other;
}

} // namespace

OverdueListWindow::OverdueListWindow(MainWindow& window)
    : ListWindow(window, "TFRMAVALIACAOVENCIDA", QStringLiteral("Relatório de Avaliação Vencida"))
{
    m_byName = twoChoices(choices(), "RGORDENADO", QStringLiteral(" Ordenado por  "),
                          QStringLiteral("Matrícula"), QStringLiteral("Nome"));
    m_functional = twoChoices(choices(), "RGTIPO", QStringLiteral(" Tipo "),
                              QStringLiteral("Médica"), QStringLiteral("Funcional"));
    setMinimumWidth(360);
    checkSettings();
}

void OverdueListWindow::checkSettings()
{
    try {
        Companion::fromSettings(m_window.ownConnection(), m_window.brandelConnection(), Sim)
            .periods();
    } catch (const OpenFailed& error) {
        if (error.table() == QLatin1String("Qebvar"))
            Messages::inform(Msg::BrandelInativo + Msg::AberturaDeTabela,
                             QStringLiteral("Controle"));
        else
            Messages::inform(Msg::AberturaDeTabela, QStringLiteral("Controle"));
        Messages::inform(Msg::AberturaDeTabela);
        QTimer::singleShot(0, this, &QWidget::close);
    }
}

ListWindow::Made OverdueListWindow::document()
{
    const auto kind =
        m_functional->isChecked() ? FollowUpLists::Kind::Functional : FollowUpLists::Kind::Medical;
    const auto students = FollowUpLists::overdueStudents(
        m_window.ownConnection(), m_window.brandelConnection(), kind,
        m_byName->isChecked() ? FollowUpLists::Order::ByName : FollowUpLists::Order::ByNumber,
        Clock::today());
    if (students.isEmpty())
        return nothingFound();
    return {report::OverdueListReport::build(m_window.gymName(), kind, students), {}, {}};
}

} // namespace kelvora
