#include "domain/bodycomp/Protocol.h"

namespace kelvora::bodycomp {

QChar protocolLetter(Protocol protocol)
{
    static const QString letters = QStringLiteral("37ICQFLT");
    return letters.at(int(protocol));
}

QString markProtocol(const QString& markers, Protocol protocol)
{
    QString marked = markers.leftJustified(NewRowMarkers.size(), QLatin1Char('X'));
    marked[int(protocol)] = protocolLetter(protocol);
    return marked;
}

QString typeCode(Protocol protocol)
{
    // The body-mass index shares Pollock 3's code.
    static const QString codes = QStringLiteral("373CQFLT");
    return codes.at(int(protocol));
}

QString AgeRule::detail() const
{
    if (kind == Kind::Hard)
        return QStringLiteral("Entre %1 e %2 anos!").arg(minimum).arg(maximum);
    return QStringLiteral("Entre %1 e %2 anos, Deseja continuar ?").arg(minimum).arg(maximum);
}

std::optional<AgeRule> ageRule(Protocol protocol, Sex sex)
{
    switch (protocol) {
    case Protocol::Pollock3:
    case Protocol::Pollock7:
        return AgeRule{AgeRule::Kind::Advisory, 18, sex == Sex::Male ? 64 : 55};
    case Protocol::Slaughter:
        return AgeRule{AgeRule::Kind::Hard, 7, 17};
    case Protocol::Lohman:
        return AgeRule{AgeRule::Kind::Hard, 6, 16};
    case Protocol::TranWeltman:
        return AgeRule{AgeRule::Kind::Hard, 62, 79};
    case Protocol::WaistHip:
        return AgeRule{AgeRule::Kind::Hard, 20, 69};
    case Protocol::Faulkner:
    case Protocol::BodyMassIndex:
        break;
    }
    return std::nullopt;
}

} // namespace kelvora::bodycomp
