// SPDX-License-Identifier: GPL-3.0-or-later
// The top view drawn over a kept ground layer must be the top view drawn from nothing: on the first
// drawing, on a repeat, and after any one input the ground is drawn from has changed (a stale layer
// would show the old lattice under new texts).
#include "draw/top_view_scene.h"
#include "model/aircraft_texts.h"
#include "solver/calculation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

namespace ab {
namespace {

struct Calculated {
    Aircraft aircraft;
    SolverData solver;
};

// The default aircraft, calculated once for all tests.
const Calculated& defaultCalculated()
{
    static const Calculated c = [] {
        Calculated r;
        AircraftTexts texts = defaultAircraftTexts();
        EXPECT_FALSE(calculate(r.aircraft, texts, r.solver, Language::English).failed);
        return r;
    }();
    return c;
}

// What a view shows besides the aircraft: the window's switches and the margin.
struct Settings {
    bool solverData = true;
    std::optional<int> contrast = std::nullopt;
    bool automatic = true;
    double margin = 10;
    int width = 591, height = 300;
    bool overlay = false; // the band, symbols and labels, the texts clear of the wings
};

TopViewScene sceneOf(const Aircraft& ac, const SolverData& sd, const Settings& s)
{
    const TopViewLayout l = topViewLayout(ac, ac.WingCount, s.width, s.height);
    const StabilityFigures figures = stabilityFigures(ac, s.margin);
    return {ac,
            sd,
            l,
            "flight direction",
            s.solverData,
            s.contrast,
            s.overlay ? stabilityDisplay(ac, figures, Language::English, s.automatic, l, s.width)
                      : StabilityDisplay{stabilityRows(ac, figures, Language::English, s.automatic),
                                         stabilityMarks(ac, figures, l.scale, l.offsetY, s.width), s.automatic}};
}

QImage drawn(const TopViewScene& scene, int width, int height, CachedLayer* ground, CanvasState state = {})
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::black);
    Canvas c(image, state);
    drawTopViewScene(c, scene, ground);
    return image;
}

TEST(TopViewScene, AKeptGroundGivesThePixelsOfADrawingFromNothingWhateverTheSettings)
{
    const Calculated& c = defaultCalculated();
    const Settings rows[] = {
        {.solverData = false},
        {},
        {.contrast = 92},
        {.contrast = 30},
        {.contrast = 30, .automatic = false, .margin = 12},
        {.automatic = false, .margin = 5},
        {.contrast = 92, .width = 640, .height = 330},
        {.contrast = 30, .overlay = true},
        {.automatic = false, .margin = 5, .overlay = true},
    };
    CachedLayer ground;
    // Forwards, then backwards: every row follows a row with other settings, and repeats itself once.
    for (int pass = 0; pass < 2; ++pass)
        for (int i = 0; i < std::ssize(rows); ++i) {
            const Settings& s = rows[pass == 0 ? i : std::ssize(rows) - 1 - i];
            SCOPED_TRACE(testing::Message() << "pass " << pass << " row " << i);
            const TopViewScene scene = sceneOf(c.aircraft, c.solver, s);
            const QImage expected = drawn(scene, s.width, s.height, nullptr);
            EXPECT_EQ(drawn(scene, s.width, s.height, &ground), expected);
            EXPECT_EQ(drawn(scene, s.width, s.height, &ground), expected);
        }
}

// One change of the calculated aircraft or of the canvas, with what it changes in the picture.
struct Change {
    std::string name;
    std::function<void(Aircraft&, SolverData&, CanvasState&)> apply;
};

TEST(TopViewScene, AKeptGroundIsDrawnAnewWhenAnythingItShowsChanges)
{
    const Calculated& c = defaultCalculated();
    const Settings pressure{.contrast = 60};
    // A strip half way out on the highest wing, whose lattice lies over the others'.
    const PerWing<int> rank = heightRanks(c.aircraft);
    const int top = static_cast<int>(std::max_element(rank.begin() + 1, rank.end()) - rank.begin());
    auto strip = [top](SolverData& sd) -> Strip& { return sd.lattice[top].strips[sd.lattice[top].strips.size() / 2]; };
    const Change changes[] = {
        {"pressure of a panel", [&](Aircraft&, SolverData& sd, CanvasState&) { strip(sd).PanelPressure[1] *= -1; }},
        {"edge of a panel", [&](Aircraft&, SolverData& sd, CanvasState&) { strip(sd).PanelEdgeXLeft[1] += 40; }},
        {"outer edge of a strip", [&](Aircraft&, SolverData& sd, CanvasState&) { strip(sd).YRight += 60; }},
        {"reference wing", [](Aircraft&, SolverData& sd, CanvasState&) { sd.ReferenceOutline[1].x += 150; }},
        {"panels chordwise", [top](Aircraft&, SolverData& sd, CanvasState&) { sd.counts.ChordwiseCount[top] -= 1; }},
        {"height order",
         [](Aircraft& ac, SolverData&, CanvasState&) {
             for (int w = 1; w <= MaxWings; ++w)
                 ac.posZ[w] = -ac.posZ[w];
         }},
        {"wings calculated", [](Aircraft& ac, SolverData&, CanvasState&) { ac.ActiveWingCount = 1; }},
        {"border's pen width", [](Aircraft&, SolverData&, CanvasState& s) { s.penWidth = 3; }},
    };
    const TopViewScene base = sceneOf(c.aircraft, c.solver, pressure);
    const QImage before = drawn(base, pressure.width, pressure.height, nullptr);
    for (const Change& change : changes) {
        SCOPED_TRACE(change.name);
        CachedLayer ground;
        EXPECT_EQ(drawn(base, pressure.width, pressure.height, &ground), before);
        Aircraft ac = c.aircraft;
        SolverData sd = c.solver;
        CanvasState state;
        change.apply(ac, sd, state);
        const TopViewScene changed = sceneOf(ac, sd, pressure);
        const QImage expected = drawn(changed, pressure.width, pressure.height, nullptr, state);
        if (expected == before) {
            ADD_FAILURE() << "the change does not show";
            continue;
        }
        EXPECT_EQ(drawn(changed, pressure.width, pressure.height, &ground, state), expected);
    }
}

} // namespace
} // namespace ab
