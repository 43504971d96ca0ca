#pragma once

#include <QString>

#include <memory>

namespace kelvora {

class Companion;
class MainWindow;
class TestScreen;
struct AssessmentContext;

// The screen of the body-composition protocol chosen in the hub, named by the choice's
// objectName ("RBPollock3Dobras", ...); nullptr for a name that is no protocol.
std::unique_ptr<TestScreen> protocolScreen(const QString& choice, MainWindow& window,
                                           Companion& companion, const AssessmentContext& context);

} // namespace kelvora
