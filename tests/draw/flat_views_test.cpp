// SPDX-License-Identifier: GPL-3.0-or-later
// Wings without dihedral are drawn to the pixel as before dihedral existed: every example aircraft,
// calculated, in its planform views, its top view with the pressure lattice and its 3-D view with
// the pressure needles, against fingerprints of those images taken before the views learnt to tilt
// a trapezoid. A V-tail then shows that the fingerprints do see a tilt.
#include "draw/colours.h"
#include "draw/planform_drawing.h"
#include "draw/three_d_drawing.h"
#include "draw/top_view_drawing.h"
#include "files/open_aircraft.h"
#include "model/recalculation.h"
#include "solver/calculation.h"
#include "views/front_view.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace ab {
namespace {

struct Calculated {
    Aircraft aircraft;
    AircraftTexts texts;
    SolverData solver;
};

Calculated calculated(const std::string& example, int tiltedWing = 0, const char* angle = "")
{
    Calculated r;
    r.texts = defaultAircraftTexts();
    recalculate(r.aircraft, r.texts);
    EXPECT_TRUE(
        openAircraftFile(AEROBALANCE_SOURCE_DIR "/examples/" + example, r.aircraft, r.texts, Language::English).ok());
    if (tiltedWing > 0)
        r.texts.wing[tiltedWing].dihedral[1] = angle;
    EXPECT_FALSE(calculate(r.aircraft, r.texts, r.solver, Language::English).failed);
    return r;
}

// FNV-1a over the image's pixels, row by row (the padding at a row's end left out).
std::uint64_t fingerprint(const QImage& image, std::uint64_t h = 14695981039346656037ull)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y) {
        const uchar* row = rgb.constScanLine(y);
        for (int i = 0; i < rgb.width() * 4; ++i)
            h = (h ^ row[i]) * 1099511628211ull;
    }
    return h;
}

// Every view of the aircraft that a tilt could change, in one fingerprint.
std::uint64_t viewsFingerprint(const Calculated& c)
{
    const Aircraft& ac = c.aircraft;
    std::uint64_t h = 14695981039346656037ull;
    CanvasState state;
    for (int w = 1; w <= ac.WingCount; ++w) {
        QImage planform(489, 273, QImage::Format_RGB32);
        Canvas canvas(planform, state);
        drawPlanformView(canvas, ac, w, planformMapping(ac, w, planform.width(), planform.height()), true);
        h = fingerprint(planform, h);
    }
    {
        QImage top(593, 330, QImage::Format_RGB32);
        top.fill(Qt::white);
        Canvas canvas(top, state);
        const TopViewLayout l = topViewLayout(ac, ac.WingCount, top.width(), top.height());
        drawTopView(canvas, ac, ac.WingCount, l, "flight direction");
        drawLattice(canvas, ac, c.solver, l, 40);
        h = fingerprint(top, h);
    }
    for (const int azimuth : {250, 330}) {
        QImage view(592, 200, QImage::Format_RGB32);
        Canvas canvas(view, state);
        ThreeDView threeD;
        ThreeDInput input;
        input.azimuthPosition = azimuth;
        input.view3DScale = topViewLayout(ac, ac.WingCount, 593, 330).scale;
        input.showPressure = true;
        drawThreeDView(canvas, ac, ac.WingCount, c.solver, threeD, input);
        h = fingerprint(view, h);
    }
    return h;
}

TEST(FlatViews, EveryExampleIsDrawnAsBeforeDihedralExisted)
{
    struct Row {
        const char* example;
        std::uint64_t fingerprint;
    };
    const Row rows[] = {
        {"default.wk4", 0xf0c10c7839da7d9full},     {"trainer.wk4", 0xa65916dbefcf97faull},
        {"flying_wing.wk4", 0x0334354f616baecbull}, {"canard.wk4", 0x3251baea7a6dbc0dull},
        {"glider.wk4", 0x8a3b908afd11c8d4ull},      {"fuselage_gap.wk4", 0xdeed2882f888e27dull},
        {"tandem.wk4", 0x64f41c52cf4a8defull},      {"biplane.da4", 0x359cdb7db7e2faafull},
    };
    for (const Row& r : rows) {
        const std::uint64_t flat = viewsFingerprint(calculated(r.example));
        EXPECT_EQ(flat, r.fingerprint) << r.example;
        // An angle typed as 0 is no tilt; a tilt of the first wing's inner trapezoid is seen.
        EXPECT_EQ(viewsFingerprint(calculated(r.example, 1, "0")), flat) << r.example;
        EXPECT_NE(viewsFingerprint(calculated(r.example, 1, "10")), flat) << r.example;
    }
}

// The V-tail's front view above the left half of its planform holds the whole half tail, root to
// tip, at every size the wing tab gives its planform view: each station is drawn in the tail's colour
// inside the image (the line's two pixels of width on one side of it or the other).
TEST(FlatViews, TheFrontViewHoldsTheWholeVTail)
{
    const Calculated c = calculated("vtail_glider.wk4");
    for (const QSize size : {QSize(489, 273), QSize(535, 341), QSize(1080, 341), QSize(1080, 900), QSize(300, 120)}) {
        QImage planform(size, QImage::Format_RGB32);
        CanvasState state;
        const ViewMapping m = planformMapping(c.aircraft, 2, size.width(), size.height());
        {
            Canvas canvas(planform, state);
            drawPlanformView(canvas, c.aircraft, 2, m, true);
        }
        const std::optional<FrontView> front = frontView(c.aircraft, 2, m.scale, 6, 6, m.originX, m.originY - 6);
        ASSERT_TRUE(front && front->wing.size() == 2u);
        for (const Pixel& p : front->wing) {
            bool drawn = false;
            for (int dx = -1; dx <= 1; ++dx)
                for (int dy = -1; dy <= 1; ++dy)
                    drawn |= planform.rect().contains(p.x + dx, p.y + dy) &&
                             planform.pixelColor(p.x + dx, p.y + dy) == wingColour(2);
            EXPECT_TRUE(drawn) << size.width() << "x" << size.height() << " at " << p.x << "," << p.y;
        }
        EXPECT_NEAR(front->wing[0].y - front->wing[1].y, c.aircraft.StationRise[1][2] * front->scale, 1.5);
    }
}

} // namespace
} // namespace ab
