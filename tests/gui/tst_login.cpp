#include "data/Connection.h"
#include "data/DatabaseSize.h"
#include "data/Rows.h"
#include "data/SchemaUpgrade.h"
#include "domain/MessageTexts.h"
#include "domain/UserRules.h"
#include "gui/app/MainWindow.h"
#include "gui/auth/LocalAuthorizationDialog.h"
#include "gui/auth/LoginDialog.h"
#include "support/MainWindowStart.h"
#include "support/ModalDialogs.h"
#include "support/OldDatabase.h"
#include "support/ScriptedMessages.h"
#include "support/TestDatabase.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QTest>
#include <QTimer>

using namespace kelvora;
using namespace kelvora::test;

namespace {

// Types `text` into `edit` and ends it with `key` (Enter unless told).
void type(QLineEdit* edit, const QString& text, Qt::Key key = Qt::Key_Return)
{
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, key);
}

QLineEdit* field(QWidget* dialog, const char* name)
{
    return dialog->findChild<QLineEdit*>(QLatin1String(name));
}

QString nameShown(QWidget* dialog)
{
    return dialog->findChild<QLabel*>(QStringLiteral("LBLNOMEUSUARIO"))->text();
}

// A second user beside the master ("00" / "SENHA1").
void addJoana(const TestDatabase& db, const QString& mayRelease = QStringLiteral("Sim"))
{
    db.addUser(QStringLiteral("05"), QStringLiteral("JOANA"), QStringLiteral("JOANA5"),
               {{QStringLiteral("A_DADOS"), QStringLiteral("Sim")},
                {QStringLiteral("LIBERA_AVALIACAO"), mayRelease}});
}

// The login dialog over a started main window, shown and ready for a code.
struct Login {
    explicit Login(const TestDatabase& db, bool changeUserMode = false)
        : window(startMainWindow(db))
    {
        window->setChangeUserMode(changeUserMode);
        dialog = std::make_unique<LoginDialog>(*window);
        dialog->show();
        code = field(dialog.get(), "EDTCODIGOUSUARIO");
        password = field(dialog.get(), "EDTSENHA");
    }
    bool ready() const { return code->isEnabled() && !password->isEnabled(); }

    std::unique_ptr<MainWindow> window;
    std::unique_ptr<LoginDialog> dialog;
    QLineEdit* code = nullptr;
    QLineEdit* password = nullptr;
};

// Two assessments in 2019 and one in 2024, with a body-composition row each, and
// a photograph that makes the database weigh a few megabytes.
void addAssessments(const TestDatabase& db)
{
    auto own = db.connect();
    const QVector<QPair<QString, QDate>> assessments{{QStringLiteral("0000000001"), QDate(2019, 3, 1)},
                                                     {QStringLiteral("0000000002"), QDate(2019, 12, 31)},
                                                     {QStringLiteral("0000000001"), QDate(2024, 1, 1)}};
    for (const auto& [student, date] : assessments)
        for (const char* table : {"Avaliacao", "Corporal"})
            Rows::insert(*own, QLatin1String(table), {{QStringLiteral("MATRICULA"), student}, {QStringLiteral("DATAEXAME"), date}});
    QByteArray photo(3 * 1024 * 1024, '\0');
    for (int i = 0; i < photo.size(); ++i)
        photo[i] = char((i * 7919) >> 3); // not compressible to nothing
    Rows::insert(*own, QStringLiteral("FotosAlunos"), {{QStringLiteral("MATRICULA"), QStringLiteral("0000000001")}, {QStringLiteral("FOTO1"), photo}});
}

int rows(const TestDatabase& db, const QString& table)
{
    auto own = db.connect();
    QSqlQuery query = own->select(table, QStringLiteral("SELECT COUNT(*) FROM ") + table);
    query.next();
    return query.value(0).toInt();
}

} // namespace

class LoginTest : public QObject {
    Q_OBJECT
private slots:
    void theRightPasswordLetsTheUserIn_data() { addBackendRows(); }
    void theRightPasswordLetsTheUserIn()
    {
        QFETCH(QString, backend);
        TestDatabase db(backend);
        db.install();
        addJoana(db);
        ScriptedMessages messages;
        Login login(db, true);
        QTRY_VERIFY(login.ready());
        QVERIFY(!login.dialog->findChild<QLabel*>(QStringLiteral("LBLATUALIZACAO"))->isVisible());

        type(login.code, QStringLiteral("05"));
        QCOMPARE(nameShown(login.dialog.get()), QStringLiteral("JOANA"));
        QVERIFY(!login.code->isEnabled());
        QVERIFY(login.password->hasFocus());
        // Typed in lower case, kept in capitals, as the password was stored.
        type(login.password, QStringLiteral("joana5"));

        QVERIFY(messages.shown().isEmpty());
        QVERIFY(!login.dialog->isVisible());
        QCOMPARE(login.dialog->result(), int(QDialog::Accepted));
        QVERIFY(!login.dialog->terminated());
        QCOMPARE(login.window->userCode(), QStringLiteral("05"));
        QVERIFY(!login.window->changeUserMode());
        QCOMPARE(login.window->statusText(0), QStringLiteral("Usuário: JOANA"));
        QVERIFY(login.window->isVisible());
    }

    void fieldsAreTheLoginsOwn()
    {
        TestDatabase db(Sqlite);
        db.install();
        Login login(db);
        QCOMPARE(login.dialog->windowTitle(), QStringLiteral("Acesso"));
        QVERIFY(!(login.dialog->windowFlags() & Qt::WindowCloseButtonHint));
        QCOMPARE(login.code->maxLength(), 2);
        QCOMPARE(login.code->toolTip(), QStringLiteral("Digite seu código"));
        QCOMPARE(login.password->maxLength(), 6);
        QCOMPARE(login.password->echoMode(), QLineEdit::Password);
        QCOMPARE(login.password->toolTip(), QStringLiteral("Digite sua senha"));
        QVERIFY(!login.password->isEnabled());
    }

    // Counted from 1, the third failure of a kind ends the program; in change-user
    // mode nothing is counted and the dialog waits for somebody to log in.
    void failedAttempts_data()
    {
        QTest::addColumn<bool>("changeUserMode");
        QTest::addColumn<bool>("wrongCodes");
        QTest::addRow("three unknown codes") << false << true;
        QTest::addRow("three wrong passwords") << false << false;
        QTest::addRow("change of user, unknown codes") << true << true;
        QTest::addRow("change of user, wrong passwords") << true << false;
    }
    void failedAttempts()
    {
        QFETCH(bool, changeUserMode);
        QFETCH(bool, wrongCodes);
        TestDatabase db(Sqlite);
        db.install();
        ScriptedMessages messages;
        Login login(db, changeUserMode);
        QTRY_VERIFY(login.ready());
        const QString failure = wrongCodes ? Msg::CodigoNaoCadastrado : Msg::UsuarioSemAcesso;
        if (!wrongCodes)
            type(login.code, MasterUserCode);

        for (int attempt = 1; attempt <= 2; ++attempt) {
            if (wrongCodes)
                type(login.code, QStringLiteral("99"));
            else
                type(login.password, QStringLiteral("ERRADA"));
            QCOMPARE(messages.texts(), QStringList(attempt, failure));
            QVERIFY(login.dialog->isVisible());
            QVERIFY((wrongCodes ? login.code : login.password)->text().isEmpty());
        }
        messages.clear();
        if (wrongCodes)
            type(login.code, QStringLiteral("98"), Qt::Key_Escape); // Esc checks the code too
        else
            type(login.password, QStringLiteral("ERRADA"));

        if (changeUserMode) {
            QCOMPARE(messages.texts(), QStringList{failure});
            QVERIFY(login.dialog->isVisible());
            for (int attempt = 0; attempt < 5; ++attempt)
                type(wrongCodes ? login.code : login.password, QStringLiteral("77"));
            QVERIFY(login.dialog->isVisible());
            if (wrongCodes)
                type(login.code, MasterUserCode);
            type(login.password, TestDatabase::MasterPassword);
            QCOMPARE(login.dialog->result(), int(QDialog::Accepted));
            QVERIFY(login.window->isVisible());
            return;
        }
        QCOMPARE(messages.texts(), (QStringList{failure, Msg::UsuarioSemAcesso}));
        QVERIFY(login.dialog->terminated());
        QVERIFY(!login.dialog->isVisible());
        QVERIFY(!login.window->isVisible());
    }

    void passwordFieldKeys()
    {
        TestDatabase db(Sqlite);
        db.install();
        ScriptedMessages messages;
        Login login(db);
        QTRY_VERIFY(login.ready());
        type(login.code, MasterUserCode);
        QCOMPARE(nameShown(login.dialog.get()), QStringLiteral("MESTRE"));

        // Enter on an empty password: the system's plain box, nothing counted.
        QTest::keyClick(login.password, Qt::Key_Return);
        QCOMPARE(messages.shown().size(), 1);
        QCOMPARE(messages.shown().first().text, QStringLiteral("Digite sua Senha !"));
        QVERIFY(messages.shown().first().plain);

        // Esc goes back to the code.
        QTest::keyClicks(login.password, QStringLiteral("ABC"));
        QTest::keyClick(login.password, Qt::Key_Escape);
        QVERIFY(login.ready());
        QVERIFY(login.code->text().isEmpty());
        QVERIFY(login.code->hasFocus());
        QVERIFY(nameShown(login.dialog.get()).isEmpty());
        QVERIFY(login.dialog->isVisible());

        // The dialog cannot be closed before somebody logs in.
        login.dialog->reject();
        login.dialog->close();
        QVERIFY(login.dialog->isVisible());

        type(login.code, MasterUserCode);
        type(login.password, TestDatabase::MasterPassword);
        QCOMPARE(login.dialog->result(), int(QDialog::Accepted));
        QCOMPARE(messages.shown().size(), 1);
    }

    // Passwords compare exactly: the field forces capitals, so a password stored
    // with lower-case letters can never be matched.
    void lowerCaseStoredPasswordNeverMatches()
    {
        TestDatabase db(Sqlite);
        db.install();
        db.addUser(QStringLiteral("07"), QStringLiteral("PEDRO"), QStringLiteral("pedro7"));
        ScriptedMessages messages;
        Login login(db);
        QTRY_VERIFY(login.ready());
        type(login.code, QStringLiteral("07"));
        type(login.password, QStringLiteral("pedro7"));
        QCOMPARE(messages.texts(), QStringList{Msg::UsuarioSemAcesso});
        QVERIFY(login.dialog->isVisible());
    }

    void unreadableTableEndsTheProgram_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("detail");
        QTest::addRow("users") << QStringLiteral("Usuarios") << QStringLiteral("Usuarios");
        QTest::addRow("settings") << QStringLiteral("Moxcvar") << QStringLiteral("Controle");
    }
    void unreadableTableEndsTheProgram()
    {
        QFETCH(QString, table);
        QFETCH(QString, detail);
        TestDatabase db(Sqlite);
        db.install();
        ScriptedMessages messages;
        auto window = startMainWindow(db);
        window->ownConnection().execute(table, QStringLiteral("DROP TABLE ") + table);
        LoginDialog dialog(*window);
        dialog.show();
        QTRY_VERIFY(dialog.terminated());
        QCOMPARE(messages.texts(), QStringList{Msg::AberturaDeTabela});
        QCOMPARE(messages.shown().first().detail, detail);
        QVERIFY(!window->isVisible());
    }

    void localAuthorization_data()
    {
        QTest::addColumn<QString>("mayRelease");
        QTest::addColumn<bool>("release");
        QTest::addRow("may release") << QStringLiteral("Sim") << true;
        QTest::addRow("may not release") << QStringLiteral("Não") << false;
        QTest::addRow("release right empty") << QString() << false;
    }
    void localAuthorization()
    {
        QFETCH(QString, mayRelease);
        QFETCH(bool, release);
        TestDatabase db(Sqlite);
        db.install();
        addJoana(db, mayRelease);
        ScriptedMessages messages;
        auto window = startMainWindow(db);
        window->logIn(MasterUserCode);
        LocalAuthorizationDialog dialog(*window);
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Acesso Local"));
        QLineEdit* code = field(&dialog, "EDTCODIGOUSUARIO");
        QLineEdit* password = field(&dialog, "EDTSENHA");

        type(code, QStringLiteral("05"));
        QCOMPARE(nameShown(&dialog), QStringLiteral("JOANA"));
        QCOMPARE(window->userCode(), QStringLiteral("05"));
        type(password, QStringLiteral("ERRADA"));
        QCOMPARE(messages.texts(), QStringList{Msg::SenhaNaoConfere});
        QVERIFY(password->text().isEmpty());
        QVERIFY(!dialog.releaseFlag());
        type(password, QStringLiteral("JOANA5"), Qt::Key_Escape); // Esc checks, like Enter

        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.authorizer(), std::optional<QString>(QStringLiteral("05")));
        QCOMPARE(dialog.releaseFlag(), release);
        QCOMPARE(window->statusText(1), QStringLiteral("Usuário: JOANA"));
    }

    void localAuthorizationGivesUpAfterThreeFailures_data()
    {
        QTest::addColumn<bool>("wrongCodes");
        QTest::addRow("codes") << true;
        QTest::addRow("passwords") << false;
    }
    void localAuthorizationGivesUpAfterThreeFailures()
    {
        QFETCH(bool, wrongCodes);
        TestDatabase db(Sqlite);
        db.install();
        addJoana(db);
        ScriptedMessages messages;
        auto window = startMainWindow(db);
        window->logIn(MasterUserCode);
        LocalAuthorizationDialog dialog(*window);
        dialog.show();
        if (!wrongCodes)
            type(field(&dialog, "EDTCODIGOUSUARIO"), QStringLiteral("05"));
        for (int attempt = 1; attempt <= 3; ++attempt) {
            QVERIFY(dialog.isVisible());
            type(field(&dialog, wrongCodes ? "EDTCODIGOUSUARIO" : "EDTSENHA"), QStringLiteral("99"));
        }
        QCOMPARE(messages.texts(), QStringList(3, wrongCodes ? Msg::CodigoNaoCadastrado : Msg::SenhaNaoConfere));
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.authorizer(), std::nullopt);
        QVERIFY(!dialog.releaseFlag());
        QVERIFY(window->isVisible());
    }

    // A user whose right is "Não" is let through by another user who holds it; the
    // status bar still names the logged-in user afterwards.
    void accessCheckAuthorisesThroughTheLocalDialog_data() { addBackendRows(); }
    void accessCheckAuthorisesThroughTheLocalDialog()
    {
        QFETCH(QString, backend);
        TestDatabase db(backend);
        db.install();
        addJoana(db);
        db.addUser(QStringLiteral("07"), QStringLiteral("PEDRO"), QStringLiteral("PEDRO7"),
                   {{QStringLiteral("A_DADOS"), QStringLiteral("Não")}});
        ScriptedMessages messages;
        auto window = startMainWindow(db);
        window->logIn(QStringLiteral("07"));
        window->registerScreen(QStringLiteral("MNCLINICO"), [](MainWindow&) { return new QWidget; });

        whenShown(QStringLiteral("TPDLGACESSOLOCAL"), [](QWidget* dialog) {
            type(field(dialog, "EDTCODIGOUSUARIO"), QStringLiteral("05"));
            type(field(dialog, "EDTSENHA"), QStringLiteral("JOANA5"));
        });
        window->menuItem(QStringLiteral("MNCLINICO"))->trigger();

        QVERIFY(messages.shown().isEmpty());
        QCOMPARE(window->mdiArea()->subWindowList().size(), 1);
        QCOMPARE(window->userCode(), QStringLiteral("07"));
        window->mdiArea()->closeAllSubWindows();
        QTRY_COMPARE(window->statusText(0), QStringLiteral("Usuário: PEDRO"));
    }

    // An old database is brought up to date when the dialog is shown, and its users
    // log in with the passwords they always had. A step that fails is told, leaves
    // the login open and is tried again at the next one.
    void oldDatabaseIsUpgradedBeforeTheLogin_data()
    {
        QTest::addColumn<QString>("backend");
        QTest::addColumn<bool>("stepFails");
        for (const QString& backend : backends()) {
            QTest::addRow("%s, upgraded", qPrintable(backend)) << backend << false;
            QTest::addRow("%s, a step fails", qPrintable(backend)) << backend << true;
        }
    }
    void oldDatabaseIsUpgradedBeforeTheLogin()
    {
        QFETCH(QString, backend);
        QFETCH(bool, stepFails);
        TestDatabase db(backend);
        createOldDatabase(db, {});
        if (stepFails)
            refuseUpdatesOf(*db.connect(), QStringLiteral("Moxcvar"), QStringLiteral("VOZ_IMP"));
        ScriptedMessages messages;
        Login login(db);
        QTRY_VERIFY(login.ready());
        if (stepFails) {
            QCOMPARE(messages.texts(), QStringList{Msg::GravandoNaTabela});
            QCOMPARE(messages.shown().first().detail, QStringLiteral("Banco de Dados"));
        } else {
            QVERIFY(messages.shown().isEmpty());
        }
        QCOMPARE(SchemaUpgrade(login.window->ownConnection()).needed(), stepFails);

        type(login.code, MasterUserCode);
        type(login.password, QStringLiteral("SENHA1"));
        QCOMPARE(login.dialog->result(), int(QDialog::Accepted));
    }

    // The size check runs once per showing, with the thresholds given; beyond the
    // upper one the oldest year goes, after a backup that must succeed first.
    void databaseSizeCheck_data()
    {
        QTest::addColumn<QString>("backend");
        QTest::addColumn<int>("nearBelowSize"); // near threshold = size - this
        QTest::addColumn<int>("overBelowSize"); // upper threshold = size - this
        QTest::addColumn<bool>("backupBlocked");
        QTest::addColumn<QStringList>("expected");
        for (const QString& backend : backends()) {
            const auto row = [&](const char* name) { return &(QTest::addRow("%s, %s", qPrintable(backend), name) << backend); };
            *row("below the limits") << -1 << -2 << false << QStringList();
            *row("exactly the near limit") << 0 << -1 << false << QStringList{Msg::ProximoLimiteBanco};
            *row("exactly the upper limit") << 1 << 0 << false << QStringList{Msg::ProximoLimiteBanco};
            *row("past the upper limit") << 2 << 1 << false << QStringList{Msg::ExcedeuLimiteBanco, Msg::FimDeProcesso};
            *row("past it, backup impossible") << 2 << 1 << true << QStringList{Msg::ExcedeuLimiteBanco, Msg::ErroBackup};
        }
    }
    void databaseSizeCheck()
    {
        QFETCH(QString, backend);
        QFETCH(int, nearBelowSize);
        QFETCH(int, overBelowSize);
        QFETCH(bool, backupBlocked);
        QFETCH(QStringList, expected);
        TestDatabase db(backend);
        db.install();
        addAssessments(db);
        if (backupBlocked) {
            // A file where the Backup folder should be, for its owner only like the rest.
            QFile blocker(QDir(db.folder()).filePath(QStringLiteral("Backup")));
            QVERIFY(blocker.open(QIODevice::WriteOnly));
            QVERIFY(blocker.setPermissions(QFile::ReadOwner | QFile::WriteOwner));
        }
        ScriptedMessages messages;
        auto window = startMainWindow(db);
        const int size = databaseSizeMb(window->ownConnection());
        QVERIFY2(size >= 3, qPrintable(QString::number(size)));
        LoginDialog dialog(*window);
        dialog.setSizeLimits({size - nearBelowSize, size - overBelowSize});
        dialog.show();
        QTRY_VERIFY(dialog.findChild<QLineEdit*>(QStringLiteral("EDTCODIGOUSUARIO"))->isEnabled());
        QTest::qWait(50);

        QCOMPARE(messages.texts(), expected);
        if (!expected.isEmpty())
            QCOMPARE(messages.shown().first().detail, QStringLiteral("Tamanho: %1 MB").arg(size));
        const bool purged = expected.contains(Msg::FimDeProcesso);
        QCOMPARE(rows(db, QStringLiteral("Avaliacao")), purged ? 1 : 3);
        QCOMPARE(rows(db, QStringLiteral("Corporal")), purged ? 1 : 3);
        const QStringList backups = QDir(QDir(db.folder()).filePath(QStringLiteral("Backup"))).entryList(QDir::Files);
        QCOMPARE(backups.size(), purged ? 1 : 0);
        QVERIFY(!dialog.findChild<QLabel*>(QStringLiteral("LBLATUALIZACAO"))->isVisible());
    }
};

QTEST_MAIN(LoginTest)
#include "tst_login.moc"
