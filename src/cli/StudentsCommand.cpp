#include "cli/CliCommand.h"

#include "data/Companion.h"
#include "data/Connection.h"
#include "data/ProtectedFiles.h"
#include "data/StudentErasure.h"
#include "data/StudentFile.h"
#include "data/Students.h"
#include "domain/DateText.h"
#include "domain/MessageTexts.h"
#include "domain/students/StudentRules.h"
#include "domain/YesNo.h"
#include "report/dossier/StudentDossier.h"

#include <QCommandLineParser>
#include <QFile>

namespace kelvora::cli {

namespace {

int importFile(Connection& own, const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        err() << "O arquivo " << fileName << " não pode ser lido: " << file.errorString() << '\n';
        return ExitFailed;
    }
    const StudentFile::Import import = StudentFile::read(file.readAll(), own);
    if (!import.problems.isEmpty()) {
        for (const StudentFile::Problem& problem : import.problems)
            err() << fileName << ':' << problem.line << ": "
                  << (problem.column.isEmpty() ? QString() : problem.column + QStringLiteral(": "))
                  << problem.reason << '\n';
        err() << "Nenhum aluno foi incluído.\n";
        return ExitRefused;
    }
    Students::include(own, import.students);
    out() << import.students.size() << " aluno(s) incluído(s).\n";
    return ExitOk;
}

// The students' health data: readable by the file's owner only, and never half-written.
int exportFile(Connection& own, const QString& fileName)
{
    const QVector<QSqlRecord> students = Students::all(own);
    const QString failure = ProtectedFiles::write(fileName, StudentFile::write(students));
    if (!failure.isEmpty()) {
        err() << "O arquivo " << fileName << " não pode ser gravado: " << failure << '\n';
        return ExitFailed;
    }
    out() << students.size() << " aluno(s) exportado(s).\n";
    return ExitOk;
}

int find(Connection& own, Students::Order order, const QString& wanted)
{
    const QVector<QSqlRecord> found =
        order == Students::Order::ByNumber
            ? Students::beginningWith(own, order, StudentRules::paddedNumber(wanted), 1)
            : Students::beginningWith(own, order, wanted, std::numeric_limits<int>::max());
    for (const QSqlRecord& student : found)
        out() << student.value(0).toString() << '\t' << student.value(1).toString() << '\t'
              << DateText::format(student.value(2).toDate()) << '\n';
    if (found.isEmpty())
        err() << "Nenhum aluno encontrado.\n";
    return ExitOk;
}

int dossier(Connection& own, const QString& number, const QString& fileName)
{
    const std::unique_ptr<Connection> brandel = brandelBeside(own);
    const Companion companion = Companion::fromSettings(own, *brandel, Nao);
    const StudentDossier dossier = StudentDossier::collect(own, companion, number);
    if (dossier.isEmpty()) {
        err() << Msg::MatriculaNaoCadastrada << ' ' << number << '\n';
        return ExitRefused;
    }
    const QString failure = dossier.save(fileName);
    if (!failure.isEmpty()) {
        err() << "O arquivo " << fileName << " não pode ser gravado: " << failure << '\n';
        return ExitFailed;
    }
    out() << dossier.summary() << '\n';
    return ExitOk;
}

int erase(Connection& own, const QString& number, const QString& masterPassword)
{
    if (!isMasterPassword(own, masterPassword)) {
        err() << Msg::SenhaNaoConfere << " MESTRE\n";
        return ExitRefused;
    }
    const StudentErasure::Outcome outcome = StudentErasure::erase(own, number);
    if (outcome.rowCount() == 0) {
        err() << Msg::MatriculaNaoCadastrada << ' ' << number << '\n';
        return ExitRefused;
    }
    out() << StudentErasure::report(outcome).join(QLatin1Char('\n')) << '\n';
    return ExitOk;
}

} // namespace

int runStudents(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Mantém o cadastro de alunos (a tabela Alunos) com as regras da tela de alunos.\n\n"
        "  students import ARQUIVO.csv\n"
        "                 inclui os alunos do arquivo (UTF-8; vírgula ou ponto e vírgula;\n"
        "                 cabeçalho com colunas de Alunos; datas dd/mm/aaaa). Sem\n"
        "                 MATRICULA, o aluno recebe a próxima matrícula. Tudo ou nada:\n"
        "                 uma linha recusada é mostrada com a coluna e o motivo e nada\n"
        "                 é incluído (saída 2)\n"
        "  students export ARQUIVO.csv\n"
        "                 grava todos os alunos no mesmo formato, legível só pelo dono\n"
        "  students find (--name INÍCIO | --number N)\n"
        "                 mostra matrícula, nome e data de nascimento\n"
        "  students dossier --number N --out ARQUIVO.zip\n"
        "                 grava, legível só pelo dono, tudo o que o programa guarda do\n"
        "                 aluno: o relatório de cada avaliação em PDF, todas as linhas\n"
        "                 em JSON, as fotos em JPEG e um LEIA-ME que explica cada arquivo\n"
        "  students erase --number N --yes\n"
        "                 apaga o aluno, a foto e todas as suas avaliações, numa única\n"
        "                 transação; lê a senha do usuário MESTRE na entrada padrão.\n"
        "                 Os bancos companheiros não são tocados; os backups já gravados\n"
        "                 guardam os dados até a retenção removê-los"));
    parser.addHelpOption();
    const QCommandLineOption dir = dataFolderOption();
    const QCommandLineOption name(QStringLiteral("name"),
                                  QStringLiteral("Início do nome do aluno."),
                                  QStringLiteral("INÍCIO"));
    const QCommandLineOption number(QStringLiteral("number"), QStringLiteral("Matrícula do aluno."),
                                    QStringLiteral("N"));
    const QCommandLineOption outFile(QStringLiteral("out"), QStringLiteral("Arquivo do dossiê."),
                                     QStringLiteral("ARQUIVO.zip"));
    const QCommandLineOption yes(QStringLiteral("yes"),
                                 QStringLiteral("Confirma a exclusão de todos os dados do aluno."));
    parser.addOptions({dir, name, number, outFile, yes});
    parser.addPositionalArgument(QStringLiteral("ação"),
                                 QStringLiteral("import, export, find, dossier ou erase"));

    if (const std::optional<int> done = parseOrFinish(parser, arguments))
        return *done;
    const QStringList positional = parser.positionalArguments();
    const QString action = positional.value(0);
    const bool alone = positional.size() == 1;
    const bool withFile =
        (action == QLatin1String("import") || action == QLatin1String("export")) &&
        positional.size() == 2;
    const bool finding =
        action == QLatin1String("find") && alone && parser.isSet(name) != parser.isSet(number);
    const bool dossierWanted = action == QLatin1String("dossier") && alone &&
                               parser.isSet(number) && parser.isSet(outFile);
    const bool erasing = action == QLatin1String("erase") && alone && parser.isSet(number);
    if (!withFile && !finding && !dossierWanted && !erasing) {
        err() << "Use 'students import ARQUIVO', 'students export ARQUIVO', "
                 "'students find --name INÍCIO | --number N', "
                 "'students dossier --number N --out ARQUIVO.zip' ou "
                 "'students erase --number N --yes'.\n\n"
              << parser.helpText();
        return ExitUsage;
    }
    if (parser.isSet(number) && !StudentRules::isAcceptableNumber(parser.value(number))) {
        err() << "Matrícula INCORRETA ! " << parser.value(number) << '\n';
        return ExitRefused;
    }
    if (erasing && !parser.isSet(yes)) {
        err() << "A exclusão apaga todos os dados do aluno e não pode ser desfeita: "
                 "confirme com --yes. Nada foi apagado.\n";
        return ExitRefused;
    }
    const QString masterPassword =
        erasing ? readSecretLine(QStringLiteral("Senha do usuário MESTRE")) : QString();
    const QString student = StudentRules::paddedNumber(parser.value(number));

    return onOwnDatabase(parser.value(dir), [&](Connection& own) {
        if (action == QLatin1String("import"))
            return importFile(own, positional.at(1));
        if (action == QLatin1String("export"))
            return exportFile(own, positional.at(1));
        if (dossierWanted)
            return dossier(own, student, parser.value(outFile));
        if (erasing)
            return erase(own, student, masterPassword);
        return parser.isSet(number) ? find(own, Students::Order::ByNumber, parser.value(number))
                                    : find(own, Students::Order::ByName, parser.value(name));
    });
}

} // namespace kelvora::cli
