#include "data/Connection.h"
#include "data/PasswordHash.h"
#include "data/Users.h"
#include "domain/UserRights.h"
#include "support/CliRun.h"
#include "support/TestDatabase.h"

#include <QTest>

using namespace kelvora;
using namespace kelvora::test;

namespace {

// Passwords go on standard input, the master's first, then the new user's.
CliRun user(const TestDatabase& db, const QStringList& arguments,
            const QString& masterPassword = TestDatabase::MasterPassword,
            const QString& newPassword = {})
{
    return cli(QStringList{QStringLiteral("user")} + arguments +
                   QStringList{QStringLiteral("--dir"), db.folder()},
               (masterPassword + QLatin1Char('\n') + newPassword + QLatin1Char('\n')).toUtf8());
}

} // namespace

class CliUser : public QObject {
    Q_OBJECT
private slots:
    // The register's and the editor's jobs, scripted: the same rows as the screens write.
    void maintainsAUser_data()
    {
        QTest::addColumn<QString>("backend");
        for (const QString& backend : backends())
            QTest::newRow(qPrintable(backend)) << backend;
    }
    void maintainsAUser()
    {
        QFETCH(QString, backend);
        TestDatabase db(backend);
        db.install();
        CliRun run = user(db, {"add", "--code", "7", "--name", "carla", "--physician", "--full-access"},
                          TestDatabase::MasterPassword, QStringLiteral("ABC123"));
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QSqlRecord row = *Users::find(*db.connect(), QStringLiteral("07"));
        QCOMPARE(row.value("NOME").toString(), QStringLiteral("CARLA"));
        QVERIFY(PasswordHash::verify(row.value("SENHA").toString(), QStringLiteral("ABC123")));
        QVERIFY(row.value("EXAMEMEDICO").toBool());
        for (const QString& column : UserRights::columns())
            QCOMPARE(row.value(column).toString(), QStringLiteral("Sim"));

        run = user(db, {"list"});
        QCOMPARE(run.out, QStringLiteral("00  MESTRE\n07  CARLA\n"));

        run = user(db, {"rights", "--code", "07", "A_DADOS=Não", "u_backup=Não"});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        row = *Users::find(*db.connect(), QStringLiteral("07"));
        for (const QString& column : UserRights::columns())
            QCOMPARE(row.value(column).toString(),
                     column == "A_DADOS" || column == "U_BACKUP" ? QStringLiteral("Não") : QStringLiteral("Sim"));

        run = user(db, {"delete", "--code", "07"});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QVERIFY(!Users::exists(*db.connect(), QStringLiteral("07")));
    }

    // Refused input says why and changes nothing.
    void refusesBadInput_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("masterPassword");
        QTest::addColumn<QString>("newPassword");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        const QString master = TestDatabase::MasterPassword;
        QTest::newRow("wrong master password") << QStringList{"list"} << "ERRADA" << "" << 2 << "Senha não confere ! MESTRE";
        QTest::newRow("code taken") << QStringList{"add", "--code", "0", "--name", "X"} << master << "ABC123" << 2 << "Código já Cadastrado ! 00";
        QTest::newRow("code not digits") << QStringList{"add", "--code", "AB", "--name", "X"} << master << "ABC123" << 2 << "Código INCORRETO ! AB";
        QTest::newRow("no name") << QStringList{"add", "--code", "05"} << master << "ABC123" << 2 << "Dado INCORRETO ! Nome";
        QTest::newRow("five-character password") << QStringList{"add", "--code", "05", "--name", "X"} << master << "ABC12" << 2 << "Dado INCORRETO ! Senha";
        QTest::newRow("lower-case password") << QStringList{"add", "--code", "05", "--name", "X"} << master << "abc123" << 2 << "Dado INCORRETO ! Senha";
        QTest::newRow("master deleted") << QStringList{"delete", "--code", "00"} << master << "" << 2 << "Dado não pode ser alterado ! MESTRE";
        QTest::newRow("unknown user") << QStringList{"delete", "--code", "42"} << master << "" << 2 << "Código não cadastrado ! 42";
        QTest::newRow("not a right") << QStringList{"rights", "--code", "00", "SENHA=Sim"} << master << "" << 2 << "Dado INCORRETO ! SENHA=Sim";
        QTest::newRow("not Sim or Não") << QStringList{"rights", "--code", "00", "A_DADOS=sim"} << master << "" << 2 << "Dado INCORRETO ! A_DADOS=sim";
        QTest::newRow("no action") << QStringList{} << master << "" << 1 << "user precisa de uma ação";
    }
    void refusesBadInput()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, masterPassword);
        QFETCH(QString, newPassword);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        TestDatabase db(Sqlite);
        db.install();
        const QSqlRecord before = *Users::find(*db.connect(), QStringLiteral("00"));
        const CliRun run = user(db, arguments, masterPassword, newPassword);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QCOMPARE(Users::list(*db.connect()).size(), 1);
        QCOMPARE(Users::find(*db.connect(), QStringLiteral("00"))->value("A_DADOS"), before.value("A_DADOS"));
    }
};

QTEST_GUILESS_MAIN(CliUser)
#include "tst_cli_user.moc"
