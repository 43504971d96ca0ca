#pragma once

#include "domain/bodycomp/AssessmentContext.h"

#include <QChar>
#include <QString>

#include <optional>

namespace kelvora::bodycomp {

// The eight body-composition protocols, in the order of their positions in the
// protocol markers (`G_TIPOPROTOCOLO`).
enum class Protocol {
    Pollock3,
    Pollock7,
    BodyMassIndex,
    Slaughter,
    WaistHip,
    Faulkner,
    Lohman,
    TranWeltman,
};

// `G_TIPOPROTOCOLO` of a new row: no protocol computed yet.
inline const QString NewRowMarkers = QStringLiteral("XXXXXXXXXX");

// `markers` with the position of `protocol` set to its letter ("3", "7", "I", "C", "Q",
// "F", "L", "T") and the other positions unchanged. A stored value shorter than ten
// characters is first completed with "X", so every letter keeps its position.
QString markProtocol(const QString& markers, Protocol protocol);

// The letter that marks `protocol` in `G_TIPOPROTOCOLO`.
QChar protocolLetter(Protocol protocol);

// The code `G_TIPO` receives when the protocol's screen confirms.
QString typeCode(Protocol protocol);

// The ages a protocol's screen opens for (inclusive bounds). Outside a hard rule the
// screen refuses to open; outside an advisory one the user is asked whether to go on.
struct AgeRule {
    enum class Kind { Hard, Advisory };
    Kind kind;
    int minimum;
    int maximum;

    bool admits(int age) const { return minimum <= age && age <= maximum; }
    // The detail under "Idade não considerada para este protocolo!".
    QString detail() const;
};

// The rule of the protocol's screen for a student of `sex`; none for Faulkner and the
// body-mass index.
std::optional<AgeRule> ageRule(Protocol protocol, Sex sex);

} // namespace kelvora::bodycomp
