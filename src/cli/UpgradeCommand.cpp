#include "cli/CliCommand.h"

#include "data/Connection.h"
#include "data/SchemaUpgrade.h"

#include <QCommandLineParser>

namespace kelvora::cli {

int runUpgrade(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Atualiza o banco de dados da pasta de dados para a versão atual, como o login faz,\n"
        "e mostra o que mudou. Com várias estações, rode uma vez no servidor antes de\n"
        "atualizar as estações."));
    parser.addHelpOption();
    const QCommandLineOption dir = dataFolderOption();
    parser.addOption(dir);

    if (const std::optional<int> done = parseOrFinish(parser, arguments))
        return *done;
    if (!parser.positionalArguments().isEmpty()) {
        err() << "upgrade não aceita argumentos além de --dir.\n\n" << parser.helpText();
        return ExitUsage;
    }

    return onOwnDatabase(parser.value(dir), [](Connection& own) {
        const UpgradeResult result = SchemaUpgrade(own).run();
        for (const QString& change : result.changes)
            out() << change << '\n';
        if (result.failed) {
            err() << "A atualização parou; a etapa que falhou foi desfeita e será tentada de novo "
                     "na próxima vez: "
                  << result.failure << '\n';
            return int(ExitFailed);
        }
        if (result.changes.isEmpty())
            out() << "Nada a atualizar: o banco de dados já está na versão atual.\n";
        return int(ExitOk);
    });
}

} // namespace kelvora::cli
