#include "cli/CliCommand.h"

#include "data/Connection.h"
#include "domain/MessageTexts.h"
#include "mail/MailMessage.h"
#include "mail/SmtpClient.h"

#include <QCommandLineParser>
#include <QFileInfo>

namespace kelvora::cli {

namespace {

// A message text as one line of a terminal.
QString oneLine(const QString& text)
{
    return text.simplified();
}

} // namespace

int runMail(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Envia um e-mail pelo servidor da configuração do sistema, como a tela de e-mail.\n"
        "Sem --subject e --body, vão o assunto e o texto de sempre."));
    parser.addHelpOption();
    const QCommandLineOption dir = dataFolderOption();
    const QCommandLineOption to(QStringLiteral("to"),
                                QStringLiteral("Destinatários, separados por ; (obrigatório)."),
                                QStringLiteral("ENDEREÇOS"));
    const QCommandLineOption subject(QStringLiteral("subject"), QStringLiteral("Assunto."),
                                     QStringLiteral("TEXTO"), DefaultSubject);
    const QCommandLineOption body(QStringLiteral("body"), QStringLiteral("Texto."),
                                  QStringLiteral("TEXTO"), DefaultBody);
    const QCommandLineOption attach(QStringLiteral("attach"),
                                    QStringLiteral("Arquivo a anexar (pode repetir)."),
                                    QStringLiteral("ARQUIVO"));
    const QCommandLineOption timeout(QStringLiteral("timeout"),
                                     QStringLiteral("Segundos de espera pelo servidor (60)."),
                                     QStringLiteral("SEGUNDOS"), QStringLiteral("60"));
    parser.addOptions({dir, to, subject, body, attach, timeout});

    if (const std::optional<int> done = parseOrFinish(parser, arguments))
        return *done;
    bool timeoutIsNumber = false;
    const int seconds = parser.value(timeout).toInt(&timeoutIsNumber);
    if (!parser.isSet(to) || !parser.positionalArguments().isEmpty() || !timeoutIsNumber ||
        seconds < 1) {
        err() << "mail precisa de --to, de um --timeout positivo e de nenhum outro argumento.\n\n"
              << parser.helpText();
        return ExitUsage;
    }

    const MailMessage message{cleanRecipients(parser.value(to)), parser.value(subject),
                              parser.value(body), parser.values(attach)};
    if (message.recipients.isEmpty()) {
        err() << "Nenhum destinatário válido em --to.\n";
        return ExitRefused;
    }
    for (const QString& file : message.attachments)
        if (!QFileInfo(file).isFile() || !QFileInfo(file).isReadable()) {
            err() << "Arquivo para anexar não encontrado: " << file << '\n';
            return ExitRefused;
        }

    return onOwnDatabase(parser.value(dir), [&](Connection& own) {
        const SmtpSettings settings = SmtpSettings::read(own);
        if (settings.portProblem) {
            err() << oneLine(Msg::EmailProblemaProvedor) << " Endereço de Porta\n";
            return int(ExitRefused);
        }
        SmtpClient client(settings);
        client.setTimeout(std::chrono::seconds(seconds));
        if (const QString failure = client.send(message); !failure.isEmpty()) {
            err() << oneLine(Msg::EmailProblemaProvedor) << ' ' << failure << '\n';
            return int(ExitNotSent);
        }
        out() << Msg::EmailEnviado << '\n';
        return int(ExitOk);
    });
}

} // namespace kelvora::cli
