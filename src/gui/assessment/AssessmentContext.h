#pragma once

#include "domain/bodycomp/AssessmentContext.h"

#include <QDate>
#include <QString>

namespace kelvora {

// The assessment the hub is working on: the one thing every test screen it opens
// reads. The hub owns it and changes it as the user chooses a student, a date and a
// command; the test screens only read it.
struct AssessmentContext {
    QString number; // the chosen student's registration number
    QDate examDate;
    bodycomp::HubMode mode = bodycomp::HubMode::Inclusion;
    QString sexCode; // SEXO as stored: "M", "F" or anything else
    int age = 0;     // whole years on the day the student was chosen
    bool functionalRelease = true;
    bool medicalRelease = true;
    QDate referenceDate; // the day re-assessment periods count from

    // "MASCULINO" for "M", "FEMININO" for "F", empty otherwise.
    QString sexCaption() const;
    QString ageCaption() const { return QString::number(age); }
    // The student as the computations see them: male for "M", female otherwise.
    bodycomp::Student student() const { return {bodycomp::sexFromCode(sexCode), age}; }
    // Whether a confirmation records a new assessment (and stamps the student's date).
    bool recordsNewAssessment() const { return mode == bodycomp::HubMode::Inclusion; }
};

} // namespace kelvora
