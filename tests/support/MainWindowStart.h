#pragma once

#include "gui/app/MainWindow.h"

#include <memory>

namespace kelvora {
class TestScreen;
}

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

// Opens a test screen as the hub does and shows it active, ready for typing; false
// when its opening stopped or it never became active.
bool startForTyping(TestScreen& screen);

} // namespace kelvora::test
