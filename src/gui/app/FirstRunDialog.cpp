#include "gui/app/FirstRunDialog.h"

#include "data/DataError.h"
#include "data/Installer.h"
#include "data/Stations.h"
#include "domain/MessageTexts.h"
#include "gui/widgets/Messages.h"
#include "gui/widgets/TextInput.h"
#include "gui/widgets/WaitCursor.h"

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kelvora {

namespace {

QLineEdit* upperCaseEdit(QWidget* parent, const char* name, int maxLength)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setMaxLength(maxLength);
    TextInput::forceUpperCase(edit);
    return edit;
}

// Server names, database names, users and their passwords are typed as they are.
QLineEdit* plainEdit(QWidget* parent, const char* name, const QString& hint)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setPlaceholderText(hint);
    return edit;
}

} // namespace

FirstRunDialog::FirstRunDialog(QString folder, QWidget* parent)
    : QDialog(parent)
    , m_folder(std::move(folder))
    , m_ways(new QButtonGroup(this))
{
    setObjectName(QStringLiteral("TFRMINSTALACAO"));
    setWindowTitle(QStringLiteral("Instalação do Kelvora"));
    auto* intro =
        new QLabel(QStringLiteral("Não há banco de dados em %1.\nComo esta estação vai trabalhar?")
                       .arg(m_folder),
                   this);
    intro->setWordWrap(true);

    const QVector<QPair<const char*, QString>> ways{
        {"RBEMBUTIDO", QStringLiteral("Novo banco embutido, só nesta estação")},
        {"RBSERVIDOR", QStringLiteral("Novo banco num servidor PostgreSQL, para várias estações")},
        {"RBENTRAR", QStringLiteral("Entrar no banco do servidor que outra estação criou")}};
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    for (int way = Embedded; way <= JoinServer; ++way) {
        auto* button = new QRadioButton(ways.at(way).second, this);
        button->setObjectName(QLatin1String(ways.at(way).first));
        m_ways->addButton(button, way);
        layout->addWidget(button);
    }
    m_gymSection = gymSection();
    m_serverSection = serverSection();
    layout->addWidget(m_gymSection);
    layout->addWidget(m_serverSection);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("Confirma"), QDialogButtonBox::AcceptRole)
        ->setObjectName(QStringLiteral("BBNCONFIRMA"));
    buttons->addButton(QStringLiteral("Cancela"), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("BBNCANCELA"));
    connect(buttons, &QDialogButtonBox::accepted, this, &FirstRunDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &FirstRunDialog::reject);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_ways, &QButtonGroup::idClicked, this, &FirstRunDialog::showWay);
    m_ways->button(Embedded)->setChecked(true);
    showWay(Embedded);
    setMinimumWidth(480);
}

QGroupBox* FirstRunDialog::gymSection()
{
    auto* section = new QGroupBox(QStringLiteral("Academia"), this);
    m_gym = upperCaseEdit(section, "EDTACADEMIA", 35);
    m_password = upperCaseEdit(section, "EDTSENHA", 6);
    m_confirmation = upperCaseEdit(section, "EDTCONFIRMASENHA", 6);
    for (QLineEdit* edit : {m_password, m_confirmation})
        edit->setEchoMode(QLineEdit::Password);
    m_password->setToolTip(QStringLiteral("Exatamente 6 caracteres"));
    auto* form = new QFormLayout(section);
    form->addRow(QStringLiteral("Nome da academia"), m_gym);
    form->addRow(QStringLiteral("Senha do usuário mestre (00)"), m_password);
    form->addRow(QStringLiteral("Confirme a senha"), m_confirmation);
    return section;
}

QGroupBox* FirstRunDialog::serverSection()
{
    auto* section = new QGroupBox(QStringLiteral("Servidor PostgreSQL"), this);
    m_server = plainEdit(section, "EDTSERVIDOR", QStringLiteral("nome ou endereço[:porta]"));
    m_database = plainEdit(section, "EDTBANCO", {});
    m_database->setText(QStringLiteral("kelvora")); // the name the README's walk-through uses
    m_user = plainEdit(section, "EDTUSUARIOBANCO", {});
    m_serverPassword = plainEdit(section, "EDTSENHABANCO", {});
    m_serverPassword->setEchoMode(QLineEdit::Password);
    m_tls = new QComboBox(section);
    m_tls->setObjectName(QStringLiteral("CBXTLS"));
    m_tls->addItem(QStringLiteral("Quando o servidor oferecer"), QStringLiteral("prefer"));
    m_tls->addItem(QStringLiteral("Sempre"), QStringLiteral("require"));
    m_tls->addItem(QStringLiteral("Sempre, conferindo o certificado"),
                   QStringLiteral("verify-full"));
    m_tls->addItem(QStringLiteral("Nunca"), QStringLiteral("disable"));
    auto* form = new QFormLayout(section);
    form->addRow(QStringLiteral("Servidor"), m_server);
    form->addRow(QStringLiteral("Banco"), m_database);
    form->addRow(QStringLiteral("Usuário"), m_user);
    form->addRow(QStringLiteral("Senha"), m_serverPassword);
    form->addRow(QStringLiteral("Conexão segura (TLS)"), m_tls);
    return section;
}

void FirstRunDialog::showWay(int way)
{
    m_gymSection->setVisible(way != JoinServer);
    m_serverSection->setVisible(way != Embedded);
    (way == JoinServer ? m_server : m_gym)->setFocus();
}

bool FirstRunDialog::gymAccepted(const GymIdentity& gym)
{
    if (gym.name.isEmpty()) {
        Messages::inform(Msg::DadoIncorreto, QStringLiteral("Academia"));
        m_gym->setFocus();
        return false;
    }
    if (m_password->text() != m_confirmation->text()) {
        Messages::inform(Msg::SenhaNaoConfere);
        m_confirmation->clear();
        m_confirmation->setFocus();
        return false;
    }
    const QStringList problems = Installer::problems(gym, m_password->text());
    if (!problems.isEmpty()) {
        Messages::inform(Msg::DadoIncorreto, problems.join(QLatin1Char('\n')));
        m_password->setFocus();
        return false;
    }
    return true;
}

bool FirstRunDialog::serverAccepted()
{
    const QVector<QPair<QLineEdit*, QString>> required{{m_server, QStringLiteral("Servidor")},
                                                       {m_database, QStringLiteral("Banco")},
                                                       {m_user, QStringLiteral("Usuário")}};
    for (const auto& [edit, field] : required) {
        if (edit->text().trimmed().isEmpty()) {
            Messages::inform(Msg::DadoIncorreto, field);
            edit->setFocus();
            return false;
        }
    }
    return true;
}

ServerAccount FirstRunDialog::account() const
{
    return {m_server->text().trimmed(), m_database->text().trimmed(), m_user->text().trimmed(),
            m_serverPassword->text(), m_tls->currentData().toString()};
}

bool FirstRunDialog::install(int way, const GymIdentity& gym)
{
    try {
        const WaitCursor wait;
        switch (way) {
        case Embedded:
            Installer::createEmbeddedDefault(m_folder, gym, m_password->text());
            break;
        case NewServer:
            Stations::createServerDatabase(m_folder, account(), {}, gym, m_password->text());
            break;
        case JoinServer:
            Stations::join(m_folder, account(), {});
            break;
        }
        return true;
    } catch (const ConfigError& error) {
        Messages::inform(Msg::DadoIncorreto, error.message());
    } catch (const DataError& error) {
        Messages::showDataError(error);
    }
    return false;
}

void FirstRunDialog::accept()
{
    const int way = m_ways->checkedId();
    const GymIdentity gym{m_gym->text().trimmed(), {}, {}, {}, {}};
    if (way != JoinServer && !gymAccepted(gym))
        return;
    if (way != Embedded && !serverAccepted())
        return;
    if (install(way, gym))
        QDialog::accept();
}

} // namespace kelvora
