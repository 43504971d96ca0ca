#pragma once

#include "domain/bodycomp/FatProtocols.h"
#include "domain/bodycomp/FatTables.h"
#include "domain/bodycomp/Protocol.h"
#include "gui/assessment/TestScreen.h"

namespace kelvora {

// What the eight body-composition protocols share: the one `Corporal` row of the
// assessment, the reference tables, the starting values of a new row (protocol
// markers, ideal fat percentages, weight and height from the header row), the marker
// and code of the protocol, and weight and height kept equal with the header row.
class BodyCompositionScreen : public TestScreen {
    Q_OBJECT
protected:
    BodyCompositionScreen(MainWindow& window, Companion& companion,
                          const AssessmentContext& context, bodycomp::Protocol protocol,
                          const char* objectName, const QString& caption);

    const bodycomp::FatTables& tables() const { return m_tables; }
    // Puts a fat protocol's results and its marker into the row.
    void storeResult(const bodycomp::FatResult& result);

    std::optional<bodycomp::AgeRule> ageRule() const override;
    void openReferenceTables() override;
    void prepareRow() override;
    void completeRows() override;

private:
    void startRow();
    void fillIdealFat();
    void reconcileWithHeader(const QString& column, const QString& headerColumn);

    bodycomp::Protocol m_protocol;
    bodycomp::FatTables m_tables;
};

} // namespace kelvora
