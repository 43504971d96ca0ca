#pragma once

#include <QString>
#include <QStringView>

#include <optional>

#ifndef __SIZEOF_INT128__
#error "Decimal keeps its digits in a 128-bit integer (GCC or Clang)"
#endif

namespace kelvora::bodycomp {

// An exact decimal number: a whole count of 10^-scale.
//
// Body-composition results are rounded to hundredths with halves going to the even
// hundredth, and a half can only be told from its neighbours when the value is exact:
// 10,5 % of 73 kg is exactly 7,665 kg and must become 7,66, while binary floating point
// holds the product as a little more or a little less. So the formulas run on the typed
// digits: sums, differences and products are exact, and a quotient is taken straight
// to its rounded result by integer division.
//
// The fields hold at most six characters; the longest formula (a square of a half-sum
// times a ten-decimal constant) then needs about 32 digits, hence the 128-bit count.
// An operation beyond that range throws std::overflow_error rather than lose digits.
class Decimal {
public:
    Decimal() = default;
    Decimal(int whole) // implicit: formulas mix whole numbers with decimals
        : m_units(whole)
    {
    }

    // Digits with at most one decimal separator, comma or point ("80", "10,5", "1.71",
    // ",5"); nothing when the text is anything else.
    static std::optional<Decimal> parse(QStringView text);

    // The shortest form with the decimal comma: "18,5", "62,37", "80", "-3,2".
    QString toText() const;
    // Exactly `places` decimals, rounded half to even first: "0,90", "1,00".
    QString toFixedText(int places) const;
    double toDouble() const; // the nearest double, as stored in a real column

    // Rounded to `places` decimals; a value exactly halfway goes to the even neighbour.
    Decimal rounded(int places) const;
    // The digits before the decimal separator, as a number (-3,7 gives -3).
    Decimal wholePart() const;
    // dividend / divisor rounded to `places` decimals, halves to even. Throws
    // std::domain_error for a zero divisor: callers refuse such input beforehand.
    static Decimal quotient(const Decimal& dividend, const Decimal& divisor, int places);

    bool isZero() const { return m_units == 0; }

    friend Decimal operator+(const Decimal& a, const Decimal& b);
    friend Decimal operator-(const Decimal& a, const Decimal& b);
    friend Decimal operator*(const Decimal& a, const Decimal& b);
    friend bool operator==(const Decimal& a, const Decimal& b) { return compare(a, b) == 0; }
    friend bool operator!=(const Decimal& a, const Decimal& b) { return compare(a, b) != 0; }
    friend bool operator<(const Decimal& a, const Decimal& b) { return compare(a, b) < 0; }
    friend bool operator<=(const Decimal& a, const Decimal& b) { return compare(a, b) <= 0; }
    friend bool operator>(const Decimal& a, const Decimal& b) { return compare(a, b) > 0; }
    friend bool operator>=(const Decimal& a, const Decimal& b) { return compare(a, b) >= 0; }

private:
    using Units = __int128;

    Decimal(Units units, int scale);
    static int compare(const Decimal& a, const Decimal& b);
    Units unitsAt(int scale) const; // the same value counted in 10^-scale, scale >= m_scale

    Units m_units = 0;
    int m_scale = 0; // never negative; no trailing zero digits while positive
};

// A decimal constant written as a number literal, read from its digits rather than
// from a binary double: 0.0008267_dec is exactly 0,0008267.
Decimal operator""_dec(const char* literal);

} // namespace kelvora::bodycomp
