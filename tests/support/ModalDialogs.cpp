#include "support/ModalDialogs.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

namespace kelvora::test {

void whenShown(const QString& name, std::function<void(QWidget*)> action)
{
    QTimer::singleShot(10, [name, action] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal->objectName() == name && modal->isVisible())
            action(modal);
        else
            whenShown(name, action);
    });
}

} // namespace kelvora::test
