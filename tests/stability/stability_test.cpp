#include "stability/stability.h"

#include <gtest/gtest.h>

namespace ab {
namespace {

Aircraft resultsOf(int wings, double neutralPoint, double mac, double area)
{
    Aircraft ac;
    ac.WingCount = ac.ActiveWingCount = wings;
    ac.NeutralPointX = neutralPoint;
    ac.ReferenceMac = mac;
    ac.ReferenceArea = area;
    ac.ResultsValid = true;
    return ac;
}

TEST(StabilityFigures, AutomaticRangeByWingCountAndCentreOfGravityAheadOfTheNeutralPoint)
{
    const StabilityFigures one = stabilityFigures(resultsOf(1, 100, 200, 1e5), 7.5);
    EXPECT_EQ(one.StabilityLow, 4);
    EXPECT_EQ(one.StabilityHigh, 8);
    EXPECT_DOUBLE_EQ(one.CgAtLow, 92);
    EXPECT_DOUBLE_EQ(one.CgAtHigh, 84);
    EXPECT_DOUBLE_EQ(one.CgDesired, 85);
    for (int wings = 2; wings <= 5; ++wings) {
        const StabilityFigures f = stabilityFigures(resultsOf(wings, 100, 200, 1e5), 0);
        EXPECT_EQ(f.StabilityLow, 8);
        EXPECT_EQ(f.StabilityHigh, 16);
        EXPECT_DOUBLE_EQ(f.CgAtHigh, 68);
        EXPECT_DOUBLE_EQ(f.CgDesired, 100);
    }
    // A margin that would throw the centre of gravity out of range counts as 0.
    const StabilityFigures huge = stabilityFigures(resultsOf(1, 100, 200, 1e5), 1e308);
    EXPECT_EQ(huge.StabilityDesired, 0);
    EXPECT_EQ(huge.CgDesired, 100);
}

TEST(StabilityTexts, RowsOfTheTopViewInBothModes)
{
    const Aircraft ac = resultsOf(2, 100, 200, 100000);
    const StabilityFigures f = stabilityFigures(ac, 7.5);
    const std::vector<StabilityRow> automatic = stabilityRows(ac, f, Language::English, true);
    const std::vector<std::pair<int, std::string>> expected{
        {232, "Reference area (S): 10.00dm^2 "}, {249, "Reference length (lm): 200.0mm "},
        {266, "x_cg (16%): 68.0mm   "},          {282, "x_cg (8%): 84.0mm   "},
        {298, "x_ac: 100.0mm    "}};
    ASSERT_EQ(automatic.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(automatic[i].row, expected[i].first);
        EXPECT_EQ(automatic[i].text, expected[i].second);
    }
    EXPECT_EQ(automatic[0].ink, StabilityInk::Black);
    EXPECT_EQ(automatic[2].ink, StabilityInk::Blue);
    EXPECT_EQ(automatic[4].ink, StabilityInk::Red);

    const std::vector<StabilityRow> manual = stabilityRows(ac, f, Language::German, false);
    ASSERT_EQ(manual.size(), 4u);
    EXPECT_EQ(manual[0].text, "Bezugsfläche (S): 10.00dm^2 ");
    EXPECT_EQ(manual[2].row, 282);
    EXPECT_EQ(manual[2].text, "x_SP (7.5%): 85.0mm     ");
    EXPECT_EQ(manual[3].text, "x_NP: 100.0mm    ");
    EXPECT_EQ(stabilityRows(ac, f, Language::Spanish, true)[3].text, "x_cg (8%): 84.0mm   ");
}

TEST(StabilityTexts, Label21ShowsTheDistanceOnlyWithValidResults)
{
    Aircraft ac = resultsOf(1, 100, 200, 1e5);
    const StabilityFigures f = stabilityFigures(ac, 7.5);
    EXPECT_EQ(label21Text(ac, f, Language::English), "%  AC-CG= 15.0mm");
    EXPECT_EQ(label21Text(ac, f, Language::German), "%  NP-SP= 15.0mm");
    EXPECT_EQ(label21Text(ac, f, Language::Spanish), "%  NP-SP= 15.0mm");
    ac.ResultsValid = false;
    EXPECT_EQ(label21Text(ac, f, Language::English), "%");
}

TEST(StabilityTexts, MarginScrollBarWritesHalfPercentSteps)
{
    EXPECT_EQ(marginFieldText(45), " 7.5");
    EXPECT_EQ(marginFieldText(0), "30.0");
    EXPECT_EQ(marginFieldText(60), " 0.0");
    EXPECT_EQ(marginFieldText(1), "29.5");
}

} // namespace
} // namespace ab
