#include "gui/bodycomp/Pollock3Screen.h"

#include "domain/bodycomp/Corporal.h"
#include "domain/bodycomp/FatProtocols.h"
#include "domain/bodycomp/Texts.h"
#include "domain/MessageTexts.h"
#include "gui/widgets/CommandButton.h"
#include "gui/widgets/KeyActions.h"
#include "gui/widgets/Messages.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kelvora {

using namespace bodycomp::Corporal;

namespace {

// A row of a group: caption, field and unit.
void addMeasure(QGridLayout* grid, const QString& caption, QLineEdit* field, const QString& unit)
{
    const int row = grid->rowCount();
    grid->addWidget(new QLabel(caption), row, 0);
    field->setFixedWidth(70);
    grid->addWidget(field, row, 1);
    grid->addWidget(new QLabel(unit), row, 2);
}

QLabel* resultLabel(const char* objectName)
{
    auto* label = new QLabel;
    label->setObjectName(QLatin1String(objectName));
    label->setMinimumWidth(90);
    label->setFrameShape(QFrame::StyledPanel);
    return label;
}

} // namespace

Pollock3Screen::Pollock3Screen(MainWindow& window, Companion& companion,
                               const AssessmentContext& context)
    : BodyCompositionScreen(window, companion, context, bodycomp::Protocol::Pollock3,
                            "TFrmPollock3Dobras",
                            QStringLiteral("Protocolo de Pollock (3 dobras cutaneas)"))
{
    auto* columns = new QHBoxLayout(body());
    auto* left = new QVBoxLayout;
    left->addWidget(measuresGroup());
    left->addWidget(skinfoldsGroup());
    left->addStretch();
    columns->addLayout(left);
    auto* right = new QVBoxLayout;
    right->addWidget(resultGroup());
    m_otherGroup = otherSkinfoldsGroup();
    right->addWidget(m_otherGroup);
    right->addStretch();
    columns->addLayout(right);
    m_otherGroup->hide();

    m_compute = addCommand("BBNCALCULA3", QStringLiteral("Cálcula"), QStyle::SP_BrowserReload);
    m_otherSkinfolds =
        addCommand("BitBtn4", QStringLiteral("Outras Dobras"), QStyle::SP_FileDialogListView);
    connect(m_compute, &QPushButton::clicked, this, &Pollock3Screen::calculate);
    connect(m_otherSkinfolds, &QPushButton::clicked, this, [this] { showOtherSkinfolds(true); });
    connect(m_back, &QPushButton::clicked, this, [this] { showOtherSkinfolds(false); });
    enterOrder();
}

QWidget* Pollock3Screen::measuresGroup()
{
    auto* group = new QGroupBox(QStringLiteral(" Peso / Altura "), body());
    auto* grid = new QGridLayout(group);
    m_weight = measureField("DBEDTPESO3", G_PESO);
    m_height = measureField("DBEDTALTURA3", G_ALTURA);
    addMeasure(grid, QStringLiteral("Peso Atual"), m_weight, QStringLiteral("kg"));
    addMeasure(grid, QStringLiteral("Altura"), m_height, QStringLiteral("cm"));
    m_mainGroups << group;
    return group;
}

QWidget* Pollock3Screen::skinfoldsGroup()
{
    auto* group = new QGroupBox(QStringLiteral(" Dobras Cutâneas "), body());
    auto* grid = new QGridLayout(group);
    m_chest = measureField("DBEDTPEITORAL3", G_PEITORAL);
    m_abdomen = measureField("DBEDTABDOMEM3", G_ABDOMEM);
    m_triceps = measureField("DBEDTTRICIPES3", G_TRICIPES);
    m_suprailiac = measureField("DBEDTSUPRA3", G_SUPRAILIACA);
    m_thigh = measureField("DBEDTCOXA3", G_COXA);
    const QString mm = QStringLiteral("mm");
    addMeasure(grid, QStringLiteral("Peitoral"), m_chest, mm);
    addMeasure(grid, QStringLiteral("Abdomem"), m_abdomen, mm);
    addMeasure(grid, QStringLiteral("Tríceps"), m_triceps, mm);
    addMeasure(grid, QStringLiteral("Supra-ilíaca"), m_suprailiac, mm);
    addMeasure(grid, QStringLiteral("Coxa"), m_thigh, mm);
    m_mainGroups << group;
    return group;
}

QWidget* Pollock3Screen::resultGroup()
{
    auto* group = new QGroupBox(QStringLiteral(" Percentual de "), body());
    auto* grid = new QGridLayout(group);
    m_fat = resultLabel("LBLGORDURAATUAL3");
    m_range = resultLabel("LBLGORDURAIDEAL3");
    m_fatMass = resultLabel("LBLPESOGORDO3");
    m_leanMass = resultLabel("LBLPESOMAGRO3");
    m_idealWeight = resultLabel("LBLPESOIDEALMAGRO3");
    m_idealFat = wholeNumberField("DBTXTGORDURAIDEAL3", G_3DOBRASGORDURA_IDEAL, 2);
    m_idealFat->setFixedWidth(40);

    const struct {
        const char* caption;
        QWidget* shown;
    } rows[] = {{"Gordura Atual", m_fat},      {"Gordura Média", m_range},
                {"Gordura Ideal", m_idealFat}, {"Peso Gordo", m_fatMass},
                {"Peso Magro", m_leanMass},    {"Peso Ideal", m_idealWeight}};
    for (const auto& row : rows) {
        const int at = grid->rowCount();
        grid->addWidget(new QLabel(QString::fromUtf8(row.caption)), at, 0);
        grid->addWidget(row.shown, at, 1, Qt::AlignLeft);
        if (row.shown == m_idealFat)
            grid->addWidget(new QLabel(QStringLiteral("%")), at, 2);
    }

    m_levelCaption = new QLabel(QStringLiteral("Resultado Gordura Média"), group);
    m_level = new QLabel(group);
    m_level->setObjectName(QStringLiteral("PNLRESULTADO3DOBRAS"));
    m_level->setFrameShape(QFrame::Panel);
    m_level->setFrameShadow(QFrame::Sunken);
    m_level->setAlignment(Qt::AlignCenter);
    m_level->setMinimumHeight(28);
    grid->addWidget(m_levelCaption, grid->rowCount(), 0, 1, 3);
    grid->addWidget(m_level, grid->rowCount(), 0, 1, 3);
    m_mainGroups << group;
    return group;
}

QWidget* Pollock3Screen::otherSkinfoldsGroup()
{
    auto* group = new QGroupBox(QStringLiteral(" Outras Dobras "), body());
    auto* grid = new QGridLayout(group);
    const char* const names[] = {"DBEDTOUTRA1", "DBEDTOUTRA2", "DBEDTOUTRA3", "DBEDTOUTRA4",
                                 "DBEDTOUTRA5"};
    const char* const captions[] = {"Subescapular", "Bíceps", "Axilar", "Crista-ilíaca", "Perna"};
    for (int i = 0; i < 5; ++i) {
        QLineEdit* field = measureField(names[i], QStringLiteral("G_OUTRA%1").arg(i + 1));
        addMeasure(grid, QString::fromUtf8(captions[i]), field, QStringLiteral("mm"));
        m_others << field;
    }
    m_back = commandButton(group, "BBNRETORNA", QString(), QStyle::SP_ArrowBack);
    m_back->setToolTip(QStringLiteral("Retorna"));
    m_back->setAutoDefault(false);
    grid->addWidget(m_back, grid->rowCount(), 0, 1, 3, Qt::AlignRight);
    return group;
}

void Pollock3Screen::enterOrder()
{
    whenEntered(m_weight, [this] { m_height->setFocus(); });
    // A height typed in metres is caught here, before it spoils the computation.
    KeyActions::on(m_height, {Qt::Key_Return}, [this] {
        if (const auto problem = bodycomp::heightEntryProblem(m_height->text())) {
            Messages::inform(Msg::DadoIncorreto, *problem);
            m_height->setFocus();
            return;
        }
        (male() ? m_chest : m_triceps)->setFocus();
    });
    enterMovesAlong({m_chest, m_abdomen, m_thigh});
    enterMovesAlong({m_triceps, m_suprailiac, m_thigh});
    whenEntered(m_thigh, [this] { calculate(); });
    whenEntered(m_idealFat, [this] { confirmButton()->setFocus(); });
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
    const QString percent = isNewRow() ? QString() : QStringLiteral("0 %");
    const QString kilograms = isNewRow() ? QString() : QStringLiteral("0 kg");
    m_fat->setText(percent);
    for (QLabel* label : {m_fatMass, m_leanMass, m_idealWeight})
        label->setText(kilograms);
}

bool Pollock3Screen::holdsResult() const
{
    return !value(G_3DOBRASGORDURA_M).isNull();
}

void Pollock3Screen::compute()
{
    const bodycomp::FatResult result =
        bodycomp::pollock3(fieldTexts(), context().student(), tables());
    storeResult(result);
    m_fat->setText(bodycomp::percentText(result.fat));
    m_fatMass->setText(bodycomp::kilogramText(result.fatMass));
    m_leanMass->setText(bodycomp::kilogramText(result.leanMass));
    m_idealWeight->setText(bodycomp::kilogramText(*result.idealWeight));
    m_range->setText(result.level->range);
    m_level->setText(result.level->name);
}

void Pollock3Screen::showOtherSkinfolds(bool shown)
{
    m_otherGroup->setVisible(shown);
    m_levelCaption->setVisible(!shown);
    for (QWidget* group : std::as_const(m_mainGroups))
        group->setEnabled(!shown);
    confirmButton()->setEnabled(!shown);
    if (shown)
        m_others.first()->setFocus();
    else
        confirmButton()->setFocus();
}

} // namespace kelvora
