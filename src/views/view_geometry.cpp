// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/view_geometry.h"

#include "model/numbers.h"

#include <algorithm>
#include <cmath>

namespace ab {
namespace {


// A scale that can be drawn with: finite and positive.
bool usable(double scale) { return std::isfinite(scale) && scale > 0; }

double smallerUsable(double a, double b, double fallback = 1.0)
{
    if (usable(a) && usable(b))
        return std::min(a, b);
    if (usable(a))
        return a;
    return usable(b) ? b : fallback;
}

// Rearmost trailing edge from the root leading edge: the root chord or a tip's offset plus chord.
double chordExtent(const Aircraft& ac, int w, int n)
{
    double extent = ac.StationChordMm[0][w];
    for (int k = 1; k <= n; ++k)
        extent = std::max(extent, double(ac.StationOffsetMm[k][w]) + ac.StationChordMm[k][w]);
    return extent;
}

} // namespace

int roundPixel(double v)
{
    if (!std::isfinite(v))
        return v < 0 ? -int(PixelLimit) : int(PixelLimit);
    return static_cast<int>(std::nearbyint(std::clamp(v, -PixelLimit, PixelLimit)));
}

Pixel ViewMapping::at(double y, double x, bool mirror) const
{
    const int dy = roundPixel(y * scale);
    return {mirror ? originX - dy : originX + dy, originY + roundPixel(x * scale)};
}

double seenFromAboveY(const Aircraft& ac, int w, int k)
{
    if (hasDihedral(ac, w))
        return ac.StationProjectedY[k][w];
    return k == 0 ? double(ac.rootGap[w]) : double(ac.StationYMm[k][w]);
}

std::vector<Polyline> wingOutline(const Aircraft& ac, int w, const ViewMapping& m, OutlineSpan span)
{
    const int n = trapezoidCountOf(ac, w);
    const double y0 = ac.rootGap[w], c0 = ac.StationChordMm[0][w];
    auto y = [&](int k) {
        if (span == OutlineSpan::SeenFromAbove)
            return seenFromAboveY(ac, w, k);
        return k == 0 ? y0 : double(ac.StationYMm[k][w]);
    };
    auto x = [&](int k) { return k == 0 ? 0.0 : double(ac.StationOffsetMm[k][w]); };
    auto c = [&](int k) { return double(ac.StationChordMm[k][w]); };
    const bool gap = ac.rootGap[w] != 0;

    std::vector<Polyline> lines;
    Polyline right{m.at(y0, 0), m.at(y(1), x(1)), m.at(y(1), x(1) + c(1)), m.at(y0, c0)};
    if (gap)
        right.push_back(m.at(y0, 0));
    Polyline left{m.at(y0, c0, true), m.at(y(1), x(1) + c(1), true), m.at(y(1), x(1), true), m.at(y0, 0, true)};
    if (gap)
        left.push_back(m.at(y0, c0, true));
    lines.push_back(std::move(right));
    lines.push_back(std::move(left));
    for (int k = 2; k <= n; ++k)
        for (bool mirror : {false, true})
            lines.push_back({m.at(y(k - 1), x(k - 1), mirror), m.at(y(k), x(k), mirror),
                             m.at(y(k), x(k) + c(k), mirror), m.at(y(k - 1), x(k - 1) + c(k - 1), mirror)});
    return lines;
}

ViewMapping planformMapping(const Aircraft& ac, int w, int width, int height)
{
    const int n = trapezoidCountOf(ac, w);
    const double tipY = ac.StationYMm[n][w];
    const double spanScale = tipY == 0 ? 1.0 : width / 2.03 / tipY;
    double extent = chordExtent(ac, w, n);
    for (int k = 1; k <= n; ++k)
        if (-2.0 * ac.StationOffsetMm[k][w] > extent)
            extent = -2.0 * ac.StationOffsetMm[k][w];
    const double depthScale = height / 1.6 / extent;
    return planformMapping(width, height, smallerUsable(depthScale, spanScale, spanScale));
}

ViewMapping planformMapping(int width, int height, double scale)
{
    return {static_cast<int>(Trunc(width / 2.0)), static_cast<int>(Trunc(height / 3.0)), scale};
}

PlanformMarks planformMarks(const Aircraft& ac, int w, const ViewMapping& m)
{
    PlanformMarks k;
    const double s = m.scale, ox = m.originX, oy = m.originY;
    const double r25 = ac.WingR25[w], mac = ac.WingMac[w];
    k.r25Row = roundPixel(r25 * s + oy);
    k.macFrontRow = roundPixel((r25 - mac / 4) * s + oy);
    k.macRearRow = roundPixel((r25 - mac / 4 + mac) * s + oy);
    const double xn = ac.WingNeutralX[w] - ac.posX[w], yn = ac.WingLiftCentreY[w];
    k.neutralRow = roundPixel(xn * s + oy);
    k.crossLeft = roundPixel(ox - 2 + yn * s);
    k.crossRight = roundPixel(ox + 3 + yn * s);
    k.crossRow = roundPixel(s * xn + oy);
    k.crossColumn = roundPixel(yn * s + ox);
    k.crossTop = roundPixel(s * xn + (oy - 2));
    k.crossBottom = roundPixel(s * xn + (oy + 3));
    return k;
}

TopViewLayout topViewLayout(const Aircraft& ac, int wingCount, int width, int height)
{
    PerWing<double> tipY, rear, front;
    tipY.fill(1.0);
    rear.fill(1.0);
    front.fill(0.0);
    for (int w = 1; w <= std::clamp(wingCount, 1, MaxWings); ++w) {
        const int n = trapezoidCountOf(ac, w);
        tipY[w] = seenFromAboveY(ac, w, n);
        rear[w] = ac.posX[w] + chordExtent(ac, w, n);
        double minOffset = ac.StationOffsetMm[1][w];
        for (int k = 2; k <= n; ++k)
            minOffset = std::min(minOffset, double(ac.StationOffsetMm[k][w]));
        front[w] = ac.posX[w] + minOffset;
    }
    const double maxY = *std::max_element(tipY.begin() + 1, tipY.end());
    double minFront = std::min(*std::min_element(front.begin() + 1, front.end()), double(ac.posX[1]));
    double maxRear = *std::max_element(rear.begin() + 1, rear.end());
    // A fuselage longer than the wings' extent widens it.
    if (ac.Fuselage.size() >= 2) {
        minFront = std::min(minFront, ac.Fuselage.front().x);
        maxRear = std::max(maxRear, ac.Fuselage.back().x);
    }
    const double spanScale = width / 2.03 / maxY;
    const double depthScale = height / 1.26 / (maxRear - minFront);

    TopViewLayout l;
    l.scale = smallerUsable(depthScale, spanScale);
    l.centreX = roundPixel(0.5 * width);
    l.offsetY = minFront < 0 ? roundPixel(height / 7.0 - minFront * l.scale) : roundPixel(height / 7.0);
    return l;
}

double zoomedScale(double base, int position)
{
    const double zoomed = base + (100 - position) * base * 0.04;
    return zoomed > base ? zoomed : base;
}

PerWing<int> heightRanks(const Aircraft& ac)
{
    PerWing<int> rank{};
    for (int w = 1; w <= MaxWings; ++w) {
        rank[w] = 1;
        for (int v = 1; v <= MaxWings; ++v)
            rank[w] += ac.posZ[w] > ac.posZ[v];
    }
    return rank;
}

ViewMapping topViewWingMapping(const Aircraft& ac, int w, double scale, int centreX, int offsetY)
{
    return {centreX, roundPixel(ac.posX[w] * scale + offsetY), scale};
}

Pixel topViewPoint(double x, double y, double scale, int offsetY, int width)
{
    return {roundPixel(width / 2.0 - y * scale), roundPixel(x * scale + offsetY)};
}

StabilityMarks stabilityMarks(const Aircraft& ac, const StabilityFigures& f, double scale, int offsetY, int width)
{
    auto row = [&](double x) { return roundPixel(x * scale + offsetY); };
    return {roundPixel(width / 2.0), row(ac.NeutralPointX), row(f.CgAtLow), row(f.CgAtHigh), row(f.CgDesired)};
}

std::vector<PointerLine> pointerLines(const StabilityMarks& m, bool automatic)
{
    return pointerLines(m, automatic, PointerStubs{162, 14, m.centreColumn - 7, 8});
}

std::vector<PointerLine> pointerLines(const StabilityMarks& m, bool automatic, const PointerStubs& stubs)
{
    auto line = [&](int textRow, int markRow, bool neutral) {
        const int stubRow = textRow + stubs.rowShift;
        return PointerLine{neutral, {stubs.column, stubRow}, {stubs.column + stubs.outward, stubRow},
                           {stubs.endColumn, markRow}};
    };
    std::vector<PointerLine> lines;
    if (automatic)
        lines.push_back(line(266, m.highRow, false));
    lines.push_back(line(282, automatic ? m.lowRow : m.desiredRow, false));
    lines.push_back(line(298, m.neutralRow, true));
    return lines;
}

std::vector<LatticeCell> latticeCells(const WingLattice& lattice, int nc, double s, int offsetY, int width)
{
    std::vector<LatticeCell> cells;
    const int cx = static_cast<int>(Trunc(width / 2.0));
    for (std::size_t j = 1; j < lattice.strips.size(); ++j) {
        const Strip& strip = lattice.strips[j];
        const int a = roundPixel(strip.YLeft * s) + cx, b = cx + roundPixel(strip.YRight * s);
        const int edges = std::min<int>({nc, int(strip.PanelEdgeXLeft.size()) - 1, int(strip.PanelEdgeXRight.size()) - 1});
        for (int k = 0; k < edges; ++k) {
            auto row = [&](const std::vector<double>& edge, int q) { return roundPixel(edge[q] * s) + offsetY; };
            LatticeCell cell;
            cell.corner = {Pixel{a, row(strip.PanelEdgeXLeft, k)}, Pixel{b, row(strip.PanelEdgeXRight, k)},
                           Pixel{b, row(strip.PanelEdgeXRight, k + 1)}, Pixel{a, row(strip.PanelEdgeXLeft, k + 1)}};
            const std::size_t q = static_cast<std::size_t>(k) + 1;
            cell.pressure = q < strip.PanelPressure.size() ? strip.PanelPressure[q] : 0.0;
            cells.push_back(cell);
        }
    }
    return cells;
}

std::optional<Rgb> pressureColour(double p, int contrastPosition)
{
    const double v = (100 - contrastPosition) * std::fabs(p) * 10000;
    if (!(v > 0))
        return std::nullopt;
    const double i = std::isfinite(v) ? std::nearbyint(std::pow(v, 0.35)) : 255.0;
    const int g = static_cast<int>(std::max(255.0 - i, 0.0));
    return p >= 0 ? Rgb{255, g, g} : Rgb{g, g, 255};
}

PrintRectangle printRectangle(int dpi, int activeWingCount, int textFoot)
{
    const bool larger = activeWingCount <= 3 && textFoot <= LargerPrintFoot;
    const double scale = dpi / 600.0 * (larger ? 4.9 : 3.9);
    return {roundPixel(100 * scale), roundPixel(100 * scale), roundPixel(900 * scale), roundPixel(1800 * scale)};
}

} // namespace ab
