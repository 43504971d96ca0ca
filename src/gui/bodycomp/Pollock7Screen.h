#pragma once

#include "gui/bodycomp/BodyCompositionScreen.h"

namespace kelvora {

// Pollock and Jackson's seven skinfolds, the same for both sexes: fat percentage, its
// level, fat and lean mass and ideal weight.
class Pollock7Screen : public BodyCompositionScreen {
    Q_OBJECT
public:
    Pollock7Screen(MainWindow& window, Companion& companion, const AssessmentContext& context);

protected:
    bool holdsResult() const override;
};

} // namespace kelvora
