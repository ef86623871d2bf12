// SPDX-License-Identifier: GPL-3.0-or-later
#include "lang/live_texts.h"

#include "lang/wing_captions.h"
#include "model/numbers.h"

#include <algorithm>

namespace ab {

std::string liveHeightsLine(const AircraftTexts& typed, const std::vector<std::pair<int, double>>& moved,
                            Language l, UnitSystem units)
{
    // A wing moved more than once is named once, with its last height.
    std::vector<std::pair<int, double>> last;
    for (const auto& [w, z] : moved) {
        const auto same = std::find_if(last.begin(), last.end(), [w = w](const auto& m) { return m.first == w; });
        if (same == last.end())
            last.emplace_back(w, z);
        else
            same->second = z;
    }
    std::string line;
    for (const auto& [w, z] : last) {
        const std::string caption = wingTabCaption(l, w, typed.wing[w].name);
        const std::size_t first = caption.find_first_not_of(' '), end = caption.find_last_not_of(' ');
        std::string s(texts::LiveMovedHeight.in(l));
        fillIn(s, "{z}", shownFigure(z, Quantity::Length, units, 0) + " " +
                             std::string(unitName(Quantity::Length, units)));
        fillIn(s, "{typed}", shownText(typed.wing[w][Role::PosZ], Quantity::Length, units, false));
        fillIn(s, "{wing}", first == std::string::npos ? caption : caption.substr(first, end - first + 1));
        line += (line.empty() ? "" : "\n") + s;
    }
    return line;
}

} // namespace ab
