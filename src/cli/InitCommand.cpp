#include "cli/CliCommand.h"
#include "cli/ServerOptions.h"

#include "data/DataFolder.h"
#include "data/Installer.h"
#include "data/Stations.h"

#include <QCommandLineParser>

namespace kelvora::cli {

int runInit(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Cria na pasta de dados o banco embutido padrão (SQLite): Kelvora.udl, Brandel.udl e\n"
        "Corvun.udl, as tabelas, a linha de configuração, os dados de referência e o\n"
        "usuário mestre (código 00), cuja senha (6 caracteres, maiúsculas) vem da entrada\n"
        "padrão, nunca dos argumentos. Recusa uma pasta que já tem banco de dados, sem\n"
        "alterar nada.\n"
        "Com --server, --database e --user cria o mesmo num servidor PostgreSQL (o banco\n"
        "pode existir vazio, ou é criado se o usuário puder), com os bancos companheiros\n"
        "NOME_brandel e NOME_corvun ao lado (ou os de --brandel e --corvun); recusa um\n"
        "banco que já tem as tabelas do Kelvora, sem alterar nada."));
    parser.addHelpOption();
    const QCommandLineOption dir = dataFolderOption();
    const QCommandLineOption gym(
        QStringLiteral("gym"), QStringLiteral("Nome da academia (até 35 caracteres; obrigatório)."),
        QStringLiteral("NOME"));
    const QCommandLineOption address(QStringLiteral("address"),
                                     QStringLiteral("Endereço da academia (até 40)."),
                                     QStringLiteral("TEXTO"));
    const QCommandLineOption complement1(
        QStringLiteral("complement1"), QStringLiteral("Complemento do endereço, linha 1 (até 40)."),
        QStringLiteral("TEXTO"));
    const QCommandLineOption complement2(
        QStringLiteral("complement2"), QStringLiteral("Complemento do endereço, linha 2 (até 40)."),
        QStringLiteral("TEXTO"));
    const QCommandLineOption taxNumber(QStringLiteral("tax-number"),
                                       QStringLiteral("CNPJ ou CPF da academia (até 40)."),
                                       QStringLiteral("NÚMERO"));
    parser.addOptions({dir, gym, address, complement1, complement2, taxNumber});
    const ServerOptions server;
    server.addTo(parser, true);

    if (const std::optional<int> done = parseOrFinish(parser, arguments))
        return *done;
    if (!parser.positionalArguments().isEmpty() || !parser.isSet(gym)) {
        err() << "init precisa de --gym, e de nenhum outro argumento.\n\n" << parser.helpText();
        return ExitUsage;
    }
    const QString masterPassword =
        readSecretLine(QStringLiteral("Senha do usuário MESTRE (6 caracteres, maiúsculas)"));

    const QString folder = DataFolder::resolve(parser.value(dir));
    const GymIdentity identity{parser.value(gym), parser.value(address), parser.value(complement1),
                               parser.value(complement2), parser.value(taxNumber)};
    if (!server.serverGiven(parser))
        return refusingBadSetup([&] {
            Installer::createEmbeddedDefault(folder, identity, masterPassword);
            out() << "Banco de dados criado em " << folder << '\n';
            return int(ExitOk);
        });
    return server.withAccount(parser, [&](const ServerAccount& account) {
        Stations::createServerDatabase(folder, account, server.companions(parser), identity,
                                       masterPassword);
        out() << "Banco de dados criado em " << account.ownLink().location(folder)
              << "; arquivos de conexão em " << folder << '\n';
        return int(ExitOk);
    });
}

} // namespace kelvora::cli
