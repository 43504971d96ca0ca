#include "gui/maintenance/EmptyingWindow.h"

#include "data/AssessmentEmptying.h"
#include "data/Connection.h"
#include "data/DataError.h"
#include "domain/BackupTexts.h"
#include "domain/Clock.h"
#include "domain/EmptyingYear.h"
#include "domain/MessageTexts.h"
#include "gui/app/MainWindow.h"
#include "gui/maintenance/FolderBox.h"
#include "gui/maintenance/WorkIndicator.h"
#include "gui/widgets/BackgroundWork.h"
#include "gui/widgets/CommandButton.h"
#include "gui/widgets/KeyActions.h"
#include "gui/widgets/Messages.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTimer>
#include <QVBoxLayout>

#include <memory>

namespace kelvora {

namespace {

const char* const Warning[] = {
    "ATENÇÃO ! ! !",
    "É extremamente importante gerar um arquivo de backup antes de executar",
    "o ESVAZIAMENTO DE ARQUIVOS, pois não  terá como recuperar os dados",
    "após esta operação de limpeza de arquivos.",
    "Todos os arquivos de Avaliações serão esvaziados que sejam inferior ao ano informado.",
};

} // namespace

EmptyingWindow::EmptyingWindow(MainWindow& window)
    : m_window(window)
{
    setObjectName(QStringLiteral("TFRMREESVAZIARARQUIVOS"));
    setWindowTitle(QStringLiteral("Esvaziar Arquivos"));
    auto* layout = new QVBoxLayout(this);

    auto* warning = new QFrame(this);
    warning->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    auto* warningLayout = new QVBoxLayout(warning);
    for (const char* line : Warning) {
        auto* label = new QLabel(QString::fromUtf8(line), warning);
        label->setAlignment(Qt::AlignCenter);
        warningLayout->addWidget(label);
    }
    QFont bold = warningLayout->itemAt(0)->widget()->font();
    bold.setBold(true);
    warningLayout->itemAt(0)->widget()->setFont(bold);
    layout->addWidget(warning);

    auto* yearRow = new QHBoxLayout;
    m_year = new QLineEdit(this);
    m_year->setObjectName(QStringLiteral("EDTANO"));
    m_year->setMaxLength(4);
    m_year->setFixedWidth(m_year->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12);
    // Digits, "/" and blanks only: every other key is dropped.
    m_year->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9/ ]{0,4}")), m_year));
    auto* yearLabel = new QLabel(QStringLiteral("Informe o Ano"), this);
    yearLabel->setBuddy(m_year);
    m_confirm =
        commandButton(this, "BBNCONFIRMA", QStringLiteral("Confirma"), QStyle::SP_DialogOkButton);
    m_cancel =
        commandButton(this, "BBNCANCELA", QStringLiteral("Sair"), QStyle::SP_DialogCloseButton);
    yearRow->addWidget(yearLabel);
    yearRow->addWidget(m_year);
    yearRow->addStretch();
    yearRow->addWidget(m_confirm);
    yearRow->addWidget(m_cancel);
    layout->addLayout(yearRow);

    m_backupPanel = new QGroupBox(QStringLiteral("Backup"), this);
    m_backupPanel->setObjectName(QStringLiteral("PNLBACKUP"));
    auto* panelLayout = new QVBoxLayout(m_backupPanel);
    auto* form = new QFormLayout;
    m_folders = new FolderBox(m_backupPanel);
    m_folders->addNoCopy();
    m_folders->finish();
    form->addRow(QStringLiteral("Gravar em"), m_folders);
    panelLayout->addLayout(form);
    m_indicator =
        new WorkIndicator(QStringLiteral("Aguarde... Backup sendo processado"), m_backupPanel);
    panelLayout->addWidget(m_indicator);
    m_backup = commandButton(m_backupPanel, "BBNBACKUP", QStringLiteral("Confirma"),
                             QStyle::SP_DialogOkButton);
    panelLayout->addWidget(m_backup, 0, Qt::AlignRight);
    m_backupPanel->hide();
    layout->addWidget(m_backupPanel);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    KeyActions::on(m_year, {Qt::Key_Return}, [this] {
        if (normalizedYear())
            m_confirm->setFocus();
    });
    connect(m_confirm, &QPushButton::clicked, this, &EmptyingWindow::confirmYear);
    connect(m_cancel, &QPushButton::clicked, this, &EmptyingWindow::closeScreen);
    connect(m_backup, &QPushButton::clicked, this, &EmptyingWindow::runEmptying);
}

void EmptyingWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!m_firstShow)
        return;
    m_firstShow = false;
    // Emptying under an open screen would pull its rows away from under it.
    if (m_window.openScreens() >= 2) {
        Messages::inform(Msg::FecheTodasJanelas);
        QTimer::singleShot(0, this, &EmptyingWindow::closeScreen);
        return;
    }
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget())) {
        frame->setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
        fitFrame();
        const QRect area = m_window.mdiArea()->viewport()->rect();
        frame->move(area.center() - frame->rect().center());
    }
    m_year->setText(QString::number(EmptyingYear::proposed(Clock::today())));
    m_year->setFocus();
}

void EmptyingWindow::showBackupPanel(bool shown)
{
    m_backupPanel->setVisible(shown);
    fitFrame();
}

void EmptyingWindow::fitFrame()
{
    // The child window's frame does not follow its content by itself.
    layout()->activate();
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()))
        frame->adjustSize();
}

void EmptyingWindow::closeScreen()
{
    // The child window's frame goes with it: the main window counts the screen off then.
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()))
        frame->close();
    else
        close();
}

void EmptyingWindow::closeEvent(QCloseEvent* event)
{
    // The work reports back to this window; "Sair" is locked meanwhile.
    if (m_busy || !m_cancel->isEnabled())
        event->ignore();
    else
        event->accept();
}

std::optional<int> EmptyingWindow::normalizedYear()
{
    const std::optional<int> year = EmptyingYear::read(m_year->text(), Clock::today());
    if (!year) {
        Messages::inform(Msg::DadoIncorreto, BackupText::Ano);
        m_year->selectAll();
        m_year->setFocus();
        return std::nullopt;
    }
    m_year->setText(QStringLiteral("%1").arg(*year, 4, 10, QLatin1Char('0')));
    return year;
}

void EmptyingWindow::confirmYear()
{
    const std::optional<int> year = normalizedYear();
    if (!year)
        return;
    if (!EmptyingYear::mayBeEmptied(*year, Clock::today())) {
        Messages::inform(Msg::DadoIncorreto, BackupText::AnoNaoPodeSerEsvaziado);
        m_year->clear();
        m_year->setFocus();
        return;
    }
    m_chosenYear = *year;
    m_year->setEnabled(false);
    m_cancel->setEnabled(false);
    m_confirm->setEnabled(false);
    showBackupPanel(true);
    m_backup->setEnabled(true);
    m_backup->setFocus();
}

void EmptyingWindow::runEmptying()
{
    m_busy = true;
    m_backup->setEnabled(false);
    m_folders->setEnabled(false);
    m_indicator->show();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    // The shrink holds the whole database: the main window's probe would wait for it
    // and take the database for lost.
    m_window.pauseWatch();
    auto outcome = std::make_shared<EmptyingOutcome>();
    const DataLink link = m_window.ownConnection().link();
    const QString dataFolder = m_window.ownConnection().folder();
    const QString copyFolder = m_folders->folder();
    const int year = m_chosenYear;
    runInBackground(
        this,
        [=] {
            try {
                Connection own(QStringLiteral("Emptying"), link, dataFolder);
                own.open();
                *outcome = emptyAssessments(own, dataFolder, year, copyFolder);
            } catch (const DataError& error) {
                *outcome = {EmptyingOutcome::BackupFailed, {}, {}, error.reason()};
            }
        },
        [this, outcome] { finished(*outcome); });
}

void EmptyingWindow::finished(const EmptyingOutcome& outcome)
{
    m_busy = false;
    m_indicator->hide();
    QApplication::restoreOverrideCursor();
    m_window.resumeWatch();
    switch (outcome.kind) {
    case EmptyingOutcome::BackupFailed:
        Messages::inform(Msg::ErroBackup, outcome.reason);
        break;
    case EmptyingOutcome::CopyFailed:
        // The panel stays open: another folder can be chosen, or the window left.
        Messages::inform(Msg::ErroBackup, outcome.reason);
        m_folders->setEnabled(true);
        m_backup->setEnabled(true);
        m_cancel->setEnabled(true);
        return;
    case EmptyingOutcome::DeleteFailed:
        Messages::inform(Msg::BackupRealizado, outcome.backupFile);
        Messages::inform(Msg::GravandoNaTabela, QStringLiteral("Banco de Dados"));
        m_cancel->setEnabled(true);
        closeScreen();
        return;
    case EmptyingOutcome::ShrinkFailed:
        Messages::inform(Msg::BackupRealizado, outcome.backupFile);
        Messages::inform(outcome.reason);
        break;
    case EmptyingOutcome::Done:
        Messages::inform(Msg::BackupRealizado, outcome.backupFile);
        Messages::inform(Msg::FimDeProcesso);
        break;
    }
    enterYearAgain();
}

void EmptyingWindow::enterYearAgain()
{
    showBackupPanel(false);
    m_folders->setEnabled(true);
    m_cancel->setEnabled(true);
    m_confirm->setEnabled(true);
    m_year->setEnabled(true);
    m_year->setFocus();
}

} // namespace kelvora
