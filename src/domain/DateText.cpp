#include "domain/DateText.h"

namespace kelvora::DateText {

QString format(const QDate& date)
{
    return date.isValid() ? date.toString(QLatin1String(Pattern)) : QString();
}

QDate parse(const QString& text)
{
    // A day or month typed with one digit is as good as with two.
    return QDate::fromString(text.trimmed(), QStringLiteral("d/M/yyyy"));
}

QString formatTime(const QTime& time)
{
    return time.isValid() ? time.toString(QStringLiteral("HH:mm:ss")) : QString();
}

} // namespace kelvora::DateText
