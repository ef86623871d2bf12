// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/units.h"

#include "model/numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace ab {
namespace {

// Every figure typed in inches or ounces is stored in mm or g so that it reads back as typed in the
// shown unit and as its true value in the metric one; a metric figure shows as its true value.
TEST(Units, TypedFiguresReadBackInBothSystems)
{
    struct Sweep {
        Quantity q;
        int metricDecimals; // of the fields: whole mm on a wing, one decimal in the balance table
        int steps;          // figures from -steps to +steps in the imperial last decimal
    };
    for (const Sweep s : {Sweep{Quantity::Length, 0, 5000}, Sweep{Quantity::Length, 1, 5000},
                          Sweep{Quantity::Mass, 1, 3000}}) {
        const int d = imperialDecimals(s.q);
        const double f = unitFactor(s.q, UnitSystem::Imperial);
        for (int i = -s.steps; i <= s.steps; ++i) {
            const std::string typed = formatFixed(i / std::pow(10.0, d), d);
            const std::string stored = storedText(typed, s.q, UnitSystem::Imperial, s.metricDecimals);
            ASSERT_EQ(shownText(stored, s.q, UnitSystem::Imperial), typed) << stored;
            ASSERT_EQ(formatFixed(parseLenientReal(stored), s.metricDecimals),
                      formatFixed(parseLenientReal(typed) * f, s.metricDecimals))
                << typed << " stored as " << stored;
        }
        // A wing field takes whole mm: the nearest, shown again within half a mm (and the shown rounding).
        for (int i = -s.steps; s.q == Quantity::Length && i <= s.steps; ++i) {
            const double typed = i / 100.0;
            const std::string stored = storedText(formatFixed(typed, 2), s.q, UnitSystem::Imperial, 0, false, 0);
            ASSERT_EQ(stored, formatFixed(typed * f, 0));
            ASSERT_LE(std::abs(parseLenientReal(shownText(stored, s.q, UnitSystem::Imperial, false)) - typed), 0.5 / f + 0.005);
        }
        for (int mm = -3000; s.q == Quantity::Length && mm <= 3000; mm += 7) {
            const std::string shown = shownText(std::to_string(mm), s.q, UnitSystem::Imperial);
            ASSERT_EQ(shown, formatFixed(mm / f, d));
            // Typed back as shown, the metric figure comes back whole.
            ASSERT_EQ(formatFixed(parseLenientReal(storedText(shown, s.q, UnitSystem::Imperial, 0)), 0),
                      std::to_string(mm)) << shown;
        }
    }
}

TEST(Units, TextsKeepWhatTheyAreAndMetricChangesNothing)
{
    struct Case {
        const char* typed;
        Quantity q;
        const char* stored;
        const char* shownBack;
    };
    const Case cases[] = {
        {"10", Quantity::Length, "254", "10.00"},       // exact: stays whole
        {"8.66", Quantity::Length, "220", "8.66"},      // a whole mm reads back as typed
        {"8.65", Quantity::Length, "219.7", "8.65"},
        {"22O", Quantity::Length, "558.8O", "22.00O"},  // misread stays misread
        {"-3", Quantity::Length, "-76.2", "-3.00"},
        {" 1,5", Quantity::Mass, "42.5", "1.5"},        // a decimal comma as the balance reads it
        {"1", Quantity::Mass, "28.3", "1.0"},
        {"abc", Quantity::Mass, "abc", "abc"},
        {"12.5 in", Quantity::Length, "317.5 in", "12.50 in"},
        {"", Quantity::Length, "", ""},
    };
    for (const Case& c : cases) {
        const int metricDecimals = c.q == Quantity::Mass ? 1 : 0;
        EXPECT_EQ(storedText(c.typed, c.q, UnitSystem::Imperial, metricDecimals), c.stored) << c.typed;
        EXPECT_EQ(shownText(c.stored, c.q, UnitSystem::Imperial), c.shownBack) << c.typed;
        EXPECT_EQ(storedText(c.typed, c.q, UnitSystem::Metric, metricDecimals), c.typed);
        EXPECT_EQ(shownText(c.typed, c.q, UnitSystem::Metric), c.typed);
    }
    EXPECT_EQ(storedText("10.5", Quantity::Length, UnitSystem::Imperial, 0, false, 0), "267");
    EXPECT_EQ(storedText("22O", Quantity::Length, UnitSystem::Imperial, 0, false, 0), "559O");
    EXPECT_EQ(storedText("8,5", Quantity::Length, UnitSystem::Imperial, 0, false, 0), "203,5");
    EXPECT_EQ(shownFigure(1234567, Quantity::Area, UnitSystem::Metric, 2), "123.46");
    EXPECT_EQ(shownFigure(645.16 * 12, Quantity::Area, UnitSystem::Imperial, 2), "12.0");
    EXPECT_EQ(shownFigure(1000, Quantity::Mass, UnitSystem::Imperial, 1, 6), "  35.3");
}

} // namespace
} // namespace ab
