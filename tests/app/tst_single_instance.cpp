#include "support/TestDatabase.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTest>

using namespace kelvora::test;

// A second start on the same data folder hands over to the first and ends at once.
class SingleInstanceTest : public QObject {
    Q_OBJECT
private slots:
    void secondStartEndsAndLeavesTheFirstRunning()
    {
        TestDatabase db(Sqlite);
        db.install();
        const QStringList arguments{QStringLiteral("--dir"), db.folder(), QStringLiteral("--no-splash")};
        QProcess first;
        first.start(qEnvironmentVariable("KELVORA_APP"), arguments);
        QVERIFY(first.waitForStarted());
        QTest::qWait(1500); // let it claim the folder

        QProcess second;
        second.start(qEnvironmentVariable("KELVORA_APP"), arguments);
        QVERIFY(second.waitForFinished(20000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(first.state(), QProcess::Running);

        first.terminate();
        QVERIFY(first.waitForFinished(10000));
    }
};

QTEST_GUILESS_MAIN(SingleInstanceTest)
#include "tst_single_instance.moc"
