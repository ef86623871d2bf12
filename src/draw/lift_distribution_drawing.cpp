// SPDX-License-Identifier: GPL-3.0-or-later
#include "draw/lift_distribution_drawing.h"

#include "draw/colours.h"
#include "lang/lift_plot_texts.h"
#include "lang/units_texts.h"
#include "model/numbers.h"

#include <QFontMetrics>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <iterator>
#include <numbers>
#include <vector>

namespace ab {
namespace {

QString qt(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
QString qt(const Text3& t, Language l) { return qt(t.in(l)); }

QString tickText(const AxisScale& a, int i) { return qt(formatFixed(a.tick(i), a.decimals)); }

// The share of the panels' height the lift panel takes; cl/CL gets the rest.
constexpr double LiftPanelShare = 0.6;

// Sizes that follow the area, so the window, an image and a printed page look alike.
struct Sizes {
    int px;       // font pixel size
    int gap;      // between blocks
    int tick;     // length of a tick mark
    double curve; // width of the curves
    double thin;  // width of frames and grid lines
};

Sizes sizesFor(const QRect& area)
{
    const int px = std::max(8, std::min(area.height() / 40, area.width() / 62));
    return {px, std::max(2, px / 2), std::max(2, px / 3), std::max(2.0, px / 6.0), std::max(1.0, px / 14.0)};
}

QPen pen(const QColor& colour, double width, Qt::PenStyle style = Qt::SolidLine)
{
    return QPen(colour, width, style, Qt::FlatCap, Qt::RoundJoin);
}

// One legend entry: its sample (a line, or the mark's dashed line with its circle) and its text.
struct LegendEntry {
    QPen sample;
    bool mark = false;
    QString text;
};

// The entries placed in rows as wide as `width`, starting at (0, 0); the height of all rows.
struct LegendLayout {
    std::vector<QRect> entries;
    int height = 0;
};

LegendLayout layOutLegend(const std::vector<LegendEntry>& entries, const QFontMetrics& fm, const Sizes& z, int width)
{
    LegendLayout l;
    const int sampleWidth = 3 * z.px, rowHeight = fm.height();
    int x = 0, y = 0;
    for (const LegendEntry& e : entries) {
        // A little room over the measured advance, so that no text is shortened by its rounding.
        const int w = std::min(width, sampleWidth + z.gap + fm.horizontalAdvance(e.text) + z.gap);
        if (x > 0 && x + w > width)
            x = 0, y += rowHeight;
        l.entries.emplace_back(x, y, w, rowHeight);
        x += w + 2 * z.px;
    }
    l.height = entries.empty() ? 0 : y + rowHeight;
    return l;
}

void drawLegend(QPainter& p, const std::vector<LegendEntry>& entries, const LegendLayout& layout, QPoint origin,
                const Sizes& z)
{
    const QFontMetrics fm = p.fontMetrics();
    const int sampleWidth = 3 * z.px;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const QRect r = layout.entries[i].translated(origin);
        const LegendEntry& e = entries[i];
        const double mid = r.center().y() + 0.5;
        p.setPen(e.sample);
        if (e.mark) {
            const double cx = r.left() + sampleWidth / 2.0;
            p.drawLine(QPointF(cx, r.top()), QPointF(cx, r.bottom()));
            p.setBrush(e.sample.color());
            p.setPen(pen(e.sample.color(), z.thin));
            p.drawEllipse(QPointF(cx, mid), z.px / 3.0, z.px / 3.0);
            p.setBrush(Qt::NoBrush);
        } else {
            p.drawLine(QPointF(r.left(), mid), QPointF(r.left() + sampleWidth, mid));
        }
        p.setPen(clBlack);
        const QRect text(r.left() + sampleWidth + z.gap, r.top(), r.width() - sampleWidth - z.gap, r.height());
        p.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, fm.elidedText(e.text, Qt::ElideRight, text.width()));
    }
}

// A panel's frame, its horizontal grid with the value ticks and labels on the left, the vertical grid
// of the span ticks, and the axis title turned up the left edge at `titleX`: the first of `titles`
// that fits the panel's height, else the last one shortened.
void drawPanel(QPainter& p, const QRect& panel, const AxisScale& values, const AxisScale& span,
               std::initializer_list<QString> titles, int titleX, const Sizes& z)
{
    const QFontMetrics fm = p.fontMetrics();
    const QPen grid = pen(QColor(225, 225, 225), z.thin);
    const QPen axis = pen(clBlack, z.thin);
    for (int i = 0; i < values.tickCount(); ++i) {
        const double y = panel.top() + (1 - values.fraction(values.tick(i))) * panel.height();
        p.setPen(grid);
        p.drawLine(QPointF(panel.left(), y), QPointF(panel.left() + panel.width(), y));
        p.setPen(axis);
        p.drawLine(QPointF(panel.left() - z.tick, y), QPointF(panel.left(), y));
        const QRectF label(panel.left() - z.tick - z.gap - 20 * z.px, y - fm.height() / 2.0, 20 * z.px, fm.height());
        p.drawText(label, Qt::AlignRight | Qt::AlignVCenter, tickText(values, i));
    }
    for (int i = 0; i < span.tickCount(); ++i) {
        const double x = panel.left() + span.fraction(span.tick(i)) * panel.width();
        p.setPen(grid);
        p.drawLine(QPointF(x, panel.top()), QPointF(x, panel.top() + panel.height()));
        p.setPen(axis);
        p.drawLine(QPointF(x, panel.top() + panel.height()), QPointF(x, panel.top() + panel.height() + z.tick));
    }
    // The zero line stands out where the values run below it.
    if (values.low < 0) {
        const double y = panel.top() + (1 - values.fraction(0)) * panel.height();
        p.setPen(pen(clGray, z.thin));
        p.drawLine(QPointF(panel.left(), y), QPointF(panel.left() + panel.width(), y));
    }
    p.setPen(axis);
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(panel.left(), panel.top(), panel.width(), panel.height()));

    p.save();
    p.translate(titleX, panel.top() + panel.height() / 2.0);
    p.rotate(-90);
    const QRectF titleRect(-panel.height() / 2.0, 0, panel.height(), fm.height());
    QString title = *std::prev(titles.end());
    for (const QString& t : titles)
        if (fm.horizontalAdvance(t) <= panel.height()) {
            title = t;
            break;
        }
    p.drawText(titleRect, Qt::AlignCenter, fm.elidedText(title, Qt::ElideRight, panel.height()));
    p.restore();
}

QPainterPath pathThrough(const std::vector<QPointF>& points)
{
    QPainterPath path;
    for (std::size_t i = 0; i < points.size(); ++i)
        i == 0 ? path.moveTo(points[i]) : path.lineTo(points[i]);
    return path;
}

} // namespace

QPointF LiftPlotGeometry::liftPoint(double y, double localLift) const
{
    return {liftPanel.left() + span.fraction(y) * liftPanel.width(),
            liftPanel.top() + (1 - lift.fraction(localLift)) * liftPanel.height()};
}

QPointF LiftPlotGeometry::ratioPoint(double y, double clOverCL) const
{
    return {ratioPanel.left() + span.fraction(y) * ratioPanel.width(),
            ratioPanel.top() + (1 - ratio.fraction(clOverCL)) * ratioPanel.height()};
}

LiftPlotGeometry drawLiftDistribution(QPainter& p, const QRect& area, const LiftDistribution& d, int w, Language l,
                                      const std::string& wingName, UnitSystem u)
{
    LiftPlotGeometry g;
    if (area.width() < 2 || area.height() < 2)
        return g;
    p.save();
    p.setClipRect(area);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.fillRect(area, clWhite);

    const Sizes z = sizesFor(area);
    QFont font = p.font();
    font.setPixelSize(z.px);
    font.setBold(true);
    p.setFont(font);
    p.setPen(clBlack);

    // The title: the wing's number, and its name when it has one.
    std::string title(texts::LiftPlotTitle.in(l));
    fillIn(title, "{wing}", std::to_string(w) + (wingName.empty() ? "" : " (" + wingName + ")"));
    const int titleHeight = p.fontMetrics().height();
    const QRect titleRect(area.left() + z.gap, area.top() + z.gap, area.width() - 2 * z.gap, titleHeight);
    p.drawText(titleRect, Qt::AlignLeft | Qt::AlignVCenter,
               p.fontMetrics().elidedText(qt(title), Qt::ElideRight, titleRect.width()));
    font.setBold(false);
    p.setFont(font);
    const QFontMetrics fm = p.fontMetrics();

    const bool hasWing = w >= 1 && w <= std::min(d.wingCount, MaxWings) && !d.wings[w].stations.empty();
    if (!hasWing) {
        p.drawText(area.adjusted(z.gap, titleRect.bottom() + z.gap - area.top(), -z.gap, -z.gap),
                   Qt::AlignCenter | Qt::TextWordWrap, qt(texts::LiftPlotNoResults, l));
        p.restore();
        return g;
    }
    const WingLiftDistribution& wing = d.wings[w];
    const LiftStation& stall = wing.stations[wing.stallFirst];

    // The legend, laid out first: its rows decide how much height the panels keep.
    std::string stallText(texts::LiftPlotStallFirst.in(l));
    fillIn(stallText, "{ratio}", formatFixed(stall.clOverCL, 2));
    fillIn(stallText, "{value}",
           shownFigure(stall.y, Quantity::Length, u, 0) + " " + std::string(unitName(Quantity::Length, u)));
    const std::vector<LegendEntry> legend = {
        {pen(wingColour(w), z.curve), false, qt(texts::LiftPlotLocalLift, l)},
        {pen(EllipticColour, z.curve, Qt::DashLine), false, qt(texts::LiftPlotElliptic, l)},
        {pen(RatioColour, z.curve), false, qt(texts::LiftPlotRatio, l)},
        {pen(StallMarkColour, z.thin * 1.5, Qt::DashLine), true, qt(stallText)},
    };

    // Value ranges: from 0 (or below, where the lift is negative) to a little over the highest value.
    double liftLow = 0, liftHigh = wing.ellipticRoot, ratioLow = 0, ratioHigh = 1;
    for (const LiftStation& s : wing.stations) {
        liftLow = std::min({liftLow, s.localLift, s.elliptic});
        liftHigh = std::max({liftHigh, s.localLift, s.elliptic});
        ratioLow = std::min(ratioLow, s.clOverCL);
        ratioHigh = std::max(ratioHigh, s.clOverCL);
    }

    // Heights from the top: title, panels, span tick labels, span axis title, legend.
    const int legendWidth = area.width() - 2 * z.gap;
    const LegendLayout legendLayout = layOutLegend(legend, fm, z, legendWidth);
    const int panelsTop = titleRect.bottom() + 1 + z.gap + fm.height() / 2;
    const int below = z.tick + fm.height() + z.gap / 2 + fm.height() + z.gap + legendLayout.height + z.gap;
    const int between = fm.height();
    const int panelsHeight = std::max(2, area.bottom() + 1 - below - panelsTop - between);
    const int liftHeight = std::max(1, static_cast<int>(std::lround(panelsHeight * LiftPanelShare)));
    const int ratioHeight = std::max(1, panelsHeight - liftHeight);

    const auto valueSteps = [&](int height) { return std::clamp(height / (2 * fm.height()), 2, 8); };
    g.lift = niceAxis(liftLow, liftHigh * 1.05, valueSteps(liftHeight));
    g.ratio = niceAxis(ratioLow, ratioHigh * 1.05, valueSteps(ratioHeight));
    // Span ticks about two label widths apart, on round figures of the units shown; the scale itself
    // stays in mm.
    const double perUnit = unitFactor(Quantity::Length, u);
    const int spanLabel = fm.horizontalAdvance(qt(shownFigure(wing.halfSpan, Quantity::Length, u, 0)));
    g.span = niceAxis(0, wing.halfSpan / perUnit, std::clamp(area.width() / (2 * spanLabel + 2 * z.px), 2, 12));
    g.span.low *= perUnit;
    g.span.high *= perUnit;
    g.span.step *= perUnit;
    const auto spanTickText = [&](int i) { return qt(formatFixed(g.span.tick(i) / perUnit, g.span.decimals)); };

    // Left of the panels: the turned axis titles and the widest value label.
    int labelWidth = 0;
    for (const AxisScale* a : {&g.lift, &g.ratio})
        for (int i = 0; i < a->tickCount(); ++i)
            labelWidth = std::max(labelWidth, fm.horizontalAdvance(tickText(*a, i)));
    const int titleX = area.left() + z.gap;
    const int left = titleX + fm.height() + z.gap + labelWidth + z.gap + z.tick;
    const int lastLabel = fm.horizontalAdvance(spanTickText(g.span.tickCount() - 1));
    const int right = area.right() + 1 - std::max(2 * z.gap, lastLabel / 2 + z.gap);
    const int width = std::max(1, right - left);
    g.liftPanel = QRect(left, panelsTop, width, liftHeight);
    g.ratioPanel = QRect(left, panelsTop + liftHeight + between, width, ratioHeight);

    drawPanel(p, g.liftPanel, g.lift, g.span, {qt(texts::LiftPlotLiftAxis, l), qt(texts::LiftPlotLiftSymbol, l)}, titleX, z);
    drawPanel(p, g.ratioPanel, g.ratio, g.span, {qt(texts::LiftPlotRatioAxis, l)}, titleX, z);

    // Span labels under the lower panel, and the span axis title under them.
    const int spanLabelTop = g.ratioPanel.bottom() + 1 + z.tick;
    p.setPen(clBlack);
    for (int i = 0; i < g.span.tickCount(); ++i) {
        const double x = g.ratioPoint(g.span.tick(i), 0).x();
        p.drawText(QRectF(x - 10 * z.px, spanLabelTop, 20 * z.px, fm.height()), Qt::AlignHCenter | Qt::AlignTop,
                   spanTickText(i));
    }
    const int spanTitleTop = spanLabelTop + fm.height() + z.gap / 2;
    p.drawText(QRect(left, spanTitleTop, width, fm.height()), Qt::AlignHCenter | Qt::AlignTop,
               fm.elidedText(qt(captionInUnits(texts::LiftPlotSpanAxis.in(l), u)), Qt::ElideRight, width));

    // cl/CL = 1: where the local lift coefficient equals the wing's.
    p.setPen(pen(clGray, z.thin, Qt::DashLine));
    p.drawLine(g.ratioPoint(g.span.low, 1), g.ratioPoint(g.span.high, 1));

    // The curves, each clipped to its panel. The ellipse is traced by angle, so its steep end at the
    // tip is as smooth as its flat middle.
    std::vector<QPointF> elliptic, local, ratio;
    constexpr int EllipseSegments = 180;
    for (int i = 0; i <= EllipseSegments; ++i) {
        const double t = std::numbers::pi / 2 * i / EllipseSegments;
        elliptic.push_back(g.liftPoint(wing.halfSpan * std::sin(t), wing.ellipticRoot * std::cos(t)));
    }
    for (const LiftStation& s : wing.stations) {
        local.push_back(g.liftPoint(s.y, s.localLift));
        ratio.push_back(g.ratioPoint(s.y, s.clOverCL));
    }
    p.setBrush(Qt::NoBrush);
    p.setClipRect(g.liftPanel.adjusted(0, 0, 1, 1));
    p.setPen(pen(EllipticColour, z.curve, Qt::DashLine));
    p.drawPath(pathThrough(elliptic));
    p.setPen(pen(wingColour(w), z.curve));
    p.drawPath(pathThrough(local));
    p.setClipRect(g.ratioPanel.adjusted(0, 0, 1, 1));
    p.setPen(pen(RatioColour, z.curve));
    p.drawPath(pathThrough(ratio));

    // The mark: a dashed line through both panels at the station of the highest cl/CL, with a dot on
    // each curve there.
    p.setClipRect(area);
    const QPointF top = g.liftPoint(stall.y, g.lift.high), bottom = g.ratioPoint(stall.y, g.ratio.low);
    p.setPen(pen(StallMarkColour, z.thin * 1.5, Qt::DashLine));
    p.drawLine(top, bottom);
    p.setPen(pen(StallMarkColour, z.thin));
    p.setBrush(StallMarkColour);
    const double r = z.px / 3.0;
    p.drawEllipse(g.ratioPoint(stall.y, stall.clOverCL), r, r);
    p.drawEllipse(g.liftPoint(stall.y, stall.localLift), r, r);
    p.setBrush(Qt::NoBrush);

    const QPoint legendOrigin(area.left() + z.gap, spanTitleTop + fm.height() + z.gap);
    drawLegend(p, legend, legendLayout, legendOrigin, z);
    g.legend = QRect(legendOrigin, QSize(legendWidth, legendLayout.height));
    g.drawn = true;
    p.restore();
    return g;
}

} // namespace ab
