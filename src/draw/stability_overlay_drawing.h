// SPDX-License-Identifier: GPL-3.0-or-later
// What the stability display adds to the top view, drawn over the lattice and its pressure colours so
// that nothing hides it: the recommended band of the centre of gravity across the aircraft, the
// reference chord with its leading edge marked, the quartered circle of the centre of gravity (and of
// the measured one), the neutral point's diamond, and their labels stacked beside the centre line.
#pragma once

#include "draw/canvas.h"
#include "stability/stability.h"
#include "views/stability_overlay.h"

#include <QColor>
#include <vector>

namespace ab {

struct StabilityOverlay {
    OverlayMarks marks;
    StabilityLabels labels;
};

// The colours of the additions: a translucent green band with solid edges, and the ink of each label.
inline const QColor BandShade{0, 170, 0, 72};
inline const QColor BandEdge{0, 120, 0};
inline const QColor MeasuredCgColour{0, 150, 0};

// The symbols' half size in pixels: the quartered circles are 2 * SymbolRadius + 1 across.
inline constexpr int SymbolRadius = 6;

// What the overlay covers (the stability texts keep clear of it) and where the labels of the band,
// the centre of gravity, the neutral point and the measured centre of gravity stand, in that order.
struct OverlayDrawn {
    std::vector<PixelRect> covered;
    std::vector<PixelRect> labels;
};

// Draws the band, the reference chord, the symbols and their labels, in that order; the labels keep
// clear of the wing outlines given where the view has room (placeMarkLabels). Pen, brush and font
// colour are left as the canvas had them.
OverlayDrawn drawStabilityOverlay(Canvas& canvas, const StabilityOverlay& overlay,
                                  const std::vector<Polyline>& outlines = {});

} // namespace ab
