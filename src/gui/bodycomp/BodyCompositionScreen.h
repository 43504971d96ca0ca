#pragma once

#include "domain/bodycomp/Calculation.h"
#include "domain/bodycomp/FatTables.h"
#include "domain/bodycomp/Protocol.h"
#include "gui/assessment/TestScreen.h"
#include "gui/bodycomp/ResultWidgets.h"

class QGroupBox;

namespace kelvora {

// What the eight body-composition protocols share: the one `Corporal` row of the
// assessment, the reference tables, the starting values of a new row (protocol
// markers, ideal fat percentages, weight and height from the header row), the one
// computation of the protocol (the same the command line runs) with its marker, the
// result displays, and weight and height kept equal with the header row.
//
// A concrete screen lays out its fields and results, gives their Enter order, tells a
// row that holds its result and, when it is not a fat protocol, shows the result.
class BodyCompositionScreen : public TestScreen {
    Q_OBJECT
protected:
    BodyCompositionScreen(MainWindow& window, Companion& companion,
                          const AssessmentContext& context, bodycomp::Protocol protocol,
                          const char* objectName, const QString& caption);

    // A measure field of a group: objectName, column, caption and unit.
    struct Measure {
        const char* objectName;
        QString column;
        const char* caption;
        const char* unit;
    };
    // A group captioned `title` with one row per measure; its fields, in the order given.
    QList<QLineEdit*> addMeasures(QGroupBox* group, const QVector<Measure>& measures);
    QGroupBox* group(const QString& title);
    // The screen's groups side by side: `left` over each other, `right` beside them.
    void layOut(const QList<QWidget*>& left, const QList<QWidget*>& right);

    // The protocol's ideal fat percentage; Enter moves the focus to `next`.
    QLineEdit* idealFatField(const char* objectName, const QString& column, QWidget* next);
    // The fat protocol's result displays, kept by the screen and filled by showResult().
    FatResultGroup* fatResults(const FatResultGroup::Displays& displays, QLineEdit* idealFat);
    // The compute command ("Cálcula").
    QPushButton* computeCommand(const char* objectName);
    // Enter in the height: an empty height or one typed in metres is refused there,
    // before it spoils the computation; otherwise `next` runs.
    void whenHeightEntered(QLineEdit* height, std::function<void()> next);
    // Enter in the weight moves to the height, Enter in the height (by the rule above)
    // to `next`. A weight left empty or zero is refused there and then.
    void enterWeightThenHeight(QLineEdit* weight, QLineEdit* height, QWidget* next);

    // Whether none of `columns` is null in the row.
    bool holdsAll(const QStringList& columns) const;

    // Everything besides the fields and reference tables the computation reads.
    virtual bodycomp::Circumstances circumstances() const;
    // Shows the results the row holds.
    virtual void showResult();

    std::optional<bodycomp::AgeRule> ageRule() const override;
    void openReferenceTables() override;
    void prepareRow() override;
    void compute() override;
    void completeRows() override;

private:
    void startRow();
    void fillIdealFat();
    void reconcileWithHeader(const QString& column, const QString& headerColumn);

    bodycomp::Protocol m_protocol;
    bodycomp::FatTables m_tables;
    FatResultGroup* m_fatResults = nullptr;
    bool m_hasIdealFat = false;
};

} // namespace kelvora
