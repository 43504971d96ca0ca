#include "support/OldDatabase.h"

#include "data/Connection.h"
#include "data/Rows.h"
#include "data/Schema.h"
#include "data/SchemaWriter.h"
#include "support/TestDatabase.h"

#include <algorithm>

namespace kelvora::test {

namespace {

QVector<Table> oldTables(const OldSchema& schema)
{
    QVector<Table> tables;
    for (Table table : Schema::ownTables()) {
        if (table.name == QLatin1String("Anamnese")) {
            if (!schema.anamnese)
                continue;
            for (const auto& [name, length] : oldAnamneseLengths())
                for (Column& column : table.columns)
                    if (column.name == name)
                        column.length = length;
        } else if (table.name == QLatin1String("Usuarios")) {
            for (Column& column : table.columns)
                if (column.name == QLatin1String("SENHA"))
                    column.length = 6;
        } else if (table.name == QLatin1String("Moxcvar")) {
            table.columns.erase(
                std::remove_if(table.columns.begin(), table.columns.end(),
                               [&](const Column& column) {
                                   return (!schema.smtpTls &&
                                           column.name == QLatin1String("IdSMTP_UseTLS")) ||
                                          (!schema.reportPageFlags &&
                                           column.name.endsWith(QLatin1String("_IMP")));
                               }),
                table.columns.end());
        }
        tables << table;
    }
    return tables;
}

ColumnValues oldSettings(const OldSchema& schema)
{
    ColumnValues values{{QStringLiteral("ACADEMIA"), QStringLiteral("ACADEMIA ANTIGA")},
                        {QStringLiteral("PATH_AVALIA"), QStringLiteral("Não")}};
    if (schema.reportPageFlags)
        for (const Column& column : Schema::ownTable(QStringLiteral("Moxcvar")).columns)
            if (column.name.endsWith(QLatin1String("_IMP")))
                values.append({column.name, 1});
    return values;
}

ColumnValues anamneseRow(const QString& number)
{
    return {{QStringLiteral("MATRICULA"), number},
            {QStringLiteral("DATAEXAME"), QDate(2019, 3, 14)},
            {QStringLiteral("A_TIPOPESSOAL"), QStringLiteral("HIPERTENSÃO LEVE")},
            {QStringLiteral("A_TIPOALERGIA"), QStringLiteral("PÓLEN")},
            {QStringLiteral("A_TIPODIETA"), QStringLiteral("SEM GLÚTEN")},
            {QStringLiteral("A_HISTORICOOCUPACIONAL"), QStringLiteral("DIGITADOR")},
            {QStringLiteral("A_ATIVIDADEANTES"), QStringLiteral("NATAÇÃO")},
            {QStringLiteral("A_ATIVIDADEATUAL"), QStringLiteral("MUSCULAÇÃO")},
            {QStringLiteral("A_NCIGARROS"), 0},
            {QStringLiteral("A_PRESSAOARTERIALMAX"), 12.5}};
}

bool onSqlite(const Connection& own)
{
    return own.link().provider == DataLink::Provider::SQLite;
}

void sqliteRefusal(Connection& own, const QString& table, const QString& event)
{
    own.execute(table, QStringLiteral("CREATE TRIGGER refuse_%1 BEFORE %2 ON %1 BEGIN "
                                      "SELECT RAISE(ABORT, 'recusado pelo teste'); END")
                           .arg(table, event));
}

void postgresRefusal(Connection& own, const QString& table, const QString& event,
                     const QString& body)
{
    own.execute(table, QStringLiteral("CREATE FUNCTION refuse_%1() RETURNS trigger "
                                      "LANGUAGE plpgsql AS $$ BEGIN %2 END $$")
                           .arg(table, body));
    own.execute(table, QStringLiteral("CREATE TRIGGER refuse_%1 BEFORE %2 ON %1 FOR EACH ROW "
                                      "EXECUTE FUNCTION refuse_%1()")
                           .arg(table, event));
}

} // namespace

const QVector<QPair<QString, QVariant>>& oldUsers()
{
    static const QVector<QPair<QString, QVariant>> users{
        {QStringLiteral("00"), QStringLiteral("SENHA1")},
        {QStringLiteral("01"), QStringLiteral("ABC123")},
        {QStringLiteral("02"), QStringLiteral("")},
        {QStringLiteral("03"), QVariant(QMetaType::fromType<QString>())},
    };
    return users;
}

const QVector<QPair<QString, int>>& oldAnamneseLengths()
{
    static const QVector<QPair<QString, int>> lengths{
        {QStringLiteral("A_TIPOPESSOAL"), 50},    {QStringLiteral("A_TIPOALERGIA"), 50},
        {QStringLiteral("A_TIPODIETA"), 50},      {QStringLiteral("A_HISTORICOOCUPACIONAL"), 50},
        {QStringLiteral("A_ATIVIDADEANTES"), 30}, {QStringLiteral("A_ATIVIDADEATUAL"), 30},
    };
    return lengths;
}

void createOldDatabase(TestDatabase& db, const OldSchema& schema)
{
    {
        auto own = db.connect();
        Transaction transaction(*own, QStringLiteral("Moxcvar"));
        SchemaWriter::create(*own, oldTables(schema));
        Rows::insert(*own, QStringLiteral("Moxcvar"), oldSettings(schema));
        for (const auto& [code, password] : oldUsers())
            Rows::insert(*own, QStringLiteral("Usuarios"),
                         {{QStringLiteral("CODIGO"), code},
                          {QStringLiteral("NOME"), QStringLiteral("USUÁRIO ") + code},
                          {QStringLiteral("SENHA"), password}});
        if (schema.anamnese) {
            for (const QString& number :
                 {QStringLiteral("0000000001"), QStringLiteral("0000000002"),
                  QStringLiteral("0000000003")})
                Rows::insert(*own, QStringLiteral("Anamnese"), anamneseRow(number));
            own->execute(QStringLiteral("Anamnese"),
                         QStringLiteral("DELETE FROM Anamnese WHERE MATRICULA = ?"),
                         {QStringLiteral("0000000003")});
        }
        transaction.commit();
    }
    db.writeDataLinks();
}

void refuseUpdatesOf(Connection& own, const QString& table, const QString& column)
{
    if (onSqlite(own)) {
        sqliteRefusal(own, table, QStringLiteral("UPDATE OF ") + column);
        return;
    }
    // PostgreSQL wants the columns of "UPDATE OF" to exist already.
    postgresRefusal(own, table, QStringLiteral("UPDATE"),
                    QStringLiteral("IF jsonb_exists(to_jsonb(NEW), '%1') THEN "
                                   "RAISE EXCEPTION 'recusado pelo teste'; END IF; RETURN NEW;")
                        .arg(column.toLower()));
}

void refuseDeletesOn(Connection& own, const QString& table)
{
    if (onSqlite(own))
        sqliteRefusal(own, table, QStringLiteral("DELETE"));
    else
        postgresRefusal(own, table, QStringLiteral("DELETE"),
                        QStringLiteral("RAISE EXCEPTION 'recusado pelo teste';"));
}

void liftRefusal(Connection& own, const QString& table)
{
    own.execute(table, QStringLiteral("DROP TRIGGER refuse_%1%2")
                           .arg(table, onSqlite(own) ? QString() : QStringLiteral(" ON ") + table));
}

} // namespace kelvora::test
