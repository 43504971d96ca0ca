#include "data/Connection.h"
#include "data/DataError.h"
#include "data/PasswordHash.h"
#include "data/Rows.h"
#include "data/Schema.h"
#include "data/SchemaUpgrade.h"
#include "support/OldDatabase.h"
#include "support/TestDatabase.h"

#include <QSemaphore>
#include <QSqlRecord>
#include <QTest>
#include <QThread>

using namespace kelvora;
using namespace kelvora::test;

namespace {

const QString TlsChange =
    QStringLiteral("Moxcvar: coluna IdSMTP_UseTLS criada com o valor utUseExplicitTLS");

QStringList reportPageTicks()
{
    QStringList names;
    for (const Column& column : Schema::ownTable(QStringLiteral("Moxcvar")).columns)
        if (column.name.endsWith(QLatin1String("_IMP")))
            names << column.name;
    return names;
}

// Every row of a query, each as its list of values.
QVector<QVariantList> rows(const Connection& connection, const QString& table, const QString& sql)
{
    QVector<QVariantList> all;
    QSqlQuery query = connection.select(table, sql);
    while (query.next()) {
        QVariantList row;
        for (int i = 0; i < query.record().count(); ++i)
            row << query.value(i);
        all << row;
    }
    return all;
}

QVariant value(const Connection& connection, const QString& table, const QString& sql,
               const QVariantList& params = {})
{
    QSqlQuery query = connection.select(table, sql, params);
    return query.next() ? query.value(0) : QVariant();
}

// Names (upper case) and declared text lengths, as the catalog has them.
QVector<QPair<QString, int>> declared(const Connection& own, const QString& table)
{
    QVector<QPair<QString, int>> columns;
    for (const ColumnInfo& column : own.dialect().columnsOf(own, table))
        columns.append({column.name.toUpper(), column.length});
    return columns;
}

QVector<QPair<QString, int>> declaredBySchema(const QString& table)
{
    QVector<QPair<QString, int>> columns;
    for (const Column& column : Schema::ownTable(table).columns)
        columns.append(
            {column.name.toUpper(), column.type == ColumnType::Text ? column.length : 0});
    return columns;
}

// What a run on an old database without ticks and TLS changes, one line each.
int changesOfAFullUpgrade()
{
    int plainPasswords = 0;
    for (const auto& user : oldUsers())
        plainPasswords += user.second.toString().isEmpty() ? 0 : 1;
    return oldAnamneseLengths().size() + 1 + reportPageTicks().size() + 1 + plainPasswords;
}

// The state a second run must leave exactly as it is.
QVector<QVariantList> settingsAndUsers(const Connection& own)
{
    return rows(own, QStringLiteral("Moxcvar"), QStringLiteral("SELECT * FROM Moxcvar")) +
           rows(own, QStringLiteral("Usuarios"),
                QStringLiteral("SELECT * FROM Usuarios ORDER BY CODIGO"));
}

void verifyPasswordsAreHashes(const Connection& own)
{
    for (const auto& [code, password] : oldUsers()) {
        const QVariant stored =
            value(own, QStringLiteral("Usuarios"),
                  QStringLiteral("SELECT SENHA FROM Usuarios WHERE CODIGO = ?"), {code});
        if (password.toString().isEmpty()) {
            // Nobody can log in with an empty password: it stays as it was.
            QCOMPARE(stored.isNull(), password.isNull());
            QCOMPARE(stored.toString(), password.toString());
        } else {
            QVERIFY(stored.toString().startsWith(QLatin1String("$argon2id$")));
            QVERIFY(PasswordHash::verify(stored.toString(), password.toString()));
        }
    }
}

} // namespace

class SchemaUpgradeTest : public QObject {
    Q_OBJECT
private slots:
    void upgradesAnOldDatabase_data()
    {
        QTest::addColumn<QString>("backend");
        QTest::addColumn<bool>("ticks");
        QTest::addColumn<bool>("anamnese");
        for (const QString& backend : backends()) {
            QTest::addRow("%s, no ticks, no TLS", qPrintable(backend)) << backend << false << true;
            QTest::addRow("%s, ticks but no TLS", qPrintable(backend)) << backend << true << true;
            QTest::addRow("%s, no Anamnese", qPrintable(backend)) << backend << false << false;
        }
    }
    void upgradesAnOldDatabase()
    {
        QFETCH(QString, backend);
        QFETCH(bool, ticks);
        QFETCH(bool, anamnese);
        TestDatabase db(backend);
        createOldDatabase(db, {ticks, false, anamnese});
        auto own = db.connect();
        const QString anamneseRows = QStringLiteral("SELECT * FROM Anamnese ORDER BY ID");
        const auto anamneseBefore = anamnese ? rows(*own, QStringLiteral("Anamnese"), anamneseRows)
                                             : QVector<QVariantList>();
        SchemaUpgrade upgrade(*own);
        QVERIFY(upgrade.needed());

        const UpgradeResult result = upgrade.run();
        QVERIFY2(!result.failed, qPrintable(result.failure));
        QVERIFY(result.failure.isEmpty());

        // The e-mail setting is gained even where the ticks were there already.
        QVERIFY(result.changes.contains(TlsChange));
        QCOMPARE(value(*own, QStringLiteral("Moxcvar"),
                       QStringLiteral("SELECT IdSMTP_UseTLS FROM Moxcvar")),
                 QVariant(QStringLiteral("utUseExplicitTLS")));
        // New ticks start at 0; ticks a database had keep their values.
        for (const QString& flag : reportPageTicks())
            QCOMPARE(value(*own, QStringLiteral("Moxcvar"),
                           QStringLiteral("SELECT %1 FROM Moxcvar").arg(flag))
                         .toInt(),
                     ticks ? 1 : 0);
        QCOMPARE(result.changes.filter(QStringLiteral("_IMP criada com o valor 0")).size(),
                 ticks ? 0 : 21);
        QCOMPARE(
            value(*own, QStringLiteral("Moxcvar"), QStringLiteral("SELECT ACADEMIA FROM Moxcvar")),
            QVariant(QStringLiteral("ACADEMIA ANTIGA")));
        QStringList moxcvar;
        for (const auto& column : declared(*own, QStringLiteral("Moxcvar")))
            moxcvar << column.first;
        QStringList expected;
        for (const auto& column : declaredBySchema(QStringLiteral("Moxcvar")))
            expected << column.first;
        moxcvar.sort();
        expected.sort();
        QCOMPARE(moxcvar, expected);

        QCOMPARE(declared(*own, QStringLiteral("Usuarios")),
                 declaredBySchema(QStringLiteral("Usuarios")));
        verifyPasswordsAreHashes(*own);

        if (anamnese) {
            QCOMPARE(declared(*own, QStringLiteral("Anamnese")),
                     declaredBySchema(QStringLiteral("Anamnese")));
            QCOMPARE(rows(*own, QStringLiteral("Anamnese"), anamneseRows), anamneseBefore);
            // The key still holds, and the identity of the deleted last row is not given again.
            QVERIFY_THROWS_EXCEPTION(
                RowHeld, Rows::insert(*own, QStringLiteral("Anamnese"),
                                      {{QStringLiteral("MATRICULA"), QStringLiteral("0000000001")},
                                       {QStringLiteral("DATAEXAME"), QDate(2019, 3, 14)}}));
            Rows::insert(*own, QStringLiteral("Anamnese"),
                         {{QStringLiteral("MATRICULA"), QStringLiteral("0000000004")},
                          {QStringLiteral("DATAEXAME"), QDate(2019, 3, 14)},
                          {QStringLiteral("A_TIPOPESSOAL"), QString(80, QLatin1Char('X'))}});
            QVERIFY(value(*own, QStringLiteral("Anamnese"),
                          QStringLiteral("SELECT ID FROM Anamnese WHERE MATRICULA = ?"),
                          {QStringLiteral("0000000004")})
                        .toInt() > 3);
        } else {
            QVERIFY(declared(*own, QStringLiteral("Anamnese")).isEmpty());
        }

        // A second run finds nothing to do and changes nothing.
        QVERIFY(!upgrade.needed());
        const auto before = settingsAndUsers(*own);
        const UpgradeResult again = SchemaUpgrade(*own).run();
        QVERIFY(!again.failed);
        QCOMPARE(again.changes, QStringList());
        QCOMPARE(settingsAndUsers(*own), before);
    }

    void reportsEveryChangeOfAFullUpgrade()
    {
        TestDatabase db(Sqlite);
        createOldDatabase(db, {});
        auto own = db.connect();
        const QStringList changes = SchemaUpgrade(*own).run().changes;
        QCOMPARE(changes.size(), changesOfAFullUpgrade());
        // The passwords first, so that a later step that fails keeps nobody out.
        QCOMPARE(changes.mid(0, 3),
                 (QStringList{
                     QStringLiteral("Usuarios: coluna SENHA ampliada para 128 caracteres"),
                     QStringLiteral("Usuarios: senha do usuário 00 guardada como hash Argon2id"),
                     QStringLiteral("Usuarios: senha do usuário 01 guardada como hash Argon2id")}));
        QCOMPARE(changes.at(3),
                 QStringLiteral("Anamnese: coluna A_TIPOPESSOAL ampliada para 80 caracteres"));
        QVERIFY(changes.contains(
            QStringLiteral("Anamnese: coluna A_ATIVIDADEATUAL ampliada para 40 caracteres")));
        QCOMPARE(changes.at(9), TlsChange);
        QCOMPARE(changes.at(10),
                 QStringLiteral("Moxcvar: coluna FOLHA_ROSTO_IMP criada com o valor 0"));
        QCOMPARE(changes.last(),
                 QStringLiteral("Moxcvar: coluna TESTE_FLEXAO_IMP criada com o valor 0"));
        // No line shows a password.
        for (const auto& user : oldUsers())
            if (!user.second.toString().isEmpty())
                QVERIFY(!changes.join(QLatin1Char('\n')).contains(user.second.toString()));
    }

    void currentDatabaseIsLeftAlone_data() { addBackendRows(); }
    void currentDatabaseIsLeftAlone()
    {
        QFETCH(QString, backend);
        TestDatabase db(backend);
        db.install();
        auto own = db.connect();
        const auto before = settingsAndUsers(*own);
        SchemaUpgrade upgrade(*own);
        QVERIFY(!upgrade.needed());
        const UpgradeResult result = upgrade.run();
        QVERIFY(!result.failed);
        QVERIFY(result.changes.isEmpty());
        QCOMPARE(settingsAndUsers(*own), before);
    }

    // A register made before the index on the students' names gets it, and searching
    // by the beginning of a name finds what it found before.
    void indexOnStudentNames_data() { addBackendRows(); }
    void indexOnStudentNames()
    {
        QFETCH(QString, backend);
        TestDatabase db(backend);
        db.install();
        auto own = db.connect();
        own->execute(QStringLiteral("Alunos"), QStringLiteral("DROP INDEX alunos_nome"));
        QVERIFY(!own->dialect().indexExists(*own, QStringLiteral("alunos_nome")));
        SchemaUpgrade upgrade(*own);
        QVERIFY(upgrade.needed());
        const UpgradeResult result = upgrade.run();
        QVERIFY2(!result.failed, qPrintable(result.failure));
        QCOMPARE(result.changes, QStringList{"Alunos: índice criado na coluna NOME"});
        QVERIFY(own->dialect().indexExists(*own, QStringLiteral("alunos_nome")));
        QVERIFY(!upgrade.needed());
    }

    void failedStepIsRolledBackAndRetried_data() { addBackendRows(); }
    void failedStepIsRolledBackAndRetried()
    {
        QFETCH(QString, backend);
        TestDatabase db(backend);
        createOldDatabase(db, {});
        auto own = db.connect();
        // The database refuses the tick VOZ_IMP, the 18th of 21.
        refuseUpdatesOf(*own, QStringLiteral("Moxcvar"), QStringLiteral("VOZ_IMP"));

        const UpgradeResult failed = SchemaUpgrade(*own).run();
        QVERIFY(failed.failed);
        QVERIFY2(failed.failure.startsWith(QStringLiteral("Gravando na tabela ! Moxcvar: ")),
                 qPrintable(failed.failure));
        // The steps before it stay done (the passwords among them); none of its ticks stays.
        QCOMPARE(failed.changes.size(), 3 + oldAnamneseLengths().size() + 1);
        QCOMPARE(failed.changes.last(), TlsChange);
        QStringList moxcvar;
        for (const auto& column : declared(*own, QStringLiteral("Moxcvar")))
            moxcvar << column.first;
        QVERIFY(moxcvar.contains(QStringLiteral("IDSMTP_USETLS")));
        QVERIFY(moxcvar.filter(QStringLiteral("_IMP")).isEmpty());
        verifyPasswordsAreHashes(*own);
        QVERIFY(SchemaUpgrade(*own).needed());

        liftRefusal(*own, QStringLiteral("Moxcvar"));
        const UpgradeResult retried = SchemaUpgrade(*own).run();
        QVERIFY2(!retried.failed, qPrintable(retried.failure));
        QCOMPARE(retried.changes.size(), changesOfAFullUpgrade() - failed.changes.size());
        verifyPasswordsAreHashes(*own);
        QVERIFY(!SchemaUpgrade(*own).needed());
    }

    void stationsStartingTogetherUpgradeOnce_data() { addBackendRows(); }
    void stationsStartingTogetherUpgradeOnce()
    {
        QFETCH(QString, backend);
        TestDatabase db(backend);
        createOldDatabase(db, {});

        // Two stations, each with its own connection, start the upgrade at once.
        QSemaphore ready;
        QSemaphore go;
        UpgradeResult results[2];
        QThread* stations[2];
        for (int i = 0; i < 2; ++i) {
            stations[i] = QThread::create([&, i] {
                Connection own(Connection::Kelvora, db.ownLink(), db.folder());
                own.open();
                ready.release();
                go.acquire();
                results[i] = SchemaUpgrade(own).run();
            });
            stations[i]->start();
        }
        ready.acquire(2);
        go.release(2);
        for (QThread* station : stations) {
            QVERIFY(station->wait(120000));
            delete station;
        }

        QVERIFY2(!results[0].failed, qPrintable(results[0].failure));
        QVERIFY2(!results[1].failed, qPrintable(results[1].failure));
        // Every change was made by exactly one of them.
        QStringList all = results[0].changes + results[1].changes;
        QCOMPARE(all.size(), changesOfAFullUpgrade());
        all.removeDuplicates();
        QCOMPARE(all.size(), changesOfAFullUpgrade());
        auto own = db.connect();
        verifyPasswordsAreHashes(*own);
        QVERIFY(!SchemaUpgrade(*own).needed());
    }

    void sqliteRebuildKeepsIndexesAndTriggers()
    {
        TestDatabase db(Sqlite);
        createOldDatabase(db, {});
        auto own = db.connect();
        own->execute(QStringLiteral("Anamnese"),
                     QStringLiteral("CREATE INDEX AnamneseDieta ON Anamnese (A_TIPODIETA)"));
        own->execute(QStringLiteral("Anamnese"),
                     QStringLiteral("CREATE TRIGGER AnamneseGuard BEFORE DELETE ON Anamnese "
                                    "BEGIN SELECT 1; END"));
        QVERIFY(!SchemaUpgrade(*own).run().failed);
        QCOMPARE(value(*own, QStringLiteral("Anamnese"),
                       QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE tbl_name = "
                                      "'Anamnese' AND name IN ('AnamneseDieta', 'AnamneseGuard')"))
                     .toInt(),
                 2);
        QCOMPARE(value(*own, QStringLiteral("Anamnese"),
                       QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE name LIKE "
                                      "'kelvora_rebuild%'"))
                     .toInt(),
                 0);
    }
};

QTEST_GUILESS_MAIN(SchemaUpgradeTest)
#include "tst_schema_upgrade.moc"
