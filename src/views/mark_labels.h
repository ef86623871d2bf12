// SPDX-License-Identifier: GPL-3.0-or-later
// Where the labels of the marks on the top view's centre line stand: in a column beside the symbols
// of the neutral point and the centres of gravity, each as near the row of its mark as the others
// leave room for, so that no label touches another label or a symbol and leader lines can reach them.
#pragma once

#include "views/stability_overlay.h"

#include <vector>

namespace ab {

// One label: the row of its mark and the size of its text.
struct MarkLabel {
    int anchorRow = 0;
    int width = 0, height = 0;
};

// Free pixels kept between two labels and between a label and a symbol.
inline constexpr int MarkLabelGap = 2;
// The room between the symbols and the label column, where the leader lines run.
inline constexpr int LeaderRoom = 12;

// Whether fewer than `gap` free pixels separate the two rectangles (0: they overlap or share an edge).
bool touches(const PixelRect& a, const PixelRect& b, int gap = MarkLabelGap);

// The labels' rectangles, in the order given, on an image of width x height: LeaderRoom pixels right
// of the symbols (the centre line stands in the middle of the view, so the right half has the room
// the left half has); stacked in the order of their rows with MarkLabelGap pixels between
// them, and moved up from the image's lower edge and down from its upper edge where they would
// leave it.
std::vector<PixelRect> placeMarkLabels(const std::vector<MarkLabel>& labels, const std::vector<PixelRect>& symbols,
                                       int width, int height);

} // namespace ab
