#include "gui/bodycomp/BodyCompositionScreen.h"

#include "data/BodyCompositionReference.h"
#include "domain/bodycomp/Calculation.h"
#include "domain/bodycomp/Corporal.h"
#include "gui/app/MainWindow.h"

namespace kelvora {

using namespace bodycomp::Corporal;

namespace {

const QStringList OtherSkinfolds{QStringLiteral("G_OUTRA1"), QStringLiteral("G_OUTRA2"),
                                 QStringLiteral("G_OUTRA3"), QStringLiteral("G_OUTRA4"),
                                 QStringLiteral("G_OUTRA5"), QStringLiteral("G_OUTRA6"),
                                 QStringLiteral("G_OUTRA7")};

bool positive(const QVariant& value)
{
    return !value.isNull() && value.toDouble() > 0;
}

} // namespace

BodyCompositionScreen::BodyCompositionScreen(MainWindow& window, Companion& companion,
                                             const AssessmentContext& context,
                                             bodycomp::Protocol protocol, const char* objectName,
                                             const QString& caption)
    : TestScreen(window, companion, context, objectName, caption, QStringLiteral("Corporal"))
    , m_protocol(protocol)
{
}

std::optional<bodycomp::AgeRule> BodyCompositionScreen::ageRule() const
{
    return bodycomp::ageRule(m_protocol, context().student().sex);
}

void BodyCompositionScreen::openReferenceTables()
{
    m_tables = BodyCompositionReference::load(mainWindow().ownConnection());
}

void BodyCompositionScreen::prepareRow()
{
    if (isNewRow())
        startRow();
    fillIdealFat();
}

void BodyCompositionScreen::startRow()
{
    setValue(G_TIPOPROTOCOLO, bodycomp::NewRowMarkers);
    for (const QString& column : OtherSkinfolds)
        setValue(column, 0.0);
    setValue(G_TRANABDOMEM1, 0.0);
    setValue(G_TRANABDOMEM2, 0.0);
    for (const auto& [column, headerColumn] : {qMakePair(G_PESO, QStringLiteral("A_PESO")),
                                               qMakePair(G_ALTURA, QStringLiteral("A_ALTURA"))})
        if (!headerValue(headerColumn).isNull())
            setValue(column, headerValue(headerColumn));
}

// The ideal fat percentages the row lacks come from the band of the student's age.
void BodyCompositionScreen::fillIdealFat()
{
    bodycomp::FieldTexts idealFat;
    for (const QString& column : bodycomp::idealFatColumns())
        idealFat.insert(column, value(column).toString());
    if (!bodycomp::needsIdealFatLookup(idealFat))
        return;
    const QString percentage =
        bodycomp::idealFatPercentage(m_tables.idealFat, context().mode, context().student());
    const bodycomp::FieldTexts filled = bodycomp::withIdealFat(idealFat, percentage);
    for (auto it = filled.cbegin(); it != filled.cend(); ++it)
        setValue(it.key(), it.value());
}

void BodyCompositionScreen::storeResult(const bodycomp::FatResult& result)
{
    for (const auto& [column, stored] : bodycomp::storedValues(m_protocol, result))
        setValue(column, stored);
    setValue(G_TIPOPROTOCOLO,
             bodycomp::markProtocol(value(G_TIPOPROTOCOLO).toString(), m_protocol));
}

void BodyCompositionScreen::completeRows()
{
    reconcileWithHeader(G_PESO, QStringLiteral("A_PESO"));
    if (m_protocol != bodycomp::Protocol::Slaughter)
        reconcileWithHeader(G_ALTURA, QStringLiteral("A_ALTURA"));
    setValue(G_TIPOPROTOCOLO,
             bodycomp::markProtocol(value(G_TIPOPROTOCOLO).toString(), m_protocol));
    setValue(QStringLiteral("G_TIPO"), bodycomp::typeCode(m_protocol));
}

// The header row carries the measure the protocol took; a protocol that took none
// keeps the header's, so both rows tell the same weight and height.
void BodyCompositionScreen::reconcileWithHeader(const QString& column, const QString& headerColumn)
{
    const QVariant measured = value(column);
    if (positive(measured))
        setHeaderValue(headerColumn, measured);
    else if (measured.isNull())
        setValue(column,
                 positive(headerValue(headerColumn)) ? headerValue(headerColumn).toDouble() : 0.0);
}

} // namespace kelvora
