#pragma once

#include "domain/bodycomp/AssessmentContext.h"
#include "domain/bodycomp/Decimal.h"
#include "domain/bodycomp/Fields.h"

#include <QString>
#include <QStringList>
#include <QVector>

namespace kelvora::bodycomp {

// A row of `FaixaGordura`: the ideal fat percentages of one age band.
struct IdealFatBand {
    QString homemDefault;  // HOMEM_DEFAULT, for men
    QString mulherDefault; // MULHER_DEFAULT, for women
    QString homem;         // HOMEM: when not empty on the first row, every student gets that row

    friend bool operator==(const IdealFatBand& a, const IdealFatBand& b)
    {
        return a.homemDefault == b.homemDefault && a.mulherDefault == b.mulherDefault &&
               a.homem == b.homem;
    }
};

// A row of `GorduraHomem` or `GorduraMulher`: one fat level of one adult age band. The
// bounds are the stored texts, whole numbers compared by value.
struct AdultFatLevel {
    QString ageFrom; // IDADE_INICIAL
    QString ageTo;   // IDADE_FINAL
    QString fatFrom; // GORDURA_INICIAL
    QString fatTo;   // GORDURA_FINAL
    QString name;    // NIVEL

    friend bool operator==(const AdultFatLevel& a, const AdultFatLevel& b)
    {
        return a.ageFrom == b.ageFrom && a.ageTo == b.ageTo && a.fatFrom == b.fatFrom &&
               a.fatTo == b.fatTo && a.name == b.name;
    }
};

// A row of `GorduraCrianca`: one children's fat level of one sex. The bounds are the
// stored texts ("6,01"), compared by value.
struct ChildFatLevel {
    QString sex;     // SEXO, "M" or "F"
    QString fatFrom; // GORDURA_INICIAL
    QString fatTo;   // GORDURA_FINAL
    QString name;    // NIVEL

    friend bool operator==(const ChildFatLevel& a, const ChildFatLevel& b)
    {
        return a.sex == b.sex && a.fatFrom == b.fatFrom && a.fatTo == b.fatTo && a.name == b.name;
    }
};

// The four reference tables of body composition, each in the order its rule reads it.
struct FatTables {
    QVector<IdealFatBand> idealFat;  // by band number
    QVector<AdultFatLevel> men;      // by age band, then fat
    QVector<AdultFatLevel> women;    // by age band, then fat
    QVector<ChildFatLevel> children; // all "M" rows before the "F" rows, each by fat

    const QVector<AdultFatLevel>& adults(Sex sex) const { return sex == Sex::Male ? men : women; }
};

// A classification: the level's name and the range text shown beside it.
struct FatLevel {
    QString name;
    QString range;

    friend bool operator==(const FatLevel& a, const FatLevel& b)
    {
        return a.name == b.name && a.range == b.range;
    }
};

// The adult level of a fat percentage: the first row (in table order) whose age band
// ends at or after `age` and whose fat range holds the whole part of `fat`. Range text
// "7% a 10 %"; no such row gives an empty name and "Fora Faixa".
FatLevel adultFatLevel(const QVector<AdultFatLevel>& rows, int age, const Decimal& fat);

// The children's level: a boy's scan runs over the "M" rows at the head of the table, a
// girl's over the run of "F" rows that follows; among the rows whose range holds `fat`
// the last one wins. Range text "6,01% a 10%" for boys, "12,01% a 15 %" for girls; no
// matching row leaves both texts empty.
FatLevel childFatLevel(const QVector<ChildFatLevel>& rows, Sex sex, const Decimal& fat);

// The ideal fat columns of a `Corporal` row that a new row receives, in the order
// they are filled.
const QStringList& idealFatColumns();

// Whether opening a row must look the ideal fat percentage up: one of the Pollock 3,
// Pollock 7, Faulkner or Tran & Weltman ideal fat columns is empty.
bool needsIdealFatLookup(const FieldTexts& row);

// The ideal fat percentage from `FaixaGordura` for the student: the first band while an
// assessment is changed or deleted, or when the first band's HOMEM is filled in; otherwise
// the band of the student's age (up to 29, 30-39, 40-49, 50-59, 60 and over), or the last
// band when the table has fewer rows. Empty when the table is.
QString idealFatPercentage(const QVector<IdealFatBand>& bands, HubMode mode,
                           const Student& student);

// `row` with `percentage` in each of its ideal fat columns that is empty.
FieldTexts withIdealFat(FieldTexts row, const QString& percentage);

} // namespace kelvora::bodycomp
