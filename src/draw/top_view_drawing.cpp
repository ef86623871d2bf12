// SPDX-License-Identifier: GPL-3.0-or-later
#include "draw/top_view_drawing.h"

#include "draw/colours.h"
#include "draw/planform_drawing.h"
#include "views/fuselage_view.h"

#include <QFontMetrics>

namespace ab {
namespace {

const QColor cl3DLight{227, 227, 227};

void line(Canvas& c, int x1, int y1, int x2, int y2)
{
    c.moveTo(x1, y1);
    c.lineTo(x2, y2);
}

QColor inkOf(StabilityInk ink)
{
    return ink == StabilityInk::Blue ? clBlue : ink == StabilityInk::Red ? clRed : clBlack;
}

} // namespace

void drawTopView(Canvas& c, const Aircraft& ac, int wingCount, const TopViewLayout& l, const QString& flightDirection)
{
    const int W = c.width(), H = c.height(), cx = l.centreX, oy = l.offsetY;
    drawViewAxes(c, cx, oy);

    c.setFontColour(clBlack);
    c.textOut(cx + 4, H - 20, "x");
    c.textOut(W - 20, oy - 16, "y");

    // The fuselage under the wings.
    c.setPen(clFuselage);
    for (const Polyline& p : fuselageTopOutline(ac, l, W))
        c.polyline(p);

    const PerWing<int> rank = heightRanks(ac);
    for (int i = 1; i <= MaxWings; ++i)
        for (int w = 1; w <= std::min(wingCount, MaxWings); ++w)
            if (rank[w] == i) {
                c.setPen(wingColour(w));
                for (const Polyline& p :
                     wingOutline(ac, w, topViewWingMapping(ac, w, l.scale, cx, oy), OutlineSpan::SeenFromAbove))
                    c.polyline(p);
            }

    c.setFontColour(clRed);
    c.textOut(cx + 29, 2, flightDirection);
}

void drawLattice(Canvas& c, const Aircraft& ac, const SolverData& sd, const TopViewLayout& l,
                 std::optional<int> pressureContrast)
{
    const PerWing<int> rank = heightRanks(ac);
    const int wings = std::clamp(ac.ActiveWingCount, 1, MaxWings);
    for (int i = 1; i <= MaxWings; ++i)
        for (int w = 1; w <= wings; ++w) {
            if (rank[w] != i)
                continue;
            for (const LatticeCell& cell : latticeCells(sd.lattice[w], sd.counts.ChordwiseCount[w], l.scale, l.offsetY, c.width())) {
                c.setPen(wingColour(w));
                if (pressureContrast)
                    if (const std::optional<Rgb> colour = pressureColour(cell.pressure, *pressureContrast)) {
                        const QColor shade(colour->r, colour->g, colour->b);
                        c.setPen(shade);
                        c.setBrush(shade);
                    }
                std::vector<QPoint> corners;
                for (const Pixel& p : cell.corner)
                    corners.emplace_back(p.x, p.y);
                c.polygon(corners);
            }
        }
    c.setBrush(clInfoBk);
}

void drawReferenceOutline(Canvas& c, const SolverData& sd, const TopViewLayout& l)
{
    if (sd.ReferenceOutline.empty())
        return;
    std::vector<QPoint> points;
    for (const OutlinePoint& p : sd.ReferenceOutline) {
        const Pixel px = topViewPoint(p.x, p.y, l.scale, l.offsetY, c.width());
        points.emplace_back(px.x, px.y);
    }
    c.setPenWidth(1);
    c.setPen(cl3DLight);
    c.setBrush(cl3DLight);
    c.polygon(points);
    c.setBrush(clInfoBk);
}

void addLatticeInputs(Fingerprint& f, const Aircraft& ac, const SolverData& sd, const TopViewLayout& l,
                      std::optional<int> pressureContrast)
{
    f.add(l.scale);
    f.add(l.centreX);
    f.add(l.offsetY);
    f.add(pressureContrast.has_value());
    f.add(pressureContrast.value_or(0));
    for (const OutlinePoint& p : sd.ReferenceOutline) {
        f.add(p.x);
        f.add(p.y);
    }
    f.add(static_cast<int>(sd.ReferenceOutline.size()));
    const PerWing<int> rank = heightRanks(ac);
    const int wings = std::clamp(ac.ActiveWingCount, 1, MaxWings);
    f.add(wings);
    for (int w = 1; w <= wings; ++w) {
        f.add(rank[w]);
        f.add(sd.counts.ChordwiseCount[w]);
        f.add(static_cast<int>(sd.lattice[w].strips.size()));
        for (const Strip& strip : sd.lattice[w].strips) {
            f.add(strip.YLeft);
            f.add(strip.YRight);
            f.add(strip.PanelEdgeXLeft);
            f.add(strip.PanelEdgeXRight);
            f.add(strip.PanelPressure);
        }
    }
}

std::uint64_t latticeFingerprint(const CanvasState& start, int width, int height, const Aircraft& ac,
                                 const SolverData& sd, const TopViewLayout& l, std::optional<int> pressureContrast)
{
    Fingerprint f;
    f.add(width);
    f.add(height);
    f.add(start.brushColour);
    f.add(start.penWidth);
    addLatticeInputs(f, ac, sd, l, pressureContrast);
    return f.value;
}

void drawStabilityDisplay(Canvas& c, const std::vector<StabilityRow>& rows, const StabilityMarks& m, bool automatic,
                          bool onReferenceColour)
{
    drawStabilityTexts(c, rows, TextBlock{}, onReferenceColour);
    drawStabilityMarks(c, m, automatic);
}

StabilityTextsSize measureStabilityTexts(const Canvas& c, const std::vector<StabilityRow>& rows)
{
    const QFontMetrics metrics(c.state().font);
    StabilityTextsSize size;
    size.lineHeight = metrics.height();
    int lastRow = DefaultTextBlockCorner.y;
    for (const StabilityRow& row : rows) {
        size.block.width = std::max(size.block.width, metrics.horizontalAdvance(QString::fromStdString(row.text)));
        lastRow = std::max(lastRow, row.row);
    }
    size.block.height = lastRow - DefaultTextBlockCorner.y + size.lineHeight;
    return size;
}

void drawStabilityTexts(Canvas& c, const std::vector<StabilityRow>& rows, const TextBlock& block,
                        bool onReferenceColour)
{
    for (const StabilityRow& row : rows) {
        c.setFontColour(inkOf(row.ink));
        if (row.row == ReferenceAreaRow) {
            if (onReferenceColour)
                c.setBrush(cl3DLight);
        } else {
            c.setBrush(clInfoBk);
        }
        c.textOut(9 + block.dx(), row.row + block.dy(), QString::fromStdString(row.text));
    }
}

void drawStabilityMarks(Canvas& c, const StabilityMarks& m, bool automatic)
{
    const int x = m.centreColumn;
    c.setPenWidth(2);
    c.setPen(clRed);
    line(c, x - 4, m.neutralRow, x + 4, m.neutralRow);
    c.setPen(clBlue);
    if (automatic) {
        line(c, x - 3, m.lowRow, x + 3, m.lowRow);
        line(c, x, m.lowRow, x, m.highRow);
        line(c, x - 3, m.highRow, x + 3, m.highRow);
    } else {
        line(c, x - 3, m.desiredRow, x + 3, m.desiredRow);
    }
    c.setPenWidth(1);
}

void drawPointerLines(Canvas& c, const std::vector<PointerLine>& lines)
{
    for (const PointerLine& p : lines) {
        c.setPen(p.neutralPoint ? clRed : clBlue);
        c.moveTo(p.stubStart);
        c.lineTo(p.stubEnd);
        c.lineTo(p.target);
    }
}

} // namespace ab
