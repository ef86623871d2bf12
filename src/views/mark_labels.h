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
//
// With wing outlines given, a column that would lay a label over a wing or its lattice moves: the
// stack shifts right and up or down, the smallest shift first (in steps of MarkLabelStep, at most
// MarkLabelReach pixels in all), to the first place where no label meets an outline or lies inside
// one or touches a symbol. Where there is none, the labels stay beside the symbols.
inline constexpr int MarkLabelStep = 4;
inline constexpr int MarkLabelReach = 240;
std::vector<PixelRect> placeMarkLabels(const std::vector<MarkLabel>& labels, const std::vector<PixelRect>& symbols,
                                       int width, int height, const std::vector<Polyline>& outlines = {});

} // namespace ab
