#include "gui/bodycomp/WaistHipScreen.h"

#include "domain/bodycomp/BmiWaistHip.h"
#include "domain/bodycomp/Corporal.h"
#include "domain/bodycomp/Texts.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace kelvora {

using namespace bodycomp::Corporal;

WaistHipScreen::WaistHipScreen(MainWindow& window, Companion& companion,
                               const AssessmentContext& context)
    : BodyCompositionScreen(window, companion, context, bodycomp::Protocol::WaistHip,
                            "TFRMCINTURAQUADRIL", QStringLiteral("Relação Cintura Quadril"))
{
    QGroupBox* circumferences = group(QStringLiteral(" Circunferências "));
    const QList<QLineEdit*> fields =
        addMeasures(circumferences, {{"DBEDTCINTURA", G_CINTURA, "Cintura", "cm"},
                                     {"DBEDTQUADRIL", G_QUADRIL, "Quadril", "cm"}});
    auto* grid = static_cast<QGridLayout*>(circumferences->layout());
    m_ratio = resultLabel("LBLRELACAO");
    m_ratio->setText(QStringLiteral("0"));
    const int row = grid->rowCount();
    grid->addWidget(new QLabel(QStringLiteral("Relação")), row, 0);
    grid->addWidget(m_ratio, row, 1, 1, 2);

    QGroupBox* result = group(QStringLiteral(" Resultado Cintura Quadril "));
    auto* column = new QVBoxLayout(result);
    m_risk = resultPanel("PNLRCINTURA");
    m_risk->setMinimumWidth(180);
    column->addWidget(m_risk);
    column->addWidget(legend());
    layOut({circumferences}, {result});
    computeCommand("BBNCALCULACINTURA");

    enterMovesAlong(QList<QWidget*>(fields.cbegin(), fields.cend()));
    whenEntered(fields.last(), [this] { calculate(); });
}

// The four classes in their colours, each with the cut-off of the student's band.
QWidget* WaistHipScreen::legend()
{
    auto* legend = new QWidget(body());
    auto* grid = new QGridLayout(legend);
    grid->setContentsMargins(0, 0, 0, 0);
    const auto add = [&](const QString& risk, const char* colour, const char* name) {
        auto* caption = new QLabel(risk, legend);
        caption->setStyleSheet(
            QStringLiteral("color: %1; font-weight: bold;").arg(QLatin1String(colour)));
        auto* cutOff = new QLabel(legend);
        cutOff->setObjectName(QLatin1String(name));
        const int row = grid->rowCount();
        grid->addWidget(caption, row, 0);
        grid->addWidget(cutOff, row, 1);
        return cutOff;
    };
    m_veryHigh = add(bodycomp::Text::RiscoMuitoAlto, "red", "LBLRISCOMUITOALTO");
    m_high = add(bodycomp::Text::RiscoAlto, "orange", "LBLRISCOALTO");
    m_moderate = add(bodycomp::Text::RiscoModerado, "green", "LBLRISCOMODERADO");
    m_low = add(bodycomp::Text::RiscoBaixo, "navy", "LBLRISCOBAIXO");
    return legend;
}

// The student's cut-offs are known as soon as the screen opens.
void WaistHipScreen::rowShown()
{
    const bodycomp::Student student = context().student();
    const std::optional<bodycomp::WaistHipBand> band =
        bodycomp::waistHipBand(student.sex, student.age);
    if (!band)
        return;
    m_veryHigh->setText(bodycomp::legendText(band->veryHigh));
    m_high->setText(bodycomp::legendText(band->high));
    m_moderate->setText(bodycomp::legendText(band->moderate));
    m_low->setText(bodycomp::legendText(band->low));
}

bool WaistHipScreen::holdsResult() const
{
    return !value(G_RESULTADO_CINTURA).isNull();
}

void WaistHipScreen::showResult()
{
    const auto ratio = bodycomp::Decimal::parse(valueText(G_CINTURA_QUADRIL_VALOR));
    m_ratio->setText(ratio ? ratio->toFixedText(2) : QStringLiteral("0"));
    m_risk->setText(value(G_RESULTADO_CINTURA).toString());
}

} // namespace kelvora
