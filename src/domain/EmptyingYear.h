#pragma once

#include <QDate>
#include <QString>

#include <optional>

namespace kelvora::EmptyingYear {

// The year the emptying window proposes: two years back, the latest it accepts.
int proposed(const QDate& today);

// The year typed, read as the date "1/1/" + text: one or two digits name the year
// within fifty years of today (19 is 2019, 80 is 1980). Nothing when it is no year.
std::optional<int> read(const QString& text, const QDate& today);

// Only years that ended more than a full year ago may be emptied: the current and
// the last year's assessments are still compared in the reports.
bool mayBeEmptied(int year, const QDate& today);

} // namespace kelvora::EmptyingYear
