#pragma once

class QWidget;

namespace kelvora {

// Closes a screen that runs as a child window of the main window (its frame goes
// with it), or the screen itself when it stands alone, as in a test.
void closeChildScreen(QWidget* screen);

} // namespace kelvora
