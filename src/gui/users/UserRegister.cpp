#include "gui/users/UserRegister.h"

#include "data/DataError.h"
#include "data/PasswordHash.h"
#include "data/Users.h"
#include "domain/MessageTexts.h"
#include "domain/UserRules.h"
#include "gui/app/MainWindow.h"
#include "gui/users/AccessLevelEditor.h"
#include "gui/users/UserGrid.h"
#include "gui/users/UserHelpDialog.h"
#include "gui/users/UserListing.h"
#include "gui/users/UserTexts.h"
#include "gui/widgets/ChildWindow.h"
#include "gui/widgets/KeyActions.h"
#include "gui/widgets/Messages.h"
#include "gui/widgets/TextInput.h"

#include <QAction>
#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace kelvora {

namespace {

const QString Code = QStringLiteral("CODIGO");
const QString Name = QStringLiteral("NOME");

QLineEdit* passwordField(QWidget* parent, const char* name)
{
    auto* field = new QLineEdit(parent);
    field->setObjectName(QLatin1String(name));
    TextInput::makePasswordField(field, 6);
    field->setFixedWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("MMMMMMMM")));
    return field;
}

// A panel of labelled fields that is shown or hidden as a whole.
QFormLayout* formPanel(QWidget* panel)
{
    auto* form = new QFormLayout(panel);
    form->setContentsMargins(0, 0, 0, 0);
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return form;
}

} // namespace

UserRegister::UserRegister(MainWindow& window, QWidget* parent)
    : QWidget(parent)
    , m_window(window)
    , m_grid(new UserGrid(this))
    , m_toolBar(new QWidget(this))
    , m_code(new QLineEdit(this))
    , m_name(new QLineEdit(this))
    , m_physician(new QCheckBox(QStringLiteral("Médico"), this))
    , m_currentPanel(new QWidget(this))
    , m_currentPassword(passwordField(m_currentPanel, "EDTSENHAATUAL"))
    , m_newPanel(new QWidget(this))
    , m_newPassword(passwordField(m_newPanel, "EDTSENHANOVA"))
    , m_repetition(passwordField(m_newPanel, "EDTSENHACONFIRMA"))
{
    setObjectName(QStringLiteral("TFRMCADASTRODEUSUARIOS"));
    setWindowTitle(UserTexts::RegisterCaption);

    auto* tools = new QHBoxLayout(m_toolBar);
    tools->setContentsMargins(0, 0, 0, 0);
    connect(addButton(tools, "SBINCLUIR", QStringLiteral("Incluir")), &QPushButton::clicked, this,
            &UserRegister::include);
    connect(addButton(tools, "SBALTERAR", QStringLiteral("Alterar")), &QPushButton::clicked, this,
            &UserRegister::change);
    connect(addButton(tools, "SBEXCLUIR", QStringLiteral("Excluir")), &QPushButton::clicked, this,
            &UserRegister::remove);
    connect(addButton(tools, "SBCONSULTAR", QStringLiteral("Consultar")), &QPushButton::clicked,
            this, &UserRegister::showListing);
    connect(addButton(tools, "SBAJUDAATIV", QStringLiteral("Ajuda")), &QPushButton::clicked, this,
            &UserRegister::showHelp);
    tools->addStretch();
    connect(addButton(tools, "SBSAIR", QStringLiteral("Sair")), &QPushButton::clicked, this,
            [this] { closeChildScreen(this); });

    m_code->setObjectName(QStringLiteral("DBEDTCODIGO"));
    m_code->setMaxLength(2);
    m_code->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9 ]*")), m_code));
    m_code->setFixedWidth(m_code->fontMetrics().horizontalAdvance(QStringLiteral("MMMM")));
    m_name->setObjectName(QStringLiteral("DBEDTNOME"));
    m_name->setMaxLength(26);
    m_name->setMinimumWidth(m_name->fontMetrics().horizontalAdvance(QString(20, QLatin1Char('M'))));
    TextInput::forceUpperCase(m_name);
    m_physician->setObjectName(QStringLiteral("DBCHKEXAMEMEDICO"));

    auto* fields = new QGroupBox(this);
    auto* form = new QFormLayout(fields);
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form->addRow(QStringLiteral("Código do Usuário"), m_code);
    form->addRow(QStringLiteral("Nome do Usuário"), m_name);
    form->addRow(QString(), m_physician);
    formPanel(m_currentPanel)->addRow(QStringLiteral("Digite senha ATUAL"), m_currentPassword);
    QFormLayout* newForm = formPanel(m_newPanel);
    newForm->addRow(QStringLiteral("Digite senha NOVA"), m_newPassword);
    newForm->addRow(QStringLiteral("Redigite senha "), m_repetition);
    form->addRow(m_currentPanel);
    form->addRow(m_newPanel);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    m_confirm = addButton(buttons, "BBNCONFIRMA", QStringLiteral("Confirma"));
    m_cancel = addButton(buttons, "BBNCANCELA", QStringLiteral("Cancela"));
    connect(m_confirm, &QPushButton::clicked, this, &UserRegister::confirm);
    connect(m_cancel, &QPushButton::clicked, this, &UserRegister::cancel);

    auto* side = new QVBoxLayout;
    side->addWidget(fields);
    side->addStretch();
    side->addLayout(buttons);
    auto* body = new QHBoxLayout;
    body->addWidget(m_grid, 1);
    body->addLayout(side);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_toolBar);
    layout->addLayout(body);
    resize(640, 360);

    KeyActions::on(m_code, {Qt::Key_Return}, [this] { codeEntered(); });
    KeyActions::on(m_name, {Qt::Key_Return}, [this] { nameEntered(); });
    KeyActions::on(m_newPassword, {Qt::Key_Return}, [this] { newPasswordEntered(); });
    KeyActions::on(m_repetition, {Qt::Key_Return}, [this] { repetitionEntered(); });
    KeyActions::on(m_currentPassword, {Qt::Key_Return}, [this] { currentPasswordEntered(); });
    KeyActions::on(m_physician, {Qt::Key_Return}, [this] { m_confirm->click(); });

    reload();
    browse();
}

QPushButton* UserRegister::addButton(QLayout* layout, const char* name, const QString& text)
{
    auto* button = new QPushButton(text, this);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    layout->addWidget(button);
    return button;
}

void UserRegister::reload()
{
    try {
        m_grid->showUsers(Users::list(m_window.ownConnection()));
    } catch (const DataError& error) {
        Messages::showDataError(error);
    }
}

void UserRegister::browse()
{
    m_mode = Mode::Browse;
    m_original = QSqlRecord();
    for (QLineEdit* field : {m_code, m_name, m_currentPassword, m_newPassword, m_repetition}) {
        field->clear();
        field->setEnabled(false);
    }
    m_physician->setChecked(false);
    m_physician->setEnabled(false);
    m_currentPanel->hide();
    m_newPanel->hide();
    m_confirm->setEnabled(false);
    m_cancel->setEnabled(false);
    m_grid->setEnabled(true);
    m_toolBar->setEnabled(true);
    setWindowTitle(UserTexts::RegisterCaption);
}

void UserRegister::setEditing(Mode mode, const QString& caption)
{
    m_mode = mode;
    m_grid->setEnabled(false);
    m_toolBar->setEnabled(false);
    m_cancel->setEnabled(true);
    setWindowTitle(caption);
}

void UserRegister::include()
{
    setEditing(Mode::Include, UserTexts::IncludeCaption);
    m_confirm->setEnabled(true);
    m_code->setEnabled(true);
    m_physician->setChecked(false);
    m_code->setFocus();
}

void UserRegister::codeEntered()
{
    const QString code = padUserCode(m_code->text());
    if (!isValidUserCode(code)) {
        refuseField(m_code, Msg::CodigoIncorreto);
        return;
    }
    try {
        if (Users::exists(m_window.ownConnection(), code)) {
            refuseField(m_code, Msg::CodigoJaCadastrado);
            return;
        }
    } catch (const DataError& error) {
        Messages::showDataError(error);
        return;
    }
    m_code->setText(code);
    m_code->setEnabled(false);
    for (QWidget* field : {static_cast<QWidget*>(m_name), static_cast<QWidget*>(m_newPassword),
                           static_cast<QWidget*>(m_repetition), static_cast<QWidget*>(m_physician)})
        field->setEnabled(true);
    m_newPanel->show();
    m_name->setFocus();
}

void UserRegister::nameEntered()
{
    if (m_name->text().trimmed().isEmpty())
        refuseField(m_name, Msg::DadoIncorreto, UserTexts::NameDetail);
    else if (m_mode == Mode::Include)
        m_newPassword->setFocus();
}

void UserRegister::newPasswordEntered()
{
    if (m_newPassword->text().isEmpty())
        refuseField(m_newPassword, Msg::DadoIncorreto, UserTexts::PasswordDetail);
    else
        m_repetition->setFocus();
}

void UserRegister::repetitionEntered()
{
    if (m_repetition->text().isEmpty()) {
        refuseField(m_repetition, Msg::DadoIncorreto, UserTexts::PasswordDetail);
    } else if (m_repetition->text() != m_newPassword->text()) {
        Messages::inform(Msg::DadoIncorreto, UserTexts::PasswordsDifferDetail);
        clearNewPasswords();
    } else {
        m_physician->setFocus();
    }
}

void UserRegister::refuseField(QLineEdit* field, const QString& text, const QString& detail)
{
    Messages::inform(text, detail);
    field->clear();
    field->setFocus();
}

void UserRegister::clearNewPasswords()
{
    m_newPassword->clear();
    m_repetition->clear();
    m_newPassword->setFocus();
}

// Tells and returns true when the logged-in user may not change (or delete) the selected one.
bool UserRegister::refusedOnMaster(bool deleting)
{
    const QString selected = m_grid->currentCode();
    const QString loggedIn = m_window.userCode();
    const bool refused =
        deleting ? !mayDeleteUser(selected, loggedIn) : !mayChangeUser(selected, loggedIn);
    if (refused)
        Messages::inform(Msg::DadoNaoPodeSerAlterado, UserTexts::Master);
    return refused;
}

// Reads the selected user's row as it stands now: a later write only goes through
// while the row still holds what was read here.
bool UserRegister::readSelectedUser()
{
    std::optional<QSqlRecord> user;
    try {
        user = Users::find(m_window.ownConnection(), m_grid->currentCode());
    } catch (const DataError& error) {
        Messages::showDataError(error);
        return false;
    }
    if (!user) {
        Messages::inform(Msg::RegistroJaAlocado, Users::Table);
        reload();
        return false;
    }
    m_original = *user;
    m_code->setText(user->value(Code).toString());
    m_name->setText(user->value(Name).toString());
    return true;
}

void UserRegister::change()
{
    if (m_grid->currentCode().isEmpty() || refusedOnMaster(false) || !readSelectedUser())
        return;
    setEditing(Mode::Change, UserTexts::ChangeCaption);
    m_physician->setEnabled(true);
    m_physician->setChecked(m_original.value(QStringLiteral("EXAMEMEDICO")).toBool());
    m_newPassword->setEnabled(true);
    m_repetition->setEnabled(true);
    m_currentPassword->setEnabled(true);
    m_currentPanel->show();
    m_attempts = 1;
    m_currentPassword->setFocus();
}

void UserRegister::currentPasswordEntered()
{
    const QString typed = m_currentPassword->text();
    if (!typed.isEmpty() &&
        PasswordHash::verify(m_original.value(QStringLiteral("SENHA")).toString(), typed)) {
        m_confirm->setEnabled(true);
        m_currentPanel->hide();
        m_newPanel->show();
        m_newPassword->setFocus();
        return;
    }
    ++m_attempts;
    refuseField(m_currentPassword, Msg::DadoIncorreto, UserTexts::WrongCurrentPasswordDetail);
    if (m_attempts >= 4)
        closeChildScreen(this);
}

void UserRegister::remove()
{
    if (m_grid->currentCode().isEmpty() || refusedOnMaster(true) || !readSelectedUser())
        return;
    setEditing(Mode::Delete, UserTexts::DeleteCaption);
    m_confirm->setEnabled(true);
    m_newPassword->setText(UserTexts::MaskedPassword);
    m_repetition->setText(UserTexts::MaskedPassword);
    m_newPanel->show();
    m_cancel->setFocus();
}

bool UserRegister::passwordsAccepted()
{
    const QString password = m_newPassword->text();
    if (!isValidPassword(password) || !isValidPassword(m_repetition->text())) {
        Messages::inform(Msg::DadoIncorreto, UserTexts::PasswordDetail);
        clearNewPasswords();
        return false;
    }
    if (password != m_repetition->text()) {
        Messages::inform(Msg::DadoIncorreto, UserTexts::PasswordsDifferDetail);
        clearNewPasswords();
        return false;
    }
    return true;
}

void UserRegister::confirm()
{
    if (m_code->text().trimmed().isEmpty()) {
        refuseField(m_code, Msg::CodigoIncorreto);
        return;
    }
    if (m_name->text().trimmed().isEmpty()) {
        Messages::inform(Msg::DadoIncorreto, UserTexts::NameDetail);
        m_name->setFocus();
        return;
    }
    if (m_mode != Mode::Delete && !passwordsAccepted())
        return;
    const QString code = m_code->text();
    const Mode mode = m_mode;
    bool fullAccess = false;
    if (mode == Mode::Include)
        fullAccess = Messages::ask(UserTexts::FullAccessQuestion);
    try {
        Connection& own = m_window.ownConnection();
        if (mode == Mode::Include)
            Users::add(own, {code, m_name->text().trimmed(), m_newPassword->text(),
                             m_physician->isChecked(), fullAccess});
        else if (mode == Mode::Change)
            Users::change(own, m_original, m_newPassword->text(), m_physician->isChecked());
        else
            Users::remove(own, m_original);
    } catch (const RowHeld&) {
        // Another station got there first: what it wrote stands, and the grid shows it.
        Messages::inform(Msg::RegistroJaAlocado, Users::Table);
        reload();
        browse();
        include();
        return;
    } catch (const DataError&) {
        Messages::inform(Msg::GravandoNaTabela, UserTexts::DatabaseDetail);
        closeChildScreen(this);
        return;
    }
    reload();
    if (mode != Mode::Delete)
        m_grid->selectCode(code);
    browse();
    if (mode == Mode::Include && fullAccess)
        return;
    QAction* rightsItem = m_window.menuItem(QStringLiteral("MNPARAMETRIZACAODOUSUARIO"));
    rightsItem->trigger();
    if (mode != Mode::Delete)
        if (auto* editor = m_window.mdiArea()->findChild<AccessLevelEditor*>())
            editor->selectUser(code);
}

void UserRegister::cancel()
{
    browse();
}

void UserRegister::showListing()
{
    UserListing listing(m_window, this);
    listing.exec();
    setWindowTitle(UserTexts::RegisterListingCaption);
}

void UserRegister::showHelp()
{
    UserHelpDialog help(this);
    help.exec();
}

} // namespace kelvora
