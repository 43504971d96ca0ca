#include "cli/CliCommand.h"

#include "data/BodyCompositionReference.h"
#include "data/Connection.h"
#include "data/DataError.h"
#include "data/DataFolder.h"
#include "data/Schema.h"
#include "domain/bodycomp/Calculation.h"
#include "domain/MessageTexts.h"

#include <QCommandLineParser>
#include <QJsonDocument>
#include <QJsonObject>

#include <optional>

namespace kelvora::cli {

using namespace bodycomp;

namespace {

const QVector<QPair<QString, Protocol>> ProtocolNames{
    {QStringLiteral("pollock3"), Protocol::Pollock3},
    {QStringLiteral("pollock7"), Protocol::Pollock7},
    {QStringLiteral("faulkner"), Protocol::Faulkner},
    {QStringLiteral("slaughter"), Protocol::Slaughter},
    {QStringLiteral("lohman"), Protocol::Lohman},
    {QStringLiteral("tran-weltman"), Protocol::TranWeltman},
    {QStringLiteral("bmi"), Protocol::BodyMassIndex},
    {QStringLiteral("waist-hip"), Protocol::WaistHip},
};

const QString BmiSetting = QStringLiteral("IMC_1_2");
const QStringList Races{QStringLiteral("Branca"), QStringLiteral("Negra"), QStringLiteral("Parda")};
constexpr int OldestAge = 150;

// What the command line asks for, once its options are known to make sense.
struct Request {
    Protocol protocol;
    QString dir;                 // empty: the reference data shipped with the program
    Circumstances circumstances; // the table of the body-mass index is chosen later
    HubMode mode;
    FieldTexts fields;
    std::optional<QString> bmiSetting; // none: the database's setting
};

// The reference tables and the body-mass-index setting that classify the results.
struct Reference {
    FatTables tables;
    QString bmiSetting;
};

std::optional<Protocol> protocolNamed(const QString& name)
{
    for (const auto& [protocolName, protocol] : ProtocolNames) {
        if (protocolName == name)
            return protocol;
    }
    return std::nullopt;
}

// Reads the options; nothing, after a message in `problem`, when they make no sense.
std::optional<Request> readRequest(const QCommandLineParser& parser, QString* problem)
{
    QStringList positional = parser.positionalArguments();
    const QString protocolName = positional.isEmpty() ? QString() : positional.takeFirst();
    const std::optional<Protocol> protocol = protocolNamed(protocolName);
    const QString sex = parser.value(QStringLiteral("sex"));
    bool whole = false;
    const int age = parser.value(QStringLiteral("age")).toInt(&whole);
    const QString mode = parser.value(QStringLiteral("mode"));
    const QString race = parser.value(QStringLiteral("race"));
    if (!protocol)
        *problem = QStringLiteral("Protocolo desconhecido: \"%1\".").arg(protocolName);
    else if (sex != QLatin1String("M") && sex != QLatin1String("F"))
        *problem = QStringLiteral("--sex deve ser M ou F.");
    else if (!whole || age < 0 || age > OldestAge)
        *problem =
            QStringLiteral("--age deve ser a idade em anos completos, de 0 a %1.").arg(OldestAge);
    else if (mode != QLatin1String("inclusao") && mode != QLatin1String("alteracao"))
        *problem = QStringLiteral("--mode deve ser inclusao ou alteracao.");
    else if (!Races.contains(race))
        *problem = QStringLiteral("--race deve ser Branca, Negra ou Parda.");
    if (!problem->isEmpty())
        return std::nullopt;

    Request request{*protocol,
                    parser.value(QStringLiteral("dir")),
                    {{sexFromCode(sex), age}, race, BmiTable::Simple},
                    mode == QLatin1String("inclusao") ? HubMode::Inclusion : HubMode::Change,
                    {},
                    std::nullopt};
    const Table& corporal = Schema::ownTable(QStringLiteral("Corporal"));
    for (const QString& argument : positional) {
        const int equals = argument.indexOf(QLatin1Char('='));
        const QString name = argument.left(equals);
        const QString value = argument.mid(equals + 1);
        if (equals > 0 && name.compare(BmiSetting, Qt::CaseInsensitive) == 0) {
            request.bmiSetting = value;
        } else if (const Column* column = equals > 0 ? corporal.column(name) : nullptr) {
            request.fields.insert(column->name, value);
        } else {
            *problem = QStringLiteral("\"%1\" não é COLUNA=VALOR de uma coluna de Corporal.")
                           .arg(argument);
            return std::nullopt;
        }
    }
    return request;
}

Reference readReference(const QString& dir)
{
    if (dir.isEmpty())
        return {BodyCompositionReference::installed(), QStringLiteral("0")};
    const std::unique_ptr<Connection> own = openOwnDatabase(DataFolder::resolve(dir));
    QSqlQuery settings =
        own->select(QStringLiteral("Moxcvar"), QStringLiteral("SELECT IMC_1_2 FROM Moxcvar"));
    return {BodyCompositionReference::load(*own),
            settings.next() ? settings.value(0).toString() : QString()};
}

void reportRefusal(const QString& message, const QString& detail, const QString& field = {})
{
    err() << message << '\n';
    if (!detail.isEmpty())
        err() << detail << '\n';
    if (!field.isEmpty())
        err() << "Campo: " << field << '\n';
}

int calculateAndPrint(Request request)
{
    const Reference reference = readReference(request.dir);
    const Student& student = request.circumstances.student;
    const std::optional<AgeRule> rule = ageRule(request.protocol, student.sex);
    // A screen outside its hard age rule does not open; an advisory rule only asks, and
    // asking for the computation here is the answer.
    if (rule && rule->kind == AgeRule::Kind::Hard && !rule->admits(student.age)) {
        reportRefusal(Msg::IdadeNaoConsiderada, rule->detail());
        return ExitRefused;
    }
    request.circumstances.bmiTable =
        bmiTableFromSetting(request.bmiSetting.value_or(reference.bmiSetting));
    // As on a new row: every ideal fat column not given takes the FaixaGordura value.
    const FieldTexts fields = withIdealFat(
        request.fields, idealFatPercentage(reference.tables.idealFat, request.mode, student));
    try {
        QJsonObject result;
        for (const auto& [column, value] :
             calculate(request.protocol, fields, request.circumstances, reference.tables))
            result.insert(column, QJsonValue::fromVariant(value));
        out() << QString::fromUtf8(QJsonDocument(result).toJson(QJsonDocument::Compact)) << '\n';
        return ExitOk;
    } catch (const Refused& refused) {
        reportRefusal(refused.message(), refused.detail(), refused.field());
        return ExitRefused;
    }
}

} // namespace

int runCalc(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Calcula um protocolo de composição corporal como a tela dele o calcularia e mostra um\n"
        "objeto JSON com as colunas de Corporal que ela gravaria: resultados (números), textos\n"
        "de faixa e nível, a gordura ideal usada e G_TIPOPROTOCOLO de uma linha nova.\n"
        "\n"
        "Protocolos: pollock3, pollock7, faulkner, slaughter, lohman, tran-weltman, bmi,\n"
        "waist-hip.\n"
        "\n"
        "As medidas vão como COLUNA=VALOR, com o nome da coluna de Corporal e vírgula ou\n"
        "ponto decimal (até 6 caracteres, como nos campos): G_PESO=80 G_ALTURA=180\n"
        "G_PEITORAL=10 ... Slaughter: G_TIPOIDADECRIANCA=1, 2 ou 3 (pré-púbere, púbere,\n"
        "pós-púbere). Uma coluna de gordura ideal (G_3DOBRASGORDURA_IDEAL=15, ...) substitui\n"
        "o valor de FaixaGordura. IMC_1_2=0 usa a tabela simples do IMC, outro valor a\n"
        "NHANES II; sem ele vale a configuração do banco (0 sem --dir).\n"
        "\n"
        "A classificação lê as tabelas de referência do banco da pasta --dir ou, sem --dir,\n"
        "as que acompanham o programa. Fora da faixa de idade de Slaughter (7 a 17),\n"
        "Lohman (6 a 16), Tran & Weltman (62 a 79) e cintura-quadril (20 a 69) o cálculo é\n"
        "recusado; a faixa de Pollock só é consultiva e não impede o cálculo.\n"
        "\n"
        "Saída: 0 calculado; 1 opções incorretas; 2 dado recusado (mensagem e detalhe na\n"
        "saída de erro); 3 banco de dados inacessível."));
    parser.addHelpOption();
    parser.addOptions({
        {QStringLiteral("dir"), QStringLiteral("Pasta de dados com o Kelvora.udl do banco."),
         QStringLiteral("DIR")},
        {QStringLiteral("sex"), QStringLiteral("Sexo do aluno: M ou F (obrigatório)."),
         QStringLiteral("M|F")},
        {QStringLiteral("age"), QStringLiteral("Idade em anos completos (obrigatória)."),
         QStringLiteral("N")},
        {QStringLiteral("mode"),
         QStringLiteral("Inclusão ou alteração da avaliação; na alteração a gordura ideal é a da "
                        "primeira faixa (padrão: inclusao)."),
         QStringLiteral("inclusao|alteracao"), QStringLiteral("inclusao")},
        {QStringLiteral("race"), QStringLiteral("Raça, para Slaughter (padrão: Branca)."),
         QStringLiteral("Branca|Negra|Parda"), QStringLiteral("Branca")},
    });
    parser.addPositionalArgument(QStringLiteral("PROTOCOLO"),
                                 QStringLiteral("O protocolo a calcular."));
    parser.addPositionalArgument(QStringLiteral("COLUNA=VALOR"),
                                 QStringLiteral("Medidas e escolhas, pelas colunas de Corporal."),
                                 QStringLiteral("[COLUNA=VALOR ...]"));

    if (const std::optional<int> done = parseOrFinish(parser, arguments))
        return *done;
    QString problem;
    const std::optional<Request> request = readRequest(parser, &problem);
    if (!request) {
        err() << problem << "\n\n" << parser.helpText();
        return ExitUsage;
    }
    try {
        return calculateAndPrint(*request);
    } catch (const ConfigError& error) {
        err() << error.message() << '\n';
        return ExitFailed;
    } catch (const DataError& error) {
        return databaseFailure(error);
    }
}

} // namespace kelvora::cli
