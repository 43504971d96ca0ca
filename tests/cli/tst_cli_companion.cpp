#include "data/Companion.h"
#include "data/Connection.h"
#include "data/DataLink.h"
#include "support/CliRun.h"
#include "support/TestDatabase.h"

#include <QCryptographicHash>
#include <QFile>
#include <QImage>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>

using namespace kelvora;
using namespace kelvora::test;

namespace {

CliRun companion(const QString& folder, const QStringList& arguments)
{
    return cli(QStringList{QStringLiteral("companion")} + arguments + QStringList{QStringLiteral("--dir"), folder});
}

// Every student row and photo of the gym-management stand-in, as one digest.
QByteArray digest(const Connection& brandel)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (const QString& sql : {QStringLiteral("SELECT * FROM Alunos ORDER BY MATRICULA"), QStringLiteral("SELECT * FROM FotosAlunos ORDER BY MATRICULA")}) {
        QSqlQuery query = brandel.select(QStringLiteral("Alunos"), sql);
        while (query.next())
            for (int i = 0; i < query.record().count(); ++i)
                hash.addData(query.value(i).toString().toUtf8() + '|');
    }
    return hash.result();
}

int count(const Connection& connection, const QString& table)
{
    QSqlQuery query = connection.select(table, QStringLiteral("SELECT COUNT(*) FROM ") + table);
    query.next();
    return query.value(0).toInt();
}

} // namespace

class CliCompanionTest : public QObject {
    Q_OBJECT
private slots:
    void seedOnAFreshInstallation()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("dados"));
        QCOMPARE(cli({QStringLiteral("init"), QStringLiteral("--dir"), folder, QStringLiteral("--gym"), QStringLiteral("ACADEMIA")}, "SENHA1\n").exitCode, 0);

        const CliRun seeded = companion(folder, {QStringLiteral("seed"), QStringLiteral("--students"), QStringLiteral("40"), QStringLiteral("--seed"), QStringLiteral("7")});
        QVERIFY2(seeded.exitCode == 0, qPrintable(seeded.err));
        QVERIFY(seeded.err.isEmpty());
        auto own = Connection::fromFile(Connection::Kelvora, folder, QStringLiteral("Kelvora.udl"));
        auto brandel = Connection::fromFile(Connection::Brandel, folder, QStringLiteral("Brandel.udl"));
        auto corvun = Connection::fromFile(Connection::Corvun, folder, QStringLiteral("Corvun.udl"));
        for (auto* connection : {own.get(), brandel.get(), corvun.get()})
            connection->open();
        QCOMPARE(count(*brandel, QStringLiteral("Alunos")), 40);
        const int active = count(*brandel, QStringLiteral("AlunosAtivos"));
        QVERIFY(active > 20 && active < 40); // some have left the gym
        QVERIFY(count(*corvun, QStringLiteral("TREINO")) > 0);
        QVERIFY(count(*corvun, QStringLiteral("ALONGAMENTO")) > 0);

        // What the screens will read: the companion mode finds the active students,
        // their photos decode as JPEG, and the cash register is open today.
        const Companion gym(*own, *brandel, false, QStringLiteral("Sim"));
        QCOMPARE(gym.workingDay(), std::optional<QDate>(QDate::currentDate()));
        {
            QSqlQuery photos = brandel->select(QStringLiteral("FotosAlunos"), QStringLiteral("SELECT MATRICULA FROM FotosAlunos"));
            int decoded = 0;
            while (photos.next())
                decoded += QImage::fromData(gym.photo(photos.value(0).toString()), "JPEG").isNull() ? 0 : 1;
            QVERIFY(decoded > 0);
            QSqlQuery names = gym.students(Companion::Order::ByName);
            QVERIFY(names.next());
            const QString name = names.value(QStringLiteral("NOME")).toString();
            QCOMPARE(name, name.toUpper());
        } // no read stays open while the seed writes again

        // A folder that holds students already is refused unless told to replace
        // them; the same seed gives the same rows again.
        const QByteArray first = digest(*brandel);
        const CliRun again = companion(folder, {QStringLiteral("seed"), QStringLiteral("--students"), QStringLiteral("5")});
        QCOMPARE(again.exitCode, 2);
        QVERIFY(again.err.contains(QStringLiteral("--replace")));
        QCOMPARE(digest(*brandel), first);
        QCOMPARE(companion(folder, {QStringLiteral("seed"), QStringLiteral("--students"), QStringLiteral("40"), QStringLiteral("--seed"), QStringLiteral("7"), QStringLiteral("--replace")}).exitCode, 0);
        QCOMPARE(digest(*brandel), first);
        QCOMPARE(companion(folder, {QStringLiteral("seed"), QStringLiteral("--students"), QStringLiteral("40"), QStringLiteral("--seed"), QStringLiteral("8"), QStringLiteral("--replace")}).exitCode, 0);
        QVERIFY(digest(*brandel) != first);

        const CliRun status = companion(folder, {QStringLiteral("status")});
        QCOMPARE(status.exitCode, 0);
        QVERIFY2(status.out.contains(QStringLiteral("Brandel (gestão da academia): acessível — SQLite, ")), qPrintable(status.out));
        QVERIFY(status.out.contains(QStringLiteral("alunos: 40 (ativos: ")));
        QVERIFY(status.out.contains(QStringLiteral("agendados hoje: ")));
        QVERIFY(status.out.contains(QStringLiteral("Corvun (treinos): acessível")));
        QVERIFY(status.out.contains(QStringLiteral("fichas de treino: ")));

        corvun->close();
        QFile::remove(dir.filePath(QStringLiteral("dados/Corvun.db")));
        const CliRun lost = companion(folder, {QStringLiteral("status")});
        QCOMPARE(lost.exitCode, 3);
        QVERIFY2(lost.out.contains(QStringLiteral("Corvun (treinos): inacessível")), qPrintable(lost.out));
    }

    // On a PostgreSQL data-link the status names the server, never the password.
    void seedAndStatusOnPostgres()
    {
        if (!backends().contains(Postgres))
            QSKIP("no PostgreSQL server");
        TestDatabase db(Postgres);
        db.install();
        db.installCorvun();
        DataLink brandel = db.brandelLink();
        brandel.password = QStringLiteral("SEGREDO1"); // the test server trusts loopback
        DataLinkFile::write(db.folder() + QStringLiteral("/Brandel.udl"), brandel);

        const CliRun seeded = companion(db.folder(), {QStringLiteral("seed"), QStringLiteral("--students"), QStringLiteral("25")});
        QVERIFY2(seeded.exitCode == 0, qPrintable(seeded.err));
        const CliRun status = companion(db.folder(), {QStringLiteral("status")});
        QCOMPARE(status.exitCode, 0);
        QVERIFY2(status.out.contains(QStringLiteral("acessível — PostgreSQL, ")), qPrintable(status.out));
        QVERIFY(status.out.contains(brandel.catalog));
        QVERIFY(status.out.contains(QStringLiteral("alunos: 25 (ativos: ")));
        QVERIFY(!status.out.contains(QStringLiteral("SEGREDO1")));
    }

    void badRequests_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("no action") << QStringList() << 1;
        QTest::newRow("unknown action") << QStringList{QStringLiteral("grow")} << 1;
        QTest::newRow("no count") << QStringList{QStringLiteral("seed")} << 1;
        QTest::newRow("count zero") << QStringList{QStringLiteral("seed"), QStringLiteral("--students"), QStringLiteral("0")} << 1;
        QTest::newRow("no folder") << QStringList{QStringLiteral("status")} << 3;
    }
    void badRequests()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QCOMPARE(companion(QStringLiteral("/nao/existe"), arguments).exitCode, exitCode);
    }
};

QTEST_MAIN(CliCompanionTest)
#include "tst_cli_companion.moc"
