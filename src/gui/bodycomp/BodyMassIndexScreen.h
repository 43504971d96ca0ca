#pragma once

#include "gui/bodycomp/BodyCompositionScreen.h"

class QLabel;

namespace kelvora {

// The body-mass index from weight and height, classified by the table the settings
// choose.
class BodyMassIndexScreen : public BodyCompositionScreen {
    Q_OBJECT
public:
    BodyMassIndexScreen(MainWindow& window, Companion& companion, const AssessmentContext& context);

protected:
    void openReferenceTables() override;
    bool holdsResult() const override;
    bodycomp::Circumstances circumstances() const override;
    void showResult() override;

private:
    QLabel* m_index;
    QLabel* m_category;
    QString m_tableSetting; // `IMC_1_2`
};

} // namespace kelvora
