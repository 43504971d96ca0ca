#include "gui/bodycomp/FaulknerScreen.h"

#include "domain/bodycomp/Corporal.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

namespace kelvora {

using namespace bodycomp::Corporal;

FaulknerScreen::FaulknerScreen(MainWindow& window, Companion& companion,
                               const AssessmentContext& context)
    : BodyCompositionScreen(window, companion, context, bodycomp::Protocol::Faulkner,
                            "TFRMFAULKNER", QStringLiteral("Protocolo de Faulkner"))
{
    QGroupBox* sizes = group(QStringLiteral(" Peso / Altura "));
    const QList<QLineEdit*> weightHeight =
        addMeasures(sizes, {{"DBEDTPESO", G_PESO, "Peso Atual", "kg"},
                            {"DBEDTALTURA", G_ALTURA, "Altura", "cm"}});
    QGroupBox* skinfolds = group(QStringLiteral(" Dobras Cutâneas "));
    const QList<QLineEdit*> folds =
        addMeasures(skinfolds, {{"DBEDTSUBESCAPULAR", G_SUBESCAPULAR, "Subescapular", "mm"},
                                {"DBEDTTRICIPES", G_TRICIPES, "Tricipes", "mm"},
                                {"DBEDTSUPRAILIACA", G_SUPRAILIACA, "Supra-ilíaca", "mm"},
                                {"DBEDTABDOMEM", G_ABDOMEM, "Abdomem", "mm"}});
    // Computing is a press of its own: Enter brings the focus to the button.
    QPushButton* compute = computeCommand("BBNCALCULAFAULKNER");
    QLineEdit* idealFat = idealFatField("DBTXTGORDURAIDEAL", G_FAULKNERGORDURA_IDEAL, compute);
    QWidget* results = fatResults({{"LBLGORDURAATUAL", G_FAULKNER_GORDURA},
                                   {},
                                   {"LBLPESOGORDO", G_FAULKNERPESO_GORDO},
                                   {"LBLPESOMAGRO", G_FAULKNERPESO_MAGRO},
                                   {"LBLPESOIDEALMAGRO", G_FAULKNERPESO_IDEAL},
                                   {}},
                                  idealFat);
    layOut({sizes, skinfolds}, {results});

    enterWeightThenHeight(weightHeight.at(0), weightHeight.at(1), folds.first());
    enterMovesAlong(QList<QWidget*>(folds.cbegin(), folds.cend()) << compute);
}

bool FaulknerScreen::holdsResult() const
{
    return holdsAll({G_PESO, G_ALTURA, G_SUBESCAPULAR, G_TRICIPES, G_SUPRAILIACA, G_ABDOMEM});
}

void FaulknerScreen::compute()
{
    BodyCompositionScreen::compute();
    confirmButton()->setFocus();
}

} // namespace kelvora
