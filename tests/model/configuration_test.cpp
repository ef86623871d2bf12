// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/configuration.h"
#include "model/planform.h"
#include "model/recalculation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace ab {
namespace {

TEST(WingCountMenu, JumpsToWingTabsFollowTheCount)
{
    // (count, wing21, wing31); the exchanges are checked with the file command that shares them.
    const int rows[][3] = {{0, 0, 0}, {1, 0, 0}, {2, 1, 0}, {3, 1, 1}, {4, 1, 1}, {5, 1, 1}, {6, 0, 0}};
    for (const auto& r : rows) {
        const WingCountMenu m = wingCountMenu(r[0]);
        EXPECT_EQ(m.wing21, r[1] != 0) << r[0];
        EXPECT_EQ(m.wing31, r[2] != 0) << r[0];
        EXPECT_FALSE(m.exchange[0]);
    }
    EXPECT_FALSE(wingCountMenu(3).exchange[4]);
    EXPECT_FALSE(wingCountMenu(3).exchange[5]);
    EXPECT_FALSE(wingCountMenu(6).exchange[1]);
}

TEST(CopyCommands, PagesAndMenuJumpsOfferCopyAndInsert)
{
    const CopyCommands off{false, false}, copyOnly{true, false}, both{true, true};
    struct Row {
        int page;
        bool available;
        CopyCommands before, afterChange, afterJump;
    };
    const Row rows[] = {
        {1, true, off, both, both},
        {3, false, both, copyOnly, both}, // a jump never takes the insert away
        {2, false, off, copyOnly, copyOnly},
        {4, true, off, off, both},        // wing 4 and 5 keep the state on a page change
        {5, false, both, both, both},
        {AircraftPage, true, both, off, off},
        {RemarksPage, true, both, off, both},
    };
    for (const Row& r : rows) {
        const CopyCommands c = copyCommandsAfterPageChange(r.page, r.available, r.before);
        const CopyCommands j = copyCommandsAfterMenuJump(r.page, r.available, r.before);
        EXPECT_EQ(c.copy, r.afterChange.copy) << r.page;
        EXPECT_EQ(c.insert, r.afterChange.insert) << r.page;
        if (r.page != RemarksPage) { // the menu has no jump to the remarks tab
            EXPECT_EQ(j.copy, r.afterJump.copy) << r.page;
            EXPECT_EQ(j.insert, r.afterJump.insert) << r.page;
        }
    }
}

TEST(TrapezoidCount, ShowsTheFieldsAndStationsOfTheTrapezoidsInUse)
{
    for (int n = 1; n <= MaxTrapezoids; ++n) {
        int shown = 0, stations = 0;
        for (int r = 0; r < WingFieldCount; ++r)
            shown += fieldShown(static_cast<Role>(r), n);
        for (int s = 0; s < MaxStations; ++s)
            stations += stationLabelShown(s, n);
        EXPECT_EQ(shown, 2 + 3 * n) << n;
        EXPECT_EQ(stations, n + 1) << n;
    }
    EXPECT_TRUE(fieldShown(Role::PosX, 1));
    EXPECT_EQ(trapezoidOfRole(tipOffsetRole(4)), 4);
    EXPECT_EQ(trapezoidOfRole(widthRole(2)), 2);
}

TEST(FieldHandling, GapPositionAndPlanformFieldsRunTheirEvaluation)
{
    EXPECT_EQ(fieldHandling(Role::RootGap), FieldHandling::GapEvaluation);
    EXPECT_EQ(fieldHandling(Role::PosX), FieldHandling::RecalculationPass);
    EXPECT_EQ(fieldHandling(Role::PosZ), FieldHandling::RecalculationPass);
    for (int r = 1; r < WingFieldCount; ++r)
        EXPECT_EQ(fieldHandling(static_cast<Role>(r)), FieldHandling::WingEvaluation) << r;
}

TEST(WingExchange, DefaultWingsOneAndTwoSwapPlanformPositionAndCount)
{
    AircraftTexts t = defaultAircraftTexts();
    t.wing[2].name = "Tailplane";
    t.wing[2].dihedral[1] = "40";
    t.wing[1].dihedral[3] = "7,5";
    const std::vector<ExchangeStep> steps = exchangeSteps(t, 1);
    constexpr std::size_t perWing = RoleCount + MaxTrapezoids + 2;
    ASSERT_EQ(steps.size(), 2 * perWing);
    // Wing 1 is written first, field by field in role order, then the angles of its trapezoids, its
    // count button and its name.
    EXPECT_EQ(steps[0].wing, 1);
    EXPECT_EQ(steps[1].role, Role::RootChord);
    EXPECT_EQ(steps[1].text, "135");
    EXPECT_EQ(steps[RoleCount].write, ExchangeWrite::Dihedral);
    EXPECT_EQ(steps[RoleCount].text, "40");
    EXPECT_EQ(steps[RoleCount + MaxTrapezoids].write, ExchangeWrite::TrapezoidCount);
    EXPECT_EQ(steps[RoleCount + MaxTrapezoids + 1].write, ExchangeWrite::Name);
    EXPECT_EQ(steps[RoleCount + MaxTrapezoids + 1].text, "Tailplane");
    EXPECT_EQ(steps[perWing].wing, 2);
    for (const ExchangeStep& s : steps)
        applyToTexts(s, t);
    EXPECT_EQ(t.wing[1][Role::RootChord], "135");
    EXPECT_EQ(t.wing[2][Role::RootChord], "335");
    EXPECT_EQ(t.wing[1][Role::PosX], "1167");
    EXPECT_EQ(t.wing[1][Role::PosZ], "0");
    EXPECT_EQ(t.wing[2][Role::PosX], "0");
    EXPECT_EQ(t.wing[2][Role::PosZ], "-190");
    EXPECT_EQ(t.wing[1].name, "Tailplane");
    EXPECT_EQ(t.wing[2].name, "");
    EXPECT_EQ(t.wing[1].dihedral[1], "40");
    EXPECT_EQ(t.wing[1].dihedral[3], "");
    EXPECT_EQ(t.wing[2].dihedral[1], "");
    EXPECT_EQ(t.wing[2].dihedral[3], "7,5");
}

TEST(WingExchange, FourAndFiveSwapTheirTrapezoidCounts)
{
    AircraftTexts t = defaultAircraftTexts();
    const std::vector<ExchangeStep> steps = exchangeSteps(t, 5);
    EXPECT_EQ(steps.front().wing, 4);
    for (const ExchangeStep& s : steps)
        applyToTexts(s, t);
    EXPECT_EQ(t.wing[4].trapezoidCount, 2);
    EXPECT_EQ(t.wing[5].trapezoidCount, 3);
    EXPECT_EQ(t.wing[4][Role::RootGap], "300");
    // Pair 4 also starts with wing 4.
    EXPECT_EQ(exchangeSteps(defaultAircraftTexts(), 4).front().wing, 4);
}

// Any texts, any pair: the two wings trade places, the others stay, and a second exchange restores
// the aircraft. Every intermediate state evaluates to finite figures.
TEST(WingExchange, SwapsExactlyTwoWingsAndIsItsOwnInverse)
{
    std::mt19937 rng(7);
    const char* samples[] = {"", "-", "12a", "0x7FFFFFFF", "-2147483648", " 40", "$ff", "99999999999999999999", "3"};
    std::uniform_int_distribution<int> pick(0, std::size(samples) - 1), count(1, 4);
    const int pairWings[6][2] = {{0, 0}, {1, 2}, {1, 3}, {2, 3}, {3, 4}, {4, 5}};
    for (int round = 0; round < 50; ++round) {
        AircraftTexts t;
        for (int w = 1; w <= MaxWings; ++w) {
            for (auto& f : t.wing[w].field)
                f = samples[pick(rng)];
            t.wing[w].trapezoidCount = count(rng);
            t.wing[w].name = samples[pick(rng)];
            for (int k = 1; k <= MaxTrapezoids; ++k)
                t.wing[w].dihedral[k] = samples[pick(rng)];
        }
        const AircraftTexts before = t;
        const int pair = 1 + round % 5;
        Aircraft ac;
        for (const ExchangeStep& s : exchangeSteps(t, pair)) {
            applyToTexts(s, t);
            const WingLabels l = evaluateWing(ac, t.wing[s.wing], s.wing);
            EXPECT_TRUE(std::isfinite(ac.WingArea[s.wing]) && std::isfinite(ac.WingR25[s.wing])) << l.r25;
        }
        const int a = pairWings[pair][0], b = pairWings[pair][1];
        for (int w = 1; w <= MaxWings; ++w) {
            const int from = w == a ? b : w == b ? a : w;
            EXPECT_EQ(t.wing[w].field, before.wing[from].field) << pair << " " << w;
            EXPECT_EQ(t.wing[w].trapezoidCount, before.wing[from].trapezoidCount);
            EXPECT_EQ(t.wing[w].dihedral, before.wing[from].dihedral);
            EXPECT_EQ(t.wing[w].name, before.wing[from].name);
        }
        for (const ExchangeStep& s : exchangeSteps(t, pair))
            applyToTexts(s, t);
        EXPECT_EQ(t, before);
    }
}

} // namespace
} // namespace ab
