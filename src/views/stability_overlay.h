// SPDX-License-Identifier: GPL-3.0-or-later
// Where the stability display goes in the aircraft top view beside the wings: the recommended band
// of the centre of gravity across the aircraft, the symbols of the neutral point and the centres of
// gravity on the centre line with their labels stacked clear of each other, the reference chord on
// the left half, and the block of stability texts moved clear of every wing outline. Pixels, no
// window library: the screen, the printed page and the tests use the same rules.
#pragma once

#include "model/aircraft.h"
#include "stability/stability.h"
#include "views/view_geometry.h"

#include <optional>
#include <vector>

namespace ab {

// A rectangle of pixels, right and bottom exclusive.
struct PixelRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const PixelRect&) const = default;
    bool empty() const { return right <= left || bottom <= top; }
    bool intersects(const PixelRect& o) const
    {
        return !empty() && !o.empty() && left < o.right && o.left < right && top < o.bottom && o.top < bottom;
    }
};

// The band is never drawn thinner than this, so that a narrow range stays visible.
inline constexpr int MinBandHeight = 3;

// The band, the symbols and the reference chord of the top view.
struct OverlayMarks {
    int centreColumn = 0;
    PixelRect band;                  // across the widest wing in use, between the band's front and rear rows
    int neutralRow = 0;              // the neutral point's symbol
    int cgRow = 0;                   // the centre of gravity's: mid-band (automatic) or the desired one
    std::optional<int> measuredRow;  // the measured centre of gravity, when there is one
    // The reference chord on the left half at its station, from its leading edge to its trailing edge.
    bool macShown = false;
    int macColumn = 0, macFrontRow = 0, macRearRow = 0;
};
OverlayMarks overlayMarks(const Aircraft& aircraft, const StabilityFigures& figures, bool automatic,
                          std::optional<double> measuredCgX, const TopViewLayout& layout, int width);

// The top of each label of one height, each wanted centred on its row: taken in row order, a label
// that would overlap the one above it moves down (gap pixels between them), and the stack moves up
// where it would run below maxBottom, never above minTop. Results in the order of wantedRows.
std::vector<int> stackedLabelTops(const std::vector<int>& wantedRows, int height, int gap, int minTop, int maxBottom);

// Where the stability texts stand: their top-left corner, and the size of the block they fill.
inline constexpr Pixel DefaultTextBlockCorner{9, ReferenceAreaRow};
struct TextBlock {
    Pixel corner = DefaultTextBlockCorner;
    int width = 0, height = 0;
    PixelRect rect() const { return {corner.x, corner.y, corner.x + width, corner.y + height}; }
    // How far the texts moved from their rows 232 .. 298.
    int dx() const { return corner.x - DefaultTextBlockCorner.x; }
    int dy() const { return corner.y - DefaultTextBlockCorner.y; }
};

// The places the block may take on an image of width x height, in the order they are tried: its own
// place at column 9 from row 232, then the left and the right edge (9 pixels in) at rows ever further
// from row 232 in steps of TextBlockStep pixels: at each distance above before below, left before
// right. Places that would leave the image are left out; the block's own place always stays first.
inline constexpr int TextBlockStep = 4;
std::vector<Pixel> textBlockCandidates(int blockWidth, int blockHeight, int width, int height);

// How much of the wing outlines a rectangle covers: the length of outline lines inside it, plus its
// width and height for every outline it lies inside. 0: the rectangle is clear of the wings.
double outlineCovered(const PixelRect& rect, const std::vector<Polyline>& outlines);

// The first candidate where the block, with TextBlockClearance pixels around it, neither meets a wing
// outline nor lies inside one, and covers none of the other marks (obstacles). When every place is
// taken, the one covering the least outline, then the least of the marks (the earlier on a tie).
inline constexpr int TextBlockClearance = 3;
TextBlock placeTextBlock(int blockWidth, int blockHeight, int width, int height,
                         const std::vector<Polyline>& outlines, const std::vector<PixelRect>& obstacles);

// The outlines of wings 1..wingCount in the top view, both halves.
std::vector<Polyline> topViewOutlines(const Aircraft& aircraft, int wingCount, const TopViewLayout& layout);

// The pointer lines from the texts where the block stands to their marks: the stub leaves the
// block's side towards the centre line 2 pixels out, 14 long, at the middle of its text row
// (rows 266, 282 and 298 moved with the block), and runs on to 7 pixels before the centre line.
std::vector<PointerLine> pointerLines(const StabilityMarks& marks, bool automatic, const TextBlock& block,
                                      int lineHeight);

} // namespace ab
