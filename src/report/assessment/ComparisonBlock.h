#pragma once

#include "data/AssessmentRecord.h"
#include "report/Band.h"

namespace kelvora::report::ComparisonBlock {

// "Comparativo" of a protocol's page into `band` (empty when it has none): bar charts
// of the student's last assessments of `protocol` up to the report's date, oldest on
// the left, one colour a date, named in one legend below the charts.
void add(Band& band, double width, const AssessmentRecord& record, bodycomp::Protocol protocol);

} // namespace kelvora::report::ComparisonBlock
