#include "cli/CliApplication.h"
#include "cli/CliCommand.h"
#include "data/ProtectedFiles.h"
#include "Version.h"

#include <QLocale>

using namespace kelvora::cli;

namespace {

void printUsage(QTextStream& stream)
{
    stream << "Uso: kelvora-cli COMANDO [opções]\n\n"
              "Comandos:\n";
    for (const CliCommand& command : commands())
        stream << "  " << QString::fromLatin1(command.name).leftJustified(10) << ' '
               << QString::fromUtf8(command.summary) << '\n';
    stream
        << "\n'kelvora-cli COMANDO --help' mostra as opções de cada comando;\n"
           "'kelvora-cli --version' mostra a versão.\n"
           "A pasta de dados é a de --dir, senão a de KELVORA_DIR, senão ~/.local/share/kelvora.\n";
}

} // namespace

int main(int argc, char* argv[])
{
    kelvora::ProtectedFiles::restrictNewFiles();
    const CliCommand* command = argc > 1 ? commandNamed(QString::fromLocal8Bit(argv[1])) : nullptr;
    const std::unique_ptr<QCoreApplication> app =
        createApplication(command ? command->needs : CliCommand::Needs::Core, argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kelvora-cli"));
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));

    QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 2 || arguments.at(1) == QLatin1String("--help") ||
        arguments.at(1) == QLatin1String("-h")) {
        printUsage(arguments.size() < 2 ? err() : out());
        return arguments.size() < 2 ? ExitUsage : ExitOk;
    }
    if (arguments.at(1) == QLatin1String("--version")) {
        out() << "kelvora-cli " << kelvora::Version << '\n';
        return ExitOk;
    }
    if (!command) {
        err() << "Comando desconhecido: " << arguments.at(1) << "\n\n";
        printUsage(err());
        return ExitUsage;
    }
    arguments.removeAt(1);
    arguments[0] = QStringLiteral("kelvora-cli ") + QLatin1String(command->name);
    return command->run(arguments);
}
