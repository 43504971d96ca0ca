#include "gui/assessment/AssessmentContext.h"

namespace kelvora {

QString AssessmentContext::sexCaption() const
{
    if (sexCode == QLatin1String("M"))
        return QStringLiteral("MASCULINO");
    if (sexCode == QLatin1String("F"))
        return QStringLiteral("FEMININO");
    return {};
}

} // namespace kelvora
