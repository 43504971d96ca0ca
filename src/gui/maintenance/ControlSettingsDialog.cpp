#include "gui/maintenance/ControlSettingsDialog.h"

#include "data/Companion.h"
#include "data/SettingsEdit.h"
#include "data/SettingsRules.h"
#include "domain/YesNo.h"
#include "gui/app/MainWindow.h"
#include "gui/widgets/ChoiceBox.h"
#include "gui/widgets/KeyActions.h"
#include "gui/widgets/Messages.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kelvora {

namespace {

const QString ServerColumn = QStringLiteral("SMTP_PROVEDOR");
const QString TlsColumn = QStringLiteral("IdSMTP_UseTLS");
const int MailTextLength = 40;

struct ControlField {
    const char* column;
    const char* name;
    const char* label;
    bool months;
};

const ControlField ControlFields[] = {
    {"CODIGOSEQ", "DBCBCODIGOSEQ", "Matrícula Sequencial ", false},
    {"PATH_AVALIA", "DBCBPATH_AVALIA", "Sistema Kelvora (local)", false},
    {"PRAZOAVALMED", "DBCBPRAZOAVALMED", "Prazo de avaliação Médica", true},
    {"TEMPO_REAVALIACAO", "DBCBTEMPO_REAVALIACAO", "Nº de meses Reavaliação Funcional", true},
    {"MOSTRA_RESULTADO_CORPORAL", "DBCBMOSTRARESULTADO", "Mostra resultado Avaliação Corporal",
     false},
    {"MOSTRA_MEDICA", "DBCBMOSTRAMEDICA", "Mostra dado médico", false},
    {"CAPTURA_WEB", "DBCBCAPTURA_WEB", "Captura Foto Aluno com WebCam", false},
    {"POSTURAL_WEBCAN", "DBCBPOSTUTAL_WEBCAN", "Captura Foto Postural com WebCam", false},
    {"AlunosAtivos", "DBCBALUNOSATIVOS", "Alunos Ativos - Brandel", false},
};

struct MailField {
    const char* column;
    const char* name;
    const char* label;
};

const MailField MailFields[] = {
    {"NOME_PROVEDOR", "DBEDTNOME_PROVEDOR", "Nome"},
    {"EMAIL_PROVEDOR", "DBEDTEMAIL_PROVEDOR", "E-mail"},
    {"USERNAME", "DBEDTLOGIN", "Username"},
    {"PASSWORD", "DBEDTSENHA", "Password"},
};

QStringList monthChoices()
{
    QStringList months;
    for (int month = 1; month <= 12; ++month)
        months << QStringLiteral("%1").arg(month, 2, 10, QLatin1Char('0'));
    return months;
}

// Port 465 speaks TLS from the first byte; 587 starts plain and asks for STARTTLS.
QString tlsModeForPort(const QString& entry)
{
    return entry.endsWith(QLatin1String("465")) ? QStringLiteral("utUseImplicitTLS")
                                                : QStringLiteral("utUseExplicitTLS");
}

} // namespace

const QStringList& ControlSettingsDialog::smtpPresets()
{
    static const QStringList presets{QStringLiteral("smtp.gmail.com * 587"),
                                     QStringLiteral("smtp.office365.com * 587"),
                                     QStringLiteral("smtp.mail.yahoo.com * 465")};
    return presets;
}

ControlSettingsDialog::ControlSettingsDialog(SettingsEdit& edit, MainWindow& window)
    : SettingsDialog(edit, &window)
    , m_window(window)
{
    setObjectName(QStringLiteral("TFRMCONFIGURACONTROLE"));
    setWindowTitle(QStringLiteral("Configuração de Controle"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(controlGroup());
    layout->addWidget(mailGroup());
    layout->addLayout(buttonRow(QStringLiteral("BBNRETORNA"), QStringLiteral("Retorna")));

    QList<QWidget*> order;
    for (const Choice& choice : m_choices)
        order << choice.box;
    order << m_server;
    for (const auto& field : m_mailFields)
        order << field.second;
    order << m_tls << confirmButton();
    KeyActions::enterMovesAlong(order);

    copyIn();
    setFixedSize(sizeHint().expandedTo(QSize(460, 0)));
    m_choices.first().box->setFocus();
}

QWidget* ControlSettingsDialog::controlGroup()
{
    auto* group = new QGroupBox(QStringLiteral(" Controle "), this);
    auto* form = new QFormLayout(group);
    for (const ControlField& field : ControlFields) {
        auto* box = new ChoiceBox(field.months ? monthChoices() : QStringList{Sim, Nao}, group);
        box->setObjectName(QLatin1String(field.name));
        form->addRow(QString::fromUtf8(field.label), box);
        m_choices.append({QLatin1String(field.column), box, field.months});
    }
    return group;
}

QWidget* ControlSettingsDialog::mailGroup()
{
    auto* group = new QGroupBox(QStringLiteral(" Autenticação do Provedor - E-mail "), this);
    auto* form = new QFormLayout(group);
    m_server = new QComboBox(group);
    m_server->setObjectName(QStringLiteral("CBSMTP"));
    m_server->setEditable(true);
    m_server->setInsertPolicy(QComboBox::NoInsert);
    m_server->addItems(smtpPresets());
    m_server->lineEdit()->setMaxLength(MailTextLength);
    connect(m_server, &QComboBox::textActivated, this, &ControlSettingsDialog::presetChosen);
    form->addRow(QStringLiteral("SMTP e Porta separado por *"), m_server);

    for (const MailField& field : MailFields) {
        auto* edit = new QLineEdit(group);
        edit->setObjectName(QLatin1String(field.name));
        edit->setMaxLength(MailTextLength);
        form->addRow(QString::fromUtf8(field.label), edit);
        m_mailFields.append({QLatin1String(field.column), edit});
    }
    // The password goes to the mail server as typed; it is never shown.
    m_mailFields.last().second->setEchoMode(QLineEdit::Password);

    m_tls = new ChoiceBox(SettingsRules::tlsModes(), group);
    m_tls->setObjectName(QStringLiteral("CBUseTLS"));
    form->addRow(QStringLiteral("UseTLS"), m_tls);
    return group;
}

void ControlSettingsDialog::presetChosen(const QString& entry)
{
    if (smtpPresets().contains(entry))
        m_tls->showValue(tlsModeForPort(entry));
}

void ControlSettingsDialog::copyIn()
{
    for (const Choice& choice : m_choices) {
        const QVariant value = edit().value(choice.column);
        const bool month = choice.months && value.toInt() >= 1 && value.toInt() <= 12;
        choice.box->showValue(month
                                  ? QStringLiteral("%1").arg(value.toInt(), 2, 10, QLatin1Char('0'))
                                  : value.toString());
    }
    m_server->setCurrentIndex(-1);
    m_server->setEditText(edit().text(ServerColumn));
    for (const auto& [column, field] : m_mailFields)
        field->setText(edit().text(column));
    m_tls->showValue(edit().text(TlsColumn));
}

void ControlSettingsDialog::copyOut()
{
    // A drop-down left without a choice keeps the value read.
    for (const Choice& choice : m_choices) {
        if (!choice.box->hasChoice())
            continue;
        const QString text = choice.box->currentText();
        edit().set(choice.column, choice.months ? QVariant(text.toInt()) : QVariant(text));
    }
    edit().setText(ServerColumn, m_server->currentText());
    for (const auto& [column, field] : m_mailFields)
        edit().setText(column, field->text());
    if (m_tls->hasChoice())
        edit().setText(TlsColumn, m_tls->currentText());
}

void ControlSettingsDialog::confirm()
{
    copyOut();
    if (const auto refusal = SettingsRules::applyRegisterMode(edit())) {
        Messages::inform(refusal->text, refusal->detail);
        for (const Choice& choice : m_choices)
            if (choice.column == refusal->column)
                choice.box->setFocus();
        return;
    }
    switch (save(QStringLiteral("Banco de Dados"))) {
    case Saved::Failed:
        return;
    case Saved::Held:
        close(false);
        return;
    case Saved::Yes:
        break;
    }
    // Only a stored change takes effect: the login and the menu follow the row.
    m_window.setActiveStudentsSetting(edit().text(QStringLiteral("AlunosAtivos")).left(3));
    m_window.applyStudentRegisterMode(
        Companion::ownRegisterSetting(edit().value(SettingsRules::RegisterMode)));
    close(true);
}

} // namespace kelvora
