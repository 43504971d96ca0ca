#pragma once

#include <QDate>
#include <QString>
#include <QVector>

#include <optional>

namespace kelvora {

class Connection;

// What the gym's follow-up lists read: the students due for a re-assessment and
// the assessments made in a period. Students come from the register the settings
// choose (the gym-management database's active students in companion mode).
// Reads throw OpenFailed naming the table that could not be read.
namespace FollowUpLists {

enum class Kind { Medical, Functional };
enum class Order { ByNumber, ByName };

struct OverdueStudent {
    QString number;
    QString name;
    std::optional<QDate> lastAssessment; // none: never assessed
};

// The last day an assessment may have been made and still be due: `months` whole
// months before `today`, the day of the month kept or, when that month is shorter,
// its last day.
QDate cutOff(const QDate& today, int months);

// Enrolled students (no SAIDA) whose last assessment of `kind` is before the
// cut-off for the months the settings give, or who were never assessed.
QVector<OverdueStudent> overdueStudents(Connection& own, Connection& brandel, Kind kind,
                                        Order order, const QDate& today);

struct DoneAssessment {
    QString number;
    QDate date;
    QString assessor;     // the user's code
    QString assessorName; // empty when the user is gone
    std::optional<QString> studentName; // none: the student's row is gone
};

// The assessments from `first` to `last` (both included), of one assessor or, with
// an empty code, of all; ordered by assessor, then date.
QVector<DoneAssessment> assessmentsDone(Connection& own, Connection& brandel, const QDate& first,
                                        const QDate& last, const QString& assessor);

} // namespace FollowUpLists
} // namespace kelvora
