// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/planform.h"
#include "model/recalculation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <set>
#include <string_view>

namespace ab {
namespace {

struct ExpectedLabels {
    const char *span, *area, *mac, *r25, *lam;
};

TEST(WingEvaluation, DefaultWingsShowTheirFiguresToTheCharacter)
{
    const ExpectedLabels expected[6] = {
        {},
        {"2200mm", "71.82dm^2", "329.7mm", "141.6mm", " 6.7"},
        {" 816mm", "20.10dm^2", "256.5mm", "69.5mm", " 3.3"},
        {"2200mm", "71.82dm^2", "329.7mm", "141.6mm", " 6.7"},
        {" 200mm", "26.25dm^2", "1384.0mm", "352.5mm", "0.2"},
        {" 752mm", "9.73dm^2", "640.8mm", "119.4mm", "  5.8"},
    };
    Aircraft ac;
    const AircraftTexts texts = defaultAircraftTexts();
    const PerWing<WingLabels> labels = recalculate(ac, texts);
    for (int w = 1; w <= 5; ++w) {
        SCOPED_TRACE(w);
        EXPECT_EQ(labels[w].span, expected[w].span);
        EXPECT_EQ(labels[w].area, expected[w].area);
        EXPECT_EQ(labels[w].mac, expected[w].mac);
        EXPECT_EQ(labels[w].r25, expected[w].r25);
        EXPECT_EQ(labels[w].aspectRatio, expected[w].lam);
    }
    const char* stations[] = {"0", "220", "984", "1034", "1100"};
    for (int s = 0; s < 5; ++s)
        EXPECT_EQ(labels[1].stations[s], stations[s]);
    const double chords[] = {335, 335, 335, 295, 120};
    const double offsets[] = {0, 0, 131, 140, 215};
    for (int s = 0; s < 5; ++s) {
        EXPECT_EQ(ac.StationChord[s][1], chords[s]);
        EXPECT_EQ(ac.StationLeX[s][1], offsets[s]);
    }
    EXPECT_EQ(ac.StationCount[4], 4);
    EXPECT_EQ(ac.StationCount[5], 3);
    EXPECT_TRUE(showsGapQuestion(ac, 5));
    for (int w = 1; w <= 4; ++w)
        EXPECT_FALSE(showsGapQuestion(ac, w));
    EXPECT_EQ(ac.posX[2], 1167);
    EXPECT_EQ(ac.posZ[5], -350);
}

WingTexts rectangularWing()
{
    WingTexts t = defaultAircraftTexts().wing[1];
    t[Role::RootGap] = "0";
    t[Role::RootChord] = "200";
    t[Role::Width1] = "500";
    t[Role::TipChord1] = "200";
    t[Role::TipOffset1] = "0";
    t.trapezoidCount = 1;
    return t;
}

TEST(WingEvaluation, RectangularWing)
{
    Aircraft ac;
    const WingLabels l = evaluateWing(ac, rectangularWing(), 1);
    EXPECT_DOUBLE_EQ(ac.WingSpan[1], 1000);
    EXPECT_DOUBLE_EQ(ac.WingArea[1], 200000);
    EXPECT_DOUBLE_EQ(ac.WingMac[1], 200);
    EXPECT_DOUBLE_EQ(ac.WingR25[1], 50);
    EXPECT_DOUBLE_EQ(ac.WingAspectRatio[1], 5);
    EXPECT_EQ(l.area, "20.00dm^2");
    EXPECT_EQ(l.aspectRatio, " 5.0");
    EXPECT_DOUBLE_EQ(l.macLeading, 0);
    EXPECT_DOUBLE_EQ(l.macTrailing, 200);
}

TEST(WingEvaluation, ATiltedTrapezoidKeepsItsTypedFiguresAndFoldsItsStations)
{
    Aircraft ac;
    WingTexts v = rectangularWing();
    v.dihedral[1] = "40";
    const WingLabels flat = evaluateWing(ac, rectangularWing(), 1);
    EXPECT_FALSE(hasDihedral(ac, 1));
    EXPECT_EQ(ac.StationProjectedY[1][1], ac.StationY[1][1]);
    EXPECT_EQ(ac.WingProjectedArea[1], ac.WingArea[1]);
    const WingLabels tilted = evaluateWing(ac, v, 1);
    EXPECT_TRUE(hasDihedral(ac, 1));
    EXPECT_EQ(tilted.span, flat.span);
    EXPECT_EQ(tilted.area, flat.area);
    EXPECT_EQ(tilted.r25, flat.r25);
    const double c = std::cos(40 * std::numbers::pi / 180), s = std::sin(40 * std::numbers::pi / 180);
    EXPECT_NEAR(ac.StationProjectedY[1][1], 500 * c, 1e-9);
    EXPECT_NEAR(ac.StationRise[1][1], 500 * s, 1e-9);
    EXPECT_NEAR(ac.WingProjectedSpan[1], 1000 * c, 1e-9);
    EXPECT_NEAR(ac.WingProjectedArea[1], 200000 * c, 1e-6);
}

TEST(WingEvaluation, SignsAndMalformedTexts)
{
    Aircraft ac;
    WingTexts t = rectangularWing();
    t[Role::RootGap] = "-30";
    t[Role::RootChord] = "-200";
    t[Role::Width1] = "-500abc";
    t[Role::TipChord1] = "200.7";
    t[Role::TipOffset1] = "-40";
    evaluateWing(ac, t, 1);
    EXPECT_EQ(ac.rootGap[1], 30);
    EXPECT_EQ(ac.StationChordMm[0][1], 200);
    EXPECT_EQ(ac.StationYMm[1][1], 530); // "-500abc" stops early: magnitude 500
    EXPECT_EQ(ac.StationChordMm[1][1], 200);
    EXPECT_EQ(ac.StationOffsetMm[1][1], -40);
    EXPECT_TRUE(showsGapQuestion(ac, 1));
}

TEST(WingEvaluation, ZeroAreaWingsKeepTheirPositionInR25)
{
    Aircraft ac;
    AircraftTexts texts = defaultAircraftTexts();
    for (Role r : {Role::RootChord, Role::TipChord1, Role::TipChord2, Role::TipChord3, Role::TipChord4})
        texts.wing[2][r] = "0";
    recalculate(ac, texts);
    const WingLabels l = recalculate(ac, texts)[2];
    EXPECT_EQ(ac.WingArea[2], 0);
    EXPECT_EQ(ac.WingSpan[2], 0);
    EXPECT_EQ(ac.WingMac[2], 0);
    EXPECT_EQ(ac.WingAspectRatio[2], 0);
    EXPECT_DOUBLE_EQ(ac.WingR25[2], -1167.0);
    EXPECT_EQ(l.r25, "-1167.0mm");

    // all widths zero: every station at the root gap
    texts = defaultAircraftTexts();
    for (int k = 1; k <= 4; ++k)
        texts.wing[5][widthRole(k)] = "0";
    recalculate(ac, texts);
    for (int s = 0; s < 5; ++s)
        EXPECT_EQ(ac.StationY[s][5], 300);
    EXPECT_EQ(ac.WingArea[5], 0);
    EXPECT_TRUE(std::isfinite(ac.WingR25[5]));
}

TEST(WingEvaluation, TrapezoidCountSelectsStationsInUse)
{
    Aircraft ac;
    WingTexts t = defaultAircraftTexts().wing[1];
    t.trapezoidCount = 2;
    evaluateWing(ac, t, 1);
    EXPECT_DOUBLE_EQ(ac.WingSpan[1], 2 * 984.0);
    EXPECT_EQ(ac.StationY[4][1], 1100); // hidden stations still filled
    t.trapezoidCount = 4;
    const WingLabels l = evaluateWing(ac, t, 1);
    EXPECT_EQ(l.span, "2200mm");
}

TEST(WingEvaluation, MovingAWingShiftsItsLeadingEdgesNotItsR25)
{
    Aircraft ac;
    AircraftTexts texts = defaultAircraftTexts();
    recalculate(ac, texts);
    const double r25 = ac.WingR25[2];
    texts.wing[2][Role::PosX] = "1500";
    recalculate(ac, texts);
    EXPECT_EQ(ac.posX[2], 1500);
    EXPECT_EQ(ac.StationLeX[0][2], 1167); // read before the positions: previous pass
    recalculate(ac, texts);
    EXPECT_EQ(ac.StationLeX[0][2], 1500);
    EXPECT_NEAR(ac.WingR25[2], r25, 1e-9);
}

TEST(WingEvaluation, HugeNumbersStayFinite)
{
    Aircraft ac;
    WingTexts t = defaultAircraftTexts().wing[1];
    for (int r = 0; r < WingFieldCount; ++r)
        t.field[r] = "99999999999999999999";
    t[Role::RootGap] = "2147483647";
    evaluateWing(ac, t, 1);
    EXPECT_TRUE(std::isfinite(ac.WingArea[1]));
    EXPECT_TRUE(std::isfinite(ac.WingR25[1]));
    EXPECT_TRUE(std::isfinite(ac.WingAspectRatio[1]));
}

TEST(WingEvaluation, EvaluationMakesResultsStaleUnlessKept)
{
    Aircraft ac;
    const AircraftTexts texts = defaultAircraftTexts();
    ac.ResultsValid = ac.SolverDataValid = true;
    recalculate(ac, texts, ResultsAfterPass::Kept);
    EXPECT_TRUE(ac.ResultsValid);
    EXPECT_TRUE(ac.SolverDataValid);
    evaluateWing(ac, texts.wing[1], 1, ResultsAfterPass::Kept);
    EXPECT_TRUE(ac.ResultsValid);
    evaluateWing(ac, texts.wing[1], 1);
    EXPECT_FALSE(ac.ResultsValid);
    EXPECT_TRUE(ac.SolverDataValid);
    recalculate(ac, texts);
    EXPECT_FALSE(ac.SolverDataValid);
}

} // namespace
} // namespace ab

namespace ab {
namespace {

// The fourth-trapezoid fields of wings 1 to 4 share a prefix with the next wing's root chord field;
// the window finds every field by these names, so none may repeat.
TEST(FieldNames, EveryFieldHasItsOwnName)
{
    std::set<std::string_view> names;
    for (int w = 1; w <= 5; ++w) {
        for (int r = 0; r < RoleCount; ++r)
            EXPECT_TRUE(names.insert(fieldName(w, static_cast<Role>(r))).second);
        for (int n = 1; n <= 4; ++n)
            EXPECT_TRUE(names.insert(trapezoidButtonName(w, n)).second);
        EXPECT_TRUE(names.insert(wingCountButtonName(w)).second);
    }
    EXPECT_EQ(fieldName(1, Role::Width4), "Edit14y");
    EXPECT_EQ(fieldName(2, Role::RootChord), "Edit14");
    EXPECT_EQ(fieldName(5, Role::TipOffset4), "Edit54xx");
    EXPECT_EQ(fieldName(3, Role::PosZ), "Edit_z3");
    EXPECT_EQ(trapezoidButtonName(3, 4), "RadioButton43t");
    EXPECT_EQ(wingCountButtonName(4), "RB_W4");
}

} // namespace
} // namespace ab
