#pragma once

#include "gui/bodycomp/BodyCompositionScreen.h"

namespace kelvora {

// Lohman's equation for children, from the triceps and subscapular skinfolds with a
// constant by sex and age: fat percentage, fat and lean mass and ideal weight.
class LohmanScreen : public BodyCompositionScreen {
    Q_OBJECT
public:
    LohmanScreen(MainWindow& window, Companion& companion, const AssessmentContext& context);

protected:
    bool holdsResult() const override;
};

} // namespace kelvora
