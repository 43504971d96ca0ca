#include "gui/reports/DoneListWindow.h"

#include "data/DataError.h"
#include "data/FollowUpLists.h"
#include "data/Users.h"
#include "domain/Clock.h"
#include "domain/DateText.h"
#include "domain/MessageTexts.h"
#include "domain/Period.h"
#include "gui/app/MainWindow.h"
#include "gui/widgets/KeyActions.h"
#include "gui/widgets/Messages.h"
#include "report/lists/FollowUpReports.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

namespace kelvora {

namespace {

const QString Everyone = QStringLiteral("TODOS");

} // namespace

DoneListWindow::DoneListWindow(MainWindow& window)
    : ListWindow(window, "TFRMAVALIACAOFEITA", QStringLiteral("Avaliações Feitas"))
    , m_assessors(new QComboBox)
    , m_first(dateField("EDTDATAINICIAL"))
    , m_last(dateField("EDTDATAFINAL"))
{
    m_assessors->setObjectName(QStringLiteral("CBFUNCIONARIOS"));
    auto* assessor = new QFormLayout;
    assessor->addRow(QStringLiteral("Avaliador"), m_assessors);
    auto* period = new QGroupBox(QStringLiteral(" Período  "));
    auto* dates = new QFormLayout(period);
    dates->addRow(QStringLiteral("Data Inicial"), m_first);
    dates->addRow(QStringLiteral("Data Final"), m_last);
    choices()->addLayout(assessor);
    choices()->addWidget(period);

    const QDate today = Clock::today();
    m_first->setText(DateText::format(QDate(today.year(), today.month(), 1)));
    m_last->setText(DateText::format(today));
    KeyActions::on(m_first, {Qt::Key_Return},
                   [this] { dateEntered(m_first, QStringLiteral("Data inicial"), m_last); });
    KeyActions::on(m_last, {Qt::Key_Return},
                   [this] { dateEntered(m_last, QStringLiteral("Data final"), videoButton()); });
    fillAssessors();
    setMinimumWidth(380);
}

QLineEdit* DoneListWindow::dateField(const char* name)
{
    auto* field = new QLineEdit;
    field->setObjectName(QLatin1String(name));
    field->setMaxLength(10);
    // Digits, "/" and blanks: every other key is left out.
    field->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9/ ]*")), field));
    return field;
}

void DoneListWindow::fillAssessors()
{
    m_assessors->addItem(Everyone);
    try {
        for (const Users::Entry& user : Users::list(m_window.ownConnection()))
            m_assessors->addItem(user.code + QStringLiteral(" - ") + user.name);
    } catch (const DataError&) {
        Messages::inform(Msg::AberturaDeTabela, QStringLiteral("Usuarios"));
    }
}

void DoneListWindow::dateEntered(QLineEdit* field, const QString& which, QWidget* next)
{
    const QDate date = DateText::parse(field->text().trimmed());
    if (!date.isValid()) {
        Messages::inform(Msg::DadoIncorreto, which);
        field->setFocus();
        return;
    }
    field->setText(DateText::format(date));
    next->setFocus();
}

ListWindow::Made DoneListWindow::document()
{
    const Period period = Period::settle(m_first->text(), m_last->text());
    if (!period.refusal.isEmpty()) {
        QLineEdit* field = period.field == Period::Field::First ? m_first : m_last;
        if (period.refusal == Msg::IntervaloInvalido)
            field->clear();
        field->setFocus();
        return {nullptr, period.refusal, period.detail};
    }
    m_first->setText(DateText::format(period.first));
    m_last->setText(DateText::format(period.last));
    const QString assessor =
        m_assessors->currentText() == Everyone ? QString() : m_assessors->currentText().left(2);
    const auto done =
        FollowUpLists::assessmentsDone(m_window.ownConnection(), m_window.brandelConnection(),
                                       period.first, period.last, assessor);
    if (done.isEmpty())
        return nothingFound();
    return {
        report::DoneListReport::build(m_window.gymName(), m_first->text(), m_last->text(), done),
        {},
        {}};
}

} // namespace kelvora
