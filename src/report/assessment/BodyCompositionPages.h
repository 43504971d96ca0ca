#pragma once

#include "report/assessment/PageRequest.h"

namespace kelvora::report::BodyCompositionPages {

// The page of one body-composition protocol (`request.page`): the values stored in
// the assessment's `Corporal` row, never recomputed, and on four protocols the
// comparison with the student's earlier assessments when its box is ticked.
std::shared_ptr<const Printable> make(const PageRequest& request);

} // namespace kelvora::report::BodyCompositionPages
