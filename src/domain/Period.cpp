#include "domain/Period.h"

#include "domain/DateText.h"
#include "domain/MessageTexts.h"

namespace kelvora {

Period Period::settle(const QString& first, const QString& last)
{
    Period period{
        DateText::parse(first.trimmed()), DateText::parse(last.trimmed()), {}, {}, Field::None};
    if (!period.first.isValid()) {
        period.refusal = Msg::DadoIncorreto;
        period.detail = QStringLiteral("Data inicial");
        period.field = Field::First;
    } else if (!period.last.isValid()) {
        period.refusal = Msg::DadoIncorreto;
        period.detail = QStringLiteral("Data final");
        period.field = Field::Last;
    } else if (period.last < period.first) {
        period.refusal = Msg::IntervaloInvalido;
        period.detail = QStringLiteral("Data final Menor que Data inicial");
        period.field = Field::Last;
    }
    return period;
}

} // namespace kelvora
