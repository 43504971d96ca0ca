#pragma once

#include <QString>
#include <QStringList>

namespace kelvora {

// What a message to a student says when the user writes nothing else.
inline const QString DefaultSubject = QStringLiteral("MANTENHA SUA AVALIAÇÃO SEMPRE EM DIA");
inline const QString DefaultBody =
    QStringLiteral("Mantenha sua avaliação em dia para obter sempre os melhores \nresultados. ");

// One e-mail as the program sends it: plain UTF-8 text and files attached in order.
struct MailMessage {
    QStringList recipients;
    QString subject;
    QString body;
    QStringList attachments; // file paths
};

// The recipient text cleaned as the send dialog cleans it: the pieces between ";"
// (or ","), without blanks around them, that hold an "@" and are longer than six
// characters.
QStringList cleanRecipients(const QString& typed);

} // namespace kelvora
