// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/stability_overlay.h"

#include "views/segment_clip.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace ab {
namespace {

// The length of the segment a-b inside r.
double lengthInside(Pixel a, Pixel b, const PixelRect& r)
{
    const std::optional<SegmentSpan> span = clipSegment(a.x, a.y, b.x, b.y, r.left, r.top, r.right, r.bottom);
    return span && span->t1 > span->t0 ? (span->t1 - span->t0) * std::hypot(b.x - a.x, b.y - a.y) : 0;
}

// Whether (x, y) lies inside the polygon the polyline closes (even-odd rule).
bool insideClosed(const Polyline& line, double x, double y)
{
    bool inside = false;
    for (std::size_t i = 0, j = line.size() - 1; i < line.size(); j = i++) {
        const Pixel a = line[i], b = line[j];
        if ((a.y > y) != (b.y > y) && x < a.x + (y - a.y) * double(b.x - a.x) / (b.y - a.y))
            inside = !inside;
    }
    return inside;
}

long long overlapArea(const PixelRect& a, const PixelRect& b)
{
    if (!a.intersects(b))
        return 0;
    return (long long)(std::min(a.right, b.right) - std::max(a.left, b.left)) *
           (std::min(a.bottom, b.bottom) - std::max(a.top, b.top));
}

} // namespace

double outlineCovered(const PixelRect& r, const std::vector<Polyline>& outlines)
{
    double covered = 0;
    const double cx = (r.left + r.right) / 2.0, cy = (r.top + r.bottom) / 2.0;
    for (const Polyline& line : outlines) {
        for (std::size_t i = 1; i < line.size(); ++i)
            covered += lengthInside(line[i - 1], line[i], r);
        if (line.size() >= 3 && insideClosed(line, cx, cy))
            covered += (r.right - r.left) + (r.bottom - r.top);
    }
    return covered;
}

OverlayMarks overlayMarks(const Aircraft& ac, const StabilityFigures& f, bool automatic,
                          std::optional<double> measuredCgX, const TopViewLayout& l, int width)
{
    const auto row = [&](double x) { return roundPixel(x * l.scale + l.offsetY); };
    OverlayMarks m;
    m.centreColumn = roundPixel(width / 2.0);

    // Across the widest wing in use as the top view shows it, a few pixels beyond its tips, inside
    // the image.
    double tip = 0;
    for (int w = 1; w <= std::clamp(ac.WingCount, 1, MaxWings); ++w)
        tip = std::max(tip, seenFromAboveY(ac, w, trapezoidCountOf(ac, w)));
    const int halfSpan = roundPixel(tip * l.scale) + 4;
    const CgBand band = recommendedBand(ac, f, automatic);
    int top = row(band.frontX), bottom = row(band.rearX) + 1;
    if (bottom - top < MinBandHeight) {
        top = (top + bottom - MinBandHeight) / 2;
        bottom = top + MinBandHeight;
    }
    m.band = {std::max(m.centreColumn - halfSpan, 0), top, std::min(m.centreColumn + halfSpan + 1, width), bottom};

    m.neutralRow = row(ac.NeutralPointX);
    m.cgRow = row(centreOfGravityInUse(f, automatic).x);
    if (measuredCgX && std::isfinite(*measuredCgX))
        m.measuredRow = row(*measuredCgX);

    m.macShown = std::isfinite(ac.ReferenceMac) && ac.ReferenceMac > 0;
    if (m.macShown) {
        m.macColumn = m.centreColumn - roundPixel(ac.ReferenceMacY * l.scale);
        m.macFrontRow = row(ac.ReferenceMacLeadingX);
        m.macRearRow = row(ac.ReferenceMacLeadingX + ac.ReferenceMac);
    }
    return m;
}

std::vector<int> stackedLabelTops(const std::vector<int>& wantedRows, int height, int gap, int minTop, int maxBottom)
{
    const std::size_t n = wantedRows.size();
    std::vector<std::size_t> order(n);
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return wantedRows[a] < wantedRows[b]; });
    std::vector<int> tops(n);
    for (std::size_t k = 0; k < n; ++k)
        tops[k] = wantedRows[order[k]] - height / 2;
    const int step = height + gap;
    // Down past the label above, then up from the bottom limit, then down from the top limit: when
    // they do not fit, the top limit wins.
    for (std::size_t k = 1; k < n; ++k)
        tops[k] = std::max(tops[k], tops[k - 1] + step);
    if (n > 0)
        tops[n - 1] = std::min(tops[n - 1], maxBottom - height);
    for (std::size_t k = n; k-- > 1;)
        tops[k - 1] = std::min(tops[k - 1], tops[k] - step);
    if (n > 0)
        tops[0] = std::max(tops[0], minTop);
    for (std::size_t k = 1; k < n; ++k)
        tops[k] = std::max(tops[k], tops[k - 1] + step);
    std::vector<int> result(n);
    for (std::size_t k = 0; k < n; ++k)
        result[order[k]] = tops[k];
    return result;
}

std::vector<Pixel> textBlockCandidates(int bw, int bh, int width, int height)
{
    const Pixel own = DefaultTextBlockCorner;
    const int columns[2] = {own.x, width - bw - own.x};
    std::vector<Pixel> places{own};
    const auto fits = [&](Pixel p) { return p.x >= 0 && p.y >= 0 && p.x + bw <= width && p.y + bh <= height; };
    const int reach = std::max(own.y, height - own.y);
    for (int d = 0; d <= reach; d += TextBlockStep)
        for (int x : columns)
            for (int y : {own.y - d, own.y + d}) {
                const Pixel p{x, y};
                if (fits(p) && std::find(places.begin(), places.end(), p) == places.end())
                    places.push_back(p);
            }
    return places;
}

TextBlock placeTextBlock(int bw, int bh, int width, int height, const std::vector<Polyline>& outlines,
                         const std::vector<PixelRect>& obstacles)
{
    TextBlock best{DefaultTextBlockCorner, bw, bh};
    double bestOutline = -1;
    long long bestMarks = 0;
    for (const Pixel& corner : textBlockCandidates(bw, bh, width, height)) {
        const TextBlock block{corner, bw, bh};
        PixelRect around = block.rect();
        around.left -= TextBlockClearance;
        around.top -= TextBlockClearance;
        around.right += TextBlockClearance;
        around.bottom += TextBlockClearance;
        const double outline = outlineCovered(around, outlines);
        long long marks = 0;
        for (const PixelRect& o : obstacles)
            marks += overlapArea(around, o);
        if (outline == 0 && marks == 0)
            return block;
        // Lengths equal to a thousandth of a pixel are equal: the clipping's rounding decides nothing.
        const bool lessOutline = outline < bestOutline - 1e-3;
        const bool sameOutline = !lessOutline && outline < bestOutline + 1e-3;
        if (bestOutline < 0 || lessOutline || (sameOutline && marks < bestMarks)) {
            best = block;
            bestOutline = outline;
            bestMarks = marks;
        }
    }
    return best;
}

std::vector<Polyline> topViewOutlines(const Aircraft& ac, int wingCount, const TopViewLayout& l)
{
    std::vector<Polyline> lines;
    for (int w = 1; w <= std::clamp(wingCount, 1, MaxWings); ++w)
        for (Polyline& p : wingOutline(ac, w, topViewWingMapping(ac, w, l.scale, l.centreX, l.offsetY),
                                       OutlineSpan::SeenFromAbove))
            lines.push_back(std::move(p));
    return lines;
}

std::vector<PointerLine> pointerLines(const StabilityMarks& m, bool automatic, const TextBlock& block, int lineHeight)
{
    const PixelRect r = block.rect();
    const bool leftOfCentre = (r.left + r.right) / 2 < m.centreColumn;
    return pointerLines(m, automatic,
                        PointerStubs{leftOfCentre ? r.right + 2 : r.left - 2, leftOfCentre ? 14 : -14,
                                     leftOfCentre ? m.centreColumn - 7 : m.centreColumn + 7,
                                     block.dy() + lineHeight / 2});
}

} // namespace ab
