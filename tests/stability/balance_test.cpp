// SPDX-License-Identifier: GPL-3.0-or-later
#include "stability/balance.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace ab {
namespace {

// Motor 200 g at -100, battery 300 g at 50, wing 500 g at 100: 1000 g, moment 45000 g mm, so the
// centre of gravity lies at 45 mm. Against a neutral point at 100, a chord of 200 with its leading
// edge at 20: 12.5 % MAC and a static margin of 27.5 %.
const std::vector<BalanceItemTexts> Trainer = {{"Motor", "200", "-100"}, {"Battery", "300", "50"}, {"Wing", "500", "100"}};

BalanceReference band(double forward, double rear)
{
    return {.resultsValid = true, .neutralPointX = 100, .macMm = 200, .macLeadingEdgeX = 20,
            .cgForwardX = forward, .cgRearX = rear};
}

TEST(Balance, HandComputedFiguresInsideTheBandOrHowFarToMoveIt)
{
    struct Case {
        double forward, rear;
        double move; // + rearward
        BalanceVerdict verdict;
    };
    const Case cases[] = {
        {40, 50, 0, BalanceVerdict::Inside},        {45, 50, 0, BalanceVerdict::Inside}, // on an edge
        {30, 45, 0, BalanceVerdict::Inside},        {50, 40, 0, BalanceVerdict::Inside}, // edges swapped
        {68, 84, 23, BalanceVerdict::MoveRearward}, {30, 44, -1, BalanceVerdict::MoveForward},
    };
    for (const Case& c : cases) {
        const BalanceFigures b = evaluateBalance(Trainer, band(c.forward, c.rear));
        ASSERT_TRUE(b.cgXMm && b.cgPercentMac && b.staticMarginPercent && b.insideBand && b.moveMm);
        EXPECT_DOUBLE_EQ(b.massG, 1000);
        EXPECT_DOUBLE_EQ(*b.cgXMm, 45);
        EXPECT_DOUBLE_EQ(*b.cgPercentMac, 12.5);
        EXPECT_DOUBLE_EQ(*b.staticMarginPercent, 27.5);
        EXPECT_EQ(*b.insideBand, c.verdict == BalanceVerdict::Inside) << c.forward;
        EXPECT_DOUBLE_EQ(*b.moveMm, c.move) << c.forward;
        EXPECT_EQ(verdictOf(b), c.verdict) << c.forward;
    }
    // Without results, or with a reference that is no number, only the mass and the centre of gravity.
    std::vector<BalanceReference> none(3, band(40, 50));
    none[0].resultsValid = false;
    none[1].macMm = 0;
    none[2].cgRearX = INFINITY;
    for (const BalanceReference& ref : none) {
        const BalanceFigures b = evaluateBalance(Trainer, ref);
        EXPECT_DOUBLE_EQ(b.cgXMm.value_or(0), 45);
        EXPECT_FALSE(b.cgPercentMac || b.staticMarginPercent || b.insideBand || b.moveMm);
        EXPECT_EQ(verdictOf(b), BalanceVerdict::NoResults);
    }
}

TEST(Balance, FlaggedRowsCountAsZeroAndNoMassGivesNoCentreOfGravity)
{
    struct Case {
        std::vector<BalanceItemTexts> rows;
        double mass;
        int flagged;
    };
    const Case cases[] = {
        {{}, 0, 0},
        {{{"", "", ""}}, 0, 1},
        {{{"Motor", "0", "-100"}}, 0, 0},
        {{{"a", "-5", "10"}, {"b", "abc", "10"}, {"c", "", "10"}}, 0, 3},
        {{{"Motor", "200", ""}}, 0, 1}, // a mass without a place
        {{{"Motor", "200", "nose"}, {"Wing", "500", "100"}}, 500, 1},
        {{{"Ballast", "1e99", "0"}, {"Wing", "500", "100"}, {"Tail", "50", "2e6"}}, 500, 2},
    };
    for (const Case& c : cases) {
        const BalanceFigures b = evaluateBalance(c.rows, band(40, 50));
        EXPECT_DOUBLE_EQ(b.massG, c.mass) << c.rows.size();
        EXPECT_EQ(b.flaggedCount, c.flagged) << c.rows.size();
        EXPECT_EQ(b.cgXMm.value_or(-1), c.mass > 0 ? 100 : -1) << c.rows.size();
        EXPECT_EQ(verdictOf(b) == BalanceVerdict::NoCentreOfGravity, c.mass == 0);
    }
}

// Moving every part and the whole aircraft by the same distance moves the centre of gravity by it and
// leaves % MAC, margin and the move as they were; the items always add up to the total.
TEST(Balance, FiguresFollowTheAircraftWhereverTheDatumLies)
{
    std::mt19937 random(3);
    std::uniform_int_distribution<int> count(0, 12), position(-800, 1200), shift(-500, 500);
    std::uniform_real_distribution<double> mass(-50, 800);
    for (int run = 0; run < 300; ++run) {
        std::vector<BalanceItemTexts> rows, shifted;
        const int d = shift(random);
        for (int i = count(random); i > 0; --i) {
            const std::string m = std::to_string(mass(random));
            const int x = position(random);
            rows.push_back({"part", m, std::to_string(x)});
            shifted.push_back({"part", m, std::to_string(x + d)});
        }
        const BalanceReference ref{.resultsValid = true, .neutralPointX = 150, .macMm = 180,
                                   .macLeadingEdgeX = 40, .cgForwardX = 121.2, .cgRearX = 135.6};
        BalanceReference moved = ref;
        for (double* x : {&moved.neutralPointX, &moved.macLeadingEdgeX, &moved.cgForwardX, &moved.cgRearX})
            *x += d;
        const BalanceFigures a = evaluateBalance(rows, ref);
        const BalanceFigures b = evaluateBalance(shifted, moved);
        double sum = 0;
        for (const BalanceItem& item : a.items)
            sum += item.massG;
        EXPECT_NEAR(sum, a.massG, 1e-9 * a.massG);
        ASSERT_EQ(a.cgXMm.has_value(), b.cgXMm.has_value());
        if (!a.cgXMm)
            continue;
        EXPECT_NEAR(*b.cgXMm, *a.cgXMm + d, 1e-9);
        EXPECT_NEAR(*b.cgPercentMac, *a.cgPercentMac, 1e-9);
        EXPECT_NEAR(*b.staticMarginPercent, *a.staticMarginPercent, 1e-9);
        EXPECT_NEAR(*b.moveMm, *a.moveMm, 1e-9);
    }
}

TEST(Balance, LinesInEveryLanguageWithDashesWhereNoFigureExists)
{
    const auto lines = [](const std::vector<BalanceItemTexts>& rows, BalanceReference ref, Language l) {
        const BalanceLines b = balanceLines(evaluateBalance(rows, ref), l);
        return std::vector<std::string>{b.mass, b.centreOfGravity, b.staticMargin, b.verdict, b.flagged};
    };
    EXPECT_EQ(lines(Trainer, band(68, 84), Language::English),
              (std::vector<std::string>{"Total mass: 1000.0g", "Center of gravity: 45.0mm (12.5% MAC)",
                                        "Static margin: 27.5%",
                                        "outside the recommended range: move it 23.0mm rearward", ""}));
    EXPECT_EQ(lines(Trainer, band(30, 44), Language::German),
              (std::vector<std::string>{"Gesamtmasse: 1000.0g", "Schwerpunkt: 45.0mm (12.5% lm)",
                                        "Stabilitätsmaß: 27.5%",
                                        "außerhalb des empfohlenen Bereichs: 1.0mm nach vorn verlegen", ""}));
    EXPECT_EQ(lines({{"Motor", "", "-100"}}, band(40, 50), Language::Spanish),
              (std::vector<std::string>{"Masa total: 0.0g", "Centro de gravedad: -", "Margen estático: -",
                                        "aún no se ha introducido ninguna masa",
                                        "Filas contadas como 0 g (masa o x falta, negativa o no numérica): 1"}));
}

} // namespace
} // namespace ab
