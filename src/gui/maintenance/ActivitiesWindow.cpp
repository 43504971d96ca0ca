#include "gui/maintenance/ActivitiesWindow.h"

#include "data/Activities.h"
#include "data/DataError.h"
#include "domain/MessageTexts.h"
#include "gui/app/MainWindow.h"
#include "gui/maintenance/ActivitiesHelpDialog.h"
#include "gui/widgets/KeyActions.h"
#include "gui/widgets/Messages.h"
#include "gui/widgets/TextInput.h"
#include "gui/widgets/ToolButtons.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStyle>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace kelvora {

namespace {

const QString Atividades = QStringLiteral("Atividades");

QString captionOf(int mode)
{
    static const char* const captions[] = {"Atividades", "INCLUSÃO DE ATIVIDADE",
                                           "ALTERAÇÃO DE ATIVIDADE", "EXCLUSÃO DE ATIVIDADE"};
    return QString::fromUtf8(captions[mode]);
}

} // namespace

ActivitiesWindow::ActivitiesWindow(MainWindow& window)
    : m_window(window)
{
    setObjectName(QStringLiteral("TFRMATIVIDADES"));
    auto* content = new QWidget(this);
    m_grid = new QTableWidget(0, 2, content);
    m_grid->setObjectName(QStringLiteral("DBGRIDATIVIDADES"));
    m_grid->setHorizontalHeaderLabels({QStringLiteral("Código"), QStringLiteral("Descrição")});
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->verticalHeader()->hide();
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_grid->setColumnWidth(0, 70);

    auto* layout = new QVBoxLayout(content);
    layout->addWidget(toolBar());
    layout->addWidget(m_grid, 1);
    layout->addWidget(fields());
    setWidget(content);
    resize(460, 420);
    setMode(Mode::Browse);
}

QWidget* ActivitiesWindow::toolBar()
{
    QVector<QToolButton*> made;
    QWidget* bar = ToolButtons::bar(
        nullptr,
        {{"Incluir", "SBINCLUIR", QStyle::SP_FileDialogNewFolder, [this] { startInsert(); }},
         {"Alterar", "SBALTERAR", QStyle::SP_FileDialogDetailedView, [this] { startChange(); }},
         {"Excluir", "SBEXCLUIR", QStyle::SP_TrashIcon, [this] { startDelete(); }},
         {"Sair", "SBSAIR", QStyle::SP_DialogCloseButton, [this] { close(); }},
         {"Ajuda", "SBAJUDA", QStyle::SP_DialogHelpButton, [this] { showHelp(); }}},
        &made);
    m_operations = made.mid(0, 4); // all but "Ajuda" wait while a row is edited
    return bar;
}

QWidget* ActivitiesWindow::fields()
{
    auto* panel = new QWidget;
    auto* form = new QFormLayout;
    m_code = new QLineEdit;
    m_code->setObjectName(QStringLiteral("DBEDTCODIGO"));
    m_code->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,2}")), m_code));
    m_code->setMaximumWidth(50);
    m_description = new QLineEdit;
    m_description->setObjectName(QStringLiteral("DBEDTDESCRICAO"));
    m_description->setMaxLength(20);
    TextInput::forceUpperCase(m_description);
    form->addRow(QStringLiteral("Código"), m_code);
    form->addRow(QStringLiteral("Descrição"), m_description);

    m_confirm = new QPushButton(style()->standardIcon(QStyle::SP_DialogApplyButton),
                                QStringLiteral("Confirma"));
    m_confirm->setObjectName(QStringLiteral("BBNCONFIRMA"));
    m_cancel = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton),
                               QStringLiteral("Cancela"));
    m_cancel->setObjectName(QStringLiteral("BBNCANCELA"));
    connect(m_confirm, &QPushButton::clicked, this, &ActivitiesWindow::confirm);
    connect(m_cancel, &QPushButton::clicked, this, &ActivitiesWindow::cancel);
    KeyActions::on(m_code, {Qt::Key_Return}, [this] { codeEntered(); });
    KeyActions::on(m_description, {Qt::Key_Return}, [this] { descriptionEntered(); });

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(m_confirm);
    buttons->addWidget(m_cancel);
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(0, 0, 0, 0);
    row->addLayout(form, 1);
    row->addLayout(buttons);
    return panel;
}

void ActivitiesWindow::showEvent(QShowEvent* event)
{
    ChildWindow::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    if (!reload()) {
        Messages::inform(Msg::AberturaDeTabela);
        QTimer::singleShot(0, this, &QWidget::close);
    }
}

bool ActivitiesWindow::reload(const QString& code)
{
    const QString current =
        !code.isEmpty() || !currentActivity() ? code : currentActivity()->value(0).toString();
    try {
        m_activities = Activities::all(m_window.ownConnection());
    } catch (const OpenFailed&) {
        Messages::inform(Msg::AberturaDeTabela, Atividades);
        return false;
    }
    m_grid->setRowCount(m_activities.size());
    for (int row = 0; row < m_activities.size(); ++row) {
        for (int column = 0; column < 2; ++column)
            m_grid->setItem(row, column,
                            new QTableWidgetItem(m_activities.at(row).value(column).toString()));
        if (m_activities.at(row).value(0).toString() == current)
            m_grid->selectRow(row);
    }
    if (!currentActivity() && !m_activities.isEmpty())
        m_grid->selectRow(0);
    return true;
}

const QSqlRecord* ActivitiesWindow::currentActivity() const
{
    const int row = m_grid->currentRow();
    return row >= 0 && row < m_activities.size() ? &m_activities.at(row) : nullptr;
}

void ActivitiesWindow::setMode(Mode mode)
{
    m_mode = mode;
    const bool browsing = mode == Mode::Browse;
    setWindowTitle(captionOf(int(mode)));
    m_grid->setEnabled(browsing);
    for (QToolButton* button : m_operations)
        button->setEnabled(browsing);
    m_confirm->setEnabled(!browsing);
    m_cancel->setEnabled(!browsing);
    m_code->setEnabled(mode == Mode::Insert);
    m_description->setEnabled(mode == Mode::Change);
    if (browsing || mode == Mode::Insert) {
        m_code->clear();
        m_description->clear();
    }
}

void ActivitiesWindow::startInsert()
{
    setMode(Mode::Insert);
    m_code->setFocus();
}

void ActivitiesWindow::startChange()
{
    if (!currentActivity()) {
        Messages::inform(Msg::TabelaVazia, Atividades);
        return;
    }
    m_code->setText(currentActivity()->value(0).toString());
    m_description->setText(currentActivity()->value(1).toString());
    setMode(Mode::Change);
    m_description->setFocus();
}

void ActivitiesWindow::startDelete()
{
    if (!currentActivity()) {
        Messages::inform(Msg::TabelaVazia, Atividades);
        return;
    }
    m_code->setText(currentActivity()->value(0).toString());
    m_description->setText(currentActivity()->value(1).toString());
    setMode(Mode::Delete);
    m_cancel->setFocus();
}

void ActivitiesWindow::codeEntered()
{
    if (m_code->text().isEmpty()) {
        Messages::inform(Msg::CodigoIncorreto);
        m_code->clear();
        return;
    }
    m_code->setText(Activities::paddedCode(m_code->text()));
    bool taken = false;
    try {
        taken = Activities::exists(m_window.ownConnection(), m_code->text());
    } catch (const OpenFailed&) {
        Messages::inform(Msg::AberturaDeTabela, Atividades);
        return;
    }
    if (taken) {
        Messages::inform(Msg::CodigoJaCadastrado);
        m_code->clear();
        m_code->setFocus();
        return;
    }
    m_code->setEnabled(false);
    m_description->setEnabled(true);
    m_description->setFocus();
}

void ActivitiesWindow::descriptionEntered()
{
    if (m_description->text().trimmed().isEmpty()) {
        Messages::inform(Msg::DadoIncorreto, QStringLiteral("Descrição"));
        m_description->clear();
        return;
    }
    m_confirm->setFocus();
}

void ActivitiesWindow::confirm()
{
    if (m_code->text().isEmpty()) {
        Messages::inform(Msg::CodigoIncorreto);
        m_code->setFocus();
        return;
    }
    if (m_mode != Mode::Delete && m_description->text().trimmed().isEmpty()) {
        Messages::inform(Msg::DadoIncorreto, QStringLiteral("Descrição"));
        (m_description->isEnabled() ? m_description : m_code)->setFocus();
        return;
    }
    try {
        write();
    } catch (const RowHeld&) {
        Messages::inform(Msg::RegistroJaAlocado, Atividades);
        // A code taken meanwhile asks for another one; a row changed or removed by
        // another station is shown as it now is.
        const bool inserting = m_mode == Mode::Insert;
        setMode(Mode::Browse);
        reload();
        if (inserting)
            startInsert();
        return;
    } catch (const DataError&) {
        Messages::inform(Msg::GravandoNaTabela, QStringLiteral("Banco de Dados"));
        close();
        return;
    }
    const QString written = Activities::paddedCode(m_code->text());
    setMode(Mode::Browse);
    reload(written);
}

void ActivitiesWindow::write()
{
    Connection& own = m_window.ownConnection();
    switch (m_mode) {
    case Mode::Insert:
        Activities::add(own, Activities::paddedCode(m_code->text()), m_description->text());
        return;
    case Mode::Change:
        Activities::describe(own, *currentActivity(), m_description->text());
        return;
    case Mode::Delete:
        Activities::remove(own, *currentActivity());
        return;
    case Mode::Browse:
        return;
    }
}

void ActivitiesWindow::cancel()
{
    setMode(Mode::Browse);
    reload();
}

void ActivitiesWindow::showHelp()
{
    ActivitiesHelpDialog help(this);
    help.exec();
}

} // namespace kelvora
