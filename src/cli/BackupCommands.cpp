#include "cli/CliCommand.h"

#include "data/AssessmentEmptying.h"
#include "data/Backup.h"
#include "data/Connection.h"
#include "data/DataError.h"
#include "data/DataLink.h"
#include "data/Restore.h"
#include "data/SingleInstance.h"
#include "domain/BackupTexts.h"
#include "domain/Clock.h"
#include "domain/EmptyingYear.h"
#include "domain/MessageTexts.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

namespace kelvora::cli {

namespace {

const QCommandLineOption DirOption = dataFolderOption();
const QCommandLineOption CopyOption(QStringLiteral("copy-to"),
                                    QStringLiteral("Grava também uma cópia nesta pasta."),
                                    QStringLiteral("PASTA"));

int refused(const QString& text, const QString& detail)
{
    err() << text << ' ' << detail << '\n';
    return ExitRefused;
}

} // namespace

int runBackup(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Grava um backup verificado do banco de dados na pasta Backup da pasta de dados e\n"
        "mostra o caminho do arquivo; com --copy-to, também uma cópia conferida. Backups com\n"
        "15 dias ou mais são apagados dessas pastas, mas os cinco mais novos ficam sempre."));
    parser.addHelpOption();
    parser.addOptions({DirOption, CopyOption});
    if (const std::optional<int> done = parseOrFinish(parser, arguments))
        return *done;
    return onOwnDatabase(parser.value(DirOption), [&](Connection& own) {
        const Backup::Made made = Backup::makeAndKeep(own, own.folder(), parser.value(CopyOption));
        out() << made.file << '\n';
        if (!made.copy.isEmpty())
            out() << made.copy << '\n';
        return int(ExitOk);
    });
}

int runRestore(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Confere o arquivo de backup, grava um backup de segurança do banco atual e só então\n"
        "o substitui pelo backup. Recusa enquanto o Kelvora estiver aberto nesta pasta."));
    parser.addHelpOption();
    parser.addOption(DirOption);
    parser.addPositionalArgument(QStringLiteral("ARQUIVO"), QStringLiteral("O arquivo de backup."));
    if (const std::optional<int> done = parseOrFinish(parser, arguments))
        return *done;
    if (parser.positionalArguments().size() != 1) {
        err() << "restore precisa de um arquivo de backup.\n\n" << parser.helpText();
        return ExitUsage;
    }
    const QString file = QFileInfo(parser.positionalArguments().first()).absoluteFilePath();
    if (!Backup::isBackupFileName(QFileInfo(file).fileName()))
        return refused(Msg::DadoIncorreto, BackupText::ExtensaoInvalida);
    if (!QFileInfo(file).isFile())
        return refused(Msg::ErroRestore, QStringLiteral("O arquivo não existe: ") + file);
    return onDataFolder(parser.value(DirOption), [&](const QString& folder) {
        // Held until the end: the program cannot start on the database being replaced.
        SingleInstance lock(folder);
        if (!lock.becomeFirst())
            return refused(
                Msg::ErroRestore,
                QStringLiteral("o Kelvora está aberto nesta pasta de dados; feche-o antes."));
        const DataLink link =
            DataLinkFile::read(QDir(folder).filePath(QLatin1String(DataLinkFile::Kelvora)));
        const QString safety = Restore::replaceWith(link, folder, file);
        out() << "Backup de segurança: " << safety << '\n' << Msg::RestoreRealizado << '\n';
        return int(ExitOk);
    });
}

int runEmpty(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Grava um backup e então apaga as avaliações do ano informado e de todos os anos\n"
        "anteriores, e compacta o banco de dados. O ano atual e o anterior não podem ser\n"
        "esvaziados."));
    parser.addHelpOption();
    const QCommandLineOption yearOption(QStringLiteral("year"), QStringLiteral("O ano."),
                                        QStringLiteral("ANO"));
    parser.addOptions({DirOption, yearOption, CopyOption});
    if (const std::optional<int> done = parseOrFinish(parser, arguments))
        return *done;
    if (!parser.isSet(yearOption)) {
        err() << "empty precisa de --year.\n\n" << parser.helpText();
        return ExitUsage;
    }
    const QDate today = Clock::today();
    const std::optional<int> year = EmptyingYear::read(parser.value(yearOption), today);
    if (!year)
        return refused(Msg::DadoIncorreto, BackupText::Ano);
    if (!EmptyingYear::mayBeEmptied(*year, today))
        return refused(Msg::DadoIncorreto, BackupText::AnoNaoPodeSerEsvaziado);
    return onOwnDatabase(parser.value(DirOption), [&](Connection& own) {
        const EmptyingOutcome outcome =
            emptyAssessments(own, own.folder(), *year, parser.value(CopyOption));
        if (!outcome.backupFile.isEmpty())
            out() << outcome.backupFile << '\n';
        if (!outcome.copy.isEmpty())
            out() << outcome.copy << '\n';
        switch (outcome.kind) {
        case EmptyingOutcome::BackupFailed:
        case EmptyingOutcome::CopyFailed:
            err() << Msg::ErroBackup << ' ' << outcome.reason << '\n';
            return int(ExitFailed);
        case EmptyingOutcome::DeleteFailed:
            err() << Msg::GravandoNaTabela << " Banco de Dados: " << outcome.reason << '\n';
            return int(ExitFailed);
        case EmptyingOutcome::ShrinkFailed:
            err() << outcome.reason << '\n';
            return int(ExitFailed);
        case EmptyingOutcome::Done:
            out() << Msg::FimDeProcesso << '\n';
        }
        return int(ExitOk);
    });
}

} // namespace kelvora::cli
