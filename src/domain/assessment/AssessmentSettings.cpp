#include "domain/assessment/AssessmentSettings.h"

#include "domain/YesNo.h"

namespace kelvora::assessment {

namespace {

const char* const MedicalExamination = "EXAME_MEDICO";

} // namespace

const QVector<AssessmentSetting>& testSettings()
{
    static const QVector<AssessmentSetting> settings{
        {"Exame Médico", MedicalExamination, "EXAME_MEDICO_IMP"},
        {"Prescricão de Atividade Física", "PRESCRICAO_ATIVIDADE", "PRESCRICAO_ATIVIDADE_IMP"},
        {"Pessoal / Clínico  ( ANAMNESE )", "ANAMNESE", "ANAMNESE_IMP"},
        {"Teste de Risco Cardíaco", "TESTE_CARDIACO", "TESTE_CARDIACO_IMP"},
        {"Exame Muscular em (cm) - Perimetria", "EXAME_MUSCULAR", "EXAME_MUSCULAR_IMP"},
        {"Exame Postural ", "EXAME_POSTURAL", "EXAME_POSTURAL_IMP"},
        {"Flex Teste", "FLEX_TESTE", "FLEX_TESTE_IMP"},
        {"Vo2", "VOZ", "VOZ_IMP"},
        {"Flexibilidade - Banco de Wells", "FLEXIBILIDADE", "FLEXIBILIDADE_IMP"},
        {"Teste Abdominal (1 minuto)", "TESTE_ABDOMINAL", "TESTE_ABDOMINAL_IMP"},
        {"Teste Flexão de Braço (1 minuto)", "TESTE_FLEXAO", "TESTE_FLEXAO_IMP"},
        {"Introdução", nullptr, "INTRODUCAO_IMP"},
        {"Folha de Rosto", nullptr, "FOLHA_ROSTO_IMP"},
    };
    return settings;
}

const QVector<AssessmentSetting>& protocolSettings()
{
    static const QVector<AssessmentSetting> settings{
        {"Pollock (3 dobras - masculino 18-64 e feminino 18-55 anos)", "CORPORAL_POLLOCK3",
         "CORPORAL_POLLOCK3_IMP"},
        {"Pollock /Jackson (7 dobras - masculino 18-64 e feminino 18-55 anos)", "CORPORAL_POLLOCK7",
         "CORPORAL_POLLOCK7_IMP"},
        {"Índice de Massa Corporal (IMC)", "CORPORAL_IMC", "CORPORAL_IMC_IMP"},
        {"Protocolo  de Slaughter et alii para Crianças (7 a 17 anos)", "CORPORAL_SLAUGHTER",
         "CORPORAL_SLAUGHTER_IMP"},
        {"Relação Cintura Quadril (20 e 69 anos)", "CORPORAL_CINTURA_QUADRIL",
         "CORPORAL_CINTURA_QUADRIL_IMP"},
        {"Faulkner", "CORPORAL_FAULKNER", "CORPORAL_FAULKNER_IMP"},
        {"Lohman para Criança (6 a 16 anos)", "CORPORAL_LOHMAN", "CORPORAL_LOHMAN_IMP"},
        {"Trans & Weltman para Idosos (62 a 79 anos)", "CORPORAL_TRANS_WELTMAN",
         "CORPORAL_TRANS_WELTMAN_IMP"},
    };
    return settings;
}

OfferedTests offeredTests(const QHash<QString, QVariant>& settings, bool medicalRelease,
                          bool functionalRelease)
{
    OfferedTests offer;
    for (const AssessmentSetting& test : testSettings()) {
        if (!test.offered)
            continue;
        const QString column = QLatin1String(test.offered);
        const bool released =
            column == QLatin1String(MedicalExamination) ? medicalRelease : functionalRelease;
        if (released && isSim(settings.value(column)))
            offer.tests << column;
    }
    if (!functionalRelease)
        return offer;
    for (const AssessmentSetting& protocol : protocolSettings()) {
        const QString column = QLatin1String(protocol.offered);
        if (!isNao(settings.value(column)))
            offer.protocols << column;
    }
    offer.bodyComposition = !offer.protocols.isEmpty();
    return offer;
}

} // namespace kelvora::assessment
