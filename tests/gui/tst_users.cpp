#include "data/Connection.h"
#include "data/PasswordHash.h"
#include "data/Users.h"
#include "domain/MessageTexts.h"
#include "domain/UserRights.h"
#include "domain/UserRules.h"
#include "gui/Screens.h"
#include "gui/app/MainWindow.h"
#include "gui/reports/ReportPreview.h"
#include "gui/users/UserGrid.h"
#include "gui/users/UserListing.h"
#include "support/MainWindowStart.h"
#include "support/ModalDialogs.h"
#include "support/PdfReader.h"
#include "support/ScriptedFileDialogs.h"
#include "support/ScriptedMessages.h"
#include "support/TestDatabase.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

using namespace kelvora;
using namespace kelvora::test;

namespace {

const QString Register = QStringLiteral("TFRMCADASTRODEUSUARIOS");
const QString Editor = QStringLiteral("TFRMPARAMETRIZACAODOUSUARIO");

// A workstation: the main window on `db` with `user` logged in and the real screens
// behind the menu, plus a plain screen for the assessment hub the rights guard.
struct Station {
    Station(const TestDatabase& db, const QString& user = MasterUserCode)
        : window(startMainWindow(db))
    {
        window->logIn(user);
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        installScreens(*window);
        window->registerScreen(QStringLiteral("MNCLINICO"), [](MainWindow&) { return new QWidget; });
        window->setLocalAuthorization([](MainWindow&) { return std::optional<QString>(); });
    }

    // The child window named `name`, or nullptr.
    QWidget* screen(const QString& name) const
    {
        for (QMdiSubWindow* frame : window->mdiArea()->subWindowList())
            if (frame->widget() && frame->widget()->objectName() == name)
                return frame->widget();
        return nullptr;
    }
    QWidget* open(const char* item, const QString& name) const
    {
        window->menuItem(QLatin1String(item))->trigger();
        return screen(name);
    }
    QWidget* openRegister() const { return open("MNCADASTRODEUSUARIOS", Register); }
    QWidget* openEditor() const { return open("MNPARAMETRIZACAODOUSUARIO", Editor); }

    std::unique_ptr<MainWindow> window;
};

void click(QWidget* screen, const char* name)
{
    auto* button = screen->findChild<QAbstractButton*>(QLatin1String(name));
    QVERIFY2(button && button->isEnabled(), name);
    QTest::mouseClick(button, Qt::LeftButton);
}

QLineEdit* field(QWidget* screen, const char* name)
{
    return screen->findChild<QLineEdit*>(QLatin1String(name));
}

// Types `text` into the field and presses Enter.
void type(QWidget* screen, const char* name, const QString& text)
{
    QLineEdit* edit = field(screen, name);
    QVERIFY2(edit && edit->isEnabled(), name);
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
}

void select(QWidget* screen, const QString& code)
{
    screen->findChild<UserGrid*>()->selectCode(code);
}

QComboBox* right(QWidget* editor, const QString& column)
{
    return editor->findChild<QComboBox*>(QStringLiteral("DBCBX") + column);
}

QSqlRecord userRow(const TestDatabase& db, const QString& code)
{
    return Users::find(*db.connect(), code).value_or(QSqlRecord());
}

QStringList messagesWithDetails(const ScriptedMessages& messages)
{
    QStringList shown;
    for (const auto& message : messages.shown())
        shown << (message.detail.isEmpty() ? message.text : message.text + " / " + message.detail);
    return shown;
}

// The code and name lines of the printed user list.
QStringList listedUsers(const QString& pdf)
{
    QStringList users;
    static const QRegularExpression line(QStringLiteral("^\\s*(\\d\\d)\\s+(\\S.*?)\\s*$"));
    for (const QString& page : PdfReader::pageTexts(pdf, true))
        for (const QString& text : page.split(QLatin1Char('\n'))) {
            const QRegularExpressionMatch match = line.match(text);
            if (match.hasMatch())
                users << match.captured(1) + QLatin1Char(' ') + match.captured(2);
        }
    return users;
}

} // namespace

class UsersTest : public QObject {
    Q_OBJECT
private slots:
    // A new user gets every right or none from the full-access question, the
    // password as a hash and the physician flag as ticked; without full access the
    // access-level editor follows on the new user.
    void includesAUser_data()
    {
        QTest::addColumn<QString>("backend");
        QTest::addColumn<bool>("fullAccess");
        QTest::addColumn<bool>("physician");
        for (const QString& backend : backends()) {
            QTest::addRow("%s, full access, physician", qPrintable(backend)) << backend << true << true;
            QTest::addRow("%s, no access", qPrintable(backend)) << backend << false << false;
        }
    }
    void includesAUser()
    {
        QFETCH(QString, backend);
        QFETCH(bool, fullAccess);
        QFETCH(bool, physician);
        TestDatabase db(backend);
        db.install();
        Station station(db);
        ScriptedMessages messages;
        messages.answer(fullAccess ? Messages::Yes : Messages::No);
        QWidget* screen = station.openRegister();
        QVERIFY(screen);
        QCOMPARE(screen->windowTitle(), QStringLiteral("Usuários"));

        click(screen, "SBINCLUIR");
        QCOMPARE(screen->windowTitle(), QStringLiteral("INCLUSÃO DE USUÁRIO"));
        QVERIFY(!screen->findChild<UserGrid*>()->isEnabled());
        QVERIFY(!field(screen, "DBEDTNOME")->isEnabled());
        type(screen, "DBEDTCODIGO", QStringLiteral("7"));
        QCOMPARE(field(screen, "DBEDTCODIGO")->text(), QStringLiteral("07"));
        type(screen, "DBEDTNOME", QStringLiteral("carlos"));
        type(screen, "EDTSENHANOVA", QStringLiteral("abc123"));
        type(screen, "EDTSENHACONFIRMA", QStringLiteral("ABC123"));
        auto* doctor = screen->findChild<QCheckBox*>(QStringLiteral("DBCHKEXAMEMEDICO"));
        QVERIFY(doctor->hasFocus());
        doctor->setChecked(physician);
        QTest::keyClick(doctor, Qt::Key_Return);

        QCOMPARE(messagesWithDetails(messages), QStringList{"Deseja que este Usuário tenha acesso COMPLETO ?"});
        const QSqlRecord row = userRow(db, QStringLiteral("07"));
        QCOMPARE(row.value("NOME").toString(), QStringLiteral("CARLOS"));
        QCOMPARE(row.value("NOMECOMPLETO").toString(), QStringLiteral("CARLOS"));
        QVERIFY(row.value("SENHA").toString() != QStringLiteral("ABC123"));
        QVERIFY(PasswordHash::verify(row.value("SENHA").toString(), QStringLiteral("ABC123")));
        QCOMPARE(row.value("EXAMEMEDICO").toBool(), physician);
        for (const QString& column : UserRights::columns())
            QCOMPARE(row.value(column).toString(), fullAccess ? QStringLiteral("Sim") : QStringLiteral("Não"));

        QCOMPARE(screen->windowTitle(), QStringLiteral("Usuários"));
        QVERIFY(screen->findChild<UserGrid*>()->isEnabled());
        QWidget* editor = station.screen(Editor);
        QCOMPARE(editor != nullptr, !fullAccess);
        if (editor)
            QCOMPARE(editor->findChild<QLabel*>(QStringLiteral("LBLCODIGO"))->text(), QStringLiteral("07"));
    }

    // Wrong input is told and the field cleared; nothing is stored until it is right.
    void includeRefusesBadInput()
    {
        TestDatabase db(Sqlite);
        db.install();
        Station station(db);
        ScriptedMessages messages;
        QWidget* screen = station.openRegister();
        click(screen, "SBINCLUIR");

        type(screen, "DBEDTCODIGO", QString());
        type(screen, "DBEDTCODIGO", QStringLiteral("0"));
        QVERIFY(field(screen, "DBEDTCODIGO")->text().isEmpty());
        type(screen, "DBEDTCODIGO", QStringLiteral("AB")); // letters never reach the field
        QVERIFY(field(screen, "DBEDTCODIGO")->isEnabled());
        type(screen, "DBEDTCODIGO", QStringLiteral("12"));
        type(screen, "DBEDTNOME", QString());
        type(screen, "DBEDTNOME", QStringLiteral("ANA"));
        type(screen, "EDTSENHANOVA", QStringLiteral("ABCDE"));
        type(screen, "EDTSENHACONFIRMA", QStringLiteral("ABCDF"));
        QVERIFY(field(screen, "EDTSENHANOVA")->text().isEmpty());
        type(screen, "EDTSENHANOVA", QStringLiteral("ABCDE"));
        type(screen, "EDTSENHACONFIRMA", QStringLiteral("ABCDE"));
        click(screen, "BBNCONFIRMA");
        QCOMPARE(messagesWithDetails(messages),
                 (QStringList{"Código INCORRETO !", "Código já Cadastrado !", "Código INCORRETO !",
                              "Dado INCORRETO ! / Nome", "Dado INCORRETO ! / Senha não confere",
                              "Dado INCORRETO ! / Senha"}));
        QVERIFY(!Users::exists(*db.connect(), QStringLiteral("12")));

        messages.clear();
        click(screen, "BBNCANCELA");
        QCOMPARE(screen->windowTitle(), QStringLiteral("Usuários"));
        QVERIFY(!field(screen, "DBEDTCODIGO")->isEnabled());
        QVERIFY(field(screen, "DBEDTCODIGO")->text().isEmpty());
        QVERIFY(messages.shown().isEmpty());
        QVERIFY(!Users::exists(*db.connect(), QStringLiteral("12")));
    }

    // A change needs the current password; three wrong ones close the register.
    void changesAPassword_data()
    {
        QTest::addColumn<QString>("backend");
        QTest::addColumn<bool>("rightPassword");
        for (const QString& backend : backends()) {
            QTest::addRow("%s, current password right", qPrintable(backend)) << backend << true;
            QTest::addRow("%s, wrong three times", qPrintable(backend)) << backend << false;
        }
    }
    void changesAPassword()
    {
        QFETCH(QString, backend);
        QFETCH(bool, rightPassword);
        TestDatabase db(backend);
        db.install();
        db.addUser(QStringLiteral("05"), QStringLiteral("JOANA"), QStringLiteral("JOANA5"),
                   {{QStringLiteral("A_DADOS"), QStringLiteral("Sim")}});
        Station station(db);
        ScriptedMessages messages;
        QWidget* screen = station.openRegister();
        select(screen, QStringLiteral("05"));
        click(screen, "SBALTERAR");
        QCOMPARE(screen->windowTitle(), QStringLiteral("ALTERAÇÃO DE USUÁRIO"));
        QCOMPARE(field(screen, "DBEDTNOME")->text(), QStringLiteral("JOANA"));
        QVERIFY(!field(screen, "DBEDTNOME")->isEnabled());
        QVERIFY(!screen->findChild<QPushButton*>(QStringLiteral("BBNCONFIRMA"))->isEnabled());
        QVERIFY(field(screen, "EDTSENHAATUAL")->isVisible());
        QVERIFY(!field(screen, "EDTSENHANOVA")->isVisible());

        if (!rightPassword) {
            QPointer<QWidget> watched(screen);
            for (int i = 0; i < 3; ++i)
                type(screen, "EDTSENHAATUAL", QStringLiteral("ERRADA"));
            QCOMPARE(messagesWithDetails(messages),
                     QStringList(3, "Dado INCORRETO ! / Senha Atual do Usuário não Cadastrada"));
            QTRY_VERIFY(!watched);
            QVERIFY(station.window->menuItem(QStringLiteral("MNCADASTRODEUSUARIOS"))->isEnabled());
            QVERIFY(PasswordHash::verify(userRow(db, "05").value("SENHA").toString(), QStringLiteral("JOANA5")));
            return;
        }
        type(screen, "EDTSENHAATUAL", QStringLiteral("JOANA5"));
        QVERIFY(field(screen, "EDTSENHANOVA")->hasFocus());
        QVERIFY(!field(screen, "EDTSENHAATUAL")->isVisible());
        type(screen, "EDTSENHANOVA", QStringLiteral("NOVA55"));
        type(screen, "EDTSENHACONFIRMA", QStringLiteral("NOVA55"));
        screen->findChild<QCheckBox*>(QStringLiteral("DBCHKEXAMEMEDICO"))->setChecked(true);
        click(screen, "BBNCONFIRMA");
        QVERIFY(messages.shown().isEmpty()); // no full-access question in a change
        const QSqlRecord row = userRow(db, QStringLiteral("05"));
        QVERIFY(PasswordHash::verify(row.value("SENHA").toString(), QStringLiteral("NOVA55")));
        QVERIFY(row.value("EXAMEMEDICO").toBool());
        QCOMPARE(row.value("NOMECOMPLETO").toString(), QStringLiteral("JOANA"));
        QCOMPARE(row.value("A_DADOS").toString(), QStringLiteral("Sim"));
        QVERIFY(station.screen(Editor));
    }

    // Nobody deletes the master or himself, and only the master changes the master.
    // A delete shows no stored password, only a mask.
    void deletesAUser_data()
    {
        QTest::addColumn<QString>("backend");
        for (const QString& backend : backends())
            QTest::newRow(qPrintable(backend)) << backend;
    }
    void deletesAUser()
    {
        QFETCH(QString, backend);
        TestDatabase db(backend);
        db.install();
        db.addUser(QStringLiteral("05"), QStringLiteral("JOANA"), QStringLiteral("JOANA5"),
                   {{QStringLiteral("U_RECADASTRODEUSUARIOS"), QStringLiteral("Sim")}});
        db.addUser(QStringLiteral("06"), QStringLiteral("PEDRO"), QStringLiteral("PEDRO6"));
        Station station(db, QStringLiteral("05"));
        ScriptedMessages messages;
        QWidget* screen = station.openRegister();
        select(screen, MasterUserCode);
        click(screen, "SBALTERAR");
        click(screen, "SBEXCLUIR");
        select(screen, QStringLiteral("05"));
        click(screen, "SBEXCLUIR");
        QCOMPARE(messagesWithDetails(messages), QStringList(3, "Dado não pode ser alterado ! / MESTRE"));
        QCOMPARE(screen->windowTitle(), QStringLiteral("Usuários"));

        messages.clear();
        select(screen, QStringLiteral("06"));
        click(screen, "SBEXCLUIR");
        QCOMPARE(screen->windowTitle(), QStringLiteral("EXCLUSÃO DE USUÁRIO"));
        QVERIFY(screen->findChild<QPushButton*>(QStringLiteral("BBNCANCELA"))->hasFocus());
        for (const char* name : {"EDTSENHANOVA", "EDTSENHACONFIRMA"}) {
            QCOMPARE(field(screen, name)->text(), QStringLiteral("******"));
            QVERIFY(!field(screen, name)->isEnabled());
        }
        click(screen, "BBNCONFIRMA");
        // The access-level editor follows through its menu item, which this user may not open.
        QCOMPARE(messagesWithDetails(messages), QStringList{"Usuário sem acesso ! / CONFIGURAÇÃO DO USUARIO"});
        QVERIFY(!station.screen(Editor));
        QVERIFY(!Users::exists(*db.connect(), QStringLiteral("06")));
        QCOMPARE(screen->findChild<UserGrid*>()->nameOf(QStringLiteral("06")), QString());

        messages.clear();
        Station master(db);
        QWidget* masterScreen = master.openRegister();
        select(masterScreen, MasterUserCode);
        click(masterScreen, "SBEXCLUIR");
        QCOMPARE(messagesWithDetails(messages), QStringList{"Dado não pode ser alterado ! / MESTRE"});
        QVERIFY(Users::exists(*db.connect(), MasterUserCode));
        click(masterScreen, "SBALTERAR"); // the master changes his own record
        QCOMPARE(masterScreen->windowTitle(), QStringLiteral("ALTERAÇÃO DE USUÁRIO"));
    }

    // Rights set in the editor are what the menu's access check honours next.
    void editedRightsAreHonoured_data()
    {
        QTest::addColumn<QString>("backend");
        for (const QString& backend : backends())
            QTest::newRow(qPrintable(backend)) << backend;
    }
    void editedRightsAreHonoured()
    {
        QFETCH(QString, backend);
        TestDatabase db(backend);
        db.install();
        Users::add(*db.connect(), {QStringLiteral("05"), QStringLiteral("JOANA"), QStringLiteral("JOANA5"), false, false});
        Station station(db);
        ScriptedMessages messages;
        QWidget* editor = station.openEditor();
        QVERIFY(editor);
        QCOMPARE(editor->windowTitle(), QStringLiteral(" Parametrização do Usuário"));
        select(editor, QStringLiteral("05"));
        QComboBox* hub = right(editor, QStringLiteral("A_DADOS"));
        QCOMPARE(hub->currentText(), QStringLiteral("Não"));
        QVERIFY(!hub->isEnabled());

        click(editor, "SBALTERAR");
        QVERIFY(hub->isEnabled());
        QVERIFY(!editor->findChild<QPushButton*>(QStringLiteral("BBNSAIR"))->isEnabled());
        click(editor, "BBNAVALIACOES");
        QTest::mouseDClick(hub, Qt::LeftButton);
        QCOMPARE(hub->currentText(), QStringLiteral("Sim"));
        hub->setFocus();
        QTest::keyClick(hub, Qt::Key_Down); // keys other than Enter change nothing
        QCOMPARE(hub->currentText(), QStringLiteral("Sim"));
        QTest::keyClick(hub, Qt::Key_Return);
        QVERIFY(right(editor, QStringLiteral("LIBERA_AVALIACAO"))->hasFocus());
        click(editor, "BBNRETORNAAVALIACOES");
        click(editor, "BBNCADASTRO");
        right(editor, QStringLiteral("C_HOMENS"))->setCurrentText(QStringLiteral("Sim"));
        click(editor, "BBNCONFIRMA");
        QVERIFY(messages.shown().isEmpty());
        QVERIFY(!hub->isEnabled());

        const QSqlRecord row = userRow(db, QStringLiteral("05"));
        for (const QString& column : UserRights::columns())
            QCOMPARE(row.value(column).toString(),
                     column == "A_DADOS" || column == "C_HOMENS" ? QStringLiteral("Sim") : QStringLiteral("Não"));

        station.window->logIn(QStringLiteral("05"));
        station.window->menuItem(QStringLiteral("MNCLINICO"))->trigger();
        QCOMPARE(station.window->mdiArea()->subWindowList().size(), 2);
        station.window->menuItem(QStringLiteral("MNBACKUP"))->trigger();
        QCOMPARE(messagesWithDetails(messages), QStringList{"Usuário sem acesso ! / BACKUP"});

        // Only the master edits the master's rights.
        messages.clear();
        station.window->setUserCode(QStringLiteral("05"));
        select(editor, MasterUserCode);
        click(editor, "SBALTERAR");
        QCOMPARE(messagesWithDetails(messages), QStringList{"Dado não pode ser alterado ! / MESTRE"});
        QVERIFY(!hub->isEnabled());
    }

    // Two stations read the same user; the second to confirm is refused and the
    // first one's change stands.
    void twoStationsChangeTheSameUser_data()
    {
        QTest::addColumn<QString>("backend");
        for (const QString& backend : backends())
            QTest::newRow(qPrintable(backend)) << backend;
    }
    void twoStationsChangeTheSameUser()
    {
        QFETCH(QString, backend);
        TestDatabase db(backend);
        db.install();
        Users::add(*db.connect(), {QStringLiteral("05"), QStringLiteral("JOANA"), QStringLiteral("JOANA5"), false, false});
        Station first(db);
        Station second(db);
        ScriptedMessages messages;

        QWidget* editors[] = {first.openEditor(), second.openEditor()};
        for (QWidget* editor : editors) {
            select(editor, QStringLiteral("05"));
            click(editor, "SBALTERAR");
        }
        right(editors[0], QStringLiteral("U_BACKUP"))->setCurrentText(QStringLiteral("Sim"));
        click(editors[0], "BBNCONFIRMA");
        right(editors[1], QStringLiteral("C_ALUNOS"))->setCurrentText(QStringLiteral("Sim"));
        click(editors[1], "BBNCONFIRMA");
        QCOMPARE(messagesWithDetails(messages), QStringList{"Registro já alocado / Usuarios"});
        QSqlRecord row = userRow(db, QStringLiteral("05"));
        QCOMPARE(row.value("U_BACKUP").toString(), QStringLiteral("Sim"));
        QCOMPARE(row.value("C_ALUNOS").toString(), QStringLiteral("Não"));
        QCOMPARE(right(editors[1], QStringLiteral("U_BACKUP"))->currentText(), QStringLiteral("Sim"));

        messages.clear();
        QWidget* registers[] = {first.openRegister(), second.openRegister()};
        for (QWidget* screen : registers) {
            select(screen, QStringLiteral("05"));
            click(screen, "SBALTERAR");
            type(screen, "EDTSENHAATUAL", QStringLiteral("JOANA5"));
        }
        const QString passwords[] = {QStringLiteral("PRIMEI"), QStringLiteral("SEGUND")};
        for (int i = 0; i < 2; ++i) {
            type(registers[i], "EDTSENHANOVA", passwords[i]);
            type(registers[i], "EDTSENHACONFIRMA", passwords[i]);
            click(registers[i], "BBNCONFIRMA");
        }
        QCOMPARE(messagesWithDetails(messages), QStringList{"Registro já alocado / Usuarios"});
        row = userRow(db, QStringLiteral("05"));
        QVERIFY(PasswordHash::verify(row.value("SENHA").toString(), passwords[0]));
        QCOMPARE(registers[1]->windowTitle(), QStringLiteral("INCLUSÃO DE USUÁRIO"));

        // A code taken by another station between its check and the confirmation.
        messages.clear();
        type(registers[1], "DBEDTCODIGO", QStringLiteral("08"));
        db.addUser(QStringLiteral("08"), QStringLiteral("OUTRA ESTACAO"), QStringLiteral("OUTRA8"));
        type(registers[1], "DBEDTNOME", QStringLiteral("ANA"));
        type(registers[1], "EDTSENHANOVA", QStringLiteral("ANA123"));
        type(registers[1], "EDTSENHACONFIRMA", QStringLiteral("ANA123"));
        messages.answer(Messages::No);
        click(registers[1], "BBNCONFIRMA");
        QCOMPARE(messagesWithDetails(messages),
                 (QStringList{"Deseja que este Usuário tenha acesso COMPLETO ?", "Registro já alocado / Usuarios"}));
        QCOMPARE(userRow(db, QStringLiteral("08")).value("NOME").toString(), QStringLiteral("OUTRA ESTACAO"));
        QCOMPARE(registers[1]->findChild<UserGrid*>()->nameOf(QStringLiteral("08")), QStringLiteral("OUTRA ESTACAO"));
    }

    // The listing settles the interval as typed and lists it on the screen or the printer.
    void listsAnInterval_data()
    {
        QTest::addColumn<QString>("backend");
        for (const QString& backend : backends())
            QTest::newRow(qPrintable(backend)) << backend;
    }
    void listsAnInterval()
    {
        QFETCH(QString, backend);
        TestDatabase db(backend);
        db.install();
        for (const char* code : {"12", "03", "07", "05", "10"})
            db.addUser(QLatin1String(code), QStringLiteral("USUARIO ") + QLatin1String(code), QStringLiteral("SENHA1"));
        Station station(db);
        ScriptedMessages messages;
        ScriptedFileDialogs dialogs;
        UserListing listing(*station.window);
        listing.show();
        listing.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&listing));

        type(&listing, "EDTCODIGOINICIAL", QStringLiteral("4"));
        type(&listing, "EDTCODIGOINICIAL", QStringLiteral("7"));
        QCOMPARE(field(&listing, "EDTCODIGOINICIAL")->text(), QStringLiteral("07"));
        QCOMPARE(listing.findChild<QLabel*>(QStringLiteral("LBLNOMEINICIAL"))->text(), QStringLiteral("USUARIO 07"));
        type(&listing, "EDTCODIGOFINAL", QStringLiteral("5"));
        QCOMPARE(messagesWithDetails(messages), (QStringList{"Código não cadastrado !", "Intervalo Inválido !"}));
        QVERIFY(field(&listing, "EDTCODIGOFINAL")->text().isEmpty());
        type(&listing, "EDTCODIGOFINAL", QString()); // the last user
        QCOMPARE(field(&listing, "EDTCODIGOFINAL")->text(), QStringLiteral("12"));
        QVERIFY(!field(&listing, "EDTCODIGOFINAL")->isEnabled());
        QVERIFY(listing.findChild<QPushButton*>(QStringLiteral("BBNVIDEO"))->hasFocus());

        const QString printed = db.folder() + QStringLiteral("/impresso.pdf");
        dialogs.answerPrinterPdf(printed);
        click(&listing, "BBNIMPRESSORA");
        QCOMPARE(listedUsers(printed), (QStringList{"07 USUARIO 07", "10 USUARIO 10", "12 USUARIO 12"}));
        QVERIFY(PdfReader::pageTexts(printed, true).first().simplified().contains(
            QStringLiteral("Código Inicial : 07 Código Final : 12")));
        QVERIFY(field(&listing, "EDTCODIGOINICIAL")->text().isEmpty());
        QVERIFY(field(&listing, "EDTCODIGOINICIAL")->isEnabled());
        QVERIFY(!field(&listing, "EDTCODIGOFINAL")->isEnabled());

        // Empty codes take the first and the last user; "Vídeo" shows the same document.
        int pages = 0;
        whenShown(QStringLiteral("TFRMVISUALIZACAO"), [&](QWidget* preview) {
            pages = static_cast<ReportPreview*>(preview)->pageCount();
            const QString stored = db.folder() + QStringLiteral("/previsto.pdf");
            dialogs.answerFile(stored);
            click(preview, "SBSALVARPDF");
            QCOMPARE(listedUsers(stored),
                     (QStringList{"00 MESTRE", "03 USUARIO 03", "05 USUARIO 05", "07 USUARIO 07",
                                  "10 USUARIO 10", "12 USUARIO 12"}));
            preview->close();
        });
        click(&listing, "BBNVIDEO");
        QCOMPARE(pages, 1);
        QVERIFY(listing.findChild<QPushButton*>(QStringLiteral("BBNVIDEO"))->isEnabled());
    }

    // The listing opens from the register and gives it back its caption.
    void listingOpensFromTheRegister()
    {
        TestDatabase db(Sqlite);
        db.install();
        Station station(db);
        ScriptedMessages messages;
        QWidget* screen = station.openRegister();
        bool shown = false;
        whenShown(QStringLiteral("TFRMCONSULTAUSUARIOS"), [&](QWidget* listing) {
            shown = listing->windowTitle() == QStringLiteral("Consulta de Usuários");
            click(listing, "BBNRETORNA");
        });
        click(screen, "SBCONSULTAR");
        QVERIFY(shown);
        QCOMPARE(screen->windowTitle(), QStringLiteral("Cadastro de Usuários"));
        whenShown(QStringLiteral("TFRMAJUDAUSUARIOS"), [&](QWidget* help) {
            shown = help->windowTitle() == QStringLiteral("Ajuda - USUÁRIOS");
            help->close();
        });
        shown = false;
        click(screen, "SBAJUDAATIV");
        QVERIFY(shown);
    }
};

QTEST_MAIN(UsersTest)
#include "tst_users.moc"
