// SPDX-License-Identifier: GPL-3.0-or-later
// Where things go on the window's drawings, without any window library: the scale and origin of a
// wing's planform view, the layout of the aircraft top view, the outlines of the wings, the marks of
// the neutral point and the centre of gravity, the pointer lines, the lattice and its pressure
// colours. The screen, the printed page and the tests use the same functions.
#pragma once

#include "model/aircraft.h"
#include "solver/solver_data.h"
#include "stability/stability.h"

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

namespace ab {

struct Pixel {
    int x = 0, y = 0;
    bool operator==(const Pixel&) const = default;
};
using Polyline = std::vector<Pixel>;

// No drawn coordinate lies further out than this many pixels, whatever the aircraft.
inline constexpr double PixelLimit = 1e6;

// The trapezoids of wing w as its station tables hold them, 1..4.
inline int trapezoidCountOf(const Aircraft& aircraft, int w)
{
    return std::clamp(aircraft.StationCount[w] - 1, 1, MaxTrapezoids);
}

// Round to the nearest pixel, halves to even. A value that is not finite, or far outside any image,
// is held at +-10^6 so that a degenerate aircraft draws finite lines.
int roundPixel(double v);

// The scales the drawings keep between calls; the top view's is shared with the stability marks,
// its zoom and the three-dimensional view.
struct ViewState {
    PerWing<double> PlanformScale{}; // pixels per mm of each wing's last planform drawing
    double ViewScale = 0;            // top view as drawn (zoomed)
    double ViewScaleBase = 0;        // top view at zoom position 100
    double View3DScale = 0;
    double View3DScaleBase = 0;      // three-dimensional view at size position 75: the top view's
                                     // scale, or less where the whole aircraft would not fit
    int ViewCentreX = 0;             // column of the aircraft centre line
    int ViewOffsetY = 0;             // row of x = 0
};

// Maps (y, x) in mm to a pixel: column originX + y * scale, row originY + x * scale, each rounded.
// mirror: the left half (column originX - y * scale).
struct ViewMapping {
    int originX = 0, originY = 0;
    double scale = 1;
    Pixel at(double y, double x, bool mirror = false) const;
    // The inverse, for the mouse: mm from the root leading edge / centre line at a pixel.
    double xAtRow(int row) const { return (row - originY) / scale; }
    double yAtColumn(int column) const { return (column - originX) / scale; }
};

// Which spanwise stations an outline takes: the planform as typed (unfolded, each trapezoid as wide
// as its field says: the wing tab's view), or the wing seen from above, where a tilted trapezoid is
// only width x cos(dihedral) wide (StationProjectedY: the aircraft's top view). The two are the same
// for a wing without dihedral.
enum class OutlineSpan { Typed, SeenFromAbove };

// Station k's (0..4) y of wing w seen from above, in mm: StationProjectedY when the wing has
// dihedral, else its typed station (rootGap, StationYMm), the same number.
double seenFromAboveY(const Aircraft& aircraft, int w, int k);

// The outline of both halves of wing w, as polylines: trapezoid 1 of each half with its root chord
// closed only when the wing has a centre gap, then the outer trapezoids without their inner edge
// (drawn already). x and chords come from the integer tables, y as `span` says.
std::vector<Polyline> wingOutline(const Aircraft& aircraft, int w, const ViewMapping& mapping,
                                  OutlineSpan span = OutlineSpan::Typed);

// Planform view of wing w on an image of width x height: centre line at width/2, root leading edge
// at height/3; the scale fits the span (2.03 half spans) and the depth (1.6 extents). A wing without
// span uses 1.0 for its span scale; a wing without depth uses the span scale alone.
ViewMapping planformMapping(const Aircraft& aircraft, int w, int width, int height);
// The same view with the scale its last drawing used: what the mouse maps its pointer with.
ViewMapping planformMapping(int width, int height, double scale);

// The marks of the planform view, rows and columns in pixels.
struct PlanformMarks {
    int r25Row = 0;                      // geometric neutral point on the centre line
    int macFrontRow = 0, macRearRow = 0; // the mean chord along the centre line
    // Drawn only with valid results: the wing's neutral point on the centre line (row), and a small
    // cross at its centre of lift on the right half.
    int neutralRow = 0;
    int crossLeft = 0, crossRight = 0, crossRow = 0; // horizontal stroke
    int crossColumn = 0, crossTop = 0, crossBottom = 0; // vertical stroke
};
PlanformMarks planformMarks(const Aircraft& aircraft, int w, const ViewMapping& mapping);

// Layout of the aircraft top view on an image of width x height for the wings in use: the span of
// the widest wing seen from above fits 2.03 half spans, the depth from the most forward leading edge (or wing 1's
// root) to the most rearward trailing edge fits 1.26 times; the origin row moves down for a canard
// ahead of x = 0; a fuselage's nose and tail widen the depth where they lie beyond it. Wings not in
// use count with tip 1 mm, rear 1 mm and front 0 mm. Where one scale has
// no finite positive value the other is used, and 1.0 where neither has.
struct TopViewLayout {
    double scale = 1;
    int centreX = 0;
    int offsetY = 0;
};
TopViewLayout topViewLayout(const Aircraft& aircraft, int wingCount, int width, int height);

// The scale of the top view at zoom position 10..100 (100 = no zoom, 10 = 4.6 times).
double zoomedScale(double base, int position);

// Drawing rank 1..5 of each wing: 1 + the number of wings (all five) lower than it.
PerWing<int> heightRanks(const Aircraft& aircraft);

// The top-view mapping of wing w: its root leading edge at row posX * scale + offsetY.
ViewMapping topViewWingMapping(const Aircraft& aircraft, int w, double scale, int centreX, int offsetY);

// A point (x, y) of the aircraft in the top view: column width/2 - y * scale, row x * scale + offsetY.
Pixel topViewPoint(double x, double y, double scale, int offsetY, int width);

// The centre-of-gravity and neutral-point marks on the centre line of the top view.
struct StabilityMarks {
    int centreColumn = 0;
    int neutralRow = 0;
    int lowRow = 0, highRow = 0, desiredRow = 0; // CgAtLow, CgAtHigh, CgDesired
};
StabilityMarks stabilityMarks(const Aircraft& aircraft, const StabilityFigures& figures, double scale,
                              int offsetY, int width);

// The pointer lines from the stability texts to their marks: a stub from column 162 to 176 at its
// row, on to column centre - 7 at the mark's row. Automatic: CgAtHigh (row 274), CgAtLow (290) and
// the neutral point (306); manual: CgDesired (290) and the neutral point.
struct PointerLine {
    bool neutralPoint = false; // drawn red, the others blue
    Pixel stubStart, stubEnd, target;
};
std::vector<PointerLine> pointerLines(const StabilityMarks& marks, bool automatic);

// Where the stubs stand: from `column`, `outward` pixels long (negative: to the left), at the text
// rows 266, 282 and 298 moved down by rowShift, each line running on to endColumn at its mark's row.
struct PointerStubs {
    int column = 0, outward = 0, endColumn = 0, rowShift = 0;
};
std::vector<PointerLine> pointerLines(const StabilityMarks& marks, bool automatic, const PointerStubs& stubs);

// One panel of the lattice of a right wing half in the top view, with its pressure difference.
struct LatticeCell {
    std::array<Pixel, 4> corner; // inner front, outer front, outer rear, inner rear
    double pressure = 0;
};
// The cells of wing w; the centre column is Trunc(width / 2).
std::vector<LatticeCell> latticeCells(const WingLattice& lattice, int chordwiseCount, double scale, int offsetY,
                                      int width);

// The colour of a panel for its pressure difference at the contrast bar position 20..99: red shades
// for suction on top (p >= 0), blue shades below, stronger with |p|; none for p = 0.
struct Rgb {
    int r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};
std::optional<Rgb> pressureColour(double pressure, int contrastPosition);

// Where the summary page (806 x 1620 pixels) goes on a printer of the given dots per inch: units of
// dpi / 600 x 4.9 device pixels for one to three wings, x 3.9 for more, from (100, 100) to (900, 1800)
// units, rounded halves to even. At 600 dpi a four-wing page runs from (390, 390) to (3510, 7020).
// The larger scale is for a page whose lower part is empty: an A4 sheet holds its rows down to
// LargerPrintFoot only, so a page whose texts end below (textFoot, the page row under the lowest
// one) is printed as a page of more wings is.
inline constexpr int LargerPrintFoot = 1269;
struct PrintRectangle {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const PrintRectangle&) const = default;
};
PrintRectangle printRectangle(int dpi, int activeWingCount, int textFoot = 0);

} // namespace ab
