#pragma once

#include "gui/bodycomp/BodyCompositionScreen.h"

class QGroupBox;
class QLabel;

namespace kelvora {

// Pollock's three skinfolds, chosen by sex, with five other skinfolds that are only
// recorded: fat percentage, its level, fat and lean mass and ideal weight.
class Pollock3Screen : public BodyCompositionScreen {
    Q_OBJECT
public:
    Pollock3Screen(MainWindow& window, Companion& companion, const AssessmentContext& context);

protected:
    bool holdsResult() const override;
    void compute() override;
    void rowShown() override;

private:
    QWidget* measuresGroup();
    QWidget* skinfoldsGroup();
    QWidget* resultGroup();
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

    QLabel* m_fat;
    QLabel* m_range;
    QLabel* m_fatMass;
    QLabel* m_leanMass;
    QLabel* m_idealWeight;
    QLabel* m_levelCaption;
    QLabel* m_level;

    QPushButton* m_compute;
    QPushButton* m_otherSkinfolds;
    QPushButton* m_back;
    QList<QWidget*> m_mainGroups;
    QWidget* m_otherGroup;
};

} // namespace kelvora
