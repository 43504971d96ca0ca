#pragma once

#include "domain/bodycomp/AssessmentContext.h"
#include "domain/bodycomp/Decimal.h"
#include "domain/bodycomp/FatTables.h"
#include "domain/bodycomp/Fields.h"

#include <optional>

namespace kelvora::bodycomp {

// What the protocols that estimate a fat percentage compute.
struct FatResult {
    Decimal fat;                        // F, %, in hundredths
    Decimal fatMass;                    // FM, kg
    Decimal leanMass;                   // LM, kg
    std::optional<Decimal> idealWeight; // IW, kg; Slaughter has none
    std::optional<int> idealFat;        // the ideal fat percentage IW was computed with
    std::optional<FatLevel> level;      // Pollock 3 and 7, Slaughter
};

// The arithmetic shared by the fat protocols, each value rounded to hundredths: F from
// the protocol's formula, FM = F x W / 100, LM = W - FM and, given the ideal fat
// percentage I, IW = LM x 100 / (100 - I). W is the weight as typed.
FatResult resultBlock(const Decimal& fat, const Decimal& weight, std::optional<int> idealFat);

// Each protocol first checks its fields in the screen's order and throws Refused at the
// first one that fails; only then does it compute.

// Three skinfolds by sex (men chest, abdomen and thigh; women triceps, suprailiac and
// thigh), age-adjusted density with each term rounded to four decimals, Siri's
// conversion; classified by the adult level table of the student's sex.
FatResult pollock3(const FieldTexts& fields, const Student& student, const FatTables& tables);

// Seven skinfolds, otherwise as Pollock 3.
FatResult pollock7(const FieldTexts& fields, const Student& student, const FatTables& tables);

// Four skinfolds, a linear equation; sex and age do not enter.
FatResult faulkner(const FieldTexts& fields);

// Children and adolescents: triceps and subscapular skinfolds by sex and, for boys with
// a sum up to 35 mm, by race ("Branca" or any other) and maturation stage
// (`G_TIPOIDADECRIANCA` "1", "2" or "3"); classified by the children's level table.
FatResult slaughter(const FieldTexts& fields, Sex sex, const QString& race,
                    const FatTables& tables);

// Children: quadratic in the sum of triceps and subscapular skinfolds, with a constant
// by sex and age (7 to 16 years; any other age finds no result).
FatResult lohman(const FieldTexts& fields, const Student& student);

// Older adults: density from the mean of two abdominal circumferences, the hip, the
// height and the age, the same for both sexes.
FatResult tranWeltman(const FieldTexts& fields, int age);

// "13,62 %" and "10,9 kg": the shortest form of the number and its unit.
QString percentText(const Decimal& value);
QString kilogramText(const Decimal& value);

} // namespace kelvora::bodycomp
