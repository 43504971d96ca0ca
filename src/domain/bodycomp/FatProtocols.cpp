#include "domain/bodycomp/FatProtocols.h"

#include "domain/bodycomp/Corporal.h"
#include "domain/bodycomp/Texts.h"
#include "domain/MessageTexts.h"

namespace kelvora::bodycomp {

using namespace Corporal;

namespace {

// Body density K - t1 + t2 - t3 with t1 = a x S, t2 = b x S², t3 = c x age, each term
// rounded to four decimals before it is combined.
struct SkinfoldEquation {
    Decimal k;
    Decimal a;
    Decimal b;
    Decimal c;

    Decimal density(const Decimal& sum, int age) const
    {
        const auto term = [](const Decimal& value) { return value.rounded(4); };
        return k - term(a * sum) + term(b * sum * sum) - term(c * age);
    }
};

const SkinfoldEquation Pollock3Male{1.10938_dec, 0.0008267_dec, 0.0000016_dec, 0.0002574_dec};
const SkinfoldEquation Pollock3Female{1.0994921_dec, 0.0009929_dec, 0.0000023_dec, 0.0001392_dec};
const SkinfoldEquation Pollock7Male{1.112_dec, 0.00043499_dec, 0.00000055_dec, 0.0002882_dec};
const SkinfoldEquation Pollock7Female{1.097_dec, 0.00046971_dec, 0.00000056_dec, 0.00012828_dec};

// (a / density - b) x 100 in hundredths, taken exactly as ((a - b x density) x 100) / density.
// Only absurd measures give a density that is not positive; they are refused rather than
// divided by.
Decimal fatFromDensity(const Decimal& density, const Decimal& a, const Decimal& b)
{
    if (density <= 0)
        throw Refused(QString(), Msg::DadoIncorreto, Text::Valor);
    return Decimal::quotient((a - b * density) * 100, density, 2);
}

Decimal siriFat(const Decimal& density)
{
    return fatFromDensity(density, 4.95_dec, 4.5_dec);
}

// The weight and height every fat protocol with an ideal weight validates after the
// ideal fat; the height takes part in no fat formula but Tran & Weltman's.
struct Body {
    Decimal weight;
    Decimal height;
};

Body requiredBody(const FieldTexts& fields)
{
    const Decimal weight = requiredMeasure(fields, G_PESO);
    return {weight, requiredMeasure(fields, G_ALTURA)};
}

Decimal requiredSum(const FieldTexts& fields, const QStringList& columns)
{
    Decimal sum;
    for (const QString& column : columns)
        sum = sum + requiredMeasure(fields, column);
    return sum;
}

FatResult adultSkinfolds(const FieldTexts& fields, const Student& student, const FatTables& tables,
                         const QString& idealFatColumn, const QStringList& skinfolds,
                         const SkinfoldEquation& equation)
{
    const int idealFat = requiredIdealFat(fields, idealFatColumn);
    const Body body = requiredBody(fields);
    const Decimal sum = requiredSum(fields, skinfolds);
    FatResult result =
        resultBlock(siriFat(equation.density(sum, student.age)), body.weight, idealFat);
    result.level = adultFatLevel(tables.adults(student.sex), student.age, result.fat);
    return result;
}

// The intercept of a boy's equation for a skinfold sum up to 35 mm, as Slaughter et al.
// published them for white boys and for the others.
Decimal boyIntercept(const QString& race, int stage)
{
    static const Decimal White[] = {1.7_dec, 3.4_dec, 5.5_dec};
    static const Decimal Other[] = {3.2_dec, 5.2_dec, 6.8_dec};
    return (race == QLatin1String("Branca") ? White : Other)[stage - 1];
}

// The maturation stage chosen, 1 to 3.
int requiredStage(const FieldTexts& fields)
{
    const QString stage = fields.value(G_TIPOIDADECRIANCA);
    if (stage != QLatin1String("1") && stage != QLatin1String("2") && stage != QLatin1String("3"))
        throw Refused(G_TIPOIDADECRIANCA, Msg::FaixaIdadeInvalida);
    return stage.toInt();
}

std::optional<Decimal> lohmanConstant(Sex sex, int age)
{
    const bool male = sex == Sex::Male;
    if (age >= 7 && age <= 9)
        return male ? 3.4_dec : 1.4_dec;
    if (age >= 10 && age <= 12)
        return male ? 4.4_dec : 2.4_dec;
    if (age >= 13 && age <= 15)
        return male ? 5.4_dec : 3.4_dec;
    if (age == 16)
        return male ? 6.4_dec : 4.0_dec;
    return std::nullopt;
}

} // namespace

FatResult resultBlock(const Decimal& fat, const Decimal& weight, std::optional<int> idealFat)
{
    FatResult result;
    result.fat = fat.rounded(2);
    result.fatMass = Decimal::quotient(result.fat * weight, 100, 2);
    result.leanMass = (weight - result.fatMass).rounded(2);
    result.idealFat = idealFat;
    if (idealFat)
        result.idealWeight = Decimal::quotient(result.leanMass * 100, 100 - *idealFat, 2);
    return result;
}

FatResult pollock3(const FieldTexts& fields, const Student& student, const FatTables& tables)
{
    const bool male = student.sex == Sex::Male;
    const QStringList skinfolds = male ? QStringList{G_PEITORAL, G_ABDOMEM, G_COXA}
                                       : QStringList{G_TRICIPES, G_SUPRAILIACA, G_COXA};
    return adultSkinfolds(fields, student, tables, G_3DOBRASGORDURA_IDEAL, skinfolds,
                          male ? Pollock3Male : Pollock3Female);
}

FatResult pollock7(const FieldTexts& fields, const Student& student, const FatTables& tables)
{
    const QStringList skinfolds{G_SUBESCAPULAR, G_TRICIPES, G_PEITORAL, G_AXILARMEDIA,
                                G_SUPRAILIACA,  G_ABDOMEM,  G_COXA};
    return adultSkinfolds(fields, student, tables, G_7DOBRASGORDURA_IDEAL, skinfolds,
                          student.sex == Sex::Male ? Pollock7Male : Pollock7Female);
}

FatResult faulkner(const FieldTexts& fields)
{
    const int idealFat = requiredIdealFat(fields, G_FAULKNERGORDURA_IDEAL);
    const Body body = requiredBody(fields);
    const Decimal sum = requiredSum(fields, {G_SUBESCAPULAR, G_TRICIPES, G_SUPRAILIACA, G_ABDOMEM});
    return resultBlock(sum * 0.153_dec + 5.783_dec, body.weight, idealFat);
}

FatResult slaughter(const FieldTexts& fields, Sex sex, const QString& race, const FatTables& tables)
{
    const Decimal sum = requiredSum(fields, {G_SUBESCAPULAR, G_TRICIPES}).rounded(2);
    const Decimal weight = requiredMeasure(fields, G_PESO);
    const int stage = requiredStage(fields);

    const bool male = sex == Sex::Male;
    Decimal fat;
    if (sum > 35)
        fat = male ? 0.783_dec * sum + 1.6_dec : 0.546_dec * sum + 9.7_dec;
    else if (!male)
        fat = 1.33_dec * sum - 0.013_dec * sum * sum - 2.5_dec;
    else
        fat = 1.21_dec * sum - 0.008_dec * sum * sum - boyIntercept(race, stage);

    FatResult result = resultBlock(fat, weight, std::nullopt);
    result.level = childFatLevel(tables.children, sex, result.fat);
    return result;
}

FatResult lohman(const FieldTexts& fields, const Student& student)
{
    const int idealFat = requiredIdealFat(fields, G_LOHMANGORDURA_IDEAL);
    const Body body = requiredBody(fields);
    const Decimal sum = requiredSum(fields, {G_SUBESCAPULAR, G_TRICIPES});
    const std::optional<Decimal> constant = lohmanConstant(student.sex, student.age);
    if (!constant)
        throw Refused(QString(), Msg::NenhumResultado, Text::ForaFaixa);
    return resultBlock(1.35_dec * sum - 0.012_dec * sum * sum - *constant, body.weight, idealFat);
}

FatResult tranWeltman(const FieldTexts& fields, int age)
{
    const int idealFat = requiredIdealFat(fields, G_TRANGORDURA_IDEAL);
    const Body body = requiredBody(fields);
    const Decimal abdomen = requiredSum(fields, {G_TRANABDOMEM1, G_TRANABDOMEM2}) * 0.5_dec;
    const Decimal hip = requiredMeasure(fields, G_QUADRIL);
    const Decimal density = 1.168297_dec - 0.002824_dec * abdomen +
                            0.0000122098_dec * abdomen * abdomen - 0.000733128_dec * hip +
                            0.000510477_dec * body.height - 0.000216161_dec * age;
    // The terms are exact, so no intermediate rounding creeps in. Density converts to fat
    // with Brozek's 5,01 / D - 4,57, the conversion published with this equation.
    return resultBlock(fatFromDensity(density, 5.01_dec, 4.57_dec), body.weight, idealFat);
}

QString percentText(const Decimal& value)
{
    return value.toText() + Text::Percent;
}

QString kilogramText(const Decimal& value)
{
    return value.toText() + Text::Kilograms;
}

} // namespace kelvora::bodycomp
