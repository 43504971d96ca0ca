#include "gui/widgets/ToolButtons.h"

#include <QBoxLayout>
#include <QToolButton>

namespace kelvora::ToolButtons {

QToolButton* add(QBoxLayout* row, const QString& caption, const char* name,
                 QStyle::StandardPixmap icon)
{
    auto* button = new QToolButton;
    button->setText(caption);
    button->setObjectName(QLatin1String(name));
    button->setIcon(button->style()->standardIcon(icon));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(true);
    row->addWidget(button);
    return button;
}

} // namespace kelvora::ToolButtons
