#include "data/Stations.h"

#include "data/Companion.h"
#include "data/Connection.h"
#include "data/DataError.h"
#include "data/Schema.h"
#include "data/SchemaUpgrade.h"

#include <QDir>

namespace kelvora::Stations {

namespace {

DataLink companionLink(const QString& file, const DataLink& standIn)
{
    return file.isEmpty() ? standIn : DataLinkFile::read(file);
}

// The companion databases must answer before a station is set up to use them: the
// program ends at start when the gym-management database does not.
void checkCompanionsAnswer(const QString& folder, const DataLink& brandel, const DataLink& corvun)
{
    try {
        Connection gym(Connection::Brandel, brandel, folder);
        gym.open();
        gym.select(QStringLiteral("Alunos"),
                   QStringLiteral("SELECT MATRICULA FROM Alunos WHERE 1 = 0"));
    } catch (const DataError& error) {
        throw ConfigError(QStringLiteral("O banco de gestão (Brandel) em %1 não responde: %2")
                              .arg(brandel.location(folder), error.reason()));
    }
    Connection training(Connection::Corvun, corvun, folder);
    if (!trainingDatabaseAnswers(training))
        throw ConfigError(QStringLiteral("O banco de treinos (Corvun) em %1 não responde.")
                              .arg(corvun.location(folder)));
}

std::unique_ptr<ServerDatabase> claim(const QString& role, const DataLink& link,
                                      const QString& folder, const QVector<Table>& tables)
{
    auto database = std::make_unique<ServerDatabase>(role, link, folder);
    database->openEmptyFor(tables);
    return database;
}

} // namespace

void checkAccount(const ServerAccount& account)
{
    const QStringList problems = account.problems();
    if (!problems.isEmpty())
        throw ConfigError(
            QStringLiteral("Servidor recusado: %1.").arg(problems.join(QStringLiteral("; "))));
}

void createServerDatabase(const QString& folder, const ServerAccount& account,
                          const CompanionFiles& companions, const GymIdentity& gym,
                          const QString& masterPassword)
{
    Installer::checkInput(gym, masterPassword);
    checkAccount(account);
    const DataLink brandel = companionLink(companions.brandel, account.brandelStandIn());
    const DataLink corvun = companionLink(companions.corvun, account.corvunStandIn());
    Installer::refuseUsedFolder(folder);
    const QString path = QDir(folder).absolutePath();

    // Undone in reverse order when a later step fails.
    std::vector<std::unique_ptr<ServerDatabase>> claimed;
    try {
        claimed.push_back(claim(Connection::Kelvora, account.ownLink(), path, Schema::ownTables()));
        ServerDatabase& own = *claimed.back();
        Installer::createOwnDatabase(own.connection(), gym, masterPassword);
        own.made(Schema::ownTables());
        if (companions.brandel.isEmpty()) {
            claimed.push_back(claim(Connection::Brandel, brandel, path, Schema::brandelTables()));
            Installer::createBrandelStandIn(claimed.back()->connection());
            claimed.back()->made(Schema::brandelTables());
        }
        if (companions.corvun.isEmpty()) {
            claimed.push_back(claim(Connection::Corvun, corvun, path, Schema::corvunTables()));
            Installer::createCorvunStandIn(claimed.back()->connection(), gym);
            claimed.back()->made(Schema::corvunTables());
        }
        checkCompanionsAnswer(path, brandel, corvun);
        Installer::writeDataLinks(path, account.ownLink(), brandel, corvun);
    } catch (...) {
        for (auto it = claimed.rbegin(); it != claimed.rend(); ++it)
            (*it)->undo();
        throw;
    }
}

QStringList join(const QString& folder, const ServerAccount& account,
                 const CompanionFiles& companions)
{
    checkAccount(account);
    const DataLink brandel = companionLink(companions.brandel, account.brandelStandIn());
    const DataLink corvun = companionLink(companions.corvun, account.corvunStandIn());
    Installer::refuseUsedFolder(folder);
    const QString path = QDir(folder).absolutePath();

    ServerDatabase own(Connection::Kelvora, account.ownLink(), path);
    own.open(ServerDatabase::Missing::Refuse);
    const QStringList core{QStringLiteral("Moxcvar"), QStringLiteral("Usuarios"),
                           QStringLiteral("Alunos"), QStringLiteral("Avaliacao")};
    QVector<Table> coreTables;
    for (const QString& name : core)
        coreTables << Schema::ownTable(name);
    if (own.present(coreTables).size() != core.size())
        throw ConfigError(
            QStringLiteral("O banco %1 no servidor %2 não tem as tabelas do Kelvora. Crie-o com "
                           "kelvora-cli init --server, ou leve para ele o banco de uma estação "
                           "com kelvora-cli move-to-server.")
                .arg(account.database, account.server));
    checkCompanionsAnswer(path, brandel, corvun);

    const UpgradeResult upgrade = SchemaUpgrade(own.connection()).run();
    if (upgrade.failed)
        throw ConfigError(QStringLiteral("O banco %1 não pôde ser atualizado para esta versão: %2")
                              .arg(account.database, upgrade.failure));
    Installer::writeDataLinks(path, account.ownLink(), brandel, corvun);
    return upgrade.changes;
}

} // namespace kelvora::Stations
