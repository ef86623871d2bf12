// SPDX-License-Identifier: GPL-3.0-or-later
// The 1:1 planform template: the wing measured from its root leading edge, its balance marks, and the
// pages it is laid over (counts at the edges of a page, the overlaps, the pages left out, the labels).
#include "views/planform_template.h"

#include "files/open_aircraft.h"
#include "model/aircraft_texts.h"
#include "model/numbers.h"
#include "model/recalculation.h"
#include "solver/calculation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>

namespace ab {
namespace {

Aircraft evaluated(const AircraftTexts& texts)
{
    Aircraft ac;
    ac.WingCount = ac.ActiveWingCount = texts.wingCount; // as opening a file sets them
    recalculate(ac, texts);
    recalculate(ac, texts); // the leading-edge tables with the positions read
    return ac;
}

// One trapezoid behind a centre gap of 40 mm: root chord 200, tip chord 100 set back 50 at 500 mm
// out, the root leading edge at x = 300.
AircraftTexts taperedWing()
{
    AircraftTexts t = defaultAircraftTexts();
    t.wingCount = 1;
    WingTexts& w = t.wing[1];
    w.trapezoidCount = 1;
    w[Role::RootGap] = "40";
    w[Role::RootChord] = "200";
    w[widthRole(1)] = "500";
    w[tipChordRole(1)] = "100";
    w[tipOffsetRole(1)] = "50";
    w[Role::PosX] = "300";
    return t;
}

struct Calculated {
    Aircraft aircraft;
    SolverData solver;
    StabilityFigures figures;
};

Calculated calculatedExample(const std::string& name)
{
    Calculated c;
    AircraftTexts texts = defaultAircraftTexts();
    recalculate(c.aircraft, texts);
    EXPECT_TRUE(openAircraftFile(AEROBALANCE_SOURCE_DIR "/examples/" + name, c.aircraft, texts, Language::English).ok());
    EXPECT_FALSE(calculate(c.aircraft, texts, c.solver, Language::English).failed);
    c.figures = stabilityFigures(c.aircraft, 7.5);
    return c;
}

TEST(PlanformTemplate, TheWingFromItsRootLeadingEdge)
{
    const Aircraft ac = evaluated(taperedWing());
    const PlanformTemplateResult r = planformTemplate(ac, stabilityFigures(ac, 7.5), 1, 0, true, Language::English);
    ASSERT_EQ(r.problem, TemplateProblem::None);
    const PlanformTemplate& t = r.planform;
    EXPECT_EQ(t.rootX, 300);
    ASSERT_EQ(t.stations.size(), 2u);
    EXPECT_DOUBLE_EQ(t.stations[0].y, 40);
    EXPECT_DOUBLE_EQ(t.stations[0].leadingX, 0);
    EXPECT_DOUBLE_EQ(t.stations[0].chord, 200);
    EXPECT_DOUBLE_EQ(t.stations[1].y, 540);
    EXPECT_DOUBLE_EQ(t.stations[1].leadingX, 50);
    EXPECT_DOUBLE_EQ(t.stations[1].chord, 100);
    const std::vector<std::pair<double, double>> outline = {{0, 40}, {50, 540}, {150, 540}, {200, 40}};
    ASSERT_EQ(t.outline.size(), outline.size());
    for (std::size_t i = 0; i < outline.size(); ++i) {
        EXPECT_DOUBLE_EQ(t.outline[i].x, outline[i].first);
        EXPECT_DOUBLE_EQ(t.outline[i].y, outline[i].second);
    }
    EXPECT_DOUBLE_EQ(t.minX, 0);
    EXPECT_DOUBLE_EQ(t.maxX, 200);
    EXPECT_DOUBLE_EQ(t.tipY, 540);
    // The mean chord of a trapezoid: 2/3 (cr + ct - cr ct / (cr + ct)), a third of the width times
    // (1 + 2 taper) / (1 + taper) out from the root, its leading edge on the swept leading edge.
    const double taper = 0.5, out = 500.0 / 3 * (1 + 2 * taper) / (1 + taper);
    EXPECT_FALSE(t.referenceMac);
    EXPECT_NEAR(t.mac.length, 2.0 / 3 * (300 - 20000.0 / 300), 1e-9);
    EXPECT_NEAR(t.mac.y, 40 + out, 1e-9);
    EXPECT_NEAR(t.mac.leadingX, 50 * out / 500, 1e-9);
    // Nothing calculated: the planform alone.
    EXPECT_FALSE(t.results);
    EXPECT_TRUE(t.marks.empty());
}

TEST(PlanformTemplate, WingsItCannotDraw)
{
    AircraftTexts t = taperedWing();
    const auto problem = [](const AircraftTexts& texts, int w) {
        const Aircraft ac = evaluated(texts);
        return planformTemplate(ac, stabilityFigures(ac, 7.5), w, 0, true, Language::English).problem;
    };
    EXPECT_EQ(problem(t, 0), TemplateProblem::NoSuchWing);
    EXPECT_EQ(problem(t, 2), TemplateProblem::NoSuchWing); // one wing in use
    EXPECT_EQ(problem(t, 6), TemplateProblem::NoSuchWing);
    t.wing[1][Role::RootChord] = t.wing[1][tipChordRole(1)] = "0";
    EXPECT_EQ(problem(t, 1), TemplateProblem::NoArea);
    t = taperedWing();
    t.wing[1][widthRole(1)] = "0";
    EXPECT_EQ(problem(t, 1), TemplateProblem::NoArea);

    for (Language l : {Language::English, Language::German, Language::Spanish})
        for (TemplateProblem p : {TemplateProblem::NoSuchWing, TemplateProblem::NoArea, TemplateProblem::TooManyPages}) {
            const std::string text = templateProblemText(p, 4, 240, l);
            EXPECT_NE(text.find('4'), std::string::npos) << text;
            EXPECT_EQ(text.find('{'), std::string::npos) << text;
            EXPECT_EQ(text.find("240") != std::string::npos, p == TemplateProblem::TooManyPages) << text;
        }
}

TEST(PlanformTemplate, MarksAreTheTopViewsMeasuredFromEachWingsRoot)
{
    const Calculated c = calculatedExample("trainer.wk4");
    const Aircraft& ac = c.aircraft;
    for (bool automatic : {true, false})
        for (int w : {1, 2}) {
            SCOPED_TRACE(::testing::Message() << "wing " << w << (automatic ? " automatic" : " manual"));
            const PlanformTemplate t =
                planformTemplate(ac, c.figures, w, c.solver.ReferenceWing, automatic, Language::English).planform;
            ASSERT_TRUE(t.results);
            ASSERT_EQ(t.marks.size(), 4u);
            const CgBand band = recommendedBand(ac, c.figures, automatic);
            const double cg = automatic ? (c.figures.CgAtLow + c.figures.CgAtHigh) / 2 : c.figures.CgDesired;
            const double root = ac.posX[w];
            EXPECT_DOUBLE_EQ(t.marks[0].x + root, band.frontX);
            EXPECT_DOUBLE_EQ(t.marks[1].x + root, band.rearX);
            EXPECT_DOUBLE_EQ(t.marks[2].x + root, cg);
            EXPECT_DOUBLE_EQ(t.marks[3].x + root, ac.NeutralPointX);
            EXPECT_EQ(t.marks[3].tag, "AC: " + formatFixed(ac.NeutralPointX - root, 1) + " mm");
            // The reference wing carries the reference chord the % figures are taken of.
            EXPECT_EQ(t.referenceMac, w == c.solver.ReferenceWing);
            if (t.referenceMac) {
                EXPECT_DOUBLE_EQ(t.mac.length, ac.ReferenceMac);
                EXPECT_DOUBLE_EQ(t.mac.leadingX + root, ac.ReferenceMacLeadingX);
            }
        }
    // The tailplane's marks lie far ahead of it: off its sheet, written only in the foot.
    const PlanformTemplate tail = planformTemplate(ac, c.figures, 2, 1, true, Language::English).planform;
    const TemplateSheet sheet = templateSheet(tail);
    for (const TemplateMark& m : tail.marks)
        EXPECT_FALSE(markOnSheet(m, sheet));
    const std::vector<std::optional<double>> tops = stackedTagTops(tail, sheet, 3.2);
    EXPECT_TRUE(std::none_of(tops.begin(), tops.end(), [](const auto& top) { return top.has_value(); }));
}

// A canard's and a tandem's balance points lie ahead of the reference wing: its ruler and sheet run
// on to them and the foot says they are off the wing. The trainer's tailplane points to wing 1.
TEST(PlanformTemplate, MarksOffTheReferenceWingAreTakenInAndNamed)
{
    struct Case {
        const char* example;
        int wing;
        double neutralPoint, rulerFrom; // mm from the root leading edge
        const char* where;              // the note's last sentence says where they are drawn
    };
    const Case cases[] = {{"canard.wk4", 1, -23.1, -60, "ruler"},
                          {"tandem.wk4", 2, -205.7, -240, "ruler"},
                          {"trainer.wk4", 2, -588.7, 0, "template of wing 1, the reference wing"}};
    for (const Case& k : cases) {
        SCOPED_TRACE(::testing::Message() << k.example << " wing " << k.wing);
        const Calculated c = calculatedExample(k.example);
        for (Language l : {Language::English, Language::German, Language::Spanish}) {
            const PlanformTemplate t = planformTemplate(c.aircraft, c.figures, k.wing, c.solver.ReferenceWing, true, l).planform;
            ASSERT_EQ(t.marks.size(), 4u);
            EXPECT_NE(t.marks[3].tag.find(formatFixed(k.neutralPoint, 1) + " mm"), std::string::npos) << t.marks[3].tag;
            EXPECT_EQ(t.rulerFrom, k.rulerFrom);
            for (const TemplateMark& m : t.marks)
                EXPECT_EQ(markOnSheet(m, templateSheet(t)), k.rulerFrom < 0) << m.tag;
            const std::string note = templateTexts(t, l, "x.wk4", "", 2).offWing;
            EXPECT_FALSE(note.empty());
            EXPECT_EQ(note.find('{'), std::string::npos) << note;
            if (l == Language::English) {
                EXPECT_EQ(note.rfind("AC, CG 12%, CG range 8..16%: ahead of the root leading edge, off the wing", 0), 0u) << note;
                EXPECT_NE(note.find(k.where), std::string::npos) << note;
            }
        }
    }
    // Marks on the root chord need no word and no longer ruler.
    const Calculated trainer = calculatedExample("trainer.wk4");
    const PlanformTemplate main = planformTemplate(trainer.aircraft, trainer.figures, 1, 1, true, Language::English).planform;
    EXPECT_EQ(std::pair(main.rulerFrom, main.rulerTo), std::pair(0.0, main.stations.front().chord));
    EXPECT_EQ(templateTexts(main, Language::English, "x.wk4", "", 2).offWing, "");
}

TEST(TemplateTiling, PageCountsAtTheEdgesOfAPage)
{
    // Windows: A4 portrait 190 x 243 (step 180 x 233), landscape 277 x 156; Letter portrait
    // 195.9 x 225.4, landscape 259.4 x 161.9; neighbours overlap by 10 mm.
    struct Case {
        double width, height;
        Paper paper;
        bool landscape;
        int rows, columns;
    };
    const Case cases[] = {
        {0, 0, Paper::A4, false, 1, 1},           {190, 243, Paper::A4, false, 1, 1},
        {190.01, 243, Paper::A4, false, 1, 2},    {190, 243.01, Paper::A4, false, 2, 1},
        {370, 476, Paper::A4, false, 2, 2},       {370.01, 476.01, Paper::A4, false, 3, 3},
        {277, 156, Paper::A4, true, 1, 1},        {277.01, 156.01, Paper::A4, true, 2, 2},
        {2217, 240, Paper::A4, false, 1, 13},     {2217, 240, Paper::A4, true, 2, 9},
        {195.9, 225.4, Paper::Letter, false, 1, 1}, {196, 225.5, Paper::Letter, false, 2, 2},
        {259.4, 161.9, Paper::Letter, true, 1, 1},  {259.5, 162, Paper::Letter, true, 2, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.width << " x " << c.height << (c.paper == Paper::A4 ? " A4" : " Letter")
                                          << (c.landscape ? " landscape" : " portrait"));
        const TemplateTiling t = tileSheet(c.width, c.height, c.paper, c.landscape);
        EXPECT_EQ(t.rows, c.rows);
        EXPECT_EQ(t.columns, c.columns);
        EXPECT_NEAR(t.windowLeft + t.windowWidth + PageMargin, t.pageWidth, 1e-9);
        EXPECT_NEAR(t.windowTop + t.windowHeight + PageFootHeight + PageMargin, t.pageHeight, 1e-9);
    }
    // A sheet beyond any count is given a count beyond any limit, never a wrapped one.
    const TemplateTiling huge = tileSheet(std::numeric_limits<double>::infinity(), 1e300, Paper::A4, false);
    EXPECT_GT(huge.columns, MaxTemplatePages);
    EXPECT_GT(huge.rows, MaxTemplatePages);
}

TEST(TemplateTiling, TheFewestPagesCoverTheSheetCentred)
{
    std::mt19937 random(18);
    std::uniform_real_distribution<double> size(1, 3000);
    for (int i = 0; i < 500; ++i) {
        const double width = size(random), height = size(random);
        const TemplateTiling t = tileSheet(width, height, i % 2 ? Paper::Letter : Paper::A4, i % 3 == 0);
        SCOPED_TRACE(::testing::Message() << width << " x " << height);
        // Covered: the first window starts at or before the sheet, the last ends at or after it,
        // each starts inside the one before (the overlap); one window fewer would not cover it.
        EXPECT_LE(t.sheetLeft(0), 1e-9);
        EXPECT_GE(t.sheetLeft(t.columns - 1) + t.windowWidth, width - 1e-9);
        EXPECT_LE(t.sheetTop(0), 1e-9);
        EXPECT_GE(t.sheetTop(t.rows - 1) + t.windowHeight, height - 1e-9);
        EXPECT_NEAR(t.sheetLeft(1) - t.sheetLeft(0), t.windowWidth - PageOverlap, 1e-9);
        if (t.columns > 1) {
            EXPECT_LT(t.windowWidth + (t.columns - 2) * t.stepU, width);
        }
        if (t.rows > 1) {
            EXPECT_LT(t.windowHeight + (t.rows - 2) * t.stepV, height);
        }
        // Centred: as much room before the sheet as after it.
        EXPECT_NEAR(-t.sheetLeft(0), t.sheetLeft(t.columns - 1) + t.windowWidth - width, 1e-9);
        // The same sheet point on two neighbouring pages: one page further is one step further.
        EXPECT_NEAR(t.pageX(width / 2, 0) - t.pageX(width / 2, 1), t.stepU, 1e-9);
    }
}

TEST(TemplateTiling, EveryCrossIsSeenOnBothPagesOfItsOverlap)
{
    for (const auto& [rows, columns] : std::vector<std::pair<int, int>>{{1, 1}, {1, 4}, {3, 1}, {3, 5}}) {
        const TemplateTiling t = tileSheet(190 + (columns - 1) * 180, 243 + (rows - 1) * 233, Paper::A4, false);
        ASSERT_EQ(t.rows, rows);
        ASSERT_EQ(t.columns, columns);
        const std::vector<SheetPoint> crosses = alignmentCrosses(t);
        EXPECT_EQ(crosses.size(), std::size_t(2 * (rows * (columns - 1) + columns * (rows - 1))));
        for (const SheetPoint& c : crosses) {
            int pages = 0;
            for (int r = 0; r < rows; ++r)
                for (int k = 0; k < columns; ++k)
                    pages += c.u > t.sheetLeft(k) && c.u < t.sheetLeft(k) + t.windowWidth && c.v > t.sheetTop(r) &&
                             c.v < t.sheetTop(r) + t.windowHeight;
            EXPECT_GE(pages, 2) << c.u << ", " << c.v;
        }
    }
}

TEST(TemplateTiling, PageLabels)
{
    const std::pair<std::pair<int, int>, const char*> cases[] = {
        {{0, 0}, "A1"}, {{1, 2}, "B3"}, {{25, 0}, "Z1"}, {{26, 0}, "AA1"}, {{27, 9}, "AB10"}, {{701, 0}, "ZZ1"},
        {{702, 0}, "AAA1"}};
    for (const auto& [place, label] : cases)
        EXPECT_EQ(pageLabel(place.first, place.second), label);
    EXPECT_EQ(pageText({1, 2}, 5, 11, Language::English), "B3  (page 5 of 11)");
    EXPECT_EQ(pageText({0, 0}, 1, 2, Language::German), "A1  (Seite 1 von 2)");
}

TEST(TemplateLayout, PagesThatWouldShowNothingOfTheWingAreLeftOut)
{
    const Calculated c = calculatedExample("flying_wing.wk4");
    const PlanformTemplate t = planformTemplate(c.aircraft, c.figures, 1, 1, true, Language::English).planform;
    const TemplateSheet sheet = templateSheet(t);
    const TemplateLayout layout = layOutTemplate(t, sheet, Paper::A4);
    const TemplateTiling& g = layout.tiling;
    // The swept wing leaves the corners beside its root trailing edge and its tip leading edge empty.
    EXPECT_LT(layout.pages.size(), std::size_t(g.pageCount()));
    EXPECT_LE(layout.pages.size(), std::size_t(pagesWithDrawing(tileSheet(sheet.width, sheet.height, Paper::A4, !g.landscape), t, sheet).size()));
    // Every point of the outline stands on a page that is printed.
    for (std::size_t i = 0; i < t.outline.size(); ++i) {
        const WingPointMm a = t.outline[i], b = t.outline[(i + 1) % t.outline.size()];
        for (double f = 0; f <= 1; f += 0.01) {
            const double u = sheet.u(a.y + f * (b.y - a.y)), v = sheet.v(a.x + f * (b.x - a.x));
            const bool printed = std::any_of(layout.pages.begin(), layout.pages.end(), [&](const TemplatePage& p) {
                return u >= g.sheetLeft(p.column) && u <= g.sheetLeft(p.column) + g.windowWidth &&
                       v >= g.sheetTop(p.row) && v <= g.sheetTop(p.row) + g.windowHeight;
            });
            EXPECT_TRUE(printed) << "edge " << i << " at " << f;
        }
    }
    // Pages run row by row.
    EXPECT_TRUE(std::is_sorted(layout.pages.begin(), layout.pages.end(), [](const TemplatePage& a, const TemplatePage& b) {
        return std::pair(a.row, a.column) < std::pair(b.row, b.column);
    }));
}

TEST(TemplateLayout, TheOrientationWithFewerPages)
{
    AircraftTexts texts = taperedWing();
    WingTexts& w = texts.wing[1];
    w[Role::RootGap] = "0";
    w[tipOffsetRole(1)] = "0";
    struct Case {
        const char *width, *chord;
        bool landscape;
        std::size_t pages;
    };
    // Sheets of 12 + width + 5 by chord + 10 mm.
    const Case cases[] = {
        {"170", "200", false, 1}, // 187 x 210: portrait only
        {"250", "140", true, 1},  // 267 x 150: landscape only
        {"250", "200", false, 2}, // 267 x 210: two either way, portrait
        {"1000", "140", true, 4}, // 1017 x 150: 4 landscape, 6 portrait
    };
    for (const Case& c : cases) {
        w[widthRole(1)] = c.width;
        w[Role::RootChord] = w[tipChordRole(1)] = c.chord;
        const Aircraft ac = evaluated(texts);
        const PlanformTemplate t = planformTemplate(ac, stabilityFigures(ac, 7.5), 1, 0, true, Language::English).planform;
        const TemplateLayout layout = layOutTemplate(t, templateSheet(t), Paper::A4);
        EXPECT_EQ(layout.tiling.landscape, c.landscape) << c.width << " x " << c.chord;
        EXPECT_EQ(layout.pages.size(), c.pages) << c.width << " x " << c.chord;
    }
}

TEST(TemplateTexts, FootSaysWhereEveryMarkIsInEachLanguage)
{
    const Calculated c = calculatedExample("glider.wk4");
    for (Language l : {Language::English, Language::German, Language::Spanish}) {
        const PlanformTemplate t = planformTemplate(c.aircraft, c.figures, 1, 1, true, l).planform;
        const TemplateTexts x = templateTexts(t, l, "models/glider.wk4", "Main wing", 13);
        EXPECT_NE(x.heading.find("Main wing"), std::string::npos) << x.heading;
        EXPECT_NE(x.heading.find("models/glider.wk4"), std::string::npos) << x.heading;
        for (const TemplateMark& m : t.marks)
            EXPECT_NE(x.marks.find(formatFixed(m.x, 1)), std::string::npos) << x.marks;
        EXPECT_NE(x.marks.find(formatFixed(t.mac.length, 1)), std::string::npos) << x.marks;
        EXPECT_NE(x.datum.find(texts::DatumSentence.in(l)), std::string::npos) << x.datum;
        EXPECT_FALSE(x.assembly.empty());
        EXPECT_TRUE(templateTexts(t, l, "g.wk4", "", 1).assembly.empty()); // one page: nothing to put together
        for (const std::string* s : {&x.heading, &x.marks, &x.datum, &x.checkNote, &x.assembly})
            EXPECT_EQ(s->find('{'), std::string::npos) << *s;
    }
}

} // namespace
} // namespace ab
