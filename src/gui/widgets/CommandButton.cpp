#include "gui/widgets/CommandButton.h"

#include <QPushButton>

namespace kelvora {

QPushButton* commandButton(QWidget* parent, const char* objectName, const QString& text,
                           QStyle::StandardPixmap icon)
{
    auto* button = new QPushButton(parent->style()->standardIcon(icon), text, parent);
    button->setObjectName(QLatin1String(objectName));
    button->setToolTip(text);
    return button;
}

} // namespace kelvora
