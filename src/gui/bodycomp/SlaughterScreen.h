#pragma once

#include "gui/bodycomp/BodyCompositionScreen.h"

class QButtonGroup;
class QComboBox;

namespace kelvora {

// Slaughter's equations for children and adolescents, from the triceps and subscapular
// skinfolds by sex and, for boys, by race and maturation stage: fat percentage, its
// level, fat and lean mass.
class SlaughterScreen : public BodyCompositionScreen {
    Q_OBJECT
public:
    SlaughterScreen(MainWindow& window, Companion& companion, const AssessmentContext& context);

protected:
    void openReferenceTables() override;
    void rowShown() override;
    bool holdsResult() const override;
    void showHeldResult() override;
    bodycomp::Circumstances circumstances() const override;

private:
    QWidget* stageGroup();

    QComboBox* m_race;
    QButtonGroup* m_stages;
    QString m_storedRace; // the anamnesis's race; none without an anamnesis of the date
    bool m_hasAnamnesis = false;
};

} // namespace kelvora
