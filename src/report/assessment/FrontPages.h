#pragma once

#include "report/assessment/PageRequest.h"

namespace kelvora::report::FrontPages {

// The cover: the gym's name and logo.
std::shared_ptr<const Printable> cover(const PageRequest& request);
// "Introdução": the student's personal data and photo, then the gym's introduction text.
std::shared_ptr<const Printable> introduction(const PageRequest& request);

} // namespace kelvora::report::FrontPages
