#pragma once

#include "gui/bodycomp/BodyCompositionScreen.h"

namespace kelvora {

// Faulkner's four skinfolds in a linear equation, whatever the sex and age: fat
// percentage, fat and lean mass and ideal weight.
class FaulknerScreen : public BodyCompositionScreen {
    Q_OBJECT
public:
    FaulknerScreen(MainWindow& window, Companion& companion, const AssessmentContext& context);

protected:
    bool holdsResult() const override;
    void compute() override;
};

} // namespace kelvora
