// The student register with 100,000 students: importing them from a CSV file (the
// code of kelvora-cli students import), opening the register, positioning on a typed
// name prefix and on a typed number (per keystroke, with the grid's repositioning and
// painting) and confirming an include. Runs on SQLite and, when KELVORA_TEST_PG names a
// server, on PostgreSQL. Run by hand: bench_students [students]
#include "Timings.h"
#include "data/StudentFile.h"
#include "data/Students.h"
#include "gui/Screens.h"
#include "gui/app/MainWindow.h"
#include "gui/widgets/ChoiceBox.h"
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
#include <QTableView>
#include <QTest>

#include <algorithm>
#include <cstdio>

using namespace kelvora;
using namespace kelvora::test;

using namespace kelvora::bench;

namespace {

const char* const FirstNames[] = {"ANA",    "BRUNO",  "CARLA",   "DANIEL", "EDUARDA", "FABIO",
                                  "GABRIELA", "HUGO", "ISABELA", "JOAO",   "KARINA",  "LUCAS",
                                  "MARIA",  "NELSON", "OLIVIA",  "PEDRO",  "RAFAELA", "SERGIO",
                                  "TATIANA", "VITOR"};
const char* const LastNames[] = {"ALMEIDA", "BARBOSA", "CARDOSO", "DIAS",    "FERREIRA",
                                 "GOMES",   "LIMA",    "MARTINS", "NUNES",   "OLIVEIRA",
                                 "PEREIRA", "RIBEIRO", "SANTOS",  "SILVA",   "SOUZA",
                                 "TEIXEIRA", "VIEIRA", "XAVIER"};

QString randomName(QRandomGenerator& random)
{
    const auto pick = [&random](const auto& list) {
        return QLatin1String(list[random.bounded(int(std::size(list)))]);
    };
    return pick(FirstNames) + QLatin1Char(' ') + pick(LastNames) + QLatin1Char(' ') +
           pick(LastNames);
}

QByteArray importFile(int students)
{
    QRandomGenerator random(42);
    QByteArray csv = "NOME;SEXO;ENDERECO;BAIRRO;CIDADE;ESTADO;CEP;DATA_NASCIMENTO;EMAIL\n";
    for (int i = 0; i < students; ++i)
        csv += QStringLiteral("%1;%2;RUA %3, %4;CENTRO;NITEROI;RJ;24020-070;%5/%6/%7;\n")
                   .arg(randomName(random), random.bounded(2) ? QStringLiteral("F")
                                                              : QStringLiteral("M"))
                   .arg(random.bounded(500))
                   .arg(random.bounded(2000))
                   .arg(1 + random.bounded(28), 2, 10, QLatin1Char('0'))
                   .arg(1 + random.bounded(12), 2, 10, QLatin1Char('0'))
                   .arg(1950 + random.bounded(60))
                   .toUtf8();
    return csv;
}

struct Keystrokes {
    Spread positioning; // the look-up, the grid's new current row and the student shown
    Spread painting;    // the grid and the fields painted again
};

// Types each text key by key into `field`, timing every keystroke: its handling, then
// the painting it causes.
Keystrokes typeTimed(QLineEdit* field, const QStringList& texts)
{
    QVector<double> positioning;
    QVector<double> painting;
    for (const QString& text : texts) {
        field->clear();
        QCoreApplication::processEvents();
        for (const QChar c : text) {
            QElapsedTimer timer;
            timer.start();
            QTest::keyClick(field, c.toLatin1());
            positioning << ms(timer);
            timer.restart();
            field->window()->repaint();
            painting << ms(timer);
        }
    }
    return {spread(positioning), spread(painting)};
}

void run(const QString& backend, int students)
{
    TestDatabase db(backend);
    db.install();
    auto own = db.connect();
    const QByteArray csv = importFile(students);

    QElapsedTimer timer;
    timer.start();
    const StudentFile::Import import = StudentFile::read(csv, *own);
    const double checked = ms(timer);
    Students::include(*own, import.students);
    const double imported = ms(timer);
    if (!import.problems.isEmpty() || import.students.size() != students) {
        std::printf("%s: the import refused the file\n", qPrintable(backend));
        return;
    }

    ScriptedMessages messages;
    const std::unique_ptr<MainWindow> window = startMainWindow(db);
    window->logIn(QStringLiteral("00"));
    installScreens(*window);
    window->resize(1100, 850);
    timer.restart();
    window->menuItem(QStringLiteral("MNALUNOS"))->trigger();
    QCoreApplication::processEvents();
    const double opened = ms(timer);
    QWidget* screen = window->mdiArea()->activeSubWindow()->widget();
    const auto button = [screen](const char* name) {
        return screen->findChild<QAbstractButton*>(QLatin1String(name));
    };
    auto* search = screen->findChild<QLineEdit*>(QStringLiteral("EDTMATRICULA"));

    QRandomGenerator random(7);
    QStringList names;
    QStringList numbers;
    for (int i = 0; i < 40; ++i) {
        names << randomName(random).left(3 + random.bounded(8)).toLower();
        numbers << QString::number(1 + random.bounded(students));
    }
    // The look-up alone: one query on the index of the column.
    QVector<double> lookups;
    for (const QString& name : names)
        for (int length = 1; length <= name.size(); ++length) {
            timer.restart();
            Students::firstBeginningWith(*own, Students::Order::ByName, name.left(length));
            lookups << ms(timer);
        }
    const Spread lookup = spread(lookups);

    button("SBPROCURA")->click();
    const Keystrokes byName = typeTimed(search, names);
    button("PNLMATRICULA")->click();
    const Keystrokes byNumber = typeTimed(search, numbers);
    button("BBNCANCELAP")->click();

    QVector<double> includes;
    for (int i = 0; i < 5; ++i) {
        button("SBINCLUIR")->click();
        const auto field = [screen](const char* column) {
            return screen->findChild<QLineEdit*>(QStringLiteral("DBEDT") + QLatin1String(column));
        };
        field("NOME")->setText(QStringLiteral("NOVO ALUNO %1").arg(i));
        field("SEXO")->setText(QStringLiteral("F"));
        field("ENDERECO")->setText(QStringLiteral("RUA B, 2"));
        field("BAIRRO")->setText(QStringLiteral("CENTRO"));
        field("CEP")->setText(QStringLiteral("24020-070"));
        screen->findChild<ChoiceBox*>(QStringLiteral("DBEDTESTADO"))->setCurrentIndex(0);
        field("CIDADE")->setText(QStringLiteral("NITEROI"));
        field("DATA_NASCIMENTO")->setInputMask(QStringLiteral("00/00/0000;_"));
        field("DATA_NASCIMENTO")->setText(QStringLiteral("01/02/1990"));
        timer.restart();
        button("BBNCONFIRMA")->click();
        QCoreApplication::processEvents();
        includes << ms(timer);
    }
    const Spread include = spread(includes);
    const int stored = int(Students::numbers(*own, Students::Order::ByNumber).size());

    std::printf("%s, %d students\n", qPrintable(backend), students);
    std::printf("  import (read and check / whole)   %9.0f ms / %.0f ms\n", checked, imported);
    std::printf("  open the register                 %9.1f ms\n", opened);
    const auto keystrokes = [](const char* what, const Keystrokes& typed) {
        std::printf("  %s keystroke, positioning median/p95/worst %.3f / %.3f / %.3f ms; "
                    "painting median/p95 %.3f / %.3f ms\n",
                    what, typed.positioning.median, typed.positioning.p95,
                    typed.positioning.worst, typed.painting.median, typed.painting.p95);
    };
    std::printf("  name look-up alone median/p95/worst %.3f / %.3f / %.3f ms\n", lookup.median,
                lookup.p95, lookup.worst);
    keystrokes("name", byName);
    keystrokes("number", byNumber);
    std::printf("  confirm an include median/worst   %9.1f / %.1f ms\n", include.median,
                include.worst);
    std::printf("  messages shown %d, students stored %d\n", int(messages.shown().size()), stored);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const int students = argc > 1 ? std::atoi(argv[1]) : 100000;
    for (const QString& backend : backends())
        run(backend, students);
    return 0;
}
