#pragma once

#include "data/FollowUpLists.h"
#include "report/Report.h"

#include <memory>

namespace kelvora::report {

// The students due for a re-assessment: number, name and the date of the last one.
namespace OverdueListReport {
QString title(FollowUpLists::Kind kind);
std::unique_ptr<Report> build(const QString& gymName, FollowUpLists::Kind kind,
                              const QVector<FollowUpLists::OverdueStudent>& students);
} // namespace OverdueListReport

// The assessments of a period, by assessor and then by date, with the count of each
// date, of each assessor and of the period.
namespace DoneListReport {
inline const QString Title = QStringLiteral("Avaliações Feitas");
// `first` and `last` as the user typed them.
std::unique_ptr<Report> build(const QString& gymName, const QString& first, const QString& last,
                              const QVector<FollowUpLists::DoneAssessment>& assessments);
} // namespace DoneListReport

} // namespace kelvora::report
