#include "data/SettingsRules.h"

#include "data/Schema.h"
#include "data/SettingsEdit.h"
#include "domain/assessment/AssessmentSettings.h"
#include "domain/MessageTexts.h"
#include "domain/YesNo.h"

#include <algorithm>

namespace kelvora::SettingsRules {

namespace {

enum class Kind { YesNo, Period, PageFlag, BmiType, TlsMode, FreeText };

const QStringList& controlYesNoColumns()
{
    static const QStringList columns{QStringLiteral("CODIGOSEQ"),
                                     RegisterMode,
                                     QStringLiteral("MOSTRA_RESULTADO_CORPORAL"),
                                     QStringLiteral("MOSTRA_MEDICA"),
                                     QStringLiteral("CAPTURA_WEB"),
                                     QStringLiteral("POSTURAL_WEBCAN"),
                                     QStringLiteral("AlunosAtivos")};
    return columns;
}

const QStringList& mailColumns()
{
    static const QStringList columns{
        QStringLiteral("SMTP_PROVEDOR"), QStringLiteral("NOME_PROVEDOR"),
        QStringLiteral("EMAIL_PROVEDOR"), QStringLiteral("USERNAME"), QStringLiteral("PASSWORD")};
    return columns;
}

const QString BmiType = QStringLiteral("IMC_1_2");
const QString TlsMode = QStringLiteral("IdSMTP_UseTLS");

std::optional<Kind> kindOf(const QString& column)
{
    const auto is = [&](const QString& name) {
        return column.compare(name, Qt::CaseInsensitive) == 0;
    };
    for (const QString& name : controlYesNoColumns())
        if (is(name))
            return Kind::YesNo;
    for (const auto* list : {&assessment::testSettings(), &assessment::protocolSettings()}) {
        for (const assessment::AssessmentSetting& setting : *list) {
            if (setting.offered && is(QLatin1String(setting.offered)))
                return Kind::YesNo;
            if (is(QLatin1String(setting.printed)))
                return Kind::PageFlag;
        }
    }
    if (is(MedicalPeriod) || is(FunctionalPeriod))
        return Kind::Period;
    if (is(BmiType))
        return Kind::BmiType;
    if (is(TlsMode))
        return Kind::TlsMode;
    for (const QString& name : mailColumns())
        if (is(name))
            return Kind::FreeText;
    return std::nullopt;
}

bool isMonths(const QVariant& value)
{
    bool number = false;
    const int months = value.toInt(&number);
    return number && months >= 1 && months <= 12;
}

bool isTwoDigits(const QString& text)
{
    return !text.isEmpty() && text.size() <= 2 &&
           std::all_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); });
}

} // namespace

const QStringList& tlsModes()
{
    static const QStringList modes{
        QStringLiteral("utNoTLSSupport"), QStringLiteral("utUseImplicitTLS"),
        QStringLiteral("utUseRequireTLS"), QStringLiteral("utUseExplicitTLS")};
    return modes;
}

std::optional<Refusal> applyRegisterMode(SettingsEdit& edit)
{
    if (!isSim(edit.value(RegisterMode))) {
        edit.set(MedicalPeriod, 0);
        edit.set(FunctionalPeriod, 0);
        return std::nullopt;
    }
    if (!isMonths(edit.value(MedicalPeriod)))
        return Refusal{Msg::MesesReavaliacaoZero, QStringLiteral("Médica"), MedicalPeriod};
    if (!isMonths(edit.value(FunctionalPeriod)))
        return Refusal{Msg::MesesReavaliacaoZero, QStringLiteral("Funcional"), FunctionalPeriod};
    return std::nullopt;
}

Parsed parse(const QString& column, const QString& text)
{
    const std::optional<Kind> kind = kindOf(column);
    if (!kind)
        return {{}, QStringLiteral("%1 não é uma configuração que se altere aqui").arg(column)};
    const auto acceptedIf = [&](bool ok, const QVariant& value, const QString& accepts) {
        return ok ? Parsed{value, {}}
                  : Parsed{{}, QStringLiteral("%1 aceita %2").arg(column, accepts)};
    };
    const bool zeroOrOne = text == QLatin1String("0") || text == QLatin1String("1");
    switch (*kind) {
    case Kind::YesNo:
        return acceptedIf(text == Sim || text == Nao, text, QStringLiteral("apenas Sim ou Não"));
    case Kind::Period:
        // Two digits, as the screen offers them; a single digit means the same month.
        return acceptedIf(isTwoDigits(text) && isMonths(text), text.toInt(),
                          QStringLiteral("de 01 a 12 meses"));
    case Kind::PageFlag:
        return acceptedIf(zeroOrOne, text.toInt(), QStringLiteral("0 ou 1"));
    case Kind::BmiType:
        return acceptedIf(zeroOrOne, text, QStringLiteral("0 (Simples) ou 1 (NHANES II Survey)"));
    case Kind::TlsMode:
        return acceptedIf(tlsModes().contains(text), text,
                          QStringLiteral("apenas ") + tlsModes().join(QStringLiteral(", ")));
    case Kind::FreeText: {
        const int length = Schema::ownTable(SettingsEdit::Table).column(column)->length;
        return acceptedIf(text.size() <= length, text,
                          QStringLiteral("no máximo %1 caracteres").arg(length));
    }
    }
    return {};
}

QStringList editableColumns()
{
    QStringList columns;
    for (const Column& column : Schema::ownTable(SettingsEdit::Table).columns)
        if (kindOf(column.name))
            columns << column.name;
    return columns;
}

} // namespace kelvora::SettingsRules
