#include "support/TestDatabase.h"

#include "data/Installer.h"
#include "data/PasswordHash.h"
#include "data/Rows.h"

#include <QCoreApplication>
#include <QHash>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>
#include <QUuid>

namespace kelvora::test {

namespace {

QHash<QString, QString> serverAddress(const QString& server)
{
    QHash<QString, QString> address;
    for (const QString& pair : server.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const int eq = pair.indexOf(QLatin1Char('='));
        if (eq > 0)
            address.insert(pair.left(eq), pair.mid(eq + 1));
    }
    return address;
}

} // namespace

void administer(const QString& server, const QString& statement)
{
    const QHash<QString, QString> address = serverAddress(server);
    const QString name = QStringLiteral("kelvora-test-admin ") + server;
    {
        QSqlDatabase db = QSqlDatabase::contains(name) ? QSqlDatabase::database(name)
                                                       : QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
        db.setHostName(address.value(QStringLiteral("host"), QStringLiteral("127.0.0.1")));
        db.setPort(address.value(QStringLiteral("port"), QStringLiteral("5432")).toInt());
        db.setDatabaseName(address.value(QStringLiteral("dbname"), QStringLiteral("postgres")));
        db.setUserName(address.value(QStringLiteral("user")));
        db.setPassword(address.value(QStringLiteral("password")));
        db.close(); // a fresh session: the server may have been restarted since
        if (!db.open())
            qFatal("test PostgreSQL server unreachable: %s", qPrintable(db.lastError().text()));
        QSqlQuery query(db);
        if (!query.exec(statement))
            qFatal("%s: %s", qPrintable(statement), qPrintable(query.lastError().text()));
    }
}

DataLink serverLink(const QString& server, const QString& database)
{
    const QHash<QString, QString> address = serverAddress(server);
    return {DataLink::Provider::PostgreSQL,
            address.value(QStringLiteral("host"), QStringLiteral("127.0.0.1")) + QLatin1Char(':')
                + address.value(QStringLiteral("port"), QStringLiteral("5432")),
            database, address.value(QStringLiteral("user")), address.value(QStringLiteral("password"))};
}

QStringList backends()
{
    QStringList list{Sqlite};
    if (!qEnvironmentVariableIsEmpty("KELVORA_TEST_PG"))
        list << Postgres;
    return list;
}

void addBackendRows()
{
    QTest::addColumn<QString>("backend");
    for (const QString& backend : backends())
        QTest::newRow(qPrintable(backend)) << backend;
}

TestDatabase::TestDatabase(const QString& backend, const QString& server)
    : m_backend(backend)
    , m_server(server.isEmpty() ? qEnvironmentVariable("KELVORA_TEST_PG") : server)
{
    if (backend == Postgres) {
        const QString stem = QStringLiteral("kt_") + QUuid::createUuid().toString(QUuid::Id128).left(12);
        m_serverDatabases = {stem + QStringLiteral("_own"), stem + QStringLiteral("_brandel")};
        for (const QString& database : m_serverDatabases)
            administer(m_server, QStringLiteral("CREATE DATABASE %1").arg(database));
        m_own = serverLink(m_server, m_serverDatabases.at(0));
        m_brandel = serverLink(m_server, m_serverDatabases.at(1));
    } else {
        m_own = {DataLink::Provider::SQLite, QStringLiteral("Kelvora.db"), {}, {}, {}};
        m_brandel = {DataLink::Provider::SQLite, QStringLiteral("Brandel.db"), {}, {}, {}};
        // The files must exist before a connection that expects them opens.
        for (const DataLink& link : {m_own, m_brandel}) {
            Connection create(QStringLiteral("create"), link, folder());
            create.open(Connection::OpenMode::CreateFile);
        }
    }
}

TestDatabase::~TestDatabase()
{
    for (const QString& database : m_serverDatabases)
        administer(m_server, QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(database));
}

void TestDatabase::writeDataLinks()
{
    DataLinkFile::write(folder() + QStringLiteral("/Kelvora.udl"), m_own);
    DataLinkFile::write(folder() + QStringLiteral("/Brandel.udl"), m_brandel);
}

void TestDatabase::install()
{
    {
        auto own = connect(Connection::Kelvora);
        Installer::createOwnDatabase(*own, GymIdentity{QStringLiteral("ACADEMIA TESTE"), QStringLiteral("RUA DAS FLORES, 10"), QStringLiteral("CENTRO"), {}, QStringLiteral("12.345.678/0001-90")}, MasterPassword);
        auto brandel = connect(Connection::Brandel);
        Installer::createBrandelStandIn(*brandel);
    }
    writeDataLinks();
}

void TestDatabase::addUser(const QString& code, const QString& name, const QString& password,
                           const ColumnValues& columns) const
{
    ColumnValues row{{QStringLiteral("CODIGO"), code}, {QStringLiteral("NOME"), name}};
    if (!password.isEmpty())
        row.append({QStringLiteral("SENHA"), PasswordHash::hash(password)});
    row += columns;
    auto own = connect();
    Rows::insert(*own, QStringLiteral("Usuarios"), row);
}

std::unique_ptr<Connection> TestDatabase::installCorvun()
{
    DataLink link{DataLink::Provider::SQLite, QStringLiteral("Corvun.db"), {}, {}, {}};
    auto mode = Connection::OpenMode::CreateFile;
    if (m_backend == Postgres) {
        const QString database = QString(m_serverDatabases.first()).replace(QStringLiteral("_own"), QStringLiteral("_corvun"));
        administer(m_server, QStringLiteral("CREATE DATABASE %1").arg(database));
        m_serverDatabases << database;
        link = serverLink(m_server, database);
        mode = Connection::OpenMode::Existing;
    }
    auto corvun = std::make_unique<Connection>(Connection::Corvun, link, folder());
    corvun->open(mode);
    Installer::createCorvunStandIn(*corvun, GymIdentity{QStringLiteral("ACADEMIA TESTE"), {}, {}, {}, {}});
    DataLinkFile::write(folder() + QStringLiteral("/Corvun.udl"), link);
    return corvun;
}

std::unique_ptr<Connection> TestDatabase::connect(const QString& role) const
{
    auto connection = std::make_unique<Connection>(
        role, role == Connection::Brandel ? m_brandel : m_own, folder());
    connection->open();
    return connection;
}

QStringList TestDatabase::settingsRow() const
{
    auto own = connect();
    QSqlQuery query = own->select(QStringLiteral("Moxcvar"), QStringLiteral("SELECT * FROM Moxcvar"));
    query.next();
    QStringList values;
    for (int i = 0; i < query.record().count(); ++i)
        values << query.record().fieldName(i).toUpper() + QLatin1Char('=') + query.value(i).toString();
    return values;
}

void addAssessment(Connection& own, const QString& number, const QDate& date,
                   const QString& assessor)
{
    Rows::insert(own, QStringLiteral("Avaliacao"),
                 {{QStringLiteral("MATRICULA"), number},
                  {QStringLiteral("DATAEXAME"), date},
                  {QStringLiteral("USUARIO"), assessor}});
}

} // namespace kelvora::test
