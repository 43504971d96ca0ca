#pragma once

#include <QMdiSubWindow>

namespace kelvora {

// A child window of the main window without title-bar buttons: it closes only
// through its own "Sair", so its closing steps always run.
class ChildWindow : public QMdiSubWindow {
    Q_OBJECT
public:
    explicit ChildWindow(QWidget* parent = nullptr);
};

// Closes a screen that runs inside a child window of the main window (its frame goes
// with it), or the screen itself when it stands alone, as in a test.
void closeChildScreen(QWidget* screen);

} // namespace kelvora
