// SPDX-License-Identifier: GPL-3.0-or-later
// The front view of a tilted half wing beside its planform, and the projected figures its tab adds.
#include "views/front_view.h"

#include "model/aircraft_texts.h"
#include "model/recalculation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace ab {
namespace {

// Wing 1: a root gap of 20 and two trapezoids of 300 and 200 mm with the angles given.
Aircraft polyhedral(const char* inner, const char* outer)
{
    AircraftTexts t = defaultAircraftTexts();
    WingTexts& w = t.wing[1];
    w.trapezoidCount = 2;
    w[Role::RootGap] = "20";
    w[widthRole(1)] = "300";
    w[widthRole(2)] = "200";
    w.dihedral[1] = inner;
    w.dihedral[2] = outer;
    Aircraft ac;
    recalculate(ac, t);
    return ac;
}

TEST(FrontView, StationsStandAsBuiltAtOneScaleInsideTheRoom)
{
    struct Row {
        const char *inner, *outer;
        double planformScale;
        double scale; // the planform's, or what the room's width or height allows
    };
    const double c10 = std::cos(10 * std::numbers::pi / 180);
    const double c40 = std::cos(40 * std::numbers::pi / 180), s40 = std::sin(40 * std::numbers::pi / 180);
    const double span1 = 20 + 300 * c10 + 200 * c40;
    const Row rows[] = {
        {"10", "40", 0.1, 0.1},                    // the planform's scale fits
        {"30", "40", 1, 80 / (300 * 0.5 + 200 * s40)}, // the height limits it
        {"0", "-5", 1, 200 / (20 + 300 + 200 * std::cos(5 * std::numbers::pi / 180))}, // the width does
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::string(r.inner) + "/" + r.outer);
        const Aircraft ac = polyhedral(r.inner, r.outer);
        // Room: columns 10..210 left of the centre line, rows 5..85 above the planform.
        const std::optional<FrontView> v = frontView(ac, 1, r.planformScale, 10, 5, 210, 85);
        ASSERT_TRUE(v);
        EXPECT_NEAR(v->scale, r.scale, 1e-12);
        ASSERT_EQ(v->wing.size(), 3u);
        for (std::size_t k = 0; k < v->wing.size(); ++k) {
            const Pixel p = v->wing[k];
            EXPECT_EQ(p.x, roundPixel(210 - ac.StationProjectedY[k][1] * v->scale));
            EXPECT_GE(p.x, 10);
            EXPECT_LE(p.x, 210);
            EXPECT_GE(p.y, 5);
            EXPECT_LE(p.y, 85);
        }
        // Height goes up the image, the root's level runs out to the tip's column.
        EXPECT_NEAR(v->wing[0].y - v->wing[2].y, ac.StationRise[2][1] * v->scale, 1);
        EXPECT_EQ(v->rootLevel.front(), (Pixel{210, v->wing[0].y}));
        EXPECT_EQ(v->rootLevel.back().x, v->wing[2].x);
    }
    EXPECT_NEAR(polyhedral("10", "40").WingProjectedSpan[1], 2 * span1, 1e-9);
}

TEST(FrontView, AFlatWingHasNoneAndNoProjectedFigures)
{
    const Aircraft flat = polyhedral("", "0");
    EXPECT_FALSE(frontView(flat, 1, 1, 10, 5, 210, 85));
    EXPECT_FALSE(projectedFigureTexts(flat, 1));
    const Aircraft tilted = polyhedral("", "30");
    EXPECT_FALSE(frontView(tilted, 1, 1, 10, 5, 10, 85)); // no room
    const std::optional<ProjectedFigureTexts> texts = projectedFigureTexts(tilted, 1);
    ASSERT_TRUE(texts);
    EXPECT_EQ(texts->span, " 986mm"); // 2 x (20 + 300 + 200 cos 30) = 986.4, written as the typed span
    EXPECT_EQ(texts->area.substr(texts->area.size() - 4), "dm^2");
}

} // namespace
} // namespace ab
