#include "data/Connection.h"
#include "data/DataError.h"
#include "data/ServerMove.h"
#include "data/TableChecksum.h"

#include "support/EmbeddedStation.h"
#include "support/FolderSnapshot.h"
#include "support/PgCluster.h"
#include "support/TestDatabase.h"

#include <QTest>

using namespace kelvora;
using namespace kelvora::test;

class ServerMoveTest : public QObject {
    Q_OBJECT
private slots:
    // The fingerprint that proves a copy: the same rows in another order agree; one
    // changed byte, or an empty text where there was none, does not.
    void fingerprintSeesContentNotOrder()
    {
        const Table table{QStringLiteral("T"), {{QStringLiteral("N"), ColumnType::Text, 10}, {QStringLiteral("F"), ColumnType::Blob}, {QStringLiteral("D"), ColumnType::Date}, {QStringLiteral("R"), ColumnType::Real}}, {}};
        const QVariantList first{QStringLiteral("ANA"), QByteArray("\x00\xff", 2), QDate(2026, 2, 28), 0.1 + 0.2};
        const QVariantList second{QVariant(QMetaType(QMetaType::QString)), QByteArray(), QDate(1999, 12, 31), 80.25};
        TableChecksum one(table);
        one.add(first);
        one.add(second);
        TableChecksum other(table);
        other.add(second);
        other.add(first);
        QVERIFY(one == other);

        const auto changed = [&](int column, const QVariant& value) {
            QVariantList row = first;
            row[column] = value;
            TableChecksum checksum(table);
            checksum.add(row);
            checksum.add(second);
            return checksum;
        };
        QVERIFY(changed(1, QByteArray("\x00\xfe", 2)) != one);
        QVERIFY(changed(2, QDate(2026, 3, 1)) != one);
        QVERIFY(changed(3, 0.3) != one);
        QVERIFY(changed(0, QString(QLatin1String(""))) != changed(0, QVariant(QMetaType(QMetaType::QString))));
        TableChecksum fewer(table);
        fewer.add(first);
        QVERIFY(fewer != one);
    }

    // The server stops while the own database is being copied: nothing was committed,
    // the station stays on its embedded database, and the server keeps none of the tables.
    void serverGoingAwayPartWayLeavesTheStationAsItWas()
    {
        if (!PgCluster::available())
            QSKIP("no PostgreSQL server programs");
        PgCluster cluster;
        QVERIFY(cluster.start());
        EmbeddedStation station;
        const auto before = snapshot(station.folder());
        const DataLink server = serverLink(cluster.address(), QStringLiteral("academia"));
        const ServerAccount account{server.dataSource, server.catalog, server.user, {}, {}};

        int ownTables = 0;
        QVERIFY_THROWS_EXCEPTION(DataError, ServerMove::run(station.folder(), account, [&](const TableProof& proof) {
            if (proof.database == QLatin1String("Kelvora") && ++ownTables == 3)
                QVERIFY(cluster.stop());
        }));
        QCOMPARE(ownTables, 3);
        QCOMPARE(snapshot(station.folder()), before);
        station.connect(); // still the embedded database, and it opens

        QVERIFY(cluster.start());
        for (const QString& database : {QStringLiteral("academia"), QStringLiteral("academia_brandel"), QStringLiteral("academia_corvun")}) {
            Connection left(QStringLiteral("left"), serverLink(cluster.address(), database), {});
            left.open();
            QCOMPARE(left.database().tables(), QStringList());
        }
    }
};

QTEST_GUILESS_MAIN(ServerMoveTest)
#include "tst_server_move.moc"
