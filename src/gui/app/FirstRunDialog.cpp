#include "gui/app/FirstRunDialog.h"

#include "data/DataError.h"
#include "data/Installer.h"
#include "domain/MessageTexts.h"
#include "gui/widgets/Messages.h"
#include "gui/widgets/TextInput.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
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
} // namespace

FirstRunDialog::FirstRunDialog(QString folder, QWidget* parent)
    : QDialog(parent)
    , m_folder(std::move(folder))
{
    setObjectName(QStringLiteral("TFRMINSTALACAO"));
    setWindowTitle(QStringLiteral("Instalação do Kelvora"));
    auto* intro = new QLabel(
        QStringLiteral("Não há banco de dados em %1.\nInforme o nome da academia e a senha do "
                       "usuário mestre (código 00) para criar o banco embutido.")
            .arg(m_folder),
        this);
    intro->setWordWrap(true);
    m_gym = upperCaseEdit(this, "EDTACADEMIA", 35);
    m_password = upperCaseEdit(this, "EDTSENHA", 6);
    m_confirmation = upperCaseEdit(this, "EDTCONFIRMASENHA", 6);
    for (QLineEdit* edit : {m_password, m_confirmation})
        edit->setEchoMode(QLineEdit::Password);
    m_password->setToolTip(QStringLiteral("Exatamente 6 caracteres"));

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Academia"), m_gym);
    form->addRow(QStringLiteral("Senha do usuário mestre"), m_password);
    form->addRow(QStringLiteral("Confirme a senha"), m_confirmation);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("Confirma"), QDialogButtonBox::AcceptRole)
        ->setObjectName(QStringLiteral("BBNCONFIRMA"));
    buttons->addButton(QStringLiteral("Cancela"), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("BBNCANCELA"));
    connect(buttons, &QDialogButtonBox::accepted, this, &FirstRunDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &FirstRunDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(form);
    layout->addWidget(buttons);
    setMinimumWidth(440);
}

void FirstRunDialog::accept()
{
    const GymIdentity gym{m_gym->text().trimmed(), {}, {}, {}, {}};
    if (gym.name.isEmpty()) {
        Messages::inform(Msg::DadoIncorreto, QStringLiteral("Academia"));
        m_gym->setFocus();
        return;
    }
    if (m_password->text() != m_confirmation->text()) {
        Messages::inform(Msg::SenhaNaoConfere);
        m_confirmation->clear();
        m_confirmation->setFocus();
        return;
    }
    const QStringList problems = Installer::problems(gym, m_password->text());
    if (!problems.isEmpty()) {
        Messages::inform(Msg::DadoIncorreto, problems.join(QLatin1Char('\n')));
        m_password->setFocus();
        return;
    }
    try {
        Installer::createEmbeddedDefault(m_folder, gym, m_password->text());
    } catch (const ConfigError& error) {
        Messages::inform(Msg::DadoIncorreto, error.message());
        return;
    } catch (const DataError& error) {
        Messages::showDataError(error);
        return;
    }
    QDialog::accept();
}

} // namespace kelvora
