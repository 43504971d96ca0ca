// The assessment hub with 100,000 students: opening it and positioning its grid on a
// typed name prefix, per keystroke (the look-up, the grid's new current row and the
// student's photo; then the painting it causes). Runs on SQLite and, when
// KELVORA_TEST_PG names a server, on PostgreSQL. Run by hand: bench_hub_search [students]
#include "Timings.h"
#include "data/Connection.h"
#include "data/Rows.h"
#include "gui/Screens.h"
#include "gui/app/MainWindow.h"
#include "support/MainWindowStart.h"
#include "support/ScriptedMessages.h"
#include "support/TestDatabase.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>

#include <algorithm>
#include <cstdio>

using namespace kelvora;
using namespace kelvora::test;

using namespace kelvora::bench;

namespace {

const char* const FirstNames[] = {"ANA",     "BRUNO", "CARLA",  "DANIEL",  "EDUARDA",
                                  "FABIO",   "GABRIELA", "HUGO", "ISABELA", "JOAO"};
const char* const LastNames[] = {"ALMEIDA", "BARBOSA", "CARDOSO", "DIAS",  "FERREIRA",
                                 "GOMES",   "LIMA",    "MARTINS", "NUNES", "SOUZA"};

QString randomName(QRandomGenerator& random)
{
    const auto pick = [&random](const auto& list) {
        return QLatin1String(list[random.bounded(int(std::size(list)))]);
    };
    return pick(FirstNames) + QLatin1Char(' ') + pick(LastNames) + QLatin1Char(' ') +
           pick(LastNames);
}

void run(const QString& backend, int students)
{
    TestDatabase db(backend);
    db.install();
    auto own = db.connect();
    QRandomGenerator random(42);
    QVector<QVariantList> rows;
    for (int i = 1; i <= students; ++i)
        rows.append({QStringLiteral("%1").arg(i, 10, 10, QLatin1Char('0')), randomName(random),
                     QStringLiteral("M")});
    {
        Transaction transaction(*own, QStringLiteral("Alunos"));
        Rows::insertAll(*own, QStringLiteral("Alunos"),
                        {QStringLiteral("MATRICULA"), QStringLiteral("NOME"), QStringLiteral("SEXO")},
                        rows);
        transaction.commit();
    }

    ScriptedMessages messages;
    const std::unique_ptr<MainWindow> window = startMainWindow(db);
    window->logIn(QStringLiteral("00"));
    installScreens(*window);
    window->resize(1100, 850);
    QElapsedTimer timer;
    timer.start();
    window->menuItem(QStringLiteral("MNCLINICO"))->trigger();
    QCoreApplication::processEvents();
    const double opened = ms(timer);
    QWidget* hub = window->mdiArea()->activeSubWindow()->widget();
    hub->findChild<QPushButton*>(QStringLiteral("PNLNOME"))->click();
    auto* search = hub->findChild<QLineEdit*>(QStringLiteral("EDTMATRICULA"));

    QVector<double> positioning;
    QVector<double> painting;
    for (int i = 0; i < 40; ++i) {
        const QString name = randomName(random).left(3 + random.bounded(8));
        search->clear();
        QCoreApplication::processEvents();
        for (const QChar c : name) {
            timer.restart();
            QTest::keyClick(search, c.toLatin1());
            positioning << ms(timer);
            timer.restart();
            hub->window()->repaint();
            painting << ms(timer);
        }
    }
    const Spread typed = spread(positioning);
    const Spread painted = spread(painting);
    std::printf("%s, %d students\n", qPrintable(backend), students);
    std::printf("  open the hub                      %9.1f ms\n", opened);
    std::printf("  name keystroke, positioning median/p95/worst %.3f / %.3f / %.3f ms; "
                "painting median/p95 %.3f / %.3f ms\n",
                typed.median, typed.p95, typed.worst, painted.median, painted.p95);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const int students = argc > 1 ? std::max(1, std::atoi(argv[1])) : 100000;
    for (const QString& backend : backends())
        run(backend, students);
    return 0;
}
