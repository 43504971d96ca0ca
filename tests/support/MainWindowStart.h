#pragma once

#include "gui/app/MainWindow.h"

#include <memory>

namespace kelvora::test {

class TestDatabase;

// The main window on `db`, shown and started (connections open, settings read),
// with nobody logged in yet; nullptr when it could not start.
std::unique_ptr<MainWindow> startMainWindow(const TestDatabase& db);

// The hub, opened from "Avaliações" > "Dados Clínicos" by the master user with every
// screen installed.
QWidget* openHubAsMaster(MainWindow& window);
// Types `number` into the hub's search and confirms it with Enter.
void chooseHubStudent(QWidget* hub, const QString& number);

} // namespace kelvora::test
