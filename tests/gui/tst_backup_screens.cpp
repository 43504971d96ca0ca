#include "data/Backup.h"
#include "data/Connection.h"
#include "data/Rows.h"
#include "data/Schema.h"
#include "domain/Clock.h"
#include "domain/UserRules.h"
#include "gui/Screens.h"
#include "gui/app/MainWindow.h"
#include "gui/maintenance/BackupDialog.h"
#include "gui/maintenance/RestoreDialog.h"
#include "support/MainWindowStart.h"
#include "support/ScriptedFileDialogs.h"
#include "support/ScriptedMessages.h"
#include "support/TestDatabase.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace kelvora;
using namespace kelvora::test;

namespace {

const QDateTime Moment(QDate(2024, 5, 6), QTime(7, 8, 9));

std::unique_ptr<MainWindow> openMainWindow(const TestDatabase& db)
{
    auto window = startMainWindow(db);
    if (!window)
        return nullptr;
    window->logIn(MasterUserCode);
    installScreens(*window);
    return window;
}

void addAssessments(Connection& own, const QList<QDate>& dates)
{
    for (int i = 0; i < dates.size(); ++i) {
        const QString number = QStringLiteral("%1").arg(i + 1, 10, 10, QLatin1Char('0'));
        Rows::insert(own, QStringLiteral("Alunos"), {{QStringLiteral("MATRICULA"), number}, {QStringLiteral("NOME"), QStringLiteral("ALUNO")}});
        for (const AssessmentTable& table : Schema::assessmentTables())
            Rows::insert(own, table.table, {{QStringLiteral("MATRICULA"), number}, {table.dateColumn, dates.at(i)}});
    }
}

QStringList examDates(Connection& own)
{
    QStringList dates;
    QSqlQuery query = own.select(QStringLiteral("Avaliacao"), QStringLiteral("SELECT DATAEXAME FROM Avaliacao ORDER BY DATAEXAME"));
    while (query.next())
        dates << query.value(0).toDate().toString(Qt::ISODate);
    return dates;
}

template <typename T>
T* child(QWidget* parent, const char* name)
{
    return parent->findChild<T*>(QLatin1String(name));
}

void click(QWidget* parent, const char* name)
{
    QPushButton* button = child<QPushButton>(parent, name);
    QVERIFY2(button && button->isEnabled(), name);
    QTest::mouseClick(button, Qt::LeftButton);
}

} // namespace

class BackupScreens : public QObject {
    Q_OBJECT
private slots:
    void init() { Clock::setFixed(Moment); }
    void cleanup() { Clock::setFixed({}); }

    void backupDialogCopiesIntoTheChosenFolder_data() { addBackendRows(); }
    void backupDialogCopiesIntoTheChosenFolder()
    {
        QFETCH(QString, backend);
        TestDatabase db(backend);
        db.install();
        auto window = openMainWindow(db);
        QVERIFY(window);
        ScriptedMessages messages;
        ScriptedFileDialogs files;
        QTemporaryDir copyFolder;
        files.answerFile(copyFolder.path());

        BackupDialog dialog(*window);
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Backup do Sistema"));
        auto* folders = child<QComboBox>(&dialog, "CBDRIVE");
        QCOMPARE(folders->itemText(folders->count() - 1), QStringLiteral("Outra pasta..."));
        folders->setCurrentIndex(folders->count() - 1);
        emit folders->activated(folders->count() - 1);
        QCOMPARE(folders->currentData().toString(), QDir::cleanPath(copyFolder.path()));

        click(&dialog, "BBNCONFIRMA");
        // While the work runs the dialog says so and takes no command.
        QVERIFY(child<QLabel>(&dialog, "LBLBACKUPRESTORE")->isVisible());
        QVERIFY(!child<QPushButton>(&dialog, "BBNRETORNA")->isEnabled());
        QTRY_COMPARE(messages.texts(), QStringList{"Backup realizado com sucesso !"});
        const QString name = QStringLiteral("Kelvora20240506070809.bak");
        QCOMPARE(messages.shown().first().detail, QDir(Backup::folderOf(db.folder())).filePath(name));
        QVERIFY(QFileInfo(QDir(copyFolder.path()).filePath(name)).isFile());
        QVERIFY(!child<QLabel>(&dialog, "LBLBACKUPRESTORE")->isVisible());
        QVERIFY(child<QPushButton>(&dialog, "BBNRETORNA")->isEnabled());

        // The same second again, with the copy already there: refused, nothing overwritten.
        click(&dialog, "BBNCONFIRMA");
        QTRY_COMPARE(messages.texts().size(), 2);
        QCOMPARE(messages.texts().last(), QStringLiteral("Erro ao fazer o Backup !"));
        click(&dialog, "BBNRETORNA");
        QVERIFY(!dialog.isVisible());
    }

    void restoreDialogChecksBeforeReplacing_data() { addBackendRows(); }
    void restoreDialogChecksBeforeReplacing()
    {
        QFETCH(QString, backend);
        TestDatabase db(backend);
        db.install();
        auto window = openMainWindow(db);
        QVERIFY(window);
        addAssessments(window->ownConnection(), {QDate(2019, 5, 1), QDate(2022, 1, 2)});
        const QString backup = Backup::writeVerified(window->ownConnection(), db.folder());
        window->ownConnection().execute(QStringLiteral("Avaliacao"), QStringLiteral("DELETE FROM Avaliacao"));
        Clock::setFixed(Moment.addSecs(1));

        const QString copia = QDir(db.folder()).filePath(QStringLiteral("Copia.bak"));
        QVERIFY(QFile::copy(backup, copia));
        const QString damaged = QDir(db.folder()).filePath(QStringLiteral("Kelvora20240101000000.bak"));
        {
            QFile file(damaged);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("nada de backup aqui");
        }
        ScriptedMessages messages;
        ScriptedFileDialogs files;
        files.answerFile(QString()); // cancelled
        files.answerFile(copia);
        files.answerFile(damaged);
        files.answerFile(backup);

        window->pauseWatch(); // as the menu item does
        auto* dialog = new RestoreDialog(*window);
        dialog->show();
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Restauração do Backup"));
        click(dialog, "BBNCONFIRMA");
        QVERIFY(messages.texts().isEmpty());
        QCOMPARE(files.asked().first().proposed, Backup::folderOf(db.folder()));
        QCOMPARE(files.asked().first().filter, QStringLiteral("Backup (*.bak)"));

        click(dialog, "BBNCONFIRMA");
        QCOMPARE(messages.texts(), QStringList{"Dado INCORRETO !"});
        QCOMPARE(messages.shown().last().detail, QStringLiteral("Extensão Inaválida"));

        click(dialog, "BBNCONFIRMA");
        QTRY_COMPARE(messages.texts().size(), 2);
        QCOMPARE(messages.texts().last(), QStringLiteral("Erro ao fazer o Restore !"));
        // The program goes on, on the database as it was.
        QVERIFY(window->isVisible());
        QVERIFY(window->ownConnection().isOpen());
        QVERIFY(window->brandelConnection().isOpen());
        QVERIFY(window->timerRunning());
        QCOMPARE(examDates(window->ownConnection()), QStringList());

        click(dialog, "BBNCONFIRMA");
        // The failed try started the watch again; this one stops it before the database goes.
        QVERIFY(!window->timerRunning());
        QTRY_COMPARE(messages.texts().size(), 3);
        QCOMPARE(messages.texts().last(), QStringLiteral("Restore realizado com sucesso !"));
        QVERIFY(messages.shown().last().detail.endsWith(QStringLiteral("Kelvora20240506070810.bak")));
        QTRY_VERIFY(!window->isVisible()); // the program ends
        delete dialog;
        QCOMPARE(examDates(*db.connect()), (QStringList{"2019-05-01", "2022-01-02"}));
    }

    void emptyingWindowEmptiesTheChosenYear()
    {
        TestDatabase db(Sqlite);
        db.install();
        auto window = openMainWindow(db);
        QVERIFY(window);
        addAssessments(window->ownConnection(), {QDate(2018, 5, 1), QDate(2019, 12, 31), QDate(2020, 1, 1)});
        ScriptedMessages messages;

        QAction* item = window->menuItem(QStringLiteral("MNESVAZIARARQUIVOS"));
        item->trigger();
        QWidget* screen = window->findChild<QWidget*>(QStringLiteral("TFRMREESVAZIARARQUIVOS"));
        QVERIFY(screen);
        QVERIFY(item->isChecked() && !item->isEnabled());
        QCOMPARE(screen->windowTitle(), QStringLiteral("Esvaziar Arquivos"));
        auto* year = child<QLineEdit>(screen, "EDTANO");
        QCOMPARE(year->text(), QStringLiteral("2022"));

        // Last year may not be emptied; a typed letter never arrives.
        year->clear();
        QTest::keyClicks(year, QStringLiteral("2023"));
        click(screen, "BBNCONFIRMA");
        QCOMPARE(messages.texts(), QStringList{"Dado INCORRETO !"});
        QCOMPARE(messages.shown().last().detail, QStringLiteral("Ano selecionado não pode ser esvaziado"));
        QCOMPARE(year->text(), QString());
        QTest::keyClicks(year, QStringLiteral("x/"));
        QCOMPARE(year->text(), QStringLiteral("/"));
        QTest::keyClick(year, Qt::Key_Return);
        QCOMPARE(messages.shown().last().detail, QStringLiteral("Ano"));

        year->clear();
        QTest::keyClicks(year, QStringLiteral("19"));
        QTest::keyClick(year, Qt::Key_Return);
        QCOMPARE(year->text(), QStringLiteral("2019"));
        click(screen, "BBNCONFIRMA");
        QVERIFY(child<QGroupBox>(screen, "PNLBACKUP")->isVisible());
        QVERIFY2(screen->parentWidget()->rect().contains(screen->geometry()), "the child window grows with the panel");
        QVERIFY(!year->isEnabled());
        QVERIFY(!child<QPushButton>(screen, "BBNCANCELA")->isEnabled());
        messages.clear();

        // The copy folder went away: the backup stays, nothing is deleted, and the
        // panel stays open for another folder.
        ScriptedFileDialogs files;
        auto gone = std::make_unique<QTemporaryDir>();
        files.answerFile(gone->path());
        auto* folders = child<QComboBox>(screen, "CBDRIVE");
        folders->setCurrentIndex(folders->count() - 1);
        emit folders->activated(folders->count() - 1);
        gone.reset();
        click(screen, "BBNBACKUP");
        QTRY_COMPARE(messages.texts(), QStringList{"Erro ao fazer o Backup !"});
        QVERIFY(messages.shown().last().detail.startsWith(QStringLiteral("Unidade inválida -> ")));
        const QDir backups(Backup::folderOf(db.folder()));
        QVERIFY(QFileInfo(backups.filePath(QStringLiteral("Kelvora20240506070809-2019.bak"))).isFile());
        QCOMPARE(examDates(window->ownConnection()).size(), 3);
        QVERIFY(child<QGroupBox>(screen, "PNLBACKUP")->isVisible());
        QVERIFY(child<QPushButton>(screen, "BBNCANCELA")->isEnabled());
        folders->setCurrentIndex(0);
        messages.clear();
        Clock::setFixed(Moment.addSecs(1));

        click(screen, "BBNBACKUP");
        QTRY_COMPARE(messages.texts(), (QStringList{"Backup realizado com sucesso !", "Fim de Processo !"}));
        QCOMPARE(messages.shown().first().detail, backups.filePath(QStringLiteral("Kelvora20240506070810-2019.bak")));
        QCOMPARE(examDates(window->ownConnection()), QStringList{"2020-01-01"});
        QVERIFY(!child<QGroupBox>(screen, "PNLBACKUP")->isVisible());
        QVERIFY(year->isEnabled());
        QVERIFY(window->timerRunning());

        click(screen, "BBNCANCELA");
        QTRY_VERIFY(!window->findChild<QWidget*>(QStringLiteral("TFRMREESVAZIARARQUIVOS")));
        QVERIFY(item->isEnabled() && !item->isChecked());
    }

    void emptyingWindowWaitsForTheOtherScreens()
    {
        TestDatabase db(Sqlite);
        db.install();
        auto window = openMainWindow(db);
        QVERIFY(window);
        window->registerScreen(QStringLiteral("MNCLINICO"), [](MainWindow&) { return new QWidget; });
        window->menuItem(QStringLiteral("MNCLINICO"))->trigger();
        ScriptedMessages messages;

        window->menuItem(QStringLiteral("MNESVAZIARARQUIVOS"))->trigger();
        QCOMPARE(messages.texts(), QStringList{"Feche todas as janelas abertas antes de usar esta opção !"});
        QTRY_VERIFY(!window->findChild<QWidget*>(QStringLiteral("TFRMREESVAZIARARQUIVOS")));
        QTRY_VERIFY(window->menuItem(QStringLiteral("MNESVAZIARARQUIVOS"))->isEnabled());
    }

    void menuOpensTheDialogsModally_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("screen");
        QTest::newRow("backup") << "MNBACKUP" << "TFRMBACKUP";
        QTest::newRow("restore") << "MNRESTAURACAODOBACKUP" << "TFRMRESTAURACAODOBACKUP";
    }
    void menuOpensTheDialogsModally()
    {
        QFETCH(QString, item);
        QFETCH(QString, screen);
        TestDatabase db(Sqlite);
        db.install();
        auto window = openMainWindow(db);
        QVERIFY(window);
        QAction* action = window->menuItem(item);
        QString seen;
        bool ticked = false;
        QTimer::singleShot(0, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal)
                return;
            seen = modal->objectName();
            ticked = action->isChecked() && !action->isEnabled();
            QTest::mouseClick(child<QPushButton>(modal, "BBNRETORNA"), Qt::LeftButton);
        });
        action->trigger();
        QCOMPARE(seen, screen);
        QVERIFY(ticked);
        QVERIFY(action->isEnabled() && !action->isChecked());
        // The watch goes on after the restore dialog was left without a restore.
        QVERIFY(window->timerRunning());
    }
};

QTEST_MAIN(BackupScreens)
#include "tst_backup_screens.moc"
