#include "data/Activities.h"
#include "data/Connection.h"
#include "data/Rows.h"
#include "domain/UserRules.h"
#include "gui/Screens.h"
#include "gui/app/MainWindow.h"
#include "support/MainWindowStart.h"
#include "support/ScriptedMessages.h"
#include "support/TestDatabase.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using namespace kelvora;
using namespace kelvora::test;

namespace {

// The installation's catalogue taken away, so each test starts from its own rows.
void install(TestDatabase& db)
{
    db.install();
    db.connect()->execute(QStringLiteral("Atividades"), QStringLiteral("DELETE FROM Atividades"));
}

void addActivity(const TestDatabase& db, const QString& code, const QString& description)
{
    Rows::insert(*db.connect(), QStringLiteral("Atividades"),
                 {{QStringLiteral("CODIGO"), code}, {QStringLiteral("DESCRICAO"), description}});
}

// The catalogue as stored: "code description" in code order.
QStringList stored(const TestDatabase& db)
{
    QStringList rows;
    for (const QSqlRecord& activity : Activities::all(*db.connect()))
        rows << activity.value(0).toString() + QLatin1Char(' ') + activity.value(1).toString();
    return rows;
}

// The activities window opened from its menu item, over a main window with the
// master user logged in.
struct Register {
    explicit Register(const TestDatabase& db)
        : window(startMainWindow(db))
    {
        window->logIn(MasterUserCode);
        installScreens(*window);
        window->menuItem(QStringLiteral("MNATIVIDADES"))->trigger();
        screen = window->mdiArea()->activeSubWindow();
        grid = screen->findChild<QTableWidget*>();
        code = screen->findChild<QLineEdit*>(QStringLiteral("DBEDTCODIGO"));
        description = screen->findChild<QLineEdit*>(QStringLiteral("DBEDTDESCRICAO"));
    }
    void click(const char* name) const
    {
        screen->findChild<QAbstractButton*>(QLatin1String(name))->click();
    }
    bool enabled(const char* name) const
    {
        return screen->findChild<QWidget*>(QLatin1String(name))->isEnabled();
    }
    QStringList shown() const
    {
        QStringList rows;
        for (int row = 0; row < grid->rowCount(); ++row)
            rows << grid->item(row, 0)->text() + QLatin1Char(' ') + grid->item(row, 1)->text();
        return rows;
    }
    bool browsing() const
    {
        return screen->windowTitle() == QStringLiteral("Atividades") && grid->isEnabled() && !code->isEnabled() &&
               !description->isEnabled() && !enabled("BBNCONFIRMA") && !enabled("BBNCANCELA") && enabled("SBINCLUIR");
    }

    std::unique_ptr<MainWindow> window;
    QMdiSubWindow* screen;
    QTableWidget* grid;
    QLineEdit* code;
    QLineEdit* description;
};

// Types `text` key by key (accents included) and ends it with Enter.
void type(QLineEdit* edit, const QString& text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
    QTest::keyClick(edit, Qt::Key_Return);
}

} // namespace

class ActivitiesTest : public QObject {
    Q_OBJECT
private slots:
    void include_data() { addBackendRows(); }
    void include()
    {
        QFETCH(QString, backend);
        TestDatabase db(backend);
        install(db);
        addActivity(db, QStringLiteral("07"), QStringLiteral("BALLET"));
        Register screen(db);
        QCOMPARE(screen.screen->objectName(), QStringLiteral("TFRMATIVIDADES"));
        QVERIFY(screen.browsing());
        QCOMPARE(screen.shown(), QStringList{"07 BALLET"});
        ScriptedMessages messages;

        screen.click("SBINCLUIR");
        QCOMPARE(screen.screen->windowTitle(), QStringLiteral("INCLUSÃO DE ATIVIDADE"));
        QVERIFY(!screen.grid->isEnabled());
        for (const char* button : {"SBINCLUIR", "SBALTERAR", "SBEXCLUIR", "SBSAIR"})
            QVERIFY2(!screen.enabled(button), button);
        QVERIFY(screen.code->isEnabled() && !screen.description->isEnabled());

        QTest::keyClicks(screen.code, QStringLiteral("a-"));
        QCOMPARE(screen.code->text(), QString()); // digits only
        type(screen.code, QStringLiteral("7"));
        QCOMPARE(messages.texts(), QStringList{"Código já Cadastrado !"});
        QCOMPARE(screen.code->text(), QString());
        QVERIFY(screen.code->isEnabled());

        type(screen.code, QString());
        QCOMPARE(messages.texts().last(), QStringLiteral("Código INCORRETO !"));

        type(screen.code, QStringLiteral("5"));
        QCOMPARE(screen.code->text(), QStringLiteral("05"));
        QVERIFY(!screen.code->isEnabled() && screen.description->isEnabled());
        type(screen.description, QString());
        QCOMPARE(messages.texts().last(), QStringLiteral("Dado INCORRETO !"));
        QCOMPARE(messages.shown().last().detail, QStringLiteral("Descrição"));
        type(screen.description, QStringLiteral("natação"));
        QCOMPARE(screen.description->text(), QStringLiteral("NATAÇÃO"));
        screen.click("BBNCONFIRMA");

        QCOMPARE(messages.shown().size(), 3);
        QVERIFY(screen.browsing());
        QCOMPARE(stored(db), (QStringList{"05 NATAÇÃO", "07 BALLET"}));
        QCOMPARE(screen.shown(), stored(db));
        QCOMPARE(screen.grid->currentRow(), 0);
    }

    // Another station took the code between the look-up and "Confirma": the unique
    // key refuses it and a fresh insertion starts.
    void codeTakenMeanwhile_data() { addBackendRows(); }
    void codeTakenMeanwhile()
    {
        QFETCH(QString, backend);
        TestDatabase db(backend);
        install(db);
        Register screen(db);
        ScriptedMessages messages;
        screen.click("SBINCLUIR");
        type(screen.code, QStringLiteral("08"));
        type(screen.description, QStringLiteral("DANÇA DE SALÃO"));
        addActivity(db, QStringLiteral("08"), QStringLiteral("GINÁSTICA"));
        screen.click("BBNCONFIRMA");

        QCOMPARE(messages.texts(), QStringList{"Registro já alocado"});
        QCOMPARE(messages.shown().first().detail, QStringLiteral("Atividades"));
        QCOMPARE(stored(db), QStringList{"08 GINÁSTICA"});
        QCOMPARE(screen.screen->windowTitle(), QStringLiteral("INCLUSÃO DE ATIVIDADE"));
        QVERIFY(screen.code->isEnabled() && screen.code->text().isEmpty());
        QCOMPARE(screen.shown(), QStringList{"08 GINÁSTICA"});
        screen.click("BBNCANCELA");
        QVERIFY(screen.browsing());
    }

    void changeAndDelete_data() { addBackendRows(); }
    void changeAndDelete()
    {
        QFETCH(QString, backend);
        TestDatabase db(backend);
        install(db);
        addActivity(db, QStringLiteral("01"), QStringLiteral("AERÓBICA"));
        addActivity(db, QStringLiteral("02"), QStringLiteral("BALET"));
        Register screen(db);
        ScriptedMessages messages;

        screen.grid->selectRow(1);
        screen.click("SBALTERAR");
        QCOMPARE(screen.screen->windowTitle(), QStringLiteral("ALTERAÇÃO DE ATIVIDADE"));
        QVERIFY(!screen.code->isEnabled() && screen.description->isEnabled());
        QCOMPARE(screen.code->text(), QStringLiteral("02"));
        screen.description->clear();
        type(screen.description, QStringLiteral("BALLET"));
        screen.click("BBNCONFIRMA");
        QVERIFY(screen.browsing());
        QCOMPARE(stored(db), (QStringList{"01 AERÓBICA", "02 BALLET"}));

        // "Cancela" keeps the row; "Confirma" deletes it without a question.
        screen.grid->selectRow(0);
        screen.click("SBEXCLUIR");
        QCOMPARE(screen.screen->windowTitle(), QStringLiteral("EXCLUSÃO DE ATIVIDADE"));
        QVERIFY(!screen.description->isEnabled());
        screen.click("BBNCANCELA");
        QCOMPARE(stored(db).size(), 2);
        screen.grid->selectRow(0);
        screen.click("SBEXCLUIR");
        screen.click("BBNCONFIRMA");
        QVERIFY(messages.shown().isEmpty());
        QVERIFY(screen.browsing());
        QCOMPARE(stored(db), QStringList{"02 BALLET"});
        QCOMPARE(screen.shown(), QStringList{"02 BALLET"});

        // A row changed by another station since it was read is not overwritten.
        screen.click("SBALTERAR");
        db.connect()->execute(QStringLiteral("Atividades"), QStringLiteral("UPDATE Atividades SET DESCRICAO = 'JAZZ'"));
        type(screen.description, QStringLiteral(" CLÁSSICO"));
        screen.click("BBNCONFIRMA");
        QCOMPARE(messages.texts(), QStringList{"Registro já alocado"});
        QCOMPARE(stored(db), QStringList{"02 JAZZ"});
        QVERIFY(screen.browsing());
        QCOMPARE(screen.shown(), QStringList{"02 JAZZ"});
    }

    void emptyTable()
    {
        TestDatabase db(Sqlite);
        install(db);
        Register screen(db);
        ScriptedMessages messages;
        screen.click("SBALTERAR");
        screen.click("SBEXCLUIR");
        QCOMPARE(messages.texts(), (QStringList{"Tabela vazia !", "Tabela vazia !"}));
        QCOMPARE(messages.shown().first().detail, QStringLiteral("Atividades"));
        QVERIFY(screen.browsing());
    }

    void helpAndClosing()
    {
        TestDatabase db(Sqlite);
        install(db);
        Register screen(db);
        QString helpTitle;
        QTimer::singleShot(50, [&] {
            QWidget* help = QApplication::activeModalWidget();
            if (!help)
                return;
            helpTitle = help->windowTitle();
            QVERIFY(help->findChild<QLabel*>() != nullptr);
            help->close();
        });
        screen.click("SBAJUDA");
        QCOMPARE(helpTitle, QStringLiteral("Ajuda - ATIVIDADES"));

        QAction* item = screen.window->menuItem(QStringLiteral("MNATIVIDADES"));
        QVERIFY(!item->isEnabled());
        screen.click("SBSAIR");
        QTRY_VERIFY(item->isEnabled());
        QVERIFY(!item->isChecked());
        QCOMPARE(screen.window->openScreens(), 0);
    }

    void unreadableTableClosesTheWindow()
    {
        TestDatabase db(Sqlite);
        db.install();
        db.connect()->execute(QStringLiteral("Atividades"), QStringLiteral("DROP TABLE Atividades"));
        ScriptedMessages messages;
        Register screen(db);
        QCOMPARE(messages.texts(), (QStringList{"Abertura de tabela !", "Abertura de tabela !"}));
        QCOMPARE(messages.shown().first().detail, QStringLiteral("Atividades"));
        QTRY_VERIFY(screen.window->mdiArea()->subWindowList().isEmpty());
        QTRY_VERIFY(screen.window->menuItem(QStringLiteral("MNATIVIDADES"))->isEnabled());
    }
};

QTEST_MAIN(ActivitiesTest)
#include "tst_activities.moc"
