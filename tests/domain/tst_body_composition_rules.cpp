#include "domain/MessageTexts.h"
#include "domain/bodycomp/Corporal.h"
#include "domain/bodycomp/FatTables.h"
#include "domain/bodycomp/Protocol.h"
#include "domain/bodycomp/Texts.h"

#include <QTest>

using namespace kelvora;
using namespace kelvora::bodycomp;
using namespace kelvora::bodycomp::Corporal;

Q_DECLARE_METATYPE(kelvora::bodycomp::Protocol)
Q_DECLARE_METATYPE(kelvora::bodycomp::Sex)
Q_DECLARE_METATYPE(kelvora::bodycomp::HubMode)

namespace kelvora::bodycomp {
// How QCOMPARE shows a level that differs.
char* toString(const FatLevel& level)
{
    return qstrdup(("\"" + level.name + "\" / \"" + level.range + "\"").toUtf8().constData());
}
} // namespace kelvora::bodycomp

namespace {

const Sex Male = Sex::Male;
const Sex Female = Sex::Female;

Decimal dec(const char* text)
{
    return *Decimal::parse(QString::fromLatin1(text));
}

// Typed values are never negative; a computed fat percentage can be.
Decimal signedDecimal(const QString& text)
{
    return text.startsWith(QLatin1Char('-')) ? Decimal() - *Decimal::parse(text.mid(1))
                                             : *Decimal::parse(text);
}

// Men's levels as published for three age bands, with the 36-45 band stopping at 29.
const QVector<AdultFatLevel> MenWithShortBand{
    {"18", "25", "0", "6", "Excelente"},  {"18", "25", "7", "10", "Bom"},
    {"18", "25", "11", "99", "Ruim"},     {"36", "45", "0", "14", "Excelente"},
    {"36", "45", "15", "29", "Média"},    {"46", "55", "0", "16", "Excelente"},
    {"46", "55", "17", "30", "Bom"},      {"46", "55", "31", "99", "Ruim"}};

const QVector<ChildFatLevel> Children{
    {"M", "0", "6", "Muito Baixa"},         {"M", "6,01", "10", "Baixa"},
    {"M", "10,01", "20", "Ótima"},          {"M", "15", "25", "Sobreposta"},
    {"F", "0", "12", "Muito Baixa"},        {"F", "12,01", "15", "Baixa"},
    {"F", "15,01", "25", "Ótima"},          {"F", "30,01", "35,5", "Alta"},
    {"M", "0", "100", "Fora da sequência"}};

const QVector<IdealFatBand> PublishedBands{
    {"14", "19", ""}, {"16", "21", ""}, {"17", "22", ""}, {"18", "23", ""}, {"21", "26", ""}};

} // namespace

class BodyCompositionRules : public QObject {
    Q_OBJECT
private slots:
    void adultLevel_data()
    {
        QTest::addColumn<int>("age");
        QTest::addColumn<QString>("fat");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("range");
        QTest::newRow("bounds compare as numbers") << 20 << "8" << "Bom" << "7% a 10 %";
        QTest::newRow("lower bound inclusive") << 20 << "7" << "Bom" << "7% a 10 %";
        QTest::newRow("upper bound inclusive") << 20 << "6,99" << "Excelente" << "0% a 6 %";
        QTest::newRow("whole part of the fat") << 20 << "10,99" << "Bom" << "7% a 10 %";
        QTest::newRow("younger than the table: first band") << 15 << "5" << "Excelente" << "0% a 6 %";
        QTest::newRow("last age of a band") << 25 << "12" << "Ruim" << "11% a 99 %";
        QTest::newRow("band after a gap") << 30 << "16" << "Média" << "15% a 29 %";
        QTest::newRow("45 with 30: a later band's row") << 45 << "30" << "Bom" << "17% a 30 %";
        QTest::newRow("older than the table") << 56 << "20" << "" << "Fora Faixa";
        QTest::newRow("negative fat") << 20 << "-0,5" << "Excelente" << "0% a 6 %";
        QTest::newRow("below every range") << 20 << "-1,5" << "" << "Fora Faixa";
    }
    void adultLevel()
    {
        QFETCH(int, age);
        QFETCH(QString, fat);
        QFETCH(QString, name);
        QFETCH(QString, range);
        const Decimal value = signedDecimal(fat);
        QCOMPARE(adultFatLevel(MenWithShortBand, age, value), (FatLevel{name, range}));
    }

    void adultLevelSkipsRowsThatAreNoNumbers()
    {
        const QVector<AdultFatLevel> rows{{"", "", "0", "99", "Vazia"},
                                          {"18", "25", "a", "99", "Letras"},
                                          {"18", "25", "0", "99", "Válida"}};
        QCOMPARE(adultFatLevel(rows, 20, dec("10")).name, QStringLiteral("Válida"));
    }

    void childLevel_data()
    {
        QTest::addColumn<Sex>("sex");
        QTest::addColumn<QString>("fat");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("range");
        QTest::newRow("boy, decimal bound") << Male << "6,01" << "Baixa" << "6,01% a 10%";
        QTest::newRow("boy, upper bound") << Male << "6" << "Muito Baixa" << "0% a 6%";
        QTest::newRow("boy, last matching row wins") << Male << "16" << "Sobreposta" << "15% a 25%";
        QTest::newRow("boy, scan ends at the first F row") << Male << "50" << "" << "";
        QTest::newRow("girl, blank before the last %") << Female << "12,01" << "Baixa" << "12,01% a 15 %";
        QTest::newRow("girl, decimal upper bound") << Female << "35,5" << "Alta" << "30,01% a 35,5 %";
        QTest::newRow("girl, in a gap") << Female << "27" << "" << "";
        QTest::newRow("girl, scan ends at the next M row") << Female << "99" << "" << "";
        QTest::newRow("girl, negative") << Female << "-1" << "" << "";
    }
    void childLevel()
    {
        QFETCH(Sex, sex);
        QFETCH(QString, fat);
        QFETCH(QString, name);
        QFETCH(QString, range);
        const Decimal value = signedDecimal(fat);
        QCOMPARE(childFatLevel(Children, sex, value), (FatLevel{name, range}));
    }

    void childLevelOfATableWithoutGirls()
    {
        const QVector<ChildFatLevel> boysOnly{{"M", "0", "100", "Qualquer"}};
        QCOMPARE(childFatLevel(boysOnly, Female, dec("20")), FatLevel{});
    }

    void idealFatByBand_data()
    {
        QTest::addColumn<HubMode>("mode");
        QTest::addColumn<QString>("firstHomem");
        QTest::addColumn<Sex>("sex");
        QTest::addColumn<int>("age");
        QTest::addColumn<QString>("percentage");
        const auto inclusion = HubMode::Inclusion;
        QTest::newRow("man 29") << inclusion << "" << Male << 29 << "14";
        QTest::newRow("man 30") << inclusion << "" << Male << 30 << "16";
        QTest::newRow("man 39") << inclusion << "" << Male << 39 << "16";
        QTest::newRow("man 40") << inclusion << "" << Male << 40 << "17";
        QTest::newRow("man 49") << inclusion << "" << Male << 49 << "17";
        QTest::newRow("man 50") << inclusion << "" << Male << 50 << "18";
        QTest::newRow("man 59") << inclusion << "" << Male << 59 << "18";
        QTest::newRow("man 60") << inclusion << "" << Male << 60 << "21";
        QTest::newRow("man 90") << inclusion << "" << Male << 90 << "21";
        QTest::newRow("child") << inclusion << "" << Female << 10 << "19";
        QTest::newRow("woman 45") << inclusion << "" << Female << 45 << "22";
        QTest::newRow("change mode: first band") << HubMode::Change << "" << Male << 45 << "14";
        QTest::newRow("exclusion mode: first band") << HubMode::Exclusion << "" << Female << 60 << "19";
        QTest::newRow("first HOMEM filled in: first band") << inclusion << "10" << Male << 45 << "14";
    }
    void idealFatByBand()
    {
        QFETCH(HubMode, mode);
        QFETCH(QString, firstHomem);
        QFETCH(Sex, sex);
        QFETCH(int, age);
        QFETCH(QString, percentage);
        QVector<IdealFatBand> bands = PublishedBands;
        bands.first().homem = firstHomem;
        QCOMPARE(idealFatPercentage(bands, mode, {sex, age}), percentage);
    }

    void idealFatOfShortTables()
    {
        const QVector<IdealFatBand> three = PublishedBands.mid(0, 3);
        QCOMPARE(idealFatPercentage(three, HubMode::Inclusion, {Male, 70}), QStringLiteral("17"));
        QCOMPARE(idealFatPercentage({}, HubMode::Inclusion, {Male, 70}), QString());
    }

    void idealFatColumnsOfANewRow()
    {
        const FieldTexts empty;
        QVERIFY(needsIdealFatLookup(empty));
        FieldTexts filled = withIdealFat(empty, QStringLiteral("16"));
        for (const QString& column : idealFatColumns())
            QCOMPARE(filled.value(column), QStringLiteral("16"));
        QVERIFY(!needsIdealFatLookup(filled));

        // Lohman's column alone does not call for the look-up; a value typed stays.
        filled.insert(G_LOHMANGORDURA_IDEAL, QString());
        QVERIFY(!needsIdealFatLookup(filled));
        filled.insert(G_TRANGORDURA_IDEAL, QString());
        filled.insert(G_3DOBRASGORDURA_IDEAL, QStringLiteral("12"));
        QVERIFY(needsIdealFatLookup(filled));
        const FieldTexts refilled = withIdealFat(filled, QStringLiteral("21"));
        QCOMPARE(refilled.value(G_3DOBRASGORDURA_IDEAL), QStringLiteral("12"));
        QCOMPARE(refilled.value(G_LOHMANGORDURA_IDEAL), QStringLiteral("21"));
        QCOMPARE(refilled.value(G_TRANGORDURA_IDEAL), QStringLiteral("21"));
        QCOMPARE(refilled.value(G_FAULKNERGORDURA_IDEAL), QStringLiteral("16"));
    }

    void idealFatValues_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("percentage"); // -1: refused
        QTest::newRow("whole number") << "15" << 15;
        QTest::newRow("double zero") << "00" << 0;
        QTest::newRow("largest") << "99" << 99;
        QTest::newRow("leading zero") << "099" << 99;
        QTest::newRow("empty") << "" << -1;
        QTest::newRow("zero") << "0" << -1;
        QTest::newRow("a hundred") << "100" << -1;
        QTest::newRow("decimal") << "1,5" << -1;
        QTest::newRow("letters") << "ab" << -1;
        QTest::newRow("beyond int") << "99999999999" << -1;
    }
    void idealFatValues()
    {
        QFETCH(QString, typed);
        QFETCH(int, percentage);
        const FieldTexts fields{{G_FAULKNERGORDURA_IDEAL, typed}};
        if (percentage >= 0) {
            QCOMPARE(requiredIdealFat(fields, G_FAULKNERGORDURA_IDEAL), percentage);
            return;
        }
        try {
            requiredIdealFat(fields, G_FAULKNERGORDURA_IDEAL);
            QFAIL("accepted");
        } catch (const Refused& refused) {
            QCOMPARE(refused.field(), G_FAULKNERGORDURA_IDEAL);
            QCOMPARE(refused.message(), Msg::DadoIncorreto);
            QCOMPARE(refused.detail(), Text::Valor);
        }
    }

    void heightOnEnter_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("problem");
        QTest::newRow("empty") << "" << Text::Valor;
        QTest::newRow("metres") << "1,71" << Text::ValorExemploAltura;
        QTest::newRow("zero") << "0" << Text::ValorExemploAltura;
        QTest::newRow("just below 10") << "9,99" << Text::ValorExemploAltura;
        QTest::newRow("10") << "10" << "";
        QTest::newRow("centimetres") << "171,5" << "";
    }
    void heightOnEnter()
    {
        QFETCH(QString, typed);
        QFETCH(QString, problem);
        QCOMPARE(heightEntryProblem(typed).value_or(QString()), problem);
    }

    void weightOnEnter_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("problem");
        QTest::newRow("empty") << "" << Text::Valor;
        QTest::newRow("zero") << "0" << Text::Valor;
        QTest::newRow("zero with decimals") << "0,0" << Text::Valor;
        QTest::newRow("a weight") << "68,3" << "";
    }
    void weightOnEnter()
    {
        QFETCH(QString, typed);
        QFETCH(QString, problem);
        QCOMPARE(weightEntryProblem(typed).value_or(QString()), problem);
    }

    void markerOfEachProtocol_data()
    {
        QTest::addColumn<Protocol>("protocol");
        QTest::addColumn<QString>("marked");
        QTest::addColumn<QString>("typeCode");
        QTest::newRow("pollock 3") << Protocol::Pollock3 << "3XXXXXXXXX" << "3";
        QTest::newRow("pollock 7") << Protocol::Pollock7 << "X7XXXXXXXX" << "7";
        QTest::newRow("body-mass index") << Protocol::BodyMassIndex << "XXIXXXXXXX" << "3";
        QTest::newRow("slaughter") << Protocol::Slaughter << "XXXCXXXXXX" << "C";
        QTest::newRow("waist-hip") << Protocol::WaistHip << "XXXXQXXXXX" << "Q";
        QTest::newRow("faulkner") << Protocol::Faulkner << "XXXXXFXXXX" << "F";
        QTest::newRow("lohman") << Protocol::Lohman << "XXXXXXLXXX" << "L";
        QTest::newRow("tran & weltman") << Protocol::TranWeltman << "XXXXXXXTXX" << "T";
    }
    void markerOfEachProtocol()
    {
        QFETCH(Protocol, protocol);
        QFETCH(QString, marked);
        QFETCH(QString, typeCode);
        QCOMPARE(markProtocol(NewRowMarkers, protocol), marked);
        QCOMPARE(bodycomp::typeCode(protocol), typeCode);
    }

    void markersKeepTheOtherPositions()
    {
        QString markers = NewRowMarkers;
        for (const Protocol protocol : {Protocol::TranWeltman, Protocol::Pollock3, Protocol::WaistHip})
            markers = markProtocol(markers, protocol);
        QCOMPARE(markers, QStringLiteral("3XXXQXXTXX"));
        QCOMPARE(markProtocol(markers, Protocol::Pollock3), markers);
        // A row stored without markers gets them in their places, not at its start.
        QCOMPARE(markProtocol(QString(), Protocol::Lohman), QStringLiteral("XXXXXXLXXX"));
        QCOMPARE(markProtocol(QStringLiteral("37"), Protocol::Faulkner), QStringLiteral("37XXXFXXXX"));
    }

    void ageRules_data()
    {
        QTest::addColumn<Protocol>("protocol");
        QTest::addColumn<Sex>("sex");
        QTest::addColumn<bool>("hard");
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<QString>("detail");
        QTest::newRow("pollock 3, man") << Protocol::Pollock3 << Male << false << 18 << 64
                                        << "Entre 18 e 64 anos, Deseja continuar ?";
        QTest::newRow("pollock 3, woman") << Protocol::Pollock3 << Female << false << 18 << 55
                                          << "Entre 18 e 55 anos, Deseja continuar ?";
        QTest::newRow("pollock 7, woman") << Protocol::Pollock7 << Female << false << 18 << 55
                                          << "Entre 18 e 55 anos, Deseja continuar ?";
        QTest::newRow("slaughter") << Protocol::Slaughter << Male << true << 7 << 17 << "Entre 7 e 17 anos!";
        QTest::newRow("lohman") << Protocol::Lohman << Female << true << 6 << 16 << "Entre 6 e 16 anos!";
        QTest::newRow("tran & weltman") << Protocol::TranWeltman << Male << true << 62 << 79
                                        << "Entre 62 e 79 anos!";
        QTest::newRow("waist-hip") << Protocol::WaistHip << Female << true << 20 << 69 << "Entre 20 e 69 anos!";
    }
    void ageRules()
    {
        QFETCH(Protocol, protocol);
        QFETCH(Sex, sex);
        QFETCH(bool, hard);
        QFETCH(int, minimum);
        QFETCH(int, maximum);
        QFETCH(QString, detail);
        const std::optional<AgeRule> rule = ageRule(protocol, sex);
        QVERIFY(rule);
        QCOMPARE(rule->kind == AgeRule::Kind::Hard, hard);
        QCOMPARE(rule->detail(), detail);
        QVERIFY(!rule->admits(minimum - 1));
        QVERIFY(rule->admits(minimum));
        QVERIFY(rule->admits(maximum));
        QVERIFY(!rule->admits(maximum + 1));
    }

    void protocolsWithoutAgeRule()
    {
        for (const Sex sex : {Male, Female}) {
            QVERIFY(!ageRule(Protocol::Faulkner, sex));
            QVERIFY(!ageRule(Protocol::BodyMassIndex, sex));
        }
    }
};

QTEST_APPLESS_MAIN(BodyCompositionRules)
#include "tst_body_composition_rules.moc"
