// SPDX-License-Identifier: GPL-3.0-or-later
// The whole aircraft top view from plain data, as the aircraft tab and the printed page show it: the
// ground, the reference wing and the lattice when the calculation's data are in memory, the wings
// with axes and flight direction, and the stability texts and marks. Both draw with this function.
#pragma once

#include "draw/canvas.h"
#include "draw/layer_cache.h"
#include "draw/stability_overlay_drawing.h"
#include "lang/language.h"
#include "model/aircraft.h"
#include "solver/solver_data.h"
#include "stability/stability.h"
#include "views/view_geometry.h"

#include <QString>
#include <optional>
#include <vector>

namespace ab {

// The stability texts and the marks of the neutral point and the centres of gravity; with the
// overlay also the recommended band, the symbols with their labels and the reference chord, and the
// texts moved clear of the wings. Without it the texts and marks stand where they always have.
struct StabilityDisplay {
    std::vector<StabilityRow> rows;
    StabilityMarks marks;
    bool automatic = true; // the range of two margins, not the one desired margin
    std::optional<StabilityOverlay> overlay = std::nullopt;
    Language language = Language::English; // of the texts, and of the measured centre of gravity's label
    UnitSystem units = UnitSystem::Metric;  // of their lengths and areas
};

// The whole stability display, overlay included, for a top view of the given width.
StabilityDisplay stabilityDisplay(const Aircraft& aircraft, const StabilityFigures& figures, Language language,
                                  bool automatic, const TopViewLayout& layout, int width,
                                  UnitSystem units = UnitSystem::Metric);

struct TopViewScene {
    const Aircraft& aircraft;
    const SolverData& solver;
    TopViewLayout layout;
    QString flightDirection;
    bool solverData = false;                   // the reference wing and the lattice are drawn
    std::optional<int> pressureContrast;       // lattice panels coloured by pressure at this contrast
    std::optional<StabilityDisplay> stability; // drawn over the wings after a calculation
    // The centre of gravity the weighed parts give (mm from the datum), drawn with the overlay and
    // labelled with its place.
    std::optional<double> measuredCgX = std::nullopt;
};

// The overlay as the scene draws it: with the measured centre of gravity, when the scene has one,
// its symbol's row and its label with its place ("CG measured 94.4mm (36.8% MAC)").
StabilityOverlay overlayOfScene(const TopViewScene& scene, int width);

// Where the drawing put what its caller draws more onto: the stability texts' block and the height of
// their rows, for the pointer lines (pointerLines(marks, automatic, block, lineHeight)).
// And where the labels of the band, the centre of gravity, the neutral point and the measured centre
// of gravity stand, in that order, when the overlay was drawn.
struct TopViewDrawn {
    std::optional<TextBlock> stabilityTexts;
    int lineHeight = 0;
    std::vector<PixelRect> markLabels;
};

// Draws the whole view over the canvas: clears it to the note colour with a grey border, then the
// reference wing and the lattice, the wings of aircraft.WingCount in height order with axes and
// flight direction, and the stability display (its overlay first, then the texts, then the marks).
// With `ground`, what lies under the wings is kept there and laid down again while everything it is
// drawn from stays the same: the same pixels, without drawing thousands of panels when only a text
// or a mark changed.
TopViewDrawn drawTopViewScene(Canvas& canvas, const TopViewScene& scene, CachedLayer* ground = nullptr);

} // namespace ab
