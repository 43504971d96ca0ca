#include "gui/auth/LoginDialog.h"

#include "data/AssessmentPurge.h"
#include "data/Connection.h"
#include "data/DataError.h"
#include "data/SchemaUpgrade.h"
#include "domain/MessageTexts.h"
#include "gui/app/MainWindow.h"
#include "gui/widgets/KeyActions.h"
#include "gui/widgets/Messages.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

namespace kelvora {

namespace {

const QString DigiteSuaSenha = QStringLiteral("Digite sua Senha !");
const QString AtualizandoVersao = QStringLiteral("Aguarde...Atualizando de Versão");
const QString ExcluindoDadosAntigos = QStringLiteral("Aguarde... Excluíndo dados antigos");
const QString BancoDeDados = QStringLiteral("Banco de Dados");

} // namespace

LoginDialog::LoginDialog(MainWindow& window)
    : GuardedDialog(&window)
    , m_window(window)
    , m_fields(this, QStringLiteral("Código do Usuário "), QStringLiteral("Senha "))
    , m_progress(new QLabel(this))
{
    setObjectName(QStringLiteral("TPDLGACESSO"));
    setWindowTitle(QStringLiteral("Acesso"));
    m_fields.code->setToolTip(QStringLiteral("Digite seu código"));
    m_fields.code->setEnabled(false); // until the tables are open
    m_fields.password->setToolTip(QStringLiteral("Digite sua senha"));
    m_progress->setObjectName(QStringLiteral("LBLATUALIZACAO"));
    m_progress->setStyleSheet(QStringLiteral("color: #1f4e79; font-weight: bold;"));
    m_progress->hide();
    m_fields.grid->addWidget(m_progress, 2, 1, 1, 3);
    setFixedSize(sizeHint().expandedTo(QSize(400, 0)));

    KeyActions::on(m_fields.code, {Qt::Key_Return, Qt::Key_Escape}, [this] { codeEntered(); });
    KeyActions::on(m_fields.password, {Qt::Key_Return}, [this] { passwordEntered(); });
    KeyActions::on(m_fields.password, {Qt::Key_Escape}, [this] { backToCode(); });
}

bool LoginDialog::run(MainWindow& window)
{
    LoginDialog dialog(window);
    dialog.exec();
    return !dialog.terminated();
}

void LoginDialog::showEvent(QShowEvent* event)
{
    GuardedDialog::showEvent(event);
    // Once per showing, after the dialog is on the screen: the size check's own
    // message boxes re-activate the dialog and must not start it again.
    QTimer::singleShot(0, this, &LoginDialog::prepare);
}

void LoginDialog::prepare()
{
    upgradeSchema();
    if (!openTables())
        return;
    m_fields.code->setEnabled(true);
    m_fields.code->setFocus();
    checkDatabaseSize();
}

void LoginDialog::upgradeSchema()
{
    SchemaUpgrade upgrade(m_window.ownConnection());
    if (!upgrade.needed())
        return;
    showProgress(AtualizandoVersao);
    const UpgradeResult result = upgrade.run();
    hideProgress();
    // A failed step stays undone until the next login tries again; the close
    // rule keeps the dialog open for the login all the same.
    if (result.failed)
        Messages::inform(Msg::GravandoNaTabela, BancoDeDados);
}

bool LoginDialog::openTables()
{
    Connection& own = m_window.ownConnection();
    QString table = QStringLiteral("Usuarios");
    try {
        own.select(table, QStringLiteral("SELECT CODIGO FROM Usuarios WHERE 1 = 0"));
        table = QStringLiteral("Controle");
        QSqlQuery settings = own.select(QStringLiteral("Moxcvar"),
                                        QStringLiteral("SELECT AlunosAtivos FROM Moxcvar"));
        m_window.setActiveStudentsSetting(settings.next() ? settings.value(0).toString().left(3)
                                                          : QString());
    } catch (const OpenFailed&) {
        Messages::inform(Msg::AberturaDeTabela, table);
        terminate();
        return false;
    }
    return true;
}

void LoginDialog::checkDatabaseSize()
{
    int megabytes = 0;
    try {
        megabytes = databaseSizeMb(m_window.ownConnection());
    } catch (const DataError&) {
        return; // a size that cannot be read is no reason to keep anybody out
    }
    const QString detail = QStringLiteral("Tamanho: %1 MB").arg(megabytes);
    switch (classifySize(megabytes, m_sizeLimits)) {
    case SizeState::Fine:
        return;
    case SizeState::NearLimit:
        Messages::inform(Msg::ProximoLimiteBanco, detail);
        return;
    case SizeState::OverLimit:
        Messages::inform(Msg::ExcedeuLimiteBanco, detail);
        purgeOldestYear();
        return;
    }
}

void LoginDialog::purgeOldestYear()
{
    Connection& own = m_window.ownConnection();
    bool waiting = false;
    const PurgeOutcome outcome = kelvora::purgeOldestYear(own, own.folder(), [&](int) {
        showProgress(ExcluindoDadosAntigos);
        QApplication::setOverrideCursor(Qt::WaitCursor);
        waiting = true;
    });
    if (waiting)
        QApplication::restoreOverrideCursor();
    hideProgress();
    switch (outcome.kind) {
    case PurgeOutcome::NoAssessments:
        return;
    case PurgeOutcome::Done:
        Messages::inform(Msg::FimDeProcesso);
        return;
    case PurgeOutcome::BackupFailed:
        Messages::inform(Msg::ErroBackup);
        return;
    case PurgeOutcome::PurgeFailed:
        Messages::inform(Msg::GravandoNaTabela, BancoDeDados);
        return;
    }
}

void LoginDialog::showProgress(const QString& text)
{
    m_progress->setText(text);
    m_progress->show();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void LoginDialog::hideProgress()
{
    m_progress->hide();
}

void LoginDialog::codeEntered()
{
    if (const auto user = m_fields.findTypedUser(m_window)) {
        m_user = *user;
        return;
    }
    if (!m_window.changeUserMode())
        ++m_codeAttempts;
    Messages::inform(Msg::CodigoNaoCadastrado);
    m_fields.code->clear();
    m_fields.code->setFocus();
    if (m_codeAttempts == AttemptsLimit) {
        Messages::inform(Msg::UsuarioSemAcesso);
        terminate();
    }
}

void LoginDialog::passwordEntered()
{
    const QString typed = m_fields.password->text();
    if (typed.isEmpty()) {
        Messages::plain(DigiteSuaSenha);
        return;
    }
    if (m_fields.passwordMatches(m_user)) {
        m_window.logIn(m_user.value(QStringLiteral("CODIGO")).toString());
        finish(Accepted);
        return;
    }
    if (!m_window.changeUserMode())
        ++m_passwordAttempts;
    Messages::inform(Msg::UsuarioSemAcesso); // the routine's beep is the one the user hears
    m_fields.password->clear();
    m_fields.password->setFocus();
    if (m_passwordAttempts == AttemptsLimit) {
        Messages::inform(Msg::UsuarioSemAcesso);
        terminate();
    }
}

void LoginDialog::backToCode()
{
    m_fields.password->clear();
    m_fields.password->setEnabled(false);
    m_fields.code->setEnabled(true);
    m_fields.code->clear();
    m_fields.code->setFocus();
    m_fields.name->clear();
}

void LoginDialog::terminate()
{
    m_terminated = true;
    finish(Rejected);
    m_window.close();
}

} // namespace kelvora
