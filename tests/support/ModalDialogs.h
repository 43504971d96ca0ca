#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace kelvora::test {

// Runs `action` on the modal dialog named `name` once it is shown: the way a test
// types into a dialog that blocks in exec().
void whenShown(const QString& name, std::function<void(QWidget*)> action);

} // namespace kelvora::test
