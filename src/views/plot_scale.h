// SPDX-License-Identifier: GPL-3.0-or-later
// The value scale of a plot's axis: round tick steps (1, 2, 2.5 or 5 times a power of ten) that cover
// a range of values with a few ticks, and the decimals their labels need.
#pragma once

namespace ab {

struct AxisScale {
    double low = 0, high = 1; // the axis ends, both on a tick
    double step = 1;          // between neighbouring ticks
    int decimals = 0;         // decimals that show every tick exactly
    double first = 0;         // low = first * step; tick i is (first + i) * step
    int tickCount() const;    // ticks from low to high inclusive
    double tick(int i) const { return (first + i) * step; }
    // Where v lies between the ends: 0 at low, 1 at high.
    double fraction(double v) const { return (v - low) / (high - low); }
};

// The smallest round step that covers low..high in at most maxSteps steps (at least 1), with the ends
// on ticks; an end less than a billionth of a step past a tick counts as on it. An empty, reversed or not finite range becomes one that holds its finite end: 0..1 for
// nothing usable (or a range too wide for a double), v-1..v+1 around a single value v other
// than 0 (a millionth of v either side when that is more).
AxisScale niceAxis(double low, double high, int maxSteps);

} // namespace ab
