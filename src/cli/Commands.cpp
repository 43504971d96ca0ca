#include "cli/CliCommand.h"

#include "data/Connection.h"
#include "data/DataError.h"
#include "data/DataFolder.h"
#include "data/DataLink.h"
#include "data/PasswordHash.h"
#include "data/Users.h"
#include "domain/UserRules.h"

#include <QDir>

#include <cstdio>

#ifdef Q_OS_UNIX
#include <termios.h>
#include <unistd.h>
#endif

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

QString readSecretLine(const QString& prompt)
{
    static QTextStream in(stdin);
#ifdef Q_OS_UNIX
    if (isatty(STDIN_FILENO)) {
        err() << prompt << ": " << Qt::flush;
        termios typed{};
        tcgetattr(STDIN_FILENO, &typed);
        termios hidden = typed;
        hidden.c_lflag &= ~tcflag_t(ECHO);
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &hidden);
        const QString line = in.readLine();
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &typed);
        err() << '\n' << Qt::flush;
        return line;
    }
#endif
    (void)prompt;
    return in.readLine();
}

bool isMasterPassword(const Connection& own, const QString& password)
{
    const std::optional<QSqlRecord> master = Users::find(own, MasterUserCode);
    return master &&
           PasswordHash::verify(master->value(QStringLiteral("SENHA")).toString(), password);
}

QCommandLineOption dataFolderOption()
{
    return QCommandLineOption(QStringLiteral("dir"), QStringLiteral("Pasta de dados."),
                              QStringLiteral("DIR"));
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

std::unique_ptr<Connection> besideOwn(const Connection& own, const QString& role,
                                      const char* dataLink)
{
    auto companion = Connection::fromFile(role, own.folder(), QLatin1String(dataLink));
    companion->open();
    return companion;
}

std::unique_ptr<Connection> brandelBeside(const Connection& own)
{
    return besideOwn(own, Connection::Brandel, DataLinkFile::Brandel);
}

int onDataFolder(const QString& dirOption, const std::function<int(const QString&)>& work)
{
    const QString folder = DataFolder::resolve(dirOption);
    if (!QDir(folder).exists()) {
        err() << "A pasta de dados não existe: " << folder << '\n';
        return ExitFailed;
    }
    try {
        return work(folder);
    } catch (const ConfigError& error) {
        err() << error.message() << '\n';
        return ExitFailed;
    } catch (const DataError& error) {
        return databaseFailure(error);
    }
}

int refusingBadSetup(const std::function<int()>& work)
{
    try {
        return work();
    } catch (const ConfigError& error) {
        err() << error.message() << '\n';
        return ExitRefused;
    } catch (const DataError& error) {
        return databaseFailure(error);
    }
}

int onOwnDatabase(const QString& dirOption, const std::function<int(Connection&)>& work)
{
    return onDataFolder(dirOption, [&](const QString& folder) {
        const std::unique_ptr<Connection> own = openOwnDatabase(folder);
        return work(*own);
    });
}

const QVector<CliCommand>& commands()
{
    static const QVector<CliCommand> list{
        {"init", "cria o banco de dados (embutido, ou num servidor com --server)", runInit},
        {"join", "liga uma nova estação ao banco que outra estação criou no servidor", runJoin},
        {"move-to-server", "leva o banco embutido de uma estação para um servidor PostgreSQL",
         runMoveToServer},
        {"report", "grava um relatório em PDF (report users: lista de usuários)", runReport,
         CliCommand::Needs::Painting},
        {"calc", "calcula um protocolo de composição corporal", runCalc},
        {"upgrade", "atualiza o banco de dados para a versão atual", runUpgrade},
        {"companion", "bancos companheiros: dados de exemplo (seed) e situação (status)",
         runCompanion},
        {"user", "mantém os usuários e seus direitos (list, add, delete, rights)", runUser},
        {"mail", "envia um e-mail com anexos pelo servidor da configuração", runMail},
        {"config", "mostra ou altera a configuração do sistema", runConfig},
        {"backup", "grava um backup verificado do banco de dados", runBackup},
        {"restore", "substitui o banco de dados por um backup", runRestore},
        {"empty", "apaga as avaliações de um ano e dos anteriores, após um backup", runEmpty},
        {"students",
         "cadastro de alunos: importa, exporta, procura, dossiê e exclusão total (import, "
         "export, find, dossier, erase)",
         runStudents, CliCommand::Needs::Painting},
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
