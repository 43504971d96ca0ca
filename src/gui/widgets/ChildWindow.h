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

} // namespace kelvora
