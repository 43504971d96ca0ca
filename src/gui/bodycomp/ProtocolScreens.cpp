#include "gui/bodycomp/ProtocolScreens.h"

#include "gui/bodycomp/BodyMassIndexScreen.h"
#include "gui/bodycomp/FaulknerScreen.h"
#include "gui/bodycomp/LohmanScreen.h"
#include "gui/bodycomp/Pollock3Screen.h"
#include "gui/bodycomp/Pollock7Screen.h"
#include "gui/bodycomp/SlaughterScreen.h"
#include "gui/bodycomp/TranWeltmanScreen.h"
#include "gui/bodycomp/WaistHipScreen.h"

namespace kelvora {

namespace {

using Make = std::unique_ptr<TestScreen> (*)(MainWindow&, Companion&, const AssessmentContext&);

template <typename Screen>
std::unique_ptr<TestScreen> make(MainWindow& window, Companion& companion,
                                 const AssessmentContext& context)
{
    return std::make_unique<Screen>(window, companion, context);
}

const struct {
    const char* choice;
    Make make;
} Screens[] = {
    {"RBPollock3Dobras", make<Pollock3Screen>},      {"RBPollock7Dobras", make<Pollock7Screen>},
    {"RBIndiceCorporal", make<BodyMassIndexScreen>}, {"RBCORPORALCRIANCA", make<SlaughterScreen>},
    {"RBCINTURAQUADRIL", make<WaistHipScreen>},      {"RBFAULKNER", make<FaulknerScreen>},
    {"RBCORPORAL_LOHMAN", make<LohmanScreen>},       {"RBCORPORAL_TRAN", make<TranWeltmanScreen>},
};

} // namespace

std::unique_ptr<TestScreen> protocolScreen(const QString& choice, MainWindow& window,
                                           Companion& companion, const AssessmentContext& context)
{
    for (const auto& screen : Screens)
        if (choice == QLatin1String(screen.choice))
            return screen.make(window, companion, context);
    return nullptr;
}

} // namespace kelvora
