#pragma once

#include "domain/bodycomp/Protocol.h"

#include <QHash>
#include <QString>
#include <QVariant>
#include <QVector>

#include <optional>
#include <set>

namespace kelvora::reportpages {

// The boxes of the report selection, in the order their pages print. A comparison box
// stands right after the page it belongs to.
enum class PageBox {
    Cover,
    Introduction,
    Medical,
    Prescription,
    Anamnesis,
    CardiacRisk,
    Perimetry,
    PerimetryComparison,
    Pollock3,
    Pollock3Comparison,
    Pollock7,
    Pollock7Comparison,
    BodyMassIndex,
    Slaughter,
    SlaughterComparison,
    WaistHip,
    Faulkner,
    Lohman,
    LohmanComparison,
    TranWeltman,
    PosturalFrontBack,
    PosturalSides,
    Flexitest,
    Vo2Max,
    Wells,
    Abdominal,
    PushUp,
};

// Ordered as the pages print.
using PageSet = std::set<PageBox>;

struct PageBoxInfo {
    PageBox box;
    const char* objectName; // of the box in the selection dialog
    const char* caption;
    const char* name;       // on the command line
    const char* offered;    // settings column ("Sim"/"Não") that offers it; nullptr: see below
    const char* printed;    // settings flag that ticks it by default; nullptr: its page's
    std::optional<bodycomp::Protocol> protocol; // body-composition pages and comparisons
    std::optional<PageBox> comparisonOf;        // the page a comparison box belongs to
};

// Every box, in the order of PageBox.
const QVector<PageBoxInfo>& pageBoxes();
const PageBoxInfo& info(PageBox box);
std::optional<PageBox> pageBoxNamed(const QString& name);

// Settings row of `Moxcvar` by column name.
using Settings = QHash<QString, QVariant>;

// The boxes that may be ticked for an assessment. The cover always; the introduction
// when the user may change assessments; a test's page when its test is in use; a
// protocol's page and its comparison when any protocol is in use and the assessment's
// `G_TIPOPROTOCOLO` (`markers`, nothing without a body-composition row) holds the
// protocol's letter anywhere.
PageSet availablePages(const Settings& settings, const std::optional<QString>& markers,
                       bool mayChangeAssessments);

// The boxes ticked when an assessment is chosen: the available ones whose flag is set.
// A ticked perimetry or protocol page brings its available comparison along.
PageSet defaultTicks(const PageSet& available, const Settings& settings);

// `ticks` with `box` ticked: a comparison brings its page along.
PageSet withTick(PageSet ticks, PageBox box);

} // namespace kelvora::reportpages
