#include "data/Connection.h"
#include "support/CliRun.h"
#include "support/OldDatabase.h"
#include "support/TestDatabase.h"

#include <QTemporaryDir>
#include <QTest>

using namespace kelvora;
using namespace kelvora::test;

namespace {

const QString NothingToDo =
    QStringLiteral("Nada a atualizar: o banco de dados já está na versão atual.\n");

CliRun upgrade(const QString& folder)
{
    return cli({QStringLiteral("upgrade"), QStringLiteral("--dir"), folder});
}

} // namespace

class CliUpgrade : public QObject {
    Q_OBJECT
private slots:
    void upgradesAnOldDatabaseOnce_data() { addBackendRows(); }
    void upgradesAnOldDatabaseOnce()
    {
        QFETCH(QString, backend);
        TestDatabase db(backend);
        createOldDatabase(db, {});

        const CliRun first = upgrade(db.folder());
        QVERIFY2(first.exitCode == 0, qPrintable(first.err));
        const QStringList lines = first.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 31);
        QVERIFY(lines.contains(
            QStringLiteral("Moxcvar: coluna IdSMTP_UseTLS criada com o valor utUseExplicitTLS")));
        QVERIFY(
            lines.contains(QStringLiteral("Moxcvar: coluna FOLHA_ROSTO_IMP criada com o valor 0")));
        QVERIFY(lines.contains(
            QStringLiteral("Usuarios: senha do usuário 01 guardada como hash Argon2id")));

        const CliRun second = upgrade(db.folder());
        QCOMPARE(second.exitCode, 0);
        QCOMPARE(second.out, NothingToDo);
    }

    void failedStepExitsWithItsReason()
    {
        TestDatabase db(Sqlite);
        createOldDatabase(db, {});
        refuseUpdatesOf(*db.connect(), QStringLiteral("Moxcvar"), QStringLiteral("VOZ_IMP"));

        const CliRun run = upgrade(db.folder());
        QCOMPARE(run.exitCode, 3);
        // What was done before the failing step stays done, and is told.
        QCOMPARE(run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts).size(), 10);
        QVERIFY2(run.err.contains(QStringLiteral("A atualização parou")), qPrintable(run.err));
        QVERIFY(run.err.contains(QStringLiteral("Gravando na tabela ! Moxcvar: ")));
    }

    void unusableDatabaseExits3_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("message");
        QTest::newRow("no data folder") << "/nao/existe"
                                        << "A pasta de dados não existe";
        QTest::newRow("no data-link file") << "EMPTY"
                                           << "Kelvora.udl";
        QTest::newRow("no database file") << "NO-DB"
                                          << "Abertura de tabela ! ADOConnectionKelvora";
    }
    void unusableDatabaseExits3()
    {
        QFETCH(QString, folder);
        QFETCH(QString, message);
        QTemporaryDir dir;
        if (folder == QLatin1String("EMPTY")) {
            folder = dir.path();
        } else if (folder == QLatin1String("NO-DB")) {
            // The data-link file names a database file that is not there.
            TestDatabase db(Sqlite);
            db.writeDataLinks();
            QFile::copy(db.folder() + QStringLiteral("/Kelvora.udl"),
                        dir.filePath(QStringLiteral("Kelvora.udl")));
            folder = dir.path();
        }
        const CliRun run = upgrade(folder);
        QCOMPARE(run.exitCode, 3);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QVERIFY(run.out.isEmpty());
    }
};

QTEST_GUILESS_MAIN(CliUpgrade)
#include "tst_cli_upgrade.moc"
