#pragma once

#include "gui/maintenance/SettingsDialog.h"

#include <QVector>

class QButtonGroup;
class QCheckBox;
class QGridLayout;

namespace kelvora {

class ChoiceBox;

namespace assessment {
struct AssessmentSetting;
}

// "Avaliações": which tests and body-composition protocols the hub offers, which
// report pages the report selection ticks by default, and the BMI table.
class AssessmentSettingsDialog : public SettingsDialog {
    Q_OBJECT
public:
    static inline const QString BmiColumn = QStringLiteral("IMC_1_2");

    explicit AssessmentSettingsDialog(SettingsEdit& edit, QWidget* parent = nullptr);

protected:
    void confirm() override;

private:
    struct Row {
        QString offered; // empty for pages that are not a test
        ChoiceBox* offeredBox;
        QString printed;
        QCheckBox* printedBox;
    };

    QWidget* settingsGroup(const QString& title,
                           const QVector<assessment::AssessmentSetting>& settings);
    QWidget* bmiGroup();
    void copyIn();

    QVector<Row> m_rows;
    QButtonGroup* m_bmi = nullptr;
};

} // namespace kelvora
