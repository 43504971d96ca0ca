#include "gui/auth/GuardedDialog.h"

#include <QCloseEvent>

namespace kelvora {

GuardedDialog::GuardedDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setModal(true);
}

void GuardedDialog::reject()
{
    if (m_finishing)
        QDialog::reject();
}

void GuardedDialog::finish(int result)
{
    m_finishing = true;
    done(result);
    m_finishing = false;
}

void GuardedDialog::closeEvent(QCloseEvent* event)
{
    if (m_finishing)
        QDialog::closeEvent(event);
    else
        event->ignore();
}

} // namespace kelvora
