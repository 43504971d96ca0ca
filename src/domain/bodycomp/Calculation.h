#pragma once

#include "domain/bodycomp/AssessmentContext.h"
#include "domain/bodycomp/BmiWaistHip.h"
#include "domain/bodycomp/FatProtocols.h"
#include "domain/bodycomp/FatTables.h"
#include "domain/bodycomp/Fields.h"
#include "domain/bodycomp/Protocol.h"

#include <QPair>
#include <QVariant>
#include <QVector>

namespace kelvora::bodycomp {

// Values for columns of a `Corporal` row, in the order they are listed.
using StoredValues = QVector<QPair<QString, QVariant>>;

// The result columns a computation writes, with the values stored in them: reals as
// double, texts as QString, the ideal fat percentage as a whole number.
StoredValues storedValues(Protocol protocol, const FatResult& result);
StoredValues storedValues(const BmiResult& result);
StoredValues storedValues(const WaistHipResult& result);

// Everything besides the typed fields and the reference tables that a computation reads.
struct Circumstances {
    Student student;
    QString race = QStringLiteral("Branca"); // as the Slaughter screen shows it
    BmiTable bmiTable = BmiTable::Simple;
};

// Computes `protocol` from `fields` and gives what it writes into the `Corporal` row: the
// result columns, Slaughter's maturation stage, and `G_TIPOPROTOCOLO` with the protocol's
// marker set on the markers in `fields` (those of a new row when there are none).
// Throws Refused when a field fails its check.
StoredValues calculate(Protocol protocol, const FieldTexts& fields,
                       const Circumstances& circumstances, const FatTables& tables);

} // namespace kelvora::bodycomp
