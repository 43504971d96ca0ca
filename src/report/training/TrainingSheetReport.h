#pragma once

#include "data/TrainingSheet.h"
#include "report/Pages.h"

#include <memory>

namespace kelvora::report {

// "Ficha de Exercício ": the sheet a student takes to the gym floor. Routine "A"
// starts with the aerobic programme when there is one; every routine has its
// strength exercises and the stretching chart.
namespace TrainingSheetReport {

inline const QString Title = QStringLiteral("Ficha de Exercício ");

struct Student {
    QString number;
    QString name;
};

std::shared_ptr<Printable> build(const QString& gymName, const Student& student,
                                 const TrainingSheet& sheet);

} // namespace TrainingSheetReport
} // namespace kelvora::report
