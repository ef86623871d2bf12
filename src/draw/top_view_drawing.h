// SPDX-License-Identifier: GPL-3.0-or-later
// The aircraft top view on the aircraft tab: the wings from above in height order, the panel
// lattice with its pressure colours, the reference wing, and the stability texts, marks and
// pointer lines. The window and the printed page draw with the same functions.
#pragma once

#include "model/aircraft.h"
#include "solver/solver_data.h"
#include "stability/stability.h"
#include "draw/canvas.h"
#include "draw/layer_cache.h"
#include "views/stability_overlay.h"
#include "views/view_geometry.h"

#include <QString>
#include <optional>

namespace ab {

// Axes, flight-direction arrow and text, the fuselage's outline, and every wing in use from the
// lowest to the highest.
void drawTopView(Canvas& canvas, const Aircraft& aircraft, int wingCount, const TopViewLayout& layout,
                 const QString& flightDirection);

// The lattice of the right halves of the calculated wings in height order; with a contrast position
// (ScrollBar6) the panels are coloured by their pressure difference.
void drawLattice(Canvas& canvas, const Aircraft& aircraft, const SolverData& solver, const TopViewLayout& layout,
                 std::optional<int> pressureContrast);

// The half planform of the reference wing, filled in the light 3-D colour.
void drawReferenceOutline(Canvas& canvas, const SolverData& solver, const TopViewLayout& layout);

// Adds to a fingerprint everything the lattice and the reference wing are drawn from but the
// canvas: the strips with their panel edges and pressures, the wings' height order, the reference
// wing, the layout and the contrast position.
void addLatticeInputs(Fingerprint& f, const Aircraft& aircraft, const SolverData& solver, const TopViewLayout& layout,
                      std::optional<int> pressureContrast);

// The fingerprint of a drawLattice on a canvas of width x height that starts in the state given:
// a panel without a pressure colour keeps the brush it meets, and outlines take the pen's width.
std::uint64_t latticeFingerprint(const CanvasState& start, int width, int height, const Aircraft& aircraft,
                                 const SolverData& solver, const TopViewLayout& layout,
                                 std::optional<int> pressureContrast);

// The stability texts at column 9 and the marks on the centre line; row 232 stands on the light
// 3-D colour when the lattice is shown.
void drawStabilityDisplay(Canvas& canvas, const std::vector<StabilityRow>& rows, const StabilityMarks& marks,
                          bool automatic, bool onReferenceColour);

// The block the stability texts fill in the canvas's font, at their own place: as wide as the
// widest text with its trailing blanks (their background is drawn too), from row 232 to the foot of
// the last row; and the height of one text row.
struct StabilityTextsSize {
    TextBlock block;
    int lineHeight = 0;
};
StabilityTextsSize measureStabilityTexts(const Canvas& canvas, const std::vector<StabilityRow>& rows);

// The stability texts moved with their block (block.dx(), block.dy() from their own rows); the
// first row on the light 3-D colour when asked.
void drawStabilityTexts(Canvas& canvas, const std::vector<StabilityRow>& rows, const TextBlock& block,
                        bool onReferenceColour);

// The marks of the neutral point and the centres of gravity on the centre line: a red stroke 8 wide
// at the neutral point, blue strokes 6 wide at the centres of gravity, joined down the centre line
// in the automatic range.
void drawStabilityMarks(Canvas& canvas, const StabilityMarks& marks, bool automatic);

// The pointer lines from the texts to their marks (Zeiger).
void drawPointerLines(Canvas& canvas, const std::vector<PointerLine>& lines);

} // namespace ab
