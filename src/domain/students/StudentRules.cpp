#include "domain/students/StudentRules.h"

#include "domain/MessageTexts.h"

#include <QRegularExpression>

namespace kelvora::StudentRules {

namespace {

std::optional<Refusal> refuse(const QString& detail, const QString& column)
{
    return Refusal{Msg::DadoIncorreto, detail, column};
}

// A date filled in must be a real date from 1900 on.
std::optional<Refusal> checkYear(const DateEntry& entry, const QString& field,
                                 const QString& column)
{
    if (entry.filled && (!entry.date.isValid() || entry.date.year() < 1900))
        return refuse(QStringLiteral("Data de %1 - Ano !").arg(field), column);
    return std::nullopt;
}

} // namespace

QString paddedNumber(const QString& number)
{
    return number.rightJustified(NumberLength, QLatin1Char('0'));
}

bool isAcceptableNumber(const QString& number)
{
    static const QRegularExpression digits(QStringLiteral("^\\d{1,10}$"));
    bool ok = false;
    const qint32 value = number.toInt(&ok);
    return digits.match(number).hasMatch() && ok && value != 0;
}

QString nextNumber(const QString& last)
{
    if (last.isEmpty())
        return paddedNumber(QStringLiteral("1"));
    bool ok = false;
    const qint64 value = last.toLongLong(&ok);
    if (!ok || value < 0)
        return {};
    return paddedNumber(QString::number(value + 1));
}

bool isCompleteCep(const QString& cep)
{
    static const QRegularExpression complete(QStringLiteral("^\\d{5}-\\d{3}$"));
    return complete.match(cep).hasMatch();
}

const QStringList& states()
{
    static const QStringList list{"AC", "AL", "AM", "AP", "BA", "CE", "DF", "ES", "GO",
                                  "MA", "MG", "MS", "MT", "PA", "PE", "PI", "PR", "RJ",
                                  "RN", "RO", "RR", "RS", "SC", "SE", "SP", "TO"};
    return list;
}

std::optional<Refusal> check(const Student& student)
{
    if (student.text(QStringLiteral("MATRICULA")).trimmed().isEmpty())
        return Refusal{Msg::MatriculaIncorreta, {}, QStringLiteral("MATRICULA")};
    if (!isAcceptableNumber(student.text(QStringLiteral("MATRICULA"))))
        return Refusal{Msg::MatriculaIncorreta, {}, QStringLiteral("MATRICULA")};
    const struct {
        const char* column;
        const char* detail;
    } required[] = {{"NOME", "Nome"},     {"ENDERECO", "Endereço"}, {"BAIRRO", "Bairro"},
                    {"CIDADE", "Cidade"}, {"ESTADO", "Estado"},     {"SEXO", "Sexo"}};
    for (const auto& field : required)
        if (student.text(QLatin1String(field.column)).trimmed().isEmpty())
            return refuse(QString::fromUtf8(field.detail), QLatin1String(field.column));
    // The register only offers these; a file may hold anything.
    if (!states().contains(student.text(QStringLiteral("ESTADO"))))
        return refuse(QStringLiteral("Estado"), QStringLiteral("ESTADO"));
    if (!QStringList{"M", "F"}.contains(student.text(QStringLiteral("SEXO"))))
        return refuse(QStringLiteral("Sexo"), QStringLiteral("SEXO"));

    if (!isCompleteCep(student.text(QStringLiteral("CEP"))))
        return refuse(QStringLiteral("CEP"), QStringLiteral("CEP"));

    const DateEntry birth = student.date(QStringLiteral("DATA_NASCIMENTO"));
    if (!birth.filled || !birth.date.isValid())
        return refuse(QStringLiteral("Data de Nascimento"), QStringLiteral("DATA_NASCIMENTO"));
    const DateEntry registered = student.date(QStringLiteral("DATA_CADASTRADO"));
    if (registered.filled && !registered.date.isValid())
        return refuse(QStringLiteral("Data de Cadastro"), QStringLiteral("DATA_CADASTRADO"));

    const DateEntry leaving = student.date(QStringLiteral("SAIDA"));
    if (auto refusal = checkYear(leaving, QStringLiteral("Saída"), QStringLiteral("SAIDA")))
        return refusal;
    if (leaving.filled && registered.filled && leaving.date < registered.date)
        return refuse(QStringLiteral("Data de Saída inferior data de Cadastro"),
                      QStringLiteral("SAIDA"));
    if (auto refusal = checkYear(student.date(QStringLiteral("DATA_MEDICA")),
                                 QStringLiteral("Médica"), QStringLiteral("DATA_MEDICA")))
        return refusal;
    return checkYear(student.date(QStringLiteral("DATA_FUNCIONAL")), QStringLiteral("Funcional"),
                     QStringLiteral("DATA_FUNCIONAL"));
}

} // namespace kelvora::StudentRules
