#pragma once

#include "gui/app/MainWindow.h"

#include <memory>

namespace kelvora::test {

class TestDatabase;

// The main window on `db`, shown and started (connections open, settings read),
// with nobody logged in yet; nullptr when it could not start.
std::unique_ptr<MainWindow> startMainWindow(const TestDatabase& db);

} // namespace kelvora::test
