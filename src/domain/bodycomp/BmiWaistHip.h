#pragma once

#include "domain/bodycomp/AssessmentContext.h"
#include "domain/bodycomp/Decimal.h"
#include "domain/bodycomp/Fields.h"

#include <optional>

namespace kelvora::bodycomp {

// The body-mass-index classification the setting `IMC_1_2` chooses: "0" the simple
// table, any other value the NHANES II survey table by sex.
enum class BmiTable { Simple, Survey };

BmiTable bmiTableFromSetting(const QString& imc12);

struct BmiResult {
    Decimal index; // kg/m², in hundredths
    QString category;
};

// The class of an index (two decimals) in `table`.
QString bmiCategory(BmiTable table, Sex sex, const Decimal& index);

// Weight then height are required; a height of zero is refused like an empty one.
// Index = weight / (height in metres)², in hundredths.
BmiResult bodyMassIndex(const FieldTexts& fields, Sex sex, BmiTable table);

// "22,86 kg/m2"
QString bmiText(const Decimal& index);

// The waist-hip cut-offs of one sex and age band, as shown in the legend: below `low`
// the risk is low, up to `moderate` moderate, up to `veryHigh` high, above it very high.
// `high` is only shown.
struct WaistHipBand {
    Decimal low;
    Decimal moderate;
    Decimal high;
    Decimal veryHigh;
};

// The band of an age from 20 to 69; none outside.
std::optional<WaistHipBand> waistHipBand(Sex sex, int age);

QString waistHipRisk(const WaistHipBand& band, const Decimal& ratio);

// A legend value: "0,94 mm".
QString legendText(const Decimal& cutOff);

struct WaistHipResult {
    Decimal ratio;     // waist / hip in hundredths
    QString ratioText; // "0,85"
    QString risk;
    WaistHipBand band;
};

// Waist then hip are required; a value of zero is refused like an empty one. An age
// outside the bands is refused with "Idade Considerada!".
WaistHipResult waistHip(const FieldTexts& fields, const Student& student);

} // namespace kelvora::bodycomp
