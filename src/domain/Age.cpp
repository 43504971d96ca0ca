#include "domain/Age.h"

namespace kelvora {

int ageInYears(const QDate& birth, const QDate& today)
{
    const int years = today.year() - birth.year();
    if (today.month() != birth.month())
        return today.month() > birth.month() ? years : years - 1;
    return today.day() >= birth.day() ? years : years - 1;
}

} // namespace kelvora
