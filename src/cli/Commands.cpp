#include "cli/CliCommand.h"

#include "data/Connection.h"
#include "data/DataError.h"
#include "data/DataLink.h"

#include <cstdio>

namespace kelvora::cli {

QTextStream& out()
{
    static QTextStream stream(stdout);
    return stream;
}

QTextStream& err()
{
    static QTextStream stream(stderr);
    return stream;
}

std::optional<int> parseOrFinish(QCommandLineParser& parser, const QStringList& arguments)
{
    if (!parser.parse(arguments)) {
        err() << parser.errorText() << "\n\n" << parser.helpText();
        return ExitUsage;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        out() << parser.helpText();
        return ExitOk;
    }
    return std::nullopt;
}

int databaseFailure(const DataError& error)
{
    err() << error.messageText() << ' ' << error.table() << ": " << error.reason() << '\n';
    return ExitFailed;
}

std::unique_ptr<Connection> openOwnDatabase(const QString& folder)
{
    std::unique_ptr<Connection> own =
        Connection::fromFile(Connection::Kelvora, folder, QLatin1String(DataLinkFile::Kelvora));
    own->open();
    return own;
}

const QVector<CliCommand>& commands()
{
    static const QVector<CliCommand> list{
        {"init", "cria o banco de dados embutido padrão numa pasta de dados", runInit},
        {"report", "grava um relatório em PDF (report users: lista de usuários)", runReport,
         CliCommand::Needs::Painting},
        {"calc", "calcula um protocolo de composição corporal", runCalc},
        {"upgrade", "atualiza o banco de dados para a versão atual", runUpgrade},
        {"backup", "grava um backup verificado do banco de dados", runBackup},
        {"restore", "substitui o banco de dados por um backup", runRestore},
        {"empty", "apaga as avaliações de um ano e dos anteriores, após um backup", runEmpty},
    };
    return list;
}

const CliCommand* commandNamed(const QString& name)
{
    for (const CliCommand& command : commands()) {
        if (name == QLatin1String(command.name))
            return &command;
    }
    return nullptr;
}

} // namespace kelvora::cli
