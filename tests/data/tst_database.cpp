#include "data/Connection.h"
#include "data/DataError.h"
#include "data/PasswordHash.h"
#include "data/ReferenceData.h"
#include "data/Rows.h"
#include "data/Schema.h"
#include "domain/UserRules.h"
#include "support/TestDatabase.h"

#include <QSqlField>
#include <QSqlRecord>
#include <QTest>

using namespace kelvora;
using namespace kelvora::test;

namespace {

int count(const Connection& connection, const QString& table, const QString& where = {},
          const QVariantList& params = {})
{
    QSqlQuery query = connection.select(
        table, QStringLiteral("SELECT COUNT(*) FROM %1 %2").arg(table, where), params);
    query.next();
    return query.value(0).toInt();
}

QSqlRecord readStudent(const Connection& connection, const QString& number)
{
    QSqlQuery query = connection.select(QStringLiteral("Alunos"),
                                        QStringLiteral("SELECT MATRICULA, NOME, SEXO FROM Alunos WHERE MATRICULA = ?"),
                                        {number});
    return query.next() ? query.record() : QSqlRecord();
}

void addStudent(Connection& connection, const QString& number, const QString& name)
{
    Rows::insert(connection, QStringLiteral("Alunos"),
                 {{QStringLiteral("MATRICULA"), number}, {QStringLiteral("NOME"), name},
                  {QStringLiteral("SEXO"), QStringLiteral("M")},
                  {QStringLiteral("DATA_NASCIMENTO"), QDate(1990, 2, 28)}});
}

} // namespace

class Database : public QObject {
    Q_OBJECT
private slots:
    void everyTableHasItsColumnsInOrder_data() { addBackendRows(); }
    void everyTableHasItsColumnsInOrder()
    {
        QFETCH(QString, backend);
        TestDatabase db(backend);
        db.install();
        for (const auto& [role, tables] : {std::pair{Connection::Kelvora, Schema::ownTables()},
                                           std::pair{Connection::Brandel, Schema::brandelTables()}}) {
            auto connection = db.connect(role);
            for (const Table& table : tables) {
                QSqlQuery query = connection->select(
                    table.name, QStringLiteral("SELECT * FROM %1 WHERE 1 = 0").arg(Schema::identifier(table.name)));
                const QSqlRecord record = query.record();
                QStringList names;
                for (int i = 0; i < record.count(); ++i)
                    names << record.fieldName(i).toUpper();
                QStringList expected;
                for (const QString& name : table.columnNames())
                    expected << name.toUpper();
                QCOMPARE(names, expected);
            }
        }
    }

    void installationRowsAreComplete_data() { addBackendRows(); }
    void installationRowsAreComplete()
    {
        QFETCH(QString, backend);
        TestDatabase db(backend);
        db.install();
        auto own = db.connect();

        // One settings row, without nulls except the pictures.
        QCOMPARE(count(*own, QStringLiteral("Moxcvar")), 1);
        QSqlQuery settings = own->select(QStringLiteral("Moxcvar"), QStringLiteral("SELECT * FROM Moxcvar"));
        QVERIFY(settings.next());
        const Table& moxcvar = Schema::ownTable(QStringLiteral("Moxcvar"));
        for (const Column& column : moxcvar.columns)
            if (column.type != ColumnType::Blob)
                QVERIFY2(!settings.value(column.name).isNull(), qPrintable(column.name));
        QCOMPARE(settings.value(QStringLiteral("ACADEMIA")).toString(), QStringLiteral("ACADEMIA TESTE"));
        QCOMPARE(settings.value(QStringLiteral("PATH_AVALIA")).toString(), QStringLiteral("Sim"));
        QCOMPARE(settings.value(QStringLiteral("CORPORAL_TRANS_WELTMAN")).toString(), QStringLiteral("Sim"));
        QCOMPARE(settings.value(QStringLiteral("TEMPO_REAVALIACAO")).toInt(), 6);
        QCOMPARE(settings.value(QStringLiteral("PRAZOAVALMED")).toInt(), 12);
        QCOMPARE(settings.value(QStringLiteral("IMC_1_2")).toString(), QStringLiteral("0"));
        QCOMPARE(settings.value(QStringLiteral("IdSMTP_UseTLS")).toString(), QStringLiteral("utUseExplicitTLS"));
        QCOMPARE(settings.value(QStringLiteral("TESTE_FLEXAO_IMP")).toInt(), 1);
        QCOMPARE(settings.value(QStringLiteral("COMPLEMENTO2")).toString(), QString());

        // The master user, with every right and the password kept as a hash only.
        QSqlQuery master = own->select(QStringLiteral("Usuarios"),
                                       QStringLiteral("SELECT * FROM Usuarios WHERE CODIGO = ?"), {MasterUserCode});
        QVERIFY(master.next());
        const QString stored = master.value(QStringLiteral("SENHA")).toString();
        QVERIFY(stored != TestDatabase::MasterPassword);
        QVERIFY(PasswordHash::verify(stored, TestDatabase::MasterPassword));
        QVERIFY(!PasswordHash::verify(stored, QStringLiteral("SENHA2")));
        QCOMPARE(master.value(QStringLiteral("U_REESVAZIARMOVIMENTACAO")).toString(), QStringLiteral("Sim"));

        // Reference rows byte for byte, accents included.
        QCOMPARE(count(*own, QStringLiteral("GorduraHomem")), 35);
        QCOMPARE(count(*own, QStringLiteral("Postural")), 232);
        QCOMPARE(count(*own, QStringLiteral("TABELAFLEXIBILIDADE"), QStringLiteral("WHERE RESULTADO = ?"),
                       {QStringLiteral("Acima da Média")}),
                 6);
        QCOMPARE(count(*own, QStringLiteral("GorduraCrianca"), QStringLiteral("WHERE GORDURA_INICIAL = ?"),
                       {QStringLiteral("6,01")}),
                 1);
        QCOMPARE(count(*own, QStringLiteral("FaixaGordura"), QStringLiteral("WHERE HOMEM IS NULL")), 5);
        QCOMPARE(count(*own, QStringLiteral("TABELAFLEXAO"), QStringLiteral("WHERE ? BETWEEN IDADE_INICIAL AND IDADE_FINAL"), {25}), 5);
    }

    void emptiedReferenceTablesAreRefilled_data() { addBackendRows(); }
    void emptiedReferenceTablesAreRefilled()
    {
        QFETCH(QString, backend);
        TestDatabase db(backend);
        db.install();
        auto own = db.connect();
        own->execute(QStringLiteral("Vo2Homem"), QStringLiteral("DELETE FROM Vo2Homem"));
        own->execute(QStringLiteral("Atividades"), QStringLiteral("DELETE FROM Atividades"));
        QCOMPARE(ReferenceData::ensureInstalled(*own), QStringList{QStringLiteral("Vo2Homem")});
        QCOMPARE(count(*own, QStringLiteral("Vo2Homem")), 25);
        // The gym's own activities are its business: an empty catalogue stays empty.
        QCOMPARE(count(*own, QStringLiteral("Atividades")), 0);
        QVERIFY(ReferenceData::ensureInstalled(*own).isEmpty());
    }

    void failedWriteRollsTheTransactionBack_data() { addBackendRows(); }
    void failedWriteRollsTheTransactionBack()
    {
        QFETCH(QString, backend);
        TestDatabase db(backend);
        db.install();
        auto own = db.connect();
        addStudent(*own, QStringLiteral("0000000001"), QStringLiteral("ANA"));
        try {
            Transaction transaction(*own, QStringLiteral("Alunos"));
            addStudent(*own, QStringLiteral("0000000002"), QStringLiteral("BETO"));
            own->execute(QStringLiteral("Avaliacao"), QStringLiteral("INSERT INTO Avaliacao (NADA) VALUES (1)"));
            transaction.commit();
            QFAIL("the failing statement went through");
        } catch (const WriteFailed& error) {
            QCOMPARE(error.table(), QStringLiteral("Avaliacao"));
            QCOMPARE(error.messageText(), QStringLiteral("Gravando na tabela !"));
        }
        QCOMPARE(count(*own, QStringLiteral("Alunos")), 1);
        QVERIFY(!own->inTransaction());
        // The connection is usable again after the rollback.
        addStudent(*own, QStringLiteral("0000000002"), QStringLiteral("BETO"));
        QCOMPARE(count(*own, QStringLiteral("Alunos")), 2);
    }

    void transactionsDoNotNest_data() { addBackendRows(); }
    void transactionsDoNotNest()
    {
        QFETCH(QString, backend);
        TestDatabase db(backend);
        auto own = db.connect();
        Transaction outer(*own);
        QVERIFY_THROWS_EXCEPTION(std::logic_error, Transaction{*own});
    }

    void anotherStationsChangeIsNeverOverwritten_data() { addBackendRows(); }
    void anotherStationsChangeIsNeverOverwritten()
    {
        QFETCH(QString, backend);
        TestDatabase db(backend);
        db.install();
        auto stationA = db.connect();
        auto stationB = db.connect();
        addStudent(*stationA, QStringLiteral("0000000007"), QStringLiteral("CARLA"));

        const QSqlRecord readByA = readStudent(*stationA, QStringLiteral("0000000007"));
        const QSqlRecord readByB = readStudent(*stationB, QStringLiteral("0000000007"));
        const QStringList key{QStringLiteral("MATRICULA")};
        Rows::update(*stationB, QStringLiteral("Alunos"), key, readByB, {{QStringLiteral("NOME"), QStringLiteral("CARLA B")}});

        // A's change is refused, and B's name stands.
        try {
            Rows::update(*stationA, QStringLiteral("Alunos"), key, readByA, {{QStringLiteral("NOME"), QStringLiteral("CARLA A")}});
            QFAIL("a stale change overwrote another station's");
        } catch (const RowHeld& error) {
            QCOMPARE(error.messageText(), QStringLiteral("Registro já alocado"));
            QCOMPARE(error.table(), QStringLiteral("Alunos"));
        }
        QCOMPARE(readStudent(*stationA, QStringLiteral("0000000007")).value(QStringLiteral("NOME")).toString(),
                 QStringLiteral("CARLA B"));

        // A change to another column of the same row goes through: nothing of B's is lost.
        Rows::update(*stationA, QStringLiteral("Alunos"), key, readByA, {{QStringLiteral("SEXO"), QStringLiteral("F")}});
        const QSqlRecord now = readStudent(*stationA, QStringLiteral("0000000007"));
        QCOMPARE(now.value(QStringLiteral("NOME")).toString(), QStringLiteral("CARLA B"));
        QCOMPARE(now.value(QStringLiteral("SEXO")).toString(), QStringLiteral("F"));

        // Deleting what was changed since it was read is refused; the fresh row can go.
        QVERIFY_THROWS_EXCEPTION(RowHeld, Rows::remove(*stationB, QStringLiteral("Alunos"), readByB));
        Rows::remove(*stationB, QStringLiteral("Alunos"), now);
        QVERIFY_THROWS_EXCEPTION(RowHeld, Rows::update(*stationA, QStringLiteral("Alunos"), key, now,
                                                       {{QStringLiteral("NOME"), QStringLiteral("X")}}));
    }

    void uniqueKeysRefuseASecondRow_data()
    {
        QTest::addColumn<QString>("backend");
        QTest::addColumn<QString>("table");
        for (const QString& backend : backends())
            for (const char* table : {"Avaliacao", "Corporal", "Alunos", "Usuarios"})
                QTest::addRow("%s %s", qPrintable(backend), table) << backend << QString::fromLatin1(table);
    }
    void uniqueKeysRefuseASecondRow()
    {
        QFETCH(QString, backend);
        QFETCH(QString, table);
        TestDatabase db(backend);
        db.install();
        auto own = db.connect();
        const Table& definition = Schema::ownTable(table);
        ColumnValues row;
        for (const QString& column : definition.uniqueKey)
            row.append({column, definition.column(column)->type == ColumnType::Date
                                    ? QVariant(QDate(2024, 5, 2))
                                    : QVariant(QStringLiteral("01"))});
        Rows::insert(*own, table, row);
        QVERIFY_THROWS_EXCEPTION(RowHeld, Rows::insert(*own, table, row));
    }

    void assessmentTablesHaveTheirDateColumns()
    {
        const QVector<AssessmentTable>& tables = Schema::assessmentTables();
        QCOMPARE(tables.size(), 13);
        for (const AssessmentTable& entry : tables) {
            const Table& table = Schema::ownTable(entry.table);
            QVERIFY2(table.column(entry.dateColumn), qPrintable(entry.table));
            QVERIFY2(table.uniqueKey.mid(0, 2) == (QStringList{QStringLiteral("MATRICULA"), entry.dateColumn}),
                     qPrintable(entry.table));
        }
    }

    void sizeAndShrinkAnswer_data() { addBackendRows(); }
    void sizeAndShrinkAnswer()
    {
        QFETCH(QString, backend);
        TestDatabase db(backend);
        db.install();
        auto own = db.connect();
        QVERIFY(own->dialect().databaseSizeMb(own->database()) > 0.0);
        own->dialect().shrink(own->database());
        QVERIFY(own->answers(QStringLiteral("TabelaFlexao")));
        QVERIFY(!own->answers(QStringLiteral("NaoExiste")));
    }

    void missingDatabaseFailsToOpen()
    {
        QTemporaryDir dir;
        Connection connection(Connection::Kelvora, {DataLink::Provider::SQLite, QStringLiteral("nada.db"), {}, {}, {}}, dir.path());
        QVERIFY_THROWS_EXCEPTION(OpenFailed, connection.open());
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("nada.db"))));

        Connection server(Connection::Kelvora, {DataLink::Provider::PostgreSQL, QStringLiteral("127.0.0.1:1"), QStringLiteral("k"), QStringLiteral("u"), {}}, dir.path());
        QVERIFY_THROWS_EXCEPTION(OpenFailed, server.open());
    }
};

QTEST_GUILESS_MAIN(Database)
#include "tst_database.moc"
