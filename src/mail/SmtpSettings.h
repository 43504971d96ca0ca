#pragma once

#include <QString>

#include <optional>

namespace kelvora {

class Connection;

// How the connection to the mail server is protected, by the names the settings row
// keeps: "utNoTLSSupport", "utUseImplicitTLS", "utUseRequireTLS", "utUseExplicitTLS".
enum class TlsMode {
    None,        // plain text
    Implicit,    // TLS from the first byte (smtps://)
    Required,    // STARTTLS, refused when the server does not offer it
    WhenOffered, // STARTTLS when the server offers it
};

// The mail server and the sender, as the settings row describes them.
struct SmtpSettings {
    // The host before the first "*" of SMTP_PROVEDOR, the port after it.
    QString host;
    int port = 0;
    bool portProblem = false; // the port is not a whole number from 1 to 65535
    QString senderName;
    QString senderAddress;
    // Null USERNAME: no authentication. An empty text still authenticates.
    std::optional<QString> userName;
    QString password;
    TlsMode tls = TlsMode::Required;

    // The settings from the row's texts; without a "*" the port is missing.
    static SmtpSettings fromRow(const QString& provider, const QString& senderName,
                                const QString& senderAddress,
                                const std::optional<QString>& userName, const QString& password,
                                const QString& tlsName);
    // Reads the settings row. Throws OpenFailed("Moxcvar").
    static SmtpSettings read(const Connection& own);

    // An unknown name keeps the strictest STARTTLS mode.
    static TlsMode tlsMode(const QString& name);
};

} // namespace kelvora
