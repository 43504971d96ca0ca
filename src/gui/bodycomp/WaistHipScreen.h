#pragma once

#include "gui/bodycomp/BodyCompositionScreen.h"

class QLabel;

namespace kelvora {

// The waist-to-hip ratio and its risk class by the cut-offs of the student's sex and age
// band, shown in a legend of four colours.
class WaistHipScreen : public BodyCompositionScreen {
    Q_OBJECT
public:
    WaistHipScreen(MainWindow& window, Companion& companion, const AssessmentContext& context);

protected:
    void openReferenceTables() override {}
    void rowShown() override;
    bool holdsResult() const override;
    void showResult() override;

private:
    QWidget* legend();

    QLabel* m_ratio;
    QLabel* m_risk;
    QLabel* m_veryHigh;
    QLabel* m_high;
    QLabel* m_moderate;
    QLabel* m_low;
};

} // namespace kelvora
