#include "cli/CliCommand.h"
#include "cli/ServerOptions.h"

#include "data/DataFolder.h"
#include "data/Stations.h"

#include <QCommandLineParser>

namespace kelvora::cli {

int runJoin(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Prepara uma nova estação para o banco do Kelvora que outra estação criou num\n"
        "servidor PostgreSQL: confere que o servidor responde, que o banco tem as tabelas\n"
        "do Kelvora (atualizando-o quando é de uma versão anterior) e que os bancos\n"
        "companheiros respondem, e só então grava os arquivos de conexão na pasta de\n"
        "dados. Recusa uma pasta que já tem arquivos de conexão, sem alterar nada."));
    parser.addHelpOption();
    const QCommandLineOption dir = dataFolderOption();
    parser.addOption(dir);
    const ServerOptions server;
    server.addTo(parser, true);

    if (const std::optional<int> done = parseOrFinish(parser, arguments))
        return *done;
    if (!parser.positionalArguments().isEmpty()) {
        err() << "join não aceita argumentos além das opções.\n\n" << parser.helpText();
        return ExitUsage;
    }
    const QString folder = DataFolder::resolve(parser.value(dir));
    return server.withAccount(parser, [&](const ServerAccount& account) {
        for (const QString& change : Stations::join(folder, account, server.companions(parser)))
            out() << change << '\n';
        out() << "Estação ligada a " << account.ownLink().location(folder)
              << "; arquivos de conexão em " << folder << '\n';
        return int(ExitOk);
    });
}

} // namespace kelvora::cli
