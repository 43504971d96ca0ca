#include "domain/report/ReportPages.h"

#include "domain/YesNo.h"

#include <algorithm>

namespace kelvora::reportpages {

namespace {

using bodycomp::Protocol;

const char* const BodyCompositionSettings[] = {
    "CORPORAL_POLLOCK3",        "CORPORAL_POLLOCK7", "CORPORAL_IMC",
    "CORPORAL_SLAUGHTER",       "CORPORAL_CINTURA_QUADRIL",
    "CORPORAL_FAULKNER",        "CORPORAL_LOHMAN",   "CORPORAL_TRANS_WELTMAN"};

bool bodyCompositionInUse(const Settings& settings)
{
    return std::any_of(std::begin(BodyCompositionSettings), std::end(BodyCompositionSettings),
                       [&](const char* column) { return isSim(settings.value(column)); });
}

bool flagSet(const Settings& settings, const char* column)
{
    const QVariant value = settings.value(QLatin1String(column));
    return !value.isNull() && value.toBool();
}

} // namespace

const QVector<PageBoxInfo>& pageBoxes()
{
    // Pages that are not a test carry no `offered` column: the cover is always available,
    // the introduction follows the user's right.
    static const QVector<PageBoxInfo> boxes{
        {PageBox::Cover, "CBFOLHADEROSTO", "Folha de Rosto", "cover", nullptr, "FOLHA_ROSTO_IMP",
         {}, {}},
        {PageBox::Introduction, "CBINTRODUCAO", "Introdução", "introduction", nullptr,
         "INTRODUCAO_IMP", {}, {}},
        {PageBox::Medical, "CBMEDICA", "Exame Médico", "medical", "EXAME_MEDICO",
         "EXAME_MEDICO_IMP", {}, {}},
        {PageBox::Prescription, "CBPRESCRICAO", "Prescrição de Atividades", "prescription",
         "PRESCRICAO_ATIVIDADE", "PRESCRICAO_ATIVIDADE_IMP", {}, {}},
        {PageBox::Anamnesis, "CBPESSOALCLINICO", "Anamnese", "anamnesis", "ANAMNESE",
         "ANAMNESE_IMP", {}, {}},
        {PageBox::CardiacRisk, "CBTESTECARDIACO", "Teste de Risco Cardíaco", "cardiac-risk",
         "TESTE_CARDIACO", "TESTE_CARDIACO_IMP", {}, {}},
        {PageBox::Perimetry, "CBEXAMEMUSCULAR", "Exame Muscular - Perimetria", "perimetry",
         "EXAME_MUSCULAR", "EXAME_MUSCULAR_IMP", {}, {}},
        {PageBox::PerimetryComparison, "CBCOMPARATIVOMUSCULAR", "Comparativo",
         "perimetry-comparison", "EXAME_MUSCULAR", nullptr, {}, PageBox::Perimetry},
        {PageBox::Pollock3, "CBPOLLOCK3", "Pollock (3 dobras)", "pollock3", nullptr,
         "CORPORAL_POLLOCK3_IMP", Protocol::Pollock3, {}},
        {PageBox::Pollock3Comparison, "CBCOMPARATIVO", "Comparativo", "pollock3-comparison",
         nullptr, nullptr, Protocol::Pollock3, PageBox::Pollock3},
        {PageBox::Pollock7, "CBPOLLOCK7", "Pollock /Jackson (7 dobras)", "pollock7", nullptr,
         "CORPORAL_POLLOCK7_IMP", Protocol::Pollock7, {}},
        {PageBox::Pollock7Comparison, "CBCOMPARATIVO7", "Comparativo", "pollock7-comparison",
         nullptr, nullptr, Protocol::Pollock7, PageBox::Pollock7},
        {PageBox::BodyMassIndex, "CBIMC", "Índice de Massa Corporal (IMC)", "bmi", nullptr,
         "CORPORAL_IMC_IMP", Protocol::BodyMassIndex, {}},
        {PageBox::Slaughter, "CBCRIANCA", "Slaughter et alii ", "slaughter", nullptr,
         "CORPORAL_SLAUGHTER_IMP", Protocol::Slaughter, {}},
        {PageBox::SlaughterComparison, "CBCOMPARATIVOCRIANCA", "Comparativo",
         "slaughter-comparison", nullptr, nullptr, Protocol::Slaughter, PageBox::Slaughter},
        {PageBox::WaistHip, "CBCINTURA", "Relação Cintura Quadril", "waist-hip", nullptr,
         "CORPORAL_CINTURA_QUADRIL_IMP", Protocol::WaistHip, {}},
        {PageBox::Faulkner, "CBFAULKNER", "Faulkner", "faulkner", nullptr,
         "CORPORAL_FAULKNER_IMP", Protocol::Faulkner, {}},
        {PageBox::Lohman, "CBLOHMAN", "Lohman", "lohman", nullptr, "CORPORAL_LOHMAN_IMP",
         Protocol::Lohman, {}},
        {PageBox::LohmanComparison, "CBCOMPARATIVOLOHMAN", "Comparativo", "lohman-comparison",
         nullptr, nullptr, Protocol::Lohman, PageBox::Lohman},
        {PageBox::TranWeltman, "CBTRAN", "Trans & Weltman ", "tran", nullptr,
         "CORPORAL_TRANS_WELTMAN_IMP", Protocol::TranWeltman, {}},
        {PageBox::PosturalFrontBack, "CBEXAMEPOSTURALFC", "Exame Postural (F/C)",
         "postural-front-back", "EXAME_POSTURAL", "EXAME_POSTURAL_IMP", {}, {}},
        {PageBox::PosturalSides, "CBEXAMEPOSTURALDE", "Exame Postural (D/E)", "postural-sides",
         "EXAME_POSTURAL", "EXAME_POSTURAL_IMP", {}, {}},
        {PageBox::Flexitest, "CBFLEX", "Flex Teste", "flexitest", "FLEX_TESTE", "FLEX_TESTE_IMP",
         {}, {}},
        {PageBox::Vo2Max, "CBVO2", "Vo2 Max", "vo2max", "VOZ", "VOZ_IMP", {}, {}},
        {PageBox::Wells, "CBFLEXIBILIDADE", "Flexibilidade - Banco de Wells", "wells",
         "FLEXIBILIDADE", "FLEXIBILIDADE_IMP", {}, {}},
        {PageBox::Abdominal, "CBABDOMINAL", "Teste Abdominal (1 minuto)", "abdominal",
         "TESTE_ABDOMINAL", "TESTE_ABDOMINAL_IMP", {}, {}},
        {PageBox::PushUp, "CBFLEXAO", "Teste Flexão de Braço (1 minuto)", "push-up",
         "TESTE_FLEXAO", "TESTE_FLEXAO_IMP", {}, {}},
    };
    return boxes;
}

const PageBoxInfo& info(PageBox box)
{
    return pageBoxes().at(int(box));
}

std::optional<PageBox> pageBoxNamed(const QString& name)
{
    for (const PageBoxInfo& box : pageBoxes())
        if (name == QLatin1String(box.name))
            return box.box;
    return std::nullopt;
}

PageSet availablePages(const Settings& settings, const std::optional<QString>& markers,
                       bool mayChangeAssessments)
{
    const bool bodyComposition = bodyCompositionInUse(settings);
    PageSet available;
    for (const PageBoxInfo& box : pageBoxes()) {
        bool offered = false;
        if (box.protocol)
            offered = bodyComposition && markers
                      && markers->contains(bodycomp::protocolLetter(*box.protocol));
        else if (box.offered)
            offered = isSim(settings.value(QLatin1String(box.offered)));
        else if (box.box == PageBox::Introduction)
            offered = mayChangeAssessments;
        else
            offered = true;
        if (offered)
            available.insert(box.box);
    }
    return available;
}

PageSet defaultTicks(const PageSet& available, const Settings& settings)
{
    PageSet ticks;
    for (const PageBoxInfo& box : pageBoxes()) {
        // A comparison follows its page, never a flag of its own.
        const char* flag = box.comparisonOf ? info(*box.comparisonOf).printed : box.printed;
        if (available.count(box.box) && flagSet(settings, flag))
            ticks.insert(box.box);
    }
    return ticks;
}

PageSet withTick(PageSet ticks, PageBox box)
{
    ticks.insert(box);
    if (const auto page = info(box).comparisonOf)
        ticks.insert(*page);
    return ticks;
}

} // namespace kelvora::reportpages
