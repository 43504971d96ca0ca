#pragma once

#include <QDate>
#include <QString>

namespace kelvora {

// A date field as the user left it: empty, or filled with a date or with text that is none.
struct DateEntry {
    bool filled = false;
    QDate date; // invalid when the filled text is not a date

    static DateEntry of(const QDate& date) { return {date.isValid(), date}; }
};

} // namespace kelvora

namespace kelvora::DateText {

// Dates are always shown and read as "dd/MM/yyyy". The system's short date format
// differs between machines, so it is never used for text that is parsed back.
inline constexpr const char* Pattern = "dd/MM/yyyy";

QString format(const QDate& date);     // empty for an invalid date
QDate parse(const QString& text);      // invalid unless a real date; "3/5/2021" is fine
QString formatTime(const QTime& time); // "HH:mm:ss"

} // namespace kelvora::DateText
