// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/balance_items.h"
#include "stability/stability.h"

#include <gtest/gtest.h>

namespace ab {
namespace {

// Neutral point 100 mm, reference chord 200 mm, reference area 10 dm^2.
Aircraft resultsOf(int wings)
{
    Aircraft ac;
    ac.WingCount = ac.ActiveWingCount = wings;
    ac.NeutralPointX = 100;
    ac.ReferenceMac = 200;
    ac.ReferenceArea = 100000;
    ac.ResultsValid = true;
    return ac;
}

TEST(Stability, RangeByWingCountAndCentreOfGravityAheadOfTheNeutralPoint)
{
    const StabilityFigures one = stabilityFigures(resultsOf(1), 7.5);
    EXPECT_EQ(one.StabilityLow, 4);
    EXPECT_EQ(one.StabilityHigh, 8);
    EXPECT_DOUBLE_EQ(one.CgAtLow, 92);
    EXPECT_DOUBLE_EQ(one.CgDesired, 85);
    const StabilityFigures two = stabilityFigures(resultsOf(2), 7.5);
    EXPECT_EQ(two.StabilityLow, 8);
    EXPECT_DOUBLE_EQ(two.CgAtHigh, 68);
    // A margin that would throw the centre of gravity out of range counts as 0.
    EXPECT_EQ(stabilityFigures(resultsOf(1), 1e308).CgDesired, 100);
}

TEST(Stability, TextsOfTheTopViewAndLabel21)
{
    const Aircraft ac = resultsOf(2);
    const StabilityFigures f = stabilityFigures(ac, 7.5);
    const auto texts = [&](Language l, bool automatic) {
        std::vector<std::string> out;
        for (const StabilityRow& r : stabilityRows(ac, f, l, automatic))
            out.push_back(std::to_string(r.row) + " " + r.text);
        return out;
    };
    // The positions also in % of the reference chord, whose leading edge lies at x = 0 here.
    EXPECT_EQ(texts(Language::English, true),
              (std::vector<std::string>{"232 Reference area (S): 10.00dm^2 ", "249 Reference length (lm): 200.0mm ",
                                        "266 x_cg (16%): 68.0mm (34.0% MAC)   ", "282 x_cg (8%): 84.0mm (42.0% MAC)   ",
                                        "298 x_ac: 100.0mm (50.0% MAC)    "}));
    EXPECT_EQ(texts(Language::German, false),
              (std::vector<std::string>{"232 Bezugsfläche (S): 10.00dm^2 ", "249 Bezugstiefe (lm): 200.0mm ",
                                        "282 x_SP (7.5%): 85.0mm (42.5% lm)     ", "298 x_NP: 100.0mm (50.0% lm)    "}));
    // Spanish keeps the "x_cg (" prefix; only German writes "x_SP (".
    EXPECT_EQ(texts(Language::Spanish, true),
              (std::vector<std::string>{"232 plano de referencia (S): 10.00dm^2 ",
                                        "249 profundidad de referencia (lm): 200.0mm ",
                                        "266 x_cg (16%): 68.0mm (34.0% CMA)   ", "282 x_cg (8%): 84.0mm (42.0% CMA)   ",
                                        "298 x_PN: 100.0mm (50.0% CMA)    "}));
    EXPECT_EQ(stabilityRows(ac, f, Language::English, true)[4].ink, StabilityInk::Red);

    EXPECT_EQ(label21Text(ac, f, Language::English), "%  AC-CG= 15.0mm");
    EXPECT_EQ(label21Text(ac, f, Language::Spanish), "%  NP-SP= 15.0mm");
    Aircraft stale = ac;
    stale.ResultsValid = false;
    EXPECT_EQ(label21Text(stale, f, Language::English), "%");

    // The measured centre of gravity's label gives its place; without a chord the millimetres only.
    EXPECT_EQ(measuredCgLabel(ac, 94.44, Language::English), "CG measured 94.4mm (47.2% MAC)");
    EXPECT_EQ(measuredCgLabel(ac, -12.36, Language::German), "SP gewogen -12.4mm (-6.2% lm)");
    Aircraft noChord = ac;
    noChord.ReferenceMac = 0;
    EXPECT_EQ(measuredCgLabel(noChord, 94.44, Language::Spanish), "CG medido 94.4mm");

    EXPECT_EQ(marginFieldText(45), " 7.5");
    EXPECT_EQ(marginFieldText(0), "30.0");
    EXPECT_EQ(marginFieldText(60), " 0.0");
}

// Every text the margin bar writes reads back as its position's margin.
TEST(Stability, MarginBarTextsReadBackAsTheirMargins)
{
    for (int position = 0; position <= 60; ++position)
        EXPECT_DOUBLE_EQ(readMargin(marginFieldText(position)).percent, 30 - position / 2.0);
}

} // namespace
} // namespace ab
