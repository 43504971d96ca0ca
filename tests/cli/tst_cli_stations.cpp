#include "data/Connection.h"
#include "data/DataError.h"
#include "data/DataLink.h"
#include "data/Installer.h"
#include "data/Rows.h"

#include "support/CliRun.h"
#include "support/EmbeddedStation.h"
#include "support/FolderSnapshot.h"
#include "support/OldDatabase.h"
#include "support/PgCluster.h"
#include "support/TestDatabase.h"

#include <QFile>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>
#include <QUuid>

using namespace kelvora;
using namespace kelvora::test;

namespace {

// The own database and its two stand-ins on a server, under a fresh name, dropped
// when the test ends.
struct ServerNames {
    explicit ServerNames(QString address = qEnvironmentVariable("KELVORA_TEST_PG"))
        : server(std::move(address))
        , name(QStringLiteral("kt_") + QUuid::createUuid().toString(QUuid::Id128).left(12))
    {
    }
    ~ServerNames()
    {
        for (const QString& database : {name, name + QStringLiteral("_brandel"), name + QStringLiteral("_corvun")})
            administer(server, QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(database));
    }
    // --server, --database and --user of the command line.
    QStringList options() const
    {
        const DataLink link = serverLink(server, name);
        return {QStringLiteral("--server"), link.dataSource, QStringLiteral("--database"), name, QStringLiteral("--user"), link.user};
    }
    bool exists(const QString& database) const
    {
        Connection catalog(QStringLiteral("catalog"), serverLink(server, QStringLiteral("postgres")), {});
        catalog.open();
        return catalog.select(QStringLiteral("pg_database"), QStringLiteral("SELECT 1 FROM pg_database WHERE datname = ?"), {database}).next();
    }
    std::unique_ptr<Connection> connect(const QString& database) const
    {
        auto connection = std::make_unique<Connection>(QStringLiteral("test"), serverLink(server, database), QString());
        connection->open();
        return connection;
    }

    QString server;
    QString name;
};

CliRun initServer(const QString& folder, const QStringList& options)
{
    return cli(QStringList{QStringLiteral("init"), QStringLiteral("--dir"), folder, QStringLiteral("--gym"), QStringLiteral("ACADEMIA REDE")} + options,
               "MESTR1\n");
}

CliRun join(const QString& folder, const QStringList& options)
{
    return cli(QStringList{QStringLiteral("join"), QStringLiteral("--dir"), folder} + options);
}

CliRun moveToServer(const QString& folder, const QStringList& options)
{
    return cli(QStringList{QStringLiteral("move-to-server"), QStringLiteral("--dir"), folder} + options);
}

QString writePasswordFile(const QTemporaryDir& dir, const QString& password)
{
    const QString path = dir.filePath(QStringLiteral("senha"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(password.toUtf8() + '\n');
    return path;
}

qint64 count(Connection& connection, const QString& table)
{
    QSqlQuery query = connection.select(table, QStringLiteral("SELECT COUNT(*) FROM %1").arg(table));
    query.next();
    return query.value(0).toLongLong();
}

const char* const NoServer = "KELVORA_TEST_PG names no PostgreSQL server";

bool haveServer()
{
    return !qEnvironmentVariableIsEmpty("KELVORA_TEST_PG");
}

} // namespace

class CliStations : public QObject {
    Q_OBJECT
private slots:
    void twoStationsShareOneServerDatabase()
    {
        if (!haveServer())
            QSKIP(NoServer);
        ServerNames names;
        QTemporaryDir dir;
        const QString first = dir.filePath(QStringLiteral("estacao1"));
        const QString second = dir.filePath(QStringLiteral("estacao2"));
        const CliRun created = initServer(first, names.options() << QStringLiteral("--password-file") << writePasswordFile(dir, QStringLiteral("s3gr;edo")));
        QVERIFY2(created.exitCode == 0, qPrintable(created.err));
        QVERIFY(names.exists(names.name + QStringLiteral("_brandel")) && names.exists(names.name + QStringLiteral("_corvun")));
        // The password is kept only in the data-link files, which only their owner reads.
        QVERIFY(!created.out.contains(QStringLiteral("s3gr")));
        for (const char* file : {"Kelvora.udl", "Brandel.udl", "Corvun.udl"}) {
            const QString path = first + QLatin1Char('/') + QLatin1String(file);
            QCOMPARE(DataLinkFile::read(path).password, QStringLiteral("s3gr;edo"));
            QCOMPARE(QFile::permissions(path) & (QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther), QFile::Permissions());
        }

        qputenv("PGPASSWORD", "outra");
        const CliRun joined = join(second, names.options());
        qunsetenv("PGPASSWORD");
        QVERIFY2(joined.exitCode == 0, qPrintable(joined.err));
        QCOMPARE(DataLinkFile::read(second + QStringLiteral("/Kelvora.udl")).password, QStringLiteral("outra"));
        QCOMPARE(DataLinkFile::read(second + QStringLiteral("/Corvun.udl")).catalog, names.name + QStringLiteral("_corvun"));

        // A student included on one station is read on the other; the second
        // station's change of a row it read before the first changed it is refused.
        auto one = Connection::fromFile(Connection::Kelvora, first, QStringLiteral("Kelvora.udl"));
        auto two = Connection::fromFile(Connection::Kelvora, second, QStringLiteral("Kelvora.udl"));
        one->open();
        two->open();
        const QString number = QStringLiteral("0000000042");
        Rows::insert(*one, QStringLiteral("Alunos"), {{QStringLiteral("MATRICULA"), number}, {QStringLiteral("NOME"), QStringLiteral("BEATRIZ LIMA")}});
        const QString select = QStringLiteral("SELECT MATRICULA, NOME FROM Alunos WHERE MATRICULA = ?");
        QSqlQuery readOnTwo = two->select(QStringLiteral("Alunos"), select, {number});
        QVERIFY(readOnTwo.next());
        QCOMPARE(readOnTwo.value(1).toString(), QStringLiteral("BEATRIZ LIMA"));
        const QSqlRecord seenByTwo = readOnTwo.record();
        QSqlQuery readOnOne = one->select(QStringLiteral("Alunos"), select, {number});
        QVERIFY(readOnOne.next());
        Rows::update(*one, QStringLiteral("Alunos"), {QStringLiteral("MATRICULA")}, readOnOne.record(), {{QStringLiteral("NOME"), QStringLiteral("BEATRIZ LIMA SOUZA")}});
        try {
            Rows::update(*two, QStringLiteral("Alunos"), {QStringLiteral("MATRICULA")}, seenByTwo, {{QStringLiteral("NOME"), QStringLiteral("BIA")}});
            QFAIL("the stale change went through");
        } catch (const DataError& error) {
            QCOMPARE(error.messageText(), QStringLiteral("Registro já alocado"));
        }
        QSqlQuery stored = two->select(QStringLiteral("Alunos"), select, {number});
        QVERIFY(stored.next());
        QCOMPARE(stored.value(1).toString(), QStringLiteral("BEATRIZ LIMA SOUZA"));

        // A station that has its data-link files already is left alone.
        const auto before = snapshot(second);
        const CliRun again = join(second, names.options());
        QCOMPARE(again.exitCode, 2);
        QVERIFY2(again.err.contains(QStringLiteral("já contém")), qPrintable(again.err));
        QCOMPARE(snapshot(second), before);
    }

    // Each refusal names the reason, leaves the server as it was and writes no file.
    void refusalsChangeNothing()
    {
        if (!haveServer())
            QSKIP(NoServer);
        ServerNames names;
        QTemporaryDir dir;
        QVERIFY(initServer(dir.filePath(QStringLiteral("primeira")), names.options()).exitCode == 0);
        auto own = names.connect(names.name);
        const qint64 users = count(*own, QStringLiteral("Usuarios"));

        const QString fresh = dir.filePath(QStringLiteral("nova"));
        const CliRun twice = initServer(fresh, names.options());
        QCOMPARE(twice.exitCode, 2);
        QVERIFY2(twice.err.contains(QStringLiteral("já tem tabelas do Kelvora")), qPrintable(twice.err));
        QCOMPARE(count(*own, QStringLiteral("Usuarios")), users);

        ServerNames empty;
        administer(empty.server, QStringLiteral("CREATE DATABASE %1").arg(empty.name));
        const CliRun noTables = join(fresh, empty.options());
        QCOMPARE(noTables.exitCode, 2);
        QVERIFY2(noTables.err.contains(QStringLiteral("não tem as tabelas do Kelvora")), qPrintable(noTables.err));

        ServerNames missing;
        const CliRun noDatabase = join(fresh, missing.options());
        QCOMPARE(noDatabase.exitCode, 2);
        QVERIFY2(noDatabase.err.contains(QStringLiteral("não aceitou a conexão")), qPrintable(noDatabase.err));
        QVERIFY(!missing.exists(missing.name));

        const CliRun badName = initServer(fresh, {QStringLiteral("--server"), QStringLiteral("127.0.0.1:1"), QStringLiteral("--database"), QStringLiteral("x; drop"), QStringLiteral("--user"), QStringLiteral("u")});
        QCOMPARE(badName.exitCode, 2);
        QVERIFY2(badName.err.contains(QStringLiteral("nome do banco")), qPrintable(badName.err));
        const CliRun noUser = join(fresh, {QStringLiteral("--server"), QStringLiteral("127.0.0.1"), QStringLiteral("--database"), QStringLiteral("k")});
        QCOMPARE(noUser.exitCode, 1);
        QVERIFY2(noUser.err.contains(QStringLiteral("--user")), qPrintable(noUser.err));
        QVERIFY(!QFile::exists(fresh));
    }

    // A station joins a database an earlier version made, with the gym's own
    // companion databases named by their data-link files.
    void joinUpgradesAnOlderDatabaseAndUsesTheNamedCompanions()
    {
        if (!haveServer())
            QSKIP(NoServer);
        TestDatabase db(Postgres);
        createOldDatabase(db, OldSchema{});
        db.installCorvun();
        QTemporaryDir dir;
        const DataLink own = db.ownLink();
        const QStringList options{QStringLiteral("--server"), own.dataSource, QStringLiteral("--database"), own.catalog, QStringLiteral("--user"), own.user,
                                                QStringLiteral("--brandel"), db.folder() + QStringLiteral("/Brandel.udl"), QStringLiteral("--corvun"), db.folder() + QStringLiteral("/Corvun.udl")};
        // The gym-management database must answer before a station is set up to need it.
        const CliRun noBrandel = join(dir.path(), options);
        QCOMPARE(noBrandel.exitCode, 2);
        QVERIFY2(noBrandel.err.contains(QStringLiteral("O banco de gestão (Brandel)")), qPrintable(noBrandel.err));
        QVERIFY(snapshot(dir.path()).isEmpty());

        Installer::createBrandelStandIn(*db.connect(Connection::Brandel));
        const CliRun joined = join(dir.path(), options);
        QVERIFY2(joined.exitCode == 0, qPrintable(joined.err));
        QVERIFY2(joined.out.contains(QStringLiteral("Moxcvar: coluna FOLHA_ROSTO_IMP criada com o valor 0")), qPrintable(joined.out));
        QCOMPARE(DataLinkFile::read(dir.filePath(QStringLiteral("Brandel.udl"))), db.brandelLink());
        QCOMPARE(DataLinkFile::read(dir.filePath(QStringLiteral("Corvun.udl"))), DataLinkFile::read(db.folder() + QStringLiteral("/Corvun.udl")));
        QCOMPARE(DataLinkFile::read(dir.filePath(QStringLiteral("Kelvora.udl"))).catalog, own.catalog);
    }

    void moveToServerKeepsEveryRow()
    {
        if (!haveServer())
            QSKIP(NoServer);
        ServerNames names;
        EmbeddedStation station;
        const QString userHash = station.hashOf(QStringLiteral("07"));
        const CliRun moved = moveToServer(station.folder(), names.options());
        QVERIFY2(moved.exitCode == 0, qPrintable(moved.err));
        for (const QString& table : {QStringLiteral("Kelvora Alunos: 3 registros conferidos"), QStringLiteral("Kelvora FotosAlunos: 3"),
                                     QStringLiteral("Kelvora Avaliacao: 2"), QStringLiteral("Kelvora Corporal: 3"), QStringLiteral("Kelvora Anamnese: 3"),
                                     QStringLiteral("Kelvora Usuarios: 2"), QStringLiteral("Brandel Caixa: 1"), QStringLiteral("Corvun TREINO: 1")})
            QVERIFY2(moved.out.contains(table), qPrintable(table + QStringLiteral(" not in ") + moved.out));

        // The embedded files stay, under the day's name; the station now names the server.
        const QString day = QDate::currentDate().toString(Qt::ISODate);
        for (const char* stem : {"Kelvora", "Brandel", "Corvun"}) {
            QVERIFY(!QFile::exists(station.folder() + QStringLiteral("/%1.db").arg(QLatin1String(stem))));
            QVERIFY(QFile::exists(station.folder() + QStringLiteral("/%1-movido-%2.db").arg(QLatin1String(stem), day)));
            QCOMPARE(DataLinkFile::read(station.folder() + QStringLiteral("/%1.udl").arg(QLatin1String(stem))).provider, DataLink::Provider::PostgreSQL);
        }
        auto own = station.connect();
        QCOMPARE(own->link().catalog, names.name);
        QSqlQuery photos = own->select(QStringLiteral("FotosAlunos"), QStringLiteral("SELECT MATRICULA, FOTO1 FROM FotosAlunos ORDER BY MATRICULA"));
        for (int student = 1; student <= EmbeddedStation::Students; ++student) {
            QVERIFY(photos.next());
            QCOMPARE(photos.value(0).toString(), EmbeddedStation::number(student));
            QCOMPARE(photos.value(1).toByteArray(), EmbeddedStation::photo(student));
        }
        QCOMPARE(station.hashOf(QStringLiteral("07")), userHash);
        QSqlQuery weights = own->select(QStringLiteral("Avaliacao"), QStringLiteral("SELECT ID, A_PESO, DATAEXAME FROM Avaliacao WHERE MATRICULA = ?"), {EmbeddedStation::number(2)});
        QVERIFY(weights.next());
        QCOMPARE(weights.value(0).toInt(), 2);
        QCOMPARE(weights.value(1).toDouble(), 0.1 + 70 + 2 / 3.0);
        QCOMPARE(weights.value(2).toDate(), QDate(2021, 2, 12));
        // New rows continue after the identities that came along.
        Rows::insert(*own, QStringLiteral("Avaliacao"), {{QStringLiteral("MATRICULA"), EmbeddedStation::number(1)}, {QStringLiteral("DATAEXAME"), QDate(2026, 12, 10)}});
        QSqlQuery newest = own->select(QStringLiteral("Avaliacao"), QStringLiteral("SELECT MAX(ID) FROM Avaliacao"));
        QVERIFY(newest.next());
        QCOMPARE(newest.value(0).toInt(), 4);

        const CliRun users = cli({QStringLiteral("user"), QStringLiteral("list"), QStringLiteral("--dir"), station.folder()}, "SENHA1\n");
        QVERIFY2(users.exitCode == 0 && users.out.contains(QStringLiteral("JOÃO")), qPrintable(users.err + users.out));
    }

    void moveThatFailsLeavesTheStationAsItWas_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        QTest::newRow("a row the server refuses") << "long name" << 3 << "Gravando na tabela ! Alunos";
        QTest::newRow("a date with a time of day") << "time of day" << 3 << "DATA_NASCIMENTO";
        QTest::newRow("a server database with the tables") << "taken" << 2 << "já tem tabelas do Kelvora";
        QTest::newRow("an older embedded database") << "older" << 2 << "kelvora-cli upgrade";
        QTest::newRow("a table the program does not know") << "unknown table" << 2 << "exatamente as tabelas";
    }
    void moveThatFailsLeavesTheStationAsItWas()
    {
        QFETCH(QString, fault);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        if (!haveServer())
            QSKIP(NoServer);
        ServerNames names;
        EmbeddedStation station;
        {
            auto own = station.connect();
            const QString number = EmbeddedStation::number(3);
            if (fault == QLatin1String("long name")) // SQLite keeps what the server's text(35) refuses
                own->execute(QStringLiteral("Alunos"), QStringLiteral("UPDATE Alunos SET NOME = ? WHERE MATRICULA = ?"), {QString(36, QLatin1Char('X')), number});
            if (fault == QLatin1String("time of day"))
                own->execute(QStringLiteral("Alunos"), QStringLiteral("UPDATE Alunos SET DATA_NASCIMENTO = ? WHERE MATRICULA = ?"), {QStringLiteral("1983-02-28T10:30:00"), number});
            if (fault == QLatin1String("older"))
                own->execute(QStringLiteral("Usuarios"), QStringLiteral("UPDATE Usuarios SET SENHA = ? WHERE CODIGO = ?"), {QStringLiteral("ABC123"), QStringLiteral("07")});
            if (fault == QLatin1String("unknown table"))
                own->execute(QStringLiteral("Notas"), QStringLiteral("CREATE TABLE Notas (TEXTO TEXT)"));
        }
        QTemporaryDir other;
        if (fault == QLatin1String("taken"))
            QVERIFY(initServer(other.filePath(QStringLiteral("estacao")), names.options()).exitCode == 0);
        const auto before = snapshot(station.folder());

        const CliRun moved = moveToServer(station.folder(), names.options());
        QCOMPARE(moved.exitCode, exitCode);
        QVERIFY2(moved.err.contains(message), qPrintable(moved.err));
        QCOMPARE(snapshot(station.folder()), before);
        if (fault == QLatin1String("taken")) {
            auto own = names.connect(names.name);
            QCOMPARE(count(*own, QStringLiteral("Alunos")), 0);
        } else {
            for (const QString& suffix : {QString(), QStringLiteral("_brandel"), QStringLiteral("_corvun")})
                QVERIFY2(!names.exists(names.name + suffix), qPrintable(names.name + suffix));
        }
    }

    // A throwaway server that asks for passwords (the trusting test server cannot
    // refuse one) and speaks no TLS.
    void aServerThatRefusesTheStationChangesNothing()
    {
        if (!PgCluster::available())
            QSKIP("no PostgreSQL server programs");
        PgCluster cluster(QStringLiteral("certa"));
        QVERIFY(cluster.start());
        ServerNames names(cluster.address());
        QTemporaryDir dir;
        const QString wrong = writePasswordFile(dir, QStringLiteral("errada"));
        const QString folder = dir.filePath(QStringLiteral("estacao"));

        const CliRun refused = initServer(folder, names.options() << QStringLiteral("--password-file") << wrong);
        QCOMPARE(refused.exitCode, 2);
        QVERIFY2(refused.err.contains(QStringLiteral("não aceitou a conexão")), qPrintable(refused.err));
        QVERIFY(!refused.err.contains(QStringLiteral("errada")));
        QVERIFY(!QFile::exists(folder));
        QVERIFY(!names.exists(names.name));

        EmbeddedStation station;
        const auto before = snapshot(station.folder());
        const CliRun notMoved = moveToServer(station.folder(), names.options() << QStringLiteral("--password-file") << wrong);
        QCOMPARE(notMoved.exitCode, 2);
        QVERIFY2(notMoved.err.contains(QStringLiteral("não aceitou a conexão")), qPrintable(notMoved.err));
        QCOMPARE(snapshot(station.folder()), before);

        const QString right = writePasswordFile(dir, QStringLiteral("certa"));
        const CliRun noTls = initServer(folder, names.options() << QStringLiteral("--password-file") << right << QStringLiteral("--ssl-mode") << QStringLiteral("require"));
        QCOMPARE(noTls.exitCode, 2);
        QVERIFY2(noTls.err.contains(QStringLiteral("SSL")), qPrintable(noTls.err));
        QVERIFY(!QFile::exists(folder));

        const CliRun accepted = initServer(folder, names.options() << QStringLiteral("--password-file") << right);
        QVERIFY2(accepted.exitCode == 0, qPrintable(accepted.err));
    }
};

QTEST_GUILESS_MAIN(CliStations)
#include "tst_cli_stations.moc"
