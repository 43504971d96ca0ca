#include "data/ServerDatabase.h"

#include "data/Connection.h"
#include "data/DataError.h"
#include "data/Schema.h"

#include <QRegularExpression>

namespace kelvora {

namespace {

// The database every server has, where databases are created and dropped.
const QString MaintenanceDatabase = QStringLiteral("postgres");

// Database names become identifiers in CREATE DATABASE, which takes no bound values:
// only plain names are accepted, short enough for the companions' suffixes.
bool isPlainName(const QString& name)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]{0,53}$"));
    return plain.match(name).hasMatch();
}

QString quotedName(const QString& name)
{
    return QLatin1Char('"') + name + QLatin1Char('"');
}

std::unique_ptr<Connection> maintenanceConnection(const DataLink& link, const QString& folder)
{
    DataLink maintenance = link;
    maintenance.catalog = MaintenanceDatabase;
    auto connection = std::make_unique<Connection>(QStringLiteral("Servidor"), maintenance, folder);
    connection->open();
    return connection;
}

} // namespace

DataLink ServerAccount::link(const QString& catalog) const
{
    DataLink link{DataLink::Provider::PostgreSQL, server, catalog, user, password};
    link.sslMode = sslMode;
    return link;
}

QStringList ServerAccount::problems() const
{
    QStringList list;
    const DataLink own = ownLink();
    if (own.host().isEmpty() || own.port() <= 0 || own.port() > 65535)
        list << QStringLiteral("o servidor deve ter a forma nome[:porta] (\"%1\")").arg(server);
    if (!isPlainName(database))
        list << QStringLiteral("o nome do banco deve ter até 54 letras sem acento, algarismos ou "
                               "_, começando por letra (\"%1\")")
                    .arg(database);
    if (user.trimmed().isEmpty())
        list << QStringLiteral("falta o usuário do servidor");
    if (!sslMode.isEmpty() && !DataLink::isSslMode(sslMode))
        list << QStringLiteral("modo TLS \"%1\" desconhecido (use disable, allow, prefer, require, "
                               "verify-ca ou verify-full)")
                    .arg(sslMode);
    return list;
}

ServerDatabase::ServerDatabase(QString role, DataLink link, QString folder)
    : m_connection(
          std::make_unique<Connection>(std::move(role), std::move(link), std::move(folder)))
{
}

ServerDatabase::~ServerDatabase() = default;

const DataLink& ServerDatabase::link() const
{
    return m_connection->link();
}

void ServerDatabase::open(Missing missing)
{
    try {
        m_connection->open();
    } catch (const OpenFailed& error) {
        if (missing == Missing::Create && isMissing()) {
            create();
            m_connection->open();
        } else {
            throw ConfigError(
                QStringLiteral("O servidor %1 não aceitou a conexão ao banco %2 como %3: %4")
                    .arg(link().dataSource, link().catalog, link().user, error.reason().trimmed()));
        }
    }
    checkVersion();
}

void ServerDatabase::openEmptyFor(const QVector<Table>& tables)
{
    open(Missing::Create);
    const QStringList found = present(tables);
    if (!found.isEmpty())
        throw ConfigError(
            QStringLiteral("O banco %1 no servidor %2 já tem tabelas do Kelvora (%3); "
                           "nada foi alterado. Para uma nova estação use "
                           "kelvora-cli join.")
                .arg(link().catalog, link().dataSource,
                     found.mid(0, 3).join(QStringLiteral(", "))));
}

bool ServerDatabase::isMissing() const
{
    // The server tells a missing database apart only in the text of its refusal:
    // ask its catalog instead.
    try {
        auto maintenance = maintenanceConnection(link(), m_connection->folder());
        return !maintenance
                    ->select(QStringLiteral("pg_database"),
                             QStringLiteral("SELECT 1 FROM pg_database WHERE datname = ?"),
                             {link().catalog})
                    .next();
    } catch (const DataError&) {
        return false; // the server refuses this user altogether: say so
    }
}

void ServerDatabase::create()
{
    try {
        auto maintenance = maintenanceConnection(link(), m_connection->folder());
        maintenance->execute(link().catalog,
                             QStringLiteral("CREATE DATABASE %1").arg(quotedName(link().catalog)));
    } catch (const DataError& error) {
        throw ConfigError(
            QStringLiteral("O banco %1 não existe no servidor %2 e o usuário %3 não pode criá-lo "
                           "(%4). Peça ao administrador do servidor que o crie vazio.")
                .arg(link().catalog, link().dataSource, link().user, error.reason()));
    }
    m_createdHere = true;
}

void ServerDatabase::checkVersion()
{
    QSqlQuery query = m_connection->select(QStringLiteral("server_version_num"),
                                           QStringLiteral("SHOW server_version_num"));
    const int version = query.next() ? query.value(0).toInt() : 0;
    if (version < OldestVersion)
        throw ConfigError(QStringLiteral("O servidor %1 tem o PostgreSQL %2; o Kelvora precisa da "
                                         "versão %3 ou mais nova.")
                              .arg(link().dataSource)
                              .arg(version / 10000)
                              .arg(OldestVersion / 10000));
}

QStringList ServerDatabase::present(const QVector<Table>& tables) const
{
    QStringList names;
    for (const Table& table : tables)
        if (!m_connection->dialect().columnsOf(*m_connection, table.name).isEmpty())
            names << table.name;
    return names;
}

void ServerDatabase::undo() noexcept
{
    try {
        if (m_createdHere) {
            m_connection->close();
            auto maintenance = maintenanceConnection(link(), m_connection->folder());
            maintenance->execute(
                link().catalog,
                QStringLiteral("DROP DATABASE IF EXISTS %1").arg(quotedName(link().catalog)));
            m_createdHere = false;
            return;
        }
        if (m_made.isEmpty() || !m_connection->isOpen())
            return;
        Transaction transaction(*m_connection);
        for (const QString& name : present(m_made))
            m_connection->execute(name,
                                  QStringLiteral("DROP TABLE %1").arg(Schema::identifier(name)));
        transaction.commit();
        m_made.clear();
    } catch (...) {
    }
}

} // namespace kelvora
