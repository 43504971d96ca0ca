#pragma once

#include <QCommandLineParser>
#include <QStringList>
#include <QTextStream>

#include <functional>
#include <memory>
#include <optional>

namespace kelvora {
class Connection;
class DataError;
} // namespace kelvora

namespace kelvora::cli {

// Exit statuses of kelvora-cli.
enum ExitCode {
    ExitOk = 0,
    ExitUsage = 1,   // unknown command or option, missing value
    ExitRefused = 2, // the input was read but refused (validation, existing database)
    ExitFailed = 3,  // the database or a file could not be used
    ExitNotSent = 4, // the mail server refused the message or could not be reached
};

struct CliCommand {
    // What a command asks of Qt: painting pages (fonts, PDF) needs a GUI application.
    enum class Needs { Core, Painting };

    const char* name;
    const char* summary;
    int (*run)(const QStringList& arguments); // arguments[0] is "kelvora-cli <name>"
    Needs needs = Needs::Core;
};

QTextStream& out();
QTextStream& err();

// The next line of standard input, for a password: never an argument, since every
// user of the machine can read the arguments of a running process. On a terminal
// `prompt` is shown on standard error and the typing is not echoed.
QString readSecretLine(const QString& prompt);

// Whether `password` is the master user's (MESTRE) in `own`: commands that a user of
// the program could only run with a right ask for it. Throws OpenFailed.
bool isMasterPassword(const Connection& own, const QString& password);

// --dir: the data folder a command works on (the default one when not given).
QCommandLineOption dataFolderOption();

// Parses a command's arguments. Returns the exit status when the command is done
// already: a parse error (usage on standard error) or --help (on standard output).
std::optional<int> parseOrFinish(QCommandLineParser& parser, const QStringList& arguments);

// Prints a database failure ("Gravando na tabela ! Alunos: reason") and returns ExitFailed.
int databaseFailure(const DataError& error);

// The own database named by Kelvora.udl in `folder`, open. Throws ConfigError or
// OpenFailed.
std::unique_ptr<Connection> openOwnDatabase(const QString& folder);

// A companion database beside the own one (`role` and its data-link file), open.
// Throws ConfigError or OpenFailed.
std::unique_ptr<Connection> besideOwn(const Connection& own, const QString& role,
                                      const char* dataLink);
// The gym-management database beside the own one, open: the students of companion
// mode are read there.
std::unique_ptr<Connection> brandelBeside(const Connection& own);

// Runs `work` for a command that sets a station up: what it refuses of the given
// setup (ConfigError) is told and ends in ExitRefused, a database failure in
// ExitFailed.
int refusingBadSetup(const std::function<int()>& work);

// Runs `work` on the data folder that `--dir` names (or the default one) and returns
// its exit status; a missing folder, a bad data-link file or a database failure is
// told on standard error and ends in ExitFailed.
int onDataFolder(const QString& dirOption, const std::function<int(const QString&)>& work);

// The same, on the own database of that folder, open.
int onOwnDatabase(const QString& dirOption, const std::function<int(Connection&)>& work);

// Every command of kelvora-cli, in the order --help lists them.
const QVector<CliCommand>& commands();

// The command called `name`, or none.
const CliCommand* commandNamed(const QString& name);

int runInit(const QStringList& arguments);
int runReport(const QStringList& arguments);
int runCalc(const QStringList& arguments);
int runCompanion(const QStringList& arguments);
int runUpgrade(const QStringList& arguments);
int runUser(const QStringList& arguments);
int runConfig(const QStringList& arguments);
int runMail(const QStringList& arguments);
int runBackup(const QStringList& arguments);
int runRestore(const QStringList& arguments);
int runEmpty(const QStringList& arguments);
int runJoin(const QStringList& arguments);
int runMoveToServer(const QStringList& arguments);
int runStudents(const QStringList& arguments);

} // namespace kelvora::cli
