// SPDX-License-Identifier: GPL-3.0-or-later
// The mean aerodynamic chord placed on the aircraft, against hand-computed wings: its length, the x
// of its leading edge in the aircraft's datum and its spanwise station.
#include "model/mean_chord.h"

#include "model/planform.h"
#include "model/recalculation.h"

#include <gtest/gtest.h>

namespace ab {
namespace {

// One wing of one trapezoid at x = posX (mm).
struct Shape {
    int rootChord, tipChord, width, tipOffset, gap, posX;
};

struct Planform {
    const char* name;
    Shape shape;
    // Hand-computed: length, leading-edge x, station y; and with the centre gap filled.
    double mac, leadingX, y;
    double filledMac, filledLeadingX, filledY;
};

// A trapezoid of taper t = tip / root and half span s has the chord (2/3) c_r (1 + t + t^2) / (1 + t)
// at the station s (1 + 2t) / (3 (1 + t)) from its root; its leading edge lies there, swept by the
// tip offset in proportion. A centre gap filled with the root chord adds a rectangle c_r x gap,
// centred at gap / 2, its leading edge at the root's.
const Planform kPlanforms[] = {
    {"rectangular", {200, 200, 500, 0, 0, 100}, 200, 100, 250, 200, 100, 250},
    {"tapered", {300, 100, 600, 0, 0, 0}, 650.0 / 3, 0, 250, 650.0 / 3, 0, 250},
    // Swept back 300 mm at the tip: the leading edge at the station 250 lies 125 mm further back.
    {"tapered and swept", {300, 100, 600, 300, 0, 40}, 650.0 / 3, 40 + 125, 250, 650.0 / 3, 40 + 125, 250},
    {"swept forward", {300, 100, 600, -120, 0, 0}, 650.0 / 3, -50, 250, 650.0 / 3, -50, 250},
    // Half area 120000 around y = 350 and the rectangle 30000 around y = 50: 290; the chord
    // (120000 x 650/3 + 300^2 x 100) / 150000 = 700/3; the leading edge (120000 x 125) / 150000.
    {"swept with a centre gap", {300, 100, 600, 300, 100, 0}, 650.0 / 3, 125, 350, 700.0 / 3, 100, 290},
};

WingTexts wingOf(const Shape& p)
{
    WingTexts t = defaultAircraftTexts().wing[1];
    t[Role::RootGap] = std::to_string(p.gap);
    t[Role::RootChord] = std::to_string(p.rootChord);
    t[Role::Width1] = std::to_string(p.width);
    t[Role::TipChord1] = std::to_string(p.tipChord);
    t[Role::TipOffset1] = std::to_string(p.tipOffset);
    t[Role::PosX] = std::to_string(p.posX);
    t.trapezoidCount = 1;
    return t;
}

TEST(MeanChord, PlacedOnHandComputedWings)
{
    for (const Planform& p : kPlanforms) {
        SCOPED_TRACE(p.name);
        AircraftTexts texts = defaultAircraftTexts();
        texts.wing[1] = wingOf(p.shape);
        Aircraft ac;
        recalculate(ac, texts);
        const MeanChord own = meanChordOf(ac, 1, false);
        EXPECT_NEAR(own.length, p.mac, 1e-9);
        EXPECT_NEAR(own.leadingX, p.leadingX, 1e-9);
        EXPECT_NEAR(own.y, p.y, 1e-9);
        EXPECT_NEAR(ac.WingMacLeadingX[1], p.leadingX, 1e-9);
        EXPECT_NEAR(ac.WingMacY[1], p.y, 1e-9);
        const MeanChord filled = meanChordOf(ac, 1, true);
        EXPECT_NEAR(filled.length, p.filledMac, 1e-9);
        EXPECT_NEAR(filled.leadingX, p.filledLeadingX, 1e-9);
        EXPECT_NEAR(filled.y, p.filledY, 1e-9);
    }
}

// On every wing of the default aircraft (up to four trapezoids, swept, with a centre gap) the mean
// chord's quarter point is the geometric neutral point, and the chord moves with its wing at once.
TEST(MeanChord, QuarterPointIsTheGeometricNeutralPointAndMovesWithTheWing)
{
    AircraftTexts texts = defaultAircraftTexts();
    Aircraft ac;
    recalculate(ac, texts);
    for (int w = 1; w <= MaxWings; ++w) {
        SCOPED_TRACE(w);
        EXPECT_NEAR(ac.WingMacLeadingX[w] + ac.WingMac[w] / 4, ac.posX[w] + ac.WingR25[w], 1e-9);
        EXPECT_GT(ac.WingMacY[w], ac.StationY[0][w]);
        EXPECT_LT(ac.WingMacY[w], ac.StationY[ac.StationCount[w] - 1][w]);
    }
    const double before = ac.WingMacLeadingX[2];
    texts.wing[2][Role::PosX] = std::to_string(ac.posX[2] + 250);
    recalculate(ac, texts); // one pass: the leading-edge tables still hold the old position
    EXPECT_NEAR(ac.WingMacLeadingX[2], before + 250, 1e-9);
}

TEST(MeanChord, AWingWithoutAreaHasItsChordAtItsRoot)
{
    AircraftTexts texts = defaultAircraftTexts();
    for (Role r : {Role::RootChord, Role::TipChord1, Role::TipChord2, Role::TipChord3, Role::TipChord4})
        texts.wing[2][r] = "0";
    Aircraft ac;
    recalculate(ac, texts);
    const MeanChord m = meanChordOf(ac, 2, true);
    EXPECT_EQ(m.length, 0);
    EXPECT_EQ(m.leadingX, ac.posX[2]);
    EXPECT_EQ(ac.WingMacLeadingX[2], ac.posX[2]);
}

// Told from the planform: the widest half-span from gap to tip, then the larger area; only wings in
// use count.
TEST(MeanChord, ReferenceWingFromThePlanform)
{
    struct Case {
        const char* name;
        int width1, width2, chord2, wings;
        int expected;
    };
    const Case cases[] = {
        {"wider first", 600, 500, 300, 2, 1},
        {"wider second", 500, 600, 300, 2, 2},
        {"equal spans, larger second", 600, 600, 300, 2, 2},
        {"equal spans, smaller second", 600, 600, 100, 2, 1},
        {"second not in use", 500, 600, 300, 1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        AircraftTexts texts = defaultAircraftTexts();
        texts.wing[1] = wingOf({200, 200, c.width1, 0, 0, 0});
        texts.wing[2] = wingOf({c.chord2, c.chord2, c.width2, 0, 0, 500});
        Aircraft ac;
        ac.WingCount = ac.ActiveWingCount = c.wings;
        recalculate(ac, texts);
        EXPECT_EQ(planformReferenceWing(ac), c.expected);
        const MeanChord m = meanChordOf(ac, c.expected, true);
        EXPECT_EQ(ac.ReferenceMacLeadingX, m.leadingX);
        EXPECT_EQ(ac.ReferenceMacY, m.y);
    }
}

} // namespace
} // namespace ab
