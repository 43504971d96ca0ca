#include "gui/mail/SendMailDialog.h"

#include "data/Connection.h"
#include "data/DataError.h"
#include "domain/MessageTexts.h"
#include "gui/widgets/BackgroundWork.h"
#include "gui/widgets/CommandButton.h"
#include "gui/widgets/FileDialogs.h"
#include "gui/widgets/KeyActions.h"
#include "gui/widgets/Messages.h"
#include "mail/MailMessage.h"
#include "mail/SmtpClient.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>

#include <memory>

namespace kelvora {

namespace {

const QString ListSeparator = QStringLiteral(",");

QLabel* caption(const QString& text, QWidget* buddy, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

} // namespace

void SendMailDialog::run(const Connection& own, const QString& recipient,
                         const QString& registration, QWidget* parent)
{
    SmtpSettings settings;
    try {
        settings = SmtpSettings::read(own);
    } catch (const DataError&) {
        Messages::inform(Msg::AberturaDeTabela, QStringLiteral("Controle"));
        return;
    }
    SendMailDialog(std::move(settings), own.folder(), recipient, registration, parent).exec();
}

SendMailDialog::SendMailDialog(SmtpSettings settings, QString reportsFolder,
                               const QString& recipient, QString registration, QWidget* parent)
    : QDialog(parent)
    , m_settings(std::move(settings))
    , m_reportsFolder(std::move(reportsFolder))
    , m_registration(std::move(registration))
    , m_recipients(new QLineEdit(this))
    , m_subject(new QLineEdit(DefaultSubject, this))
    , m_text(new QPlainTextEdit(DefaultBody, this))
    , m_files(new QListWidget(this))
    , m_sendingLabel(new QLabel(QStringLiteral("Enviando e-mail..."), this))
    , m_chooseFile(
          commandButton(this, "BBNARQUIVOS", QStringLiteral("Arquivos"), QStyle::SP_DirOpenIcon))
    , m_send(
          commandButton(this, "BBNENVIAR", QStringLiteral("Enviar"), QStyle::SP_DialogApplyButton))
    , m_return(commandButton(this, "BBNCANCELA", QStringLiteral("Retorna"),
                             QStyle::SP_DialogCancelButton))
{
    setObjectName(QStringLiteral("TFRMONLINE"));
    setWindowTitle(QStringLiteral("Enviar e-mail via Outlook Express"));
    m_recipients->setObjectName(QStringLiteral("EDTDESTINO"));
    m_recipients->setText(cleanRecipients(recipient).join(ListSeparator));
    m_subject->setObjectName(QStringLiteral("EDTASSUNTO"));
    m_text->setObjectName(QStringLiteral("MemMensagem"));
    m_text->setTabChangesFocus(true);
    m_files->setObjectName(QStringLiteral("TLBARQUIVOS"));
    m_files->setToolTip(QStringLiteral("Clique duplo para excluir arquivo anexado"));
    m_sendingLabel->setObjectName(QStringLiteral("LBLEMAIL"));
    m_sendingLabel->setStyleSheet(QStringLiteral("font-weight: bold; color: #b00000;"));
    m_sendingLabel->hide();
    for (QPushButton* button : {m_chooseFile, m_send, m_return})
        button->setAutoDefault(false);

    auto* grid = new QGridLayout(this);
    grid->addWidget(caption(QStringLiteral("Destinatário (Mais de um endereço, separe por ;)"),
                            m_recipients, this),
                    0, 0);
    grid->addWidget(m_recipients, 1, 0);
    grid->addWidget(caption(QStringLiteral("Assunto"), m_subject, this), 2, 0);
    grid->addWidget(m_subject, 3, 0);
    grid->addWidget(caption(QStringLiteral("Texto"), m_text, this), 4, 0);
    grid->addWidget(m_text, 5, 0);
    grid->addWidget(caption(QStringLiteral("Arquivos para anexar"), m_files, this), 6, 0);
    grid->addWidget(m_files, 7, 0);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_sendingLabel);
    buttons->addStretch();
    buttons->addWidget(m_chooseFile);
    buttons->addWidget(m_send);
    buttons->addWidget(m_return);
    grid->addLayout(buttons, 8, 0);
    grid->setRowStretch(5, 1);
    grid->setRowStretch(7, 1);
    resize(520, 460);

    KeyActions::enterMovesAlong({m_recipients, m_subject, m_text, m_chooseFile});
    connect(m_chooseFile, &QPushButton::clicked, this, &SendMailDialog::chooseFile);
    connect(m_files, &QListWidget::itemDoubleClicked, this, &SendMailDialog::removeFile);
    connect(m_send, &QPushButton::clicked, this, &SendMailDialog::send);
    connect(m_return, &QPushButton::clicked, this, &SendMailDialog::reject);
    m_subject->setFocus();
}

void SendMailDialog::reject()
{
    // The message is on its way: the answer of the server decides what happens next.
    if (!m_sending)
        QDialog::reject();
}

void SendMailDialog::chooseFile()
{
    // The reports a preview stored for this student ("Mt_" + number + date).
    const QString pattern = QStringLiteral("Mt_%1*.pdf").arg(m_registration);
    const QString file =
        FileDialogs::openFileName(this, QStringLiteral("Arquivos"), m_reportsFolder,
                                  QStringLiteral("Relatórios (%1)").arg(pattern));
    if (!file.isEmpty())
        m_files->addItem(file);
}

void SendMailDialog::removeFile(QListWidgetItem* item)
{
    if (Messages::ask(QStringLiteral("Excluir este arquivo da lista ?")))
        delete item;
}

void SendMailDialog::send()
{
    MailMessage message{
        cleanRecipients(m_recipients->text()), m_subject->text(), m_text->toPlainText(), {}};
    for (int row = 0; row < m_files->count(); ++row)
        message.attachments << m_files->item(row)->text();
    if (m_settings.portProblem) {
        Messages::inform(Msg::EmailProblemaProvedor, QStringLiteral("Endereço de Porta"));
        return;
    }
    setSending(true);
    auto failure = std::make_shared<QString>();
    runInBackground(
        this,
        [client = SmtpClient(m_settings), message, failure] { *failure = client.send(message); },
        [this, failure] { sent(*failure); });
}

void SendMailDialog::sent(const QString& failure)
{
    setSending(false);
    if (!failure.isEmpty()) {
        Messages::inform(Msg::EmailProblemaProvedor, failure);
        return;
    }
    m_recipients->clear();
    m_subject->clear();
    m_text->clear();
    m_files->clear();
    Messages::inform(Msg::EmailEnviado);
    accept();
}

void SendMailDialog::setSending(bool sending)
{
    m_sending = sending;
    m_sendingLabel->setVisible(sending);
    for (QPushButton* button : {m_chooseFile, m_send, m_return})
        button->setEnabled(!sending);
}

} // namespace kelvora
