#include "data/Connection.h"
#include "data/Rows.h"
#include "domain/Clock.h"
#include "domain/MessageTexts.h"
#include "gui/Screens.h"
#include "gui/app/MainWindow.h"
#include "support/MainWindowStart.h"
#include "support/ModalDialogs.h"
#include "support/PdfReader.h"
#include "support/ScriptedFileDialogs.h"
#include "support/ScriptedMessages.h"
#include "support/TestDatabase.h"
#include "support/Widgets.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace kelvora;
using namespace kelvora::test;

namespace {

const QDateTime Now(QDate(2021, 5, 20), QTime(10, 0));

struct Station {
    explicit Station(const TestDatabase& db)
        : window(startMainWindow(db))
    {
        window->logIn(QStringLiteral("00"));
        installScreens(*window);
    }
    QWidget* open(const char* item, const char* name) const
    {
        window->menuItem(QLatin1String(item))->trigger();
        for (QMdiSubWindow* frame : window->mdiArea()->subWindowList())
            if (frame->objectName() == QLatin1String(name))
                return frame;
        return nullptr;
    }
    std::unique_ptr<MainWindow> window;
};

void click(QWidget* parent, const char* name)
{
    QTest::mouseClick(child<QPushButton>(parent, name), Qt::LeftButton);
}


void addStudent(Connection& own, const QString& number, const QString& name, const QVariant& medical)
{
    Rows::insert(own, QStringLiteral("Alunos"), {{QStringLiteral("MATRICULA"), number}, {QStringLiteral("NOME"), name},
                                                 {QStringLiteral("DATA_MEDICA"), medical}});
}

} // namespace

class FollowUpWindows : public QObject {
    Q_OBJECT
private slots:
    void init() { Clock::setFixed(Now); }
    void cleanup() { Clock::setFixed({}); }

    // Nothing due is told; then the list previewed and printed, by name.
    void overdueList_data() { addBackendRows(); }
    void overdueList()
    {
        QFETCH(QString, backend);
        TestDatabase db(backend);
        db.install();
        Station station(db);
        ScriptedMessages messages;
        ScriptedFileDialogs dialogs;
        QWidget* window = station.open("MNREAVALIACAOVENCIDA", "TFRMAVALIACAOVENCIDA");
        QVERIFY(window);
        QCOMPARE(window->windowTitle(), QStringLiteral("Relatório de Avaliação Vencida"));
        QVERIFY(!station.window->menuItem(QStringLiteral("MNREAVALIACAOVENCIDA"))->isEnabled());
        click(window, "BBNVIDEO");
        QCOMPARE(messages.texts(), QStringList{Msg::NenhumResultado});
        QVERIFY(child<QPushButton>(window, "BBNVIDEO")->isEnabled());

        auto own = db.connect();
        addStudent(*own, QStringLiteral("0000000001"), QStringLiteral("ZECA"), QDate(2019, 1, 10));
        addStudent(*own, QStringLiteral("0000000002"), QStringLiteral("ALICE"), QVariant());
        addStudent(*own, QStringLiteral("0000000003"), QStringLiteral("BRUNO"), QDate(2021, 1, 10));
        QString previewPage;
        whenShown(QStringLiteral("TFRMVISUALIZACAO"), [&](QWidget* preview) {
            previewPage = child<QLabel>(preview, "LBLPAGINA")->text();
            preview->close();
        });
        click(window, "BBNVIDEO");
        QVERIFY(!previewPage.isEmpty());

        child<QGroupBox>(window, "RGORDENADO")->findChildren<QRadioButton*>().last()->click(); // "Nome"
        const QString pdf = QDir(db.folder()).filePath(QStringLiteral("vencidas.pdf"));
        dialogs.answerPrinterPdf(pdf);
        click(window, "BBNIMPRIME");
        const QStringList lines = PdfReader::printedLines(pdf);
        QVERIFY(lines.contains(QStringLiteral("Relatório de Avaliação Médica Vencida")));
        QCOMPARE(lines.filter(QStringLiteral("000000000")),
                 (QStringList{"0000000002 ALICE", "0000000001 ZECA 10/01/2019"}));

        QTest::keyClick(child<QPushButton>(window, "BBNVIDEO"), Qt::Key_Escape);
        QTRY_VERIFY(station.window->menuItem(QStringLiteral("MNREAVALIACAOVENCIDA"))->isEnabled());
    }

    // Companion mode without the gym-management control table: told, and no window.
    void overdueListWithoutItsSettings()
    {
        TestDatabase db(Sqlite);
        db.install();
        db.connect()->execute(QStringLiteral("Moxcvar"), QStringLiteral("UPDATE Moxcvar SET PATH_AVALIA = ?"), {QStringLiteral("Não")});
        db.connect(Connection::Brandel)->execute(QStringLiteral("Qebvar"), QStringLiteral("DROP TABLE Qebvar"));
        Station station(db);
        ScriptedMessages messages;
        station.open("MNREAVALIACAOVENCIDA", "TFRMAVALIACAOVENCIDA");
        QTRY_VERIFY(station.window->mdiArea()->subWindowList().isEmpty());
        QCOMPARE(messages.shown().size(), 2);
        QCOMPARE(messages.shown()[0].text, Msg::BrandelInativo + Msg::AberturaDeTabela);
        QCOMPARE(messages.shown()[0].detail, QStringLiteral("Controle"));
        QCOMPARE(messages.shown()[1].text, Msg::AberturaDeTabela);
    }

    void doneList()
    {
        TestDatabase db(Sqlite);
        db.install();
        db.addUser(QStringLiteral("01"), QStringLiteral("JOANA"), QStringLiteral("JOANA1"));
        auto own = db.connect();
        addStudent(*own, QStringLiteral("0000000001"), QStringLiteral("ANA"), QVariant());
        for (const auto& [assessor, day] : {std::pair{"01", 3}, std::pair{"00", 4}, std::pair{"01", 5}})
            Rows::insert(*own, QStringLiteral("Avaliacao"), {{QStringLiteral("MATRICULA"), QStringLiteral("0000000001")},
                                                             {QStringLiteral("DATAEXAME"), QDate(2021, 5, day)},
                                                             {QStringLiteral("USUARIO"), QString::fromLatin1(assessor)}});
        Station station(db);
        ScriptedMessages messages;
        ScriptedFileDialogs dialogs;
        QWidget* window = station.open("MnAvaliacaoFeita", "TFRMAVALIACAOFEITA");
        QVERIFY(window);
        auto* first = child<QLineEdit>(window, "EDTDATAINICIAL");
        auto* last = child<QLineEdit>(window, "EDTDATAFINAL");
        auto* assessors = child<QComboBox>(window, "CBFUNCIONARIOS");
        QCOMPARE(first->text(), QStringLiteral("01/05/2021"));
        QCOMPARE(last->text(), QStringLiteral("20/05/2021"));
        QCOMPARE(assessors->currentText(), QStringLiteral("TODOS"));
        QCOMPARE(assessors->count(), 3);
        QCOMPARE(assessors->itemText(2), QStringLiteral("01 - JOANA"));

        // Only digits, "/" and blanks get in; Enter writes the date back in full.
        first->clear();
        QTest::keyClicks(first, QStringLiteral("3a/5/2021"));
        QCOMPARE(first->text(), QStringLiteral("3/5/2021"));
        QTest::keyClick(first, Qt::Key_Return);
        QCOMPARE(first->text(), QStringLiteral("03/05/2021"));
        last->setText(QStringLiteral("31/02/2021"));
        QTest::keyClick(last, Qt::Key_Return);
        QCOMPARE(messages.shown().last().detail, QStringLiteral("Data final"));
        last->setText(QStringLiteral("02/05/2021"));
        click(window, "BBNVIDEO");
        QCOMPARE(messages.shown().last().text, Msg::IntervaloInvalido);
        QCOMPARE(messages.shown().last().detail, QStringLiteral("Data final Menor que Data inicial"));
        QVERIFY(last->text().isEmpty());

        last->setText(QStringLiteral("31/05/2021"));
        assessors->setCurrentIndex(2);
        const QString pdf = QDir(db.folder()).filePath(QStringLiteral("feitas.pdf"));
        dialogs.answerPrinterPdf(pdf);
        click(window, "BBNIMPRIME");
        const QStringList lines = PdfReader::printedLines(pdf);
        QCOMPARE(lines.filter(QStringLiteral("Avaliador :")), QStringList{"Avaliador : 01 - JOANA"});
        QVERIFY(lines.filter(QStringLiteral("03/05/2021 à 31/05/2021")).size() == 1);
        QVERIFY(lines.contains(QStringLiteral("Total do Período : 2")));
    }
};

QTEST_MAIN(FollowUpWindows)
#include "tst_follow_up_windows.moc"
