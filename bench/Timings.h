#pragma once

// What the benchmarks measure with: milliseconds of a timer, and the spread of many
// measures.
#include <QElapsedTimer>
#include <QVector>

#include <algorithm>

namespace kelvora::bench {

inline double ms(const QElapsedTimer& timer)
{
    return timer.nsecsElapsed() / 1e6;
}

struct Spread {
    double median;
    double p95;
    double worst;
};

inline Spread spread(QVector<double> values)
{
    std::sort(values.begin(), values.end());
    return {values.at(values.size() / 2), values.at(values.size() * 95 / 100), values.last()};
}

} // namespace kelvora::bench
