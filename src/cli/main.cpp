#include "cli/CliCommand.h"

#include <QCoreApplication>
#include <QGuiApplication>
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
        << "\n'kelvora-cli COMANDO --help' mostra as opções de cada comando.\n"
           "A pasta de dados é a de --dir, senão a de KELVORA_DIR, senão ~/.local/share/kelvora.\n";
}

} // namespace

int main(int argc, char* argv[])
{
    // Report pages are painted with fonts, so the CLI runs a GUI application
    // without a window; "offscreen" keeps it usable on a server without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kelvora-cli"));
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));

    QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 2 || arguments.at(1) == QLatin1String("--help") ||
        arguments.at(1) == QLatin1String("-h")) {
        printUsage(arguments.size() < 2 ? err() : out());
        return arguments.size() < 2 ? ExitUsage : ExitOk;
    }
    const QString name = arguments.at(1);
    for (const CliCommand& command : commands()) {
        if (name == QLatin1String(command.name)) {
            arguments.removeAt(1);
            arguments[0] = QStringLiteral("kelvora-cli ") + name;
            return command.run(arguments);
        }
    }
    err() << "Comando desconhecido: " << name << "\n\n";
    printUsage(err());
    return ExitUsage;
}
