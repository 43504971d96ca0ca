#pragma once

#include "domain/report/ReportPages.h"
#include "report/Pages.h"

#include <memory>

namespace kelvora {
class AssessmentRecord;
}

namespace kelvora::report {

// What a page of the assessment report is made from.
struct PageRequest {
    reportpages::PageBox page;
    const AssessmentRecord& record;
    const reportpages::PageSet& ticked;
    // The first body-composition page carries the section's title.
    bool sectionTitle = false;
};

using PageMaker = std::shared_ptr<const Printable> (*)(const PageRequest& request);

} // namespace kelvora::report
