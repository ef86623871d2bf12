#include "solver/separation.h"
#include "solver/grid.h"
#include "solver_test_support.h"

#include <gtest/gtest.h>

#include <cmath>

namespace ab {
namespace {

using test::preparedAircraft;
using test::setRectangle;

struct Separated {
    Aircraft ac;
    AircraftTexts texts;
    PanelCounts counts;
    std::vector<std::pair<int, std::string>> written;
    double d = 0; // the minimum distance of the run
};

// Rectangles of chord 100 at the given half-spans and heights; GRID, then KONFLIKT2.
Separated separate(std::vector<int> halfSpans, std::vector<int> heights, std::vector<int> rootGaps = {})
{
    Separated s;
    s.texts = defaultAircraftTexts();
    const int n = static_cast<int>(halfSpans.size());
    for (int w = 1; w <= n; ++w)
        setRectangle(s.texts, w, halfSpans[w - 1], 100, 0, heights[w - 1], rootGaps.empty() ? 0 : rootGaps[w - 1]);
    s.texts.wingCount = n;
    s.ac = preparedAircraft(s.texts);
    std::vector<std::string> failures;
    GRID(s.ac, s.counts, Language::English, failures);
    for (int w = 1; w <= n; ++w)
        if (s.counts.StripCount[w] > 0)
            s.d = std::max(s.d, 0.6 * (s.ac.WingSpan[w] / 2 - s.ac.rootGap[w]) / s.counts.StripCount[w]);
    KONFLIKT2(s.ac, s.texts, s.counts, [&](int w, const std::string& text) { s.written.emplace_back(w, text); });
    return s;
}

TEST(SpanOverlap, OnlyAPositiveLengthCounts)
{
    EXPECT_TRUE(UEBERSCHNEID(0, 500, 100, 200));
    EXPECT_TRUE(UEBERSCHNEID(100, 200, 0, 500));
    EXPECT_FALSE(UEBERSCHNEID(0, 500, 500, 800)); // touching ends
    EXPECT_FALSE(UEBERSCHNEID(300, 500, 0, 300));
    EXPECT_FALSE(UEBERSCHNEID(0, 100, 200, 300));
}

TEST(VerticalSeparation, SecondWingEndsExactlyTheDistanceAwayFromTheFirst)
{
    // Same height: the later wing moves down.
    Separated same = separate({500, 500}, {0, 0});
    ASSERT_GT(same.d, 0);
    EXPECT_TRUE(same.ac.WingsMoved);
    EXPECT_EQ(same.written.size(), 1u);
    EXPECT_EQ(same.written[0].first, 2);
    // d = 0.6 * 500 / 45 = 6.67: the field shows -7, posZ is its value.
    EXPECT_EQ(same.written[0].second, "-7");
    EXPECT_EQ(same.texts.wing[2][Role::PosZ], "-7");
    EXPECT_EQ(same.ac.posZ[2], -7);

    // Above by less than d: it ends d above.
    Separated above = separate({500, 500}, {100, 103});
    EXPECT_EQ(above.texts.wing[2][Role::PosZ], "107");

    // Half-span 400 gives 40 strips and d = 6 exactly: a pair exactly d apart is not taken up.
    Separated apart = separate({400, 400}, {0, 6});
    EXPECT_EQ(apart.d, 6.0);
    EXPECT_FALSE(apart.ac.WingsMoved);
    Separated closer = separate({400, 400}, {0, 5});
    EXPECT_EQ(closer.texts.wing[2][Role::PosZ], "6");
}

TEST(VerticalSeparation, WingsWhoseSpansDoNotOverlapStayWhereTheyAre)
{
    // A narrow surface outside the other's span, and one whose centre gap starts at the other's tip.
    Separated outside = separate({300, 100}, {0, 0}, {0, 400});
    EXPECT_FALSE(outside.ac.WingsMoved);
    Separated touching = separate({300, 100}, {0, 0}, {0, 300});
    EXPECT_FALSE(touching.ac.WingsMoved);
    EXPECT_TRUE(touching.written.empty());
}

TEST(VerticalSeparation, ThirdWingStepsUntilItClearsBoth)
{
    // d = 6: wing 2 goes to -6. Wing 3 at -3 steps down 1 mm at a time; at -6 it is exactly d from
    // wing 1, which still counts as too close, then too close to wing 2 until it is below -12.
    Separated s = separate({400, 400, 400}, {0, 0, -3});
    ASSERT_EQ(s.written.size(), 2u);
    EXPECT_EQ(s.written[0], (std::pair<int, std::string>{2, "-6"}));
    EXPECT_EQ(s.written[1], (std::pair<int, std::string>{3, "-13"}));
    EXPECT_EQ(s.ac.posZ[3], -13);
}

TEST(VerticalSeparation, OneWingOrWingsWithoutStripsMoveNothing)
{
    Separated one = separate({500}, {0});
    EXPECT_FALSE(one.ac.WingsMoved);

    // Wing 2 has no strips: it is left out of the minimum distance, no division by zero.
    Separated empty = separate({500, 0, 500}, {0, 0, 0});
    EXPECT_TRUE(std::isfinite(empty.d));
    EXPECT_EQ(empty.counts.StripCount[2], 0);
    EXPECT_TRUE(empty.ac.WingsMoved); // wing 3 still clears wing 1
    EXPECT_EQ(empty.texts.wing[3][Role::PosZ], "-7");
}

TEST(VerticalSeparation, HugeWingsAreSeparatedAtOnceAndStayInTheFieldRange)
{
    // 20 strips of 50,000 km: d = 30,000,000 mm, far too many 1 mm steps to take one by one.
    AircraftTexts t = defaultAircraftTexts();
    const int low = -2147483000;
    setRectangle(t, 1, 1000000000, 1000000000, 0, low);
    setRectangle(t, 2, 1000000000, 1000000000, 0, low);
    setRectangle(t, 3, 1000000000, 1000000000, 0, low + 1);
    t.wingCount = 3;
    Aircraft ac = preparedAircraft(t);
    PanelCounts counts;
    std::vector<std::string> failures;
    GRID(ac, counts, Language::English, failures);
    KONFLIKT2(ac, t, counts);
    EXPECT_TRUE(ac.WingsMoved);
    EXPECT_EQ(ac.posZ[2], -2147483647); // d below wing 1 is beyond what a height field holds
    EXPECT_EQ(ac.posZ[3], low + 30000001);
    for (int w = 1; w <= 3; ++w)
        EXPECT_EQ(std::to_string(ac.posZ[w]), t.wing[w][Role::PosZ]) << w;
}

} // namespace
} // namespace ab
