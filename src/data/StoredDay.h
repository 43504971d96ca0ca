#pragma once

#include <QDate>
#include <QVariant>

#include <optional>

namespace kelvora {

// The day of a stored date, whether the server hands it back as a date, as a date
// with a time of day (as companion products may keep them) or, like SQLite, as text.
// None for null or unreadable values.
std::optional<QDate> storedDay(const QVariant& value);

} // namespace kelvora
