// SPDX-License-Identifier: GPL-3.0-or-later
// The rows of the printed summary page. The calculated default aircraft is pinned as golden text
// per language in tests/data/summary_rows_default_LANG.txt, one row a line as x, y and the text in
// quotes (trailing blanks included). After a deliberate change, write them anew and read their diff:
//     AEROBALANCE_UPDATE_GOLDEN=1 ctest --test-dir build -R SummaryRows
#include "stability/summary_rows.h"

#include "lang/wing_captions.h"
#include "model/aircraft_texts.h"
#include "model/numbers.h"
#include "model/recalculation.h"
#include "solver/calculation.h"
#include "views/view_geometry.h"
#include "../files/temp_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

namespace ab {
namespace {

std::string listing(const std::vector<PageRow>& rows)
{
    std::string out;
    for (const PageRow& row : rows)
        out += std::to_string(row.x) + " " + std::to_string(row.y) + " \"" + row.text + "\"\n";
    return out;
}

const PageRow* rowAt(const std::vector<PageRow>& rows, int x, int y)
{
    for (const PageRow& row : rows)
        if (row.x == x && row.y == y)
            return &row;
    return nullptr;
}

std::string textAt(const std::vector<PageRow>& rows, int x, int y)
{
    const PageRow* row = rowAt(rows, x, y);
    return row ? row->text : "(no row at " + std::to_string(x) + ", " + std::to_string(y) + ")";
}

// The default aircraft (five wings, the fifth of two trapezoids) after a calculation.
const Aircraft& calculatedDefault()
{
    static const Aircraft ac = [] {
        Aircraft a;
        AircraftTexts texts = defaultAircraftTexts();
        recalculate(a, texts);
        SolverData solver;
        const CalculationRun run = calculate(a, texts, solver, Language::English);
        EXPECT_FALSE(run.failed);
        return a;
    }();
    return ac;
}

TEST(SummaryRows, DefaultAircraftInEveryLanguageAsGoldenText)
{
    const Aircraft& ac = calculatedDefault();
    ASSERT_TRUE(ac.ResultsValid);
    const StabilityFigures f = stabilityFigures(ac, 7.5);
    const char* update = std::getenv("AEROBALANCE_UPDATE_GOLDEN");
    for (const auto& [language, name] : {std::pair{Language::English, "en"}, std::pair{Language::German, "de"},
                                         std::pair{Language::Spanish, "es"}}) {
        const std::string golden =
            std::string(AEROBALANCE_SOURCE_DIR "/tests/data/summary_rows_default_") + name + ".txt";
        const std::string actual = listing(summaryRows(ac, f, "examples/default.wk4", language));
        if (update != nullptr && *update != '\0')
            test::writeBytes(golden, actual);
        EXPECT_EQ(test::readBytes(golden), actual) << golden;
    }
}

// An aircraft with results but no calculation behind them: every wing of two trapezoids.
Aircraft plainAircraft(int wings)
{
    Aircraft ac;
    ac.WingCount = ac.ActiveWingCount = wings;
    ac.NeutralPointX = 100;
    ac.ReferenceMac = 200;
    ac.ResultsValid = true;
    for (int w = 1; w <= MaxWings; ++w)
        ac.StationCount[w] = 3;
    return ac;
}

TEST(SummaryRows, OneBlockPerWingInsideThePage)
{
    const std::set<int> columns = {0, 320, 520, 580};
    for (int wings = 1; wings <= MaxWings; ++wings)
        for (Language l : {Language::English, Language::German, Language::Spanish}) {
            SCOPED_TRACE(::testing::Message() << wings << " wings, language " << static_cast<int>(l));
            const Aircraft ac = plainAircraft(wings);
            const std::vector<PageRow> rows = summaryRows(ac, stabilityFigures(ac, 7.5), "a.wk4", l);
            // Title, file name, "Summary:" with the strips' spacing beside it, four aircraft rows and
            // the reference chord's row of label and value; per wing the title, five station and position lines and seven labels with
            // their values; the datum sentence in two lines at the foot.
            EXPECT_EQ(rows.size(), 2u + 2 + 5 * 2 + static_cast<std::size_t>(wings) * (6 + 7 * 2) + 2);
            for (const PageRow& row : rows) {
                EXPECT_TRUE(columns.count(row.x)) << row.x << " " << row.text;
                EXPECT_LE(row.y + 20, 1620) << row.text; // a whole text row on the page
                EXPECT_LE(row.text.size(), 90u) << row.text; // the datum lines fit the page's width
            }
            for (int w = 1; w <= wings; ++w)
                EXPECT_EQ(textAt(rows, 0, 683 + 180 * (w - 1)), texts::summaryWingTitle(w).in(l));
            const PageRow& lastOfWings = rows[rows.size() - 3];
            EXPECT_EQ(lastOfWings.y, 683 + 180 * (wings - 1) + 140);
            EXPECT_EQ(rowAt(rows, 0, 683 + 180 * wings), nullptr);
            // The datum sentence right below the blocks: a printer cuts the foot of a page of up to
            // three wings off, below the row 1269.
            const int foot = 683 + 180 * (wings - 1) + 170;
            EXPECT_EQ(textAt(rows, 0, foot) + " " + textAt(rows, 0, foot + 20), texts::DatumSentence.in(l));
            EXPECT_LE(foot + 20 + 16, wings <= 3 ? 1269 : 1620);
        }
    const Aircraft five = plainAircraft(5);
    const std::vector<PageRow> rows = summaryRows(five, stabilityFigures(five, 7.5), "", Language::English);
    EXPECT_EQ(rows[rows.size() - 3].y, 1543);
    EXPECT_EQ(rows.back().y, 1593);
}

// With parts weighed the balance stands below the last wing: heading and mass, centre of gravity and
// margin, verdict, and the count of rows taken as 0 g; then the datum sentence. Below five wings the
// page holds two rows: the figures without the heading. Nothing leaves the page or its columns, and
// a page of up to three wings whose foot reaches past what the larger print keeps is the one that
// goes to the smaller print.
TEST(SummaryRows, TheBalanceStandsBelowTheLastWingWhereThePageHoldsIt)
{
    // 1000 g at 45 mm against a neutral point at 100 mm and a chord of 200 mm from x = 0.
    const std::vector<BalanceItemTexts> parts = {{"Motor", "200", "-100"}, {"Battery", "300", "50"}, {"Wing", "500", "100"}};
    std::vector<BalanceItemTexts> withFlagged = parts;
    withFlagged.push_back({"Servo", "9", "no place"});
    const std::set<int> columns = {0, 320, 520, 580};
    for (int wings = 1; wings <= MaxWings; ++wings)
        for (const auto& items : {parts, withFlagged})
            for (Language l : {Language::English, Language::German, Language::Spanish}) {
                SCOPED_TRACE(::testing::Message() << wings << " wings, " << items.size() << " parts, language "
                                                  << static_cast<int>(l));
                const Aircraft ac = plainAircraft(wings);
                const StabilityFigures f = stabilityFigures(ac, 7.5);
                const BalanceFigures balance = evaluateBalance(items, balanceReference(ac, f, true));
                const BalanceLines lines = balanceLines(balance, l);
                const std::vector<PageRow> rows = summaryRows(ac, f, "a.wk4", l, {}, balance);
                for (const PageRow& row : rows) {
                    EXPECT_TRUE(columns.count(row.x)) << row.x << " " << row.text;
                    EXPECT_LE(row.y + 20, SummaryPageHeight) << row.text;
                    EXPECT_LE(row.text.size(), 90u) << row.text;
                }
                // Every row of the page without the balance stands as it stood, but for the sentence.
                const std::vector<PageRow> plain = summaryRows(ac, f, "a.wk4", l);
                for (std::size_t i = 0; i + 2 < plain.size(); ++i)
                    EXPECT_EQ(textAt(rows, plain[i].x, plain[i].y), plain[i].text);

                const int foot = 683 + 180 * (wings - 1) + 170;
                int next = foot + 60;
                if (wings < 5) {
                    EXPECT_EQ(textAt(rows, 0, foot), texts::BalanceHeading.in(l));
                    EXPECT_EQ(textAt(rows, 520, foot), lines.mass);
                    EXPECT_EQ(textAt(rows, 0, foot + 20), lines.centreOfGravity);
                    EXPECT_EQ(textAt(rows, 520, foot + 20), lines.staticMargin);
                    EXPECT_EQ(textAt(rows, 0, foot + 40), lines.verdict);
                } else {
                    EXPECT_EQ(textAt(rows, 0, foot), lines.centreOfGravity);
                    EXPECT_EQ(textAt(rows, 520, foot), lines.mass);
                    EXPECT_EQ(textAt(rows, 0, foot + 20), lines.verdict);
                    EXPECT_EQ(textAt(rows, 520, foot + 20), lines.staticMargin);
                    next = foot + 40;
                }
                if (items.size() > parts.size() && wings < 5) {
                    EXPECT_EQ(textAt(rows, 0, next), lines.flagged);
                    next += 20;
                }
                // The sentence 30 below where the page holds it, which five wings' page does not.
                if (wings < 5)
                    EXPECT_EQ(textAt(rows, 0, next + 10) + " " + textAt(rows, 0, next + 30), texts::DatumSentence.in(l));
                else
                    EXPECT_EQ(rows.size(), plain.size() - 2 + 4);
                const bool larger = printRectangle(600, wings, rows.back().y + 20) == printRectangle(600, 1);
                EXPECT_EQ(larger, wings < 3);
            }

    // The figures as the balance tab gives them; no parts, no block.
    const Aircraft ac = plainAircraft(2);
    const StabilityFigures f = stabilityFigures(ac, 7.5);
    const BalanceFigures balance = evaluateBalance(parts, balanceReference(ac, f, true));
    const std::vector<PageRow> rows = summaryRows(ac, f, "", Language::English, {}, balance);
    EXPECT_EQ(textAt(rows, 520, 1033), "Total mass: 1000.0g");
    EXPECT_EQ(textAt(rows, 0, 1053), "Center of gravity: 45.0mm (22.5% MAC)");
    EXPECT_EQ(textAt(rows, 520, 1053), "Static margin: 27.5%");
    EXPECT_EQ(textAt(rows, 0, 1073), "outside the recommended range: move it 23.0mm rearward");
    EXPECT_EQ(listing(summaryRows(ac, f, "", Language::English, {}, evaluateBalance({}, balanceReference(ac, f, true)))),
              listing(summaryRows(ac, f, "", Language::English)));
}

// Names head their wings' blocks; every other row stays as it is, and the longest name still ends
// inside the page's width (80 characters of its font).
TEST(SummaryRows, NamedWingsHeadTheirBlocksAndNothingElseMoves)
{
    const WingNames names = {"", "", "Wing", "Höhenleitwerk", std::string(MaxWingNameLength, 'n'), "  "};
    const Aircraft ac = plainAircraft(5);
    for (Language l : {Language::English, Language::German, Language::Spanish}) {
        const std::vector<PageRow> plain = summaryRows(ac, stabilityFigures(ac, 7.5), "a.wk4", l);
        const std::vector<PageRow> named = summaryRows(ac, stabilityFigures(ac, 7.5), "a.wk4", l, names);
        ASSERT_EQ(named.size(), plain.size());
        for (std::size_t i = 0; i < plain.size(); ++i) {
            EXPECT_EQ(named[i].x, plain[i].x);
            EXPECT_EQ(named[i].y, plain[i].y);
            const int w = 1 + (plain[i].y - 683) / 180;
            const bool heading = plain[i].x == 0 && plain[i].y >= 683 && (plain[i].y - 683) % 180 == 0 && w <= 5;
            EXPECT_EQ(named[i].text, heading ? summaryWingHeading(l, w, names[w]) : plain[i].text);
        }
        EXPECT_EQ(textAt(named, 0, 683), texts::summaryWingTitle(1).in(l));
        EXPECT_EQ(textAt(named, 0, 1403), texts::summaryWingTitle(5).in(l));
        EXPECT_LE(textAt(named, 0, 1223).size(), 80u);
    }
    EXPECT_EQ(textAt(summaryRows(ac, stabilityFigures(ac, 7.5), "", Language::English, names), 0, 863),
              "Wing2: Wing");
}

TEST(SummaryRows, StabilityRowsCarryTheBoundsWholeAndTheDesiredMarginWithOneDecimal)
{
    struct Case {
        int wings;
        double margin;
        Language language;
        const char *high, *low, *desired, *desiredValue;
    };
    // The centre of gravity lies the margin of the 200 mm reference chord ahead of 100 mm, which is
    // half that chord behind its leading edge at x = 0.
    const Case cases[] = {
        {1, 7.5, Language::English, "Recommended center of gravity by stab =  8%: ",
         "recomemnded center of gravity by stab =  4%: ", "Center of gravity by stab = 7.5%: ",
         " 85.0 mm (42.5% MAC)"},
        {2, 10, Language::English, "Recommended center of gravity by stab =  16%: ",
         "recomemnded center of gravity by stab =  8%: ", "Center of gravity by stab = 10.0%: ",
         " 80.0 mm (40.0% MAC)"},
        {2, -2.25, Language::German, "Empfohlener Schwerpunkt bei Stabilität =  16%: ",
         "Empfohlener Schwerpunkt bei Stabilität =  8%: ", "Schwerpunkt bei Stabilität = -2.3%: ",
         "104.5 mm (52.3% lm)"},
        {1, 0, Language::Spanish, "Centro de gravedad recomendado para la estabilidad = 8%: ",
         "Centro de gravedad recomendado para la estabilidad = 4%: ", "Centro de gravedad con estabilidad = 0.0%: ",
         "100.0 mm (50.0% CMA)"},
    };
    for (const Case& c : cases) {
        const Aircraft ac = plainAircraft(c.wings);
        const StabilityFigures f = stabilityFigures(ac, c.margin);
        const std::vector<PageRow> rows = summaryRows(ac, f, "", c.language);
        EXPECT_EQ(textAt(rows, 0, 603), c.high);
        EXPECT_EQ(textAt(rows, 0, 623), c.low);
        EXPECT_EQ(textAt(rows, 0, 643), c.desired);
        EXPECT_EQ(textAt(rows, 520, 643), c.desiredValue);
    }
}

TEST(SummaryRows, StationsBeyondTheWingAreEmptyFieldsWithTheirBlanks)
{
    // Stations every 200 mm outward, leading edge 15 mm further back each, chord 10 mm less; the
    // wing's root leading edge at x 100. Station fields count from that root leading edge.
    struct Case {
        int stationCount;
        const char *xf, *lf, *yf;
    };
    const Case cases[] = {
        {2, "xf:     0    15   ", "lf:   300   290   ", "yf:     0   200   "},
        {3, "xf:     0    15    30  ", "lf:   300   290   280  ", "yf:     0   200   400  "},
        {4, "xf:     0    15    30    45 ", "lf:   300   290   280   270 ", "yf:     0   200   400   600 "},
        {5, "xf:     0    15    30    45    60", "lf:   300   290   280   270   260",
         "yf:     0   200   400   600   800"},
    };
    for (const Case& c : cases) {
        Aircraft ac = plainAircraft(2);
        const int w = 2;
        ac.posX[w] = 100;
        ac.posZ[w] = -35;
        ac.StationCount[w] = c.stationCount;
        for (int s = 0; s < MaxStations; ++s) {
            ac.StationLeX[s][w] = 100 + 15 * s;
            ac.StationChord[s][w] = 300 - 10 * s;
            ac.StationY[s][w] = 200 * s;
        }
        const std::vector<PageRow> rows = summaryRows(ac, stabilityFigures(ac, 7.5), "", Language::English);
        const int top = 863;
        EXPECT_EQ(textAt(rows, 0, top + 20), c.xf);
        EXPECT_EQ(textAt(rows, 0, top + 40), c.lf);
        EXPECT_EQ(textAt(rows, 0, top + 60), c.yf);
        EXPECT_EQ(textAt(rows, 0, top + 80), "zf:   -35");
        EXPECT_EQ(textAt(rows, 0, top + 100), "x0:   100");
    }
}

// A long path gives up the middle of its folder part, never the file name; short paths stay whole.
TEST(SummaryRows, ALongPathKeepsItsFileName)
{
    const std::string longFolder = "/home/builder/Modelle/" + std::string(120, 'f') + "/2026/";
    const struct {
        std::string path;
        std::size_t columns;
        std::string expected;
    } cases[] = {
        {"examples/trainer.wk4", 80, "examples/trainer.wk4"},
        {"trainer.wk4", 5, "trainer.wk4"},
        {"/a/bcdefghij/plane.wk4", 16, "/...ij/plane.wk4"},
        {"/a/bcdefghij/plane.wk4", 12, ".../plane.wk4"},
        {"/ä/ööööööööö/plane.wk4", 17, "/ä...öö/plane.wk4"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(pathInColumns(c.path, c.columns), c.expected) << c.path;
    for (std::size_t columns = 20; columns < 150; columns += 7) {
        const std::string shown = pathInColumns(longFolder + "Segler.wk4", columns);
        EXPECT_LE(shown.size(), columns);
        EXPECT_EQ(shown.substr(shown.size() - 11), "/Segler.wk4");
        EXPECT_EQ(shown.substr(0, 2), "/h");
    }
}

} // namespace
} // namespace ab

namespace ab {
namespace {

// A V-tail on five wings: its block adds the angles under "yf: " and its figures seen from above,
// within its own 180 pixels and left of the right column; the other blocks keep every row.
TEST(SummaryRows, ATiltedWingAddsItsAnglesAndProjectedFiguresInsideItsBlock)
{
    Aircraft ac = plainAircraft(5);
    const std::vector<PageRow> flat = summaryRows(ac, stabilityFigures(ac, 7.5), "a.wk4", Language::English);
    ac.StationDihedral[2][2] = 40; // wing 2, outer of its two trapezoids
    ac.StationY[2][2] = 300;
    ac.WingProjectedSpan[2] = 459.6;
    ac.WingProjectedArea[2] = 123456;
    for (Language l : {Language::English, Language::German, Language::Spanish}) {
        const std::vector<PageRow> rows = summaryRows(ac, stabilityFigures(ac, 7.5), "a.wk4", l);
        const int top = 683 + 180;
        EXPECT_EQ(textAt(rows, 0, top + 80), "vf:         0.0  40.0");
        EXPECT_EQ(textAt(rows, 0, top + 100), "zf:     0");
        EXPECT_EQ(textAt(rows, 0, top + 120), "x0:     0");
        EXPECT_EQ(textAt(rows, 0, top + 140), std::string(texts::SummaryProjected.in(l)) + "460 mm 12.3 dm**2");
        EXPECT_EQ(rows.size(), flat.size() + 2);
        for (const PageRow& row : rows) {
            if (row.x == 0 && row.y >= top && row.y < top + 180) {
                EXPECT_LE(row.text.size(), 33u) << row.text; // ends before the labels at x 320
            }
        }
    }
    // Blocks of flat wings are the rows they were.
    const std::vector<PageRow> rows = summaryRows(ac, stabilityFigures(ac, 7.5), "a.wk4", Language::English);
    for (const int y : {683 + 80, 683 + 360 + 80, 683 + 360 + 100})
        EXPECT_EQ(textAt(rows, 0, y), textAt(flat, 0, y));
}

} // namespace
} // namespace ab
