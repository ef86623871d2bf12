// SPDX-License-Identifier: GPL-3.0-or-later
// The rotatable perspective view of the aircraft, without any window library: the point tables of
// the wing outlines, the axes, the flight-direction arrow and the pressure needles, their projection
// for the elevation and azimuth bars, and the screen lines the view is drawn with.
//
// Routine index (in the order of a drawing):
//   fillFixedTable     aircraft tables, View3DScale -> wing corners (scaled), axes and arrow (not scaled)
//   fillPressureTable  lattice, pressures, needle bar, View3DScale -> base and tip point per panel,
//                      the needle along the normal of the panel's strip
//   Calc3D             elevation and azimuth bars -> ViewMatrix (Rz x Rx x P, by MulMatrix), then
//                      Trans (fixed table) and, with the pressure distribution on, Trans2
//   threeDLines        projected tables, image size -> the pixel lines to stroke, in drawing order
//
// Model coordinates of a point are (s, l, h): s spanwise (positive = right half), l longitudinal
// (rearward positive), h height. Wing points are multiplied by View3DScale, so the tables hold
// pixel-sized units; the axes and the arrow keep the same size at every scale.
#pragma once

#include "model/aircraft.h"
#include "solver/solver_data.h"
#include "views/view_geometry.h"

#include <array>
#include <optional>
#include <utility>
#include <vector>

namespace ab {

// Distance of the centre of projection in front of the picture plane, in table units.
inline constexpr double ViewDistance = 10000;

// One point of a table: its model coordinates and the screen offsets of its last projection
// (pv vertical, ps horizontal, both positive towards the top left of the image centre).
struct ViewPoint {
    double s = 0, l = 0, h = 0;
    double pv = 0, ps = 0;
};

// 4 x 4 matrix for row vectors: a point is the row (s, l, h, 1) multiplied from the left.
using ViewMatrix = std::array<std::array<double, 4>, 4>;

// The fixed table: per wing 1..5 and half ten corner points, then the axis and arrow points.
inline constexpr int WingPointCount = 10; // root and stations 1..4, leading and trailing edge each
inline constexpr int AxisPointFirst = MaxWings * 2 * WingPointCount;
enum class AxisPoint {
    SpanA, SpanB, LongitudinalA, LongitudinalB,
    ArrowTip, ArrowBarb1, ArrowBarb2, ArrowTail, ArrowBarb3, ArrowBarb4,
};
inline constexpr int AxisPointCount = 10;
inline constexpr int FixedPointCount = AxisPointFirst + AxisPointCount;

enum class Half { Right = 0, Left = 1 };

// Index in the fixed table of the leading (trailing = false) or trailing edge of wing w (1..5) at
// station k (0 = root, 1..4).
constexpr int wingPointIndex(int w, Half half, int k, bool trailing)
{
    return ((w - 1) * 2 + static_cast<int>(half)) * WingPointCount + k * 2 + (trailing ? 1 : 0);
}
constexpr int axisPointIndex(AxisPoint p) { return AxisPointFirst + static_cast<int>(p); }

// Where the pressure points of one wing stand in the pressure table: strips 1..strips of chordwise
// panels 1..chordwise, base and tip point of each panel, strip by strip.
struct PressureBlock {
    int first = 0;
    int strips = 0;
    int chordwise = 0;
    int base(int j, int k) const { return first + 2 * ((j - 1) * chordwise + (k - 1)); }
    int tip(int j, int k) const { return base(j, k) + 1; }
};

// The state of the view between drawings, owned by the window: the tables keep the screen offsets
// of their last projection, which a point at or behind the centre of projection holds on to.
struct ThreeDView {
    std::array<ViewPoint, FixedPointCount> fixed{};
    std::vector<ViewPoint> pressure; // grows as needed, never shrinks, so offsets stay per entry
    int pressureCount = 0;           // entries filled by the last fillPressureTable
    PerWing<PressureBlock> blocks{};
    ViewMatrix matrix{};
};

// The bar positions and switches a drawing of the view reads.
struct ThreeDInput {
    int elevationPosition = 80; // ScrollBar1, 0..90: 90 looks along the wing plane, 0 from above
    int azimuthPosition = 250;  // ScrollBar2, 0..360
    int needlePosition = 92;    // ScrollBar6, 20..99: needles are 100 - position times the pressure
    double view3DScale = 1;     // View3DScale, pixels per mm
    bool showPressure = false;  // CheckBoxA checked
};

// View3DScale for the size bar (ScrollBar4, 10..97) and the top view's scale ViewScale (pixels per
// mm): (100 - position) x viewScale x 0.04, i.e. the top view's scale at 75, 3.6 times at 10, 0.12
// times at 97. A result that is not a finite positive number gives 0.0001.
double view3DScale(int position, double viewScale);

// The largest View3DScale at which the outlines of wings 1..wingCount, projected for the elevation
// and azimuth bars, stand whole inside an image of width x height, `margin` pixels clear of its
// edges; the drawing keeps its centre (the datum) in the image's middle, so the wings must fit on
// both sides of it. None for an aircraft without extent or an image without room.
inline constexpr int ThreeDFitMargin = 4;
std::optional<double> fittingView3DScale(const Aircraft& aircraft, int wingCount, int elevationPosition,
                                         int azimuthPosition, int width, int height, int margin = ThreeDFitMargin);

// Fills the fixed table for all five wings, in use or not: per half the root leading edge
// (+-y0, posX, posZ), the root trailing edge (+-y0, posX + c0, posZ) and for stations k = 1..4 the
// leading edge (+-y_k, posX + x_k, z_k) and trailing edge (+-y_k, posX + x_k + c_k, z_k), all from
// the integer tables in mm times scale (View3DScale); then the axis and arrow points, not scaled.
// On a wing with dihedral y_k is the station seen from above (StationProjectedY) and z_k is
// posZ + StationRise; on a flat wing y_k is the typed station and z_k is posZ.
// Only s, l, h are written; the screen offsets stay.
void fillFixedTable(ThreeDView& view, const Aircraft& aircraft, double scale);

// Fills the pressure table for wings 1..wingCount: per panel the base point (ControlY, ControlX,
// ControlZ) on its strip and the tip point PanelPressure x (100 - needlePosition) further along the
// strip's normal (NormalY, NormalZ): (ControlY + length x NormalY, ControlX, ControlZ + length x
// NormalZ), straight above the base on a flat strip, all in mm times scale. Counts beyond what the lattice holds are cut to it. Without panels (PanelCount 0
// or no wing) the table is left empty.
void fillPressureTable(ThreeDView& view, int wingCount, const SolverData& solver, int needlePosition,
                       double scale);

// MulMatrix: the product a x b of two 4 x 4 matrices, out[r][c] = sum over i of a[r][i] x b[i][c].
ViewMatrix MulMatrix(const ViewMatrix& a, const ViewMatrix& b);

// The view matrix Rz x Rx x P for the elevation bar (ScrollBar1; elevation 90 - position degrees)
// and the azimuth bar (ScrollBar2; azimuth 360 - position degrees): Rz turns about the height axis by
// the azimuth, Rx about the span axis by the elevation, P divides by 1 + depth / ViewDistance (the
// depth is the second coordinate).
ViewMatrix viewMatrix(int elevationPosition, int azimuthPosition);

// Projects one point with the view matrix: (s', l', h', w) = (s, l, h, 1) x m; pv = h' / w and
// ps = s' / w. A point with w <= 0 (at or behind the centre of projection), or one whose offsets would
// not be finite, keeps the offsets of its previous projection.
void projectPoint(ViewPoint& point, const ViewMatrix& m);

// Trans: projects every point of the fixed table with m.
void Trans(std::array<ViewPoint, FixedPointCount>& table, const ViewMatrix& m);

// Trans2: projects the first count points of the pressure table with m (count is cut to the table).
void Trans2(std::vector<ViewPoint>& table, int count, const ViewMatrix& m);

// Calc3D: builds the view matrix from the elevation and azimuth bar positions into view.matrix and
// projects the fixed table, and the filled part of the pressure table when withPressure is set.
void Calc3D(ThreeDView& view, int elevationPosition, int azimuthPosition, bool withPressure);

// Fills the tables from the aircraft and the input (the pressure table only with showPressure) and
// projects them: everything a drawing does before it draws.
void prepareThreeDView(ThreeDView& view, const Aircraft& aircraft, int wingCount, const SolverData& solver,
                       const ThreeDInput& input);

// Trunc of an offset in pixels, held at +-10^6 (as roundPixel holds its values) so that a far point
// gives a finite pixel; a value that is not a number gives 0.
int truncPixel(double v);

// Screen position of a projected point on an image of width x height:
// (Trunc(width / 2) - Trunc(ps), Trunc(height / 2) - Trunc(pv)).
Pixel screenPosition(const ViewPoint& point, int width, int height);

// The lines of one drawing of the view, in pixels and in the order they are stroked.
struct ThreeDLines {
    std::array<Polyline, 2> axes;           // span axis, longitudinal axis
    std::array<Polyline, 3> arrow;          // tip to tail; barb 1, tip, barb 2; barb 3, tip, barb 4
    PerWing<std::vector<Polyline>> outlines; // empty for wings not in use
    std::vector<std::pair<Pixel, Pixel>> needles; // base to tip, per panel
    std::vector<Polyline> curves;           // chordwise per strip, then spanwise per panel row
};

// The lines from the projected tables. Outlines of wings 1..wingCount: trapezoid 1 closed (root
// leading edge, station 1 leading and trailing edge, root trailing edge, root leading edge), then for
// k = 2..n the open path leading edge k-1, leading edge k, trailing edge k, trailing edge k-1; right
// half before left half each time. Needles and curves only with withPressure (pressure distribution
// on and results valid).
ThreeDLines threeDLines(const ThreeDView& view, const Aircraft& aircraft, int wingCount, bool withPressure,
                        int width, int height);

} // namespace ab
