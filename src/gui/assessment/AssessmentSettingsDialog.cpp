#include "gui/assessment/AssessmentSettingsDialog.h"

#include "data/SettingsEdit.h"
#include "domain/assessment/AssessmentSettings.h"
#include "domain/bodycomp/BmiWaistHip.h"
#include "domain/YesNo.h"
#include "gui/widgets/ChoiceBox.h"
#include "gui/widgets/KeyActions.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kelvora {

namespace {

const char* const BmiTables[] = {"Organização Mundial de Saúde - Simples",
                                 "Organização Mundial de Saúde - NHANES II Survey"};

QLabel* heading(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setStyleSheet(QStringLiteral("font-weight: bold;"));
    return label;
}

} // namespace

AssessmentSettingsDialog::AssessmentSettingsDialog(SettingsEdit& edit, QWidget* parent)
    : SettingsDialog(edit, parent)
{
    setObjectName(QStringLiteral("TFRMAVALIACOES"));
    setWindowTitle(QStringLiteral("Avaliações"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(settingsGroup(QStringLiteral(" Avaliações "), assessment::testSettings()));
    layout->addWidget(
        settingsGroup(QStringLiteral(" Coposição Corporal "), assessment::protocolSettings()));
    layout->addWidget(bmiGroup());
    layout->addLayout(buttonRow(QStringLiteral("BBNRETORNA"), QStringLiteral("Retorna")));
    findChild<QPushButton*>(QStringLiteral("BBNRETORNA"))->setToolTip(QStringLiteral("Cancela"));

    QList<QWidget*> order;
    for (const Row& row : m_rows)
        if (row.offeredBox)
            order << row.offeredBox;
    order << confirmButton();
    KeyActions::enterMovesAlong(order);

    copyIn();
    setFixedSize(sizeHint());
}

QWidget*
AssessmentSettingsDialog::settingsGroup(const QString& title,
                                        const QVector<assessment::AssessmentSetting>& settings)
{
    auto* group = new QGroupBox(title, this);
    auto* grid = new QGridLayout(group);
    grid->addWidget(heading(QStringLiteral("Oferece"), group), 0, 1);
    grid->addWidget(heading(QStringLiteral("Imprime"), group), 0, 2, Qt::AlignHCenter);
    grid->setColumnStretch(0, 1);
    int line = 1;
    for (const assessment::AssessmentSetting& setting : settings) {
        grid->addWidget(new QLabel(QString::fromUtf8(setting.label), group), line, 0);
        Row row{QString(), nullptr, QLatin1String(setting.printed), new QCheckBox(group)};
        if (setting.offered) {
            row.offered = QLatin1String(setting.offered);
            row.offeredBox = new ChoiceBox({Sim, Nao}, group);
            row.offeredBox->setObjectName(QStringLiteral("DBCB") + row.offered);
            grid->addWidget(row.offeredBox, line, 1);
        }
        row.printedBox->setObjectName(QStringLiteral("DBCHK") + row.printed);
        grid->addWidget(row.printedBox, line, 2, Qt::AlignHCenter);
        m_rows.append(row);
        ++line;
    }
    return group;
}

QWidget* AssessmentSettingsDialog::bmiGroup()
{
    auto* group = new QGroupBox(QStringLiteral(" Tipo de I.M.C. "), this);
    group->setObjectName(QStringLiteral("DBRGIMC_1_2"));
    auto* column = new QVBoxLayout(group);
    m_bmi = new QButtonGroup(group);
    for (int item = 0; item < 2; ++item) {
        auto* button = new QRadioButton(QString::fromUtf8(BmiTables[item]), group);
        button->setObjectName(QStringLiteral("RBIMC%1").arg(item));
        m_bmi->addButton(button, item);
        column->addWidget(button);
    }
    return group;
}

void AssessmentSettingsDialog::copyIn()
{
    for (const Row& row : m_rows) {
        if (row.offeredBox)
            row.offeredBox->showValue(edit().text(row.offered));
        row.printedBox->setChecked(edit().value(row.printed).toInt() != 0);
    }
    // The item of the table the BMI screen will use, whatever the column holds.
    const bool simple =
        bodycomp::bmiTableFromSetting(edit().text(BmiColumn)) == bodycomp::BmiTable::Simple;
    m_bmi->button(simple ? 0 : 1)->setChecked(true);
}

void AssessmentSettingsDialog::confirm()
{
    for (const Row& row : m_rows) {
        if (row.offeredBox && row.offeredBox->hasChoice())
            edit().set(row.offered, row.offeredBox->currentText());
        edit().set(row.printed, row.printedBox->isChecked() ? 1 : 0);
    }
    edit().set(BmiColumn, QString::number(m_bmi->checkedId()));
    save(QStringLiteral("Controle"));
    close(true);
}

} // namespace kelvora
