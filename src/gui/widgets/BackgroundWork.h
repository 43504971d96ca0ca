#pragma once

#include <functional>

class QObject;

namespace kelvora {

// Runs `work` on a thread of its own, so that the window stays responsive, then
// `done` on the thread of `context` (the GUI thread). `work` must not touch widgets,
// nor a database connection opened on another thread: it opens its own. `done` is
// not called when `context` is gone by then.
void runInBackground(QObject* context, std::function<void()> work, std::function<void()> done);

} // namespace kelvora
