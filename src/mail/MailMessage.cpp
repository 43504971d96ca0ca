#include "mail/MailMessage.h"

namespace kelvora {

QStringList cleanRecipients(const QString& typed)
{
    QStringList kept;
    for (const QString& piece : typed.split(QLatin1Char(';'))) {
        // Blanks around an address are never part of it.
        const QString address = piece.trimmed();
        if (address.contains(QLatin1Char('@')) && address.size() > 6)
            kept << address;
    }
    return kept;
}

} // namespace kelvora
