// SPDX-License-Identifier: GPL-3.0-or-later
// The fuselage table as read: which stations count and which cells are flagged, and the quick shape.
#include "model/fuselage.h"

#include <gtest/gtest.h>

namespace ab {
namespace {

TEST(FuselageTable, StationsOutOfOrderAreLeftOutAndBadWidthsCountAsZero)
{
    using P = EntryProblem;
    const FuselageReading r = readFuselage({{"-100", "0"}, {"0", "80"}, {"-50", "60"}, {"0", "70"}, {"", "50"},
                                            {"200,5", "-20"}, {"300", "wide"}, {"400", "2e6"}});
    const std::vector<std::pair<P, P>> flags{{P::None, P::None},       {P::None, P::None},
                                             {P::OutOfOrder, P::None}, {P::OutOfOrder, P::None},
                                             {P::Empty, P::None},      {P::None, P::Negative},
                                             {P::None, P::NotANumber}, {P::None, P::OutOfRange}};
    ASSERT_EQ(r.rows.size(), flags.size());
    for (std::size_t i = 0; i < flags.size(); ++i) {
        EXPECT_EQ(r.rows[i].x, flags[i].first) << i;
        EXPECT_EQ(r.rows[i].width, flags[i].second) << i;
    }
    ASSERT_EQ(r.stations.size(), 5u);
    EXPECT_EQ(r.stations[2].x, 200.5);
    for (std::size_t i = 2; i < 5; ++i)
        EXPECT_EQ(r.stations[i].width, 0) << i;
}

// An elliptic nose over the first quarter, the largest width to half the length, a straight taper
// to a third of it at the tail.
TEST(FuselageTable, TheQuickShapeFillsTheTableFromNoseToTail)
{
    const FuselageReading r = readFuselage(quickFuselageShape(-250, 1000, 100));
    ASSERT_EQ(r.stations.size(), 11u);
    for (const FuselageRowReading& row : r.rows)
        EXPECT_FALSE(row.flagged());
    EXPECT_EQ(r.stations.front().x, -250);
    EXPECT_EQ(r.stations.front().width, 0);
    EXPECT_DOUBLE_EQ(fuselageWidthAt(r.stations, -200), 60);   // 20 % of the nose: sqrt(1 - 0.8^2)
    EXPECT_DOUBLE_EQ(fuselageWidthAt(r.stations, 100), 100);
    EXPECT_NEAR(fuselageWidthAt(r.stations, 750), 33.3, 1e-9);
    EXPECT_EQ(fuselageWidthAt(r.stations, 751), 0);
    EXPECT_TRUE(quickFuselageShape(0, 0, 100).empty());
    EXPECT_TRUE(quickFuselageShape(0, 500, -1).empty());
}

} // namespace
} // namespace ab
