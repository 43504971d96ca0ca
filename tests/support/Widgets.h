#pragma once

#include <QWidget>

namespace kelvora::test {

// The child of `parent` named `name`; a test that asks for one that is not there
// stops at once, naming it.
template <typename T>
T* child(QWidget* parent, const char* name)
{
    auto* widget = parent->findChild<T*>(QLatin1String(name));
    if (!widget)
        qFatal("no %s", name);
    return widget;
}

} // namespace kelvora::test
