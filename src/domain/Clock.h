#pragma once

#include <QDateTime>

namespace kelvora {

// The one place the program asks for the current date and time, so that tests
// can fix "today" (ages, exam dates, overdue lists) without touching the system.
class Clock {
public:
    static QDateTime now();
    static QDate today() { return now().date(); }

    // Freezes the clock at `moment`; an invalid moment returns to the system clock.
    static void setFixed(const QDateTime& moment);
};

} // namespace kelvora
