#include "mail/SmtpSettings.h"

#include "data/Connection.h"

#include <QSqlQuery>

namespace kelvora {

SmtpSettings SmtpSettings::fromRow(const QString& provider, const QString& senderName,
                                   const QString& senderAddress,
                                   const std::optional<QString>& userName, const QString& password,
                                   const QString& tlsName)
{
    SmtpSettings settings;
    const qsizetype star = provider.indexOf(QLatin1Char('*'));
    settings.host = star < 0 ? QString() : provider.left(star).trimmed();
    bool isNumber = false;
    settings.port = star < 0 ? 0 : provider.mid(star + 1).trimmed().toInt(&isNumber);
    settings.portProblem = !isNumber || settings.port < 1 || settings.port > 65535;
    settings.senderName = senderName;
    settings.senderAddress = senderAddress;
    settings.userName = userName;
    settings.password = password;
    settings.tls = tlsMode(tlsName);
    return settings;
}

SmtpSettings SmtpSettings::read(const Connection& own)
{
    QSqlQuery row = own.select(
        QStringLiteral("Moxcvar"),
        QStringLiteral("SELECT SMTP_PROVEDOR, NOME_PROVEDOR, EMAIL_PROVEDOR, USERNAME, PASSWORD, "
                       "IdSMTP_UseTLS FROM Moxcvar"));
    if (!row.next())
        return fromRow({}, {}, {}, std::nullopt, {}, {});
    const QVariant userName = row.value(3);
    return fromRow(row.value(0).toString(), row.value(1).toString(), row.value(2).toString(),
                   userName.isNull() ? std::nullopt : std::optional<QString>(userName.toString()),
                   row.value(4).toString(), row.value(5).toString());
}

TlsMode SmtpSettings::tlsMode(const QString& name)
{
    if (name == QLatin1String("utNoTLSSupport"))
        return TlsMode::None;
    if (name == QLatin1String("utUseImplicitTLS"))
        return TlsMode::Implicit;
    if (name == QLatin1String("utUseExplicitTLS"))
        return TlsMode::WhenOffered;
    return TlsMode::Required;
}

} // namespace kelvora
