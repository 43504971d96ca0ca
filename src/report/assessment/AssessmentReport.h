#pragma once

#include "domain/report/ReportPages.h"
#include "report/CompositeReport.h"

#include <memory>

namespace kelvora {
class AssessmentRecord;
}

namespace kelvora::report {

// The assessment report of `record`: the ticked pages in their printing order, each
// with the common page header and footer, "Composição Corporal" once above the
// body-composition section. A ticked page whose data the assessment does not hold is
// left out (see pagesLeftOut), never printed as an empty form.
std::shared_ptr<CompositeReport> assessmentReport(const AssessmentRecord& record,
                                                  const reportpages::PageSet& ticked);

// The pages the report has a page for, comparisons included.
reportpages::PageSet printablePages();

// The ticked pages (not comparisons) that assessmentReport() leaves out because the
// assessment holds no data for them, for the user to be told which.
reportpages::PageSet pagesLeftOut(const AssessmentRecord& record,
                                  const reportpages::PageSet& ticked);

} // namespace kelvora::report
