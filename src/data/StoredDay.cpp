#include "data/StoredDay.h"

#include <QDateTime>

namespace kelvora {

std::optional<QDate> storedDay(const QVariant& value)
{
    if (value.isNull())
        return std::nullopt;
    if (value.metaType().id() == QMetaType::QDate)
        return value.toDate();
    if (value.metaType().id() == QMetaType::QDateTime)
        return value.toDateTime().date();
    const QDate day = QDate::fromString(value.toString().left(10), QStringLiteral("yyyy-MM-dd"));
    return day.isValid() ? std::optional<QDate>(day) : std::nullopt;
}

} // namespace kelvora
