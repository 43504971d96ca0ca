#pragma once

#include "mail/MailMessage.h"
#include "mail/SmtpSettings.h"

#include <QString>

#include <chrono>

namespace kelvora {

// Sends e-mail through the server of the settings row, over libcurl. The server's
// certificate and host name are always verified (the system's CA store, or the file
// named by KELVORA_CA_FILE for a private server) and TLS 1.2 is the least accepted.
// Blocks until done: windows call it off the GUI thread.
class SmtpClient {
public:
    explicit SmtpClient(SmtpSettings settings);

    // At most this long for connecting and sending together.
    void setTimeout(std::chrono::seconds timeout) { m_timeout = timeout; }

    // Empty when the server took the message, else the reason (never the password).
    QString send(const MailMessage& message) const;

private:
    SmtpSettings m_settings;
    std::chrono::seconds m_timeout{60};
};

} // namespace kelvora
