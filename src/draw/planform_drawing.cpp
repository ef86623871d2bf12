// SPDX-License-Identifier: GPL-3.0-or-later
#include "draw/planform_drawing.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>

#include "draw/colours.h"
#include "views/front_view.h"

#include <optional>

namespace ab {
namespace {

// Corners of the four trapezoids of the sketch, and per trapezoid its inner and outer column and
// the rows of its tip leading and trailing edge.
const std::vector<QPoint> kSketchTrapezoids[MaxTrapezoids + 1] = {
    {},
    {{107, 31}, {314, 72}, {314, 187}, {107, 196}, {107, 31}},
    {{314, 72}, {519, 86}, {519, 187}, {314, 187}, {314, 72}},
    {{519, 86}, {619, 115}, {619, 175}, {519, 187}, {519, 86}},
    {{619, 115}, {688, 145}, {688, 195}, {619, 175}, {619, 115}},
};
struct SketchDimension {
    int inner, outer, leading, trailing;
};
// Left column of the angle mark right of each trapezoid's dihedral field (the field lies under the
// width's, on the dimension line).
constexpr int kSketchDihedralMarks[MaxTrapezoids + 1] = {0, 231, 423, 591, 671};
// The column where the texts left of the root end: the root station's label stands right of it.
constexpr int kSketchTextRight = 101;
constexpr SketchDimension kSketchDimensions[MaxTrapezoids + 1] = {
    {}, {107, 314, 72, 187}, {314, 519, 86, 187}, {519, 619, 115, 175}, {619, 688, 145, 195}};

void line(Canvas& c, int x1, int y1, int x2, int y2)
{
    c.moveTo(x1, y1);
    c.lineTo(x2, y2);
}

// Horizontal dimension with a head at each end.
void PfeilH2(Canvas& c, int x1, int y1, int x2, int y2)
{
    line(c, x1, y1, x2, y2);
    c.polygon({{x1, y1}, {x1 + 11, y1 - 2}, {x1 + 11, y1 + 2}});
    c.polygon({{x2, y2}, {x2 - 11, y2 - 2}, {x2 - 11, y2 + 2}});
}

// Vertical arrow with its head at the end.
void PfeilV1(Canvas& c, int x1, int y1, int x2, int y2)
{
    line(c, x1, y1, x2, y2);
    c.polygon({{x2, y2}, {x2 + 2, y2 - 11}, {x2 - 2, y2 - 11}});
}

// Vertical dimension with a head at each end.
void PfeilV2(Canvas& c, int x1, int y1, int x2, int y2)
{
    line(c, x1, y1, x2, y2);
    c.polygon({{x1, y1}, {x1 + 2, y1 + 11}, {x1 - 2, y1 + 11}});
    c.polygon({{x2, y2}, {x2 + 2, y2 - 11}, {x2 - 2, y2 - 11}});
}

} // namespace

void drawSketch(Canvas& c, int count, const QString& flightDirection)
{
    c.setBrush(clSilver);
    c.setPen(clSilver);
    c.rectangle(0, 0, c.width(), c.height());

    c.setPenWidth(4);
    c.setPen(QColor(0, 255, 255));
    c.setBrush(clWhite);
    for (int k = 1; k <= count; ++k)
        c.polygon(kSketchTrapezoids[k]);

    c.setPenWidth(1);
    c.setPen(clBlack);
    c.setBrush(clBlack);
    PfeilH2(c, 3, 31, 740, 31);
    PfeilV1(c, 3, 1, 3, 199);
    PfeilH2(c, 3, 31, 107, 31);
    PfeilV2(c, 107, 31, 107, 196);
    for (int k = 1; k <= count; ++k) {
        const SketchDimension& d = kSketchDimensions[k];
        PfeilH2(c, d.inner, 31, d.outer, 31);
        PfeilV1(c, d.outer, 31, d.outer, d.leading);
        PfeilV2(c, d.outer, d.leading, d.outer, d.trailing);
    }

    // The dihedral: a small angle between the span line and a raised panel, on a clear patch.
    for (int k = 1; k <= count; ++k) {
        const int x = kSketchDihedralMarks[k], y = 49;
        c.setPen(clSilver);
        c.setBrush(clSilver);
        c.rectangle(x, y, x + 17, y + 15);
        c.setPen(clBlack);
        line(c, x + 1, y + 12, x + 16, y + 12);
        line(c, x + 1, y + 12, x + 14, y + 3);
        line(c, x + 9, y + 12, x + 8, y + 8); // the arc of the angle, in one stroke
    }

    c.setPen(clRed);
    c.setBrush(clRed);
    line(c, 10, 26, 10, 1);
    c.polygon({{10, 1}, {12, 12}, {8, 12}});

    // The flight direction stands right of its arrow and ends before the root's station label (over
    // column 103), above the root gap's field: a text too long for that room is set smaller.
    c.setBrush(clSilver);
    c.setFontColour(clRed);
    const QString direction = flightDirection.trimmed();
    const QFont usual = c.state().font;
    QFont smaller = usual;
    for (int size = QFontInfo(usual).pixelSize();
         size > 8 && 17 + QFontMetrics(smaller).horizontalAdvance(direction) > kSketchTextRight; --size)
        smaller.setPixelSize(size - 1);
    c.setFont(smaller);
    c.textOut(17, 1, direction);
    c.setFont(usual);
    c.setFontColour(clBlack);
    c.textOut(8, 174, "x");
    // The span's letter under the end of its arrow, clear of the outer station's label above it.
    c.textOut(736, 34, "y");
}

void drawViewAxes(Canvas& c, int ox, int oy)
{
    const int W = c.width(), H = c.height();
    c.setPen(clBlack);
    line(c, W, oy, 0, oy);
    line(c, ox, 0, ox, H);
    c.lineTo(ox + 2, H - 10);
    line(c, ox, H, ox - 2, H - 10);
    line(c, W - 10, oy + 2, W, oy);
    c.lineTo(W - 10, oy - 2);

    c.setPen(clRed);
    line(c, ox + 20, 30, ox + 20, 3);
    c.lineTo(ox + 18, 13);
    line(c, ox + 20, 3, ox + 22, 13);
}

void drawPlanformView(Canvas& c, const Aircraft& ac, int w, const ViewMapping& m, bool resultsValid)
{
    const int W = c.width(), H = c.height(), ox = m.originX, oy = m.originY;
    c.setBrush(clInfoBk);
    c.rectangle(0, 0, W, H); // its border keeps the pen of the previous drawing

    drawViewAxes(c, ox, oy);

    const PlanformMarks k = planformMarks(ac, w, m);
    c.setPenWidth(2);
    line(c, ox - 1, k.r25Row, ox + 2, k.r25Row);
    c.setPenWidth(1);
    line(c, ox, k.macFrontRow, ox, k.macRearRow);

    if (resultsValid) {
        c.setPen(clBlack);
        line(c, ox - 3, k.neutralRow, ox + 4, k.neutralRow);
        line(c, k.crossLeft, k.crossRow, k.crossRight, k.crossRow);
        line(c, k.crossColumn, k.crossTop, k.crossColumn, k.crossBottom);
    }

    c.setPen(wingColour(w));
    for (const Polyline& p : wingOutline(ac, w, m))
        c.polyline(p);

    // A wing with dihedral shows its half wing from the front above the left half of its planform,
    // with the root's height as a grey line.
    if (const std::optional<FrontView> front = frontView(ac, w, m.scale, 6, 6, ox, oy - 6)) {
        c.setPen(clGray);
        c.polyline(front->rootLevel);
        c.setPen(wingColour(w));
        c.setPenWidth(2);
        c.polyline(front->wing);
        c.setPenWidth(1);
    }

    c.textOut(ox + 5, H - 20, "x");
    c.textOut(W - 18, oy - 17, "y");
}

void drawDragOutline(QImage& image, const Aircraft& ac, int w, const ViewMapping& m)
{
    QPainter p(&image);
    QPen pen(wingColour(w), 1, Qt::DashLine);
    p.setPen(pen);
    for (const Polyline& line : wingOutline(ac, w, m)) {
        QPolygon polygon;
        for (const auto& point : line)
            polygon << QPoint(point.x, point.y);
        p.drawPolyline(polygon);
    }
}

} // namespace ab
