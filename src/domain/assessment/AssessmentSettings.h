#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

namespace kelvora::assessment {

// One line of the assessment settings: a test (or report page) with the `Moxcvar`
// column that offers it in the hub ("Sim"/"Não") and the flag column that ticks
// its page by default in the report selection.
struct AssessmentSetting {
    const char* label;
    const char* offered; // nullptr for pages that are not a test (cover, introduction)
    const char* printed;
};

// The tests and pages, in the order the settings screen lists them.
const QVector<AssessmentSetting>& testSettings();
// The body-composition protocols, in the order the settings screen lists them.
const QVector<AssessmentSetting>& protocolSettings();

// What the hub offers for one assessment.
struct OfferedTests {
    QStringList tests; // offered columns of the tests whose buttons are enabled
    bool bodyComposition = false;
    QStringList protocols; // offered columns of the protocols enabled in its chooser
};

// The hub's offer rule. The medical examination needs the medical release, every other
// test the functional one; a test is offered when its column is "Sim". The
// body-composition button needs the functional release and one protocol that is not
// "Não"; then every protocol not "Não" is offered. `settings` maps column names to the
// values of the settings row.
OfferedTests offeredTests(const QHash<QString, QVariant>& settings, bool medicalRelease,
                          bool functionalRelease);

} // namespace kelvora::assessment
