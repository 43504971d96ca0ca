#include "cli/ServerOptions.h"

#include "cli/CliCommand.h"
#include "data/DataError.h"

#include <QFile>

namespace kelvora::cli {

namespace {

QString passwordFrom(const QString& file)
{
    if (file.isEmpty())
        return qEnvironmentVariable("PGPASSWORD");
    QFile input(file);
    if (!input.open(QIODevice::ReadOnly))
        throw ConfigError(QStringLiteral("O arquivo de senha %1 não pode ser lido: %2")
                              .arg(file, input.errorString()));
    const QByteArray firstLine = input.readLine();
    return QString::fromUtf8(firstLine).remove(QLatin1Char('\n')).remove(QLatin1Char('\r'));
}

} // namespace

ServerOptions::ServerOptions()
    : m_server(QStringLiteral("server"),
               QStringLiteral("Servidor PostgreSQL, nome[:porta] (porta 5432 se omitida)."),
               QStringLiteral("HOST[:PORTA]"))
    , m_database(QStringLiteral("database"),
                 QStringLiteral("Nome do banco do Kelvora no servidor."), QStringLiteral("NOME"))
    , m_user(QStringLiteral("user"), QStringLiteral("Usuário do servidor."),
             QStringLiteral("USUÁRIO"))
    , m_passwordFile(QStringLiteral("password-file"),
                     QStringLiteral("Arquivo cuja primeira linha é a senha do usuário do servidor\n"
                                    "(sem ele, a variável PGPASSWORD)."),
                     QStringLiteral("ARQUIVO"))
    , m_sslMode(QStringLiteral("ssl-mode"),
                QStringLiteral("TLS até o servidor: disable, allow, prefer (padrão), require,\n"
                               "verify-ca ou verify-full."),
                QStringLiteral("MODO"))
    , m_brandel(QStringLiteral("brandel"),
                QStringLiteral("Arquivo de conexão do banco de gestão a usar, em vez do\n"
                               "NOME_brandel do mesmo servidor."),
                QStringLiteral("ARQUIVO.udl"))
    , m_corvun(QStringLiteral("corvun"),
               QStringLiteral("Arquivo de conexão do banco de treinos a usar, em vez do\n"
                              "NOME_corvun do mesmo servidor."),
               QStringLiteral("ARQUIVO.udl"))
{
}

void ServerOptions::addTo(QCommandLineParser& parser, bool withCompanions) const
{
    parser.addOptions({m_server, m_database, m_user, m_passwordFile, m_sslMode});
    if (withCompanions)
        parser.addOptions({m_brandel, m_corvun});
}

bool ServerOptions::serverGiven(const QCommandLineParser& parser) const
{
    return parser.isSet(m_server) || parser.isSet(m_database) || parser.isSet(m_user);
}

std::optional<ServerAccount> ServerOptions::account(const QCommandLineParser& parser) const
{
    QStringList missing;
    for (const QCommandLineOption* option : {&m_server, &m_database, &m_user})
        if (!parser.isSet(*option))
            missing << QStringLiteral("--") + option->names().constFirst();
    if (!missing.isEmpty()) {
        err() << "Faltam " << missing.join(QStringLiteral(", ")) << ".\n\n" << parser.helpText();
        return std::nullopt;
    }
    return ServerAccount{parser.value(m_server), parser.value(m_database), parser.value(m_user),
                         passwordFrom(parser.value(m_passwordFile)),
                         parser.value(m_sslMode).toLower()};
}

Stations::CompanionFiles ServerOptions::companions(const QCommandLineParser& parser) const
{
    return {parser.value(m_brandel), parser.value(m_corvun)};
}

int ServerOptions::withAccount(const QCommandLineParser& parser,
                               const std::function<int(const ServerAccount&)>& work) const
{
    return refusingBadSetup([&] {
        const std::optional<ServerAccount> given = account(parser);
        return given ? work(*given) : int(ExitUsage);
    });
}

} // namespace kelvora::cli
