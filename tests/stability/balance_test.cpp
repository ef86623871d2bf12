#include "stability/balance.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace ab {
namespace {

// Motor 200 g at -100, battery 300 g at 50, wing 500 g at 100: 1000 g, moment 45000 g mm, so the
// centre of gravity lies at 45 mm. Against a neutral point at 100, a chord of 200 with its leading
// edge at 20: 12.5 % MAC and a static margin of 27.5 %.
const std::vector<BalanceItemTexts> Trainer = {
    {"Motor", "200", "-100"},
    {"Battery", "300", "50"},
    {"Wing", "500", "100"},
};

BalanceReference referenceWithBand(double forward, double rear)
{
    return {.resultsValid = true, .neutralPointX = 100, .macMm = 200, .macLeadingEdgeX = 20,
            .cgForwardX = forward, .cgRearX = rear};
}

TEST(Balance, HandComputedCentreOfGravityPercentMacAndMargin)
{
    const BalanceFigures b = evaluateBalance(Trainer, referenceWithBand(68, 84));
    EXPECT_DOUBLE_EQ(b.massG, 1000);
    ASSERT_TRUE(b.cgXMm && b.cgPercentMac && b.staticMarginPercent);
    EXPECT_DOUBLE_EQ(*b.cgXMm, 45);
    EXPECT_DOUBLE_EQ(*b.cgPercentMac, 12.5);
    EXPECT_DOUBLE_EQ(*b.staticMarginPercent, 27.5);
    EXPECT_EQ(b.flaggedCount, 0);
    ASSERT_EQ(b.items.size(), 3u);
    EXPECT_EQ(b.items[0].name, "Motor");
    EXPECT_DOUBLE_EQ(b.items[0].xMm, -100);
}

TEST(Balance, InsideTheBandOrHowFarToMoveIt)
{
    struct Case {
        double forward, rear;
        bool inside;
        double move; // + rearward
        BalanceVerdict verdict;
    };
    const Case cases[] = {
        {40, 50, true, 0, BalanceVerdict::Inside},
        {45, 50, true, 0, BalanceVerdict::Inside},         // on the forward edge
        {30, 45, true, 0, BalanceVerdict::Inside},         // on the rear edge
        {68, 84, false, 23, BalanceVerdict::MoveRearward}, // nose-heavy
        {30, 44, false, -1, BalanceVerdict::MoveForward},  // tail-heavy
        {50, 40, true, 0, BalanceVerdict::Inside},         // the edges given the other way round
    };
    for (const Case& c : cases) {
        const BalanceFigures b = evaluateBalance(Trainer, referenceWithBand(c.forward, c.rear));
        ASSERT_TRUE(b.insideBand && b.moveMm);
        EXPECT_EQ(*b.insideBand, c.inside) << c.forward << ".." << c.rear;
        EXPECT_DOUBLE_EQ(*b.moveMm, c.move) << c.forward << ".." << c.rear;
        EXPECT_EQ(verdictOf(b), c.verdict) << c.forward << ".." << c.rear;
    }
}

TEST(Balance, WithoutResultsOnlyMassAndCentreOfGravity)
{
    std::vector<BalanceReference> references(4, referenceWithBand(40, 50));
    references[0].resultsValid = false;
    references[1].macMm = 0;
    references[2].macMm = NAN;
    references[3].cgRearX = INFINITY;
    for (const BalanceReference& ref : references) {
        const BalanceFigures b = evaluateBalance(Trainer, ref);
        ASSERT_TRUE(b.cgXMm);
        EXPECT_DOUBLE_EQ(*b.cgXMm, 45);
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
        bool hasCg;
    };
    const Case cases[] = {
        {{}, 0, 0, false},
        {{{"", "", ""}}, 0, 1, false},
        {{{"Motor", "0", "-100"}}, 0, 0, false},
        {{{"a", "-5", "10"}, {"b", "abc", "10"}, {"c", "", "10"}}, 0, 3, false},
        {{{"Motor", "200", ""}}, 0, 1, false},        // a mass without a place
        {{{"Motor", "200", "nose"}, {"Wing", "500", "100"}}, 500, 1, true},
        {{{"Ballast", "1e99", "0"}, {"Wing", "500", "100"}}, 500, 1, true},
        {{{"Wing", "500", "100"}, {"Tail", "50", "2e6"}}, 500, 1, true},
    };
    for (const Case& c : cases) {
        const BalanceFigures b = evaluateBalance(c.rows, referenceWithBand(40, 50));
        EXPECT_DOUBLE_EQ(b.massG, c.mass) << c.rows.size();
        EXPECT_EQ(b.flaggedCount, c.flagged) << c.rows.size();
        EXPECT_EQ(b.cgXMm.has_value(), c.hasCg) << c.rows.size();
        if (b.cgXMm) {
            EXPECT_DOUBLE_EQ(*b.cgXMm, 100);
        } else {
            EXPECT_EQ(verdictOf(b), BalanceVerdict::NoCentreOfGravity);
        }
        for (const BalanceItem& item : b.items) {
            if (item.flagged()) {
                EXPECT_EQ(item.massG, 0);
            }
        }
    }
}

TEST(Balance, OnlyTheFirstHundredRowsCount)
{
    std::vector<BalanceItemTexts> rows(100, {"Servo", "10", "100"});
    rows.push_back({"Lead in the nose", "1000", "-500"});
    const BalanceFigures b = evaluateBalance(rows, referenceWithBand(40, 50));
    EXPECT_EQ(b.cut.itemsLeftOut, 1);
    EXPECT_EQ(b.items.size(), 100u);
    EXPECT_DOUBLE_EQ(b.massG, 1000);
    EXPECT_DOUBLE_EQ(*b.cgXMm, 100);
}

// Moving every part and the whole aircraft by the same distance moves the centre of gravity by it and
// leaves % MAC, margin and verdict as they were; the items always add up to the total.
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
        EXPECT_TRUE(std::isfinite(*a.cgXMm) && std::isfinite(*a.cgPercentMac) && std::isfinite(*a.staticMarginPercent));
        EXPECT_NEAR(*b.cgXMm, *a.cgXMm + d, 1e-9);
        EXPECT_NEAR(*b.cgPercentMac, *a.cgPercentMac, 1e-9);
        EXPECT_NEAR(*b.staticMarginPercent, *a.staticMarginPercent, 1e-9);
        EXPECT_NEAR(*b.moveMm, *a.moveMm, 1e-9);
    }
}

TEST(Balance, LinesInEveryLanguage)
{
    struct Case {
        Language language;
        double forward, rear;
        BalanceLines lines;
    };
    const Case cases[] = {
        {Language::English, 68, 84,
         {"Total mass: 1000.0g", "Center of gravity: 45.0mm (12.5% MAC)", "Static margin: 27.5%",
          "outside the recommended range: move it 23.0mm rearward", ""}},
        {Language::German, 30, 44,
         {"Gesamtmasse: 1000.0g", "Schwerpunkt: 45.0mm (12.5% lm)", "Stabilitätsmaß: 27.5%",
          "außerhalb des empfohlenen Bereichs: 1.0mm nach vorn verlegen", ""}},
        {Language::Spanish, 40, 50,
         {"Masa total: 1000.0g", "Centro de gravedad: 45.0mm (12.5% CMA)", "Margen estático: 27.5%",
          "dentro del rango recomendado", ""}},
    };
    for (const Case& c : cases) {
        const BalanceLines l = balanceLines(evaluateBalance(Trainer, referenceWithBand(c.forward, c.rear)), c.language);
        EXPECT_EQ(l.mass, c.lines.mass);
        EXPECT_EQ(l.centreOfGravity, c.lines.centreOfGravity);
        EXPECT_EQ(l.staticMargin, c.lines.staticMargin);
        EXPECT_EQ(l.verdict, c.lines.verdict);
        EXPECT_EQ(l.flagged, c.lines.flagged);
    }
    // No mass: dashes, never a NaN.
    const BalanceLines none = balanceLines(evaluateBalance({{"Motor", "", "-100"}}, referenceWithBand(40, 50)),
                                           Language::English);
    EXPECT_EQ(none.mass, "Total mass: 0.0g");
    EXPECT_EQ(none.centreOfGravity, "Center of gravity: -");
    EXPECT_EQ(none.staticMargin, "Static margin: -");
    EXPECT_EQ(none.verdict, "no mass entered yet");
    EXPECT_EQ(none.flagged, "1 rows count as 0 g: their mass or x is missing, negative or not a number.");
}

TEST(Balance, CutNotesSayWhatWasLeftOut)
{
    EXPECT_TRUE(balanceCutNotes({}, Language::English).empty());
    const std::vector<std::string> notes = balanceCutNotes({.itemsLeftOut = 20, .namesShortened = 2}, Language::German);
    ASSERT_EQ(notes.size(), 2u);
    EXPECT_NE(notes[0].find("20"), std::string::npos);
    EXPECT_NE(notes[1].find("2 Namen"), std::string::npos);
}

} // namespace
} // namespace ab
