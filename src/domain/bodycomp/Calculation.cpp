#include "domain/bodycomp/Calculation.h"

#include "domain/bodycomp/Corporal.h"

namespace kelvora::bodycomp {

using namespace Corporal;

namespace {

// The columns of one fat protocol; those it does not have are empty.
struct FatColumns {
    QString fat;
    QString range;
    QString level;
    QString fatMass;
    QString leanMass;
    QString idealWeight;
    QString idealFat;
};

FatColumns fatColumns(Protocol protocol)
{
    switch (protocol) {
    case Protocol::Pollock3:
        return {G_3DOBRASGORDURA_A,    G_3DOBRASGORDURA_FAIXA, G_3DOBRASGORDURA_M,
                G_3DOBRASPESO_GORDO,   G_3DOBRASPESO_MAGRO,    G_3DOBRASPESO_IDEAL,
                G_3DOBRASGORDURA_IDEAL};
    case Protocol::Pollock7:
        return {G_7DOBRASGORDURA_A,    G_7DOBRASGORDURA_FAIXA, G_7DOBRASGORDURA_M,
                G_7DOBRASPESO_GORDO,   G_7DOBRASPESO_MAGRO,    G_7DOBRASPESO_IDEAL,
                G_7DOBRASGORDURA_IDEAL};
    case Protocol::Slaughter:
        return {G_CRIANCAGORDURA_A,
                G_CRIANCAGORDURA_FAIXA,
                G_CRIANCAGORDURA_M,
                G_CRIANCAPESO_GORDO,
                G_CRIANCAPESO_MAGRO,
                {},
                {}};
    case Protocol::Faulkner:
        return {G_FAULKNER_GORDURA,
                {},
                {},
                G_FAULKNERPESO_GORDO,
                G_FAULKNERPESO_MAGRO,
                G_FAULKNERPESO_IDEAL,
                G_FAULKNERGORDURA_IDEAL};
    case Protocol::Lohman:
        return {G_LOHMAN_GORDURA,
                {},
                {},
                G_LOHMANPESO_GORDO,
                G_LOHMANPESO_MAGRO,
                G_LOHMANPESO_IDEAL,
                G_LOHMANGORDURA_IDEAL};
    case Protocol::TranWeltman:
        return {G_TRAN_GORDURA,     {}, {}, G_TRANPESO_GORDO, G_TRANPESO_MAGRO, G_TRANPESO_IDEAL,
                G_TRANGORDURA_IDEAL};
    case Protocol::BodyMassIndex:
    case Protocol::WaistHip:
        break;
    }
    return {};
}

StoredValues computed(Protocol protocol, const FieldTexts& fields,
                      const Circumstances& circumstances, const FatTables& tables)
{
    const Student& student = circumstances.student;
    switch (protocol) {
    case Protocol::Pollock3:
        return storedValues(protocol, pollock3(fields, student, tables));
    case Protocol::Pollock7:
        return storedValues(protocol, pollock7(fields, student, tables));
    case Protocol::Faulkner:
        return storedValues(protocol, faulkner(fields));
    case Protocol::Slaughter:
        return storedValues(protocol, slaughter(fields, student.sex, circumstances.race, tables))
               << qMakePair(G_TIPOIDADECRIANCA, QVariant(fields.value(G_TIPOIDADECRIANCA)));
    case Protocol::Lohman:
        return storedValues(protocol, lohman(fields, student));
    case Protocol::TranWeltman:
        return storedValues(protocol, tranWeltman(fields, student.age));
    case Protocol::BodyMassIndex:
        return storedValues(bodyMassIndex(fields, student.sex, circumstances.bmiTable));
    case Protocol::WaistHip:
        return storedValues(waistHip(fields, student));
    }
    return {};
}

} // namespace

StoredValues storedValues(Protocol protocol, const FatResult& result)
{
    const FatColumns columns = fatColumns(protocol);
    StoredValues values{{columns.fat, result.fat.toDouble()}};
    if (result.level)
        values << qMakePair(columns.range, QVariant(result.level->range))
               << qMakePair(columns.level, QVariant(result.level->name));
    values << qMakePair(columns.fatMass, QVariant(result.fatMass.toDouble()))
           << qMakePair(columns.leanMass, QVariant(result.leanMass.toDouble()));
    if (result.idealWeight)
        values << qMakePair(columns.idealWeight, QVariant(result.idealWeight->toDouble()))
               << qMakePair(columns.idealFat, QVariant(*result.idealFat));
    return values;
}

StoredValues storedValues(const BmiResult& result)
{
    return {{G_IMCVALOR, result.index.toDouble()}, {G_IMCRESULTADO, result.category}};
}

StoredValues storedValues(const WaistHipResult& result)
{
    return {{G_CINTURA_QUADRIL_VALOR, result.ratio.toDouble()}, {G_RESULTADO_CINTURA, result.risk}};
}

StoredValues calculate(Protocol protocol, const FieldTexts& fields,
                       const Circumstances& circumstances, const FatTables& tables)
{
    return computed(protocol, fields, circumstances, tables) << qMakePair(
               G_TIPOPROTOCOLO, QVariant(markProtocol(fields.value(G_TIPOPROTOCOLO), protocol)));
}

} // namespace kelvora::bodycomp
