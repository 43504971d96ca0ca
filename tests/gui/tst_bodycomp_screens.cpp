#include "data/Companion.h"
#include "data/Connection.h"
#include "data/Rows.h"
#include "domain/assessment/AssessmentSettings.h"
#include "domain/Clock.h"
#include "domain/MessageTexts.h"
#include "domain/UserRules.h"
#include "gui/app/MainWindow.h"
#include "gui/assessment/AssessmentContext.h"
#include "gui/assessment/TestScreen.h"
#include "gui/bodycomp/ProtocolScreens.h"
#include "support/CliRun.h"
#include "support/MainWindowStart.h"
#include "support/ModalDialogs.h"
#include "support/ScriptedMessages.h"
#include "support/TestDatabase.h"
#include "support/Widgets.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>

using namespace kelvora;
using namespace kelvora::test;

namespace {

const QString Number = QStringLiteral("0000000007");
const QDate Today(2026, 3, 10);
const QString Corporal = QStringLiteral("Corporal");

// What is typed or chosen in one input of a screen, and the `Corporal` column it is
// bound to (the name kelvora-cli calc takes it by). A line edit receives the text, the
// race box has it chosen, the maturation group ("DBRGFAIXA") has option 1, 2 or 3 clicked.
struct Input {
    const char* widget;
    QString column;
    QString text;
};

// One worked example: the protocol chosen in the hub for a student of that sex and
// age, what is typed, what the screen then shows and what the row stores.
struct Example {
    const char* name;
    const char* choice; // the hub's protocol choice
    const char* screen;
    const char* calc;   // the protocol's name for kelvora-cli calc
    QString sex;
    int age;
    QString race;       // chosen on the screen; empty: as the screen opens (Branca)
    QString bmiSetting; // IMC_1_2 of the settings
    QVector<Input> inputs;
    const char* compute;
    QVector<QPair<const char*, QString>> shown;
    QVector<QPair<QString, QVariant>> stored;
};

const QVector<Example>& workedExamples()
{
    static const QVector<Example> all{
        {"pollock 7, man of 40", "RBPollock7Dobras", "TFrmPollock7Dobras", "pollock7", "M", 40, {}, "0",
         {{"DBEDTPESO7", "G_PESO", "85"}, {"DBEDTALTURA7", "G_ALTURA", "175"},
          {"DBEDTSUBESCAPULAR", "G_SUBESCAPULAR", "15"}, {"DBEDTTRICIPES", "G_TRICIPES", "10"},
          {"DBEDTPEITORAL", "G_PEITORAL", "15"}, {"DBEDTAXILARMEDIA", "G_AXILARMEDIA", "15"},
          {"DBEDTSUPRAILIACA", "G_SUPRAILIACA", "15"}, {"DBEDTABDOMEM", "G_ABDOMEM", "20"},
          {"DBEDTCOXA", "G_COXA", "10"}, {"DBTXTGORDURAIDEAL7", "G_7DOBRASGORDURA_IDEAL", "15"}},
         "BBNCALCULA7",
         {{"LBLGORDURAATUAL7", "15,88 %"}, {"LBLGORDURAIDEAL7", "15% a 18 %"},
          {"LBLPESOGORDO7", "13,5 kg"}, {"LBLPESOMAGRO7", "71,5 kg"},
          {"LBLPESOIDEALMAGRO7", "84,12 kg"}, {"PNLRESULTADO7DOBRAS", "Bom"}},
         {{"G_7DOBRASGORDURA_A", 15.88}, {"G_7DOBRASPESO_IDEAL", 84.12}, {"G_TIPO", "7"},
          {"G_TIPOPROTOCOLO", "X7XXXXXXXX"}}},
        {"pollock 7, woman of 35", "RBPollock7Dobras", "TFrmPollock7Dobras", "pollock7", "F", 35, {}, "0",
         {{"DBEDTPESO7", "G_PESO", "62"}, {"DBEDTALTURA7", "G_ALTURA", "165"},
          {"DBEDTSUBESCAPULAR", "G_SUBESCAPULAR", "20"}, {"DBEDTTRICIPES", "G_TRICIPES", "10"},
          {"DBEDTPEITORAL", "G_PEITORAL", "10"}, {"DBEDTAXILARMEDIA", "G_AXILARMEDIA", "20"},
          {"DBEDTSUPRAILIACA", "G_SUPRAILIACA", "20"}, {"DBEDTABDOMEM", "G_ABDOMEM", "20"},
          {"DBEDTCOXA", "G_COXA", "20"}, {"DBTXTGORDURAIDEAL7", "G_7DOBRASGORDURA_IDEAL", "22"}},
         "BBNCALCULA7",
         {{"LBLGORDURAATUAL7", "24,05 %"}, {"LBLPESOGORDO7", "14,91 kg"},
          {"LBLPESOMAGRO7", "47,09 kg"}, {"LBLPESOIDEALMAGRO7", "60,37 kg"},
          {"PNLRESULTADO7DOBRAS", "Média"}},
         {{"G_7DOBRASGORDURA_A", 24.05}, {"G_7DOBRASGORDURA_M", "Média"}}},
        {"faulkner", "RBFAULKNER", "TFRMFAULKNER", "faulkner", "F", 80, {}, "0",
         {{"DBEDTPESO", "G_PESO", "70"}, {"DBEDTALTURA", "G_ALTURA", "170"},
          {"DBEDTSUBESCAPULAR", "G_SUBESCAPULAR", "10"}, {"DBEDTTRICIPES", "G_TRICIPES", "12"},
          {"DBEDTSUPRAILIACA", "G_SUPRAILIACA", "15"}, {"DBEDTABDOMEM", "G_ABDOMEM", "20"},
          {"DBTXTGORDURAIDEAL", "G_FAULKNERGORDURA_IDEAL", "15"}},
         "BBNCALCULAFAULKNER",
         {{"LBLGORDURAATUAL", "14,5 %"}, {"LBLPESOGORDO", "10,15 kg"},
          {"LBLPESOMAGRO", "59,85 kg"}, {"LBLPESOIDEALMAGRO", "70,41 kg"}},
         {{"G_FAULKNER_GORDURA", 14.5}, {"G_FAULKNERPESO_IDEAL", 70.41}, {"G_TIPO", "F"},
          {"G_TIPOPROTOCOLO", "XXXXXFXXXX"}}},
        {"slaughter, white pubertal boy", "RBCORPORALCRIANCA", "TFRMCORPORALCRIANCA", "slaughter",
         "M", 12, {}, "0",
         {{"DBEDTSUBESCAPULARCRIANCA", "G_SUBESCAPULAR", "8"},
          {"DBEDTTRICIPESCRIANCA", "G_TRICIPES", "10"}, {"DBEDTPESOCRIANCA", "G_PESO", "40"},
          {"DBRGFAIXA", "G_TIPOIDADECRIANCA", "2"}},
         "BBNCALCULACRIANCA",
         {{"LBLGORDURAATUALCRIANCA", "15,79 %"}, {"LBLGORDURAMEDIACRIANCA", "10,01% a 20%"},
          {"LBLPESOGORDOCRIANCA", "6,32 kg"}, {"LBLPESOMAGROCRIANCA", "33,68 kg"},
          {"PNLRCRIANCA", "Ótima"}},
         {{"G_CRIANCAGORDURA_A", 15.79}, {"G_TIPOIDADECRIANCA", "2"}, {"G_TIPO", "C"},
          {"G_TIPOPROTOCOLO", "XXXCXXXXXX"}}},
        {"slaughter, the same boy of race Parda", "RBCORPORALCRIANCA", "TFRMCORPORALCRIANCA",
         "slaughter", "M", 12, "Parda", "0",
         {{"DBEDTSUBESCAPULARCRIANCA", "G_SUBESCAPULAR", "8"},
          {"DBEDTTRICIPESCRIANCA", "G_TRICIPES", "10"}, {"DBEDTPESOCRIANCA", "G_PESO", "40"},
          {"DBRGFAIXA", "G_TIPOIDADECRIANCA", "2"}},
         "BBNCALCULACRIANCA", {{"LBLGORDURAATUALCRIANCA", "13,99 %"}},
         {{"G_CRIANCAGORDURA_A", 13.99}}},
        {"slaughter, girl", "RBCORPORALCRIANCA", "TFRMCORPORALCRIANCA", "slaughter", "F", 12, {}, "0",
         {{"DBEDTSUBESCAPULARCRIANCA", "G_SUBESCAPULAR", "8"},
          {"DBEDTTRICIPESCRIANCA", "G_TRICIPES", "10"}, {"DBEDTPESOCRIANCA", "G_PESO", "40"},
          {"DBRGFAIXA", "G_TIPOIDADECRIANCA", "1"}},
         "BBNCALCULACRIANCA",
         {{"LBLGORDURAATUALCRIANCA", "17,23 %"}, {"LBLGORDURAMEDIACRIANCA", "15,01% a 25 %"}},
         {{"G_CRIANCAGORDURA_A", 17.23}}},
        {"lohman, boy of 10", "RBCORPORAL_LOHMAN", "TFrmCORPORAL_LOHMAN", "lohman", "M", 10, {}, "0",
         {{"DBEDTPESO", "G_PESO", "35"}, {"DBEDTALTURA", "G_ALTURA", "140"},
          {"DBEDTSUBESCAPULAR", "G_SUBESCAPULAR", "8"}, {"DBEDTTRICIPES", "G_TRICIPES", "10"},
          {"DBTXTGORDURAIDEAL", "G_LOHMANGORDURA_IDEAL", "15"}},
         "BBNCALCULALOHMAN",
         {{"LBLGORDURAATUAL", "16,01 %"}, {"LBLPESOGORDO", "5,6 kg"},
          {"LBLPESOMAGRO", "29,4 kg"}, {"LBLPESOIDEALMAGRO", "34,59 kg"}},
         {{"G_LOHMAN_GORDURA", 16.01}, {"G_TIPO", "L"}, {"G_TIPOPROTOCOLO", "XXXXXXLXXX"}}},
        // Brozek's 4,57 in the conversion, as published with the equation.
        {"tran & weltman, 65 years", "RBCORPORAL_TRAN", "TFRMCORPORAL_TRAN", "tran-weltman", "M",
         65, {}, "0",
         {{"DBEDTPESO", "G_PESO", "65"}, {"DBEDTALTURA", "G_ALTURA", "160"},
          {"DBEDTABDOMEM1", "G_TRANABDOMEM1", "90"}, {"DBEDTABDOMEM2", "G_TRANABDOMEM2", "92"},
          {"DBEDTQUADRIL", "G_QUADRIL", "100"}, {"DBTXTGORDURAIDEAL", "G_TRANGORDURA_IDEAL", "25"}},
         "BBNCALCULA",
         {{"LBLGORDURAATUAL", "40,65 %"}, {"LBLPESOGORDO", "26,42 kg"},
          {"LBLPESOMAGRO", "38,58 kg"}, {"LBLPESOIDEALMAGRO", "51,44 kg"}},
         {{"G_TRAN_GORDURA", 40.65}, {"G_TIPO", "T"}, {"G_TIPOPROTOCOLO", "XXXXXXXTXX"}}},
        {"body-mass index, simple table", "RBIndiceCorporal", "TFrmIndiceCorporal", "bmi", "M", 30,
         {}, "0",
         {{"DBEDTPESOIMC", "G_PESO", "70"}, {"DBEDTALTURAIMC", "G_ALTURA", "175"}},
         "BBNCALCULAIMC",
         {{"EDTRESULTADOIMC", "22,86 kg/m2"}, {"PNLRESULTADOIMC", "Peso normal"}},
         {{"G_IMCVALOR", 22.86}, {"G_IMCRESULTADO", "Peso normal"}, {"G_TIPO", "3"},
          {"G_TIPOPROTOCOLO", "XXIXXXXXXX"}}},
        {"body-mass index, survey table, woman", "RBIndiceCorporal", "TFrmIndiceCorporal", "bmi",
         "F", 30, {}, "1",
         {{"DBEDTPESOIMC", "G_PESO", "66,05"}, {"DBEDTALTURAIMC", "G_ALTURA", "160"}},
         "BBNCALCULAIMC",
         {{"EDTRESULTADOIMC", "25,8 kg/m2"}, {"PNLRESULTADOIMC", "Pouco acima do peso"}},
         {{"G_IMCVALOR", 25.8}}},
        {"waist-hip, man of 45", "RBCINTURAQUADRIL", "TFRMCINTURAQUADRIL", "waist-hip", "M", 45, {},
         "0", {{"DBEDTCINTURA", "G_CINTURA", "90"}, {"DBEDTQUADRIL", "G_QUADRIL", "100"}},
         "BBNCALCULACINTURA",
         {{"LBLRELACAO", "0,90"}, {"PNLRCINTURA", "Risco Moderado"},
          {"LBLRISCOMUITOALTO", "1,00 mm"}, {"LBLRISCOALTO", "0,96 mm"},
          {"LBLRISCOMODERADO", "0,95 mm"}, {"LBLRISCOBAIXO", "0,88 mm"}},
         {{"G_CINTURA_QUADRIL_VALOR", 0.9}, {"G_RESULTADO_CINTURA", "Risco Moderado"},
          {"G_TIPO", "Q"}, {"G_TIPOPROTOCOLO", "XXXXQXXXXX"}}},
        {"waist-hip, woman of 25", "RBCINTURAQUADRIL", "TFRMCINTURAQUADRIL", "waist-hip", "F", 25,
         {}, "0", {{"DBEDTCINTURA", "G_CINTURA", "80"}, {"DBEDTQUADRIL", "G_QUADRIL", "100"}},
         "BBNCALCULACINTURA", {{"LBLRELACAO", "0,80"}, {"PNLRCINTURA", "Risco Alto"}},
         {{"G_RESULTADO_CINTURA", "Risco Alto"}}},
    };
    return all;
}

// Types or chooses `input` on `screen` as the user would.
void enter(QWidget* screen, const Input& input)
{
    if (QLatin1String(input.widget) == QLatin1String("DBRGFAIXA")) {
        const auto options = child<QGroupBox>(screen, "DBRGFAIXA")->findChildren<QRadioButton*>();
        options.at(input.text.toInt() - 1)->click();
    } else if (auto* box = screen->findChild<QComboBox*>(QLatin1String(input.widget))) {
        box->setCurrentText(input.text);
    } else {
        auto* field = child<QLineEdit>(screen, input.widget);
        field->clear();
        field->setFocus();
        QTest::keyClicks(field, input.text);
    }
}

QString shownText(QWidget* screen, const char* name)
{
    return child<QLabel>(screen, name)->text();
}

void click(QWidget* screen, const char* name)
{
    child<QAbstractButton>(screen, name)->click();
}

QSqlRecord corporalRow(const Connection& own)
{
    QSqlQuery query = own.select(Corporal, QStringLiteral("SELECT * FROM Corporal WHERE MATRICULA = ?"),
                                 {Number});
    return query.next() ? query.record() : QSqlRecord();
}

int count(const Connection& own, const QString& table)
{
    QSqlQuery query = own.select(
        table, QStringLiteral("SELECT COUNT(*) FROM %1 WHERE MATRICULA = ?").arg(table), {Number});
    query.next();
    return query.value(0).toInt();
}

// The database of one student of `sex` and `age`, every test offered, the body-mass
// index classified by `bmiSetting`.
std::unique_ptr<TestDatabase> database(const QString& backend, const QString& sex, int age,
                                       const QString& bmiSetting = QStringLiteral("0"))
{
    auto db = std::make_unique<TestDatabase>(backend);
    db->install();
    auto own = db->connect();
    QStringList offered{QStringLiteral("IMC_1_2 = '%1'").arg(bmiSetting)};
    for (const auto& list : {assessment::testSettings(), assessment::protocolSettings()})
        for (const auto& setting : list)
            if (setting.offered)
                offered << QStringLiteral("%1 = 'Sim'").arg(QLatin1String(setting.offered));
    own->execute(QStringLiteral("Moxcvar"),
                 QStringLiteral("UPDATE Moxcvar SET %1").arg(offered.join(QStringLiteral(", "))));
    Rows::insert(*own, QStringLiteral("Alunos"),
                 {{QStringLiteral("MATRICULA"), Number},
                  {QStringLiteral("NOME"), QStringLiteral("ANA DA SILVA")},
                  {QStringLiteral("SEXO"), sex},
                  {QStringLiteral("DATA_NASCIMENTO"), Today.addYears(-age).addDays(-30)}});
    return db;
}

// The hub opened by the master user with the student chosen and a new assessment
// included, dated today.
struct Hub {
    explicit Hub(const TestDatabase& db)
        : window(startMainWindow(db))
    {
        screen = openHubAsMaster(*window);
        chooseHubStudent(screen, Number);
        click(screen, "SBINCLUIR");
    }

    // Chooses `choice` in the protocol chooser; `onScreen` runs on the screen once it is
    // shown, and must close it.
    void openProtocol(const char* choice, const char* screenName,
                      const std::function<void(QWidget*)>& onScreen) const
    {
        click(screen, "SBCOMPOSICAOCORPORAL");
        bool shown = false;
        whenShown(QLatin1String(screenName), [&](QWidget* opened) {
            shown = true;
            onScreen(opened);
        });
        click(screen, choice);
        QVERIFY(shown);
    }

    std::unique_ptr<MainWindow> window;
    QWidget* screen = nullptr;
};

// A station that opens a protocol's screen as the hub does, for a student of the
// context's sex and age, without the hub around it.
struct Station {
    Station(const TestDatabase& db, const QString& sex, int age)
        : window(startMainWindow(db))
        , companion(window->ownConnection(), window->brandelConnection(), true, QStringLiteral("Não"))
    {
        window->logIn(MasterUserCode);
        context.number = Number;
        context.examDate = Today;
        context.sexCode = sex;
        context.age = age;
        context.referenceDate = Today;
    }

    // The screen of `choice` once opened and shown; nullptr when its opening stopped.
    std::unique_ptr<TestScreen> open(const char* choice)
    {
        auto screen = protocolScreen(QLatin1String(choice), *window, companion, context);
        return screen && startForTyping(*screen) ? std::move(screen) : nullptr;
    }

    std::unique_ptr<MainWindow> window;
    Companion companion;
    AssessmentContext context;
};

} // namespace

class TestBodyCompositionScreens : public QObject {
    Q_OBJECT

private slots:
    void init() { Clock::setFixed(QDateTime(Today, QTime(9, 0))); }
    void cleanup() { Clock::setFixed({}); }

    // Each protocol through the hub: what it shows, what it stores, and that what it
    // stores is what kelvora-cli calc prints for the same inputs.
    void examples_data()
    {
        QTest::addColumn<QString>("backend");
        QTest::addColumn<int>("example");
        for (const QString& backend : backends())
            for (int i = 0; i < workedExamples().size(); ++i)
                QTest::addRow("%s %s", qPrintable(backend), workedExamples().at(i).name) << backend << i;
    }
    void examples()
    {
        QFETCH(QString, backend);
        QFETCH(int, example);
        const Example& e = workedExamples().at(example);
        const auto db = database(backend, e.sex, e.age, e.bmiSetting);
        ScriptedMessages messages;
        Hub hub(*db);
        QStringList shown;
        hub.openProtocol(e.choice, e.screen, [&](QWidget* screen) {
            if (!e.race.isEmpty())
                child<QComboBox>(screen, "DBCBRACA1")->setCurrentText(e.race);
            for (const Input& input : e.inputs)
                enter(screen, input);
            click(screen, e.compute);
            for (const auto& [label, text] : e.shown)
                shown << shownText(screen, label);
            click(screen, "BBNCONFIRMA");
        });
        QCOMPARE(messages.texts(), QStringList());
        QStringList expected;
        for (const auto& [label, text] : e.shown)
            expected << text;
        QCOMPARE(shown, expected);

        // Opened again on the date, the screen shows the result the row holds.
        shown.clear();
        hub.openProtocol(e.choice, e.screen, [&](QWidget* screen) {
            for (const auto& [label, text] : e.shown)
                shown << shownText(screen, label);
            click(screen, "BBNCANCELA");
        });
        QCOMPARE(shown, expected);

        auto own = db->connect();
        QCOMPARE(count(*own, Corporal), 1);
        const QSqlRecord row = corporalRow(*own);
        for (const auto& [column, value] : e.stored) {
            if (value.typeId() == QMetaType::Double)
                QCOMPARE(row.value(column).toDouble(), value.toDouble());
            else
                QCOMPARE(row.value(column).toString(), value.toString());
        }
        QCOMPARE(count(*own, QStringLiteral("Avaliacao")), 1);
        // The race is the anamnesis's: this screen never stores it.
        QCOMPARE(count(*own, QStringLiteral("Anamnese")), 0);

        QStringList arguments{QStringLiteral("calc"), QLatin1String(e.calc), QStringLiteral("--sex"),
                              e.sex, QStringLiteral("--age"), QString::number(e.age),
                              QStringLiteral("IMC_1_2=") + e.bmiSetting};
        if (!e.race.isEmpty())
            arguments << QStringLiteral("--race") << e.race;
        for (const Input& input : e.inputs)
            arguments << input.column + QLatin1Char('=') + input.text;
        const CliRun calc = cli(arguments);
        QCOMPARE(calc.exitCode, 0);
        const QJsonObject printed = QJsonDocument::fromJson(calc.out.toUtf8()).object();
        QVERIFY(!printed.isEmpty());
        for (auto it = printed.constBegin(); it != printed.constEnd(); ++it) {
            const QVariant stored = row.value(it.key());
            if (it.value().isDouble())
                QCOMPARE(stored.toDouble(), it.value().toDouble());
            else
                QCOMPARE(stored.toString(), it.value().toString());
        }
    }

    // Protocols opened one after another on one date share the row and its measures.
    void secondProtocolFindsSharedMeasures_data() { addBackendRows(); }
    void secondProtocolFindsSharedMeasures()
    {
        QFETCH(QString, backend);
        const Example& pollock7 = workedExamples().first();
        const auto db = database(backend, pollock7.sex, pollock7.age);
        ScriptedMessages messages;
        Hub hub(*db);
        hub.openProtocol(pollock7.choice, pollock7.screen, [&](QWidget* screen) {
            for (const Input& input : pollock7.inputs)
                enter(screen, input);
            click(screen, pollock7.compute);
            click(screen, "BBNCONFIRMA");
        });

        // Faulkner's four skinfolds, weight and height are there: it shows its result.
        QString fat;
        QStringList measures;
        hub.openProtocol("RBFAULKNER", "TFRMFAULKNER", [&](QWidget* screen) {
            for (const char* name : {"DBEDTPESO", "DBEDTALTURA", "DBEDTSUBESCAPULAR",
                                     "DBEDTTRICIPES", "DBEDTSUPRAILIACA", "DBEDTABDOMEM"})
                measures << child<QLineEdit>(screen, name)->text();
            fat = shownText(screen, "LBLGORDURAATUAL");
            click(screen, "BBNCONFIRMA");
        });
        QCOMPARE(measures, (QStringList{"85", "175", "15", "10", "15", "20"}));
        QCOMPARE(fat, QStringLiteral("14,96 %")); // 60 x 0,153 + 5,783

        QStringList weightHeight;
        hub.openProtocol("RBIndiceCorporal", "TFrmIndiceCorporal", [&](QWidget* screen) {
            weightHeight << child<QLineEdit>(screen, "DBEDTPESOIMC")->text()
                         << child<QLineEdit>(screen, "DBEDTALTURAIMC")->text();
            click(screen, "BBNCALCULAIMC");
            click(screen, "BBNCONFIRMA");
        });
        QCOMPARE(weightHeight, (QStringList{"85", "175"}));
        QCOMPARE(messages.texts(), QStringList());

        auto own = db->connect();
        QCOMPARE(count(*own, Corporal), 1);
        const QSqlRecord row = corporalRow(*own);
        QCOMPARE(row.value(QStringLiteral("G_TIPOPROTOCOLO")).toString(), QStringLiteral("X7IXXFXXXX"));
        QCOMPARE(row.value(QStringLiteral("G_TIPO")).toString(), QStringLiteral("3"));
        QCOMPARE(row.value(QStringLiteral("G_7DOBRASGORDURA_A")).toDouble(), 15.88);
        QCOMPARE(row.value(QStringLiteral("G_FAULKNER_GORDURA")).toDouble(), 14.96);
        QCOMPARE(row.value(QStringLiteral("G_IMCVALOR")).toDouble(), 27.76);
    }

    void ageRules_data()
    {
        QTest::addColumn<QString>("choice");
        QTest::addColumn<QString>("sex");
        QTest::addColumn<int>("age");
        QTest::addColumn<int>("answer"); // to the advisory question
        QTest::addColumn<bool>("opens");
        QTest::addColumn<QString>("detail"); // empty: no message
        const int no = Messages::No;
        QTest::newRow("slaughter 6") << "RBCORPORALCRIANCA" << "M" << 6 << no << false << "Entre 7 e 17 anos!";
        QTest::newRow("slaughter 7") << "RBCORPORALCRIANCA" << "M" << 7 << no << true << "";
        QTest::newRow("slaughter 17") << "RBCORPORALCRIANCA" << "F" << 17 << no << true << "";
        QTest::newRow("slaughter 18") << "RBCORPORALCRIANCA" << "F" << 18 << no << false << "Entre 7 e 17 anos!";
        QTest::newRow("lohman 5") << "RBCORPORAL_LOHMAN" << "M" << 5 << no << false << "Entre 6 e 16 anos!";
        QTest::newRow("lohman 6") << "RBCORPORAL_LOHMAN" << "M" << 6 << no << true << "";
        QTest::newRow("lohman 17") << "RBCORPORAL_LOHMAN" << "F" << 17 << no << false << "Entre 6 e 16 anos!";
        QTest::newRow("tran 61") << "RBCORPORAL_TRAN" << "M" << 61 << no << false << "Entre 62 e 79 anos!";
        QTest::newRow("tran 62") << "RBCORPORAL_TRAN" << "M" << 62 << no << true << "";
        QTest::newRow("tran 79") << "RBCORPORAL_TRAN" << "F" << 79 << no << true << "";
        QTest::newRow("tran 80") << "RBCORPORAL_TRAN" << "F" << 80 << no << false << "Entre 62 e 79 anos!";
        QTest::newRow("waist-hip 19") << "RBCINTURAQUADRIL" << "M" << 19 << no << false << "Entre 20 e 69 anos!";
        QTest::newRow("waist-hip 20") << "RBCINTURAQUADRIL" << "M" << 20 << no << true << "";
        QTest::newRow("waist-hip 70") << "RBCINTURAQUADRIL" << "F" << 70 << no << false << "Entre 20 e 69 anos!";
        QTest::newRow("pollock 7, man of 65, No") << "RBPollock7Dobras" << "M" << 65 << no << false
                                                  << "Entre 18 e 64 anos, Deseja continuar ?";
        QTest::newRow("pollock 7, woman of 56, Yes") << "RBPollock7Dobras" << "F" << 56 << int(Messages::Yes)
                                                     << true << "Entre 18 e 55 anos, Deseja continuar ?";
        QTest::newRow("faulkner, any age") << "RBFAULKNER" << "F" << 90 << no << true << "";
        QTest::newRow("body-mass index, any age") << "RBIndiceCorporal" << "M" << 5 << no << true << "";
    }
    void ageRules()
    {
        QFETCH(QString, choice);
        QFETCH(QString, sex);
        QFETCH(int, age);
        QFETCH(int, answer);
        QFETCH(bool, opens);
        QFETCH(QString, detail);
        const auto db = database(backends().first(), sex, age);
        ScriptedMessages messages;
        messages.answer(answer);
        Station station(*db, sex, age);
        const auto screen = station.open(qPrintable(choice));
        QCOMPARE(bool(screen), opens);
        if (detail.isEmpty()) {
            QCOMPARE(messages.texts(), QStringList());
        } else {
            QCOMPARE(messages.shown().size(), 1);
            QCOMPARE(messages.shown().first().text, Msg::IdadeNaoConsiderada);
            QCOMPARE(messages.shown().first().detail, detail);
        }
        QCOMPARE(count(*db->connect(), Corporal), 0);
    }

    // Computing with an input missing names the first one in the screen's order and
    // computes nothing.
    void validation_data()
    {
        QTest::addColumn<QString>("choice");
        QTest::addColumn<QString>("sex");
        QTest::addColumn<int>("age");
        QTest::addColumn<int>("example"); // its screen's example, typed first; negative: not typed
        QTest::addColumn<QStringList>("changes"); // widget, text, ...
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("detail");
        QTest::addColumn<QString>("focus");
        const QString valor = QStringLiteral("Valor");
        QTest::newRow("pollock 7, empty ideal fat first")
            << "RBPollock7Dobras" << "M" << 40 << 0
            << QStringList{"DBTXTGORDURAIDEAL7", "", "DBEDTPESO7", ""} << Msg::DadoIncorreto << valor
            << "DBTXTGORDURAIDEAL7";
        QTest::newRow("pollock 7, thigh 0") << "RBPollock7Dobras" << "M" << 40 << 0
                                            << QStringList{"DBEDTCOXA", "0"} << Msg::DadoIncorreto << valor
                                            << "DBEDTCOXA";
        QTest::newRow("faulkner, subscapular before abdomen")
            << "RBFAULKNER" << "M" << 30 << 2 << QStringList{"DBEDTABDOMEM", "", "DBEDTSUBESCAPULAR", ""}
            << Msg::DadoIncorreto << valor << "DBEDTSUBESCAPULAR";
        QTest::newRow("slaughter, no maturation stage") << "RBCORPORALCRIANCA" << "M" << 12 << -3
            << QStringList{"DBEDTSUBESCAPULARCRIANCA", "8", "DBEDTTRICIPESCRIANCA", "10",
                           "DBEDTPESOCRIANCA", "40"}
            << Msg::FaixaIdadeInvalida << "" << "";
        QTest::newRow("slaughter, weight 0") << "RBCORPORALCRIANCA" << "M" << 12 << 3
                                             << QStringList{"DBEDTPESOCRIANCA", "0"} << Msg::DadoIncorreto
                                             << valor << "DBEDTPESOCRIANCA";
        QTest::newRow("lohman, 6 years has no constant")
            << "RBCORPORAL_LOHMAN" << "M" << 6 << 6 << QStringList() << Msg::NenhumResultado
            << "Fora Faixa" << "";
        QTest::newRow("lohman, triceps empty") << "RBCORPORAL_LOHMAN" << "F" << 10 << 6
                                               << QStringList{"DBEDTTRICIPES", ""} << Msg::DadoIncorreto
                                               << valor << "DBEDTTRICIPES";
        QTest::newRow("tran, second abdomen 0") << "RBCORPORAL_TRAN" << "M" << 65 << 7
                                                << QStringList{"DBEDTABDOMEM2", "0"} << Msg::DadoIncorreto
                                                << valor << "DBEDTABDOMEM2";
        QTest::newRow("body-mass index, height empty")
            << "RBIndiceCorporal" << "M" << 30 << 8 << QStringList{"DBEDTALTURAIMC", ""}
            << Msg::DadoIncorreto << valor << "DBEDTALTURAIMC";
        // A hip of zero would divide by nothing: refused like an empty one.
        QTest::newRow("waist-hip, hip 0,0") << "RBCINTURAQUADRIL" << "M" << 45 << 10
                                            << QStringList{"DBEDTQUADRIL", "0,0"} << Msg::DadoIncorreto
                                            << valor << "DBEDTQUADRIL";
    }
    void validation()
    {
        QFETCH(QString, choice);
        QFETCH(QString, sex);
        QFETCH(int, age);
        QFETCH(int, example);
        QFETCH(QStringList, changes);
        QFETCH(QString, message);
        QFETCH(QString, detail);
        QFETCH(QString, focus);
        const auto db = database(backends().first(), sex, age);
        ScriptedMessages messages;
        Station station(*db, sex, age);
        const auto screen = station.open(qPrintable(choice));
        QVERIFY(screen);
        const Example& e = workedExamples().at(qAbs(example));
        if (example >= 0)
            for (const Input& input : e.inputs)
                enter(screen.get(), input);
        for (int i = 0; i + 1 < changes.size(); i += 2)
            enter(screen.get(), {qPrintable(changes.at(i)), QString(), changes.at(i + 1)});
        const QString before = shownText(screen.get(), e.shown.first().first);
        click(screen.get(), e.compute);
        QCOMPARE(messages.shown().size(), 1);
        QCOMPARE(messages.shown().first().text, message);
        QCOMPARE(messages.shown().first().detail, detail);
        if (!focus.isEmpty())
            QCOMPARE(QApplication::focusWidget()->objectName(), focus);
        QCOMPARE(shownText(screen.get(), e.shown.first().first), before);
    }

    // Enter walks the fields in the screen's order; a height typed in metres stops it, and
    // so does a zero weight where weight and height come first.
    void enterOrder_data()
    {
        QTest::addColumn<QString>("choice");
        QTest::addColumn<int>("age");
        QTest::addColumn<QStringList>("order"); // the fields Enter goes through, from the weight
        QTest::newRow("pollock 7") << "RBPollock7Dobras" << 40
            << QStringList{"DBEDTPESO7", "DBEDTALTURA7", "DBEDTSUBESCAPULAR", "DBEDTTRICIPES",
                           "DBEDTPEITORAL", "DBEDTAXILARMEDIA", "DBEDTSUPRAILIACA", "DBEDTABDOMEM",
                           "DBEDTCOXA"};
        QTest::newRow("faulkner") << "RBFAULKNER" << 30
            << QStringList{"DBEDTPESO", "DBEDTALTURA", "DBEDTSUBESCAPULAR", "DBEDTTRICIPES",
                           "DBEDTSUPRAILIACA", "DBEDTABDOMEM", "BBNCALCULAFAULKNER"};
        QTest::newRow("lohman") << "RBCORPORAL_LOHMAN" << 10
            << QStringList{"DBEDTPESO", "DBEDTALTURA", "DBEDTSUBESCAPULAR", "DBEDTTRICIPES"};
        QTest::newRow("tran & weltman") << "RBCORPORAL_TRAN" << 65
            << QStringList{"DBEDTPESO", "DBEDTALTURA", "DBEDTABDOMEM1", "DBEDTABDOMEM2", "DBEDTQUADRIL"};
        QTest::newRow("slaughter") << "RBCORPORALCRIANCA" << 12
            << QStringList{"DBEDTSUBESCAPULARCRIANCA", "DBEDTTRICIPESCRIANCA", "DBEDTPESOCRIANCA",
                           "DBCBRACA1"};
        QTest::newRow("body-mass index") << "RBIndiceCorporal" << 30
            << QStringList{"DBEDTPESOIMC", "DBEDTALTURAIMC"};
        QTest::newRow("waist-hip") << "RBCINTURAQUADRIL" << 45
            << QStringList{"DBEDTCINTURA", "DBEDTQUADRIL"};
    }
    void enterOrder()
    {
        QFETCH(QString, choice);
        QFETCH(int, age);
        QFETCH(QStringList, order);
        const auto db = database(backends().first(), QStringLiteral("M"), age);
        ScriptedMessages messages;
        Station station(*db, QStringLiteral("M"), age);
        const auto screen = station.open(qPrintable(choice));
        QVERIFY(screen);
        QCOMPARE(QApplication::focusWidget()->objectName(), order.first());
        for (int i = 0; i + 1 < order.size(); ++i) {
            auto* field = child<QLineEdit>(screen.get(), qPrintable(order.at(i)));
            field->setFocus();
            if (order.at(i) == QLatin1String("DBEDTPESO") || order.at(i) == QLatin1String("DBEDTPESO7")) {
                QTest::keyClicks(field, QStringLiteral("0"));
                QTest::keyClick(field, Qt::Key_Return);
                QCOMPARE(messages.shown().last().detail, QStringLiteral("Valor"));
                QCOMPARE(QApplication::focusWidget(), field);
                field->clear();
            }
            if (order.at(i).startsWith(QLatin1String("DBEDTALTURA")) && order.at(i) != QLatin1String("DBEDTALTURAIMC")) {
                QTest::keyClicks(field, QStringLiteral("1,71"));
                QTest::keyClick(field, Qt::Key_Return);
                QCOMPARE(messages.shown().last().detail, QStringLiteral("Valor Ex.: 171,5 "));
                QCOMPARE(QApplication::focusWidget(), field);
                field->clear();
            }
            QTest::keyClicks(field, QStringLiteral("171,5"));
            QTest::keyClick(field, Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget()->objectName(), order.at(i + 1));
        }
    }

    // A stored children's result is shown as stored: the race of the anamnesis, which
    // this screen does not store, changes it only when the user computes again.
    void slaughterShowsItsStoredResult_data() { addBackendRows(); }
    void slaughterShowsItsStoredResult()
    {
        QFETCH(QString, backend);
        const Example& boy = workedExamples().at(3);
        const auto db = database(backend, boy.sex, boy.age);
        ScriptedMessages messages;
        Station station(*db, boy.sex, boy.age);
        auto screen = station.open(boy.choice);
        QVERIFY(screen);
        QCOMPARE(child<QComboBox>(screen.get(), "DBCBRACA1")->currentText(), QStringLiteral("Branca"));
        for (const Input& input : boy.inputs)
            enter(screen.get(), input);
        QTest::keyClick(child<QComboBox>(screen.get(), "DBCBRACA1"), Qt::Key_Return);
        QCOMPARE(shownText(screen.get(), "LBLGORDURAATUALCRIANCA"), QStringLiteral("15,79 %"));
        click(screen.get(), "BBNCONFIRMA");

        auto own = db->connect();
        Rows::insert(*own, QStringLiteral("Anamnese"),
                     {{QStringLiteral("MATRICULA"), Number},
                      {QStringLiteral("DATAEXAME"), Today},
                      {QStringLiteral("A_RACA"), QStringLiteral("Parda")}});
        station.context.mode = bodycomp::HubMode::Change;
        screen = station.open(boy.choice);
        QVERIFY(screen);
        QCOMPARE(child<QComboBox>(screen.get(), "DBCBRACA1")->currentText(), QStringLiteral("Parda"));
        QVERIFY(child<QGroupBox>(screen.get(), "DBRGFAIXA")->findChildren<QRadioButton*>().at(1)->isChecked());
        QCOMPARE(shownText(screen.get(), "LBLGORDURAATUALCRIANCA"), QStringLiteral("15,79 %"));
        QCOMPARE(shownText(screen.get(), "PNLRCRIANCA"), QStringLiteral("Ótima"));
        click(screen.get(), "BBNCONFIRMA");
        QCOMPARE(corporalRow(*own).value(QStringLiteral("G_CRIANCAGORDURA_A")).toDouble(), 15.79);

        screen = station.open(boy.choice);
        click(screen.get(), "BBNCALCULACRIANCA");
        QCOMPARE(shownText(screen.get(), "LBLGORDURAATUALCRIANCA"), QStringLiteral("13,99 %"));
        click(screen.get(), "BBNCONFIRMA");
        QCOMPARE(corporalRow(*own).value(QStringLiteral("G_CRIANCAGORDURA_A")).toDouble(), 13.99);
        QCOMPARE(count(*own, QStringLiteral("Anamnese")), 1);
        QCOMPARE(messages.texts(), QStringList());
    }
};

QTEST_MAIN(TestBodyCompositionScreens)
#include "tst_bodycomp_screens.moc"
