#include "support/MainWindowStart.h"

#include "data/Connection.h"
#include "support/TestDatabase.h"

namespace kelvora::test {

std::unique_ptr<MainWindow> startMainWindow(const TestDatabase& db)
{
    auto window = std::make_unique<MainWindow>(
        std::make_unique<Connection>(Connection::Kelvora, db.ownLink(), db.folder()),
        std::make_unique<Connection>(Connection::Brandel, db.brandelLink(), db.folder()));
    window->resize(1024, 700);
    window->show();
    if (!window->start())
        return nullptr;
    return window;
}

} // namespace kelvora::test
