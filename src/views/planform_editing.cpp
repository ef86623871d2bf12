// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/planform_editing.h"

#include "model/numbers.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace ab {
namespace {

bool leadingEdgeTip(int corner) { return corner >= 5 && (corner - 5) % 4 < 2; }
int stationOf(int corner) { return corner < 5 ? 0 : (corner - 5) / 4 + 1; }
bool leftHalf(int corner) { return corner % 2 == 0; }

// A value as a field text: the nearest whole millimetre, halves away from zero, held within 32 bits.
std::string millimetres(double v)
{
    if (!std::isfinite(v))
        v = v < 0 ? INT32_MIN : INT32_MAX;
    v = std::clamp(std::round(v), double(INT32_MIN), double(INT32_MAX));
    return formatInt(static_cast<std::int64_t>(v));
}

} // namespace

std::array<CornerOffset, CornerCount + 1> cornerOffsets(const Aircraft& ac, int w, double s)
{
    std::array<CornerOffset, CornerCount + 1> c{};
    const double y0 = ac.rootGap[w], c0 = ac.StationChordMm[0][w];
    c[1] = {s * y0, 0};
    c[2] = {-s * y0, 0};
    c[3] = {s * y0, s * c0};
    c[4] = {-s * y0, s * c0};
    for (int k = 1; k <= MaxTrapezoids; ++k) {
        const double y = ac.StationYMm[k][w], x = ac.StationOffsetMm[k][w], ck = ac.StationChordMm[k][w];
        const int first = 5 + 4 * (k - 1);
        c[first] = {s * y, s * x};
        c[first + 1] = {-s * y, s * x};
        c[first + 2] = {s * y, s * (x + ck)};
        c[first + 3] = {-s * y, s * (x + ck)};
    }
    return c;
}

int hitCorner(const Aircraft& ac, int w, const ViewMapping& m, int x, int y)
{
    const double u = x - m.originX, v = y - m.originY;
    const auto corners = cornerOffsets(ac, w, m.scale);
    int hit = 0;
    for (int k = 1; k <= CornerCount; ++k)
        if (std::fabs(u - corners[k].dx) < 3 && std::fabs(v - corners[k].dy) < 3)
            hit = k;
    return hit;
}

CornerCursor cornerCursor(int corner)
{
    if (corner <= 0 || corner > CornerCount)
        return CornerCursor::Cross;
    if (corner <= 2)
        return CornerCursor::SizeWE;
    return leadingEdgeTip(corner) ? CornerCursor::SizeAll : CornerCursor::SizeNS;
}

std::vector<Role> fieldsOfCorner(int corner, bool shiftOnly)
{
    if (corner <= 0 || corner > CornerCount)
        return {};
    if (corner <= 2)
        return {Role::RootGap};
    if (corner <= 4)
        return {Role::RootChord};
    const int k = stationOf(corner);
    if (!leadingEdgeTip(corner))
        return {tipChordRole(k)};
    std::vector<Role> roles{tipOffsetRole(k), widthRole(k)};
    if (shiftOnly)
        for (int outer = k + 1; outer <= MaxTrapezoids; ++outer)
            roles.push_back(tipOffsetRole(outer));
    return roles;
}

std::vector<FieldChange> dragWrites(const Aircraft& ac, int w, int corner, double s, int dX, int dY, bool shiftOnly,
                                    std::string_view rootGapText)
{
    std::vector<FieldChange> writes;
    if (corner <= 0 || corner > CornerCount || !(s > 0) || !std::isfinite(s))
        return writes;
    const double mx = dX / s, my = dY / s;
    auto y = [&](int k) { return k == 0 ? double(ac.rootGap[w]) : double(ac.StationYMm[k][w]); };
    auto x = [&](int k) { return double(ac.StationOffsetMm[k][w]); };
    auto write = [&](Role role, double value) { writes.push_back({w, role, millimetres(value)}); };

    if (corner == 1) {
        write(Role::RootGap, std::max(y(0) + mx, 0.0));
    } else if (corner == 2) {
        // A closed gap opens to either side; an open one closes at the centre line.
        const double gap = y(0) - mx;
        write(Role::RootGap, gap >= 0 ? gap : rootGapText == "0" ? -gap : 0.0);
    } else if (corner <= 4) {
        write(Role::RootChord, ac.StationChordMm[0][w] + my);
    } else {
        const int k = stationOf(corner);
        if (!leadingEdgeTip(corner)) {
            write(tipChordRole(k), ac.StationChordMm[k][w] + my);
        } else {
            write(tipOffsetRole(k), x(k) + my);
            write(widthRole(k), (y(k) - y(k - 1)) + (leftHalf(corner) ? -mx : mx));
            if (shiftOnly)
                for (int outer = k + 1; outer <= MaxTrapezoids; ++outer)
                    write(tipOffsetRole(outer), x(outer) + my);
        }
    }
    return writes;
}

BarSteps threeDDragSteps(Pixel& anchor, Pixel p, bool left, bool right)
{
    // The anchor moves by the pixels the steps use: the rest of a move counts with the next one,
    // so that a slow drag of one or two pixels per move turns as far as a fast one.
    auto used = [](int& from, int to) {
        const int steps = (to - from) / 3;
        from += 3 * steps;
        return steps;
    };
    BarSteps steps;
    if (left) {
        steps.elevation -= used(anchor.y, p.y);
        steps.azimuth += used(anchor.x, p.x);
    }
    if (right) {
        steps.size -= used(anchor.y, p.y);
        steps.azimuth += used(anchor.x, p.x);
    }
    return steps;
}

int topViewZoomStep(Pixel& anchor, Pixel p)
{
    const int steps = (p.y - anchor.y) / 3;
    anchor.y += 3 * steps;
    anchor.x = p.x;
    return -steps;
}

} // namespace ab
