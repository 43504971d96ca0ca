#pragma once

#include "report/Report.h"

#include <memory>

namespace kelvora {
class AssessmentRecord;
}

namespace kelvora::report {

// What every page of the assessment report has in common: A4 upright with margins of
// 10 mm, a page header naming the student and the assessment, and the gym's name and
// address framed at the foot.
namespace AssessmentPage {

enum class Header {
    None,      // the cover
    DatesOnly, // the introduction, which presents the student itself
    StudentAndDates,
};

std::shared_ptr<Report> make(const AssessmentRecord& record, Header header);

// A section's heading across `width`: bold text on a light band.
void heading(Band& band, const QRectF& frame, const QString& text);

// The colour of the headings' band, and of the frames that go with them.
QColor shade();

} // namespace AssessmentPage
} // namespace kelvora::report
