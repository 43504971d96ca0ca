#pragma once

#include "mail/SmtpSettings.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPlainTextEdit;
class QPushButton;

namespace kelvora {

class Connection;

// "Enviar e-mail via Outlook Express": one message to a student, with report files
// of that student attached, sent through the server of the settings row.
class SendMailDialog : public QDialog {
    Q_OBJECT
public:
    // Opens the dialog modally for `recipient`; `registration` (the student's number,
    // empty for any student) chooses which report files "Arquivos" offers. Tells
    // "Abertura de tabela !" and opens nothing when the settings cannot be read.
    static void run(const Connection& own, const QString& recipient, const QString& registration,
                    QWidget* parent);

    SendMailDialog(SmtpSettings settings, QString reportsFolder, const QString& recipient,
                   QString registration, QWidget* parent = nullptr);

    void reject() override;

private:
    void chooseFile();
    void removeFile(QListWidgetItem* item);
    void send();
    void sent(const QString& failure);
    void setSending(bool sending);

    SmtpSettings m_settings;
    QString m_reportsFolder;
    QString m_registration;
    bool m_sending = false;

    QLineEdit* m_recipients;
    QLineEdit* m_subject;
    QPlainTextEdit* m_text;
    QListWidget* m_files;
    QLabel* m_sendingLabel;
    QPushButton* m_chooseFile;
    QPushButton* m_send;
    QPushButton* m_return;
};

} // namespace kelvora
