#include "gui/widgets/KeyActions.h"

#include <QEvent>
#include <QKeyEvent>
#include <QWidget>

namespace kelvora::KeyActions {

namespace {

class KeyFilter : public QObject {
public:
    KeyFilter(QWidget* widget, QList<int> keys, std::function<void()> action)
        : QObject(widget)
        , m_keys(std::move(keys))
        , m_action(std::move(action))
    {
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        // A dialog acts on Enter and Esc through ShortcutOverride before the key
        // reaches the field; claiming the key there keeps it for the field.
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
            return false;
        auto* keyEvent = static_cast<QKeyEvent*>(event);
        int key = keyEvent->key();
        if (key == Qt::Key_Enter)
            key = Qt::Key_Return;
        if (!m_keys.contains(key))
            return false;
        if (event->type() == QEvent::ShortcutOverride) {
            event->accept();
            return true;
        }
        m_action();
        return true;
    }

private:
    QList<int> m_keys;
    std::function<void()> m_action;
};

} // namespace

void on(QWidget* widget, const QList<int>& keys, std::function<void()> action)
{
    widget->installEventFilter(new KeyFilter(widget, keys, std::move(action)));
}

void enterMovesAlong(const QList<QWidget*>& order)
{
    for (int i = 0; i + 1 < order.size(); ++i) {
        QWidget* next = order.at(i + 1);
        on(order.at(i), {Qt::Key_Return}, [next] { next->setFocus(); });
    }
}

} // namespace kelvora::KeyActions
