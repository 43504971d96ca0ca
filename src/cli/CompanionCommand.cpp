#include "cli/CliCommand.h"
#include "cli/SampleCompanionData.h"
#include "data/Connection.h"
#include "data/DataError.h"
#include "data/DataFolder.h"
#include "data/DataLink.h"
#include "domain/Clock.h"

#include <QCommandLineParser>
#include <QDir>

namespace kelvora::cli {

namespace {

struct CompanionDatabase {
    QString role;
    const char* dataLinkFile;
    const char* caption;
};
const CompanionDatabase Brandel{Connection::Brandel, DataLinkFile::Brandel,
                                "Brandel (gestão da academia)"};
const CompanionDatabase Corvun{Connection::Corvun, DataLinkFile::Corvun, "Corvun (treinos)"};

std::unique_ptr<Connection> openCompanion(const CompanionDatabase& database, const QString& folder)
{
    auto connection =
        Connection::fromFile(database.role, folder, QLatin1String(database.dataLinkFile));
    connection->open();
    return connection;
}

int count(const Connection& connection, const QString& table, const QString& sql,
          const QVariantList& params = {})
{
    QSqlQuery query = connection.select(table, sql, params);
    return query.next() ? query.value(0).toInt() : 0;
}

// What a companion database holds, as lines for people to read.
QStringList contents(const CompanionDatabase& database, const Connection& connection)
{
    if (database.role == Connection::Corvun)
        return {QStringLiteral("fichas de treino: %1")
                    .arg(count(connection, QStringLiteral("TREINO"),
                               QStringLiteral("SELECT COUNT(*) FROM (SELECT DISTINCT MATRICULA, "
                                              "TREINO, DATA FROM TREINO) fichas")))};
    const QDate today = Clock::today();
    const QString scheduled = QStringLiteral(
        "SELECT COUNT(*) FROM (SELECT MATRICULA FROM AgendadoFuncional WHERE DATA >= ? AND DATA < "
        "? "
        "UNION SELECT MATRICULA FROM AgendadoMedica WHERE DATA >= ? AND DATA < ?) hoje");
    return {QStringLiteral("alunos: %1 (ativos: %2)")
                .arg(count(connection, QStringLiteral("Alunos"),
                           QStringLiteral("SELECT COUNT(*) FROM Alunos")))
                .arg(count(connection, QStringLiteral("AlunosAtivos"),
                           QStringLiteral("SELECT COUNT(*) FROM AlunosAtivos"))),
            QStringLiteral("agendados hoje: %1")
                .arg(count(connection, QStringLiteral("AgendadoFuncional"), scheduled,
                           {today, today.addDays(1), today, today.addDays(1)}))};
}

// One database's part of the status; false when it cannot be reached.
bool reportStatus(const CompanionDatabase& database, const QString& folder)
{
    out() << database.caption << ": ";
    QString where;
    try {
        where = DataLinkFile::read(QDir(folder).filePath(QLatin1String(database.dataLinkFile)))
                    .location(folder);
        const auto connection = openCompanion(database, folder);
        const QStringList lines = contents(database, *connection);
        out() << "acessível — " << where << '\n';
        for (const QString& line : lines)
            out() << "  " << line << '\n';
        return true;
    } catch (const ConfigError& error) {
        out() << "inacessível — " << error.message() << '\n';
    } catch (const DataError& error) {
        out() << "inacessível — " << where << ": " << error.messageText() << ' ' << error.table()
              << '\n';
    }
    return false;
}

int seed(const QString& folder, int students, quint32 seedValue, bool replace)
{
    try {
        const auto brandel = openCompanion(Brandel, folder);
        const auto corvun = openCompanion(Corvun, folder);
        if (!replace && SampleCompanionData::holdsStudents(*brandel)) {
            err() << "Os bancos companheiros já têm alunos; use --replace para substituí-los.\n";
            return ExitRefused;
        }
        SampleCompanionData::fill(*brandel, *corvun, {students, seedValue, Clock::today()});
    } catch (const ConfigError& error) {
        err() << error.message() << '\n';
        return ExitFailed;
    } catch (const DataError& error) {
        return databaseFailure(error);
    }
    out() << "Dados de exemplo gravados: " << students << " alunos.\n";
    return ExitOk;
}

} // namespace

int runCompanion(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Bancos companheiros (gestão da academia e treinos).\n"
        "  seed    preenche os bancos substitutos com dados de exemplo reproduzíveis\n"
        "  status  diz se cada banco companheiro responde, onde está e o que contém"));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("ação"), QStringLiteral("seed ou status"));
    const QCommandLineOption dir = dataFolderOption();
    const QCommandLineOption students(QStringLiteral("students"),
                                      QStringLiteral("seed: quantos alunos (1 a 100000)."),
                                      QStringLiteral("N"));
    const QCommandLineOption seedOption(QStringLiteral("seed"),
                                        QStringLiteral("seed: semente dos dados (padrão 1)."),
                                        QStringLiteral("S"), QStringLiteral("1"));
    const QCommandLineOption replace(QStringLiteral("replace"),
                                     QStringLiteral("seed: substitui os dados que já existem."));
    parser.addOptions({dir, students, seedOption, replace});
    if (const std::optional<int> done = parseOrFinish(parser, arguments))
        return *done;

    const QStringList action = parser.positionalArguments();
    const QString folder = DataFolder::resolve(parser.value(dir));
    if (action == QStringList{QStringLiteral("status")}) {
        if (!QDir(folder).exists()) {
            err() << "A pasta de dados não existe: " << folder << '\n';
            return ExitFailed;
        }
        const bool gym = reportStatus(Brandel, folder);
        const bool training = reportStatus(Corvun, folder);
        return gym && training ? ExitOk : ExitFailed;
    }
    if (action == QStringList{QStringLiteral("seed")}) {
        bool numberOk = false;
        bool seedOk = false;
        const int count = parser.value(students).toInt(&numberOk);
        const quint32 seedValue = parser.value(seedOption).toUInt(&seedOk);
        if (!numberOk || count < 1 || count > 100000 || !seedOk) {
            err() << "seed precisa de --students entre 1 e 100000 e de uma --seed numérica.\n";
            return ExitUsage;
        }
        if (!QDir(folder).exists()) {
            err() << "A pasta de dados não existe: " << folder << '\n';
            return ExitFailed;
        }
        return seed(folder, count, seedValue, parser.isSet(replace));
    }
    err() << "companion precisa de uma ação: seed ou status.\n\n" << parser.helpText();
    return ExitUsage;
}

} // namespace kelvora::cli
