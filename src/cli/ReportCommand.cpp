#include "cli/CliCommand.h"

#include "data/Connection.h"
#include "data/Users.h"
#include "domain/Clock.h"
#include "report/Output.h"
#include "report/users/UserListReport.h"

#include <QCommandLineParser>
#include <QSqlQuery>

namespace kelvora::cli {

namespace {

using namespace kelvora::report;

struct ReportOptions {
    QString from;
    QString to;
};

// The gym's name as the reports print it.
QString gymName(const Connection& own)
{
    QSqlQuery query =
        own.select(QStringLiteral("Moxcvar"), QStringLiteral("SELECT ACADEMIA FROM Moxcvar"));
    return query.next() ? query.value(0).toString() : QString();
}

// Builds the user list, or explains on err() why not (returning nothing).
std::unique_ptr<Printable> usersReport(const Connection& own, const ReportOptions& options)
{
    const Users::Interval interval = Users::settle(own, options.from, options.to);
    if (!interval.refusal.isEmpty()) {
        err() << interval.refusal << ' ' << interval.refusalDetail << '\n';
        return nullptr;
    }
    return UserListReport::build(gymName(own), interval, Users::list(own, interval));
}

struct Document {
    const char* name;
    const char* summary;
    std::unique_ptr<Printable> (*build)(const Connection& own, const ReportOptions& options);
};

const Document documents[] = {
    {"users", "lista de usuários (código e nome), com --from e --to", usersReport},
};

} // namespace

int runReport(const QStringList& arguments)
{
    QCommandLineParser parser;
    QString description =
        QStringLiteral("Grava um relatório num arquivo PDF, sem janela.\n\nRelatórios:\n");
    for (const Document& document : documents)
        description += QStringLiteral("  %1  %2\n")
                           .arg(QLatin1String(document.name), QString::fromUtf8(document.summary));
    parser.setApplicationDescription(description);
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("relatório"),
                                 QStringLiteral("Qual relatório gravar."));
    const QCommandLineOption dir(QStringLiteral("dir"), QStringLiteral("Pasta de dados."),
                                 QStringLiteral("DIR"));
    const QCommandLineOption outFile(QStringLiteral("out"),
                                     QStringLiteral("Arquivo PDF a gravar (obrigatório)."),
                                     QStringLiteral("ARQUIVO"));
    const QCommandLineOption from(QStringLiteral("from"),
                                  QStringLiteral("Código inicial (vazio: o primeiro usuário)."),
                                  QStringLiteral("CÓDIGO"));
    const QCommandLineOption to(QStringLiteral("to"),
                                QStringLiteral("Código final (vazio: o último usuário)."),
                                QStringLiteral("CÓDIGO"));
    parser.addOptions({dir, outFile, from, to});

    if (const std::optional<int> done = parseOrFinish(parser, arguments))
        return *done;
    const QStringList names = parser.positionalArguments();
    const Document* chosen = nullptr;
    for (const Document& document : documents)
        if (names.size() == 1 && names.first() == QLatin1String(document.name))
            chosen = &document;
    if (!chosen || !parser.isSet(outFile)) {
        err() << "report precisa do nome de um relatório e de --out.\n\n" << parser.helpText();
        return ExitUsage;
    }

    return onOwnDatabase(parser.value(dir), [&](Connection& own) {
        const std::unique_ptr<Printable> report =
            chosen->build(own, {parser.value(from), parser.value(to)});
        if (!report)
            return int(ExitRefused);
        const Pages pages = report->paginate(Clock::now());
        const QString failure = writePdf(pages, parser.value(outFile));
        if (!failure.isEmpty()) {
            err() << "Não foi possível gravar " << parser.value(outFile) << ": " << failure << '\n';
            return int(ExitFailed);
        }
        out() << "Relatório gravado em " << parser.value(outFile) << " (" << pages.count()
              << (pages.count() == 1 ? " página)\n" : " páginas)\n");
        return int(ExitOk);
    });
}

} // namespace kelvora::cli
