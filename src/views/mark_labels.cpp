// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/mark_labels.h"

#include <algorithm>

namespace ab {

bool touches(const PixelRect& a, const PixelRect& b, int gap)
{
    const PixelRect grown{a.left - gap, a.top - gap, a.right + gap, a.bottom + gap};
    return grown.intersects(b);
}

std::vector<PixelRect> placeMarkLabels(const std::vector<MarkLabel>& labels, const std::vector<PixelRect>& symbols,
                                       int width, int height)
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
    return placed;
}

} // namespace ab
