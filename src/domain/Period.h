#pragma once

#include <QDate>
#include <QString>

namespace kelvora {

// A period typed as two dates, settled as the lists settle it: each date must be a
// real "dd/mm/yyyy" date and the last may not lie before the first.
struct Period {
    enum class Field { None, First, Last }; // where the refusal puts the focus
    QDate first;
    QDate last;
    QString refusal; // the message, empty when the period is good
    QString detail;  // its extra line
    Field field = Field::None;

    static Period settle(const QString& first, const QString& last);
};

} // namespace kelvora
