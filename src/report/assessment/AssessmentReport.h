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
// body-composition section.
std::shared_ptr<CompositeReport> assessmentReport(const AssessmentRecord& record,
                                                  const reportpages::PageSet& ticked);

} // namespace kelvora::report
