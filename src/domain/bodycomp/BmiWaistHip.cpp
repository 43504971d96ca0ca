#include "domain/bodycomp/BmiWaistHip.h"

#include "domain/bodycomp/Corporal.h"
#include "domain/bodycomp/Protocol.h"
#include "domain/bodycomp/Texts.h"
#include "domain/MessageTexts.h"

#include <QVector>

namespace kelvora::bodycomp {

namespace {

// A class holds every index up to its inclusive upper bound; the last class has none.
// The index has two decimals, so "below 17" is written as up to 16,99.
struct Category {
    std::optional<Decimal> upTo;
    QString name;
};

const QVector<Category>& categories(BmiTable table, Sex sex)
{
    static const QVector<Category> simple{
        {16.99_dec, Text::MuitoAbaixoDoPeso}, {18.49_dec, Text::AbaixoDoPeso},
        {24.99_dec, Text::PesoNormal},        {29.99_dec, Text::AcimaDoPeso},
        {34.99_dec, Text::ObesoGrau1},        {39.99_dec, Text::ObesoGrau2},
        {std::nullopt, Text::ObesoGrau3}};
    static const QVector<Category> surveyMale{{20.69_dec, Text::AbaixoDoPeso},
                                              {26.39_dec, Text::PesoNormal},
                                              {27.79_dec, Text::PoucoAcimaDoPeso},
                                              {31.1_dec, Text::AcimaDoPesoIdeal},
                                              {std::nullopt, Text::Obeso}};
    static const QVector<Category> surveyFemale{{19.09_dec, Text::AbaixoDoPeso},
                                                {25.79_dec, Text::PesoNormal},
                                                {27.29_dec, Text::PoucoAcimaDoPeso},
                                                {32.3_dec, Text::AcimaDoPesoIdeal},
                                                {std::nullopt, Text::Obeso}};
    if (table == BmiTable::Simple)
        return simple;
    return sex == Sex::Male ? surveyMale : surveyFemale;
}

} // namespace

BmiTable bmiTableFromSetting(const QString& imc12)
{
    return imc12 == QLatin1String("0") ? BmiTable::Simple : BmiTable::Survey;
}

QString bmiCategory(BmiTable table, Sex sex, const Decimal& index)
{
    for (const Category& category : categories(table, sex)) {
        if (!category.upTo || index <= *category.upTo)
            return category.name;
    }
    return {};
}

BmiResult bodyMassIndex(const FieldTexts& fields, Sex sex, BmiTable table)
{
    const Decimal weight = requiredMeasure(fields, Corporal::G_PESO);
    const Decimal height = requiredNonZero(fields, Corporal::G_ALTURA);
    // weight / (height / 100)², kept exact as weight x 10000 / height²
    const Decimal index = Decimal::quotient(weight * 10000, height * height, 2);
    return {index, bmiCategory(table, sex, index)};
}

QString bmiText(const Decimal& index)
{
    return index.toText() + Text::KilogramsPerSquareMetre;
}

std::optional<WaistHipBand> waistHipBand(Sex sex, int age)
{
    static const WaistHipBand Male[] = {{0.83_dec, 0.88_dec, 0.89_dec, 0.94_dec},
                                        {0.84_dec, 0.91_dec, 0.92_dec, 0.96_dec},
                                        {0.88_dec, 0.95_dec, 0.96_dec, 1.00_dec},
                                        {0.90_dec, 0.96_dec, 0.97_dec, 1.02_dec},
                                        {0.91_dec, 0.98_dec, 0.99_dec, 1.03_dec}};
    static const WaistHipBand Female[] = {{0.71_dec, 0.77_dec, 0.82_dec, 0.86_dec},
                                          {0.72_dec, 0.78_dec, 0.79_dec, 0.84_dec},
                                          {0.73_dec, 0.79_dec, 0.80_dec, 0.87_dec},
                                          {0.74_dec, 0.81_dec, 0.82_dec, 0.88_dec},
                                          {0.76_dec, 0.83_dec, 0.84_dec, 0.90_dec}};
    if (age < 20 || age > 69)
        return std::nullopt;
    return (sex == Sex::Male ? Male : Female)[(age - 20) / 10];
}

QString waistHipRisk(const WaistHipBand& band, const Decimal& ratio)
{
    if (ratio < band.low)
        return Text::RiscoBaixo;
    if (ratio <= band.moderate)
        return Text::RiscoModerado;
    if (ratio <= band.veryHigh)
        return Text::RiscoAlto;
    return Text::RiscoMuitoAlto;
}

QString legendText(const Decimal& cutOff)
{
    return cutOff.toFixedText(2) + Text::Millimetres;
}

WaistHipResult waistHip(const FieldTexts& fields, const Student& student)
{
    const Decimal waist = requiredNonZero(fields, Corporal::G_CINTURA);
    const Decimal hip = requiredNonZero(fields, Corporal::G_QUADRIL);
    const std::optional<WaistHipBand> band = waistHipBand(student.sex, student.age);
    if (!band)
        throw Refused(QString(), Msg::IdadeConsiderada,
                      ageRule(Protocol::WaistHip, student.sex)->detail());
    const Decimal ratio = Decimal::quotient(waist, hip, 2);
    return {ratio, ratio.toFixedText(2), waistHipRisk(*band, ratio), *band};
}

} // namespace kelvora::bodycomp
