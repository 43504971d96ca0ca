#include "domain/bodycomp/FatTables.h"

#include "domain/bodycomp/Corporal.h"
#include "domain/bodycomp/Texts.h"

#include <algorithm>

namespace kelvora::bodycomp {

namespace {

// Whether `low` <= value <= `high`, both bounds read as numbers; a bound that is no
// number holds nothing.
bool holds(const QString& low, const QString& high, const Decimal& value)
{
    const std::optional<Decimal> from = Decimal::parse(low);
    const std::optional<Decimal> to = Decimal::parse(high);
    return from && to && *from <= value && value <= *to;
}

bool endsAtOrAfter(const QString& bound, int age)
{
    const std::optional<Decimal> value = Decimal::parse(bound);
    return value && *value >= age;
}

QString rangeText(const QString& from, const QString& to, const QString& tail)
{
    return from + QStringLiteral("% a ") + to + tail;
}

int bandOfAge(int age)
{
    if (age <= 29)
        return 0;
    if (age <= 39)
        return 1;
    if (age <= 49)
        return 2;
    if (age <= 59)
        return 3;
    return 4;
}

} // namespace

FatLevel adultFatLevel(const QVector<AdultFatLevel>& rows, int age, const Decimal& fat)
{
    const Decimal whole = fat.wholePart();
    for (const AdultFatLevel& row : rows) {
        const bool candidate = endsAtOrAfter(row.ageFrom, age) || endsAtOrAfter(row.ageTo, age);
        if (candidate && holds(row.fatFrom, row.fatTo, whole))
            return {row.name, rangeText(row.fatFrom, row.fatTo, QStringLiteral(" %"))};
    }
    return {QString(), Text::ForaFaixa};
}

FatLevel childFatLevel(const QVector<ChildFatLevel>& rows, Sex sex, const Decimal& fat)
{
    const QString code = sex == Sex::Male ? QStringLiteral("M") : QStringLiteral("F");
    const QString tail = sex == Sex::Male ? QStringLiteral("%") : QStringLiteral(" %");
    auto row = rows.cbegin();
    if (sex == Sex::Female)
        row = std::find_if(row, rows.cend(), [&](const ChildFatLevel& r) { return r.sex == code; });
    FatLevel level;
    for (; row != rows.cend() && row->sex == code; ++row) {
        if (holds(row->fatFrom, row->fatTo, fat))
            level = {row->name, rangeText(row->fatFrom, row->fatTo, tail)};
    }
    return level;
}

const QStringList& idealFatColumns()
{
    static const QStringList columns{
        Corporal::G_3DOBRASGORDURA_IDEAL, Corporal::G_7DOBRASGORDURA_IDEAL,
        Corporal::G_FAULKNERGORDURA_IDEAL, Corporal::G_LOHMANGORDURA_IDEAL,
        Corporal::G_TRANGORDURA_IDEAL};
    return columns;
}

bool needsIdealFatLookup(const FieldTexts& row)
{
    // Lohman's column is filled with the others but an empty one alone calls for no look-up.
    for (const QString& column :
         {Corporal::G_3DOBRASGORDURA_IDEAL, Corporal::G_7DOBRASGORDURA_IDEAL,
          Corporal::G_FAULKNERGORDURA_IDEAL, Corporal::G_TRANGORDURA_IDEAL}) {
        if (row.value(column).isEmpty())
            return true;
    }
    return false;
}

QString idealFatPercentage(const QVector<IdealFatBand>& bands, HubMode mode, const Student& student)
{
    if (bands.isEmpty())
        return {};
    const bool byAge = mode == HubMode::Inclusion && bands.first().homem.isEmpty();
    const IdealFatBand& band =
        bands.at(byAge ? std::min(bandOfAge(student.age), int(bands.size()) - 1) : 0);
    return student.sex == Sex::Male ? band.homemDefault : band.mulherDefault;
}

FieldTexts withIdealFat(FieldTexts row, const QString& percentage)
{
    for (const QString& column : idealFatColumns()) {
        if (row.value(column).isEmpty())
            row.insert(column, percentage);
    }
    return row;
}

} // namespace kelvora::bodycomp
