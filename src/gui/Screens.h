#pragma once

namespace kelvora {

class MainWindow;

// Puts every feature's screen behind its menu item or shortcut button: the one
// place that knows which screen each item opens.
void installScreens(MainWindow& window);

} // namespace kelvora
