#include "solver/separation.h"

#include "model/numbers.h"
#include "model/recalculation.h"

#include <cmath>
#include <cstdint>

namespace ab {
namespace {

// Steps taken one millimetre at a time before the remaining way is computed in one go: a huge wing
// can need a minimum distance of millions of steps.
constexpr long kLiteralSteps = 1L << 20;

struct Heights {
    const Aircraft& ac;
    PerWing<double> z{};
    double d = 0;

    double root(int w) const { return ac.StationY[0][w]; }
    double tip(int w) const { return ac.StationY[ac.StationCount[w] - 1][w]; }
    bool overlap(int i, int j) const { return UEBERSCHNEID(root(i), tip(i), root(j), tip(j)); }
    bool tooClose(int i, int j) const { return std::fabs(z[i] - z[j]) <= d && overlap(i, j); }

    // The earlier wing that wing j is too close to, or 0.
    int blocking(int j) const
    {
        for (int k = 1; k < j; ++k)
            if (tooClose(k, j))
                return k;
        return 0;
    }

    // Moves wing j away from wing i one step at a time until it is too close to none of the earlier
    // wings; the first step is always taken. The direction never changes, so after many steps the
    // rest of the way is jumped: just beyond the far end of each band that still blocks it.
    void stepAway(int i, int j)
    {
        const double dir = z[i] >= z[j] ? -1.0 : 1.0;
        long steps = 0;
        do {
            z[j] += dir;
            ++steps;
        } while (blocking(j) != 0 && steps < kLiteralSteps);
        for (int k = blocking(j); k != 0; k = blocking(j)) {
            const double farEnd = z[k] + dir * d;
            z[j] += dir * (std::floor(dir * (farEnd - z[j])) + 1);
        }
    }
};

double clampToField(double z) { return std::fmin(std::fmax(z, static_cast<double>(INT32_MIN) + 1), INT32_MAX); }

} // namespace

bool UEBERSCHNEID(double rootI, double tipI, double rootJ, double tipJ) { return tipJ > rootI && rootJ < tipI; }

void KONFLIKT2(Aircraft& ac, AircraftTexts& texts, const PanelCounts& counts,
               const std::function<void(int, const std::string&)>& written)
{
    const int wings = ac.ActiveWingCount;
    Heights h{ac};
    for (int w = 1; w <= MaxWings; ++w)
        h.z[w] = ac.posZ[w];
    for (int i = 1; i <= wings; ++i) {
        if (counts.StripCount[i] == 0)
            continue;
        const double di = 0.6 * (ac.WingSpan[i] / 2 - ac.rootGap[i]) / counts.StripCount[i];
        h.d = std::fmax(h.d, di);
    }

    const auto write = [&](int j) {
        const double z = clampToField(h.z[j]);
        h.z[j] = z;
        ac.posZ[j] = static_cast<std::int32_t>(Round(z));
        const std::string text = formatFixed(z, 0);
        texts.wing[j][Role::PosZ] = text;
        ac.WingsMoved = true;
        recalculate(ac, texts);
        if (written)
            written(j, text);
    };

    if (wings >= 2 && std::fabs(h.z[1] - h.z[2]) < h.d && h.overlap(1, 2)) {
        h.z[2] = h.z[1] >= h.z[2] ? h.z[1] - h.d : h.z[1] + h.d;
        write(2);
    }
    for (int j = 3; j <= wings; ++j) {
        for (int i = 1; i < j; ++i) {
            if (std::fabs(h.z[i] - h.z[j]) < h.d && h.overlap(i, j)) {
                h.stepAway(i, j);
                write(j);
            }
        }
    }
}

} // namespace ab
