// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/projection.h"

#include "model/numbers.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace ab {
namespace {

constexpr double kSmallestView3DScale = 0.0001;

constexpr ViewMatrix identity()
{
    ViewMatrix m{};
    for (int i = 0; i < 4; ++i)
        m[i][i] = 1;
    return m;
}

double radians(double degrees) { return degrees * std::numbers::pi / 180; }

void setPoint(ViewPoint& p, double s, double l, double h)
{
    p.s = s;
    p.l = l;
    p.h = h;
}

// The arrow points forward (negative l) a little right of the centre line and just above the
// wing plane; its two pairs of barbs lie in the span plane and in the vertical plane.
struct AxisRow {
    AxisPoint point;
    double s, l, h;
};
constexpr AxisRow kAxisRows[AxisPointCount] = {
    {AxisPoint::SpanA, 4000, 0, 0},         {AxisPoint::SpanB, -4000, 0, 0},
    {AxisPoint::LongitudinalA, 0, 4000, 0}, {AxisPoint::LongitudinalB, 0, -4000, 0},
    {AxisPoint::ArrowTip, 20, -100, 2},     {AxisPoint::ArrowBarb1, 22, -91, 2},
    {AxisPoint::ArrowBarb2, 18, -90, 2},    {AxisPoint::ArrowTail, 20, -64, 2},
    {AxisPoint::ArrowBarb3, 20, -91, 4},    {AxisPoint::ArrowBarb4, 20, -90, 0},
};

// The chordwise count, at most nc, that strips 1..strips of the lattice all hold: ControlX and
// PanelPressure give panels q = 1..nc.
int chordwiseHeld(const WingLattice& lattice, int strips, int nc)
{
    for (int j = 1; j <= strips; ++j) {
        const Strip& s = lattice.strips[j];
        nc = std::min({nc, int(s.ControlX.size()) - 1, int(s.PanelPressure.size()) - 1});
    }
    return std::max(nc, 0);
}

} // namespace

double view3DScale(int position, double viewScale)
{
    const double scale = (100 - position) * viewScale * 0.04;
    return std::isfinite(scale) && scale > 0 ? scale : kSmallestView3DScale;
}

void fillFixedTable(ThreeDView& view, const Aircraft& ac, double scale)
{
    for (int w = 1; w <= MaxWings; ++w) {
        const double x0 = ac.posX[w];
        const bool tilted = hasDihedral(ac, w);
        for (Half half : {Half::Right, Half::Left}) {
            const double sign = half == Half::Right ? 1 : -1;
            for (int k = 0; k < MaxStations; ++k) {
                // A tilted trapezoid's stations lie as built: nearer the centre line and higher or
                // lower than the root, by its dihedral.
                const double y = seenFromAboveY(ac, w, k);
                const double z = (tilted ? ac.posZ[w] + ac.StationRise[k][w] : ac.posZ[w]) * scale;
                const double le = x0 + (k == 0 ? 0 : ac.StationOffsetMm[k][w]);
                const double te = le + ac.StationChordMm[k][w];
                setPoint(view.fixed[wingPointIndex(w, half, k, false)], sign * y * scale, le * scale, z);
                setPoint(view.fixed[wingPointIndex(w, half, k, true)], sign * y * scale, te * scale, z);
            }
        }
    }
    for (const AxisRow& r : kAxisRows)
        setPoint(view.fixed[axisPointIndex(r.point)], r.s, r.l, r.h);
}

void fillPressureTable(ThreeDView& view, int wingCount, const SolverData& sd, int needlePosition, double scale)
{
    view.blocks = {};
    view.pressureCount = 0;
    const int wings = std::clamp(wingCount, 0, MaxWings);
    if (sd.counts.PanelCount <= 0 || wings == 0)
        return;
    const double factor = 100 - needlePosition;
    int next = 0;
    for (int w = 1; w <= wings; ++w) {
        const WingLattice& lattice = sd.lattice[w];
        const int strips = std::clamp(sd.counts.StripCount[w], 0, std::max(int(lattice.strips.size()) - 1, 0));
        const int nc = chordwiseHeld(lattice, strips, std::max(sd.counts.ChordwiseCount[w], 0));
        PressureBlock& b = view.blocks[w];
        b = {next, nc > 0 ? strips : 0, nc};
        next += 2 * b.strips * nc;
    }
    if (view.pressure.size() < std::size_t(next))
        view.pressure.resize(next);
    for (int w = 1; w <= wings; ++w) {
        const PressureBlock& b = view.blocks[w];
        for (int j = 1; j <= b.strips; ++j) {
            // The needle stands on the panel's control point in the strip's plane and points along
            // its normal: straight up on a flat strip, leaning outward on one with dihedral.
            const Strip& strip = sd.lattice[w].strips[j];
            const double y = strip.ControlY, z = strip.ControlZ;
            for (int k = 1; k <= b.chordwise; ++k) {
                const double l = strip.ControlX[k] * scale, length = strip.PanelPressure[k] * factor;
                setPoint(view.pressure[b.base(j, k)], y * scale, l, z * scale);
                const double tipY = strip.NormalY == 0 ? y : y + length * strip.NormalY;
                setPoint(view.pressure[b.tip(j, k)], tipY * scale, l,
                         (length * strip.NormalZ + z) * scale);
            }
        }
    }
    view.pressureCount = next;
}

ViewMatrix MulMatrix(const ViewMatrix& a, const ViewMatrix& b)
{
    ViewMatrix out{};
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            for (int i = 0; i < 4; ++i)
                out[r][c] += a[r][i] * b[i][c];
    return out;
}

ViewMatrix viewMatrix(int elevationPosition, int azimuthPosition)
{
    const double e = radians(90 - elevationPosition), a = radians(360 - azimuthPosition);
    ViewMatrix rz = identity(), rx = identity(), p = identity();
    rz[0][0] = rz[1][1] = std::cos(a);
    rz[0][1] = std::sin(a);
    rz[1][0] = -std::sin(a);
    rx[1][1] = rx[2][2] = std::cos(e);
    rx[1][2] = std::sin(e);
    rx[2][1] = -std::sin(e);
    p[1][3] = 1 / ViewDistance;
    return MulMatrix(MulMatrix(rz, rx), p);
}

void projectPoint(ViewPoint& p, const ViewMatrix& m)
{
    const double v[4] = {p.s, p.l, p.h, 1};
    double out[4] = {0, 0, 0, 0};
    for (int c = 0; c < 4; ++c)
        for (int i = 0; i < 4; ++i)
            out[c] += v[i] * m[i][c];
    const double w = out[3];
    if (!(w > 0))
        return; // at or behind the centre of projection (or not a number): keep the last offsets
    const double pv = out[2] / w, ps = out[0] / w;
    if (!std::isfinite(pv) || !std::isfinite(ps))
        return;
    p.pv = pv;
    p.ps = ps;
}

void Trans(std::array<ViewPoint, FixedPointCount>& table, const ViewMatrix& m)
{
    for (ViewPoint& p : table)
        projectPoint(p, m);
}

void Trans2(std::vector<ViewPoint>& table, int count, const ViewMatrix& m)
{
    const int n = std::clamp(count, 0, int(table.size()));
    for (int i = 0; i < n; ++i)
        projectPoint(table[i], m);
}

void Calc3D(ThreeDView& view, int elevationPosition, int azimuthPosition, bool withPressure)
{
    view.matrix = viewMatrix(elevationPosition, azimuthPosition);
    Trans(view.fixed, view.matrix);
    if (withPressure)
        Trans2(view.pressure, view.pressureCount, view.matrix);
}

void prepareThreeDView(ThreeDView& view, const Aircraft& ac, int wingCount, const SolverData& sd,
                       const ThreeDInput& in)
{
    fillFixedTable(view, ac, in.view3DScale);
    if (in.showPressure)
        fillPressureTable(view, wingCount, sd, in.needlePosition, in.view3DScale);
    Calc3D(view, in.elevationPosition, in.azimuthPosition, in.showPressure);
}

std::optional<double> fittingView3DScale(const Aircraft& ac, int wingCount, int elevationPosition,
                                         int azimuthPosition, int width, int height, int margin)
{
    const double roomAcross = width / 2 - margin - 1, roomUp = height / 2 - margin - 1;
    if (!(roomAcross > 0 && roomUp > 0))
        return std::nullopt;
    const int wings = std::clamp(wingCount, 1, MaxWings);
    ThreeDView view;
    // How far the outline points reach from the centre at a scale, across and up.
    const auto reach = [&](double scale) {
        fillFixedTable(view, ac, scale);
        Calc3D(view, elevationPosition, azimuthPosition, false);
        double across = 0, up = 0;
        for (int w = 1; w <= wings; ++w)
            for (Half half : {Half::Right, Half::Left})
                for (int k = 0; k <= trapezoidCountOf(ac, w); ++k)
                    for (bool trailing : {false, true}) {
                        const ViewPoint& p = view.fixed[wingPointIndex(w, half, k, trailing)];
                        across = std::max(across, std::abs(p.ps));
                        up = std::max(up, std::abs(p.pv));
                    }
        return std::min(across > 0 ? roomAcross / across : INFINITY, up > 0 ? roomUp / up : INFINITY);
    };
    // The projection is nearly linear in the scale; its perspective moves the points a little, so the
    // estimate is made again at the scale found, and the scale is taken only where it fits.
    double scale = 1;
    for (int step = 0; step < 12; ++step) {
        const double factor = reach(scale);
        if (!std::isfinite(factor) || !(factor > 0) || !std::isfinite(scale * factor))
            return std::nullopt;
        if (step >= 4 && factor >= 1)
            return scale;
        scale *= step >= 4 ? factor * 0.999 : factor;
    }
    return std::nullopt;
}

int truncPixel(double v)
{
    if (std::isnan(v))
        return 0;
    return static_cast<int>(Trunc(std::clamp(v, -PixelLimit, PixelLimit)));
}

Pixel screenPosition(const ViewPoint& p, int width, int height)
{
    const int cx = static_cast<int>(Trunc(width / 2.0)), cy = static_cast<int>(Trunc(height / 2.0));
    return {cx - truncPixel(p.ps), cy - truncPixel(p.pv)};
}

ThreeDLines threeDLines(const ThreeDView& view, const Aircraft& ac, int wingCount, bool withPressure, int width,
                        int height)
{
    ThreeDLines lines;
    auto fixed = [&](int i) { return screenPosition(view.fixed[i], width, height); };
    auto axis = [&](AxisPoint p) { return fixed(axisPointIndex(p)); };
    lines.axes = {Polyline{axis(AxisPoint::SpanA), axis(AxisPoint::SpanB)},
                  Polyline{axis(AxisPoint::LongitudinalA), axis(AxisPoint::LongitudinalB)}};
    lines.arrow = {Polyline{axis(AxisPoint::ArrowTip), axis(AxisPoint::ArrowTail)},
                   Polyline{axis(AxisPoint::ArrowBarb1), axis(AxisPoint::ArrowTip), axis(AxisPoint::ArrowBarb2)},
                   Polyline{axis(AxisPoint::ArrowBarb3), axis(AxisPoint::ArrowTip), axis(AxisPoint::ArrowBarb4)}};

    const int wings = std::clamp(wingCount, 0, MaxWings);
    for (int w = 1; w <= wings; ++w) {
        auto le = [&](Half h, int k) { return fixed(wingPointIndex(w, h, k, false)); };
        auto te = [&](Half h, int k) { return fixed(wingPointIndex(w, h, k, true)); };
        std::vector<Polyline>& out = lines.outlines[w];
        for (Half h : {Half::Right, Half::Left})
            out.push_back({le(h, 0), le(h, 1), te(h, 1), te(h, 0), le(h, 0)});
        for (int k = 2; k <= trapezoidCountOf(ac, w); ++k)
            for (Half h : {Half::Right, Half::Left})
                out.push_back({le(h, k - 1), le(h, k), te(h, k), te(h, k - 1)});
    }

    if (!withPressure)
        return lines;
    const int filled = std::min<int>(view.pressureCount, int(view.pressure.size()));
    auto point = [&](int i) { return screenPosition(view.pressure[i], width, height); };
    for (int i = 0; i + 1 < filled; i += 2)
        lines.needles.emplace_back(point(i), point(i + 1));
    for (int w = 1; w <= wings; ++w) {
        const PressureBlock& b = view.blocks[w];
        if (b.first + 2 * b.strips * b.chordwise > filled)
            continue; // not filled for this drawing
        if (b.chordwise > 1)
            for (int j = 1; j <= b.strips; ++j) {
                Polyline chordwise;
                for (int k = 1; k <= b.chordwise; ++k)
                    chordwise.push_back(point(b.tip(j, k)));
                lines.curves.push_back(std::move(chordwise));
            }
        if (b.strips > 1)
            for (int k = 1; k <= b.chordwise; ++k) {
                Polyline spanwise;
                for (int j = 1; j <= b.strips; ++j)
                    spanwise.push_back(point(b.tip(j, k)));
                lines.curves.push_back(std::move(spanwise));
            }
    }
    return lines;
}

} // namespace ab
