#include "mail/MailMessage.h"

#include <QRegularExpression>

namespace kelvora {

QStringList cleanRecipients(const QString& typed)
{
    QStringList kept;
    // The dialog shows the cleaned list joined by ",", and sends what it shows.
    static const QRegularExpression separators(QStringLiteral("[;,]"));
    for (const QString& piece : typed.split(separators)) {
        // Blanks around an address are never part of it.
        const QString address = piece.trimmed();
        if (address.contains(QLatin1Char('@')) && address.size() > 6)
            kept << address;
    }
    return kept;
}

} // namespace kelvora
