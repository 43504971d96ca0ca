#pragma once

#include <QString>

namespace kelvora::bodycomp {

// The student's sex as the computations tell it: "M" is male, every other code female.
enum class Sex { Male, Female };

inline Sex sexFromCode(const QString& code)
{
    return code == QLatin1String("M") ? Sex::Male : Sex::Female;
}

// The assessed student: sex and age in whole years, as the assessment hub holds them.
struct Student {
    Sex sex = Sex::Female;
    int age = 0;
};

// What the assessment hub is doing: recording a new assessment, changing or deleting one.
enum class HubMode { Inclusion, Change, Exclusion };

} // namespace kelvora::bodycomp
