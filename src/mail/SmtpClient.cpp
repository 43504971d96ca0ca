#include "mail/SmtpClient.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QUuid>

#include <curl/curl.h>

#include <memory>

namespace kelvora {

namespace {

struct CurlDeleter {
    void operator()(CURL* curl) const { curl_easy_cleanup(curl); }
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
    void operator()(curl_mime* mime) const { curl_mime_free(mime); }
};
using CurlHandle = std::unique_ptr<CURL, CurlDeleter>;
using CurlList = std::unique_ptr<curl_slist, CurlDeleter>;
using CurlMime = std::unique_ptr<curl_mime, CurlDeleter>;

void append(CurlList& list, const QByteArray& line)
{
    list.reset(curl_slist_append(list.release(), line.constData()));
}

bool isPlainAscii(const QString& text)
{
    for (const QChar c : text)
        if (c.unicode() < 32 || c.unicode() > 126)
            return false;
    return true;
}

// A header text with accents as RFC 2047 words, each short enough for one line and
// never splitting a character.
QByteArray headerText(const QString& text)
{
    if (isPlainAscii(text))
        return text.toUtf8();
    QByteArrayList words;
    QByteArray chunk;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool pair = text.at(i).isHighSurrogate() && i + 1 < text.size();
        const QByteArray character = text.mid(i, pair ? 2 : 1).toUtf8();
        i += pair ? 1 : 0;
        if (chunk.size() + character.size() > 45) {
            words << "=?UTF-8?B?" + chunk.toBase64() + "?=";
            chunk.clear();
        }
        chunk += character;
    }
    if (!chunk.isEmpty())
        words << "=?UTF-8?B?" + chunk.toBase64() + "?=";
    return words.join("\r\n ");
}

// "Name" <address>, the name encoded when it needs to be.
QByteArray mailbox(const QString& name, const QString& address)
{
    const QByteArray angle = '<' + address.toUtf8() + '>';
    if (name.trimmed().isEmpty())
        return angle;
    if (!isPlainAscii(name))
        return headerText(name) + ' ' + angle;
    QString quoted = name;
    quoted.replace(QLatin1Char('\\'), QLatin1String("\\\\"))
        .replace(QLatin1Char('"'), QLatin1String("\\\""));
    return '"' + quoted.toUtf8() + "\" " + angle;
}

QByteArray serverUrl(const SmtpSettings& settings)
{
    const QString host = settings.host.contains(QLatin1Char(':'))
                             ? QLatin1Char('[') + settings.host + QLatin1Char(']')
                             : settings.host;
    return (settings.tls == TlsMode::Implicit ? "smtps://" : "smtp://") + host.toUtf8() + ':' +
           QByteArray::number(settings.port);
}

// Credentials never travel in the clear unless the settings ask for no TLS at all.
curl_usessl tlsDemand(const SmtpSettings& settings)
{
    switch (settings.tls) {
    case TlsMode::None:
        return CURLUSESSL_NONE;
    case TlsMode::WhenOffered:
        return settings.userName ? CURLUSESSL_ALL : CURLUSESSL_TRY;
    case TlsMode::Implicit:
    case TlsMode::Required:
        break;
    }
    return CURLUSESSL_ALL;
}

// The message's own headers and its parts: the text, then each file in order.
// Returns the reason when a part cannot be made.
QString buildMime(CURL* curl, const SmtpSettings& settings, const MailMessage& message,
                  CurlMime& mime, CurlList& headers)
{
    append(headers, "From: " + mailbox(settings.senderName, settings.senderAddress));
    append(headers, "To: " + message.recipients.join(QStringLiteral(", ")).toUtf8());
    append(headers, "Subject: " + headerText(message.subject));
    append(headers, "Date: " + QDateTime::currentDateTime().toString(Qt::RFC2822Date).toUtf8());
    const QString domain = settings.senderAddress.section(QLatin1Char('@'), 1);
    append(headers, "Message-ID: <" + QUuid::createUuid().toString(QUuid::WithoutBraces).toUtf8() +
                        '@' + (domain.isEmpty() ? QStringLiteral("kelvora") : domain).toUtf8() +
                        '>');

    mime.reset(curl_mime_init(curl));
    curl_mimepart* text = curl_mime_addpart(mime.get());
    QString body = message.body;
    const QByteArray bodyBytes = body.replace(QLatin1String("\r\n"), QLatin1String("\n"))
                                     .replace(QLatin1Char('\n'), QLatin1String("\r\n"))
                                     .toUtf8();
    curl_mime_data(text, bodyBytes.constData(), size_t(bodyBytes.size()));
    curl_mime_type(text, "text/plain; charset=UTF-8");
    curl_mime_encoder(text, "quoted-printable");

    const QMimeDatabase types;
    for (const QString& path : message.attachments) {
        curl_mimepart* file = curl_mime_addpart(mime.get());
        if (curl_mime_filedata(file, QFile::encodeName(path).constData()) != CURLE_OK)
            return QStringLiteral("Arquivo não encontrado: ") + path;
        curl_mime_filename(file, QFileInfo(path).fileName().toUtf8().constData());
        curl_mime_type(
            file,
            types.mimeTypeForFile(path, QMimeDatabase::MatchExtension).name().toUtf8().constData());
        curl_mime_encoder(file, "base64");
    }
    return {};
}

} // namespace

SmtpClient::SmtpClient(SmtpSettings settings)
    : m_settings(std::move(settings))
{
    // Once per process, before the first handle; safe from any thread since 7.84.
    static const CURLcode initialised = curl_global_init(CURL_GLOBAL_DEFAULT);
    (void)initialised;
}

QString SmtpClient::send(const MailMessage& message) const
{
    const CurlHandle curl(curl_easy_init());
    if (!curl)
        return QStringLiteral("Não foi possível iniciar o envio.");
    CURL* handle = curl.get();

    CurlMime mime(nullptr);
    CurlList headers;
    if (const QString problem = buildMime(handle, m_settings, message, mime, headers);
        !problem.isEmpty())
        return problem;
    CurlList recipients;
    for (const QString& address : message.recipients)
        append(recipients, '<' + address.toUtf8() + '>');

    const QByteArray url = serverUrl(m_settings);
    const QByteArray from = '<' + m_settings.senderAddress.toUtf8() + '>';
    const QByteArray user = m_settings.userName.value_or(QString()).toUtf8();
    const QByteArray password = m_settings.password.toUtf8();
    const QByteArray caFile = qgetenv("KELVORA_CA_FILE");
    const long timeoutMs = long(std::chrono::milliseconds(m_timeout).count());
    char error[CURL_ERROR_SIZE] = {};

    curl_easy_setopt(handle, CURLOPT_URL, url.constData());
    curl_easy_setopt(handle, CURLOPT_MAIL_FROM, from.constData());
    curl_easy_setopt(handle, CURLOPT_MAIL_RCPT, recipients.get());
    curl_easy_setopt(handle, CURLOPT_HTTPHEADER, headers.get());
    curl_easy_setopt(handle, CURLOPT_MIMEPOST, mime.get());
    curl_easy_setopt(handle, CURLOPT_USE_SSL, long(tlsDemand(m_settings)));
    curl_easy_setopt(handle, CURLOPT_SSLVERSION, long(CURL_SSLVERSION_TLSv1_2));
    curl_easy_setopt(handle, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(handle, CURLOPT_SSL_VERIFYHOST, 2L);
    if (!caFile.isEmpty())
        curl_easy_setopt(handle, CURLOPT_CAINFO, caFile.constData());
    if (m_settings.userName) {
        curl_easy_setopt(handle, CURLOPT_USERNAME, user.constData());
        curl_easy_setopt(handle, CURLOPT_PASSWORD, password.constData());
    }
    curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT_MS, timeoutMs);
    curl_easy_setopt(handle, CURLOPT_TIMEOUT_MS, timeoutMs);
    curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(handle, CURLOPT_ERRORBUFFER, error);

    const CURLcode result = curl_easy_perform(handle);
    if (result == CURLE_OK)
        return {};
    const QString reason = QString::fromUtf8(error).trimmed();
    return reason.isEmpty() ? QString::fromUtf8(curl_easy_strerror(result)) : reason;
}

} // namespace kelvora
