#pragma once

#include <QApplication>

namespace kelvora {

// The wait cursor while slow work runs (when `on`), taken down however the work ends.
class WaitCursor {
public:
    explicit WaitCursor(bool on = true)
        : m_on(on)
    {
        if (m_on)
            QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~WaitCursor()
    {
        if (m_on)
            QApplication::restoreOverrideCursor();
    }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    bool m_on;
};

} // namespace kelvora
