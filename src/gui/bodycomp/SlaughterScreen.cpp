#include "gui/bodycomp/SlaughterScreen.h"

#include "data/Connection.h"
#include "domain/bodycomp/Corporal.h"
#include "gui/app/MainWindow.h"
#include "gui/widgets/KeyActions.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSqlQuery>
#include <QVBoxLayout>

namespace kelvora {

using namespace bodycomp::Corporal;

namespace {

const QStringList Races{QStringLiteral("Branca"), QStringLiteral("Negra"), QStringLiteral("Parda")};

} // namespace

SlaughterScreen::SlaughterScreen(MainWindow& window, Companion& companion,
                                 const AssessmentContext& context)
    : BodyCompositionScreen(
          window, companion, context, bodycomp::Protocol::Slaughter, "TFRMCORPORALCRIANCA",
          QStringLiteral("Protocolo  de Slaughter et alii para Crianças (7 a 17 anos)"))
{
    QGroupBox* measures = group(QStringLiteral(" Dobras Cutâneas "));
    const QList<QLineEdit*> fields =
        addMeasures(measures, {{"DBEDTSUBESCAPULARCRIANCA", G_SUBESCAPULAR, "Subescapular", "mm"},
                               {"DBEDTTRICIPESCRIANCA", G_TRICIPES, "Tricipes", "mm"},
                               {"DBEDTPESOCRIANCA", G_PESO, "Peso Atual", "kg"}});
    fields.first()->setMaxLength(3);
    // The race belongs to the anamnesis: shown and chosen here, stored only there.
    m_race = new QComboBox(measures);
    m_race->setObjectName(QStringLiteral("DBCBRACA1"));
    m_race->addItems(Races);
    auto* grid = static_cast<QGridLayout*>(measures->layout());
    const int row = grid->rowCount();
    grid->addWidget(new QLabel(QStringLiteral("Raça")), row, 0);
    grid->addWidget(m_race, row, 1, 1, 2);

    QWidget* results = fatResults({{"LBLGORDURAATUALCRIANCA", G_CRIANCAGORDURA_A},
                                   {"LBLGORDURAMEDIACRIANCA", G_CRIANCAGORDURA_FAIXA},
                                   {"LBLPESOGORDOCRIANCA", G_CRIANCAPESO_GORDO},
                                   {"LBLPESOMAGROCRIANCA", G_CRIANCAPESO_MAGRO},
                                   {},
                                   {"PNLRCRIANCA", G_CRIANCAGORDURA_M}},
                                  nullptr);
    layOut({measures, stageGroup()}, {results});
    computeCommand("BBNCALCULACRIANCA");

    enterMovesAlong(QList<QWidget*>(fields.cbegin(), fields.cend()) << m_race);
    KeyActions::on(m_race, {Qt::Key_Return}, [this] { calculate(); });
}

QWidget* SlaughterScreen::stageGroup()
{
    auto* stages = new QGroupBox(QStringLiteral(" Faixa de Idade "), body());
    stages->setObjectName(QStringLiteral("DBRGFAIXA"));
    auto* column = new QVBoxLayout(stages);
    m_stages = new QButtonGroup(stages);
    const char* const captions[] = {"Pré-Púbere", "Púbere", "Pós-Púbere"};
    for (int stage = 1; stage <= 3; ++stage) {
        auto* option = new QRadioButton(QString::fromUtf8(captions[stage - 1]), stages);
        m_stages->addButton(option, stage);
        column->addWidget(option);
    }
    connect(m_stages, &QButtonGroup::idClicked, this,
            [this](int stage) { setValue(G_TIPOIDADECRIANCA, QString::number(stage)); });
    return stages;
}

void SlaughterScreen::openReferenceTables()
{
    BodyCompositionScreen::openReferenceTables();
    QSqlQuery anamnesis = mainWindow().ownConnection().select(
        QStringLiteral("Anamnese"),
        QStringLiteral("SELECT MATRICULA, DATAEXAME, A_RACA FROM Anamnese "
                       "WHERE MATRICULA = ? AND DATAEXAME = ?"),
        {context().number, context().examDate});
    m_hasAnamnesis = anamnesis.next();
    m_storedRace = m_hasAnamnesis ? anamnesis.value(2).toString() : QString();
}

void SlaughterScreen::rowShown()
{
    // Without an anamnesis of the date the first race is offered; a recorded race that
    // is none of the three (or none at all) shows as nothing chosen.
    m_race->setCurrentIndex(m_hasAnamnesis ? Races.indexOf(m_storedRace) : 0);
    if (QAbstractButton* stage = m_stages->button(value(G_TIPOIDADECRIANCA).toInt()))
        stage->setChecked(true);
}

bool SlaughterScreen::holdsResult() const
{
    return !value(G_CRIANCAGORDURA_M).isNull();
}

// The stored result is shown as stored. Computing it again here would take the race of
// the anamnesis as it is now, which this screen never stores with the result, and so
// could change a confirmed result unasked; it is computed again only on request.
void SlaughterScreen::showHeldResult()
{
    showResult();
}

bodycomp::Circumstances SlaughterScreen::circumstances() const
{
    bodycomp::Circumstances circumstances = BodyCompositionScreen::circumstances();
    circumstances.race = m_race->currentText();
    return circumstances;
}

} // namespace kelvora
