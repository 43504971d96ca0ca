#include "gui/bodycomp/BodyCompositionScreen.h"

#include "data/BodyCompositionReference.h"
#include "domain/bodycomp/Calculation.h"
#include "domain/bodycomp/Corporal.h"
#include "domain/MessageTexts.h"
#include "gui/app/MainWindow.h"
#include "gui/widgets/KeyActions.h"
#include "gui/widgets/Messages.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

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
    // Only the protocols with an ideal weight take part in the ideal fat percentages.
    if (m_hasIdealFat)
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

// The same computation the command line runs; its values go into the row as they are
// and the displays show them from there.
void BodyCompositionScreen::compute()
{
    for (const auto& [column, computed] :
         bodycomp::calculate(m_protocol, fieldTexts(), circumstances(), m_tables))
        setValue(column, computed);
    showResult();
}

bodycomp::Circumstances BodyCompositionScreen::circumstances() const
{
    bodycomp::Circumstances circumstances;
    circumstances.student = context().student();
    return circumstances;
}

void BodyCompositionScreen::showResult()
{
    if (m_fatResults)
        m_fatResults->showRow([this](const QString& column) { return valueText(column); });
}

QList<QLineEdit*> BodyCompositionScreen::addMeasures(QGroupBox* group,
                                                     const QVector<Measure>& measures)
{
    auto* grid = new QGridLayout(group);
    QList<QLineEdit*> fields;
    for (const Measure& measure : measures) {
        QLineEdit* field = measureField(measure.objectName, measure.column);
        addMeasure(grid, QString::fromUtf8(measure.caption), field,
                   QString::fromUtf8(measure.unit));
        fields << field;
    }
    return fields;
}

QGroupBox* BodyCompositionScreen::group(const QString& title)
{
    return new QGroupBox(title, body());
}

void BodyCompositionScreen::layOut(const QList<QWidget*>& left, const QList<QWidget*>& right)
{
    auto* columns = new QHBoxLayout(body());
    for (const QList<QWidget*>& widgets : {left, right}) {
        auto* column = new QVBoxLayout;
        for (QWidget* widget : widgets)
            column->addWidget(widget);
        column->addStretch();
        columns->addLayout(column);
    }
}

QLineEdit* BodyCompositionScreen::idealFatField(const char* objectName, const QString& column,
                                                QWidget* next)
{
    QLineEdit* field = wholeNumberField(objectName, column, 2);
    m_hasIdealFat = true;
    whenEntered(field, [next] { next->setFocus(); });
    return field;
}

FatResultGroup* BodyCompositionScreen::fatResults(const FatResultGroup::Displays& displays,
                                                  QLineEdit* idealFat)
{
    m_fatResults = new FatResultGroup(body(), displays, idealFat);
    return m_fatResults;
}

QPushButton* BodyCompositionScreen::computeCommand(const char* objectName)
{
    QPushButton* button =
        addCommand(objectName, QStringLiteral("Cálcula"), QStyle::SP_BrowserReload);
    connect(button, &QPushButton::clicked, this, &BodyCompositionScreen::calculate);
    return button;
}

namespace {

// Enter in `field`: what `problem` finds wrong with its text is refused there, with the
// focus kept; otherwise `next` runs.
void whenEnteredChecked(QLineEdit* field,
                        std::optional<QString> (*problem)(const QString& text),
                        std::function<void()> next)
{
    KeyActions::on(field, {Qt::Key_Return}, [field, problem, next = std::move(next)] {
        if (const std::optional<QString> found = problem(field->text())) {
            Messages::inform(Msg::DadoIncorreto, *found);
            field->setFocus();
            return;
        }
        next();
    });
}

} // namespace

void BodyCompositionScreen::whenHeightEntered(QLineEdit* height, std::function<void()> next)
{
    whenEnteredChecked(height, bodycomp::heightEntryProblem, std::move(next));
}

void BodyCompositionScreen::enterWeightThenHeight(QLineEdit* weight, QLineEdit* height,
                                                  QWidget* next)
{
    whenEnteredChecked(weight, bodycomp::weightEntryProblem, [height] { height->setFocus(); });
    whenHeightEntered(height, [next] { next->setFocus(); });
}

bool BodyCompositionScreen::holdsAll(const QStringList& columns) const
{
    return std::none_of(columns.cbegin(), columns.cend(),
                        [this](const QString& column) { return value(column).isNull(); });
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
