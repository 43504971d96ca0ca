#pragma once

#include <QString>
#include <QVariant>

namespace kelvora {

// Settings and rights hold the texts "Sim" and "Não". Every test names the text it
// compares with; a null or any other value falls on the side not named.
inline const QString Sim = QStringLiteral("Sim");
inline const QString Nao = QStringLiteral("Não");

inline bool isSim(const QVariant& value)
{
    return !value.isNull() && value.toString() == Sim;
}
inline bool isNao(const QVariant& value)
{
    return !value.isNull() && value.toString() == Nao;
}
inline QString yesNo(bool yes)
{
    return yes ? Sim : Nao;
}

} // namespace kelvora
