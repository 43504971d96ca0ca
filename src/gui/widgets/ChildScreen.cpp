#include "gui/widgets/ChildScreen.h"

#include <QMdiSubWindow>

namespace kelvora {

void closeChildScreen(QWidget* screen)
{
    if (auto* frame = qobject_cast<QMdiSubWindow*>(screen->parentWidget()))
        frame->close();
    else
        screen->close();
}

} // namespace kelvora
