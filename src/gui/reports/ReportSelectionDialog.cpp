#include "gui/reports/ReportSelectionDialog.h"

#include "data/Connection.h"
#include "data/DataError.h"
#include "data/SettingsEdit.h"
#include "domain/MessageTexts.h"
#include "domain/DateText.h"
#include "gui/mail/SendMailDialog.h"
#include "gui/reports/IntroductionEditor.h"
#include "gui/reports/PageBoxGroup.h"
#include "gui/reports/ReportPreview.h"
#include "gui/widgets/ChoiceGrid.h"
#include "gui/widgets/CommandButton.h"
#include "gui/widgets/KeyActions.h"
#include "gui/widgets/Messages.h"
#include "gui/widgets/WaitCursor.h"
#include "report/assessment/AssessmentReport.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace kelvora {

namespace {

const QString All = QStringLiteral("Todos");
const QString None = QStringLiteral("Nenhum");

} // namespace

void ReportSelectionDialog::run(Connection& own, const Companion& companion,
                                const QString& registration, bool mayChangeAssessments,
                                QWidget* parent)
{
    QList<QDate> examDates;
    try {
        examDates = AssessmentRecord::examDates(own, registration);
    } catch (const DataError& error) {
        Messages::showDataError(error);
        return;
    }
    ReportSelectionDialog(own, companion, registration, examDates, mayChangeAssessments, parent)
        .exec();
}

ReportSelectionDialog::ReportSelectionDialog(Connection& own, const Companion& companion,
                                             QString registration, const QList<QDate>& examDates,
                                             bool mayChangeAssessments, QWidget* parent)
    : QDialog(parent)
    , m_own(own)
    , m_companion(companion)
    , m_registration(std::move(registration))
    , m_mayChangeAssessments(mayChangeAssessments)
    , m_examDates(examDates)
    , m_pages(new PageBoxGroup(this))
    , m_all(commandButton(this, "BBNTODOS", All, QStyle::SP_DialogYesButton))
    , m_preview(commandButton(this, "BBNVIDEO", QStringLiteral("Vídeo"),
                              QStyle::SP_FileDialogContentsView))
    , m_print(commandButton(this, "BBNIMPRIME", QStringLiteral("Impressora"),
                            QStyle::SP_DialogSaveButton))
    , m_mail(commandButton(this, "SBEMAIL", QStringLiteral("E-mail"), QStyle::SP_ArrowForward))
{
    setObjectName(QStringLiteral("TFRMSELECAO"));
    setWindowTitle(QStringLiteral("Escolha da Avaliação"));

    QPushButton* back =
        commandButton(this, "BBNRETORNA", QStringLiteral("Retorna"), QStyle::SP_DialogCloseButton);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {m_all, m_preview, m_print, m_mail, back}) {
        // Enter belongs to the grid, never to a button.
        button->setAutoDefault(false);
        buttons->addWidget(button);
        if (button == m_mail)
            buttons->addStretch();
    }
    auto* columns = new QHBoxLayout;
    columns->addWidget(dateGrid());
    columns->addWidget(m_pages, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addLayout(buttons);

    connect(m_all, &QPushButton::clicked, this, &ReportSelectionDialog::tickAllOrNone);
    connect(m_preview, &QPushButton::clicked, this, [this] { render(Output::Preview); });
    connect(m_print, &QPushButton::clicked, this, [this] { render(Output::Printer); });
    connect(m_mail, &QPushButton::clicked, this, &ReportSelectionDialog::sendMail);
    connect(back, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_pages, &PageBoxGroup::editIntroduction, this,
            &ReportSelectionDialog::editIntroduction);

    m_mail->setEnabled(false); // until a report has been rendered
    setChosen(false);
    m_dates->setFocus();
}

ReportSelectionDialog::~ReportSelectionDialog() = default;

QWidget* ReportSelectionDialog::dateGrid()
{
    m_dates = new QTableWidget(int(m_examDates.size()), 1, this);
    m_dates->setObjectName(QStringLiteral("DBGAVALIACAO"));
    m_dates->setHorizontalHeaderLabels({QStringLiteral("Exame")});
    for (int row = 0; row < m_examDates.size(); ++row)
        m_dates->setItem(
            row, 0,
            new QTableWidgetItem(DateText::format(m_examDates.at(row))));
    makeChoiceGrid(m_dates);
    m_dates->setFixedWidth(140);
    if (!m_examDates.isEmpty())
        m_dates->setCurrentCell(0, 0);
    connect(m_dates, &QTableWidget::cellDoubleClicked, this, [this](int row) { choose(row); });
    KeyActions::on(m_dates, {Qt::Key_Return}, [this] { choose(m_dates->currentRow()); });
    return m_dates;
}

void ReportSelectionDialog::choose(int row)
{
    if (row < 0 || row >= m_examDates.size() || !read(m_examDates.at(row)))
        return;
    m_studentEmail = m_record->studentEmail();
    m_pages->setAvailable(report::offeredPages(*m_record, m_mayChangeAssessments));
    m_pages->setTicks(reportpages::defaultTicks(m_pages->available(), m_record->settings()));
    setChosen(true);
}

// A table that cannot be read ends the dialog: nothing was chosen, nothing written.
bool ReportSelectionDialog::read(const QDate& examDate)
{
    try {
        const WaitCursor waiting;
        m_record = AssessmentRecord::read(m_own, m_companion, m_registration, examDate);
    } catch (const DataError& error) {
        Messages::showDataError(error);
        reject();
        return false;
    }
    return true;
}

void ReportSelectionDialog::tickAllOrNone()
{
    const bool all = m_all->toolTip() == All;
    m_pages->setTicks(all ? m_pages->available() : reportpages::PageSet());
    setAllButtonHint(all ? None : All);
}

void ReportSelectionDialog::render(Output output)
{
    const reportpages::PageSet ticks = m_pages->ticks();
    if (ticks.empty()) {
        Messages::inform(Msg::SelecioneItem);
        return;
    }
    setChosen(false);
    // The record was read when the date was chosen: rendering asks the database nothing.
    const std::shared_ptr<report::CompositeReport> document =
        report::assessmentReport(*m_record, ticks);
    if (output == Output::Preview) {
        ReportPreview preview(document, this);
        // Stored where the e-mail dialog offers the student's reports.
        preview.setExportFolder(m_own.folder());
        preview.setWindowState(Qt::WindowMaximized);
        preview.exec();
    } else {
        ReportPreview::printOnChosenPrinter(this, *document, report::Page().layout());
    }
    // Another report needs a date chosen again; the e-mail stays at hand from now on.
    m_record.reset();
    m_pages->setTicks({});
    m_mail->setEnabled(true);
}

void ReportSelectionDialog::editIntroduction()
{
    std::optional<SettingsEdit> edit;
    try {
        edit.emplace(m_own);
    } catch (const DataError&) {
        Messages::inform(Msg::AberturaDeTabela, QStringLiteral("Controle"));
        return;
    }
    IntroductionEditor editor(*edit, this);
    // Read again, so that the next rendering prints the text just written.
    if (editor.exec() == QDialog::Accepted)
        read(m_record->examDate());
}

void ReportSelectionDialog::sendMail()
{
    SendMailDialog::run(m_own, m_studentEmail, m_registration, this);
}

void ReportSelectionDialog::setChosen(bool chosen)
{
    m_pages->setEnabled(chosen);
    m_all->setEnabled(chosen);
    m_preview->setEnabled(chosen);
    m_print->setEnabled(chosen);
    m_dates->setEnabled(!chosen);
    setAllButtonHint(All);
}

void ReportSelectionDialog::setAllButtonHint(const QString& hint)
{
    m_all->setText(hint);
    m_all->setToolTip(hint);
}

} // namespace kelvora
