// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/plot_scale.h"

#include <algorithm>
#include <cmath>

namespace ab {

int AxisScale::tickCount() const { return static_cast<int>(std::lround((high - low) / step)) + 1; }

AxisScale niceAxis(double low, double high, int maxSteps)
{
    maxSteps = std::max(maxSteps, 1);
    if (!std::isfinite(low) && !std::isfinite(high))
        low = 0, high = 1;
    else if (!std::isfinite(low))
        low = high;
    else if (!std::isfinite(high))
        high = low;
    if (high < low)
        std::swap(low, high);
    if (!std::isfinite(high - low))
        low = 0, high = 1;
    if (high == low) {
        if (low == 0)
            high = 1;
        else {
            const double d = std::max(1.0, std::fabs(low) * 1e-6);
            low -= d, high += d;
        }
    }

    // Steps of m * 10^k, the smallest that needs no more than maxSteps; the magnitude starts one
    // decade below the plain step so that 1, 2, 2.5 and 5 of that decade are all tried.
    static constexpr double mantissas[] = {1, 2, 2.5, 5};
    int k = static_cast<int>(std::floor(std::log10((high - low) / maxSteps))) - 1;
    for (;; ++k)
        for (const double m : mantissas) {
            const double step = m * std::pow(10.0, k);
            // A value a rounding error past a tick (1000.0000000001) ends the axis on that tick.
            const double first = std::floor(low / step + 1e-9), last = std::ceil(high / step - 1e-9);
            if (last - first <= maxSteps) {
                AxisScale a;
                a.step = step;
                a.first = first;
                a.low = first * step;
                a.high = last * step;
                a.decimals = std::max(0, -k + (m == 2.5 ? 1 : 0));
                return a;
            }
        }
}

} // namespace ab
