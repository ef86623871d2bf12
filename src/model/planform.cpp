// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/planform.h"

#include "model/field_reading.h"
#include "model/mean_chord.h"
#include "model/numbers.h"

#include <cmath>
#include <cstdlib>
#include <numbers>

namespace ab {
namespace {

// Minimum widths of the five labels of a wing: span, area, mac, r25, aspect ratio.
struct LabelWidths {
    int span, area, mac, r25, aspectRatio;
};
constexpr LabelWidths kLabelWidths[MaxWings + 1] = {
    {0, 0, 0, 0, 0}, {4, 4, 4, 4, 4}, {4, 4, 4, 4, 4}, {4, 4, 4, 4, 4}, {4, 4, 3, 3, 3}, {4, 4, 3, 3, 5},
};

} // namespace

PlanformFigures NTRAP_SPEZIAL(int w, int stationCount, const PerStation<double>& leX,
                              const PerStation<double>& y, const PerStation<double>& chord)
{
    PlanformFigures f;
    double S2 = 0, I2 = 0, I3 = 0, Iy = 0;
    for (int i = 0; i <= stationCount - 2; ++i) {
        const double dy = y[i + 1][w] - y[i][w];
        const double a = chord[i][w];
        const double a1 = chord[i + 1][w];
        const double d = a - a1;
        S2 += (a + a1) * dy;
        I2 += (a * a - a * d + d * d / 3) * dy;
        const double q = 0.25 * a + leX[i][w];
        const double dq = (0.25 * a1 + leX[i + 1][w]) - q;
        I3 += (q * a + (dq * a - q * d) * 0.5 - dq * d / 3) * dy;
        // c * y with both linear across the panel, integrated exactly.
        Iy += (a * (2 * y[i][w] + y[i + 1][w]) + a1 * (y[i][w] + 2 * y[i + 1][w])) * dy / 6;
    }
    if (S2 == 0)
        return f;
    f.area = S2;
    f.mac = 2 * I2 / S2;
    f.r25 = 2 * I3 / S2;
    f.macY = 2 * Iy / S2;
    f.span = 2 * y[stationCount - 1][w];
    f.aspectRatio = f.span * f.span / S2;
    return f;
}

Wing readWing(const WingTexts& t)
{
    const auto read = [&t](Role role) { return readLengthField(t[role], role).value; };
    Wing wing;
    wing.rootGap = read(Role::RootGap);
    wing.rootChord = read(Role::RootChord);
    wing.trapezoidCount = t.trapezoidCount;
    for (int k = 1; k <= MaxTrapezoids; ++k) {
        Trapezoid& tr = wing.trapezoids[k];
        tr.width = read(widthRole(k));
        tr.tipChord = read(tipChordRole(k));
        tr.tipOffset = read(tipOffsetRole(k));
        tr.dihedral = readDihedralField(t.dihedral[k]).degrees;
    }
    wing.posX = read(Role::PosX);
    wing.posZ = read(Role::PosZ);
    return wing;
}

namespace {

// Tilts each trapezoid about its root station: its width runs along the panel, so its tip lies
// width * cos(angle) further out and width * sin(angle) higher than its root.
void foldStations(Aircraft& ac, const Wing& wing, int w)
{
    ac.StationProjectedY[0][w] = ac.rootGap[w];
    ac.StationRise[0][w] = 0;
    ac.StationDihedral[0][w] = 0;
    for (int k = 1; k <= MaxTrapezoids; ++k) {
        const double angle = wing.trapezoids[k].dihedral;
        const double width = ac.StationY[k][w] - ac.StationY[k - 1][w];
        const double radians = angle * std::numbers::pi / 180;
        ac.StationDihedral[k][w] = angle;
        ac.StationProjectedY[k][w] = ac.StationProjectedY[k - 1][w] + (angle == 0 ? width : width * std::cos(radians));
        ac.StationRise[k][w] = ac.StationRise[k - 1][w] + (angle == 0 ? 0 : width * std::sin(radians));
    }
}

// Both halves' area as seen from above: each trapezoid's area shrinks with the cosine of its angle.
double projectedArea(const Aircraft& ac, int w)
{
    double area = 0;
    for (int k = 1; k < ac.StationCount[w]; ++k) {
        const double width = ac.StationProjectedY[k][w] - ac.StationProjectedY[k - 1][w];
        area += width * (ac.StationChord[k - 1][w] + ac.StationChord[k][w]) / 2;
    }
    return 2 * area;
}

} // namespace

WingLabels evaluateWing(Aircraft& ac, const WingTexts& texts, int w, ResultsAfterPass results)
{
    if (results == ResultsAfterPass::GoStale)
        ac.ResultsValid = false;

    const Wing wing = readWing(texts);
    ac.rootGap[w] = wing.rootGap;
    ac.StationChordMm[0][w] = wing.rootChord;
    // Stations accumulate in 64 bits so that huge widths saturate instead of wrapping around.
    std::int64_t y = wing.rootGap;
    for (int k = 1; k <= MaxTrapezoids; ++k) {
        y = std::min<std::int64_t>(y + wing.trapezoids[k].width, INT32_MAX);
        ac.StationYMm[k][w] = static_cast<std::int32_t>(y);
        ac.StationChordMm[k][w] = wing.trapezoids[k].tipChord;
        ac.StationOffsetMm[k][w] = wing.trapezoids[k].tipOffset;
    }

    int count = texts.trapezoidCount;
    if (count < 1 || count > MaxTrapezoids)
        count = 1;
    ac.StationCount[w] = count + 1;

    WingLabels labels;
    for (int s = 0; s < MaxStations; ++s) {
        const double ys = s == 0 ? ac.rootGap[w] : ac.StationYMm[s][w];
        const double xs = s == 0 ? 0.0 : ac.StationOffsetMm[s][w];
        ac.StationLeX[s][w] = ac.posX[w] + xs;
        ac.StationY[s][w] = ys;
        ac.StationChord[s][w] = ac.StationChordMm[s][w];
        labels.stations[s] = formatInt(static_cast<std::int64_t>(ys));
    }

    foldStations(ac, wing, w);

    PlanformFigures f = NTRAP_SPEZIAL(w, ac.StationCount[w], ac.StationLeX, ac.StationY, ac.StationChord);
    f.r25 -= ac.posX[w];
    ac.WingSpan[w] = f.span;
    ac.WingArea[w] = f.area;
    ac.WingMac[w] = f.mac;
    ac.WingAspectRatio[w] = f.aspectRatio;
    ac.WingR25[w] = f.r25;
    ac.WingProjectedSpan[w] = 2 * ac.StationProjectedY[ac.StationCount[w] - 1][w];
    ac.WingProjectedArea[w] = projectedArea(ac, w);

    labels.macLeading = f.r25 - f.mac / 4;
    labels.macTrailing = labels.macLeading + f.mac;
    const MeanChord placed = meanChordOf(ac, w, false);
    ac.WingMacLeadingX[w] = placed.leadingX;
    ac.WingMacY[w] = placed.y;

    const LabelWidths& lw = kLabelWidths[w];
    labels.span = formatFixed(f.span, 0, lw.span) + "mm";
    labels.area = formatFixed(f.area / 10000, 2, lw.area) + "dm^2";
    labels.mac = formatFixed(f.mac, 1, lw.mac) + "mm";
    labels.r25 = formatFixed(f.r25, 1, lw.r25) + "mm";
    labels.aspectRatio = formatFixed(f.aspectRatio, 1, lw.aspectRatio);
    return labels;
}

WingLabels labelsInUnits(WingLabels labels, const Aircraft& ac, int w, UnitSystem u)
{
    if (u == UnitSystem::Metric)
        return labels;
    const LabelWidths& lw = kLabelWidths[w];
    const std::string unit(unitName(Quantity::Length, u));
    const auto length = [&](double mm, int width) { return shownFigure(mm, Quantity::Length, u, 0, width) + unit; };
    labels.span = length(ac.WingSpan[w], lw.span);
    labels.area = shownFigure(ac.WingArea[w], Quantity::Area, u, 2, lw.area) + std::string(unitName(Quantity::Area, u));
    labels.mac = length(ac.WingMac[w], lw.mac);
    labels.r25 = length(ac.WingR25[w], lw.r25);
    for (int s = 0; s < MaxStations; ++s)
        labels.stations[s] = shownFigure(s == 0 ? ac.rootGap[w] : ac.StationYMm[s][w], Quantity::Length, u, 0);
    return labels;
}

} // namespace ab
