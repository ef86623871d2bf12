// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/mark_labels.h"

#include <algorithm>

namespace ab {

bool touches(const PixelRect& a, const PixelRect& b, int gap)
{
    const PixelRect grown{a.left - gap, a.top - gap, a.right + gap, a.bottom + gap};
    return grown.intersects(b);
}

namespace {

// Whether the labels, shifted, stay inside the image and clear of the wings and the symbols.
bool clearPlace(const std::vector<PixelRect>& placed, int dx, int dy, const std::vector<PixelRect>& symbols,
                int width, int height, const std::vector<Polyline>& outlines)
{
    for (const PixelRect& p : placed) {
        const PixelRect r{p.left + dx, p.top + dy, p.right + dx, p.bottom + dy};
        if (r.left < 0 || r.top < 0 || r.right > width || r.bottom > height)
            return false;
        const PixelRect around{r.left - MarkLabelGap, r.top - MarkLabelGap, r.right + MarkLabelGap,
                               r.bottom + MarkLabelGap};
        if (outlineCovered(around, outlines) > 0)
            return false;
        for (const PixelRect& s : symbols)
            if (touches(r, s))
                return false;
    }
    return true;
}

} // namespace

std::vector<PixelRect> placeMarkLabels(const std::vector<MarkLabel>& labels, const std::vector<PixelRect>& symbols,
                                       int width, int height, const std::vector<Polyline>& outlines)
{
    if (labels.empty())
        return {};
    int symbolsRight = width / 2;
    for (const PixelRect& s : symbols)
        symbolsRight = std::max(symbolsRight, s.right);
    int tallest = 0;
    std::vector<int> rows;
    for (const MarkLabel& l : labels) {
        tallest = std::max(tallest, l.height);
        rows.push_back(l.anchorRow);
    }
    // The same height for every label: each stands centred on its row in a slot of the stack.
    const std::vector<int> tops = stackedLabelTops(rows, tallest, MarkLabelGap + 1, 0, height);
    const int left = symbolsRight + LeaderRoom;
    std::vector<PixelRect> placed;
    for (std::size_t i = 0; i < labels.size(); ++i) {
        const int top = tops[i] + (tallest - labels[i].height) / 2;
        placed.push_back({left, top, left + labels[i].width, top + labels[i].height});
    }
    if (outlines.empty())
        return placed;
    // The smallest shift first: right by dx, up or down by the rest of the distance.
    for (int distance = 0; distance <= MarkLabelReach; distance += MarkLabelStep)
        for (int dx = 0; dx <= distance; dx += MarkLabelStep)
            for (int dy : {dx - distance, distance - dx}) {
                if (!clearPlace(placed, dx, dy, symbols, width, height, outlines))
                    continue;
                for (PixelRect& r : placed)
                    r = {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
                return placed;
            }
    return placed;
}

} // namespace ab
