#include "data/Connection.h"
#include "data/DataLink.h"
#include "data/Schema.h"

#include "support/CliRun.h"
#include "support/FolderSnapshot.h"

#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>

using namespace kelvora;
using kelvora::test::cli;
using kelvora::test::CliRun;
using kelvora::test::snapshot;

class CliInit : public QObject {
    Q_OBJECT
private slots:
    void createsTheEmbeddedDefaultOnce()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("dados"));
        const CliRun first = cli({QStringLiteral("init"), QStringLiteral("--dir"), folder, QStringLiteral("--gym"),
                               QStringLiteral("ACADEMIA CORPO SÃO"), QStringLiteral("--tax-number"),
                               QStringLiteral("12.345.678/0001-90")},
                              "MESTR1\n");
        QVERIFY2(first.exitCode == 0, qPrintable(first.err));

        const DataLink link = DataLinkFile::read(folder + QStringLiteral("/Kelvora.udl"));
        QCOMPARE(link.provider, DataLink::Provider::SQLite);
        QCOMPARE(DataLinkFile::read(folder + QStringLiteral("/Brandel.udl")).provider, DataLink::Provider::SQLite);
        // The training stand-in answers the reachability test with its one settings row.
        auto corvun = Connection::fromFile(Connection::Corvun, folder, QStringLiteral("Corvun.udl"));
        corvun->open();
        QSqlQuery training = corvun->select(QStringLiteral("Wufvar"), QStringLiteral("SELECT ACADEMIA, PATH_EXERCICIO, TEMPO_REAVALIACAO FROM Wufvar"));
        QVERIFY(training.next());
        QCOMPARE(training.value(0).toString(), QStringLiteral("ACADEMIA CORPO SÃO"));
        corvun->close();
        Connection own(Connection::Kelvora, link, folder);
        own.open();
        QStringList tables = own.database().tables();
        tables.removeIf([](const QString& name) { return name.startsWith(QLatin1String("sqlite_")); });
        QCOMPARE(tables.size(), Schema::ownTables().size());
        QSqlQuery gym = own.select(QStringLiteral("Moxcvar"), QStringLiteral("SELECT ACADEMIA, CNPJCPF FROM Moxcvar"));
        QVERIFY(gym.next());
        QCOMPARE(gym.value(0).toString(), QStringLiteral("ACADEMIA CORPO SÃO"));
        QCOMPARE(gym.value(1).toString(), QStringLiteral("12.345.678/0001-90"));
        own.close();

        const QMap<QString, QByteArray> before = snapshot(folder);
        const CliRun second = cli({QStringLiteral("init"), QStringLiteral("--dir"), folder, QStringLiteral("--gym"),
                                QStringLiteral("OUTRA")},
                               "OUTRA1\n");
        QCOMPARE(second.exitCode, 2);
        QVERIFY2(second.err.contains(QStringLiteral("já contém um banco de dados")), qPrintable(second.err));
        QCOMPARE(snapshot(folder), before);
    }

    void badInputCreatesNothing_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("password");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        QTest::newRow("short password") << QStringList{"--gym", "A"} << QByteArray("ABC12\n") << 2 << "exatamente 6";
        QTest::newRow("lower-case password") << QStringList{"--gym", "A"} << QByteArray("abc123\n") << 2 << "maiúsculas";
        QTest::newRow("blank in password") << QStringList{"--gym", "A"} << QByteArray("ABC 12\n") << 2 << "sem espaços";
        QTest::newRow("no password") << QStringList{"--gym", "A"} << QByteArray() << 2 << "exatamente 6";
        QTest::newRow("gym name too long") << QStringList{"--gym", QString(36, QLatin1Char('A'))} << QByteArray("ABC123\n") << 2 << "35";
        QTest::newRow("no gym") << QStringList{} << QByteArray("ABC123\n") << 1 << "--gym";
        QTest::newRow("password as an argument") << QStringList{"--gym", "A", "--master-password", "ABC123"} << QByteArray("ABC123\n") << 1 << "master-password";
        QTest::newRow("unknown option") << QStringList{"--gym", "A", "--nope"} << QByteArray("ABC123\n") << 1 << "nope";
    }
    void badInputCreatesNothing()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, password);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const CliRun run = cli(QStringList{QStringLiteral("init"), QStringLiteral("--dir"), dir.path()} + arguments, password);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QVERIFY(snapshot(dir.path()).isEmpty());
    }

    void helpDocumentsEveryCommand()
    {
        const CliRun overview = cli({QStringLiteral("--help")});
        QCOMPARE(overview.exitCode, 0);
        QVERIFY(overview.out.contains(QStringLiteral("init")));
        const CliRun init = cli({QStringLiteral("init"), QStringLiteral("--help")});
        QCOMPARE(init.exitCode, 0);
        for (const char* option : {"--dir", "--gym", "--address", "--complement1", "--complement2", "--tax-number", "entrada"})
            QVERIFY2(init.out.contains(QLatin1String(option)), option);
        QCOMPARE(cli({QStringLiteral("nada")}).exitCode, 1);
    }
};

QTEST_GUILESS_MAIN(CliInit)
#include "tst_cli_init.moc"
