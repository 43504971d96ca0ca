#include "data/DataLink.h"

#include "data/DataError.h"
#include "data/ProtectedFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QStringDecoder>

namespace kelvora {

QString DataLink::providerName() const
{
    return provider == Provider::SQLite ? QStringLiteral("SQLite") : QStringLiteral("PostgreSQL");
}

QString DataLink::host() const
{
    const int colon = dataSource.lastIndexOf(QLatin1Char(':'));
    return (colon < 0 ? dataSource : dataSource.left(colon)).trimmed();
}

int DataLink::port() const
{
    const int colon = dataSource.lastIndexOf(QLatin1Char(':'));
    return colon < 0 ? 5432 : dataSource.mid(colon + 1).trimmed().toInt();
}

QString DataLink::location(const QString& folder) const
{
    if (provider == Provider::SQLite)
        return QStringLiteral("SQLite, ") + QDir(folder).absoluteFilePath(dataSource);
    QString text = QStringLiteral("PostgreSQL, %1:%2/%3").arg(host()).arg(port()).arg(catalog);
    if (!user.isEmpty())
        text += QStringLiteral(", usuário ") + user;
    return text;
}

bool DataLink::operator==(const DataLink& other) const
{
    return provider == other.provider && dataSource == other.dataSource &&
           catalog == other.catalog && user == other.user && password == other.password &&
           sslMode == other.sslMode;
}

bool DataLink::isSslMode(const QString& mode)
{
    static const QStringList modes{QStringLiteral("disable"),   QStringLiteral("allow"),
                                   QStringLiteral("prefer"),    QStringLiteral("require"),
                                   QStringLiteral("verify-ca"), QStringLiteral("verify-full")};
    return modes.contains(mode);
}

namespace DataLinkFile {

namespace {

[[noreturn]] void fail(const QString& fileName, const QString& what)
{
    throw ConfigError(QStringLiteral("Arquivo de conexão %1: %2").arg(fileName, what));
}

QString decode(const QByteArray& bytes, const QString& fileName)
{
    if (bytes.startsWith("\xFF\xFE")) {
        if ((bytes.size() - 2) % 2 != 0)
            fail(fileName, QStringLiteral("texto UTF-16 truncado"));
        QStringDecoder decoder(QStringDecoder::Utf16LE, QStringDecoder::Flag::Stateless);
        const QString text = decoder.decode(bytes.mid(2));
        if (decoder.hasError())
            fail(fileName, QStringLiteral("texto UTF-16 inválido"));
        return text;
    }
    const QByteArray body = bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes;
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(body);
    if (decoder.hasError())
        fail(fileName, QStringLiteral("não está em UTF-8 nem em UTF-16 com marca de ordem"));
    return text;
}

// Splits "Key=Value;Key2=\"Va;lue\"" into lower-cased keys and their values.
QHash<QString, QString> parseInitString(const QString& line, const QString& fileName)
{
    QHash<QString, QString> pairs;
    int pos = 0;
    const int n = line.size();
    while (pos < n) {
        const int eq = line.indexOf(QLatin1Char('='), pos);
        const int semi = line.indexOf(QLatin1Char(';'), pos);
        if (eq < 0 || (semi >= 0 && semi < eq)) {
            const QString fragment = line.mid(pos, semi < 0 ? -1 : semi - pos).trimmed();
            if (!fragment.isEmpty())
                fail(fileName, QStringLiteral("\"%1\" não tem a forma Nome=Valor").arg(fragment));
            pos = semi < 0 ? n : semi + 1;
            continue;
        }
        const QString key = line.mid(pos, eq - pos).trimmed().toLower();
        if (key.isEmpty())
            fail(fileName, QStringLiteral("um valor sem nome"));
        int p = eq + 1;
        while (p < n && line.at(p) == QLatin1Char(' '))
            ++p;
        QString value;
        if (p < n && (line.at(p) == QLatin1Char('"') || line.at(p) == QLatin1Char('\''))) {
            const QChar quote = line.at(p);
            int close = p + 1;
            for (;;) {
                close = line.indexOf(quote, close);
                if (close < 0)
                    fail(fileName, QStringLiteral("aspas sem fechamento no valor de %1").arg(key));
                if (close + 1 < n && line.at(close + 1) == quote) { // doubled quote = literal quote
                    value += line.mid(p + 1, close - p);            // up to and including one quote
                    p = close + 1;
                    close += 2;
                    continue;
                }
                break;
            }
            value += line.mid(p + 1, close - p - 1);
            pos = close + 1;
            while (pos < n && line.at(pos) == QLatin1Char(' '))
                ++pos;
            if (pos < n && line.at(pos) != QLatin1Char(';'))
                fail(fileName, QStringLiteral("texto depois das aspas no valor de %1").arg(key));
            ++pos;
        } else {
            const int end = line.indexOf(QLatin1Char(';'), eq + 1);
            value = line.mid(eq + 1, end < 0 ? -1 : end - eq - 1).trimmed();
            pos = end < 0 ? n : end + 1;
        }
        pairs.insert(key, value);
    }
    return pairs;
}

QString quoted(const QString& value)
{
    if (!value.contains(QLatin1Char(';')) && !value.contains(QLatin1Char('"')) &&
        value.trimmed() == value)
        return value;
    QString escaped = value;
    escaped.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

} // namespace

DataLink parse(const QByteArray& bytes, const QString& fileName)
{
    const QString text = decode(bytes, fileName);
    bool sawHeader = false;
    QString initString;
    for (const QString& rawLine : text.split(QLatin1Char('\n'))) {
        const QString line = rawLine.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')))
            continue;
        if (!sawHeader) {
            if (line.compare(QLatin1String("[oledb]"), Qt::CaseInsensitive) != 0)
                fail(fileName, QStringLiteral("a primeira linha deve ser [oledb]"));
            sawHeader = true;
            continue;
        }
        if (!initString.isEmpty())
            fail(fileName, QStringLiteral("mais de uma linha de conexão"));
        initString = line;
    }
    if (!sawHeader)
        fail(fileName, QStringLiteral("arquivo vazio ou sem a linha [oledb]"));
    if (initString.isEmpty())
        fail(fileName, QStringLiteral("falta a linha de conexão (Provider=...;Data Source=...)"));

    const QHash<QString, QString> pairs = parseInitString(initString, fileName);
    DataLink link;
    const QString provider = pairs.value(QStringLiteral("provider"));
    if (provider.isEmpty())
        fail(fileName, QStringLiteral("falta o Provider"));
    if (provider.compare(QLatin1String("SQLite"), Qt::CaseInsensitive) == 0)
        link.provider = DataLink::Provider::SQLite;
    else if (provider.compare(QLatin1String("PostgreSQL"), Qt::CaseInsensitive) == 0)
        link.provider = DataLink::Provider::PostgreSQL;
    else
        fail(fileName, QStringLiteral("Provider desconhecido \"%1\" (use SQLite ou PostgreSQL)")
                           .arg(provider));
    link.dataSource = pairs.value(QStringLiteral("data source"));
    link.catalog = pairs.value(QStringLiteral("initial catalog"));
    link.user = pairs.value(QStringLiteral("user id"));
    link.password = pairs.value(QStringLiteral("password"));
    link.sslMode = pairs.value(QStringLiteral("ssl mode")).toLower();
    if (link.dataSource.isEmpty())
        fail(fileName, QStringLiteral("falta o Data Source"));
    if (link.provider == DataLink::Provider::PostgreSQL) {
        if (link.catalog.isEmpty())
            fail(fileName, QStringLiteral("falta o Initial Catalog (nome do banco)"));
        const int colon = link.dataSource.lastIndexOf(QLatin1Char(':'));
        bool portOk = true;
        const int port = colon < 0 ? 5432 : link.dataSource.mid(colon + 1).toInt(&portOk);
        if (!portOk || port <= 0 || port > 65535 || link.host().isEmpty())
            fail(fileName,
                 QStringLiteral("Data Source \"%1\" não é servidor[:porta]").arg(link.dataSource));
        if (!link.sslMode.isEmpty() && !DataLink::isSslMode(link.sslMode))
            fail(fileName,
                 QStringLiteral("SSL Mode \"%1\" desconhecido (use disable, allow, prefer, "
                                "require, verify-ca ou verify-full)")
                     .arg(link.sslMode));
    }
    return link;
}

QByteArray serialize(const DataLink& link)
{
    QString line = QStringLiteral("Provider=") + link.providerName();
    const auto add = [&line](const char* key, const QString& value) {
        if (!value.isEmpty())
            line += QLatin1Char(';') + QLatin1String(key) + QLatin1Char('=') + quoted(value);
    };
    add("Data Source", link.dataSource);
    add("Initial Catalog", link.catalog);
    add("User ID", link.user);
    add("Password", link.password);
    add("SSL Mode", link.sslMode);
    const QString text =
        QStringLiteral("[oledb]\r\n; Everything after this line is an OLE DB initstring\r\n") +
        line + QStringLiteral("\r\n");
    QByteArray bytes("\xFF\xFE");
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        bytes.append(char(u & 0xFF));
        bytes.append(char(u >> 8));
    }
    return bytes;
}

DataLink read(const QString& path)
{
    const QString fileName = QFileInfo(path).fileName();
    QFile file(path);
    if (!file.exists())
        throw ConfigError(QStringLiteral("Arquivo de conexão %1 não encontrado em %2")
                              .arg(fileName, QFileInfo(path).absolutePath()));
    if (!file.open(QIODevice::ReadOnly))
        throw ConfigError(QStringLiteral("Arquivo de conexão %1 não pode ser lido: %2")
                              .arg(path, file.errorString()));
    return parse(file.readAll(), path);
}

void write(const QString& path, const DataLink& link)
{
    // The file may hold a database password: only its owner may read it.
    const QString failure = ProtectedFiles::write(path, serialize(link));
    if (!failure.isEmpty())
        throw ConfigError(
            QStringLiteral("Arquivo de conexão %1 não pode ser gravado: %2").arg(path, failure));
}

} // namespace DataLinkFile
} // namespace kelvora
