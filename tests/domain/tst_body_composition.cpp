#include "data/BodyCompositionReference.h"
#include "domain/MessageTexts.h"
#include "domain/bodycomp/Calculation.h"
#include "domain/bodycomp/Corporal.h"
#include "domain/bodycomp/Texts.h"

#include <QTest>

using namespace kelvora;
using namespace kelvora::bodycomp;
using namespace kelvora::bodycomp::Corporal;

Q_DECLARE_METATYPE(kelvora::bodycomp::Protocol)
Q_DECLARE_METATYPE(kelvora::bodycomp::Sex)
Q_DECLARE_METATYPE(kelvora::bodycomp::BmiTable)

namespace {

const Sex Male = Sex::Male;
const Sex Female = Sex::Female;

// The fields of each protocol's worked example, changed by `changes`.
FieldTexts example(Protocol protocol, const FieldTexts& changes = {})
{
    FieldTexts fields;
    switch (protocol) {
    case Protocol::Pollock3:
        // Both sexes' skinfolds are filled in; only those of the student's sex count.
        fields = {{G_3DOBRASGORDURA_IDEAL, "15"}, {G_PESO, "80"},      {G_ALTURA, "180"},
                  {G_PEITORAL, "10"},             {G_ABDOMEM, "20"},   {G_COXA, "15"},
                  {G_TRICIPES, "99"},             {G_SUPRAILIACA, "99"}};
        break;
    case Protocol::Pollock7:
        fields = {{G_7DOBRASGORDURA_IDEAL, "15"}, {G_PESO, "85"},     {G_ALTURA, "175"},
                  {G_SUBESCAPULAR, "15"},         {G_TRICIPES, "10"}, {G_PEITORAL, "15"},
                  {G_AXILARMEDIA, "15"},          {G_SUPRAILIACA, "15"},
                  {G_ABDOMEM, "20"},              {G_COXA, "10"}};
        break;
    case Protocol::Faulkner:
        fields = {{G_FAULKNERGORDURA_IDEAL, "15"}, {G_PESO, "70"},         {G_ALTURA, "170"},
                  {G_SUBESCAPULAR, "10"},          {G_TRICIPES, "12"},     {G_SUPRAILIACA, "15"},
                  {G_ABDOMEM, "20"}};
        break;
    case Protocol::Slaughter:
        fields = {{G_SUBESCAPULAR, "8"}, {G_TRICIPES, "10"}, {G_PESO, "40"},
                  {G_TIPOIDADECRIANCA, "2"}};
        break;
    case Protocol::Lohman:
        fields = {{G_LOHMANGORDURA_IDEAL, "15"}, {G_PESO, "35"},    {G_ALTURA, "140"},
                  {G_SUBESCAPULAR, "8"},         {G_TRICIPES, "10"}};
        break;
    case Protocol::TranWeltman:
        fields = {{G_TRANGORDURA_IDEAL, "25"}, {G_PESO, "65"},          {G_ALTURA, "160"},
                  {G_TRANABDOMEM1, "90"},      {G_TRANABDOMEM2, "92"},  {G_QUADRIL, "100"}};
        break;
    case Protocol::BodyMassIndex:
        fields = {{G_PESO, "70"}, {G_ALTURA, "175"}};
        break;
    case Protocol::WaistHip:
        fields = {{G_CINTURA, "90"}, {G_QUADRIL, "100"}};
        break;
    }
    for (auto it = changes.cbegin(); it != changes.cend(); ++it)
        fields.insert(it.key(), it.value());
    return fields;
}

const FatTables& shippedTables()
{
    static const FatTables tables = BodyCompositionReference::installed();
    return tables;
}

FatResult computeFat(Protocol protocol, const FieldTexts& fields, Sex sex, int age,
                     const QString& race = QStringLiteral("Branca"))
{
    const Student student{sex, age};
    switch (protocol) {
    case Protocol::Pollock3:
        return pollock3(fields, student, shippedTables());
    case Protocol::Pollock7:
        return pollock7(fields, student, shippedTables());
    case Protocol::Faulkner:
        return faulkner(fields);
    case Protocol::Slaughter:
        return slaughter(fields, sex, race, shippedTables());
    case Protocol::Lohman:
        return lohman(fields, student);
    case Protocol::TranWeltman:
        return tranWeltman(fields, age);
    case Protocol::BodyMassIndex:
    case Protocol::WaistHip:
        break;
    }
    qFatal("not a fat protocol");
}

QString optionalText(const std::optional<Decimal>& value)
{
    return value ? value->toText() : QString();
}

} // namespace

class BodyComposition : public QObject {
    Q_OBJECT
private slots:
    void fatProtocols_data()
    {
        QTest::addColumn<Protocol>("protocol");
        QTest::addColumn<Sex>("sex");
        QTest::addColumn<int>("age");
        QTest::addColumn<QString>("race");
        QTest::addColumn<FieldTexts>("fields");
        QTest::addColumn<QString>("fat");
        QTest::addColumn<QString>("fatMass");
        QTest::addColumn<QString>("leanMass");
        QTest::addColumn<QString>("idealWeight");
        QTest::addColumn<QString>("level");
        QTest::addColumn<QString>("range");
        const QString branca = QStringLiteral("Branca");
        const auto p3 = Protocol::Pollock3;
        const auto p7 = Protocol::Pollock7;
        const auto sl = Protocol::Slaughter;
        const auto lo = Protocol::Lohman;
        const auto tw = Protocol::TranWeltman;

        QTest::newRow("pollock 3, man of 30") << p3 << Male << 30 << branca << example(p3)
            << "13,62" << "10,9" << "69,1" << "81,29" << "Bom" << "12% a 15 %";
        QTest::newRow("pollock 3, woman of 25")
            << p3 << Female << 25 << branca
            << example(p3, {{G_3DOBRASGORDURA_IDEAL, "20"}, {G_PESO, "60"}, {G_TRICIPES, "20"},
                            {G_SUPRAILIACA, "20"}, {G_COXA, "20"}, {G_PEITORAL, "99"},
                            {G_ABDOMEM, "99"}})
            << "23,82" << "14,29" << "45,71" << "57,14" << "Média" << "23% a 25 %";
        QTest::newRow("pollock 3, man of 66 past the table")
            << p3 << Male << 66 << branca << example(p3)
            << "17,7" << "14,16" << "65,84" << "77,46" << "" << "Fora Faixa";
        QTest::newRow("pollock 3, typed with points and commas")
            << p3 << Male << 30 << branca
            << example(p3, {{G_PESO, "80,0"}, {G_PEITORAL, "10.0"}, {G_COXA, "15,"}})
            << "13,62" << "10,9" << "69,1" << "81,29" << "Bom" << "12% a 15 %";
        QTest::newRow("pollock 3, weight 0,0 passes")
            << p3 << Male << 30 << branca << example(p3, {{G_PESO, "0,0"}})
            << "13,62" << "0" << "0" << "0" << "Bom" << "12% a 15 %";
        QTest::newRow("pollock 7, man of 40") << p7 << Male << 40 << branca << example(p7)
            << "15,88" << "13,5" << "71,5" << "84,12" << "Bom" << "15% a 18 %";
        QTest::newRow("pollock 7, woman of 35")
            << p7 << Female << 35 << branca
            << example(p7, {{G_7DOBRASGORDURA_IDEAL, "22"}, {G_PESO, "62"}, {G_SUBESCAPULAR, "20"},
                            {G_AXILARMEDIA, "20"}, {G_SUPRAILIACA, "20"}, {G_COXA, "20"},
                            {G_PEITORAL, "10"}})
            << "24,05" << "14,91" << "47,09" << "60,37" << "Média" << "24% a 25 %";
        QTest::newRow("faulkner") << Protocol::Faulkner << Male << 30 << branca
            << example(Protocol::Faulkner) << "14,5" << "10,15" << "59,85" << "70,41" << "" << "";
        QTest::newRow("faulkner ignores sex and age")
            << Protocol::Faulkner << Female << 80 << branca << example(Protocol::Faulkner)
            << "14,5" << "10,15" << "59,85" << "70,41" << "" << "";

        QTest::newRow("slaughter, white pubertal boy") << sl << Male << 12 << branca << example(sl)
            << "15,79" << "6,32" << "33,68" << "" << "Ótima" << "10,01% a 20%";
        QTest::newRow("slaughter, same boy of race Parda")
            << sl << Male << 12 << "Parda" << example(sl)
            << "13,99" << "5,6" << "34,4" << "" << "Ótima" << "10,01% a 20%";
        QTest::newRow("slaughter, girl of S 18") << sl << Female << 12 << branca << example(sl)
            << "17,23" << "6,89" << "33,11" << "" << "Ótima" << "15,01% a 25 %";
        QTest::newRow("slaughter, boy of S 40")
            << sl << Male << 12 << branca
            << example(sl, {{G_SUBESCAPULAR, "20"}, {G_TRICIPES, "20"}})
            << "32,92" << "13,17" << "26,83" << "" << "Muito Alta" << "31,01% a 100%";
        QTest::newRow("slaughter, girl of S 40")
            << sl << Female << 12 << branca
            << example(sl, {{G_SUBESCAPULAR, "20"}, {G_TRICIPES, "20"}})
            << "31,54" << "12,62" << "27,38" << "" << "Alta" << "30,01% a 35,5 %";
        QTest::newRow("slaughter, S exactly 35 uses the small-sum formula")
            << sl << Male << 12 << branca
            << example(sl, {{G_SUBESCAPULAR, "15"}, {G_TRICIPES, "20"}})
            << "29,15" << "11,66" << "28,34" << "" << "Alta" << "25,01% a 31%";
        QTest::newRow("slaughter, S 35,01 uses the large-sum formula")
            << sl << Male << 12 << branca
            << example(sl, {{G_SUBESCAPULAR, "15"}, {G_TRICIPES, "20,01"}})
            << "29,01" << "11,6" << "28,4" << "" << "Alta" << "25,01% a 31%";
        QTest::newRow("slaughter, sum rounded to hundredths first")
            << sl << Male << 12 << branca
            << example(sl, {{G_SUBESCAPULAR, "5"}, {G_TRICIPES, "5,005"}})
            << "7,9" << "3,16" << "36,84" << "" << "Baixa" << "6,01% a 10%";
        QTest::newRow("slaughter, negative estimate finds no level")
            << sl << Male << 12 << branca
            << example(sl, {{G_SUBESCAPULAR, "1"}, {G_TRICIPES, "1"}, {G_TIPOIDADECRIANCA, "3"}})
            << "-3,11" << "-1,24" << "41,24" << "" << "" << "";

        QTest::newRow("lohman, boy of 10") << lo << Male << 10 << branca << example(lo)
            << "16,01" << "5,6" << "29,4" << "34,59" << "" << "";
        QTest::newRow("lohman, girl of 10") << lo << Female << 10 << branca << example(lo)
            << "18,01" << "6,3" << "28,7" << "33,76" << "" << "";

        QTest::newRow("tran & weltman, 65 years") << tw << Male << 65 << branca << example(tw)
            << "40,65" << "26,42" << "38,58" << "51,44" << "" << "";
        QTest::newRow("tran & weltman, the same for a woman")
            << tw << Female << 65 << branca << example(tw)
            << "40,65" << "26,42" << "38,58" << "51,44" << "" << "";
    }
    void fatProtocols()
    {
        QFETCH(Protocol, protocol);
        QFETCH(Sex, sex);
        QFETCH(int, age);
        QFETCH(QString, race);
        QFETCH(FieldTexts, fields);
        QFETCH(QString, fat);
        QFETCH(QString, fatMass);
        QFETCH(QString, leanMass);
        QFETCH(QString, idealWeight);
        QFETCH(QString, level);
        QFETCH(QString, range);
        const FatResult result = computeFat(protocol, fields, sex, age, race);
        QCOMPARE(result.fat.toText(), fat);
        QCOMPARE(result.fatMass.toText(), fatMass);
        QCOMPARE(result.leanMass.toText(), leanMass);
        QCOMPARE(optionalText(result.idealWeight), idealWeight);
        QCOMPARE(result.level.value_or(FatLevel{}), (FatLevel{level, range}));
    }

    void slaughterBoysByRaceAndStage_data()
    {
        QTest::addColumn<QString>("race");
        QTest::addColumn<QString>("stage");
        QTest::addColumn<QString>("fat");
        // S = 18: 1,21 x 18 - 0,008 x 18² = 19,188, less the intercept of race and stage.
        QTest::newRow("Branca, pre-pubertal") << "Branca" << "1" << "17,49";
        QTest::newRow("Branca, pubertal") << "Branca" << "2" << "15,79";
        QTest::newRow("Branca, post-pubertal") << "Branca" << "3" << "13,69";
        QTest::newRow("Negra, pre-pubertal (published 3,2)") << "Negra" << "1" << "15,99";
        QTest::newRow("Negra, pubertal") << "Negra" << "2" << "13,99";
        QTest::newRow("Negra, post-pubertal") << "Negra" << "3" << "12,39";
        QTest::newRow("Parda, pre-pubertal") << "Parda" << "1" << "15,99";
        QTest::newRow("no race recorded, post-pubertal") << "" << "3" << "12,39";
    }
    void slaughterBoysByRaceAndStage()
    {
        QFETCH(QString, race);
        QFETCH(QString, stage);
        QFETCH(QString, fat);
        const FatResult boy = computeFat(Protocol::Slaughter,
                                         example(Protocol::Slaughter, {{G_TIPOIDADECRIANCA, stage}}),
                                         Male, 12, race);
        QCOMPARE(boy.fat.toText(), fat);
        // Girls have one equation whatever the race and stage.
        const FatResult girl = computeFat(Protocol::Slaughter,
                                          example(Protocol::Slaughter, {{G_TIPOIDADECRIANCA, stage}}),
                                          Female, 12, race);
        QCOMPARE(girl.fat.toText(), QStringLiteral("17,23"));
    }

    void lohmanConstantsByAge_data()
    {
        QTest::addColumn<Sex>("sex");
        QTest::addColumn<int>("age");
        QTest::addColumn<QString>("fat");
        // S = 18: 1,35 x 18 - 0,012 x 18² = 20,412, less the constant of sex and age.
        QTest::newRow("boy 7") << Male << 7 << "17,01";
        QTest::newRow("boy 9") << Male << 9 << "17,01";
        QTest::newRow("boy 10") << Male << 10 << "16,01";
        QTest::newRow("boy 12") << Male << 12 << "16,01";
        QTest::newRow("boy 13") << Male << 13 << "15,01";
        QTest::newRow("boy 15") << Male << 15 << "15,01";
        QTest::newRow("boy 16") << Male << 16 << "14,01";
        QTest::newRow("girl 7") << Female << 7 << "19,01";
        QTest::newRow("girl 12") << Female << 12 << "18,01";
        QTest::newRow("girl 13") << Female << 13 << "17,01";
        QTest::newRow("girl 16") << Female << 16 << "16,41";
    }
    void lohmanConstantsByAge()
    {
        QFETCH(Sex, sex);
        QFETCH(int, age);
        QFETCH(QString, fat);
        QCOMPARE(computeFat(Protocol::Lohman, example(Protocol::Lohman), sex, age).fat.toText(), fat);
    }

    void resultBlockRoundsHalvesToEven_data()
    {
        QTest::addColumn<QString>("fat");
        QTest::addColumn<QString>("weight");
        QTest::addColumn<int>("idealFat"); // -1: none
        QTest::addColumn<QString>("fatMass");
        QTest::addColumn<QString>("leanMass");
        QTest::addColumn<QString>("idealWeight");
        QTest::newRow("plain") << "15.5" << "70" << 15 << "10,85" << "59,15" << "69,59";
        QTest::newRow("fat mass half to even") << "10.5" << "73" << -1 << "7,66" << "65,34" << "";
        QTest::newRow("fat mass half up to even") << "12.5" << "61.4" << -1 << "7,68" << "53,72" << "";
        QTest::newRow("lean mass half up to even") << "10" << "73.555" << -1 << "7,36" << "66,2" << "";
        QTest::newRow("ideal weight half to even") << "0" << "45.7" << 20 << "0" << "45,7" << "57,12";
        QTest::newRow("ideal fat 0") << "10" << "50" << 0 << "5" << "45" << "45";
        QTest::newRow("ideal fat 99") << "10" << "50" << 99 << "5" << "45" << "4500";
        QTest::newRow("formula value rounded first") << "14.504" << "70" << 15 << "10,15" << "59,85" << "70,41";
    }
    void resultBlockRoundsHalvesToEven()
    {
        QFETCH(QString, fat);
        QFETCH(QString, weight);
        QFETCH(int, idealFat);
        QFETCH(QString, fatMass);
        QFETCH(QString, leanMass);
        QFETCH(QString, idealWeight);
        const FatResult result =
            resultBlock(*Decimal::parse(fat), *Decimal::parse(weight),
                        idealFat < 0 ? std::nullopt : std::optional<int>(idealFat));
        QCOMPARE(result.fatMass.toText(), fatMass);
        QCOMPARE(result.leanMass.toText(), leanMass);
        QCOMPARE(optionalText(result.idealWeight), idealWeight);
    }

    void displayTexts()
    {
        QCOMPARE(percentText(13.62_dec), QStringLiteral("13,62 %"));
        QCOMPARE(kilogramText(10.90_dec), QStringLiteral("10,9 kg"));
        QCOMPARE(kilogramText(69.59_dec), QStringLiteral("69,59 kg"));
        QCOMPARE(bmiText(22.86_dec), QStringLiteral("22,86 kg/m2"));
        QCOMPARE(legendText(1.00_dec), QStringLiteral("1,00 mm"));
    }

    void refusals_data()
    {
        QTest::addColumn<Protocol>("protocol");
        QTest::addColumn<Sex>("sex");
        QTest::addColumn<int>("age");
        QTest::addColumn<FieldTexts>("fields");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("detail");
        const QString incorreto = Msg::DadoIncorreto;
        const QString valor = Text::Valor;
        const auto p3 = Protocol::Pollock3;
        const auto p7 = Protocol::Pollock7;
        const auto fa = Protocol::Faulkner;
        const auto sl = Protocol::Slaughter;
        const auto lo = Protocol::Lohman;
        const auto tw = Protocol::TranWeltman;
        const auto bmi = Protocol::BodyMassIndex;
        const auto wh = Protocol::WaistHip;
        const FieldTexts nothing;

        QTest::newRow("pollock 3: all empty, ideal fat first") << p3 << Male << 30 << nothing
            << G_3DOBRASGORDURA_IDEAL << incorreto << valor;
        QTest::newRow("pollock 3: ideal fat 0") << p3 << Male << 30
            << example(p3, {{G_3DOBRASGORDURA_IDEAL, "0"}}) << G_3DOBRASGORDURA_IDEAL << incorreto << valor;
        QTest::newRow("pollock 3: ideal fat 100") << p3 << Male << 30
            << example(p3, {{G_3DOBRASGORDURA_IDEAL, "100"}}) << G_3DOBRASGORDURA_IDEAL << incorreto << valor;
        QTest::newRow("pollock 3: ideal fat no number") << p3 << Male << 30
            << example(p3, {{G_3DOBRASGORDURA_IDEAL, "1,5"}}) << G_3DOBRASGORDURA_IDEAL << incorreto << valor;
        QTest::newRow("pollock 3: weight 0") << p3 << Male << 30
            << example(p3, {{G_PESO, "0"}}) << G_PESO << incorreto << valor;
        QTest::newRow("pollock 3: height before skinfolds") << p3 << Male << 30
            << example(p3, {{G_ALTURA, ""}, {G_PEITORAL, ""}}) << G_ALTURA << incorreto << valor;
        QTest::newRow("pollock 3: man's chest") << p3 << Male << 30
            << example(p3, {{G_PEITORAL, ""}, {G_COXA, ""}}) << G_PEITORAL << incorreto << valor;
        QTest::newRow("pollock 3: abdomen before thigh") << p3 << Male << 30
            << example(p3, {{G_ABDOMEM, "0"}, {G_COXA, ""}}) << G_ABDOMEM << incorreto << valor;
        QTest::newRow("pollock 3: woman's triceps, not chest") << p3 << Female << 30
            << example(p3, {{G_PEITORAL, ""}, {G_TRICIPES, ""}}) << G_TRICIPES << incorreto << valor;
        QTest::newRow("pollock 3: woman's thigh") << p3 << Female << 30
            << example(p3, {{G_ABDOMEM, ""}, {G_COXA, ""}}) << G_COXA << incorreto << valor;
        QTest::newRow("pollock 3: more than a field holds") << p3 << Male << 30
            << example(p3, {{G_COXA, "1234567"}}) << G_COXA << incorreto << valor;
        QTest::newRow("pollock 3: letters") << p3 << Male << 30
            << example(p3, {{G_COXA, "15a"}}) << G_COXA << incorreto << valor;
        QTest::newRow("pollock 7: skinfolds in screen order") << p7 << Male << 30
            << example(p7, {{G_PEITORAL, ""}, {G_AXILARMEDIA, ""}, {G_COXA, ""}}) << G_PEITORAL << incorreto << valor;
        QTest::newRow("pollock 7: subscapular first") << p7 << Female << 30
            << example(p7, {{G_SUBESCAPULAR, "0"}, {G_TRICIPES, ""}}) << G_SUBESCAPULAR << incorreto << valor;
        QTest::newRow("faulkner: ideal fat") << fa << Male << 30
            << example(fa, {{G_FAULKNERGORDURA_IDEAL, ""}}) << G_FAULKNERGORDURA_IDEAL << incorreto << valor;
        QTest::newRow("faulkner: empty weight") << fa << Male << 30
            << example(fa, {{G_PESO, ""}, {G_SUBESCAPULAR, ""}}) << G_PESO << incorreto << valor;
        QTest::newRow("faulkner: height 0") << fa << Male << 30
            << example(fa, {{G_ALTURA, "0"}}) << G_ALTURA << incorreto << valor;
        QTest::newRow("faulkner: abdomen") << fa << Male << 30
            << example(fa, {{G_ABDOMEM, ""}}) << G_ABDOMEM << incorreto << valor;
        QTest::newRow("slaughter: subscapular first") << sl << Male << 12
            << example(sl, {{G_SUBESCAPULAR, ""}, {G_PESO, ""}}) << G_SUBESCAPULAR << incorreto << valor;
        QTest::newRow("slaughter: weight before stage") << sl << Male << 12
            << example(sl, {{G_PESO, "0"}, {G_TIPOIDADECRIANCA, ""}}) << G_PESO << incorreto << valor;
        QTest::newRow("slaughter: no stage") << sl << Female << 12
            << example(sl, {{G_TIPOIDADECRIANCA, ""}}) << G_TIPOIDADECRIANCA << Msg::FaixaIdadeInvalida << "";
        QTest::newRow("slaughter: unknown stage") << sl << Male << 12
            << example(sl, {{G_TIPOIDADECRIANCA, "4"}}) << G_TIPOIDADECRIANCA << Msg::FaixaIdadeInvalida << "";
        QTest::newRow("lohman: triceps") << lo << Male << 10
            << example(lo, {{G_TRICIPES, "0"}}) << G_TRICIPES << incorreto << valor;
        QTest::newRow("lohman: six years have no constant") << lo << Male << 6
            << example(lo) << "" << Msg::NenhumResultado << Text::ForaFaixa;
        QTest::newRow("tran & weltman: empty ideal fat") << tw << Male << 65
            << example(tw, {{G_TRANGORDURA_IDEAL, ""}}) << G_TRANGORDURA_IDEAL << incorreto << valor;
        QTest::newRow("tran & weltman: ideal fat 100") << tw << Male << 65
            << example(tw, {{G_TRANGORDURA_IDEAL, "100"}}) << G_TRANGORDURA_IDEAL << incorreto << valor;
        QTest::newRow("tran & weltman: empty weight") << tw << Male << 65
            << example(tw, {{G_PESO, ""}}) << G_PESO << incorreto << valor;
        QTest::newRow("tran & weltman: empty height") << tw << Male << 65
            << example(tw, {{G_ALTURA, ""}, {G_QUADRIL, ""}}) << G_ALTURA << incorreto << valor;
        QTest::newRow("tran & weltman: abdomen 1 before hip") << tw << Male << 65
            << example(tw, {{G_TRANABDOMEM1, "0"}, {G_QUADRIL, ""}}) << G_TRANABDOMEM1 << incorreto << valor;
        QTest::newRow("tran & weltman: absurd hip gives no density") << tw << Male << 65
            << example(tw, {{G_QUADRIL, "9999"}}) << "" << incorreto << valor;
        QTest::newRow("bmi: weight") << bmi << Male << 30
            << example(bmi, {{G_PESO, ""}}) << G_PESO << incorreto << valor;
        QTest::newRow("bmi: height 0,0") << bmi << Male << 30
            << example(bmi, {{G_ALTURA, "0,0"}}) << G_ALTURA << incorreto << valor;
        QTest::newRow("waist-hip: waist 0") << wh << Male << 45
            << example(wh, {{G_CINTURA, "0"}}) << G_CINTURA << incorreto << valor;
        QTest::newRow("waist-hip: hip 0,0") << wh << Male << 45
            << example(wh, {{G_QUADRIL, "0,0"}}) << G_QUADRIL << incorreto << valor;
        QTest::newRow("waist-hip: waist 0,00") << wh << Female << 45
            << example(wh, {{G_CINTURA, "0,00"}}) << G_CINTURA << incorreto << valor;
        QTest::newRow("waist-hip: age beyond the bands") << wh << Male << 70
            << example(wh) << "" << Msg::IdadeConsiderada << "Entre 20 e 69 anos!";
    }
    void refusals()
    {
        QFETCH(Protocol, protocol);
        QFETCH(Sex, sex);
        QFETCH(int, age);
        QFETCH(FieldTexts, fields);
        QFETCH(QString, field);
        QFETCH(QString, message);
        QFETCH(QString, detail);
        const Circumstances circumstances{{sex, age}, QStringLiteral("Branca"), BmiTable::Simple};
        try {
            calculate(protocol, fields, circumstances, shippedTables());
            QFAIL("computed");
        } catch (const Refused& refused) {
            QCOMPARE(refused.field(), field);
            QCOMPARE(refused.message(), message);
            QCOMPARE(refused.detail(), detail);
        }
    }

    void fieldsAtTheirLimitsStayExact_data()
    {
        QTest::addColumn<Protocol>("protocol");
        QTest::addColumn<int>("age");
        // Six characters at both extremes, mixed, so that sums carry many digits.
        QTest::newRow("pollock 7") << Protocol::Pollock7 << 150;
        QTest::newRow("tran & weltman") << Protocol::TranWeltman << 79;
        QTest::newRow("body-mass index") << Protocol::BodyMassIndex << 30;
        QTest::newRow("waist-hip") << Protocol::WaistHip << 45;
        QTest::newRow("lohman") << Protocol::Lohman << 16;
        QTest::newRow("slaughter") << Protocol::Slaughter << 12;
    }
    void fieldsAtTheirLimitsStayExact()
    {
        QFETCH(Protocol, protocol);
        QFETCH(int, age);
        FieldTexts fields = example(protocol);
        bool alternate = false;
        for (auto it = fields.begin(); it != fields.end(); ++it) {
            if (it.key() != G_TIPOIDADECRIANCA && !it.key().endsWith(QLatin1String("_IDEAL")))
                it.value() = (alternate = !alternate) ? QStringLiteral("999999") : QStringLiteral(",00001");
        }
        const Circumstances circumstances{{Male, age}, QStringLiteral("Branca"), BmiTable::Simple};
        try {
            QVERIFY(!calculate(protocol, fields, circumstances, shippedTables()).isEmpty());
        } catch (const Refused&) {
            // an absurd density is refused, never an overflow
        }
    }

    void bodyMassIndexValues_data()
    {
        QTest::addColumn<QString>("weight");
        QTest::addColumn<QString>("height");
        QTest::addColumn<QString>("index");
        QTest::newRow("70 kg, 175 cm") << "70" << "175" << "22,86";
        QTest::newRow("typed decimals") << "80,5" << "171,5" << "27,37";
        QTest::newRow("weight 0,0 passes") << "0,0" << "175" << "0";
    }
    void bodyMassIndexValues()
    {
        QFETCH(QString, weight);
        QFETCH(QString, height);
        QFETCH(QString, index);
        const FieldTexts fields{{G_PESO, weight}, {G_ALTURA, height}};
        QCOMPARE(bodyMassIndex(fields, Male, BmiTable::Simple).index.toText(),
                 index);
    }

    void bodyMassIndexInBothTables()
    {
        const FieldTexts fields = example(Protocol::BodyMassIndex);
        for (const BmiTable table : {BmiTable::Simple, BmiTable::Survey})
            QCOMPARE(bodyMassIndex(fields, Male, table).category, Text::PesoNormal);
    }

    void bmiCategories_data()
    {
        QTest::addColumn<BmiTable>("table");
        QTest::addColumn<Sex>("sex");
        QTest::addColumn<QString>("index");
        QTest::addColumn<QString>("category");
        const auto simple = BmiTable::Simple;
        const auto survey = BmiTable::Survey;
        const QList<std::pair<const char*, QString>> simpleRows{
            {"16.99", Text::MuitoAbaixoDoPeso}, {"17", Text::AbaixoDoPeso},
            {"18.49", Text::AbaixoDoPeso},      {"18.5", Text::PesoNormal},
            {"24.99", Text::PesoNormal},        {"25", Text::AcimaDoPeso},
            {"29.99", Text::AcimaDoPeso},       {"30", Text::ObesoGrau1},
            {"34.99", Text::ObesoGrau1},        {"35", Text::ObesoGrau2},
            {"39.99", Text::ObesoGrau2},        {"40", Text::ObesoGrau3}};
        for (const auto& [index, category] : simpleRows) {
            for (const Sex sex : {Male, Female})
                QTest::addRow("simple %s %s", sex == Male ? "M" : "F", index) << simple << sex << QString::fromLatin1(index) << category;
        }
        const QList<std::tuple<Sex, const char*, QString>> surveyRows{
            {Male, "20.69", Text::AbaixoDoPeso},       {Male, "20.7", Text::PesoNormal},
            {Male, "26.39", Text::PesoNormal},         {Male, "26.4", Text::PoucoAcimaDoPeso},
            {Male, "27.79", Text::PoucoAcimaDoPeso},   {Male, "27.8", Text::AcimaDoPesoIdeal},
            {Male, "31.1", Text::AcimaDoPesoIdeal},    {Male, "31.11", Text::Obeso},
            {Female, "19.09", Text::AbaixoDoPeso},     {Female, "19.1", Text::PesoNormal},
            {Female, "25.79", Text::PesoNormal},       {Female, "25.8", Text::PoucoAcimaDoPeso},
            {Female, "27.29", Text::PoucoAcimaDoPeso}, {Female, "27.3", Text::AcimaDoPesoIdeal},
            {Female, "32.3", Text::AcimaDoPesoIdeal},  {Female, "32.31", Text::Obeso}};
        for (const auto& [sex, index, category] : surveyRows)
            QTest::addRow("survey %s %s", sex == Male ? "M" : "F", index) << survey << sex << QString::fromLatin1(index) << category;
    }
    void bmiCategories()
    {
        QFETCH(BmiTable, table);
        QFETCH(Sex, sex);
        QFETCH(QString, index);
        QFETCH(QString, category);
        QCOMPARE(bmiCategory(table, sex, *Decimal::parse(index)), category);
    }

    void bmiTableSetting()
    {
        QCOMPARE(bmiTableFromSetting(QStringLiteral("0")), BmiTable::Simple);
        for (const char* other : {"1", "", "2"})
            QCOMPARE(bmiTableFromSetting(QLatin1String(other)), BmiTable::Survey);
    }

    void waistHipRatios_data()
    {
        QTest::addColumn<Sex>("sex");
        QTest::addColumn<int>("age");
        QTest::addColumn<QString>("waist");
        QTest::addColumn<QString>("hip");
        QTest::addColumn<QString>("ratio");
        QTest::addColumn<QString>("risk");
        QTest::newRow("man 45, moderate") << Male << 45 << "90" << "100" << "0,90" << Text::RiscoModerado;
        QTest::newRow("man 45, equal to V is high") << Male << 45 << "100" << "100" << "1,00" << Text::RiscoAlto;
        QTest::newRow("man 45, above V") << Male << 45 << "101" << "100" << "1,01" << Text::RiscoMuitoAlto;
        QTest::newRow("man 45, equal to B is moderate") << Male << 45 << "88" << "100" << "0,88" << Text::RiscoModerado;
        QTest::newRow("man 45, below B") << Male << 45 << "87" << "100" << "0,87" << Text::RiscoBaixo;
        QTest::newRow("man 45, above M") << Male << 45 << "96" << "100" << "0,96" << Text::RiscoAlto;
        QTest::newRow("woman 25, high") << Female << 25 << "80" << "100" << "0,80" << Text::RiscoAlto;
        QTest::newRow("ratio half to even") << Female << 25 << "78,5" << "100" << "0,78" << Text::RiscoAlto;
        QTest::newRow("man 20, first band") << Male << 20 << "83" << "100" << "0,83" << Text::RiscoModerado;
        QTest::newRow("man 29, first band") << Male << 29 << "89" << "100" << "0,89" << Text::RiscoAlto;
        QTest::newRow("man 30, second band") << Male << 30 << "89" << "100" << "0,89" << Text::RiscoModerado;
        QTest::newRow("woman 69, last band") << Female << 69 << "75" << "100" << "0,75" << Text::RiscoBaixo;
        QTest::newRow("woman 60, V") << Female << 60 << "90" << "100" << "0,90" << Text::RiscoAlto;
    }
    void waistHipRatios()
    {
        QFETCH(Sex, sex);
        QFETCH(int, age);
        QFETCH(QString, waist);
        QFETCH(QString, hip);
        QFETCH(QString, ratio);
        QFETCH(QString, risk);
        const WaistHipResult result =
            waistHip({{G_CINTURA, waist}, {G_QUADRIL, hip}}, {sex, age});
        QCOMPARE(result.ratioText, ratio);
        QCOMPARE(result.risk, risk);
    }

    void waistHipLegend()
    {
        const WaistHipBand man = *waistHipBand(Male, 45);
        QCOMPARE(QStringList({legendText(man.veryHigh), legendText(man.high), legendText(man.moderate),
                              legendText(man.low)}),
                 QStringList({"1,00 mm", "0,96 mm", "0,95 mm", "0,88 mm"}));
        const WaistHipBand woman = *waistHipBand(Female, 25);
        QCOMPARE(legendText(woman.veryHigh), QStringLiteral("0,86 mm"));
        QVERIFY(!waistHipBand(Male, 19));
        QVERIFY(!waistHipBand(Female, 70));
    }

    void storedColumnsOfEachProtocol_data()
    {
        QTest::addColumn<Protocol>("protocol");
        QTest::addColumn<Sex>("sex");
        QTest::addColumn<int>("age");
        QTest::addColumn<QVariantMap>("stored");
        QTest::newRow("pollock 3") << Protocol::Pollock3 << Male << 30 << QVariantMap{
            {G_3DOBRASGORDURA_A, 13.62}, {G_3DOBRASGORDURA_FAIXA, "12% a 15 %"},
            {G_3DOBRASGORDURA_M, "Bom"}, {G_3DOBRASPESO_GORDO, 10.9}, {G_3DOBRASPESO_MAGRO, 69.1},
            {G_3DOBRASPESO_IDEAL, 81.29}, {G_3DOBRASGORDURA_IDEAL, 15},
            {G_TIPOPROTOCOLO, "3XXXXXXXXX"}};
        QTest::newRow("pollock 7") << Protocol::Pollock7 << Male << 40 << QVariantMap{
            {G_7DOBRASGORDURA_A, 15.88}, {G_7DOBRASGORDURA_FAIXA, "15% a 18 %"},
            {G_7DOBRASGORDURA_M, "Bom"}, {G_7DOBRASPESO_GORDO, 13.5}, {G_7DOBRASPESO_MAGRO, 71.5},
            {G_7DOBRASPESO_IDEAL, 84.12}, {G_7DOBRASGORDURA_IDEAL, 15},
            {G_TIPOPROTOCOLO, "X7XXXXXXXX"}};
        QTest::newRow("faulkner") << Protocol::Faulkner << Male << 30 << QVariantMap{
            {G_FAULKNER_GORDURA, 14.5}, {G_FAULKNERPESO_GORDO, 10.15}, {G_FAULKNERPESO_MAGRO, 59.85},
            {G_FAULKNERPESO_IDEAL, 70.41}, {G_FAULKNERGORDURA_IDEAL, 15},
            {G_TIPOPROTOCOLO, "XXXXXFXXXX"}};
        QTest::newRow("slaughter") << Protocol::Slaughter << Male << 12 << QVariantMap{
            {G_CRIANCAGORDURA_A, 15.79}, {G_CRIANCAGORDURA_FAIXA, "10,01% a 20%"},
            {G_CRIANCAGORDURA_M, "Ótima"}, {G_CRIANCAPESO_GORDO, 6.32}, {G_CRIANCAPESO_MAGRO, 33.68},
            {G_TIPOIDADECRIANCA, "2"}, {G_TIPOPROTOCOLO, "XXXCXXXXXX"}};
        QTest::newRow("lohman") << Protocol::Lohman << Male << 10 << QVariantMap{
            {G_LOHMAN_GORDURA, 16.01}, {G_LOHMANPESO_GORDO, 5.6}, {G_LOHMANPESO_MAGRO, 29.4},
            {G_LOHMANPESO_IDEAL, 34.59}, {G_LOHMANGORDURA_IDEAL, 15},
            {G_TIPOPROTOCOLO, "XXXXXXLXXX"}};
        QTest::newRow("tran & weltman") << Protocol::TranWeltman << Male << 65 << QVariantMap{
            {G_TRAN_GORDURA, 40.65}, {G_TRANPESO_GORDO, 26.42}, {G_TRANPESO_MAGRO, 38.58},
            {G_TRANPESO_IDEAL, 51.44}, {G_TRANGORDURA_IDEAL, 25}, {G_TIPOPROTOCOLO, "XXXXXXXTXX"}};
        QTest::newRow("body-mass index") << Protocol::BodyMassIndex << Male << 30 << QVariantMap{
            {G_IMCVALOR, 22.86}, {G_IMCRESULTADO, "Peso normal"}, {G_TIPOPROTOCOLO, "XXIXXXXXXX"}};
        QTest::newRow("waist-hip") << Protocol::WaistHip << Male << 45 << QVariantMap{
            {G_CINTURA_QUADRIL_VALOR, 0.9}, {G_RESULTADO_CINTURA, "Risco Moderado"},
            {G_TIPOPROTOCOLO, "XXXXQXXXXX"}};
    }
    void storedColumnsOfEachProtocol()
    {
        QFETCH(Protocol, protocol);
        QFETCH(Sex, sex);
        QFETCH(int, age);
        QFETCH(QVariantMap, stored);
        const StoredValues values = calculate(protocol, example(protocol),
                                              {{sex, age}, QStringLiteral("Branca"), BmiTable::Simple},
                                              shippedTables());
        QVariantMap actual;
        for (const auto& [column, value] : values)
            actual.insert(column, value);
        QCOMPARE(actual, stored);
    }

    void markersKeepTheOtherProtocols()
    {
        const FieldTexts row = example(Protocol::TranWeltman, {{G_TIPOPROTOCOLO, "37XXXXXXXX"}});
        const StoredValues values = calculate(Protocol::TranWeltman, row, {{Male, 65}}, shippedTables());
        QCOMPARE(values.last(), qMakePair(G_TIPOPROTOCOLO, QVariant(QStringLiteral("37XXXXXTXX"))));
    }
};

QTEST_APPLESS_MAIN(BodyComposition)
#include "tst_body_composition.moc"
