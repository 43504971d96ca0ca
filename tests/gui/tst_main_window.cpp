#include "data/Connection.h"
#include "data/DataError.h"
#include "data/Rows.h"
#include "domain/MessageTexts.h"
#include "domain/UserRules.h"
#include "gui/app/Application.h"
#include "gui/app/ErrorLog.h"
#include "gui/app/FirstRunDialog.h"
#include "gui/app/MainWindow.h"
#include "support/MainWindowStart.h"
#include "support/PgCluster.h"
#include "support/ScriptedMessages.h"
#include "support/TestDatabase.h"

#include <QAction>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QToolButton>

#include <functional>

Q_DECLARE_METATYPE(std::function<void()>)

using namespace kelvora;
using namespace kelvora::test;

namespace {

const QFile::Permissions OpenToOthers = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                        QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;

// A screen that stands in for the feature screens the menu opens.
QWidget* plainScreen(MainWindow&)
{
    auto* screen = new QWidget;
    screen->setObjectName(QStringLiteral("TFRMTESTE"));
    return screen;
}

const QStringList GuardedItems{"MNALUNOS", "MNATIVIDADES", "MNCADASTRODEUSUARIOS", "MNCLINICO", "MNREAVALIACAOVENCIDA",
                               "MnAvaliacaoFeita", "MNBACKUP", "MNRESTAURACAODOBACKUP", "MNPARAMETRIZACAODOUSUARIO",
                               "MNESVAZIARARQUIVOS", "MNPARAMETRIZACAODOSISTEMA"};

// The main window on `db`, with the master user logged in and a plain screen
// behind every guarded menu item.
std::unique_ptr<MainWindow> openMainWindow(const TestDatabase& db)
{
    auto window = startMainWindow(db);
    if (!window)
        return nullptr;
    window->logIn(MasterUserCode);
    for (const QString& item : GuardedItems)
        window->registerScreen(item, plainScreen);
    return window;
}

// The same, with the assessment hub's item open as a child window.
std::unique_ptr<MainWindow> openWithChild(const TestDatabase& db)
{
    auto window = openMainWindow(db);
    if (window)
        window->menuItem(QStringLiteral("MNCLINICO"))->trigger();
    return window;
}

void setRight(const TestDatabase& db, const QString& user, const QString& column, const QVariant& value)
{
    auto own = db.connect();
    own->execute(QStringLiteral("Usuarios"), QStringLiteral("UPDATE Usuarios SET %1 = ? WHERE CODIGO = ?").arg(column),
                 {value, user});
}

void addUser(const TestDatabase& db, const QString& code, const QString& name, const QString& right, const QString& value)
{
    db.addUser(code, name, {}, {{right, value}});
}

QStringList visibleCaptions(QMenu* menu)
{
    QStringList captions;
    for (QAction* action : menu->actions())
        if (action->isVisible())
            captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return captions;
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void menuFollowsTheStudentRegisterSetting_data()
    {
        QTest::addColumn<QString>("pathAvalia");
        QTest::addColumn<QStringList>("cadastro");
        QTest::newRow("own register") << "Sim" << QStringList{"&Alunos", "-", "A&tividades", "-", "&Usuários"};
        QTest::newRow("companion register") << "Não" << QStringList{"&Usuários"};
    }
    void menuFollowsTheStudentRegisterSetting()
    {
        QFETCH(QString, pathAvalia);
        QFETCH(QStringList, cadastro);
        TestDatabase db(Sqlite);
        db.install();
        db.connect()->execute(QStringLiteral("Moxcvar"), QStringLiteral("UPDATE Moxcvar SET PATH_AVALIA = ?"), {pathAvalia});
        auto window = openMainWindow(db);
        QVERIFY(window);
        QCOMPARE(window->windowTitle(), QStringLiteral("Sistema de Avaliação"));
        QCOMPARE(window->gymName(), QStringLiteral("ACADEMIA TESTE"));
        QCOMPARE(visibleCaptions(window->menuBar()->findChild<QMenu*>(QStringLiteral("MNCADASTRO"))), cadastro);
        QCOMPARE(visibleCaptions(window->menuBar()->findChild<QMenu*>(QStringLiteral("MNRELATORIOS"))),
                 (QStringList{"Avaliação Vencida", "-", "Avaliações Feitas"}));
        QCOMPARE(visibleCaptions(window->menuBar()->findChild<QMenu*>(QStringLiteral("MNUTILITARIOS"))),
                 (QStringList{"&Backup", "-", "&Restauração de Backup", "-", "Nível de Acesso do &Usuário", "-",
                              "Esvaziar Arquivos de Avaliações", "-", "Configuração do &Sistema"}));
        QStringList bar;
        for (QAction* action : window->menuBar()->actions())
            bar << action->text();
        QCOMPARE(bar, (QStringList{"&Cadastro", "Avaliações", "Relatórios", "&Utilitários", "Sobre", "&Sair"}));
        for (const QString& name : GuardedItems + QStringList{"MnSobre", "Sair1"})
            QVERIFY2(window->menuItem(name), qPrintable(name));
        for (const char* name : {"SBAGENDA", "SBNOVIDADES", "SBEMAIL"})
            QVERIFY2(window->findChild<QToolButton*>(QLatin1String(name)), name);
        QCOMPARE(window->statusText(0), QStringLiteral("Usuário: MESTRE"));
    }

    void accessCheck_data()
    {
        QTest::addColumn<QString>("backend");
        QTest::addColumn<QVariant>("right");
        QTest::addColumn<bool>("authorizerExists");
        QTest::addColumn<bool>("opens");
        for (const QString& backend : backends()) {
            const auto row = [&](const char* name) { return &(QTest::addRow("%s, %s", qPrintable(backend), name) << backend); };
            *row("granted") << QVariant(QStringLiteral("Sim")) << false << true;
            *row("refused") << QVariant(QStringLiteral("Não")) << false << false;
            *row("empty") << QVariant(QStringLiteral("")) << false << false;
            *row("null") << QVariant() << false << false;
            *row("other text") << QVariant(QStringLiteral("sim")) << false << false;
            *row("Não, another user authorises") << QVariant(QStringLiteral("Não")) << true << true;
            *row("empty, no authorisation asked") << QVariant(QStringLiteral("")) << true << false;
        }
    }
    void accessCheck()
    {
        QFETCH(QString, backend);
        QFETCH(QVariant, right);
        QFETCH(bool, authorizerExists);
        QFETCH(bool, opens);
        TestDatabase db(backend);
        db.install();
        addUser(db, QStringLiteral("05"), QStringLiteral("JOANA"), QStringLiteral("A_DADOS"), QStringLiteral("Sim"));
        setRight(db, MasterUserCode, QStringLiteral("A_DADOS"), right);
        auto window = openMainWindow(db);
        int authorisationsAsked = 0;
        window->setLocalAuthorization([&](MainWindow& w) -> std::optional<QString> {
            ++authorisationsAsked;
            w.setUserCode(QStringLiteral("05")); // the dialog logs the authoriser in for a moment
            return authorizerExists ? std::optional<QString>(QStringLiteral("05")) : std::nullopt;
        });
        ScriptedMessages messages;

        QAction* item = window->menuItem(QStringLiteral("MNCLINICO"));
        item->trigger();
        QCOMPARE(authorisationsAsked, right.toString() == QStringLiteral("Não") ? 1 : 0);
        QCOMPARE(window->userCode(), MasterUserCode);
        QCOMPARE(window->mdiArea()->subWindowList().size(), opens ? 1 : 0);
        if (!opens) {
            QCOMPARE(messages.texts(), QStringList{QStringLiteral("Usuário sem acesso !")});
            QCOMPARE(messages.shown().first().detail, QStringLiteral("DADOS CLINICOS"));
            QVERIFY(item->isEnabled());
            return;
        }
        QVERIFY(messages.shown().isEmpty());
        QVERIFY(!item->isEnabled());
        QVERIFY(item->isChecked());
        QCOMPARE(window->openScreens(), 1);
        QCOMPARE(window->statusText(0), QStringLiteral("Usuário: MESTRE"));

        window->mdiArea()->closeAllSubWindows();
        QTRY_VERIFY(item->isEnabled());
        QVERIFY(!item->isChecked());
        QCOMPARE(window->openScreens(), 0);
    }

    // Without a readable row for the logged-in user nothing opens.
    void refusedWithoutTheUsersRow_data()
    {
        QTest::addColumn<QString>("statement");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QString>("detail");
        QTest::newRow("user deleted by another station")
            << "DELETE FROM Usuarios WHERE CODIGO = '07'" << QStringList{"Usuário sem acesso !"} << "BACKUP";
        QTest::newRow("Usuarios cannot be read") << "ALTER TABLE Usuarios RENAME TO UsuariosAntigos"
                                                 << QStringList{"Abertura de tabela !", "Registro já alocado"} << "Usuarios";
    }
    void refusedWithoutTheUsersRow()
    {
        QFETCH(QString, statement);
        QFETCH(QStringList, texts);
        QFETCH(QString, detail);
        TestDatabase db(Sqlite);
        db.install();
        addUser(db, QStringLiteral("07"), QStringLiteral("PEDRO"), QStringLiteral("U_BACKUP"), QStringLiteral("Sim"));
        auto window = openMainWindow(db);
        window->logIn(QStringLiteral("07"));
        db.connect()->execute(QStringLiteral("Usuarios"), statement);
        ScriptedMessages messages;
        window->menuItem(QStringLiteral("MNBACKUP"))->trigger();
        QCOMPARE(messages.texts(), texts);
        QCOMPARE(messages.shown().first().detail, detail);
        QVERIFY(window->mdiArea()->subWindowList().isEmpty());
        QVERIFY(window->menuItem(QStringLiteral("MNBACKUP"))->isEnabled());
    }

    void exitStates()
    {
        TestDatabase db(Sqlite);
        db.install();
        auto window = openWithChild(db);
        ScriptedMessages messages;
        QAction* exit = window->menuItem(QStringLiteral("Sair1"));

        exit->trigger(); // first: only informs
        QCOMPARE(messages.texts(), QStringList{QStringLiteral("Feche a(s) janelas abertas no SISTEMA !")});
        QCOMPARE(window->exitState(), 1);
        QVERIFY(window->isVisible());

        messages.answer(Messages::No);
        exit->trigger(); // second: asks; No leaves the children open
        QCOMPARE(messages.shown().last().text, QStringLiteral("Tem certeza que os formulários forão fechados ?"));
        QVERIFY(messages.shown().last().question);
        QCOMPARE(window->exitState(), 2);
        QCOMPARE(window->mdiArea()->subWindowList().size(), 1);
        QVERIFY(window->isVisible());

        exit->trigger(); // third: closes even with a child open
        QVERIFY(!window->isVisible());
        QVERIFY(!window->ownConnection().isOpen());
        QVERIFY(!window->brandelConnection().isOpen());
        QCOMPARE(messages.shown().size(), 2);
    }

    void secondExitAnsweredYesClosesTheChildren()
    {
        TestDatabase db(Sqlite);
        db.install();
        auto window = openWithChild(db);
        ScriptedMessages messages;
        window->exitCommand();
        messages.answer(Messages::Yes);
        window->exitCommand();
        QTRY_VERIFY(window->mdiArea()->subWindowList().isEmpty());
        QVERIFY(window->isVisible());
        window->exitCommand(); // no child left: closes
        QVERIFY(!window->isVisible());
    }

    void missingDatabaseEndsTheProgram()
    {
        TestDatabase db(Sqlite);
        db.install();
        QFile::remove(db.folder() + QStringLiteral("/Brandel.db"));
        ScriptedMessages messages;
        MainWindow window(std::make_unique<Connection>(Connection::Kelvora, db.ownLink(), db.folder()),
                          std::make_unique<Connection>(Connection::Brandel, db.brandelLink(), db.folder()));
        QVERIFY(!window.start());
        QCOMPARE(messages.texts(), QStringList{Msg::AssistenciaTecnica});
        QCOMPARE(messages.shown().first().detail, Msg::ProblemaNoBanco);
    }

    void lostSqliteFileIsNoticedAndReconnected()
    {
        TestDatabase db(Sqlite);
        db.install();
        auto window = openWithChild(db);
        const QString file = db.folder() + QStringLiteral("/Kelvora.db");
        const QString away = file + QStringLiteral(".fora");
        QVERIFY(QFile::rename(file, away)); // the share holding the database went away

        ScriptedMessages messages;
        int shown = 0;
        messages.onPresent = [&](const ScriptedMessages::Shown&) {
            if (++shown == 2) // back after the second acknowledgement
                QFile::rename(away, file);
        };
        QTRY_COMPARE_WITH_TIMEOUT(messages.shown().size(), 2, 5000);
        QVERIFY(window->mdiArea()->subWindowList().isEmpty());
        QCOMPARE(messages.shown().first().text, Msg::AssistenciaTecnica);
        QTRY_VERIFY(window->timerRunning());
        QVERIFY(window->menuItem(QStringLiteral("MNCLINICO"))->isEnabled());
    }

    void stoppedServerIsNoticedAndReconnected()
    {
        if (!PgCluster::available())
            QSKIP("PostgreSQL server programs are not installed");
        PgCluster server;
        QVERIFY(server.start());
        TestDatabase db(Postgres, server.address());
        db.install();
        auto window = openWithChild(db);
        QVERIFY(window);
        QCOMPARE(window->mdiArea()->subWindowList().size(), 1);

        ScriptedMessages messages;
        bool restarted = false;
        messages.onPresent = [&](const ScriptedMessages::Shown&) {
            if (!restarted)
                restarted = server.start(); // the server is back before the message is acknowledged
        };
        QVERIFY(server.stop());
        QTRY_VERIFY_WITH_TIMEOUT(!messages.shown().isEmpty(), 3000);
        QVERIFY(window->mdiArea()->subWindowList().isEmpty());
        QCOMPARE(messages.shown().first().text, Msg::AssistenciaTecnica);
        QCOMPARE(messages.shown().first().detail, Msg::ProblemaNoBanco);
        QVERIFY(restarted);
        QTRY_VERIFY(window->timerRunning());
        QVERIFY(window->ownConnection().answers(QStringLiteral("TabelaFlexao")));
        QVERIFY(window->brandelConnection().answers(QStringLiteral("Caixa")));
        const int messagesSoFar = messages.shown().size();
        QTest::qWait(1500); // the clock runs again without further alarms
        QCOMPARE(messages.shown().size(), messagesSoFar);
    }

    // The log tells what failed and where, never the exception's own text, which can
    // quote a student's number, name or a typed value; only its owner may read it.
    void escapingExceptionIsLoggedNotShown_data()
    {
        QTest::addColumn<std::function<void()>>("fault");
        QTest::addColumn<QString>("logged");
        QTest::newRow("any exception") << std::function<void()>([] {
            throw std::invalid_argument("0000000042 MARIA DA SILVA 72,5");
        }) << QStringLiteral("std::invalid_argument em TFRMTESTE/BBNCONFIRMA");
        QTest::newRow("database failure") << std::function<void()>([] {
            throw WriteFailed(QStringLiteral("Alunos"), QStringLiteral("Key (matricula)=(0000000042) already exists"));
        }) << QStringLiteral("Gravando na tabela ! Alunos em TFRMTESTE/BBNCONFIRMA");
    }
    void escapingExceptionIsLoggedNotShown()
    {
        QFETCH(std::function<void()>, fault);
        QFETCH(QString, logged);
        struct Thrower : QObject {
            std::function<void()> fault;
            bool event(QEvent* e) override
            {
                if (e->type() == QEvent::User)
                    fault();
                return QObject::event(e);
            }
        };
        QObject screen;
        screen.setObjectName(QStringLiteral("TFRMTESTE"));
        Thrower thrower;
        thrower.fault = fault;
        thrower.setObjectName(QStringLiteral("BBNCONFIRMA"));
        thrower.setParent(&screen);
        const QString log = ErrorLog::path(QDir::tempPath());
        QFile::remove(log);
        {
            QFile readable(log); // left by an earlier version, open to all
            QVERIFY(readable.open(QIODevice::WriteOnly));
            QVERIFY(readable.setPermissions(readable.permissions() | QFile::ReadGroup | QFile::ReadOther));
        }
        ScriptedMessages messages;
        QEvent event(QEvent::User);
        QCoreApplication::sendEvent(&thrower, &event);
        QCoreApplication::sendEvent(&thrower, &event);
        QFile file(log);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 2);
        const QRegularExpression line(QStringLiteral("^\\d\\d/\\d\\d/\\d{4} \\d\\d:\\d\\d:\\d\\d:(.*)$"));
        QCOMPARE(line.match(lines.first()).captured(1), logged);
        QCOMPARE(file.permissions() & OpenToOthers, QFile::Permissions());
        QVERIFY(messages.shown().isEmpty());
        thrower.setParent(nullptr);
        QFile::remove(log);
    }

    // A data folder that others may read is told once at start; Yes leaves it and every
    // file in it to the owner, No leaves it as it is. A private folder is not mentioned.
    void readableDataFolderIsOfferedToBeProtected_data()
    {
        QTest::addColumn<bool>("open");
        QTest::addColumn<int>("answer");
        QTest::newRow("private") << false << int(Messages::No);
        QTest::newRow("open, protected") << true << int(Messages::Yes);
        QTest::newRow("open, left") << true << int(Messages::No);
    }
    void readableDataFolderIsOfferedToBeProtected()
    {
        QFETCH(bool, open);
        QFETCH(int, answer);
        TestDatabase db(Sqlite);
        db.install();
        const QString database = db.folder() + QStringLiteral("/Kelvora.db");
        const QString backup = db.folder() + QStringLiteral("/Backup/Kelvora20260301100000.bak");
        QVERIFY(QDir().mkpath(db.folder() + QStringLiteral("/Backup")));
        QVERIFY(QFile(backup).open(QIODevice::WriteOnly));
        const QFile::Permissions readable = QFile::ReadGroup | QFile::ReadOther;
        for (const QString& path : {db.folder(), database, QFileInfo(backup).path(), backup})
            QVERIFY(QFile::setPermissions(path, open ? QFile::permissions(path) | readable
                                                     : QFile::permissions(path) & ~OpenToOthers));
        const QFile::Permissions openDatabase = QFile::permissions(database);
        ScriptedMessages messages;
        messages.answer(answer);

        auto window = startMainWindow(db);
        QVERIFY(window);

        QCOMPARE(messages.texts(), open ? QStringList{Msg::PastaDeDadosAberta} : QStringList());
        if (open) {
            QVERIFY(messages.shown().first().question);
            QCOMPARE(messages.shown().first().detail, db.folder());
        }
        if (answer == Messages::Yes) {
            QCOMPARE(QFile::permissions(db.folder()) & OpenToOthers, QFile::Permissions());
            for (const QString& path : {database, backup})
                QCOMPARE(QFile::permissions(path) & (OpenToOthers | QFile::ExeOwner), QFile::Permissions());
        } else {
            QCOMPARE(QFile::permissions(database), openDatabase);
        }
    }

    void firstRunCreatesTheEmbeddedDefault()
    {
        QTemporaryDir dir;
        FirstRunDialog dialog(dir.path());
        ScriptedMessages messages;
        QTest::keyClicks(dialog.findChild<QLineEdit*>(QStringLiteral("EDTACADEMIA")), QStringLiteral("academia nova"));
        QTest::keyClicks(dialog.findChild<QLineEdit*>(QStringLiteral("EDTSENHA")), QStringLiteral("abc123"));
        QTest::keyClicks(dialog.findChild<QLineEdit*>(QStringLiteral("EDTCONFIRMASENHA")), QStringLiteral("abc124"));
        QPushButton* confirm = dialog.findChild<QPushButton*>(QStringLiteral("BBNCONFIRMA"));
        confirm->click();
        QCOMPARE(messages.texts(), QStringList{QStringLiteral("Senha não confere !")});
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("Kelvora.udl"))));

        QTest::keyClicks(dialog.findChild<QLineEdit*>(QStringLiteral("EDTCONFIRMASENHA")), QStringLiteral("abc123"));
        confirm->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(QFile::exists(dir.filePath(QStringLiteral("Kelvora.udl"))));
        Connection own(Connection::Kelvora, DataLinkFile::read(dir.filePath(QStringLiteral("Kelvora.udl"))), dir.path());
        own.open();
        QSqlQuery gym = own.select(QStringLiteral("Moxcvar"), QStringLiteral("SELECT ACADEMIA FROM Moxcvar"));
        QVERIFY(gym.next());
        QCOMPARE(gym.value(0).toString(), QStringLiteral("ACADEMIA NOVA"));
    }
};

int main(int argc, char* argv[])
{
    Application app(argc, argv);
    app.setDataFolder(QDir::tempPath());
    MainWindowTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_main_window.moc"
