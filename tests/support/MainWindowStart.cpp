#include "support/MainWindowStart.h"

#include "data/Connection.h"
#include "domain/UserRules.h"
#include "gui/Screens.h"
#include "gui/assessment/TestScreen.h"
#include "support/TestDatabase.h"
#include "support/Widgets.h"

#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>

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

QWidget* openHubAsMaster(MainWindow& window)
{
    window.logIn(MasterUserCode);
    installScreens(window);
    window.menuItem(QStringLiteral("MNCLINICO"))->trigger();
    return window.mdiArea()->activeSubWindow()->widget();
}

void chooseHubStudent(QWidget* hub, const QString& number)
{
    auto* search = child<QLineEdit>(hub, "EDTMATRICULA");
    search->setText(number);
    QTest::keyClick(search, Qt::Key_Return);
}

bool startForTyping(TestScreen& screen)
{
    if (!screen.start())
        return false;
    screen.show();
    screen.activateWindow();
    return QTest::qWaitForWindowActive(&screen);
}

} // namespace kelvora::test
