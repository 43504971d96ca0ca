#include "domain/bodycomp/Fields.h"

#include "domain/bodycomp/Texts.h"
#include "domain/MessageTexts.h"

#include <algorithm>

namespace kelvora::bodycomp {

namespace {

[[noreturn]] void refuse(const QString& column)
{
    throw Refused(column, Msg::DadoIncorreto, Text::Valor);
}

} // namespace

Refused::Refused(QString field, QString message, QString detail)
    : m_field(std::move(field))
    , m_message(std::move(message))
    , m_detail(std::move(detail))
    , m_what((m_message + QLatin1Char(' ') + m_detail).toUtf8())
{
}

Decimal requiredMeasure(const FieldTexts& fields, const QString& column)
{
    const QString text = fields.value(column);
    if (text.isEmpty() || text == QLatin1String("0") || text.size() > MeasureMaxLength)
        refuse(column);
    const std::optional<Decimal> value = Decimal::parse(text);
    if (!value)
        refuse(column);
    return *value;
}

Decimal requiredNonZero(const FieldTexts& fields, const QString& column)
{
    const Decimal value = requiredMeasure(fields, column);
    if (value.isZero())
        refuse(column);
    return value;
}

int requiredIdealFat(const FieldTexts& fields, const QString& column)
{
    const QString text = fields.value(column);
    const bool digitsOnly = std::all_of(text.cbegin(), text.cend(), [](QChar c) {
        return c >= QLatin1Char('0') && c <= QLatin1Char('9');
    });
    bool whole = false;
    const int percentage = digitsOnly ? text.toInt(&whole) : 0;
    if (!whole || text == QLatin1String("0") || percentage >= 100)
        refuse(column);
    return percentage;
}

std::optional<QString> heightEntryProblem(const QString& text)
{
    if (text.isEmpty())
        return Text::Valor;
    const std::optional<Decimal> height = Decimal::parse(text);
    if (height && *height < 10)
        return Text::ValorExemploAltura;
    return std::nullopt;
}

std::optional<QString> weightEntryProblem(const QString& text)
{
    const std::optional<Decimal> weight = Decimal::parse(text);
    if (text.isEmpty() || (weight && weight->isZero()))
        return Text::Valor;
    return std::nullopt;
}

} // namespace kelvora::bodycomp
