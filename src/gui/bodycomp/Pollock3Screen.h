#pragma once

#include "gui/bodycomp/BodyCompositionScreen.h"

namespace kelvora {

// Pollock's three skinfolds, chosen by sex, with five other skinfolds that are only
// recorded: fat percentage, its level, fat and lean mass and ideal weight.
class Pollock3Screen : public BodyCompositionScreen {
    Q_OBJECT
public:
    Pollock3Screen(MainWindow& window, Companion& companion, const AssessmentContext& context);

protected:
    bool holdsResult() const override;
    void rowShown() override;

private:
    QWidget* otherSkinfoldsGroup();
    void enterOrder();
    void showOtherSkinfolds(bool shown);
    bool male() const;

    QLineEdit* m_weight;
    QLineEdit* m_height;
    QLineEdit* m_chest;
    QLineEdit* m_abdomen;
    QLineEdit* m_triceps;
    QLineEdit* m_suprailiac;
    QLineEdit* m_thigh;
    QLineEdit* m_idealFat;
    QList<QLineEdit*> m_others;

    FatResultGroup* m_results;
    QPushButton* m_back;
    QList<QWidget*> m_mainGroups;
    QWidget* m_otherGroup;
};

} // namespace kelvora
