#include "data/AssessmentRecord.h"
#include "data/Companion.h"
#include "data/Connection.h"
#include "data/Rows.h"
#include "domain/MessageTexts.h"
#include "domain/report/ReportPages.h"
#include "domain/UserRules.h"
#include "domain/YesNo.h"
#include "gui/app/MainWindow.h"
#include "gui/reports/IntroductionEditor.h"
#include "gui/reports/ReportSelectionDialog.h"
#include "report/assessment/AssessmentReport.h"
#include "support/MainWindowStart.h"
#include "support/ModalDialogs.h"
#include "support/PdfReader.h"
#include "support/ScriptedFileDialogs.h"
#include "support/ScriptedMessages.h"
#include "support/TestDatabase.h"
#include "support/Widgets.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

using namespace kelvora;
using namespace kelvora::test;
using reportpages::PageBox;

namespace {

// The boxes of `names` whose page the report can print.
QStringList printable(const QStringList& names)
{
    const reportpages::PageSet pages = report::printablePages();
    QStringList kept;
    for (const reportpages::PageBoxInfo& box : reportpages::pageBoxes())
        if (names.contains(QLatin1String(box.objectName)) && pages.count(box.box))
            kept << QLatin1String(box.objectName);
    return kept;
}

const QString Number = QStringLiteral("0000000007");
const QString Email = QStringLiteral("jose@aluno.com");
const QDate First(2020, 3, 5);
const QDate Second(2026, 3, 10);
const QString FirstTitle = QStringLiteral("Mt_0000000007-05-03-2020");

// "UPDATE Moxcvar SET" each column of `values`.
void setSettings(Connection& own, const QVariantHash& values)
{
    QStringList columns;
    QVariantList bound;
    for (auto it = values.begin(); it != values.end(); ++it) {
        columns << it.key() + QStringLiteral(" = ?");
        bound << it.value();
    }
    own.execute(QStringLiteral("Moxcvar"),
                QStringLiteral("UPDATE Moxcvar SET %1").arg(columns.join(QStringLiteral(", "))),
                bound);
}

// Every test and protocol in use and no page ticked by default.
QVariantHash everythingOffered()
{
    QVariantHash values;
    for (const reportpages::PageBoxInfo& box : reportpages::pageBoxes()) {
        if (box.offered)
            values.insert(QLatin1String(box.offered), Sim);
        if (box.printed)
            values.insert(QLatin1String(box.printed), 0); // flags are small integers
    }
    for (const char* protocol : {"CORPORAL_POLLOCK3", "CORPORAL_POLLOCK7", "CORPORAL_IMC",
                                 "CORPORAL_SLAUGHTER", "CORPORAL_CINTURA_QUADRIL",
                                 "CORPORAL_FAULKNER", "CORPORAL_LOHMAN", "CORPORAL_TRANS_WELTMAN"})
        values.insert(QLatin1String(protocol), Sim);
    return values;
}

void addBodyComposition(Connection& own, const QDate& date, const QString& markers)
{
    Rows::insert(own, QStringLiteral("Corporal"),
                 {{QStringLiteral("MATRICULA"), Number},
                  {QStringLiteral("DATAEXAME"), date},
                  {QStringLiteral("G_TIPOPROTOCOLO"), markers}});
}

QVariant storedIntroduction(const TestDatabase& db)
{
    const auto own = db.connect();
    QSqlQuery query = own->select(QStringLiteral("Moxcvar"),
                                  QStringLiteral("SELECT MEMOINTRODUCAO FROM Moxcvar"));
    return query.next() ? query.value(0) : QVariant();
}

// `count` lines of text.
QString lines(int count)
{
    QStringList text;
    for (int i = 1; i <= count; ++i)
        text << QStringLiteral("LINHA %1").arg(i);
    return text.join(QLatin1Char('\n'));
}

// The selection dialog opened on its own for the student, shown for clicking.
struct Selection {
    Selection(const TestDatabase& db, bool mayChangeAssessments = true)
        : own(db.connect())
        , brandel(db.connect(Connection::Brandel))
        , companion(*own, *brandel, true, Nao)
        , dialog(*own, companion, Number, AssessmentRecord::examDates(*own, Number),
                 mayChangeAssessments)
    {
        dialog.show();
    }
    template <typename T = QPushButton> T* find(const char* name)
    {
        return child<T>(&dialog, name);
    }
    bool enabled(const char* name) { return find<QWidget>(name)->isEnabled(); }
    void click(const char* name) { find<QAbstractButton>(name)->click(); }
    QCheckBox* box(PageBox page) { return find<QCheckBox>(reportpages::info(page).objectName); }
    void choose(int row)
    {
        auto* grid = find<QTableWidget>("DBGAVALIACAO");
        // The view takes a double click on the row it was pressed on.
        const QPoint cell = grid->visualItemRect(grid->item(row, 0)).center();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell);
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell);
    }
    // The boxes that can be ticked, and those ticked, by name.
    QStringList boxes(bool (QCheckBox::*state)() const)
    {
        QStringList names;
        for (const reportpages::PageBoxInfo& page : reportpages::pageBoxes())
            if ((box(page.box)->*state)())
                names << QLatin1String(page.objectName);
        return names;
    }
    QStringList available() { return boxes(&QCheckBox::isEnabled); }
    QStringList ticked() { return boxes(&QCheckBox::isChecked); }

    std::unique_ptr<Connection> own;
    std::unique_ptr<Connection> brandel;
    Companion companion;
    ReportSelectionDialog dialog;
};

// The hub opened from the menu by the master user.
struct Hub {
    explicit Hub(const TestDatabase& db)
        : window(startMainWindow(db))
    {
        screen = openHubAsMaster(*window);
    }
    template <typename T = QAbstractButton> T* find(const char* name) const
    {
        return child<T>(screen, name);
    }
    void chooseStudent() const { chooseHubStudent(screen, Number); }

    std::unique_ptr<MainWindow> window;
    QWidget* screen = nullptr;
};

} // namespace

class TestReportSelection : public QObject {
    Q_OBJECT

    // Where the database makes no difference.
    static void sqliteOnly()
    {
        QTest::addColumn<QString>("backend");
        QTest::newRow("sqlite") << Sqlite;
    }

    // A student with two assessments, every test and protocol in use, nothing ticked by
    // default, `settings` on top.
    std::unique_ptr<TestDatabase> database(const QVariantHash& settings = {})
    {
        QFETCH(QString, backend);
        auto db = std::make_unique<TestDatabase>(backend);
        db->install();
        auto own = db->connect();
        Rows::insert(*own, QStringLiteral("Alunos"),
                     {{QStringLiteral("MATRICULA"), Number},
                      {QStringLiteral("NOME"), QStringLiteral("JOSE DA SILVA")},
                      {QStringLiteral("SEXO"), QStringLiteral("M")},
                      {QStringLiteral("DATA_NASCIMENTO"), QDate(1990, 5, 4)},
                      {QStringLiteral("EMAIL"), Email}});
        addAssessment(*own, Number, First, MasterUserCode);
        addAssessment(*own, Number, Second, MasterUserCode);
        QVariantHash values = everythingOffered();
        for (auto it = settings.begin(); it != settings.end(); ++it)
            values.insert(it.key(), it.value());
        setSettings(*own, values);
        return db;
    }

private slots:
    // "Visualização de Avaliações" asks for a student, then opens the selection on the
    // student's dates; leaving it is "Outro Aluno". "Outro Aluno" after a change offers
    // the selection, after a deletion it does not.
    void openedFromTheHub_data() { addBackendRows(); }
    void openedFromTheHub()
    {
        const auto db = database();
        ScriptedMessages messages;
        Hub hub(*db);
        QVERIFY(hub.find("SBCONSULTAR")->isEnabled());
        hub.find("SBCONSULTAR")->click();
        QCOMPARE(messages.texts(), QStringList{Msg::EscolhaAluno});

        hub.chooseStudent();
        QVERIFY(hub.find("SBCONSULTAR")->isEnabled());
        QStringList dates;
        QString hubCaption;
        whenShown(QStringLiteral("TFRMSELECAO"), [&](QWidget* dialog) {
            auto* grid = child<QTableWidget>(dialog, "DBGAVALIACAO");
            for (int row = 0; row < grid->rowCount(); ++row)
                dates << grid->item(row, 0)->text();
            hubCaption = hub.screen->windowTitle();
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Escolha da Avaliação"));
            for (const char* name :
                 {"GBIMPRESSAO", "BBNTODOS", "BBNVIDEO", "BBNIMPRIME", "SBEMAIL"})
                QVERIFY2(!child<QWidget>(dialog, name)->isEnabled(), name);
            child<QPushButton>(dialog, "BBNRETORNA")->click();
        });
        messages.clear();
        hub.find("SBCONSULTAR")->click();
        QCOMPARE(dates, (QStringList{QStringLiteral("05/03/2020"), QStringLiteral("10/03/2026")}));
        QCOMPARE(hubCaption, QStringLiteral("Visualizar Avaliação"));
        QCOMPARE(hub.screen->windowTitle(), QStringLiteral("Dados Clínicos"));
        QVERIFY(hub.find<QLineEdit>("EDTMATRICULA")->isEnabled());
        QCOMPARE(hub.find<QLineEdit>("EDTMATRICULA")->text(), QString());
        QVERIFY(messages.shown().isEmpty());

        hub.chooseStudent();
        hub.find("SBALTERAR")->click();
        auto* box = hub.find<QComboBox>("CBDATAEXAME");
        emit box->activated(0);
        bool shown = false;
        whenShown(QStringLiteral("TFRMSELECAO"), [&](QWidget* dialog) {
            shown = true;
            child<QPushButton>(dialog, "BBNRETORNA")->click();
        });
        messages.answer(Messages::Yes);
        hub.find("BBNCANCELA")->click();
        QVERIFY(shown);
        QCOMPARE(messages.texts(), QStringList{Msg::VisualizarOuImprimir});
        QCOMPARE(hub.screen->windowTitle(), QStringLiteral("Dados Clínicos"));

        hub.chooseStudent();
        messages.clear();
        messages.answer(Messages::Yes);
        hub.find("SBEXCLUIR")->click();
        hub.find("BBNCANCELA")->click();
        QCOMPARE(messages.texts(), QStringList{Msg::ContinuarExclusao});
    }

    // A student without assessments gets the hub's message and no dialog.
    void studentWithoutAssessments_data() { addBackendRows(); }
    void studentWithoutAssessments()
    {
        const auto db = database();
        db->connect()->execute(QStringLiteral("Avaliacao"),
                               QStringLiteral("DELETE FROM Avaliacao"));
        ScriptedMessages messages;
        Hub hub(*db);
        hub.chooseStudent();
        hub.find("SBCONSULTAR")->click();
        QCOMPARE(messages.texts(), QStringList{Msg::NenhumResultado});
        QCOMPARE(messages.shown().first().detail, QStringLiteral("Exame"));
    }

    // Which boxes can be ticked and which are ticked when a date is chosen. Only a page the
    // report can print is ever offered, so each expectation keeps the printable ones.
    void boxesOfAnAssessment_data()
    {
        QTest::addColumn<QString>("backend");
        QTest::addColumn<QVariantHash>("settings");
        QTest::addColumn<QString>("markers"); // of the body-composition row; empty: no row
        QTest::addColumn<bool>("mayChange");
        QTest::addColumn<QStringList>("available"); // besides the tests, all in use
        QTest::addColumn<QStringList>("ticked");

        const QStringList tests{
            "CBFOLHADEROSTO",    "CBINTRODUCAO",      "CBMEDICA",        "CBPRESCRICAO",
            "CBPESSOALCLINICO",  "CBTESTECARDIACO",   "CBEXAMEMUSCULAR", "CBCOMPARATIVOMUSCULAR",
            "CBEXAMEPOSTURALFC", "CBEXAMEPOSTURALDE", "CBFLEX",          "CBVO2",
            "CBFLEXIBILIDADE",   "CBABDOMINAL",       "CBFLEXAO"};
        for (const QString& backend : backends()) {
            const QByteArray b = backend.toLatin1();
            QTest::addRow("%s no body-composition row", b.constData())
                << backend << QVariantHash{{"CORPORAL_POLLOCK3_IMP", 1}} << QString() << true
                << tests << QStringList{};
            QTest::addRow("%s Pollock 3 only", b.constData())
                << backend << QVariantHash{{"CORPORAL_POLLOCK3_IMP", 1}, {"FOLHA_ROSTO_IMP", 1}}
                << QStringLiteral("3XXXXXXXXX") << true
                << tests + QStringList{"CBPOLLOCK3", "CBCOMPARATIVO"}
                << QStringList{"CBFOLHADEROSTO", "CBPOLLOCK3", "CBCOMPARATIVO"};
            QTest::addRow("%s perimetry ticks its comparison", b.constData())
                << backend << QVariantHash{{"EXAME_MUSCULAR_IMP", 1}}
                << QStringLiteral("XXXXXXLXXX") << true
                << tests + QStringList{"CBLOHMAN", "CBCOMPARATIVOLOHMAN"}
                << QStringList{"CBEXAMEMUSCULAR", "CBCOMPARATIVOMUSCULAR"};
        }
        const auto without = [&tests](const char* name) {
            QStringList list = tests;
            list.removeAll(QLatin1String(name));
            return list;
        };
        const QString backend = backends().first();
        // Switched off, a test's box stays off whatever the assessment holds.
        QTest::addRow("anamnesis switched off")
            << backend << QVariantHash{{"ANAMNESE", Nao}, {"ANAMNESE_IMP", 1}}
            << QStringLiteral("XXXXXXXXXX") << true << without("CBPESSOALCLINICO") << QStringList{};
        QTest::addRow("no right to change assessments")
            << backend << QVariantHash{{"INTRODUCAO_IMP", 1}} << QString() << false
            << without("CBINTRODUCAO") << QStringList{};
        // A protocol switched off stays printable while body composition is in use.
        QTest::addRow("protocol switched off but recorded")
            << backend << QVariantHash{{"CORPORAL_POLLOCK7", Nao}} << QStringLiteral("X7XXXXXXXX")
            << true << tests + QStringList{"CBPOLLOCK7", "CBCOMPARATIVO7"} << QStringList{};
    }
    void boxesOfAnAssessment()
    {
        QFETCH(QVariantHash, settings);
        QFETCH(QString, markers);
        QFETCH(bool, mayChange);
        QFETCH(QStringList, available);
        QFETCH(QStringList, ticked);
        available = printable(available);
        ticked = printable(ticked);
        const auto db = database(settings);
        if (!markers.isEmpty())
            addBodyComposition(*db->connect(), First, markers);
        ScriptedMessages messages;
        Selection selection(*db, mayChange);
        selection.choose(0);
        QVERIFY(messages.shown().isEmpty());
        const auto sorted = [](QStringList list) {
            list.sort();
            return list;
        };
        QCOMPARE(sorted(selection.available()), sorted(available));
        QCOMPARE(sorted(selection.ticked()), sorted(ticked));
        QVERIFY(!selection.enabled("DBGAVALIACAO"));
        for (const char* name : {"GBIMPRESSAO", "BBNTODOS", "BBNVIDEO", "BBNIMPRIME"})
            QVERIFY2(selection.enabled(name), name);

        selection.click("BBNTODOS");
        QCOMPARE(sorted(selection.ticked()), sorted(available));
        QCOMPARE(selection.find("BBNTODOS")->toolTip(), QStringLiteral("Nenhum"));
        selection.click("BBNTODOS");
        QCOMPARE(selection.ticked(), QStringList{});
        QCOMPARE(selection.find("BBNTODOS")->toolTip(), QStringLiteral("Todos"));
    }

    // A comparison ticks its page, not the other way round; the introduction brings
    // its editor's button.
    void comparisonsAndIntroduction_data() { sqliteOnly(); }
    void comparisonsAndIntroduction()
    {
        const auto db = database();
        addBodyComposition(*db->connect(), First, QStringLiteral("3XXXXXLXXX"));
        Selection selection(*db);
        selection.choose(0);
        selection.box(PageBox::LohmanComparison)->click();
        QVERIFY(selection.box(PageBox::Lohman)->isChecked());
        selection.box(PageBox::LohmanComparison)->click();
        QVERIFY(selection.box(PageBox::Lohman)->isChecked());
        selection.box(PageBox::Pollock3Comparison)->click();
        QVERIFY(selection.box(PageBox::Pollock3)->isChecked());
        selection.box(PageBox::Pollock3)->click();
        QCOMPARE(selection.ticked(), (QStringList{"CBCOMPARATIVO", "CBLOHMAN"}));

        auto* edit = selection.find("SPINTRODUCAO");
        QVERIFY(edit->isHidden());
        selection.box(PageBox::Introduction)->click();
        QVERIFY(edit->isVisible());
        selection.box(PageBox::Introduction)->click();
        QVERIFY(edit->isHidden());
    }

    // Nothing ticked is refused. After a rendering the dialog waits for a date again,
    // and the e-mail, from then on, goes to the student of the assessment.
    void renderingAndEmail_data() { addBackendRows(); }
    void renderingAndEmail()
    {
        const auto db = database();
        ScriptedMessages messages;
        ScriptedFileDialogs dialogs;
        Selection selection(*db);
        selection.choose(0);
        selection.click("BBNVIDEO");
        QCOMPARE(messages.texts(), QStringList{Msg::SelecioneItem});
        QVERIFY(selection.enabled("BBNVIDEO"));
        QVERIFY(!selection.enabled("DBGAVALIACAO"));

        selection.box(PageBox::Cover)->click();
        const QString stored = QDir(db->folder()).filePath(QStringLiteral("avaliacao.pdf"));
        dialogs.answerFile(stored);
        whenShown(QStringLiteral("TFRMVISUALIZACAO"), [](QWidget* preview) {
            child<QToolButton>(preview, "SBSALVARPDF")->click();
            child<QToolButton>(preview, "SBFECHAR")->click();
        });
        selection.click("BBNVIDEO");
        QCOMPARE(dialogs.asked().first().proposed,
                 QDir(db->folder()).filePath(FirstTitle + QStringLiteral(".pdf")));
        QCOMPARE(PdfReader::pageCount(stored), 1);
        QVERIFY(selection.enabled("DBGAVALIACAO"));
        for (const char* name : {"GBIMPRESSAO", "BBNTODOS", "BBNVIDEO", "BBNIMPRIME"})
            QVERIFY2(!selection.enabled(name), name);
        QVERIFY(selection.enabled("SBEMAIL"));
        QCOMPARE(selection.ticked(), QStringList{});
        QCOMPARE(selection.find("BBNTODOS")->toolTip(), QStringLiteral("Todos"));

        selection.choose(1);
        QVERIFY(selection.enabled("SBEMAIL"));
        selection.box(PageBox::Cover)->click();
        const QString printed = QDir(db->folder()).filePath(QStringLiteral("impresso.pdf"));
        dialogs.answerPrinterPdf(printed);
        selection.click("BBNIMPRIME");
        QCOMPARE(PdfReader::pageCount(printed), 1);
        QVERIFY(selection.enabled("DBGAVALIACAO"));

        QString recipient;
        whenShown(QStringLiteral("TFRMONLINE"), [&recipient](QWidget* mail) {
            recipient = child<QLineEdit>(mail, "EDTDESTINO")->text();
            child<QPushButton>(mail, "BBNARQUIVOS")->click();
            child<QPushButton>(mail, "BBNCANCELA")->click();
        });
        selection.click("SBEMAIL");
        QCOMPARE(recipient, Email);
        // Only this student's reports are offered for attaching.
        QCOMPARE(dialogs.asked().last().proposed, db->folder());
        QCOMPARE(dialogs.asked().last().filter, QStringLiteral("Relatórios (Mt_0000000007*.pdf)"));
        QCOMPARE(messages.texts(), QStringList{Msg::SelecioneItem});
    }

    // The editor refuses typing at 46 lines (keys that shorten the text still work);
    // what it stores is printed by the next rendering of the same dialog.
    void introductionEditor_data() { addBackendRows(); }
    void introductionEditor()
    {
        const auto db = database();
        ScriptedMessages messages;
        ScriptedFileDialogs dialogs;
        Selection selection(*db);
        selection.choose(0);
        selection.box(PageBox::Introduction)->click();
        const QString text = QStringLiteral("BEM-VINDO À SUA AVALIAÇÃO FÍSICA");
        QStringList refused;
        QString caption;
        whenShown(QStringLiteral("TFRMMEMOINTRODUCAO"), [&](QWidget* editor) {
            caption = editor->windowTitle();
            auto* memo = child<QPlainTextEdit>(editor, "DBMEMOINTRODUCAO");
            const auto typeAt = [memo](int count, Qt::Key key) {
                memo->setPlainText(lines(count));
                memo->moveCursor(QTextCursor::End);
                QTest::keyClick(memo, key);
                return memo->toPlainText();
            };
            QCOMPARE(typeAt(45, Qt::Key_X), lines(45) + QStringLiteral("x"));
            QCOMPARE(typeAt(46, Qt::Key_X), lines(46));
            QCOMPARE(typeAt(46, Qt::Key_Return), lines(46));
            refused = messages.texts();
            QCOMPARE(typeAt(46, Qt::Key_Backspace), lines(46).chopped(1));
            QCOMPARE(typeAt(47, Qt::Key_X), lines(47) + QStringLiteral("x"));
            // Typing and pasting stop at the column's length.
            const QString full(IntroductionEditor::MaxCharacters - 1, QLatin1Char('A'));
            memo->setPlainText(full);
            memo->moveCursor(QTextCursor::End);
            QApplication::clipboard()->setText(QStringLiteral("BCD"));
            memo->paste();
            QTest::keyClick(memo, Qt::Key_X);
            QCOMPARE(memo->toPlainText(), full + QStringLiteral("B"));
            memo->setPlainText(text);
            child<QPushButton>(editor, "BBNGRAVA")->click();
        });
        selection.click("SPINTRODUCAO");
        QCOMPARE(caption, QStringLiteral("Altera Introdução"));
        const QString limit = QStringLiteral("Atingiu o limite Máximo 45 linhas");
        QCOMPARE(refused, (QStringList{limit, limit}));
        QCOMPARE(messages.texts(), refused);
        QCOMPARE(storedIntroduction(*db).toString(), text);

        const QString stored = QDir(db->folder()).filePath(QStringLiteral("introducao.pdf"));
        dialogs.answerFile(stored);
        whenShown(QStringLiteral("TFRMVISUALIZACAO"), [](QWidget* preview) {
            child<QToolButton>(preview, "SBSALVARPDF")->click();
            child<QToolButton>(preview, "SBFECHAR")->click();
        });
        selection.click("BBNVIDEO");
        QVERIFY(PdfReader::pageTexts(stored).join(QLatin1Char(' ')).contains(text));
    }

    // Another station changed the text since the editor opened: nothing is overwritten.
    // "Cancela" writes nothing either.
    void introductionChangedElsewhere_data() { addBackendRows(); }
    void introductionChangedElsewhere()
    {
        const auto db = database();
        ScriptedMessages messages;
        Selection selection(*db);
        selection.choose(0);
        selection.box(PageBox::Introduction)->click();
        const QString theirs = QStringLiteral("TEXTO DA OUTRA ESTAÇÃO");
        whenShown(QStringLiteral("TFRMMEMOINTRODUCAO"), [&](QWidget* editor) {
            db->connect()->execute(QStringLiteral("Moxcvar"),
                                   QStringLiteral("UPDATE Moxcvar SET MEMOINTRODUCAO = ?"),
                                   {theirs});
            child<QPlainTextEdit>(editor, "DBMEMOINTRODUCAO")->setPlainText(QStringLiteral("MEU"));
            child<QPushButton>(editor, "BBNGRAVA")->click();
        });
        selection.click("SPINTRODUCAO");
        QCOMPARE(messages.texts(), QStringList{Msg::RegistroJaAlocado});
        QCOMPARE(messages.shown().first().detail, QStringLiteral("Controle"));
        QCOMPARE(storedIntroduction(*db).toString(), theirs);

        QString shownText;
        whenShown(QStringLiteral("TFRMMEMOINTRODUCAO"), [&](QWidget* editor) {
            auto* memo = child<QPlainTextEdit>(editor, "DBMEMOINTRODUCAO");
            shownText = memo->toPlainText();
            memo->setPlainText(QStringLiteral("DESCARTADO"));
            child<QPushButton>(editor, "BBNCANCELA")->click();
        });
        selection.click("SPINTRODUCAO");
        QCOMPARE(shownText, theirs);
        QCOMPARE(storedIntroduction(*db).toString(), theirs);
    }

    // A table of the assessment that cannot be read ends the dialog.
    void unreadableTable_data() { sqliteOnly(); }
    void unreadableTable()
    {
        const auto db = database();
        db->connect()->execute(QStringLiteral("Corporal"), QStringLiteral("DROP TABLE Corporal"));
        ScriptedMessages messages;
        Selection selection(*db);
        selection.choose(0);
        QCOMPARE(messages.texts(), QStringList{Msg::AberturaDeTabela});
        QCOMPARE(messages.shown().first().detail, QStringLiteral("Corporal"));
        QVERIFY(!selection.dialog.isVisible());
    }
};

QTEST_MAIN(TestReportSelection)
#include "tst_report_selection.moc"
