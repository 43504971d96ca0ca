#include "gui/bodycomp/ResultWidgets.h"

#include "domain/bodycomp/Texts.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace kelvora {

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
    label->setMinimumWidth(110);
    label->setFrameShape(QFrame::StyledPanel);
    return label;
}

QLabel* resultPanel(const char* objectName)
{
    auto* panel = new QLabel;
    panel->setObjectName(QLatin1String(objectName));
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    panel->setAlignment(Qt::AlignCenter);
    panel->setMinimumHeight(28);
    return panel;
}

FatResultGroup::FatResultGroup(QWidget* parent, const Displays& displays, QLineEdit* idealFat)
    : QGroupBox(QStringLiteral(" Percentual de "), parent)
{
    auto* grid = new QGridLayout(this);
    const auto add = [&](const char* caption, const Display& display, const QString& unit) {
        if (!display.objectName)
            return;
        QLabel* label = resultLabel(display.objectName);
        m_shown.append({label, display.column, unit});
        addRow(grid, caption, label);
    };
    add("Gordura Atual", displays.fat, bodycomp::Text::Percent);
    add("Gordura Média", displays.range, QString());
    if (idealFat) {
        // The field with its "%" right after it, in the column of the values.
        auto* percentage = new QWidget(this);
        auto* row = new QHBoxLayout(percentage);
        row->setContentsMargins(0, 0, 0, 0);
        idealFat->setFixedWidth(40);
        row->addWidget(idealFat);
        row->addWidget(new QLabel(QStringLiteral("%"), percentage));
        row->addStretch();
        addRow(grid, "Gordura Ideal", percentage);
    }
    add("Peso Gordo", displays.fatMass, bodycomp::Text::Kilograms);
    add("Peso Magro", displays.leanMass, bodycomp::Text::Kilograms);
    add("Peso Ideal", displays.idealWeight, bodycomp::Text::Kilograms);
    if (displays.level.objectName) {
        m_levelCaption = new QLabel(QStringLiteral("Resultado Gordura Média"), this);
        QLabel* level = resultPanel(displays.level.objectName);
        m_shown.append({level, displays.level.column, QString()});
        grid->addWidget(m_levelCaption, grid->rowCount(), 0, 1, 2);
        grid->addWidget(level, grid->rowCount(), 0, 1, 2);
    }
}

void FatResultGroup::addRow(QGridLayout* grid, const char* caption, QWidget* shown)
{
    const int at = grid->rowCount();
    grid->addWidget(new QLabel(QString::fromUtf8(caption)), at, 0);
    grid->addWidget(shown, at, 1);
}

void FatResultGroup::showRow(const std::function<QString(const QString&)>& textOf)
{
    for (const Shown& shown : std::as_const(m_shown)) {
        const QString text = textOf(shown.column);
        shown.label->setText(text.isEmpty() ? text : text + shown.unit);
    }
}

void FatResultGroup::showZeros()
{
    for (const Shown& shown : std::as_const(m_shown))
        if (!shown.unit.isEmpty())
            shown.label->setText(QStringLiteral("0") + shown.unit);
}

} // namespace kelvora
