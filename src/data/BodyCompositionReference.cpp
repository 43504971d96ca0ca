#include "data/BodyCompositionReference.h"

#include "data/Connection.h"
#include "data/ReferenceData.h"

namespace kelvora::BodyCompositionReference {

using namespace bodycomp;

namespace {

const QString FaixaGordura = QStringLiteral("FaixaGordura");
const QString GorduraHomem = QStringLiteral("GorduraHomem");
const QString GorduraMulher = QStringLiteral("GorduraMulher");
const QString GorduraCrianca = QStringLiteral("GorduraCrianca");

// Each statement selects the leading columns of its table in table order, so that a
// database row and a shipped row (all columns in table order) read alike.
const QString IdealFatQuery = QStringLiteral(
    "SELECT FAIXA, HOMEM_DEFAULT, MULHER_DEFAULT, HOMEM FROM FaixaGordura ORDER BY FAIXA");
const QString AdultLevelsQuery = QStringLiteral(
    "SELECT IDADE_INICIAL, IDADE_FINAL, GORDURA_INICIAL, GORDURA_FINAL, NIVEL FROM %1 "
    "ORDER BY CAST(IDADE_INICIAL AS INTEGER), CAST(GORDURA_INICIAL AS INTEGER)");
const QString ChildLevelsQuery =
    QStringLiteral("SELECT SEXO, GORDURA_INICIAL, GORDURA_FINAL, NIVEL FROM GorduraCrianca "
                   "ORDER BY SEXO DESC, CAST(REPLACE(GORDURA_INICIAL, ',', '.') AS REAL)");

IdealFatBand idealFatBand(const QVariantList& row)
{
    return {row.at(1).toString(), row.at(2).toString(), row.at(3).toString()};
}

AdultFatLevel adultLevel(const QVariantList& row)
{
    return {row.at(0).toString(), row.at(1).toString(), row.at(2).toString(), row.at(3).toString(),
            row.at(4).toString()};
}

ChildFatLevel childLevel(const QVariantList& row)
{
    return {row.at(0).toString(), row.at(1).toString(), row.at(2).toString(), row.at(3).toString()};
}

template <typename Row>
QVector<Row> selected(const Connection& connection, const QString& table, const QString& sql,
                      Row (*read)(const QVariantList&))
{
    QSqlQuery query = connection.select(table, sql);
    QVector<Row> rows;
    while (query.next()) {
        QVariantList values;
        for (int i = 0; i < query.record().count(); ++i)
            values << query.value(i);
        rows << read(values);
    }
    return rows;
}

template <typename Row> QVector<Row> shipped(const QString& table, Row (*read)(const QVariantList&))
{
    QVector<Row> rows;
    for (const QVariantList& values : ReferenceData::rows(table))
        rows << read(values);
    return rows;
}

} // namespace

FatTables load(const Connection& connection)
{
    return {selected(connection, FaixaGordura, IdealFatQuery, idealFatBand),
            selected(connection, GorduraHomem, AdultLevelsQuery.arg(GorduraHomem), adultLevel),
            selected(connection, GorduraMulher, AdultLevelsQuery.arg(GorduraMulher), adultLevel),
            selected(connection, GorduraCrianca, ChildLevelsQuery, childLevel)};
}

FatTables installed()
{
    // The shipped files are written in the order the rules read them.
    return {shipped(FaixaGordura, idealFatBand), shipped(GorduraHomem, adultLevel),
            shipped(GorduraMulher, adultLevel), shipped(GorduraCrianca, childLevel)};
}

} // namespace kelvora::BodyCompositionReference
