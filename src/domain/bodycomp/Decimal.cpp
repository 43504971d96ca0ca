#include "domain/bodycomp/Decimal.h"

#include <QByteArray>

#include <algorithm>
#include <stdexcept>

namespace kelvora::bodycomp {

namespace {

using Units = __int128;

[[noreturn]] void outOfRange()
{
    throw std::overflow_error("Decimal: value out of range");
}

Units times(Units a, Units b)
{
    Units product;
    if (__builtin_mul_overflow(a, b, &product))
        outOfRange();
    return product;
}

Units plus(Units a, Units b)
{
    Units sum;
    if (__builtin_add_overflow(a, b, &sum))
        outOfRange();
    return sum;
}

Units powerOfTen(int exponent)
{
    Units power = 1;
    for (int i = 0; i < exponent; ++i)
        power = times(power, 10);
    return power;
}

// numerator / denominator rounded to a whole number, halves to the even one.
Units dividedHalfEven(Units numerator, Units denominator)
{
    Units quotient = numerator / denominator;
    const Units remainder = numerator % denominator;
    const Units rest = remainder < 0 ? -remainder : remainder;
    const Units whole = denominator < 0 ? -denominator : denominator;
    const Units beyondHalf =
        rest - (whole - rest); // compared without doubling, which could overflow
    if (beyondHalf > 0 || (beyondHalf == 0 && rest != 0 && quotient % 2 != 0))
        quotient += (numerator < 0) != (denominator < 0) ? -1 : 1;
    return quotient;
}

QString digits(Units value)
{
    QString text;
    do {
        text.prepend(QLatin1Char(char('0' + int(value % 10))));
        value /= 10;
    } while (value != 0);
    return text;
}

// The value written with `separator` before the last `scale` digits.
QString written(Units units, int scale, QChar separator)
{
    const bool negative = units < 0;
    QString text = digits(negative ? -units : units);
    if (scale > 0) {
        if (text.size() <= scale)
            text.prepend(QString(scale - text.size() + 1, QLatin1Char('0')));
        text.insert(text.size() - scale, separator);
    }
    return negative ? QLatin1Char('-') + text : text;
}

} // namespace

Decimal::Decimal(Units units, int scale)
    : m_units(units)
    , m_scale(scale)
{
    while (m_scale > 0 && m_units % 10 == 0) {
        m_units /= 10;
        --m_scale;
    }
}

std::optional<Decimal> Decimal::parse(QStringView text)
{
    Units units = 0;
    int scale = 0;
    bool separatorSeen = false;
    bool digitSeen = false;
    for (const QChar c : text) {
        if (c == QLatin1Char(',') || c == QLatin1Char('.')) {
            if (separatorSeen)
                return std::nullopt;
            separatorSeen = true;
        } else if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            if (__builtin_mul_overflow(units, 10, &units) ||
                __builtin_add_overflow(units, c.unicode() - '0', &units))
                return std::nullopt;
            digitSeen = true;
            if (separatorSeen)
                ++scale;
        } else {
            return std::nullopt;
        }
    }
    if (!digitSeen)
        return std::nullopt;
    return Decimal(units, scale);
}

QString Decimal::toText() const
{
    return written(m_units, m_scale, QLatin1Char(','));
}

QString Decimal::toFixedText(int places) const
{
    const Decimal value = rounded(places);
    return written(value.unitsAt(places), places, QLatin1Char(','));
}

double Decimal::toDouble() const
{
    return written(m_units, m_scale, QLatin1Char('.')).toLatin1().toDouble();
}

Decimal Decimal::rounded(int places) const
{
    if (m_scale <= places)
        return *this;
    return Decimal(dividedHalfEven(m_units, powerOfTen(m_scale - places)), places);
}

Decimal Decimal::wholePart() const
{
    return Decimal(m_units / powerOfTen(m_scale), 0);
}

Decimal Decimal::quotient(const Decimal& dividend, const Decimal& divisor, int places)
{
    if (divisor.isZero())
        throw std::domain_error("Decimal: division by zero");
    // dividend / divisor * 10^places, as a ratio of whole counts
    Units numerator = dividend.m_units;
    Units denominator = divisor.m_units;
    const int exponent = divisor.m_scale - dividend.m_scale + places;
    if (exponent >= 0)
        numerator = times(numerator, powerOfTen(exponent));
    else
        denominator = times(denominator, powerOfTen(-exponent));
    return Decimal(dividedHalfEven(numerator, denominator), places);
}

Decimal::Units Decimal::unitsAt(int scale) const
{
    return times(m_units, powerOfTen(scale - m_scale));
}

int Decimal::compare(const Decimal& a, const Decimal& b)
{
    const int scale = std::max(a.m_scale, b.m_scale);
    const Units x = a.unitsAt(scale);
    const Units y = b.unitsAt(scale);
    return x < y ? -1 : (x > y ? 1 : 0);
}

Decimal operator+(const Decimal& a, const Decimal& b)
{
    const int scale = std::max(a.m_scale, b.m_scale);
    return Decimal(plus(a.unitsAt(scale), b.unitsAt(scale)), scale);
}

Decimal operator-(const Decimal& a, const Decimal& b)
{
    const int scale = std::max(a.m_scale, b.m_scale);
    return Decimal(plus(a.unitsAt(scale), -b.unitsAt(scale)), scale);
}

Decimal operator*(const Decimal& a, const Decimal& b)
{
    return Decimal(times(a.m_units, b.m_units), a.m_scale + b.m_scale);
}

Decimal operator""_dec(const char* literal)
{
    const std::optional<Decimal> value = Decimal::parse(QString::fromLatin1(literal));
    if (!value)
        throw std::invalid_argument(literal);
    return *value;
}

} // namespace kelvora::bodycomp
