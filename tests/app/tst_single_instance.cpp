#include "support/TestDatabase.h"

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
        QTest::qWait(1000); // usually enough for it to claim the folder

        // Until the first has claimed the folder, a later start may still become the
        // first itself; such a start is ended and the next one tried.
        bool handedOver = false;
        for (int attempt = 0; attempt < 20 && !handedOver; ++attempt) {
            QProcess second;
            second.start(qEnvironmentVariable("KELVORA_APP"), arguments);
            handedOver = second.waitForFinished(3000);
            if (handedOver) {
                QCOMPARE(second.exitStatus(), QProcess::NormalExit);
                QCOMPARE(second.exitCode(), 0);
            } else {
                second.kill();
                second.waitForFinished();
            }
        }
        QVERIFY(handedOver);
        QCOMPARE(first.state(), QProcess::Running);

        first.terminate();
        QVERIFY(first.waitForFinished(10000));
    }
};

QTEST_GUILESS_MAIN(SingleInstanceTest)
#include "tst_single_instance.moc"
