#include "domain/Clock.h"

namespace kelvora {

namespace {
QDateTime& fixedMoment()
{
    static QDateTime moment;
    return moment;
}
} // namespace

QDateTime Clock::now()
{
    return fixedMoment().isValid() ? fixedMoment() : QDateTime::currentDateTime();
}

void Clock::setFixed(const QDateTime& moment)
{
    fixedMoment() = moment;
}

} // namespace kelvora
