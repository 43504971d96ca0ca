#pragma once

#include "gui/reports/ListOutput.h"
#include "gui/widgets/ChildWindow.h"

#include <memory>

class QBoxLayout;
class QPushButton;

namespace kelvora {

class MainWindow;

// A child window that prints one of the gym's lists: its choices on top, then
// "Vídeo" (the preview), "Imprime" (the printer) and "Sair" (also Esc). While the
// list is made the buttons wait and the cursor shows it; a database failure is told.
class ListWindow : public ChildWindow {
    Q_OBJECT
protected:
    ListWindow(MainWindow& window, const char* name, const QString& caption);

    // Where the concrete list puts its choices.
    QBoxLayout* choices() const { return m_choices; }
    QPushButton* videoButton() const { return m_video; }

    // The list for the choices made, or why there is none (told once the cursor
    // is back).
    using Made = MadeList;
    virtual Made document() = 0;
    void keyPressEvent(QKeyEvent* event) override;
    // The choices select nothing: "Nenhum resultado encontrado !".
    static Made nothingFound();

    MainWindow& m_window;

private:
    void output(bool preview);

    QBoxLayout* m_choices;
    QPushButton* m_video;
    QPushButton* m_print;
};

} // namespace kelvora
