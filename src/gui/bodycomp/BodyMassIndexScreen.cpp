#include "gui/bodycomp/BodyMassIndexScreen.h"

#include "data/Connection.h"
#include "domain/bodycomp/Corporal.h"
#include "domain/bodycomp/Texts.h"
#include "gui/app/MainWindow.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSqlQuery>
#include <QVBoxLayout>

namespace kelvora {

using namespace bodycomp::Corporal;

BodyMassIndexScreen::BodyMassIndexScreen(MainWindow& window, Companion& companion,
                                         const AssessmentContext& context)
    : BodyCompositionScreen(window, companion, context, bodycomp::Protocol::BodyMassIndex,
                            "TFrmIndiceCorporal", QStringLiteral("Índice de Massa Corporal (IMC)"))
{
    QGroupBox* sizes = group(QStringLiteral(" Peso / Altura "));
    const QList<QLineEdit*> fields =
        addMeasures(sizes, {{"DBEDTPESOIMC", G_PESO, "Peso Atual", "kg"},
                            {"DBEDTALTURAIMC", G_ALTURA, "Altura", "cm"}});
    QGroupBox* result = group(QStringLiteral(" Resultado "));
    auto* column = new QVBoxLayout(result);
    m_index = resultLabel("EDTRESULTADOIMC");
    m_index->setText(QStringLiteral("0 kg / m2"));
    m_index->setAlignment(Qt::AlignCenter);
    m_category = resultPanel("PNLRESULTADOIMC");
    m_category->setMinimumWidth(180);
    column->addWidget(m_index);
    column->addWidget(m_category);
    layOut({sizes}, {result});
    computeCommand("BBNCALCULAIMC");

    enterMovesAlong(QList<QWidget*>(fields.cbegin(), fields.cend()));
    whenEntered(fields.last(), [this] { calculate(); });
}

// The table of classes the settings choose, read as the screen opens.
void BodyMassIndexScreen::openReferenceTables()
{
    QSqlQuery settings = mainWindow().ownConnection().select(
        QStringLiteral("Moxcvar"), QStringLiteral("SELECT IMC_1_2 FROM Moxcvar"));
    m_tableSetting = settings.next() ? settings.value(0).toString() : QString();
}

bool BodyMassIndexScreen::holdsResult() const
{
    return !value(G_IMCRESULTADO).isNull();
}

// The table the settings choose; the survey table tells the sexes apart by the
// student's `SEXO`, which the base puts into the circumstances.
bodycomp::Circumstances BodyMassIndexScreen::circumstances() const
{
    bodycomp::Circumstances circumstances = BodyCompositionScreen::circumstances();
    circumstances.bmiTable = bodycomp::bmiTableFromSetting(m_tableSetting);
    return circumstances;
}

void BodyMassIndexScreen::showResult()
{
    m_index->setText(valueText(G_IMCVALOR) + bodycomp::Text::KilogramsPerSquareMetre);
    m_category->setText(value(G_IMCRESULTADO).toString());
}

} // namespace kelvora
