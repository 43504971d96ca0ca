#pragma once

#include "report/Report.h"

namespace kelvora::report {

// The frame every printed list of the program shares: the gym's name and the list's
// title on top, a line of the list's own on the left with the moment of printing on
// the right ("Data :" and "Hora :"), a rule, and "Página:" at the foot of each page.
void frameList(Report& report, const QString& gymName, const QString& title,
               const QString& subtitle);

// A column header band: captions in bold at the given left edges (millimetres).
void columnCaptions(Report& report, const QVector<QPair<double, QString>>& captions);

} // namespace kelvora::report
