#include "gui/widgets/ChildWindow.h"

namespace kelvora {

ChildWindow::ChildWindow(QWidget* parent)
    : QMdiSubWindow(parent, Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setAttribute(Qt::WA_DeleteOnClose);
}

} // namespace kelvora
