// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/window_rules.h"

#include <cmath>

namespace ab {

CommandStates commandStates(const WindowState& s)
{
    CommandStates c;
    c.calculate = s.edited && !s.calculating;
    // Stored results without their lattice print too: Print calculates first.
    c.print = c.exports = s.resultsValid && !s.calculating;
    c.resultsWait = c.print ? ResultsWait::None : s.calculating ? ResultsWait::Calculating : ResultsWait::Calculate;
    c.save = s.saveOffered;
    c.wingMenu = wingCountMenu(s.wingCount);
    c.copy = s.copy;
    c.insertFromFile = s.page >= 1 && s.page <= MaxWings && !s.calculating;
    return c;
}

StabilityControlsShown stabilityControlsShown(bool automatic, int activeWingCount)
{
    if (automatic)
        return {};
    const bool oneWing = activeWingCount < 2;
    return {.marginControls = true, .mark16 = !oneWing, .mark8 = true, .mark4 = oneWing};
}

int marginBarPosition(double percent)
{
    const double position = std::nearbyint((30 - percent) * 2);
    if (!(position > 0)) // also a margin that is not a number
        return 0;
    return position > 60 ? 60 : static_cast<int>(position);
}

bool insertOffered(bool copyAvailable, const PerWing<bool>& copySourceFlags)
{
    return copyAvailable || copySourceFlags[2] || copySourceFlags[3];
}

} // namespace ab
