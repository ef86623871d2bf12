// SPDX-License-Identifier: GPL-3.0-or-later
// The fuselage's share where the top view and the printed page show it, in the three languages, and
// nothing of it for an aircraft whose calculation had no body.
#include "stability/summary_rows.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace ab {
namespace {

// Neutral point 120 mm with a fuselage share of -3.7 mm, reference chord 250 mm from x = 0.
Aircraft withFuselage(int wings)
{
    Aircraft ac;
    ac.WingCount = ac.ActiveWingCount = wings;
    ac.NeutralPointX = 120;
    ac.ReferenceMac = 250;
    ac.ReferenceArea = 400000;
    ac.ResultsValid = true;
    ac.FuselageShift = -3.7;
    ac.FuselageCalculated = true;
    return ac;
}

bool holdsRow(const std::vector<PageRow>& rows, const std::string& text)
{
    return std::any_of(rows.begin(), rows.end(), [&](const PageRow& r) { return r.text == text; });
}

TEST(FuselageRows, TheShareStandsUnderTheNeutralPointInEveryLanguage)
{
    const Aircraft ac = withFuselage(2);
    const StabilityFigures f = stabilityFigures(ac, 7.5);
    const char* expected[] = {"fuselage: -3.7 mm (-1.5 % MAC)    ", "Rumpf: -3.7 mm (-1.5 % lm)    ",
                              "fuselaje: -3.7 mm (-1.5 % CMA)    "};
    for (Language l : {Language::English, Language::German, Language::Spanish}) {
        const std::vector<StabilityRow> rows = stabilityRows(ac, f, l, true);
        ASSERT_EQ(rows.back().row, 314);
        EXPECT_EQ(rows.back().text, expected[static_cast<int>(l)]);
    }
    const std::vector<PageRow> page = summaryRows(ac, f, "body.wk4", Language::English);
    EXPECT_TRUE(holdsRow(page, "fuselage share: "));
    EXPECT_TRUE(holdsRow(page, " -3.7 mm (-1.5 % MAC)"));
    EXPECT_TRUE(holdsRow(page, "123.7 mm (49.5% MAC)")); // the neutral point without the body

    // Without a body in the last calculation neither the top view nor the page has a row of it.
    Aircraft none = withFuselage(2);
    none.FuselageCalculated = false;
    EXPECT_EQ(stabilityRows(none, f, Language::English, true).back().row, 298);
    EXPECT_FALSE(holdsRow(summaryRows(none, f, "body.wk4", Language::English), "fuselage share: "));
}

} // namespace
} // namespace ab
