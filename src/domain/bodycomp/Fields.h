#pragma once

#include "domain/bodycomp/Decimal.h"

#include <QHash>
#include <QString>

#include <exception>
#include <optional>

namespace kelvora::bodycomp {

// The texts of a screen's fields, as typed, by the `Corporal` column each is bound to.
using FieldTexts = QHash<QString, QString>;

// A decimal field holds at most six characters.
inline constexpr int MeasureMaxLength = 6;

// A computation that may not go ahead: the message the user is shown, its detail, and
// the column of the field that receives the focus (empty when no single field is at
// fault). Nothing has been computed.
class Refused : public std::exception {
public:
    Refused(QString field, QString message, QString detail = {});

    QString field() const { return m_field; }
    QString message() const { return m_message; }
    QString detail() const { return m_detail; }
    const char* what() const noexcept override { return m_what.constData(); }

private:
    QString m_field;
    QString m_message;
    QString m_detail;
    QByteArray m_what;
};

// The value of a required measure. The rule every protocol checks its fields with: a
// field that is empty or holds just "0" is refused with "Dado INCORRETO !" / "Valor"
// ("0,0" passes). Text that is no measure at all (letters, two separators, more than a
// field holds), which only the command line can deliver, is refused the same way.
Decimal requiredMeasure(const FieldTexts& fields, const QString& column);

// A required measure that makes no sense as zero (a height or hip divided by, a waist):
// a value of zero ("0,0") is refused like an empty field.
Decimal requiredNonZero(const FieldTexts& fields, const QString& column);

// The ideal fat percentage of a protocol (a whole number typed with digits only). Besides
// the rule of the measures, a value of 100 or more, or one that is no whole number, is
// refused: the ideal weight divides by 100 minus this value.
int requiredIdealFat(const FieldTexts& fields, const QString& column);

// What is wrong with a height when Enter is pressed in its field: empty gives "Valor",
// a value below 10 (a height typed in metres) "Valor Ex.: 171,5 "; nothing otherwise.
std::optional<QString> heightEntryProblem(const QString& text);

// What is wrong with a weight when Enter is pressed in its field: empty or zero gives
// "Valor" (no computation could take it); nothing otherwise.
std::optional<QString> weightEntryProblem(const QString& text);

} // namespace kelvora::bodycomp
