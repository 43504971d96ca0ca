#include "data/Connection.h"
#include "data/Rows.h"
#include "data/Schema.h"
#include "domain/Clock.h"
#include "domain/MessageTexts.h"
#include "domain/UserRules.h"
#include "domain/YesNo.h"
#include "domain/assessment/AssessmentSettings.h"
#include "gui/app/MainWindow.h"
#include "support/MainWindowStart.h"
#include "support/ModalDialogs.h"
#include "support/ScriptedMessages.h"
#include "support/TestDatabase.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlQuery>
#include <QTest>
#include <QToolButton>

using namespace kelvora;
using namespace kelvora::test;

namespace {

const QString Number = QStringLiteral("0000000007");
const QDate Today(2026, 3, 10);
const QDate CashDay(2026, 3, 9);

int count(const Connection& connection, const QString& table)
{
    QSqlQuery query = connection.select(
        table, QStringLiteral("SELECT COUNT(*) FROM %1 WHERE MATRICULA = ?").arg(table), {Number});
    query.next();
    return query.value(0).toInt();
}

QVariant studentDate(const Connection& connection, const QString& table)
{
    QSqlQuery query = connection.select(
        table, QStringLiteral("SELECT DATA_FUNCIONAL FROM %1 WHERE MATRICULA = ?").arg(table),
        {Number});
    return query.next() ? query.value(0) : QVariant();
}

// The hub opened from "Avaliações" > "Dados Clínicos" by the master user.
struct Hub {
    Hub(const TestDatabase& db)
        : window(startMainWindow(db))
    {
        screen = openHubAsMaster(*window);
    }
    template <typename T = QAbstractButton>
    T* find(const char* name) const
    {
        return screen->findChild<T*>(QLatin1String(name));
    }
    bool enabled(const char* name) const { return find<QWidget>(name)->isEnabled(); }
    void click(const char* name) const { find(name)->click(); }
    void chooseStudent() const { chooseHubStudent(screen, Number); }
    void chooseDate(int index) const
    {
        auto* box = find<QComboBox>("CBDATAEXAME");
        box->setCurrentIndex(index);
        emit box->activated(index);
    }
    // Pollock 3 from the protocol chooser, typed and confirmed (or cancelled).
    void recordPollock3(bool confirm = true) const
    {
        click("SBCOMPOSICAOCORPORAL");
        whenShown(QStringLiteral("TFrmPollock3Dobras"), [confirm](QWidget* pollock) {
            const auto type = [pollock](const char* name, const QString& text) {
                pollock->findChild<QLineEdit*>(QLatin1String(name))->setText(text);
            };
            if (confirm) {
                type("DBEDTPESO3", QStringLiteral("80"));
                type("DBEDTALTURA3", QStringLiteral("175"));
                type("DBEDTPEITORAL3", QStringLiteral("10"));
                type("DBEDTABDOMEM3", QStringLiteral("20"));
                type("DBEDTCOXA3", QStringLiteral("15"));
                type("DBTXTGORDURAIDEAL3", QStringLiteral("15"));
                pollock->findChild<QPushButton*>(QStringLiteral("BBNCALCULA3"))->click();
            }
            pollock->findChild<QPushButton*>(confirm ? QStringLiteral("BBNCONFIRMA")
                                                     : QStringLiteral("BBNCANCELA"))
                ->click();
        });
        click("RBPollock3Dobras");
    }

    std::unique_ptr<MainWindow> window;
    QWidget* screen = nullptr;
};

void offerEverything(const Connection& own)
{
    QStringList columns;
    for (const auto& list : {assessment::testSettings(), assessment::protocolSettings()})
        for (const auto& setting : list)
            if (setting.offered)
                columns << QStringLiteral("%1 = 'Sim'").arg(QLatin1String(setting.offered));
    const_cast<Connection&>(own).execute(
        QStringLiteral("Moxcvar"), QStringLiteral("UPDATE Moxcvar SET %1").arg(columns.join(", ")));
}

} // namespace

class TestHub : public QObject {
    Q_OBJECT

    std::unique_ptr<TestDatabase> database(bool ownRegister)
    {
        QFETCH(QString, backend);
        auto db = std::make_unique<TestDatabase>(backend);
        db->install();
        auto own = db->connect();
        offerEverything(*own);
        const ColumnValues student{{QStringLiteral("MATRICULA"), Number},
                                   {QStringLiteral("NOME"), QStringLiteral("JOSE DA SILVA")},
                                   {QStringLiteral("SEXO"), QStringLiteral("M")},
                                   {QStringLiteral("DATA_NASCIMENTO"), QDate(1990, 5, 4)}};
        if (ownRegister) {
            Rows::insert(*own, QStringLiteral("Alunos"), student);
        } else {
            own->execute(QStringLiteral("Moxcvar"),
                         QStringLiteral("UPDATE Moxcvar SET PATH_AVALIA = ?"), {Nao});
            auto brandel = db->connect(Connection::Brandel);
            for (const QString& table : {QStringLiteral("Alunos"), QStringLiteral("AlunosAtivos")})
                Rows::insert(*brandel, table, student);
            Rows::insert(*brandel, QStringLiteral("Qebvar"),
                         {{QStringLiteral("PRAZOAVALMED"), 12}, {QStringLiteral("PRAZOAVALFUN"), 3}});
        }
        return db;
    }

private slots:
    void init() { Clock::setFixed(QDateTime(Today, QTime(9, 0))); }
    void cleanup() { Clock::setFixed({}); }

    void includeChangeDeleteInOwnMode_data() { addBackendRows(); }
    void includeChangeDeleteInOwnMode()
    {
        const auto db = database(true);
        ScriptedMessages messages;
        Hub hub(*db);
        QCOMPARE(hub.screen->windowTitle(), QStringLiteral("Dados Clínicos"));
        hub.click("SBINCLUIR");
        QCOMPARE(messages.texts(), QStringList{Msg::EscolhaAluno});

        hub.chooseStudent();
        QCOMPARE(hub.find<QLineEdit>("EDTMATRICULA")->text(), Number + QStringLiteral(" - JOSE DA SILVA"));
        QCOMPARE(hub.find<QLabel>("LBLSEXO")->text(), QStringLiteral("MASCULINO"));
        QCOMPARE(hub.find<QLabel>("LBLIDADE")->text(), QStringLiteral("35"));
        QVERIFY(!hub.enabled("EDTMATRICULA"));

        hub.click("SBINCLUIR");
        QCOMPARE(hub.screen->windowTitle(), QStringLiteral("INCLUSÃO DE CLÍNICO"));
        QCOMPARE(hub.find<QComboBox>("CBDATAEXAME")->currentText(), QStringLiteral("10/03/2026"));
        QVERIFY(hub.enabled("SBCOMPOSICAOCORPORAL"));
        QVERIFY(!hub.enabled("SBINCLUIR"));
        hub.recordPollock3();
        auto own = db->connect();
        QCOMPARE(count(*own, QStringLiteral("Corporal")), 1);
        QCOMPARE(count(*own, QStringLiteral("Avaliacao")), 1);
        QCOMPARE(studentDate(*own, QStringLiteral("Alunos")).toDate(), Today);

        hub.click("BBNCANCELA");
        QCOMPARE(hub.screen->windowTitle(), QStringLiteral("Dados Clínicos"));
        hub.chooseStudent();
        messages.clear();
        hub.click("SBINCLUIR");
        QCOMPARE(messages.texts(), QStringList{Msg::DataJaCadastrada});

        // Change: the date chosen, Pollock 3 reopened on the same row.
        hub.chooseStudent();
        hub.click("SBALTERAR");
        QCOMPARE(hub.screen->windowTitle(), QStringLiteral("ALTERAÇÃO DE DADOS CLINICOS"));
        QVERIFY(!hub.enabled("SBCOMPOSICAOCORPORAL"));
        hub.chooseDate(0);
        QVERIFY(hub.enabled("SBCOMPOSICAOCORPORAL"));
        hub.recordPollock3();
        QCOMPARE(count(*own, QStringLiteral("Corporal")), 1);
        hub.click("BBNCANCELA");

        // Delete: every assessment table loses the assessment.
        hub.chooseStudent();
        messages.answer(Messages::Yes);
        hub.click("SBEXCLUIR");
        QCOMPARE(messages.shown().last().text, Msg::ContinuarExclusao);
        QCOMPARE(hub.screen->windowTitle(), QStringLiteral("EXCLUSÃO DE DADOS CLINICOS"));
        hub.chooseDate(0);
        QVERIFY(hub.enabled("BBNCONFIRMA"));
        hub.click("BBNCONFIRMA");
        QCOMPARE(count(*own, QStringLiteral("Corporal")), 0);
        QCOMPARE(count(*own, QStringLiteral("Avaliacao")), 0);
        QCOMPARE(hub.screen->windowTitle(), QStringLiteral("Dados Clínicos"));
        QVERIFY(hub.enabled("SBSAIR"));
        QVERIFY(!hub.enabled("SBINCLUIR"));
    }

    void searchAndClear_data() { addBackendRows(); }
    void searchAndClear()
    {
        const auto db = database(true);
        Rows::insert(*db->connect(), QStringLiteral("Alunos"),
                     {{QStringLiteral("MATRICULA"), QStringLiteral("0000000003")},
                      {QStringLiteral("NOME"), QStringLiteral("ANA ARAUJO")}});
        ScriptedMessages messages;
        Hub hub(*db);
        auto* field = hub.find<QLineEdit>("EDTMATRICULA");
        QTest::keyClick(field, Qt::Key_Return);
        field->setText(QStringLiteral("9999"));
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(messages.texts(), (QStringList{Msg::MatriculaNaoCadastrada, Msg::MatriculaNaoCadastrada}));
        QCOMPARE(field->text(), QString());

        hub.click("PNLNOME");
        messages.clear();
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(messages.shown().last().detail, QStringLiteral("Nome"));
        QTest::keyClicks(field, QStringLiteral("jo"));
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(field->text(), Number + QStringLiteral(" - JOSE DA SILVA"));
        QVERIFY(!hub.enabled("DBGAVALIACAO"));

        hub.click("BBNCANCELAMATRICULA");
        QVERIFY(hub.enabled("DBGAVALIACAO"));
        QVERIFY(hub.enabled("EDTMATRICULA"));
        messages.clear();
        hub.click("SBALTERAR");
        QCOMPARE(messages.texts(), QStringList{Msg::EscolhaAluno});
    }

    void offerRule_data()
    {
        QTest::addColumn<QString>("backend");
        QTest::addColumn<QString>("protocols"); // every protocol column: "Não" or null
        QTest::addColumn<bool>("bodyComposition");
        QTest::addColumn<bool>("pollock3");
        const QString backend = backends().first();
        QTest::addRow("all Não") << backend << QStringLiteral("'Não'") << false << false;
        QTest::addRow("Pollock 3 null") << backend << QStringLiteral("NULL") << true << true;
    }
    void offerRule()
    {
        QFETCH(QString, protocols);
        QFETCH(bool, bodyComposition);
        QFETCH(bool, pollock3);
        const auto db = database(true);
        auto own = db->connect();
        QStringList columns;
        for (const auto& setting : assessment::protocolSettings())
            columns << QStringLiteral("%1 = 'Não'").arg(QLatin1String(setting.offered));
        columns << QStringLiteral("CORPORAL_POLLOCK3 = %1").arg(protocols);
        own->execute(QStringLiteral("Moxcvar"),
                     QStringLiteral("UPDATE Moxcvar SET %1").arg(columns.join(", ")));
        ScriptedMessages messages;
        Hub hub(*db);
        hub.chooseStudent();
        hub.click("SBINCLUIR");
        QCOMPARE(hub.enabled("SBCOMPOSICAOCORPORAL"), bodyComposition);
        QCOMPARE(hub.enabled("RBPollock3Dobras"), pollock3);
        QVERIFY(!hub.enabled("RBPollock7Dobras"));
    }

    void companionRelease_data()
    {
        QTest::addColumn<QString>("backend");
        QTest::addColumn<QString>("scheduled"); // the schedule table, or empty
        QTest::addColumn<bool>("authorised");   // a user with the release right authorises
        QTest::addColumn<bool>("bodyComposition");
        QTest::addColumn<QString>("message");
        for (const QString& backend : backends()) {
            const QByteArray b = backend.toLatin1();
            QTest::addRow("%s functional", b.constData())
                << backend << QStringLiteral("AgendadoFuncional") << false << true << QString();
            QTest::addRow("%s medical", b.constData())
                << backend << QStringLiteral("AgendadoMedica") << false << false << QString();
            QTest::addRow("%s unscheduled, authorised", b.constData())
                << backend << QString() << true << true << QString();
            QTest::addRow("%s unscheduled, refused", b.constData())
                << backend << QString() << false << false << Msg::AlunoSobConsulta;
        }
    }
    void companionRelease()
    {
        QFETCH(QString, scheduled);
        QFETCH(bool, authorised);
        QFETCH(bool, bodyComposition);
        QFETCH(QString, message);
        const auto db = database(false);
        auto own = db->connect();
        auto brandel = db->connect(Connection::Brandel);
        Rows::insert(*brandel, QStringLiteral("Caixa"), {{QStringLiteral("DATAABERTURA"), CashDay}});
        if (!scheduled.isEmpty())
            Rows::insert(*brandel, scheduled,
                         {{QStringLiteral("MATRICULA"), Number}, {QStringLiteral("DATA"), CashDay}});
        own->execute(QStringLiteral("Usuarios"),
                     QStringLiteral("UPDATE Usuarios SET LIBERA_AVALIACAO = ?"), {Nao});
        db->addUser(QStringLiteral("01"), QStringLiteral("GERENTE"), QStringLiteral("SENHA2"),
                    {{QStringLiteral("LIBERA_AVALIACAO"), Sim}});
        ScriptedMessages messages;
        Hub hub(*db);
        hub.window->setLocalAuthorization([authorised](MainWindow&) {
            return authorised ? std::optional<QString>(QStringLiteral("01")) : std::nullopt;
        });
        hub.chooseStudent();
        hub.click("SBINCLUIR");
        QCOMPARE(messages.texts(), message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(hub.enabled("SBCOMPOSICAOCORPORAL"), bodyComposition);
        if (!bodyComposition)
            return;
        QCOMPARE(hub.find<QComboBox>("CBDATAEXAME")->currentText(), QStringLiteral("09/03/2026"));
        hub.recordPollock3();
        QCOMPARE(count(*own, QStringLiteral("Corporal")), 1);
        for (const QString& table : {QStringLiteral("Alunos"), QStringLiteral("AlunosAtivos")})
            QCOMPARE(studentDate(*brandel, table).toDate(), CashDay);
        QCOMPARE(hub.window->userCode(), MasterUserCode);
    }

    void companionWithoutCashRegister_data() { addBackendRows(); }
    void companionWithoutCashRegister()
    {
        const auto db = database(false);
        ScriptedMessages messages;
        Hub hub(*db);
        hub.chooseStudent();
        hub.click("SBINCLUIR");
        QCOMPARE(messages.texts(), QStringList{Msg::FavorAbrirCaixa});
        QCOMPARE(hub.screen->windowTitle(), QStringLiteral("Dados Clínicos"));
        QVERIFY(!hub.enabled("SBCOMPOSICAOCORPORAL"));
    }
};

QTEST_MAIN(TestHub)
#include "tst_hub.moc"
