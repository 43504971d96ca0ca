#include "domain/assessment/AssessmentSettings.h"

#include <QTest>

using namespace kelvora::assessment;

namespace {

const QString Sim = QStringLiteral("Sim");
const QString Nao = QStringLiteral("Não");

// A settings row with every test and protocol set to `value`, then `overrides`.
QHash<QString, QVariant> row(const QVariant& value, const QHash<QString, QVariant>& overrides = {})
{
    QHash<QString, QVariant> settings;
    for (const auto* list : {&testSettings(), &protocolSettings()})
        for (const AssessmentSetting& setting : *list)
            if (setting.offered)
                settings.insert(QLatin1String(setting.offered), value);
    for (auto it = overrides.begin(); it != overrides.end(); ++it)
        settings.insert(it.key(), it.value());
    return settings;
}

const QStringList AllProtocols{"CORPORAL_POLLOCK3", "CORPORAL_POLLOCK7", "CORPORAL_IMC", "CORPORAL_SLAUGHTER",
                               "CORPORAL_CINTURA_QUADRIL", "CORPORAL_FAULKNER", "CORPORAL_LOHMAN", "CORPORAL_TRANS_WELTMAN"};
const QStringList FunctionalTests{"PRESCRICAO_ATIVIDADE", "ANAMNESE", "TESTE_CARDIACO", "EXAME_MUSCULAR", "EXAME_POSTURAL",
                                  "FLEX_TESTE", "VOZ", "FLEXIBILIDADE", "TESTE_ABDOMINAL", "TESTE_FLEXAO"};

} // namespace

class AssessmentOfferTest : public QObject {
    Q_OBJECT
private slots:
    void offerRule_data()
    {
        QTest::addColumn<QVariantHash>("settings");
        QTest::addColumn<bool>("medical");
        QTest::addColumn<bool>("functional");
        QTest::addColumn<QStringList>("tests");
        QTest::addColumn<bool>("bodyComposition");
        QTest::addColumn<QStringList>("protocols");

        QTest::newRow("everything offered and released")
            << row(Sim) << true << true << QStringList{"EXAME_MEDICO"} + FunctionalTests << true << AllProtocols;
        QTest::newRow("medical release only") << row(Sim) << true << false << QStringList{"EXAME_MEDICO"} << false << QStringList{};
        QTest::newRow("functional release only") << row(Sim) << false << true << FunctionalTests << true << AllProtocols;
        QTest::newRow("every protocol Não removes body composition")
            << row(Nao, {{"EXAME_MEDICO", Sim}}) << true << true << QStringList{"EXAME_MEDICO"} << false << QStringList{};
        // A test needs "Sim"; a protocol is only withheld by "Não".
        QTest::newRow("null and other values")
            << row(QVariant(), {{"VOZ", QStringLiteral("sim")}, {"ANAMNESE", Sim}, {"CORPORAL_IMC", Nao}})
            << true << true << QStringList{"ANAMNESE"} << true
            << QStringList{"CORPORAL_POLLOCK3", "CORPORAL_POLLOCK7", "CORPORAL_SLAUGHTER", "CORPORAL_CINTURA_QUADRIL",
                           "CORPORAL_FAULKNER", "CORPORAL_LOHMAN", "CORPORAL_TRANS_WELTMAN"};
        QTest::newRow("one protocol left") << row(Nao, {{"CORPORAL_LOHMAN", Sim}}) << true << true << QStringList{} << true
                                           << QStringList{"CORPORAL_LOHMAN"};
        QTest::newRow("nothing released") << row(Sim) << false << false << QStringList{} << false << QStringList{};
    }
    void offerRule()
    {
        QFETCH(QVariantHash, settings);
        QFETCH(bool, medical);
        QFETCH(bool, functional);
        QFETCH(QStringList, tests);
        QFETCH(bool, bodyComposition);
        QFETCH(QStringList, protocols);
        const OfferedTests offer = offeredTests(settings, medical, functional);
        QCOMPARE(offer.tests, tests);
        QCOMPARE(offer.bodyComposition, bodyComposition);
        QCOMPARE(offer.protocols, protocols);
    }
};

QTEST_APPLESS_MAIN(AssessmentOfferTest)
#include "tst_assessment_offer.moc"
