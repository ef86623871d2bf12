// SPDX-License-Identifier: GPL-3.0-or-later
// What the stability display adds to the top view, read off the pixels: the band lies over the
// pressure colours (they show through it, nothing covers it), the texts move off the canard's
// reference wing, and the measured centre of gravity has its own quartered circle and its place.
#include "draw/top_view_drawing.h"
#include "draw/top_view_scene.h"
#include "files/open_aircraft.h"
#include "model/recalculation.h"
#include "solver/calculation.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace ab {
namespace {

struct Calculated {
    Aircraft aircraft;
    SolverData solver;
};

Calculated calculated(const std::string& example)
{
    Calculated r;
    AircraftTexts texts = defaultAircraftTexts();
    recalculate(r.aircraft, texts);
    EXPECT_TRUE(openAircraftFile(AEROBALANCE_SOURCE_DIR "/examples/" + example, r.aircraft, texts, Language::English).ok());
    EXPECT_FALSE(calculate(r.aircraft, texts, r.solver, Language::English).failed);
    return r;
}

struct View {
    int width = 593, height = 330;
    std::optional<int> contrast = 40;
    bool overlay = true;
    std::optional<double> measuredCgX = std::nullopt;
};

TopViewScene sceneOf(const Calculated& c, const View& v)
{
    const Aircraft& ac = c.aircraft;
    const TopViewLayout l = topViewLayout(ac, ac.WingCount, v.width, v.height);
    const StabilityFigures f = stabilityFigures(ac, 7.5);
    StabilityDisplay display = stabilityDisplay(ac, f, Language::English, true, l, v.width);
    if (!v.overlay)
        display.overlay.reset();
    return {ac, c.solver, l, "flight direction", true, v.contrast, display, v.measuredCgX};
}

struct Drawn {
    QImage image;
    TopViewDrawn placed;
};

Drawn draw(const TopViewScene& scene, const View& v)
{
    Drawn d{QImage(v.width, v.height, QImage::Format_RGB32), {}};
    CanvasState state;
    Canvas c(d.image, state);
    d.placed = drawTopViewScene(c, scene);
    return d;
}

// A colour with the band's shade laid over it, as the painter lays it.
QColor shaded(const QColor& under)
{
    QImage one(1, 1, QImage::Format_RGB32);
    one.fill(under);
    QPainter(&one).fillRect(0, 0, 1, 1, BandShade);
    return one.pixelColor(0, 0);
}

// A panel's pressure colour: a shade of red or of blue.
bool isPressureShade(const QColor& c)
{
    return (c.red() == 255 && c.green() == c.blue() && c.green() < 255) ||
           (c.blue() == 255 && c.red() == c.green() && c.red() < 255);
}

bool inside(const PixelRect& r, int x, int y) { return x >= r.left && x < r.right && y >= r.top && y < r.bottom; }

TEST(StabilityOverlay, TheBandLiesOverThePressureColours)
{
    for (const char* example : {"default.wk4", "trainer.wk4", "flying_wing.wk4"}) {
        SCOPED_TRACE(example);
        const Calculated c = calculated(example);
        const View v;
        const TopViewScene with = sceneOf(c, v);
        const Drawn over = draw(with, v);
        View plain = v;
        plain.overlay = false;
        const Drawn under = draw(sceneOf(c, plain), v);

        // What the additions cover besides the band: the symbols, the labels and the chord, read
        // from drawing them alone; and the texts where they stood and where they stand.
        QImage scratch(v.width, v.height, QImage::Format_RGB32);
        CanvasState state;
        std::vector<PixelRect> covered;
        {
            Canvas sc(scratch, state);
            covered = drawStabilityOverlay(sc, *with.stability->overlay).covered;
            covered.push_back(measureStabilityTexts(sc, with.stability->rows).block.rect());
        }
        covered.push_back(over.placed.stabilityTexts->rect());
        const PixelRect band = with.stability->overlay->marks.band;
        ASSERT_EQ(covered.front(), band);

        int overPressure = 0;
        for (int y = band.top; y < band.bottom; ++y)
            for (int x = band.left; x < band.right; ++x) {
                if (std::any_of(covered.begin() + 1, covered.end(), [&](const PixelRect& r) { return inside(r, x, y); }))
                    continue;
                const QColor before = under.image.pixelColor(x, y);
                const QColor after = over.image.pixelColor(x, y);
                if (y == band.top || y == band.bottom - 1) {
                    EXPECT_EQ(after, BandEdge) << x << ", " << y;
                    continue;
                }
                // The centre line's marks aside, the ground shows through the shade.
                if (std::abs(x - with.stability->marks.centreColumn) <= 4)
                    continue;
                EXPECT_EQ(after, shaded(before)) << x << ", " << y;
                overPressure += isPressureShade(before);
            }
        EXPECT_GT(overPressure, 0) << "the band crosses no pressure colour";
    }
}

TEST(StabilityOverlay, TheTextsMoveOffTheCanardsReferenceWing)
{
    const Calculated c = calculated("canard.wk4");
    for (const View& v : {View{}, View{760, 420, std::nullopt}}) {
        const TopViewScene scene = sceneOf(c, v);
        const Drawn d = draw(scene, v);
        ASSERT_TRUE(d.placed.stabilityTexts);
        const TextBlock& block = *d.placed.stabilityTexts;
        EXPECT_NE(block.corner, DefaultTextBlockCorner);
        EXPECT_EQ(outlineCovered(block.rect(), topViewOutlines(c.aircraft, c.aircraft.WingCount, scene.layout)), 0);
        // The first text row is drawn where the block stands.
        bool ink = false;
        for (int x = block.corner.x; x < block.corner.x + block.width; ++x)
            for (int y = block.corner.y; y < block.corner.y + d.placed.lineHeight; ++y)
                ink |= d.image.pixelColor(x, y) == QColor(Qt::black);
        EXPECT_TRUE(ink);
    }
    // Without the overlay the texts keep their place.
    View plain;
    plain.overlay = false;
    EXPECT_EQ(draw(sceneOf(c, plain), plain).placed.stabilityTexts->corner, DefaultTextBlockCorner);
}

TEST(StabilityOverlay, TheMeasuredCentreOfGravityHasItsOwnSymbol)
{
    const Calculated c = calculated("trainer.wk4");
    View v;
    v.contrast = std::nullopt;
    v.measuredCgX = c.aircraft.NeutralPointX + 250; // well behind the others
    const TopViewScene scene = sceneOf(c, v);
    const Drawn d = draw(scene, v);
    const Pixel at = topViewPoint(*v.measuredCgX, 0, scene.layout.scale, scene.layout.offsetY, v.width);
    // Quarters: upper right and lower left in its colour, the others white.
    EXPECT_EQ(d.image.pixelColor(at.x + 3, at.y - 3), MeasuredCgColour);
    EXPECT_EQ(d.image.pixelColor(at.x - 3, at.y + 3), MeasuredCgColour);
    EXPECT_EQ(d.image.pixelColor(at.x - 3, at.y - 3), QColor(Qt::white));
    EXPECT_EQ(d.image.pixelColor(at.x + 3, at.y + 3), QColor(Qt::white));
    // Its label carries its place: green ink runs on from "CG measured" to the end of the number.
    const QString label = QString::fromStdString(measuredCgLabel(c.aircraft, *v.measuredCgX, Language::English));
    ASSERT_TRUE(label.startsWith("CG measured ") && label.endsWith("% MAC)")) << label.toStdString();
    const QFontMetrics metrics(CanvasState{}.font);
    ASSERT_EQ(d.placed.markLabels.size(), 4u);
    const int labelX = d.placed.markLabels[3].left;
    EXPECT_GT(labelX, at.x + SymbolRadius + 2); // clear of its symbol
    int inkEnd = 0;
    // (the labels stand off the wings, so the label's own rows are searched, not its mark's)
    for (int y = d.placed.markLabels[3].top; y < d.placed.markLabels[3].bottom; ++y)
        for (int x = labelX; x < v.width; ++x) {
            const QColor p = d.image.pixelColor(x, y);
            if (p.green() > 100 && p.red() < 100 && p.blue() < 100)
                inkEnd = std::max(inkEnd, x);
        }
    EXPECT_GT(inkEnd, labelX + metrics.horizontalAdvance(label) - metrics.horizontalAdvance("0% MAC)"));
    EXPECT_LE(inkEnd, labelX + metrics.horizontalAdvance(label));
    // Without one, nothing is drawn there.
    v.measuredCgX.reset();
    EXPECT_NE(draw(sceneOf(c, v), v).image.pixelColor(at.x + 3, at.y - 3), MeasuredCgColour);
}

} // namespace
} // namespace ab
