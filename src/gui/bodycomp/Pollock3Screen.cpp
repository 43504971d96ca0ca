#include "gui/bodycomp/Pollock3Screen.h"

#include "domain/bodycomp/Corporal.h"
#include "gui/widgets/CommandButton.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kelvora {

using namespace bodycomp::Corporal;

Pollock3Screen::Pollock3Screen(MainWindow& window, Companion& companion,
                               const AssessmentContext& context)
    : BodyCompositionScreen(window, companion, context, bodycomp::Protocol::Pollock3,
                            "TFrmPollock3Dobras",
                            QStringLiteral("Protocolo de Pollock (3 dobras cutaneas)"))
{
    QGroupBox* sizes = group(QStringLiteral(" Peso / Altura "));
    const QList<QLineEdit*> sizeFields =
        addMeasures(sizes, {{"DBEDTPESO3", G_PESO, "Peso Atual", "kg"},
                            {"DBEDTALTURA3", G_ALTURA, "Altura", "cm"}});
    m_weight = sizeFields.at(0);
    m_height = sizeFields.at(1);
    QGroupBox* skinfolds = group(QStringLiteral(" Dobras Cutâneas "));
    const QList<QLineEdit*> folds =
        addMeasures(skinfolds, {{"DBEDTPEITORAL3", G_PEITORAL, "Peitoral", "mm"},
                                {"DBEDTABDOMEM3", G_ABDOMEM, "Abdomem", "mm"},
                                {"DBEDTTRICIPES3", G_TRICIPES, "Tríceps", "mm"},
                                {"DBEDTSUPRA3", G_SUPRAILIACA, "Supra-ilíaca", "mm"},
                                {"DBEDTCOXA3", G_COXA, "Coxa", "mm"}});
    m_chest = folds.at(0);
    m_abdomen = folds.at(1);
    m_triceps = folds.at(2);
    m_suprailiac = folds.at(3);
    m_thigh = folds.at(4);
    m_idealFat = idealFatField("DBTXTGORDURAIDEAL3", G_3DOBRASGORDURA_IDEAL, confirmButton());
    m_results = fatResults({{"LBLGORDURAATUAL3", G_3DOBRASGORDURA_A},
                            {"LBLGORDURAIDEAL3", G_3DOBRASGORDURA_FAIXA},
                            {"LBLPESOGORDO3", G_3DOBRASPESO_GORDO},
                            {"LBLPESOMAGRO3", G_3DOBRASPESO_MAGRO},
                            {"LBLPESOIDEALMAGRO3", G_3DOBRASPESO_IDEAL},
                            {"PNLRESULTADO3DOBRAS", G_3DOBRASGORDURA_M}},
                           m_idealFat);
    m_otherGroup = otherSkinfoldsGroup();
    m_otherGroup->hide();
    m_mainGroups = {sizes, skinfolds, m_results};
    layOut({sizes, skinfolds}, {m_results, m_otherGroup});

    computeCommand("BBNCALCULA3");
    QPushButton* otherSkinfolds =
        addCommand("BitBtn4", QStringLiteral("Outras Dobras"), QStyle::SP_FileDialogListView);
    connect(otherSkinfolds, &QPushButton::clicked, this, [this] { showOtherSkinfolds(true); });
    connect(m_back, &QPushButton::clicked, this, [this] { showOtherSkinfolds(false); });
    enterOrder();
}

QWidget* Pollock3Screen::otherSkinfoldsGroup()
{
    QGroupBox* others = group(QStringLiteral(" Outras Dobras "));
    m_others =
        addMeasures(others, {{"DBEDTOUTRA1", QStringLiteral("G_OUTRA1"), "Subescapular", "mm"},
                             {"DBEDTOUTRA2", QStringLiteral("G_OUTRA2"), "Bíceps", "mm"},
                             {"DBEDTOUTRA3", QStringLiteral("G_OUTRA3"), "Axilar", "mm"},
                             {"DBEDTOUTRA4", QStringLiteral("G_OUTRA4"), "Crista-ilíaca", "mm"},
                             {"DBEDTOUTRA5", QStringLiteral("G_OUTRA5"), "Perna", "mm"}});
    m_back = commandButton(others, "BBNRETORNA", QString(), QStyle::SP_ArrowBack);
    m_back->setToolTip(QStringLiteral("Retorna"));
    m_back->setAutoDefault(false);
    auto* grid = static_cast<QGridLayout*>(others->layout());
    grid->addWidget(m_back, grid->rowCount(), 0, 1, 3, Qt::AlignRight);
    return others;
}

void Pollock3Screen::enterOrder()
{
    whenEntered(m_weight, [this] { m_height->setFocus(); });
    whenHeightEntered(m_height, [this] { (male() ? m_chest : m_triceps)->setFocus(); });
    enterMovesAlong({m_chest, m_abdomen, m_thigh});
    enterMovesAlong({m_triceps, m_suprailiac, m_thigh});
    whenEntered(m_thigh, [this] { calculate(); });
    QList<QWidget*> others(m_others.cbegin(), m_others.cend());
    enterMovesAlong(others << m_back);
}

bool Pollock3Screen::male() const
{
    return context().student().sex == bodycomp::Sex::Male;
}

void Pollock3Screen::rowShown()
{
    // Only the skinfolds of the student's sex are typed; the others keep what another
    // protocol stored and do not enter the sum.
    m_chest->setEnabled(male());
    m_abdomen->setEnabled(male());
    m_triceps->setEnabled(!male());
    m_suprailiac->setEnabled(!male());
    if (!isNewRow())
        m_results->showZeros();
}

bool Pollock3Screen::holdsResult() const
{
    return !value(G_3DOBRASGORDURA_M).isNull();
}

void Pollock3Screen::showOtherSkinfolds(bool shown)
{
    m_otherGroup->setVisible(shown);
    m_results->levelCaption()->setVisible(!shown);
    for (QWidget* group : std::as_const(m_mainGroups))
        group->setEnabled(!shown);
    confirmButton()->setEnabled(!shown);
    if (shown)
        m_others.first()->setFocus();
    else
        confirmButton()->setFocus();
}

} // namespace kelvora
