#include "data/Connection.h"
#include "data/Rows.h"
#include "data/Students.h"
#include "domain/Clock.h"
#include "domain/MessageTexts.h"
#include "domain/UserRules.h"
#include "gui/Screens.h"
#include "gui/app/MainWindow.h"
#include "gui/widgets/ChoiceBox.h"
#include "gui/widgets/DateField.h"
#include "support/MainWindowStart.h"
#include "support/ScriptedCamera.h"
#include "support/ScriptedFileDialogs.h"
#include "support/ScriptedMessages.h"
#include "support/StudentRegisterScreen.h"
#include "support/TestDatabase.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using namespace kelvora;
using namespace kelvora::test;

namespace {

const QDate Today(2026, 3, 10);

void setSetting(const TestDatabase& db, const QString& column, const QString& value)
{
    db.connect()->execute(QStringLiteral("Moxcvar"),
                          QStringLiteral("UPDATE Moxcvar SET %1 = ?").arg(column), {value});
}

// A student stored by another station, with what a confirmation requires.
void addStudent(const TestDatabase& db, const QString& number, const QString& name,
                const QString& state = QStringLiteral("RJ"),
                const QString& city = QStringLiteral("NITEROI"))
{
    Rows::insert(*db.connect(), Students::Table,
                 {{QStringLiteral("MATRICULA"), number},
                  {QStringLiteral("NOME"), name},
                  {QStringLiteral("SEXO"), QStringLiteral("M")},
                  {QStringLiteral("ENDERECO"), QStringLiteral("RUA A, 1")},
                  {QStringLiteral("BAIRRO"), QStringLiteral("CENTRO")},
                  {QStringLiteral("ESTADO"), state},
                  {QStringLiteral("CIDADE"), city},
                  {QStringLiteral("CEP"), QStringLiteral("24020-070")},
                  {QStringLiteral("DATA_NASCIMENTO"), QDate(1990, 5, 4)},
                  {QStringLiteral("DATA_CADASTRADO"), QDate(2020, 1, 2)}});
}

QVariant stored(const TestDatabase& db, const QString& number, const QString& column)
{
    const auto student = Students::find(*db.connect(), number);
    return student ? student->value(column) : QVariant();
}

int photoRows(const TestDatabase& db, const QString& number)
{
    QSqlQuery query = db.connect()->select(
        Students::Photos, QStringLiteral("SELECT COUNT(*) FROM FotosAlunos WHERE MATRICULA = ?"),
        {number});
    query.next();
    return query.value(0).toInt();
}

QByteArray pictureBytes(const char* format)
{
    QImage image(40, 50, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

bool isJpeg(const QByteArray& bytes)
{
    return bytes.startsWith("\xFF\xD8") && !QImage::fromData(bytes, "JPEG").isNull();
}

} // namespace

class StudentsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { Clock::setFixed(QDateTime(Today, QTime(9, 30))); }

    // Sequential numbers on an empty table and after 0000000041; state and city from the
    // student selected before; every field stored, the dates left alone stored as null.
    void include_data() { addBackendRows(); }
    void include()
    {
        QFETCH(QString, backend);
        TestDatabase db(backend);
        db.install();
        StudentRegisterScreen screen(db);
        QCOMPARE(screen.screen->objectName(), QStringLiteral("TFRMALUNOS"));
        QVERIFY(screen.browsing());
        ScriptedMessages messages;

        screen.click("SBINCLUIR");
        QCOMPARE(screen.screen->windowTitle(), QStringLiteral("INCLUSÃO DE ALUNOS"));
        QCOMPARE(screen.field("MATRICULA")->text(), QStringLiteral("0000000001"));
        QVERIFY(!screen.field("MATRICULA")->isEnabled());
        QVERIFY(screen.field("NOME")->hasFocus() || !QApplication::activeWindow());
        QVERIFY(!screen.grid->isEnabled() && !screen.enabled("SBINCLUIR") && !screen.enabled("SBSAIR"));
        QCOMPARE(screen.field<DateField>("DATA_CADASTRADO")->text(), QStringLiteral("10/03/2026"));
        screen.fillRequired(QStringLiteral("Conceição D'Ávila"));
        screen.type("EMAIL", QStringLiteral("Maria@Exemplo.COM"));
        QCOMPARE(screen.field("NOME")->text(), QStringLiteral("CONCEIÇÃO D'ÁVILA"));
        screen.click("BBNCONFIRMA");

        QCOMPARE(messages.texts(), QStringList());
        QVERIFY(screen.browsing());
        const QString first = QStringLiteral("0000000001");
        QCOMPARE(stored(db, first, "NOME").toString(), QStringLiteral("CONCEIÇÃO D'ÁVILA"));
        QCOMPARE(stored(db, first, "SEXO").toString(), QStringLiteral("F"));
        QCOMPARE(stored(db, first, "CIDADE").toString(), QStringLiteral("NITERÓI"));
        QCOMPARE(stored(db, first, "CEP").toString(), QStringLiteral("24020-070"));
        QCOMPARE(stored(db, first, "EMAIL").toString(), QStringLiteral("maria@exemplo.com"));
        QCOMPARE(stored(db, first, "DATA_NASCIMENTO").toDate(), QDate(1990, 5, 4));
        QCOMPARE(stored(db, first, "DATA_CADASTRADO").toDate(), Today);
        for (const char* untouched : {"SAIDA", "DATA_MEDICA", "DATA_FUNCIONAL"})
            QVERIFY2(stored(db, first, untouched).isNull(), untouched);
        QCOMPARE(photoRows(db, first), 1);
        QCOMPARE(screen.gridNumber(), first);

        addStudent(db, QStringLiteral("0000000041"), QStringLiteral("JOSE"), QStringLiteral("SP"),
                   QStringLiteral("SANTOS"));
        screen.click("SBINCLUIR"); // the grid is read again: 41 is now the last
        QCOMPARE(screen.field("MATRICULA")->text(), QStringLiteral("0000000042"));
        QCOMPARE(screen.field<ChoiceBox>("ESTADO")->currentText(), QStringLiteral("RJ"));
        QCOMPARE(screen.field("CIDADE")->text(), QStringLiteral("NITERÓI"));
        screen.click("BBNCANCELA");
        QVERIFY(screen.browsing());
        QCOMPARE(screen.grid->model()->rowCount(), 2);

        QAction* item = screen.window->menuItem(QStringLiteral("MNALUNOS"));
        QVERIFY(!item->isEnabled());
        screen.click("SBSAIR");
        QTRY_VERIFY(item->isEnabled());
        QVERIFY(!item->isChecked());
        QCOMPARE(screen.window->openScreens(), 0);
    }

    // Without sequential numbering the number is typed; a short one is padded.
    void typedNumber()
    {
        TestDatabase db(Sqlite);
        db.install();
        setSetting(db, QStringLiteral("CODIGOSEQ"), QStringLiteral("Não"));
        StudentRegisterScreen screen(db);
        ScriptedMessages messages;
        screen.click("SBINCLUIR");
        QVERIFY(screen.field("MATRICULA")->isEnabled());
        QCOMPARE(screen.field("MATRICULA")->text(), QString());
        screen.type("MATRICULA", QStringLiteral("00"));
        QTest::keyClick(screen.field("MATRICULA"), Qt::Key_Return); // zero is no number
        QCOMPARE(messages.texts(), QStringList{"Matrícula INCORRETA !"});
        QCOMPARE(screen.field("MATRICULA")->text(), QString());
        messages.clear();
        screen.type("MATRICULA", QStringLiteral("a9-9"));
        QCOMPARE(screen.field("MATRICULA")->text(), QStringLiteral("99"));
        QTest::keyClick(screen.field("MATRICULA"), Qt::Key_Return);
        QVERIFY(messages.texts().isEmpty());
        screen.fillRequired(QStringLiteral("ANA"));
        // A document number with a blank is refused on Enter and cleared.
        screen.type("IDENTIDADE", QStringLiteral("12 345"));
        QTest::keyClick(screen.field("IDENTIDADE"), Qt::Key_Return);
        QCOMPARE(messages.texts(), QStringList{"Dado INCORRETO !"});
        QCOMPARE(messages.shown().first().detail, QStringLiteral("Identidade"));
        QCOMPARE(screen.field("IDENTIDADE")->text(), QString());
        messages.clear();
        screen.click("BBNCONFIRMA");
        QCOMPARE(messages.texts(), QStringList());
        QCOMPARE(stored(db, QStringLiteral("0000000099"), "NOME").toString(), QStringLiteral("ANA"));
    }

    // The checks of a confirmation, each with its message and the field it returns to.
    void confirmationChecks_data()
    {
        QTest::addColumn<QString>("column");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("detail");
        QTest::newRow("birth date empty") << "DATA_NASCIMENTO" << "" << "Dado INCORRETO !"
                                          << "Data de Nascimento";
        QTest::newRow("birth date not a date") << "DATA_NASCIMENTO" << "31022000"
                                               << "Dado INCORRETO !" << "Data de Nascimento";
        QTest::newRow("CEP of five digits") << "CEP" << "24020" << "Dado INCORRETO !" << "CEP";
        QTest::newRow("name empty") << "NOME" << "" << "Dado INCORRETO !" << "Nome";
        QTest::newRow("sex blank") << "SEXO" << " " << "Dado INCORRETO !" << "Sexo";
        QTest::newRow("leaving in 1899") << "SAIDA" << "01011899" << "Dado INCORRETO !"
                                         << "Data de Saída - Ano !";
        QTest::newRow("leaving before registration")
            << "SAIDA" << "09032026" << "Dado INCORRETO !"
            << "Data de Saída inferior data de Cadastro";
        QTest::newRow("medical in 1899") << "DATA_MEDICA" << "31121899" << "Dado INCORRETO !"
                                         << "Data de Médica - Ano !";
        QTest::newRow("functional in 1800") << "DATA_FUNCIONAL" << "01011800"
                                            << "Dado INCORRETO !" << "Data de Funcional - Ano !";
    }
    void confirmationChecks()
    {
        QFETCH(QString, column);
        QFETCH(QString, typed);
        QFETCH(QString, text);
        QFETCH(QString, detail);
        TestDatabase db(Sqlite);
        db.install();
        StudentRegisterScreen screen(db);
        ScriptedMessages messages;
        screen.click("SBINCLUIR");
        screen.fillRequired(QStringLiteral("ANA"));
        QWidget* spoiled = screen.field<QWidget>(column.toLatin1().constData());
        if (auto* edit = qobject_cast<QLineEdit*>(spoiled))
            edit->clear();
        screen.type(column.toLatin1().constData(), typed);
        screen.click("BBNCONFIRMA");

        QCOMPARE(messages.texts(), QStringList{text});
        QCOMPARE(messages.shown().first().detail, detail);
        QCOMPARE(QApplication::focusWidget() ? QApplication::focusWidget() : spoiled, spoiled);
        QCOMPARE(screen.screen->windowTitle(), QStringLiteral("INCLUSÃO DE ALUNOS"));
        QCOMPARE(Students::numbers(*db.connect(), Students::Order::ByNumber), QStringList());
    }

    // Two stations include at the same moment: both are offered the same number, the
    // second confirmation is told and gets the next one, and nothing is overwritten.
    void twoStationsInclude_data() { addBackendRows(); }
    void twoStationsInclude()
    {
        QFETCH(QString, backend);
        TestDatabase db(backend);
        db.install();
        StudentRegisterScreen first(db);
        StudentRegisterScreen second(db);
        ScriptedMessages messages;
        first.click("SBINCLUIR");
        second.click("SBINCLUIR");
        QCOMPARE(second.field("MATRICULA")->text(), QStringLiteral("0000000001"));
        first.fillRequired(QStringLiteral("ANA"));
        second.fillRequired(QStringLiteral("BRUNO"));
        first.click("BBNCONFIRMA");
        second.click("BBNCONFIRMA");

        QCOMPARE(messages.texts(), QStringList{"Registro já alocado"});
        QCOMPARE(messages.shown().first().detail, QStringLiteral("Matrícula 0000000001 já cadastrada"));
        QCOMPARE(second.screen->windowTitle(), QStringLiteral("INCLUSÃO DE ALUNOS"));
        QCOMPARE(second.field("MATRICULA")->text(), QStringLiteral("0000000002"));
        QCOMPARE(second.field("NOME")->text(), QStringLiteral("BRUNO"));
        second.click("BBNCONFIRMA");
        QCOMPARE(messages.texts().size(), 1);
        QVERIFY(second.browsing());
        QCOMPARE(stored(db, QStringLiteral("0000000001"), "NOME").toString(), QStringLiteral("ANA"));
        QCOMPARE(stored(db, QStringLiteral("0000000002"), "NOME").toString(), QStringLiteral("BRUNO"));
        QCOMPARE(photoRows(db, QStringLiteral("0000000001")), 1);
        QCOMPARE(photoRows(db, QStringLiteral("0000000002")), 1);
    }

    // Change keeps the number and the photo; delete needs the right, takes the photo
    // row with the student and leaves the student's assessments.
    void changeAndDelete_data() { addBackendRows(); }
    void changeAndDelete()
    {
        QFETCH(QString, backend);
        TestDatabase db(backend);
        db.install();
        db.addUser(QStringLiteral("07"), QStringLiteral("CARLOS"), QStringLiteral("CARLO7"),
                   {{QStringLiteral("C_ALUNOS"), QStringLiteral("Sim")},
                    {QStringLiteral("C_EXCLUI_ALUNOS"), QStringLiteral("Não")}});
        const QString number = QStringLiteral("0000000005");
        addStudent(db, QStringLiteral("0000000003"), QStringLiteral("ANA"));
        addStudent(db, number, QStringLiteral("MARIA"));
        const QByteArray photo = pictureBytes("JPEG");
        Rows::insert(*db.connect(), Students::Photos,
                     {{QStringLiteral("MATRICULA"), number}, {QStringLiteral("FOTO1"), photo}});
        Rows::insert(*db.connect(), QStringLiteral("Avaliacao"),
                     {{QStringLiteral("MATRICULA"), number},
                      {QStringLiteral("DATAEXAME"), QDate(2025, 8, 1)}});
        StudentRegisterScreen screen(db);
        ScriptedMessages messages;
        screen.select(number);
        QCOMPARE(screen.field("NOME")->text(), QStringLiteral("MARIA"));
        QVERIFY(screen.screen->findChild<QLabel*>(QStringLiteral("IMGFOTO"))->isVisibleTo(screen.screen));

        screen.click("SBALTERAR");
        QCOMPARE(screen.screen->windowTitle(), QStringLiteral("ALTERAÇÃO DE ALUNOS"));
        QVERIFY(!screen.field("MATRICULA")->isEnabled() && screen.field("ENDERECO")->isEnabled());
        screen.field("ENDERECO")->clear();
        screen.type("ENDERECO", QStringLiteral("Av. Brasil, 500"));
        auto* registered = screen.field<DateField>("DATA_CADASTRADO");
        registered->end(false);
        for (int i = 0; i < 10; ++i)
            QTest::keyClick(registered, Qt::Key_Backspace);
        QTest::keyClick(registered, Qt::Key_Return); // an erased date is stored as null
        screen.click("BBNCONFIRMA");
        QCOMPARE(messages.texts(), QStringList());
        QVERIFY(screen.browsing());
        QCOMPARE(stored(db, number, "ENDERECO").toString(), QStringLiteral("AV. BRASIL, 500"));
        QCOMPARE(stored(db, number, "NOME").toString(), QStringLiteral("MARIA"));
        QVERIFY(stored(db, number, "DATA_CADASTRADO").isNull());
        QCOMPARE(Students::photo(*db.connect(), number), photo);
        QCOMPARE(screen.gridNumber(), number);

        // A user without the right, and nobody authorising in "Acesso Local".
        screen.window->logIn(QStringLiteral("07"));
        screen.window->setLocalAuthorization([](MainWindow&) { return std::optional<QString>(); });
        screen.click("SBEXCLUIR");
        QCOMPARE(messages.texts(), QStringList{"Usuário sem acesso !"});
        QVERIFY(screen.browsing());

        // The master authorises; "Cancela" keeps the student, "Confirma" deletes.
        screen.window->setLocalAuthorization(
            [](MainWindow&) { return std::optional<QString>(MasterUserCode); });
        screen.click("SBEXCLUIR");
        QCOMPARE(screen.window->userCode(), QStringLiteral("07"));
        QCOMPARE(screen.screen->windowTitle(), QStringLiteral("EXCLUSÃO DE ALUNOS"));
        QVERIFY(!screen.field("NOME")->isEnabled() && !screen.grid->isEnabled());
        screen.click("BBNCANCELA");
        QVERIFY(stored(db, number, "NOME").isValid());
        screen.click("SBEXCLUIR");
        screen.click("BBNCONFIRMA");
        QCOMPARE(messages.texts().size(), 1);
        QVERIFY(screen.browsing());
        QVERIFY(!Students::find(*db.connect(), number));
        QCOMPARE(photoRows(db, number), 0);
        QSqlQuery assessments = db.connect()->select(
            QStringLiteral("Avaliacao"),
            QStringLiteral("SELECT COUNT(*) FROM Avaliacao WHERE MATRICULA = ?"), {number});
        QVERIFY(assessments.next());
        QCOMPARE(assessments.value(0).toInt(), 1);
        QCOMPARE(screen.grid->model()->rowCount(), 1);
    }

    // Another station changed the student since "Alterar": nothing is overwritten, and
    // the student is shown as stored now.
    void changedByAnotherStation_data() { addBackendRows(); }
    void changedByAnotherStation()
    {
        QFETCH(QString, backend);
        TestDatabase db(backend);
        db.install();
        const QString number = QStringLiteral("0000000005");
        addStudent(db, number, QStringLiteral("MARIA"));
        StudentRegisterScreen screen(db);
        ScriptedMessages messages;
        screen.click("SBALTERAR");
        db.connect()->execute(Students::Table,
                              QStringLiteral("UPDATE Alunos SET ENDERECO = ? WHERE MATRICULA = ?"),
                              {QStringLiteral("RUA DA OUTRA ESTACAO"), number});
        screen.field("ENDERECO")->clear();
        screen.type("ENDERECO", QStringLiteral("RUA DESTA ESTACAO"));
        screen.click("BBNCONFIRMA");

        QCOMPARE(messages.texts(), QStringList{"Registro já alocado"});
        QCOMPARE(messages.shown().first().detail, QStringLiteral("Alunos"));
        QVERIFY(screen.browsing());
        QCOMPARE(stored(db, number, "ENDERECO").toString(), QStringLiteral("RUA DA OUTRA ESTACAO"));
        QCOMPARE(screen.field("ENDERECO")->text(), QStringLiteral("RUA DA OUTRA ESTACAO"));
    }

    // The search panel positions on the first name or number that begins with what is
    // typed, and Enter takes the student found.
    void search_data() { addBackendRows(); }
    void search()
    {
        QFETCH(QString, backend);
        TestDatabase db(backend);
        db.install();
        addStudent(db, QStringLiteral("0000000001"), QStringLiteral("BRUNO"));
        addStudent(db, QStringLiteral("0000000002"), QStringLiteral("ANTONIO"));
        addStudent(db, QStringLiteral("0000000003"), QStringLiteral("ANA SILVA"));
        addStudent(db, QStringLiteral("0000000010"), QStringLiteral("CARLA"));
        StudentRegisterScreen screen(db);
        ScriptedMessages messages;
        auto* panel = screen.screen->findChild<QWidget*>(QStringLiteral("PNLPROCURA"));
        QVERIFY(!panel->isVisibleTo(screen.screen));

        screen.click("SBPROCURA");
        QVERIFY(panel->isVisibleTo(screen.screen));
        QVERIFY(!screen.enabled("SBINCLUIR") && !screen.enabled("SBSAIR"));
        QTest::keyClicks(screen.search(), QStringLiteral("an1"));
        QCOMPARE(screen.search()->text(), QStringLiteral("an")); // letters only
        QCOMPARE(screen.gridNumber(), QStringLiteral("0000000003"));
        QCOMPARE(screen.grid->currentIndex().row(), 0); // the grid is in name order
        QTest::sendKeyEvent(QTest::Click, screen.search(), Qt::Key_unknown, QStringLiteral("é"),
                            Qt::NoModifier);
        QCOMPARE(screen.search()->text(), QStringLiteral("ané")); // accented ones too
        QTest::keyClick(screen.search(), Qt::Key_Backspace);
        QTest::keyClicks(screen.search(), QStringLiteral("t"));
        QCOMPARE(screen.gridNumber(), QStringLiteral("0000000002"));
        QTest::keyClick(screen.search(), Qt::Key_Return);
        QCOMPARE(messages.texts(), QStringList());
        QVERIFY(!panel->isVisibleTo(screen.screen));
        QVERIFY(screen.browsing());
        QCOMPARE(screen.field("NOME")->text(), QStringLiteral("ANTONIO"));

        screen.click("SBPROCURA");
        QTest::keyClicks(screen.search(), QStringLiteral("z"));
        QTest::keyClick(screen.search(), Qt::Key_Return);
        QCOMPARE(messages.texts(), QStringList{"Matrícula não Cadastrada"});
        QCOMPARE(screen.search()->text(), QString());

        screen.click("PNLMATRICULA");
        QTest::keyClick(screen.search(), Qt::Key_Return);
        QCOMPARE(messages.texts().last(), QStringLiteral("Matrícula INCORRETA !"));
        QTest::keyClicks(screen.search(), QStringLiteral("x10"));
        QCOMPARE(screen.search()->text(), QStringLiteral("10"));
        QCOMPARE(screen.gridNumber(), QStringLiteral("0000000010"));
        QCOMPARE(screen.grid->currentIndex().row(), 3);
        QTest::keyClick(screen.search(), Qt::Key_Return);
        QCOMPARE(screen.field("NOME")->text(), QStringLiteral("CARLA"));
        QVERIFY(screen.browsing());

        screen.click("SBPROCURA");
        screen.click("BBNCANCELAP");
        QVERIFY(!panel->isVisibleTo(screen.screen));
        QVERIFY(screen.browsing());
        QCOMPARE(messages.texts().size(), 2);
    }

    // A JPEG file is stored as it is, a PNG converted; anything else is refused with
    // the file's name and changes nothing.
    void photoFromFile()
    {
        TestDatabase db(Sqlite);
        db.install();
        addStudent(db, QStringLiteral("0000000001"), QStringLiteral("ANA"));
        QTemporaryDir files;
        const auto write = [&files](const QString& name, const QByteArray& bytes) {
            QFile file(files.filePath(name));
            file.open(QIODevice::WriteOnly);
            file.write(bytes);
            return file.fileName();
        };
        const QByteArray jpeg = pictureBytes("JPEG");
        const QString jpegFile = write(QStringLiteral("ana.jpg"), jpeg);
        const QString pngFile = write(QStringLiteral("ana.png"), pictureBytes("PNG"));
        const QString textFile = write(QStringLiteral("notas.jpg"), "nada de imagem");
        StudentRegisterScreen screen(db);
        ScriptedMessages messages;
        ScriptedFileDialogs dialogs;
        auto* picture = screen.screen->findChild<QLabel*>(QStringLiteral("IMGFOTO"));
        QVERIFY(!picture->isVisibleTo(screen.screen));

        screen.click("SBALTERAR");
        dialogs.answerFile(jpegFile);
        screen.click("BBNFOTO");
        QVERIFY(picture->isVisibleTo(screen.screen));
        QVERIFY(dialogs.asked().first().filter.startsWith(QStringLiteral("All (*.jpg *.jpeg)")));
        screen.click("PNLLIMPA");
        QVERIFY(!picture->isVisibleTo(screen.screen));
        screen.click("BBNCONFIRMA");
        QCOMPARE(Students::photo(*db.connect(), QStringLiteral("0000000001")), jpeg);

        screen.click("SBALTERAR");
        dialogs.answerFile(textFile);
        screen.click("BBNFOTO");
        QCOMPARE(messages.texts(), QStringList{"Dado INCORRETO !"});
        QVERIFY(messages.shown().first().detail.contains(textFile));
        dialogs.answerFile(pngFile);
        screen.click("BBNFOTO");
        screen.click("BBNCONFIRMA");
        const QByteArray stored = Students::photo(*db.connect(), QStringLiteral("0000000001"));
        QVERIFY(isJpeg(stored));
        QCOMPARE(QImage::fromData(stored).size(), QSize(40, 50));
        QCOMPARE(photoRows(db, QStringLiteral("0000000001")), 1);

        // "Cancela" leaves the stored photo as it was.
        screen.click("SBALTERAR");
        dialogs.answerFile(jpegFile);
        screen.click("BBNFOTO");
        screen.click("BBNCANCELA");
        QCOMPARE(Students::photo(*db.connect(), QStringLiteral("0000000001")), stored);
    }

    // With the camera setting on, the frame shown when "Confirma" is pressed becomes
    // the photo; without a camera the dialog says so and nothing is taken.
    void photoFromCamera()
    {
        TestDatabase db(Sqlite);
        db.install();
        setSetting(db, QStringLiteral("CAPTURA_WEB"), QStringLiteral("Sim"));
        const QString number = QStringLiteral("0000000001");
        addStudent(db, number, QStringLiteral("ANA"));
        StudentRegisterScreen screen(db);
        ScriptedMessages messages;
        QImage red(64, 48, QImage::Format_RGB32);
        red.fill(Qt::red);
        QImage blue(red);
        blue.fill(Qt::blue);
        {
            ScriptedCamera camera;
            screen.click("SBALTERAR");
            QTimer::singleShot(0, [&] {
                QWidget* dialog = QApplication::activeModalWidget();
                QCOMPARE(dialog->objectName(), QStringLiteral("TFRMCAPTURA"));
                QCOMPARE(dialog->windowTitle(), QStringLiteral("Captura Foto"));
                camera.feed(blue);
                camera.feed(red); // the frame on show when confirmed
                dialog->findChild<QPushButton*>(QStringLiteral("BBNCONFIRMA"))->click();
            });
            screen.click("BBNFOTO");
            QCOMPARE(camera.started(), 1);
            screen.click("BBNCONFIRMA");
        }
        const QByteArray stored = Students::photo(*db.connect(), number);
        QVERIFY(isJpeg(stored));
        const QImage taken = QImage::fromData(stored, "JPEG");
        QCOMPARE(taken.size(), red.size());
        QVERIFY(qRed(taken.pixel(10, 10)) > 200 && qBlue(taken.pixel(10, 10)) < 60);

        {
            ScriptedCamera none(false);
            screen.click("SBALTERAR");
            QTimer::singleShot(0, [&] {
                QWidget* dialog = QApplication::activeModalWidget();
                QCOMPARE(dialog->findChild<QLabel*>(QStringLiteral("PNLVIDEO"))->text(),
                         QStringLiteral("Nenhuma câmera encontrada."));
                dialog->findChild<QPushButton*>(QStringLiteral("BBNCONFIRMA"))->click();
            });
            screen.click("BBNFOTO");
            screen.click("BBNCONFIRMA");
            QCOMPARE(Students::photo(*db.connect(), number), stored);

            // "Retorna" takes nothing either; and a number is needed first.
            setSetting(db, QStringLiteral("CODIGOSEQ"), QStringLiteral("Não"));
            screen.click("SBINCLUIR");
            screen.click("BBNFOTO");
            QCOMPARE(messages.texts(), QStringList{"Matrícula INCORRETA !"});
            QCOMPARE(none.started(), 1);
            screen.type("MATRICULA", QStringLiteral("7"));
            QTimer::singleShot(0, [] {
                QApplication::activeModalWidget()
                    ->findChild<QPushButton*>(QStringLiteral("BBNRETORNA"))
                    ->click();
            });
            screen.click("BBNFOTO");
            QCOMPARE(screen.field("MATRICULA")->text(), QStringLiteral("0000000007"));
            QVERIFY(!screen.screen->findChild<QLabel*>(QStringLiteral("IMGFOTO"))->isVisibleTo(screen.screen));
            screen.click("BBNCANCELA");
        }
        QCOMPARE(messages.texts().size(), 1);
    }
};

QTEST_MAIN(StudentsTest)
#include "tst_students.moc"
