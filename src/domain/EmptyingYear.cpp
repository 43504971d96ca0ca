#include "domain/EmptyingYear.h"

#include <QRegularExpression>

namespace kelvora::EmptyingYear {

int proposed(const QDate& today)
{
    return today.year() - 2;
}

std::optional<int> read(const QString& text, const QDate& today)
{
    static const QRegularExpression digits(QStringLiteral("^\\s*(\\d{1,4})\\s*$"));
    const QRegularExpressionMatch match = digits.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    int year = match.captured(1).toInt();
    if (match.capturedLength(1) <= 2) {
        const int windowStart = today.year() - 50;
        year += windowStart / 100 * 100;
        if (year < windowStart)
            year += 100;
    }
    if (year < 1 || !QDate(year, 1, 1).isValid())
        return std::nullopt;
    return year;
}

bool mayBeEmptied(int year, const QDate& today)
{
    return year <= proposed(today);
}

} // namespace kelvora::EmptyingYear
