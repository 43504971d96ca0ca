#pragma once

#include <QDate>

namespace kelvora {

class Connection;

// Realistic, reproducible sample data for the stand-ins of the companion databases,
// for demonstrations and for the tests of the screens that read them: students of
// both sexes and all ages with addresses and some photos, who left the gym or are
// active, schedules for the working day and other days, an open cash register,
// activities, staff, and training sheets of routines A to E with aerobic
// programmes and stretches.
namespace SampleCompanionData {

struct Options {
    int students = 50;
    quint32 seed = 1; // the same seed gives the same rows
    QDate today;      // the working day: the cash register is open on it
};

// Whether the gym-management stand-in holds students already.
bool holdsStudents(const Connection& brandel);

// Replaces every row of both stand-ins (the training product's settings row
// stays), one transaction per database. Throws DataError.
void fill(Connection& brandel, Connection& corvun, const Options& options);

} // namespace SampleCompanionData
} // namespace kelvora
