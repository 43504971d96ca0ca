#include "domain/DateText.h"

namespace kelvora::DateText {

QString format(const QDate& date)
{
    return date.isValid() ? date.toString(QLatin1String(Pattern)) : QString();
}

QDate parse(const QString& text)
{
    return QDate::fromString(text.trimmed(), QLatin1String(Pattern));
}

QString formatTime(const QTime& time)
{
    return time.isValid() ? time.toString(QStringLiteral("HH:mm:ss")) : QString();
}

} // namespace kelvora::DateText
