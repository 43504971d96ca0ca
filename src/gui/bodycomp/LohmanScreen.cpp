#include "gui/bodycomp/LohmanScreen.h"

#include "domain/bodycomp/Corporal.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

namespace kelvora {

using namespace bodycomp::Corporal;

LohmanScreen::LohmanScreen(MainWindow& window, Companion& companion,
                           const AssessmentContext& context)
    : BodyCompositionScreen(window, companion, context, bodycomp::Protocol::Lohman,
                            "TFrmCORPORAL_LOHMAN",
                            QStringLiteral("Protocolo de Lohman (Criança de 6 a 16 anos)"))
{
    QGroupBox* sizes = group(QStringLiteral(" Peso / Altura "));
    const QList<QLineEdit*> weightHeight =
        addMeasures(sizes, {{"DBEDTPESO", G_PESO, "Peso Atual", "kg"},
                            {"DBEDTALTURA", G_ALTURA, "Altura", "cm"}});
    QGroupBox* skinfolds = group(QStringLiteral(" Dobras Cutâneas "));
    const QList<QLineEdit*> folds =
        addMeasures(skinfolds, {{"DBEDTSUBESCAPULAR", G_SUBESCAPULAR, "Subescapular", "mm"},
                                {"DBEDTTRICIPES", G_TRICIPES, "Tricipes", "mm"}});
    QPushButton* compute = computeCommand("BBNCALCULALOHMAN");
    QLineEdit* idealFat = idealFatField("DBTXTGORDURAIDEAL", G_LOHMANGORDURA_IDEAL, compute);
    QWidget* results = fatResults({{"LBLGORDURAATUAL", G_LOHMAN_GORDURA},
                                   {},
                                   {"LBLPESOGORDO", G_LOHMANPESO_GORDO},
                                   {"LBLPESOMAGRO", G_LOHMANPESO_MAGRO},
                                   {"LBLPESOIDEALMAGRO", G_LOHMANPESO_IDEAL},
                                   {}},
                                  idealFat);
    layOut({sizes, skinfolds}, {results});

    enterWeightThenHeight(weightHeight.at(0), weightHeight.at(1), folds.first());
    enterMovesAlong(QList<QWidget*>(folds.cbegin(), folds.cend()));
    whenEntered(folds.last(), [this] { calculate(); });
}

bool LohmanScreen::holdsResult() const
{
    return holdsAll({G_PESO, G_ALTURA, G_SUBESCAPULAR, G_TRICIPES});
}

} // namespace kelvora
