#include "gui/widgets/ChildWindow.h"

namespace kelvora {

ChildWindow::ChildWindow(QWidget* parent)
    : QMdiSubWindow(parent, Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setAttribute(Qt::WA_DeleteOnClose);
}

void closeChildScreen(QWidget* screen)
{
    if (auto* frame = qobject_cast<QMdiSubWindow*>(screen->parentWidget()))
        frame->close();
    else
        screen->close();
}

} // namespace kelvora
