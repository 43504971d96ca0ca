#pragma once

#include "gui/widgets/ChildWindow.h"

#include <functional>

class QButtonGroup;
class QDialog;

namespace kelvora {

class MainWindow;
class SettingsEdit;

// "Configuração do Sistema": the chooser of the configuration dialogs. Each choice
// reads the settings row afresh into one edit that its dialog shares, shows the
// dialog modally and forgets the edit when the dialog closes.
class SystemConfigurationWindow : public ChildWindow {
    Q_OBJECT
public:
    explicit SystemConfigurationWindow(MainWindow& window);

private:
    using DialogFactory = std::function<QDialog*(SettingsEdit&)>;
    void addOption(const QString& caption, const QString& name, DialogFactory factory);
    void open(const DialogFactory& factory);

    MainWindow& m_window;
    QButtonGroup* m_options;
    QWidget* m_group;
};

} // namespace kelvora
