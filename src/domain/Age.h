#pragma once

#include <QDate>

namespace kelvora {

// Age in whole years on `today`. The year only counts once the birthday's month
// and day have been reached, so someone born on 29 February becomes a year older
// on 1 March in years without that day.
int ageInYears(const QDate& birth, const QDate& today);

} // namespace kelvora
