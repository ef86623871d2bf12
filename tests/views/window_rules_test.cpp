// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/window_rules.h"

#include "files/open_aircraft.h"
#include "stability/stability.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace ab {
namespace {

TEST(WindowRules, CommandsFollowTheState)
{
    const struct {
        const char* when;
        WindowState state;
        bool calculate, print, save;
    } rows[] = {
        {"start", {}, true, false, false},
        {"calculating", {.calculating = true}, false, false, false},
        {"calculated", {.resultsValid = true, .solverDataValid = true, .edited = false}, false, true, false},
        {"calculated, then edited", {.resultsValid = false, .solverDataValid = true, .edited = true}, true, false, false},
        {"opened with stored results", {.resultsValid = true, .solverDataValid = false, .saveOffered = true}, true,
         true, true},
        {"calculation failed", {.resultsValid = false, .solverDataValid = false, .edited = false}, false, false, false},
    };
    for (const auto& r : rows) {
        const CommandStates c = commandStates(r.state);
        EXPECT_EQ(c.calculate, r.calculate) << r.when;
        EXPECT_EQ(c.print, r.print) << r.when;
        EXPECT_EQ(c.exports, r.print) << r.when;
        EXPECT_EQ(c.save, r.save) << r.when;
    }
    for (int n = 1; n <= MaxWings; ++n) {
        const CommandStates c = commandStates({.wingCount = n});
        EXPECT_EQ(c.wingMenu.wing21, wingCountMenu(n).wing21);
        EXPECT_EQ(c.wingMenu.exchange, wingCountMenu(n).exchange);
    }
}

TEST(WindowRules, StabilityControlsByModeAndWingCount)
{
    EXPECT_FALSE(stabilityControlsShown(true, 1).marginControls);
    EXPECT_FALSE(stabilityControlsShown(true, 3).mark8);
    for (int wings = 1; wings <= MaxWings; ++wings) {
        const StabilityControlsShown s = stabilityControlsShown(false, wings);
        EXPECT_TRUE(s.marginControls && s.mark8);
        // The lower bound of the automatic range: 4 % for a flying wing, 8 % (with 16 %) otherwise.
        const StabilityFigures range = stabilityFigures(Aircraft{.ActiveWingCount = wings}, 0);
        EXPECT_EQ(s.mark4, range.StabilityLow == 4) << wings;
        EXPECT_EQ(s.mark16, range.StabilityHigh == 16) << wings;
    }
}

// The mark positions are where the bar writes their margins into the field.
TEST(WindowRules, MarginMarksStandWhereTheBarWritesTheirMargin)
{
    EXPECT_EQ(marginBarPosition(MarginMarkPercent[0]), 28);
    EXPECT_EQ(marginBarPosition(MarginMarkPercent[1]), 44);
    EXPECT_EQ(marginBarPosition(MarginMarkPercent[2]), 52);
    for (int position = 0; position <= 60; ++position)
        EXPECT_EQ(marginBarPosition(readMargin(marginFieldText(position)).percent), position);
    EXPECT_EQ(marginBarPosition(99), 0);
    EXPECT_EQ(marginBarPosition(-5), 60);
    EXPECT_EQ(marginBarPosition(std::numeric_limits<double>::quiet_NaN()), 0);
}

TEST(WindowRules, InsertPressureBoxAndStoredResults)
{
    for (int source = 1; source <= MaxWings; ++source) {
        PerWing<bool> flags{};
        flags[source] = true;
        EXPECT_EQ(insertOffered(false, flags), source == 2 || source == 3) << source;
        EXPECT_TRUE(insertOffered(true, flags));
    }
    EXPECT_FALSE(pressureBoxOffered(Aircraft{.ResultsValid = true}));
    EXPECT_TRUE(pressureBoxOffered(Aircraft{.SolverDataValid = true}));
    EXPECT_FALSE(storedResultsValid(Aircraft{}));
    EXPECT_TRUE(storedResultsValid(Aircraft{.ReferenceArea = 1}));
}

} // namespace
} // namespace ab
