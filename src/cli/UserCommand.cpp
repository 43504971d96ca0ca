#include "cli/CliCommand.h"

#include "data/Connection.h"
#include "data/DataError.h"
#include "data/Users.h"
#include "domain/MessageTexts.h"
#include "domain/UserRights.h"
#include "domain/UserRules.h"
#include "domain/YesNo.h"

#include <QCommandLineParser>

namespace kelvora::cli {

namespace {

struct UserOptions {
    QString code;
    QString name;
    QString password;
    bool physician;
    bool fullAccess;
    QStringList rights; // COLUNA=Sim|Não
};

// Explains on err() why the input is refused and returns ExitRefused.
int refuse(const QString& text, const QString& detail = {})
{
    err() << text << (detail.isEmpty() ? QString() : QLatin1Char(' ') + detail) << '\n';
    return ExitRefused;
}

int listUsers(Connection& own, const UserOptions&)
{
    for (const Users::Entry& user : Users::list(own))
        out() << user.code << "  " << user.name << '\n';
    return ExitOk;
}

int addUser(Connection& own, const UserOptions& options)
{
    const QString code = padUserCode(options.code);
    if (!isValidUserCode(code))
        return refuse(Msg::CodigoIncorreto, options.code);
    if (Users::exists(own, code))
        return refuse(Msg::CodigoJaCadastrado, code);
    const QString name = options.name.trimmed().toUpper();
    if (name.isEmpty() || name.size() > 26)
        return refuse(Msg::DadoIncorreto, QStringLiteral("Nome"));
    if (!isValidPassword(options.password))
        return refuse(Msg::DadoIncorreto, QStringLiteral("Senha"));
    Users::add(own, {code, name, options.password, options.physician, options.fullAccess});
    out() << "Usuário " << code << " incluído.\n";
    return ExitOk;
}

// The row of the user named by --code, or nothing after telling why.
std::optional<QSqlRecord> namedUser(Connection& own, const UserOptions& options)
{
    const std::optional<QSqlRecord> user = Users::find(own, padUserCode(options.code));
    if (!user)
        refuse(Msg::CodigoNaoCadastrado, options.code);
    return user;
}

int deleteUser(Connection& own, const UserOptions& options)
{
    const std::optional<QSqlRecord> user = namedUser(own, options);
    if (!user)
        return ExitRefused;
    const QString code = user->value(QStringLiteral("CODIGO")).toString();
    if (!mayDeleteUser(code, MasterUserCode))
        return refuse(Msg::DadoNaoPodeSerAlterado, QStringLiteral("MESTRE"));
    Users::remove(own, *user);
    out() << "Usuário " << code << " excluído.\n";
    return ExitOk;
}

int setRights(Connection& own, const UserOptions& options)
{
    const std::optional<QSqlRecord> user = namedUser(own, options);
    if (!user)
        return ExitRefused;
    ColumnValues rights;
    for (const QString& assignment : options.rights) {
        const QString column = assignment.section(QLatin1Char('='), 0, 0).toUpper();
        const QString value = assignment.section(QLatin1Char('='), 1);
        if (!UserRights::columns().contains(column) || (value != Sim && value != Nao))
            return refuse(Msg::DadoIncorreto, assignment);
        rights.append({column, value});
    }
    if (rights.isEmpty())
        return refuse(Msg::DadoIncorreto, QStringLiteral("COLUNA=Sim|Não"));
    Users::setRights(own, *user, rights);
    out() << "Direitos do usuário " << user->value(QStringLiteral("CODIGO")).toString()
          << " gravados.\n";
    return ExitOk;
}

struct Action {
    const char* name;
    const char* summary;
    int (*run)(Connection& own, const UserOptions& options);
};

const Action actions[] = {
    {"list", "lista código e nome de cada usuário", listUsers},
    {"add", "inclui um usuário: --code, --name [--physician] [--full-access]", addUser},
    {"delete", "exclui o usuário --code (nunca o MESTRE)", deleteUser},
    {"rights", "grava direitos do usuário --code: COLUNA=Sim ou COLUNA=Não", setRights},
};

} // namespace

int runUser(const QStringList& arguments)
{
    QCommandLineParser parser;
    QString description = QStringLiteral(
        "Mantém os usuários, como o cadastro de usuários e o nível de acesso fazem.\n"
        "As senhas vêm da entrada padrão, uma por linha, nunca dos argumentos: primeiro a\n"
        "do usuário MESTRE, depois (em add) a do novo usuário.\n\nAções:\n");
    for (const Action& action : actions)
        description += QStringLiteral("  %1  %2\n")
                           .arg(QLatin1String(action.name), QString::fromUtf8(action.summary));
    description +=
        QStringLiteral("\nDireitos: ") + UserRights::columns().join(QStringLiteral(", "));
    parser.setApplicationDescription(description);
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("ação"),
                                 QStringLiteral("list, add, delete, rights."));
    const QCommandLineOption dir = dataFolderOption();
    const QCommandLineOption code(QStringLiteral("code"), QStringLiteral("Código do usuário."),
                                  QStringLiteral("CÓDIGO"));
    const QCommandLineOption name(QStringLiteral("name"), QStringLiteral("Nome do usuário."),
                                  QStringLiteral("NOME"));
    const QCommandLineOption physician(QStringLiteral("physician"),
                                       QStringLiteral("O novo usuário é médico."));
    const QCommandLineOption fullAccess(QStringLiteral("full-access"),
                                        QStringLiteral("O novo usuário tem acesso COMPLETO."));
    parser.addOptions({dir, code, name, physician, fullAccess});

    if (const std::optional<int> done = parseOrFinish(parser, arguments))
        return *done;
    QStringList positional = parser.positionalArguments();
    const Action* chosen = nullptr;
    for (const Action& action : actions)
        if (!positional.isEmpty() && positional.first() == QLatin1String(action.name))
            chosen = &action;
    if (!chosen) {
        err() << "user precisa de uma ação.\n\n" << parser.helpText();
        return ExitUsage;
    }
    positional.removeFirst();

    const QString masterPassword = readSecretLine(QStringLiteral("Senha do usuário MESTRE"));
    const QString newPassword = chosen->run == addUser
                                    ? readSecretLine(QStringLiteral("Senha do novo usuário"))
                                    : QString();
    return onOwnDatabase(parser.value(dir), [&](Connection& own) {
        if (!isMasterPassword(own, masterPassword))
            return refuse(Msg::SenhaNaoConfere, QStringLiteral("MESTRE"));
        try {
            return chosen->run(own,
                               {parser.value(code), parser.value(name), newPassword,
                                parser.isSet(physician), parser.isSet(fullAccess), positional});
        } catch (const RowHeld& error) {
            err() << error.messageText() << ' ' << error.table() << '\n';
            return int(ExitRefused);
        }
    });
}

} // namespace kelvora::cli
