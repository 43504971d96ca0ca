#pragma once

#include "gui/reports/ListWindow.h"

class QRadioButton;

namespace kelvora {

// "Relatório de Avaliação Vencida": the students due for a medical or functional
// re-assessment, by number or by name.
class OverdueListWindow : public ListWindow {
    Q_OBJECT
public:
    explicit OverdueListWindow(MainWindow& window);

private:
    Made document() override;
    // The months come from the settings (or the gym-management database): without
    // them there is no list, and the window closes.
    void checkSettings();

    QRadioButton* m_byName;
    QRadioButton* m_functional;
};

} // namespace kelvora
