#pragma once

#include "gui/bodycomp/BodyCompositionScreen.h"

namespace kelvora {

// Tran and Weltman's equation for older adults, from two abdominal circumferences, the
// hip, the height and the age, the same for both sexes: fat percentage, fat and lean
// mass and ideal weight.
class TranWeltmanScreen : public BodyCompositionScreen {
    Q_OBJECT
public:
    TranWeltmanScreen(MainWindow& window, Companion& companion, const AssessmentContext& context);

protected:
    bool holdsResult() const override;
};

} // namespace kelvora
