#include "data/Connection.h"
#include "data/Rows.h"
#include "domain/MessageTexts.h"
#include "gui/Screens.h"
#include "gui/app/MainWindow.h"
#include "support/MainWindowStart.h"
#include "support/ModalDialogs.h"
#include "support/ScriptedFileDialogs.h"
#include "support/ScriptedMessages.h"
#include "support/TestDatabase.h"

#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QToolButton>

using namespace kelvora;
using namespace kelvora::test;

namespace {

const QString Window = QStringLiteral("TFRMEMAILALUNOS");

void addStudent(Connection& db, const QString& table, const QString& number, const QString& name,
                const QString& email)
{
    Rows::insert(db, table, {{QStringLiteral("MATRICULA"), number}, {QStringLiteral("NOME"), name},
                             {QStringLiteral("EMAIL"), email}});
}

// The main window with the screens behind their buttons and three students in the
// own register (one with a photo), and two others in the gym-management database.
struct Station {
    explicit Station(const QString& backend)
        : db(backend)
    {
        db.install();
        auto own = db.connect();
        addStudent(*own, QStringLiteral("Alunos"), QStringLiteral("0000000042"), QStringLiteral("CARLA DIAS"), QStringLiteral("carla@aluna.com.br"));
        addStudent(*own, QStringLiteral("Alunos"), QStringLiteral("0000000007"), QStringLiteral("BIANCA LIMA"), QStringLiteral("bianca@aluna.com.br"));
        addStudent(*own, QStringLiteral("Alunos"), QStringLiteral("0000000100"), QStringLiteral("ANA SOUZA"), {});
        addStudent(*own, QStringLiteral("Alunos"), QStringLiteral("0000000200"), QStringLiteral("DÉBORA MELO"), {});
        addStudent(*own, QStringLiteral("Alunos"), QStringLiteral("0000000300"), QStringLiteral("DANIELA ROCHA"), {});
        QImage photo(40, 50, QImage::Format_RGB32);
        photo.fill(Qt::darkCyan);
        QByteArray jpeg;
        QBuffer buffer(&jpeg);
        photo.save(&buffer, "JPEG");
        Rows::insert(*own, QStringLiteral("FotosAlunos"), {{QStringLiteral("MATRICULA"), QStringLiteral("0000000007")}, {QStringLiteral("FOTO1"), jpeg}});
        auto brandel = db.connect(Connection::Brandel);
        for (const QString& table : {QStringLiteral("Alunos"), QStringLiteral("AlunosAtivos")})
            addStudent(*brandel, table, QStringLiteral("0000000500"), QStringLiteral("DANIELA ROCHA"), QStringLiteral("daniela@aluna.com.br"));
        addStudent(*brandel, QStringLiteral("Alunos"), QStringLiteral("0000000501"), QStringLiteral("EDUARDA PIRES"), QStringLiteral("eduarda@aluna.com.br"));
        window = startMainWindow(db);
        window->logIn(QStringLiteral("00"));
        installScreens(*window);
    }

    QToolButton* mailButton() const { return window->findChild<QToolButton*>(QStringLiteral("SBEMAIL")); }

    TestDatabase db;
    std::unique_ptr<MainWindow> window;
};

QStringList listed(QWidget* screen)
{
    QStringList rows;
    auto* grid = screen->findChild<QTableView*>(QStringLiteral("DBGALUNOS"));
    for (int row = 0; row < grid->model()->rowCount(); ++row)
        rows << grid->model()->index(row, 0).data().toString() + QLatin1Char(' ') + grid->model()->index(row, 1).data().toString();
    return rows;
}

QString current(QWidget* screen)
{
    auto* grid = screen->findChild<QTableView*>(QStringLiteral("DBGALUNOS"));
    return grid->model()->index(grid->currentIndex().row(), 0).data().toString();
}

QPushButton* modeButton(QWidget* screen, const char* name)
{
    return screen->findChild<QPushButton*>(QLatin1String(name));
}

} // namespace

class StudentMail : public QObject {
    Q_OBJECT
private slots:
    // Searching by number and by name, then writing to the chosen student: the send
    // dialog opens on the student's address and offers only that student's reports.
    void searchesAndWritesToAStudent_data() { addBackendRows(); }
    void searchesAndWritesToAStudent()
    {
        QFETCH(QString, backend);
        Station station(backend);
        ScriptedMessages messages;
        ScriptedFileDialogs files;
        QStringList seen;
        QStringList positions;
        QString typedBack;
        bool photoShown = false;
        QString recipient;
        QString offered;
        bool buttonDisabled = false;
        // Only records what it sees, so that a wrong step cannot leave a dialog open.
        whenShown(Window, [&](QWidget* screen) {
            buttonDisabled = !station.mailButton()->isEnabled();
            seen = listed(screen);
            auto* field = screen->findChild<QLineEdit*>(QStringLiteral("EDTMATRICULA"));
            QTest::keyClick(field, Qt::Key_D);
            QTest::sendKeyEvent(QTest::Click, field, Qt::Key_Eacute, QStringLiteral("é"), Qt::NoModifier);
            QTest::keyClick(field, Qt::Key_1);
            positions << field->text() + QLatin1Char(' ') + current(screen);
            field->clear();
            QTest::keyClicks(field, QStringLiteral("car"));
            positions << current(screen);
            QTest::mouseClick(modeButton(screen, "PNLMATRICULA"), Qt::LeftButton);
            QTest::keyClicks(field, QStringLiteral("99"));
            QTest::keyClick(field, Qt::Key_Return);
            positions << field->text();
            QTest::keyClicks(field, QStringLiteral("7"));
            QTest::keyClick(field, Qt::Key_Return);
            typedBack = field->text();
            positions << current(screen);
            photoShown = !screen->findChild<QLabel*>(QStringLiteral("IMGFOTO"))->pixmap().isNull();
            whenShown(QStringLiteral("TFRMONLINE"), [&](QWidget* send) {
                recipient = send->findChild<QLineEdit*>(QStringLiteral("EDTDESTINO"))->text();
                QTest::mouseClick(send->findChild<QPushButton*>(QStringLiteral("BBNARQUIVOS")), Qt::LeftButton);
                offered = files.asked().isEmpty() ? QString() : files.asked().first().filter;
                send->close();
                whenShown(Window, [](QWidget* back) { back->close(); });
            });
            QTest::mouseClick(screen->findChild<QPushButton*>(QStringLiteral("BBNEMAIL")), Qt::LeftButton);
        });
        QTest::mouseClick(station.mailButton(), Qt::LeftButton);
        QVERIFY(buttonDisabled);
        QVERIFY(station.mailButton()->isEnabled());
        QCOMPARE(seen, (QStringList{"0000000100 ANA SOUZA", "0000000007 BIANCA LIMA", "0000000042 CARLA DIAS",
                                    "0000000300 DANIELA ROCHA", "0000000200 DÉBORA MELO"}));
        // "dé" finds Débora (a digit is no letter); "car" finds Carla; 99 is no
        // student (told, the box emptied); 7 is padded.
        QCOMPARE(positions, (QStringList{"dé 0000000200", "0000000042", "", "0000000007"}));
        QCOMPARE(messages.texts(), QStringList{Msg::MatriculaIncorreta});
        QCOMPARE(typedBack, QStringLiteral("0000000007"));
        QVERIFY(photoShown);
        QCOMPARE(recipient, QStringLiteral("bianca@aluna.com.br"));
        QCOMPARE(offered, QStringLiteral("Relatórios (Mt_0000000007*.pdf)"));
    }

    // Companion mode lists the gym-management students of the table the setting names.
    void companionStudents_data()
    {
        QTest::addColumn<QString>("activeStudents");
        QTest::addColumn<QStringList>("students");
        QTest::newRow("active only") << "Sim" << QStringList{"0000000500 DANIELA ROCHA"};
        QTest::newRow("every student") << "Não" << QStringList{"0000000500 DANIELA ROCHA", "0000000501 EDUARDA PIRES"};
    }
    void companionStudents()
    {
        QFETCH(QString, activeStudents);
        QFETCH(QStringList, students);
        Station station(Sqlite);
        station.db.connect()->execute(QStringLiteral("Moxcvar"), QStringLiteral("UPDATE Moxcvar SET PATH_AVALIA = ?"), {QStringLiteral("Não")});
        station.window->setActiveStudentsSetting(activeStudents);
        QStringList seen;
        whenShown(Window, [&](QWidget* screen) {
            seen = listed(screen);
            screen->close();
        });
        QTest::mouseClick(station.mailButton(), Qt::LeftButton);
        QCOMPARE(seen, students);
    }

    void unreadableStudentsOpenNothing()
    {
        Station station(Sqlite);
        station.db.connect()->execute(QStringLiteral("Alunos"), QStringLiteral("DROP TABLE Alunos"));
        ScriptedMessages messages;
        QTest::mouseClick(station.mailButton(), Qt::LeftButton);
        QCOMPARE(messages.shown().size(), 2);
        QCOMPARE(messages.shown()[0].text, Msg::AberturaDeTabela);
        QCOMPARE(messages.shown()[0].detail, QStringLiteral("AlunosAtivos"));
        QCOMPARE(messages.shown()[1].text, Msg::AberturaDeTabela);
        QVERIFY(station.mailButton()->isEnabled());
    }
};

QTEST_MAIN(StudentMail)
#include "tst_student_mail.moc"
