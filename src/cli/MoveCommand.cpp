#include "cli/CliCommand.h"
#include "cli/ServerOptions.h"

#include "data/DataError.h"
#include "data/DataFolder.h"
#include "data/ServerMove.h"

#include <QCommandLineParser>

namespace kelvora::cli {

int runMoveToServer(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Leva o banco embutido da estação (e os bancos companheiros embutidos) para um\n"
        "servidor PostgreSQL: copia cada tabela numa transação por banco, confere em cada\n"
        "tabela o número de registros e uma soma de verificação dos dois lados, guarda os\n"
        "arquivos SQLite renomeados com a data (nunca os apaga) e só então grava os\n"
        "arquivos de conexão apontando para o servidor. Os companheiros vão para\n"
        "NOME_brandel e NOME_corvun. Se algo falhar, o que foi criado no servidor é\n"
        "desfeito e a estação continua no banco embutido, como estava. Feche o Kelvora\n"
        "nesta estação antes de mover."));
    parser.addHelpOption();
    const QCommandLineOption dir = dataFolderOption();
    parser.addOption(dir);
    const ServerOptions server;
    server.addTo(parser, false);

    if (const std::optional<int> done = parseOrFinish(parser, arguments))
        return *done;
    if (!parser.positionalArguments().isEmpty()) {
        err() << "move-to-server não aceita argumentos além das opções.\n\n" << parser.helpText();
        return ExitUsage;
    }
    const QString folder = DataFolder::resolve(parser.value(dir));
    return server.withAccount(parser, [&](const ServerAccount& account) {
        try {
            ServerMove::run(folder, account, [](const TableProof& proof) {
                out() << proof.database << ' ' << proof.table << ": " << proof.rows
                      << " registros conferidos (" << proof.checksum.left(16) << ")\n"
                      << Qt::flush;
            });
        } catch (const DataError&) {
            err() << "Nada foi movido; a estação continua no banco embutido. ";
            throw;
        }
        out() << "Banco movido para " << account.ownLink().location(folder)
              << "; os arquivos SQLite ficaram na pasta com a data no nome.\n";
        return int(ExitOk);
    });
}

} // namespace kelvora::cli
