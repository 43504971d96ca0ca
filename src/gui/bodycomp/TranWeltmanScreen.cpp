#include "gui/bodycomp/TranWeltmanScreen.h"

#include "domain/bodycomp/Corporal.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

namespace kelvora {

using namespace bodycomp::Corporal;

TranWeltmanScreen::TranWeltmanScreen(MainWindow& window, Companion& companion,
                                     const AssessmentContext& context)
    : BodyCompositionScreen(window, companion, context, bodycomp::Protocol::TranWeltman,
                            "TFRMCORPORAL_TRAN",
                            QStringLiteral("Tran & Weltman para Idosos (62 a 79 anos)"))
{
    QGroupBox* sizes = group(QStringLiteral(" Peso / Altura "));
    const QList<QLineEdit*> weightHeight =
        addMeasures(sizes, {{"DBEDTPESO", G_PESO, "Peso Atual", "kg"},
                            {"DBEDTALTURA", G_ALTURA, "Altura", "cm"}});
    QGroupBox* circumferences = group(QStringLiteral(" Dobras Cutâneas "));
    const QList<QLineEdit*> rounds =
        addMeasures(circumferences, {{"DBEDTABDOMEM1", G_TRANABDOMEM1, "Abdomem 1", "cm"},
                                     {"DBEDTABDOMEM2", G_TRANABDOMEM2, "Abdomem 2", "cm"},
                                     {"DBEDTQUADRIL", G_QUADRIL, "Quadril", "cm"}});
    QPushButton* compute = computeCommand("BBNCALCULA");
    QLineEdit* idealFat = idealFatField("DBTXTGORDURAIDEAL", G_TRANGORDURA_IDEAL, compute);
    QWidget* results = fatResults({{"LBLGORDURAATUAL", G_TRAN_GORDURA},
                                   {},
                                   {"LBLPESOGORDO", G_TRANPESO_GORDO},
                                   {"LBLPESOMAGRO", G_TRANPESO_MAGRO},
                                   {"LBLPESOIDEALMAGRO", G_TRANPESO_IDEAL},
                                   {}},
                                  idealFat);
    layOut({sizes, circumferences}, {results});

    enterWeightThenHeight(weightHeight.at(0), weightHeight.at(1), rounds.first());
    enterMovesAlong(QList<QWidget*>(rounds.cbegin(), rounds.cend()));
    whenEntered(rounds.last(), [this] { calculate(); });
}

// A new row holds 0 in both abdominal circumferences until they are measured; only a
// row with all five measures taken holds a result to show.
bool TranWeltmanScreen::holdsResult() const
{
    return holdsAll({G_PESO, G_ALTURA, G_TRANABDOMEM1, G_TRANABDOMEM2, G_QUADRIL}) &&
           value(G_TRANABDOMEM1).toDouble() != 0 && value(G_TRANABDOMEM2).toDouble() != 0;
}

} // namespace kelvora
