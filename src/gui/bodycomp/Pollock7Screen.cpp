#include "gui/bodycomp/Pollock7Screen.h"

#include "domain/bodycomp/Corporal.h"

#include <QGroupBox>
#include <QLineEdit>

namespace kelvora {

using namespace bodycomp::Corporal;

Pollock7Screen::Pollock7Screen(MainWindow& window, Companion& companion,
                               const AssessmentContext& context)
    : BodyCompositionScreen(window, companion, context, bodycomp::Protocol::Pollock7,
                            "TFrmPollock7Dobras",
                            QStringLiteral("Protocolo de Pollock / Jackson (7dobras cutaneas)"))
{
    QGroupBox* sizes = group(QStringLiteral(" Peso / Altura "));
    const QList<QLineEdit*> weightHeight =
        addMeasures(sizes, {{"DBEDTPESO7", G_PESO, "Peso Atual", "kg"},
                            {"DBEDTALTURA7", G_ALTURA, "Altura", "cm"}});
    QGroupBox* skinfolds = group(QStringLiteral(" Dobras Cutâneas "));
    const QList<QLineEdit*> folds =
        addMeasures(skinfolds, {{"DBEDTSUBESCAPULAR", G_SUBESCAPULAR, "Subescapular", "mm"},
                                {"DBEDTTRICIPES", G_TRICIPES, "Tricipes", "mm"},
                                {"DBEDTPEITORAL", G_PEITORAL, "Peitoral", "mm"},
                                {"DBEDTAXILARMEDIA", G_AXILARMEDIA, "Axilar Média", "mm"},
                                {"DBEDTSUPRAILIACA", G_SUPRAILIACA, "Supra-ilíaca", "mm"},
                                {"DBEDTABDOMEM", G_ABDOMEM, "Abdomem", "mm"},
                                {"DBEDTCOXA", G_COXA, "Coxa", "mm"}});
    QLineEdit* idealFat =
        idealFatField("DBTXTGORDURAIDEAL7", G_7DOBRASGORDURA_IDEAL, confirmButton());
    QWidget* results = fatResults({{"LBLGORDURAATUAL7", G_7DOBRASGORDURA_A},
                                   {"LBLGORDURAIDEAL7", G_7DOBRASGORDURA_FAIXA},
                                   {"LBLPESOGORDO7", G_7DOBRASPESO_GORDO},
                                   {"LBLPESOMAGRO7", G_7DOBRASPESO_MAGRO},
                                   {"LBLPESOIDEALMAGRO7", G_7DOBRASPESO_IDEAL},
                                   {"PNLRESULTADO7DOBRAS", G_7DOBRASGORDURA_M}},
                                  idealFat);
    layOut({sizes, skinfolds}, {results});
    computeCommand("BBNCALCULA7");

    enterWeightThenHeight(weightHeight.at(0), weightHeight.at(1), folds.first());
    enterMovesAlong(QList<QWidget*>(folds.cbegin(), folds.cend()));
    whenEntered(folds.last(), [this] { calculate(); });
}

bool Pollock7Screen::holdsResult() const
{
    return !value(G_7DOBRASGORDURA_M).isNull();
}

} // namespace kelvora
