// SPDX-License-Identifier: GPL-3.0-or-later
#include "draw/stability_overlay_drawing.h"

#include "draw/colours.h"
#include "views/mark_labels.h"

#include <QFontMetrics>

#include <algorithm>
#include <string>

namespace ab {
namespace {

void line(Canvas& c, int x1, int y1, int x2, int y2)
{
    c.moveTo(x1, y1);
    c.lineTo(x2, y2);
}

// The usual centre-of-gravity symbol: a circle in quarters, the upper right and lower left filled.
void quarteredCircle(Canvas& c, int x, int y, const QColor& ink)
{
    const int r = SymbolRadius;
    c.setPenWidth(1);
    c.setPen(ink);
    c.setBrush(clWhite);
    c.ellipse(x - r, y - r, x + r + 2, y + r + 2);
    c.setBrush(ink);
    c.pie(x - r, y - r, x + r + 2, y + r + 2, 0, 90 * 16);
    c.pie(x - r, y - r, x + r + 2, y + r + 2, 180 * 16, 90 * 16);
}

// The neutral point: a diamond outlined in red, white inside.
void diamond(Canvas& c, int x, int y)
{
    const int r = SymbolRadius + 1;
    c.setPenWidth(2);
    c.setPen(clRed);
    c.setBrush(clWhite);
    c.polygon({QPoint(x, y - r), QPoint(x + r, y), QPoint(x, y + r), QPoint(x - r, y)});
    c.setPenWidth(1);
}

struct Label {
    std::string text;
    QColor ink;
    int anchorRow;
};

} // namespace

OverlayDrawn drawStabilityOverlay(Canvas& c, const StabilityOverlay& o, const std::vector<Polyline>& outlines)
{
    const CanvasState before = c.state();
    const OverlayMarks& m = o.marks;
    const int x = m.centreColumn;
    OverlayDrawn drawn;
    std::vector<PixelRect>& covered = drawn.covered;

    // The band across the aircraft, the ground showing through it, its edges drawn solid.
    const PixelRect& b = m.band;
    c.shade(b.left, b.top, b.right, b.bottom, BandShade);
    c.setPenWidth(1);
    c.setPen(BandEdge);
    line(c, b.left, b.top, b.right, b.top);
    line(c, b.left, b.bottom - 1, b.right, b.bottom - 1);
    covered.push_back(b);

    const QFontMetrics metrics(c.state().font);
    const int textHeight = metrics.height();
    c.setBrush(clInfoBk);

    // The reference chord on the left half at its station, its leading edge marked across it.
    if (m.macShown) {
        c.setPenWidth(2);
        c.setPen(clBlack);
        line(c, m.macColumn, m.macFrontRow, m.macColumn, m.macRearRow);
        line(c, m.macColumn - 5, m.macFrontRow, m.macColumn + 5, m.macFrontRow);
        c.setPenWidth(1);
        const QString mac = QString::fromStdString(o.labels.mac);
        const int width = metrics.horizontalAdvance(mac);
        // Inside the wing, left of the chord just behind its leading edge (right of it at the image's edge).
        const int labelX = m.macColumn - 4 - width >= 0 ? m.macColumn - 4 - width : m.macColumn + 4;
        const int labelY = m.macFrontRow + 3;
        c.setFontColour(clBlack);
        c.textOut(labelX, labelY, mac);
        covered.push_back({m.macColumn - 6, m.macFrontRow - 1, m.macColumn + 7, m.macRearRow + 2});
        covered.push_back({labelX, labelY, labelX + width, labelY + textHeight});
    }

    // The symbols on the centre line: the neutral point first, the measured and the recommended
    // centre of gravity over it where they come close.
    std::vector<int> rows{m.cgRow, m.neutralRow};
    diamond(c, x, m.neutralRow);
    if (m.measuredRow) {
        quarteredCircle(c, x, *m.measuredRow, MeasuredCgColour);
        rows.push_back(*m.measuredRow);
    }
    quarteredCircle(c, x, m.cgRow, clBlack);
    std::vector<PixelRect> symbols;
    for (int row : rows)
        symbols.push_back({x - SymbolRadius - 2, row - SymbolRadius - 2, x + SymbolRadius + 3, row + SymbolRadius + 3});
    covered.insert(covered.end(), symbols.begin(), symbols.end());

    // The labels in a column right of the symbols, each as near its mark as the others leave room
    // for, on the note colour so that they read over the pressure colours, with a leader line from
    // the symbol to a label that had to move.
    std::vector<Label> labels{{o.labels.band, BandEdge, b.top},
                              {o.labels.centreOfGravity, clBlack, m.cgRow},
                              {o.labels.neutralPoint, clRed, m.neutralRow}};
    if (m.measuredRow)
        labels.push_back({o.labels.measured, MeasuredCgColour, *m.measuredRow});
    std::vector<MarkLabel> boxes;
    for (const Label& l : labels)
        boxes.push_back({l.anchorRow, metrics.horizontalAdvance(QString::fromStdString(l.text)), textHeight});
    const std::vector<PixelRect> placed = placeMarkLabels(boxes, symbols, c.width(), c.height(), outlines);
    c.setBrush(clInfoBk);
    for (std::size_t i = 0; i < labels.size(); ++i) {
        const PixelRect& r = placed[i];
        const int middle = (r.top + r.bottom) / 2;
        c.setPen(labels[i].ink);
        line(c, x + SymbolRadius + 3, labels[i].anchorRow, r.left - 2, middle);
        covered.push_back({x + SymbolRadius + 2, std::min(labels[i].anchorRow, middle) - 1, r.left - 1,
                           std::max(labels[i].anchorRow, middle) + 2});
        c.setFontColour(labels[i].ink);
        c.textOut(r.left, r.top, QString::fromStdString(labels[i].text));
        covered.push_back(r);
        drawn.labels.push_back(r);
    }

    c.setPen(before.penColour);
    c.setPenWidth(before.penWidth);
    c.setBrush(before.brushColour);
    c.setFontColour(before.fontColour);
    return drawn;
}

} // namespace ab
