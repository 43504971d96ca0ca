#include "cli/CliCommand.h"

#include "data/Connection.h"
#include "data/Schema.h"
#include "data/SettingsEdit.h"
#include "data/SettingsRules.h"

#include <QCommandLineParser>

#include <algorithm>

namespace kelvora::cli {

namespace {

const QString Password = QStringLiteral("PASSWORD");

// One setting as "COLUMN=value" on one line. The mail password never leaves the row,
// and pictures are told by their size.
QString settingLine(const Column& column, const QVariant& value)
{
    QString text;
    if (column.name == Password)
        text = value.toString().isEmpty() ? QString() : QStringLiteral("********");
    else if (column.type == ColumnType::Blob)
        text = value.toByteArray().isEmpty()
                   ? QString()
                   : QStringLiteral("(imagem JPEG, %1 bytes)").arg(value.toByteArray().size());
    else
        text = value.toString()
                   .replace(QLatin1String("\r\n"), QLatin1String("\\n"))
                   .replace(QLatin1Char('\n'), QLatin1String("\\n"))
                   .replace(QLatin1Char('\r'), QLatin1String("\\n"));
    return column.name + QLatin1Char('=') + text;
}

const Table& settingsTable()
{
    return Schema::ownTable(SettingsEdit::Table);
}

int show(Connection& own)
{
    const SettingsEdit settings(own);
    for (const Column& column : settingsTable().columns)
        out() << settingLine(column, settings.value(column.name)) << '\n';
    return ExitOk;
}

int set(Connection& own, const QStringList& assignments)
{
    SettingsEdit settings(own);
    for (const QString& assignment : assignments) {
        const QString typed = assignment.section(QLatin1Char('='), 0, 0);
        QString text = assignment.section(QLatin1Char('='), 1);
        // The schema's spelling, whatever case was typed.
        const Column* column = settingsTable().column(typed);
        if (column && column->name == Password) {
            // Every user of the machine can read a running command's arguments.
            if (text != QLatin1String("-")) {
                err() << "Nada foi alterado: a senha do e-mail vem da entrada padrão; use "
                         "PASSWORD=-.\n";
                return ExitRefused;
            }
            text = readSecretLine(QStringLiteral("Senha do e-mail"));
        }
        const SettingsRules::Parsed parsed =
            SettingsRules::parse(column ? column->name : typed, text);
        if (!parsed.problem.isEmpty()) {
            err() << "Nada foi alterado: " << parsed.problem << ".\n";
            return ExitRefused;
        }
        settings.set(column->name, parsed.value);
    }
    if (const auto refusal = SettingsRules::applyRegisterMode(settings)) {
        err() << "Nada foi alterado: " << refusal->text << ' ' << refusal->detail << " ("
              << refusal->column << ").\n";
        return ExitRefused;
    }
    const ColumnValues changes = settings.changes();
    settings.save();
    for (const auto& [name, value] : changes)
        out() << settingLine(*settingsTable().column(name), value) << '\n';
    return ExitOk;
}

} // namespace

int runConfig(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Mostra ou altera a configuração do sistema (a tabela Moxcvar).\n\n"
        "  config show            uma linha COLUNA=valor por configuração; a senha do\n"
        "                         e-mail aparece como ********\n"
        "  config set COLUNA=valor ...\n"
        "                         altera as colunas com as mesmas regras da tela de\n"
        "                         configuração; um valor recusado não altera nada\n"
        "                         (saída 2, com o motivo); PASSWORD=- lê a senha do\n"
        "                         e-mail da entrada padrão, nunca dos argumentos"));
    parser.addHelpOption();
    const QCommandLineOption dir = dataFolderOption();
    parser.addOption(dir);
    parser.addPositionalArgument(QStringLiteral("ação"), QStringLiteral("show ou set"));

    if (const std::optional<int> done = parseOrFinish(parser, arguments))
        return *done;
    QStringList positional = parser.positionalArguments();
    const QString action = positional.isEmpty() ? QString() : positional.takeFirst();
    const bool showing = action == QLatin1String("show") && positional.isEmpty();
    const bool setting = action == QLatin1String("set") && !positional.isEmpty() &&
                         std::all_of(positional.begin(), positional.end(), [](const QString& a) {
                             return a.indexOf(QLatin1Char('=')) > 0;
                         });
    if (!showing && !setting) {
        err() << "Use 'config show' ou 'config set COLUNA=valor ...'.\n\n" << parser.helpText();
        return ExitUsage;
    }

    return onOwnDatabase(parser.value(dir), [&](Connection& own) {
        return showing ? show(own) : set(own, positional);
    });
}

} // namespace kelvora::cli
