// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/grid.h"
#include "solver/separation.h"
#include "solver_test_support.h"

#include <gtest/gtest.h>

namespace ab {
namespace {

using Writes = std::vector<std::pair<int, std::string>>;

struct Separated {
    Aircraft ac;
    AircraftTexts texts;
    Writes written;
};

// Rectangles (half-span, chord, height, centre gap) planned by GRID, then separated.
struct Rect {
    int halfSpan, chord, z, gap = 0;
};
Separated separate(const std::vector<Rect>& wings)
{
    Separated s;
    s.texts = defaultAircraftTexts();
    s.texts.wingCount = static_cast<int>(wings.size());
    for (int w = 1; w <= s.texts.wingCount; ++w) {
        const Rect& r = wings[w - 1];
        test::setRectangle(s.texts, w, r.halfSpan, r.chord, 0, r.z, r.gap);
    }
    s.ac = test::preparedAircraft(s.texts);
    PanelCounts counts;
    std::vector<std::string> failures;
    GRID(s.ac, counts, Language::English, failures);
    KONFLIKT2(s.ac, s.texts, counts, [&](int w, const std::string& z) { s.written.emplace_back(w, z); });
    return s;
}

TEST(SpanOverlap, OnlyAPositiveLengthCounts)
{
    EXPECT_TRUE(UEBERSCHNEID(0, 500, 100, 200));
    EXPECT_TRUE(UEBERSCHNEID(100, 200, 0, 500));
    EXPECT_FALSE(UEBERSCHNEID(0, 500, 500, 800)); // touching ends
    EXPECT_FALSE(UEBERSCHNEID(300, 500, 0, 300));
}

// Half-span 400 and chord 100 plan 40 strips: d = 0.6 * 400 / 40 = 6 mm exactly.
TEST(VerticalSeparation, PairsOfTwoWings)
{
    struct Row {
        int z1, z2;
        Writes written;
    };
    const Row rows[] = {
        {0, 0, {{2, "-6"}}},    // same height: down by d
        {100, 103, {{2, "106"}}}, // above by less than d: d above
        {0, 6, {}},             // exactly d apart: not taken up
        {0, -5, {{2, "-6"}}},
    };
    for (const Row& r : rows) {
        const Separated s = separate({{400, 100, r.z1}, {400, 100, r.z2}});
        EXPECT_EQ(s.written, r.written) << r.z1 << " " << r.z2;
        EXPECT_EQ(s.ac.WingsMoved, !r.written.empty());
        EXPECT_EQ(std::to_string(s.ac.posZ[2]), s.texts.wing[2][Role::PosZ]);
    }
    // d = 0.6 * 500 / 45 = 6.67: the field shows the height rounded, posZ is what it shows.
    EXPECT_EQ(separate({{500, 100, 0}, {500, 100, 0}}).written, (Writes{{2, "-7"}}));
}

TEST(VerticalSeparation, ThirdWingStepsUntilItClearsBoth)
{
    // Wing 2 goes to -6. Wing 3 at -3 steps down 1 mm at a time; at -6 it is exactly d from wing 1,
    // which still counts as too close, then too close to wing 2 until it is below -12.
    const Separated s = separate({{400, 100, 0}, {400, 100, 0}, {400, 100, -3}});
    EXPECT_EQ(s.written, (Writes{{2, "-6"}, {3, "-13"}}));
    EXPECT_EQ(s.ac.posZ[3], -13);
}

TEST(VerticalSeparation, WingsApartInSpanOrWithoutStripsStay)
{
    // A surface outside the other's span, and one whose centre gap starts at the other's tip.
    EXPECT_TRUE(separate({{300, 100, 0}, {100, 100, 0, 400}}).written.empty());
    EXPECT_TRUE(separate({{300, 100, 0}, {100, 100, 0, 300}}).written.empty());
    EXPECT_FALSE(separate({{400, 100, 0}}).ac.WingsMoved);
    // Wing 2 has no strips: left out of the minimum distance, no division by zero. Wing 3 steps
    // away from wing 1 until it is more than d = 6 away.
    EXPECT_EQ(separate({{400, 100, 0}, {0, 0, 0}, {400, 100, 0}}).written, (Writes{{3, "-7"}}));
}

TEST(VerticalSeparation, HugeWingsAreSeparatedAtOnceWithinTheFieldRange)
{
    // 20 strips of 50 km: d = 30,000,000 mm, too many 1 mm steps to take one by one.
    const int low = -2147483000, big = 1000000000;
    const Separated s = separate({{big, big, low}, {big, big, low}, {big, big, low + 1}});
    EXPECT_EQ(s.ac.posZ[2], -2147483647); // d below wing 1 is beyond what a height field holds
    EXPECT_EQ(s.ac.posZ[3], low + 30000001);
    for (int w = 1; w <= 3; ++w)
        EXPECT_EQ(std::to_string(s.ac.posZ[w]), s.texts.wing[w][Role::PosZ]);
}

} // namespace
} // namespace ab
