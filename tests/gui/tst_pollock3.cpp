#include "data/Companion.h"
#include "data/BodyCompositionReference.h"
#include "data/Connection.h"
#include "data/Rows.h"
#include "domain/MessageTexts.h"
#include "domain/UserRules.h"
#include "domain/YesNo.h"
#include "gui/assessment/AssessmentContext.h"
#include "gui/bodycomp/Pollock3Screen.h"
#include "support/MainWindowStart.h"
#include "support/ScriptedMessages.h"
#include "support/TestDatabase.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlRecord>
#include <QTest>

using namespace kelvora;
using namespace kelvora::test;

namespace {

const QString Number = QStringLiteral("0000000007");
const QDate ExamDate(2026, 3, 10);

QVariant cell(const Connection& connection, const QString& table, const QString& column,
              const QString& condition = QStringLiteral("MATRICULA = ?"))
{
    QSqlQuery query = connection.select(
        table, QStringLiteral("SELECT %1 FROM %2 WHERE %3").arg(column, table, condition), {Number});
    return query.next() ? query.value(0) : QVariant();
}

int rows(const Connection& connection, const QString& table)
{
    return cell(connection, table, QStringLiteral("COUNT(*)")).toInt();
}

// One station: the main window with the master user, the companion rule of the
// settings, and the hub's context for a man of 30 recording a new assessment.
struct Station {
    Station(const TestDatabase& db, bool ownRegister)
        : window(startMainWindow(db))
        , companion(window->ownConnection(), window->brandelConnection(), ownRegister,
                    QStringLiteral("Não"))
    {
        window->logIn(MasterUserCode);
        context.number = Number;
        context.examDate = ExamDate;
        context.sexCode = QStringLiteral("M");
        context.age = 30;
        context.referenceDate = ExamDate;
    }

    // The screen opened as the hub opens it, shown for typing.
    std::unique_ptr<Pollock3Screen> open()
    {
        auto screen = std::make_unique<Pollock3Screen>(*window, companion, context);
        return startForTyping(*screen) ? std::move(screen) : nullptr;
    }

    std::unique_ptr<MainWindow> window;
    Companion companion;
    AssessmentContext context;
};

QLineEdit* field(QWidget* screen, const char* name)
{
    return screen->findChild<QLineEdit*>(QLatin1String(name));
}

QString label(QWidget* screen, const char* name)
{
    return screen->findChild<QLabel*>(QLatin1String(name))->text();
}

void click(QWidget* screen, const char* name)
{
    screen->findChild<QPushButton*>(QLatin1String(name))->click();
}

void type(QWidget* screen, const char* name, const QString& text)
{
    QLineEdit* edit = field(screen, name);
    edit->clear();
    edit->setFocus();
    QTest::keyClicks(edit, text);
}

// The worked example of the protocol: a man of 30, chest 10, abdomen 20, thigh 15,
// weight 80, ideal fat 15.
void typeMaleExample(QWidget* screen)
{
    type(screen, "DBEDTPESO3", QStringLiteral("80"));
    type(screen, "DBEDTALTURA3", QStringLiteral("175,5"));
    type(screen, "DBEDTPEITORAL3", QStringLiteral("10"));
    type(screen, "DBEDTABDOMEM3", QStringLiteral("20"));
    type(screen, "DBEDTCOXA3", QStringLiteral("15"));
    type(screen, "DBTXTGORDURAIDEAL3", QStringLiteral("15"));
}

} // namespace

class TestPollock3 : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TestDatabase> makeDatabase(bool ownRegister)
    {
        QFETCH(QString, backend);
        auto db = std::make_unique<TestDatabase>(backend);
        db->install();
        auto own = db->connect();
        if (ownRegister) {
            Rows::insert(*own, QStringLiteral("Alunos"),
                         {{QStringLiteral("MATRICULA"), Number}, {QStringLiteral("NOME"), QStringLiteral("JOSE")}});
        } else {
            own->execute(QStringLiteral("Moxcvar"), QStringLiteral("UPDATE Moxcvar SET PATH_AVALIA = ?"),
                         {Nao});
            auto brandel = db->connect(Connection::Brandel);
            for (const QString& table : {QStringLiteral("Alunos"), QStringLiteral("AlunosAtivos")})
                Rows::insert(*brandel, table,
                             {{QStringLiteral("MATRICULA"), Number}, {QStringLiteral("NOME"), QStringLiteral("JOSE")}});
        }
        return db;
    }

private slots:
    void computeConfirmReopen_data()
    {
        QTest::addColumn<QString>("backend");
        QTest::addColumn<bool>("ownRegister");
        for (const QString& backend : backends()) {
            QTest::addRow("%s own", qPrintable(backend)) << backend << true;
            QTest::addRow("%s companion", qPrintable(backend)) << backend << false;
        }
    }

    void computeConfirmReopen()
    {
        QFETCH(bool, ownRegister);
        const auto db = makeDatabase(ownRegister);
        ScriptedMessages messages;
        Station station(*db, ownRegister);
        auto screen = station.open();
        QVERIFY(screen);
        QCOMPARE(screen->windowTitle(), QStringLiteral("Protocolo de Pollock (3 dobras cutaneas)"));
        QVERIFY(!field(screen.get(), "DBEDTTRICIPES3")->isEnabled());
        QVERIFY(field(screen.get(), "DBEDTPEITORAL3")->isEnabled());
        QCOMPARE(label(screen.get(), "LBLGORDURAATUAL3"), QString());

        typeMaleExample(screen.get());
        click(screen.get(), "BBNCALCULA3");
        QCOMPARE(label(screen.get(), "LBLGORDURAATUAL3"), QStringLiteral("13,62 %"));
        QCOMPARE(label(screen.get(), "LBLPESOGORDO3"), QStringLiteral("10,9 kg"));
        QCOMPARE(label(screen.get(), "LBLPESOMAGRO3"), QStringLiteral("69,1 kg"));
        QCOMPARE(label(screen.get(), "LBLPESOIDEALMAGRO3"), QStringLiteral("81,29 kg"));
        click(screen.get(), "BBNCONFIRMA");
        QCOMPARE(screen->result(), int(QDialog::Accepted));
        QCOMPARE(messages.texts(), QStringList());

        auto own = db->connect();
        QCOMPARE(rows(*own, QStringLiteral("Corporal")), 1);
        QCOMPARE(cell(*own, QStringLiteral("Corporal"), QStringLiteral("G_3DOBRASGORDURA_A")).toDouble(), 13.62);
        QCOMPARE(cell(*own, QStringLiteral("Corporal"), QStringLiteral("G_3DOBRASPESO_IDEAL")).toDouble(), 81.29);
        QCOMPARE(cell(*own, QStringLiteral("Corporal"), QStringLiteral("G_TIPOPROTOCOLO")).toString(),
                 QStringLiteral("3XXXXXXXXX"));
        QCOMPARE(cell(*own, QStringLiteral("Corporal"), QStringLiteral("G_TIPO")).toString(), QStringLiteral("3"));
        QCOMPARE(cell(*own, QStringLiteral("Corporal"), QStringLiteral("G_OUTRA1")).toDouble(), 0.0);
        QCOMPARE(cell(*own, QStringLiteral("Avaliacao"), QStringLiteral("USUARIO")).toString(), MasterUserCode);
        QCOMPARE(cell(*own, QStringLiteral("Avaliacao"), QStringLiteral("A_PESO")).toDouble(), 80.0);
        QCOMPARE(cell(*own, QStringLiteral("Avaliacao"), QStringLiteral("A_ALTURA")).toDouble(), 175.5);
        if (ownRegister) {
            QVERIFY(cell(*own, QStringLiteral("Alunos"), QStringLiteral("DATA_FUNCIONAL")).isValid());
            QCOMPARE(cell(*own, QStringLiteral("Alunos"), QStringLiteral("DATA_FUNCIONAL")).toDate(), ExamDate);
        } else {
            auto brandel = db->connect(Connection::Brandel);
            for (const QString& table : {QStringLiteral("Alunos"), QStringLiteral("AlunosAtivos")})
                QCOMPARE(cell(*brandel, table, QStringLiteral("DATA_FUNCIONAL")).toDate(), ExamDate);
        }

        // Reopened, the screen edits the same row and shows its result again.
        station.context.mode = bodycomp::HubMode::Change;
        auto again = station.open();
        QVERIFY(again);
        QCOMPARE(field(again.get(), "DBEDTPESO3")->text(), QStringLiteral("80"));
        QCOMPARE(field(again.get(), "DBEDTALTURA3")->text(), QStringLiteral("175,5"));
        QCOMPARE(label(again.get(), "LBLGORDURAATUAL3"), QStringLiteral("13,62 %"));
        QCOMPARE(again->findChild<QLabel*>(QStringLiteral("PNLRESULTADO3DOBRAS"))->text(),
                 cell(*own, QStringLiteral("Corporal"), QStringLiteral("G_3DOBRASGORDURA_M")).toString());
        type(again.get(), "DBEDTPESO3", QStringLiteral("82"));
        click(again.get(), "BBNCONFIRMA");
        QCOMPARE(rows(*own, QStringLiteral("Corporal")), 1);
        QCOMPARE(rows(*own, QStringLiteral("Avaliacao")), 1);
        QCOMPARE(cell(*own, QStringLiteral("Avaliacao"), QStringLiteral("A_PESO")).toDouble(), 82.0);
        QCOMPARE(cell(*own, QStringLiteral("Corporal"), QStringLiteral("G_3DOBRASPESO_GORDO")).toDouble(), 11.17);
    }

    void newRowStartsFromTheHeader_data() { addBackendRows(); }
    void newRowStartsFromTheHeader()
    {
        const auto db = makeDatabase(true);
        ScriptedMessages messages;
        Rows::insert(*db->connect(), QStringLiteral("Avaliacao"),
                     {{QStringLiteral("MATRICULA"), Number},
                      {QStringLiteral("DATAEXAME"), ExamDate},
                      {QStringLiteral("A_PESO"), 71.5},
                      {QStringLiteral("A_ALTURA"), 168.0}});
        Station station(*db, true);
        auto screen = station.open();
        QVERIFY(screen);
        QCOMPARE(field(screen.get(), "DBEDTPESO3")->text(), QStringLiteral("71,5"));
        QCOMPARE(field(screen.get(), "DBEDTALTURA3")->text(), QStringLiteral("168"));
        QVERIFY(!field(screen.get(), "DBTXTGORDURAIDEAL3")->text().isEmpty());
        QCOMPARE(field(screen.get(), "DBEDTOUTRA1")->text(), QStringLiteral("0"));

        // Cancelling leaves no row behind.
        click(screen.get(), "BBNCANCELA");
        QCOMPARE(rows(*db->connect(), QStringLiteral("Corporal")), 0);
    }

    void keysAndEnter_data() { addBackendRows(); }
    void keysAndEnter()
    {
        const auto db = makeDatabase(true);
        ScriptedMessages messages;
        Station station(*db, true);
        auto screen = station.open();
        QVERIFY(screen);
        QLineEdit* weight = field(screen.get(), "DBEDTPESO3");
        QCOMPARE(QApplication::focusWidget(), weight);

        // A point becomes the comma; a second comma and letters are typed as nothing.
        type(screen.get(), "DBEDTPESO3", QStringLiteral("7a.5,3"));
        QCOMPARE(weight->text(), QStringLiteral("7,53"));

        weight->clear();
        QTest::keyClick(weight, Qt::Key_Return);
        QCOMPARE(messages.shown().last().text, Msg::DadoIncorreto);
        QCOMPARE(messages.shown().last().detail, QStringLiteral("Valor"));
        QCOMPARE(QApplication::focusWidget(), weight);

        QTest::keyClicks(weight, QStringLiteral("80"));
        QTest::keyClick(weight, Qt::Key_Return);
        QLineEdit* height = field(screen.get(), "DBEDTALTURA3");
        QCOMPARE(QApplication::focusWidget(), height);
        QTest::keyClicks(height, QStringLiteral("1,71"));
        QTest::keyClick(height, Qt::Key_Return);
        QCOMPARE(messages.shown().last().detail, QStringLiteral("Valor Ex.: 171,5 "));
        QCOMPARE(QApplication::focusWidget(), height);
        type(screen.get(), "DBEDTALTURA3", QStringLiteral("171,5"));
        QTest::keyClick(height, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), field(screen.get(), "DBEDTPEITORAL3"));

        // "Outras Dobras" shows the recorded-only skinfolds and holds confirmation back.
        click(screen.get(), "BitBtn4");
        QVERIFY(!screen->confirmButton()->isEnabled());
        QCOMPARE(QApplication::focusWidget(), field(screen.get(), "DBEDTOUTRA1"));
        click(screen.get(), "BBNRETORNA");
        QVERIFY(screen->confirmButton()->isEnabled());

        // Computing with a skinfold missing is refused at that field.
        type(screen.get(), "DBEDTPEITORAL3", QStringLiteral("10"));
        type(screen.get(), "DBTXTGORDURAIDEAL3", QStringLiteral("15"));
        click(screen.get(), "BBNCALCULA3");
        QCOMPARE(messages.shown().last().text, Msg::DadoIncorreto);
        QCOMPARE(QApplication::focusWidget(), field(screen.get(), "DBEDTABDOMEM3"));
    }

    // A result is stored only as computed from the inputs that are stored with it.
    void confirmationComputesAgain_data() { addBackendRows(); }
    void confirmationComputesAgain()
    {
        const auto db = makeDatabase(true);
        ScriptedMessages messages;
        Station station(*db, true);
        auto screen = station.open();
        QVERIFY(screen);
        typeMaleExample(screen.get());
        click(screen.get(), "BBNCALCULA3");
        type(screen.get(), "DBEDTCOXA3", QStringLiteral("25"));
        click(screen.get(), "BBNCONFIRMA");
        auto own = db->connect();
        QCOMPARE(cell(*own, QStringLiteral("Corporal"), QStringLiteral("G_COXA")).toDouble(), 25.0);
        QCOMPARE(cell(*own, QStringLiteral("Corporal"), QStringLiteral("G_3DOBRASGORDURA_A")).toDouble(), 16.55);

        // An input emptied after computing is refused; nothing is written.
        station.context.mode = bodycomp::HubMode::Change;
        auto again = station.open();
        type(again.get(), "DBEDTCOXA3", QString());
        click(again.get(), "BBNCONFIRMA");
        QVERIFY(again->isVisible());
        QCOMPARE(messages.shown().last().text, Msg::DadoIncorreto);
        QCOMPARE(cell(*own, QStringLiteral("Corporal"), QStringLiteral("G_COXA")).toDouble(), 25.0);
    }

    // Two stations record the same student and day: the second is told, the first's
    // rows stay whole and there is one of each.
    void twoStationsMakeOneRow_data() { addBackendRows(); }
    void twoStationsMakeOneRow()
    {
        const auto db = makeDatabase(true);
        ScriptedMessages messages;
        Station first(*db, true);
        Station second(*db, true);
        auto one = first.open();
        auto other = second.open();
        QVERIFY(one && other);
        typeMaleExample(one.get());
        typeMaleExample(other.get());
        type(other.get(), "DBEDTPESO3", QStringLiteral("90"));
        click(one.get(), "BBNCONFIRMA");
        click(other.get(), "BBNCONFIRMA");
        QCOMPARE(messages.shown().size(), 1);
        QCOMPARE(messages.shown().first().text, Msg::RegistroJaAlocado);
        QCOMPARE(messages.shown().first().detail, QStringLiteral("Corporal"));
        auto own = db->connect();
        QCOMPARE(rows(*own, QStringLiteral("Corporal")), 1);
        QCOMPARE(rows(*own, QStringLiteral("Avaliacao")), 1);
        QCOMPARE(cell(*own, QStringLiteral("Corporal"), QStringLiteral("G_PESO")).toDouble(), 80.0);
        QCOMPARE(cell(*own, QStringLiteral("Avaliacao"), QStringLiteral("A_PESO")).toDouble(), 80.0);

        // Both change the stored row: the later one does not overwrite the earlier.
        messages.clear();
        first.context.mode = second.context.mode = bodycomp::HubMode::Change;
        one = first.open();
        other = second.open();
        QVERIFY(one && other);
        type(one.get(), "DBEDTPESO3", QStringLiteral("81"));
        type(other.get(), "DBEDTPESO3", QStringLiteral("82"));
        click(one.get(), "BBNCONFIRMA");
        click(other.get(), "BBNCONFIRMA");
        QCOMPARE(messages.texts(), QStringList{Msg::RegistroJaAlocado});
        QCOMPARE(cell(*own, QStringLiteral("Corporal"), QStringLiteral("G_PESO")).toDouble(), 81.0);
        QCOMPARE(cell(*own, QStringLiteral("Avaliacao"), QStringLiteral("A_PESO")).toDouble(), 81.0);
    }

    void changeModeLeavesStudentDate_data() { addBackendRows(); }
    void changeModeLeavesStudentDate()
    {
        const auto db = makeDatabase(true);
        ScriptedMessages messages;
        Station station(*db, true);
        station.context.mode = bodycomp::HubMode::Change;
        auto screen = station.open();
        typeMaleExample(screen.get());
        click(screen.get(), "BBNCONFIRMA");
        auto own = db->connect();
        QCOMPARE(rows(*own, QStringLiteral("Corporal")), 1);
        QVERIFY(cell(*own, QStringLiteral("Alunos"), QStringLiteral("DATA_FUNCIONAL")).isNull());
    }

    void ageQuestion_data()
    {
        QTest::addColumn<QString>("backend");
        QTest::addColumn<int>("answer");
        const QString backend = backends().first();
        QTest::addRow("yes") << backend << Messages::Yes;
        QTest::addRow("no") << backend << Messages::No;
    }
    void ageQuestion()
    {
        QFETCH(int, answer);
        const auto db = makeDatabase(true);
        ScriptedMessages messages;
        messages.answer(answer);
        Station station(*db, true);
        station.context.age = 66;
        auto screen = station.open();
        QCOMPARE(bool(screen), answer == Messages::Yes);
        QCOMPARE(messages.shown().first().text, Msg::IdadeNaoConsiderada);
        QCOMPARE(messages.shown().first().detail, QStringLiteral("Entre 18 e 64 anos, Deseja continuar ?"));
    }

    // A row another protocol stored: her chest stays as stored and out of the sum, and
    // the ideal fat percentage the row lacks comes from her age band.
    void femaleOnAnotherProtocolsRow_data() { addBackendRows(); }
    void femaleOnAnotherProtocolsRow()
    {
        const auto db = makeDatabase(true);
        ScriptedMessages messages;
        auto own = db->connect();
        Rows::insert(*own, QStringLiteral("Corporal"),
                     {{QStringLiteral("MATRICULA"), Number},
                      {QStringLiteral("DATAEXAME"), ExamDate},
                      {QStringLiteral("G_PEITORAL"), 30.0},
                      {QStringLiteral("G_TIPOPROTOCOLO"), QStringLiteral("XXXXXFXXXX")}});
        Station station(*db, true);
        station.context.sexCode = QStringLiteral("F");
        station.context.age = 25;
        auto screen = station.open();
        QVERIFY(screen);
        QVERIFY(!field(screen.get(), "DBEDTPEITORAL3")->isEnabled());
        QVERIFY(!field(screen.get(), "DBEDTABDOMEM3")->isEnabled());
        QCOMPARE(field(screen.get(), "DBEDTPEITORAL3")->text(), QStringLiteral("30"));
        QCOMPARE(field(screen.get(), "DBTXTGORDURAIDEAL3")->text(),
                 BodyCompositionReference::installed().idealFat.first().mulherDefault);
        QCOMPARE(label(screen.get(), "LBLGORDURAATUAL3"), QStringLiteral("0 %"));

        type(screen.get(), "DBEDTPESO3", QStringLiteral("60"));
        type(screen.get(), "DBEDTALTURA3", QStringLiteral("165"));
        type(screen.get(), "DBEDTTRICIPES3", QStringLiteral("20"));
        type(screen.get(), "DBEDTSUPRA3", QStringLiteral("20"));
        type(screen.get(), "DBEDTCOXA3", QStringLiteral("20"));
        type(screen.get(), "DBTXTGORDURAIDEAL3", QStringLiteral("20"));
        QTest::keyClick(field(screen.get(), "DBEDTCOXA3"), Qt::Key_Return);
        QCOMPARE(label(screen.get(), "LBLGORDURAATUAL3"), QStringLiteral("23,82 %"));
        QCOMPARE(label(screen.get(), "LBLPESOIDEALMAGRO3"), QStringLiteral("57,14 kg"));
        click(screen.get(), "BBNCONFIRMA");
        QCOMPARE(cell(*own, QStringLiteral("Corporal"), QStringLiteral("G_PEITORAL")).toDouble(), 30.0);
        QCOMPARE(cell(*own, QStringLiteral("Corporal"), QStringLiteral("G_TIPOPROTOCOLO")).toString(),
                 QStringLiteral("3XXXXFXXXX"));
    }
};

QTEST_MAIN(TestPollock3)
#include "tst_pollock3.moc"
