// SPDX-License-Identifier: GPL-3.0-or-later
// The AVL input file of an aircraft: read back by the rules AVL's user primer gives for its geometry
// file, its sections must give our wing areas, and the trainer's file is pinned as a golden file.
//
// After a deliberate change of the file, write the golden file anew and read its diff:
//     AEROBALANCE_UPDATE_GOLDEN=1 ctest --test-dir build -R AvlExport
#include "cli/batch.h"
#include "files/avl_export.h"
#include "files/open_aircraft.h"
#include "solver/calculation.h"
#include "stability/stability.h"
#include "views/planform_template.h"
#include "views/stability_overlay.h"
#include "../files/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <sstream>

namespace ab {
namespace {

const std::string Examples = AEROBALANCE_SOURCE_DIR "/examples/";
const std::string GoldenTrainer = AEROBALANCE_SOURCE_DIR "/tests/data/trainer.avl";

// ---- A reader of AVL's geometry file, as its primer describes it ----------------------------------
// Blank lines and lines starting with '#' or '!' are comments. The first line is the title, then
// Mach; IYsym IZsym Zsym; Sref Cref Bref; Xref Yref Zref; and CDp when the next line is no keyword.
// A keyword counts by its first four characters. SURFACE is followed by its name on the next line
// and "Nchord Cspace [Nspan Sspace]"; YDUPLICATE by one value; SECTION by
// "Xle Yle Zle Chord Ainc [Nspan Sspace]".

struct ReadSection {
    double x = 0, y = 0, z = 0, chord = 0, ainc = 0;
    std::optional<int> nSpan; // strips up to the next section
    double sSpace = 0;
};
struct ReadSurface {
    std::string name;
    int nChord = 0, nSpan = 0;
    double cSpace = 0, sSpace = 0;
    std::optional<double> yDuplicate;
    std::vector<ReadSection> sections;
};
struct ReadAvl {
    std::string title;
    double mach = -1;
    int iYsym = -9, iZsym = -9;
    double zSym = 0, sRef = 0, cRef = 0, bRef = 0, xRef = 0, yRef = 0, zRef = 0, cdp = 0;
    std::vector<ReadSurface> surfaces;
    std::string error; // "line N: reason"
};

std::optional<double> real(const std::string& token)
{
    double v = 0;
    const auto [end, ec] = std::from_chars(token.data(), token.data() + token.size(), v);
    if (ec != std::errc() || end != token.data() + token.size() || !std::isfinite(v))
        return std::nullopt;
    return v;
}

std::optional<int> integer(const std::string& token)
{
    int v = 0;
    const auto [end, ec] = std::from_chars(token.data(), token.data() + token.size(), v);
    if (ec != std::errc() || end != token.data() + token.size())
        return std::nullopt;
    return v;
}

ReadAvl readAvl(const std::string& text)
{
    struct Line {
        int number;
        std::string text;
    };
    std::vector<Line> lines;
    std::istringstream in(text);
    int number = 0;
    for (std::string l; std::getline(in, l);) {
        ++number;
        const std::size_t first = l.find_first_not_of(" \t");
        if (first != std::string::npos && l[first] != '#' && l[first] != '!')
            lines.push_back({number, l});
    }

    ReadAvl r;
    std::size_t at = 0;
    const auto fail = [&](const std::string& why) {
        if (r.error.empty())
            r.error = "line " + std::to_string(at < lines.size() ? lines[at].number : number + 1) + ": " + why;
        return r;
    };
    const auto keyword = [&](std::size_t i) {
        if (i >= lines.size())
            return std::string();
        std::string k = lines[i].text.substr(lines[i].text.find_first_not_of(" \t"), 4);
        for (char& c : k)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        for (const char* known : {"SURF", "YDUP", "SECT", "BODY", "COMP", "INDE", "SCAL", "TRAN", "ANGL", "NOWA",
                                  "NOAL", "NOLO", "NACA", "AIRF", "AFIL", "CONT", "CLAF", "CDCL", "DESI", "BFIL"})
            if (k == known)
                return k;
        return std::string();
    };
    // The values of the next line; nullopt unless their count is one of `counts`.
    const auto values = [&](std::initializer_list<std::size_t> counts) -> std::optional<std::vector<std::string>> {
        if (at >= lines.size() || !keyword(at).empty())
            return std::nullopt;
        std::istringstream words(lines[at].text);
        std::vector<std::string> v;
        for (std::string w; words >> w;)
            v.push_back(w);
        for (std::size_t n : counts)
            if (v.size() == n) {
                ++at;
                return v;
            }
        return std::nullopt;
    };
    const auto reals = [&](const std::vector<std::string>& v, std::initializer_list<double*> into) {
        std::size_t i = 0;
        for (double* p : into) {
            const auto x = real(v[i++]);
            if (!x)
                return false;
            *p = *x;
        }
        return true;
    };

    if (lines.empty())
        return fail("no title");
    r.title = lines[at++].text;
    auto v = values({1});
    if (!v || !reals(*v, {&r.mach}))
        return fail("Mach expected");
    v = values({3});
    if (!v || !integer((*v)[0]) || !integer((*v)[1]) || !real((*v)[2]))
        return fail("IYsym IZsym Zsym expected");
    r.iYsym = *integer((*v)[0]), r.iZsym = *integer((*v)[1]), r.zSym = *real((*v)[2]);
    v = values({3});
    if (!v || !reals(*v, {&r.sRef, &r.cRef, &r.bRef}))
        return fail("Sref Cref Bref expected");
    v = values({3});
    if (!v || !reals(*v, {&r.xRef, &r.yRef, &r.zRef}))
        return fail("Xref Yref Zref expected");
    if (keyword(at).empty() && at < lines.size()) {
        v = values({1});
        if (!v || !reals(*v, {&r.cdp}))
            return fail("CDp expected");
    }

    while (at < lines.size()) {
        const std::string k = keyword(at);
        if (k.empty())
            return fail("keyword expected");
        ++at;
        if (k == "SURF") {
            if (at >= lines.size())
                return fail("surface name expected");
            ReadSurface& s = r.surfaces.emplace_back();
            s.name = lines[at++].text;
            v = values({2, 4});
            if (!v || !integer((*v)[0]) || !real((*v)[1]))
                return fail("Nchord Cspace [Nspan Sspace] expected");
            s.nChord = *integer((*v)[0]), s.cSpace = *real((*v)[1]);
            if (v->size() == 4) {
                if (!integer((*v)[2]) || !real((*v)[3]))
                    return fail("Nspan Sspace expected");
                s.nSpan = *integer((*v)[2]), s.sSpace = *real((*v)[3]);
            }
        } else if (k == "YDUP" || k == "SECT") {
            if (r.surfaces.empty())
                return fail(k + " outside a surface");
            ReadSurface& s = r.surfaces.back();
            if (k == "YDUP") {
                v = values({1});
                if (!v || !real((*v)[0]))
                    return fail("YDUPLICATE value expected");
                s.yDuplicate = real((*v)[0]);
            } else {
                ReadSection c;
                v = values({5, 7});
                if (!v || !reals(*v, {&c.x, &c.y, &c.z, &c.chord, &c.ainc}))
                    return fail("Xle Yle Zle Chord Ainc expected");
                if (v->size() == 7) {
                    if (!integer((*v)[5]) || !real((*v)[6]))
                        return fail("Nspan Sspace expected");
                    c.nSpan = *integer((*v)[5]), c.sSpace = *real((*v)[6]);
                }
                s.sections.push_back(c);
            }
        } else {
            return fail("keyword " + k + " is not one this file should hold");
        }
    }
    for (const ReadSurface& s : r.surfaces)
        if (s.sections.size() < 2)
            return fail("surface " + s.name + " has fewer than two sections");
    return r;
}

// Both halves of a surface from its sections: trapezoids between neighbours, mirrored (m²).
double surfaceArea(const ReadSurface& s)
{
    double area = 0;
    for (std::size_t i = 1; i < s.sections.size(); ++i)
        area += (s.sections[i - 1].chord + s.sections[i].chord) / 2 *
                std::hypot(s.sections[i].y - s.sections[i - 1].y, s.sections[i].z - s.sections[i - 1].z);
    return s.yDuplicate ? 2 * area : area;
}

// ---- Aircraft to export ---------------------------------------------------------------------------

struct Calculated {
    Aircraft aircraft;
    AircraftTexts texts = defaultAircraftTexts();
    SolverData solver;
    StabilityFigures figures;
};

void calculateTexts(Calculated& c)
{
    const CalculationRun run = calculate(c.aircraft, c.texts, c.solver, Language::English);
    ASSERT_FALSE(run.failed);
    c.figures = stabilityFigures(c.aircraft, readMargin(c.texts.margin).percent);
}

void calculateExample(Calculated& c, const std::string& name, SpanwiseSpacing spacing = SpanwiseSpacing::Equal)
{
    const OpenOutcome opened = openAircraftFile(Examples + name, c.aircraft, c.texts, Language::English);
    ASSERT_TRUE(opened.ok()) << opened.message;
    c.texts.spacing = spacing;
    calculateTexts(c);
}

CgInUse cgInUse(const Calculated& c)
{
    return centreOfGravityInUse(c.figures, c.texts.stabilityMode == StabilityMode::Automatic);
}

ReadAvl exported(const Calculated& c, std::string_view title = "test")
{
    const std::optional<std::string> text = avlFileText(c.aircraft, c.solver, cgInUse(c).x, wingNames(c.texts), title);
    if (text)
        return readAvl(*text);
    ReadAvl none;
    none.error = "not exported";
    return none;
}

// Each section interval holds the strips our lattice has between its sections, spaced as ours (equal
// strips one to a section, refined ones by AVL's cosine), and together the wing's strips.
void expectOurStrips(const ReadSurface& s, const SolverData& solver, int w, SpanwiseSpacing spacing)
{
    int sum = 0;
    for (std::size_t k = 0; k + 1 < s.sections.size(); ++k) {
        const double y0 = s.sections[k].y * 1e3, y1 = s.sections[k + 1].y * 1e3;
        const auto& strips = solver.lattice[w].strips;
        EXPECT_EQ(s.sections[k].nSpan.value_or(-1), std::count_if(strips.begin() + 1, strips.end(), [&](const Strip& j) {
                      return j.ControlY > y0 && j.ControlY < y1;
                  })) << "section " << k + 1;
        EXPECT_EQ(s.sections[k].sSpace, spacing == SpanwiseSpacing::Refined ? 1.0 : 0.0);
        if (spacing == SpanwiseSpacing::Equal) {
            EXPECT_LE(s.sections[k].nSpan.value_or(-1), 1);
        }
        sum += s.sections[k].nSpan.value_or(0);
    }
    EXPECT_EQ(sum, solver.counts.StripCount[w]);
}

// ---- Tests ------------------------------------------------------------------------------------------

TEST(AvlExport, EveryExampleReadsByAvlsRulesAndReproducesOurWings)
{
    for (const char* name : {"trainer.wk4", "default.wk4", "glider.wk4", "flying_wing.wk4", "canard.wk4",
                             "tandem.wk4", "biplane.da4", "fuselage_gap.wk4", "vtail_glider.wk4"})
      for (const SpanwiseSpacing spacing : {SpanwiseSpacing::Equal, SpanwiseSpacing::Refined}) {
        SCOPED_TRACE(std::string(name) + ", " + std::string(spacingName(spacing)));
        const bool refined = spacing == SpanwiseSpacing::Refined;
        Calculated c;
        ASSERT_NO_FATAL_FAILURE(calculateExample(c, name, spacing));
        const ReadAvl avl = exported(c);
        ASSERT_EQ(avl.error, "");
        const Aircraft& ac = c.aircraft;

        EXPECT_EQ(avl.mach, 0);
        EXPECT_EQ(std::tie(avl.iYsym, avl.iZsym, avl.zSym), std::make_tuple(0, 0, 0.0));
        EXPECT_NEAR(avl.sRef * 1e6, ac.ReferenceArea, 0.01);
        EXPECT_NEAR(avl.cRef * 1e3, ac.ReferenceMac, 1e-3);
        EXPECT_NEAR(avl.bRef * 1e3, ac.WingSpan[c.solver.ReferenceWing], 1e-3);
        EXPECT_NEAR(avl.xRef * 1e3, cgInUse(c).x, 1e-3);
        EXPECT_EQ(std::tie(avl.yRef, avl.zRef, avl.cdp), std::make_tuple(0.0, 0.0, 0.0));

        ASSERT_EQ(static_cast<int>(avl.surfaces.size()), ac.ActiveWingCount);
        for (int w = 1; w <= ac.ActiveWingCount; ++w) {
            SCOPED_TRACE("wing " + std::to_string(w));
            const ReadSurface& s = avl.surfaces[w - 1];
            const std::string shown(shownWingName(c.texts.wing[w].name));
            EXPECT_EQ(s.name, shown.empty() ? "Wing " + std::to_string(w) : shown);
            EXPECT_EQ(s.nChord, c.solver.counts.ChordwiseCount[w]);
            EXPECT_EQ(s.cSpace, 0.0);
            EXPECT_EQ(s.nSpan, 0); // given per section interval
            EXPECT_EQ(s.yDuplicate, 0.0);
            // Equal strips: a section at each strip edge (the examples have no step in chord);
            // refined ones: a section at each station.
            const auto& strips = c.solver.lattice[w].strips;
            EXPECT_EQ(static_cast<int>(s.sections.size()), refined ? ac.StationCount[w] : int(strips.size()));
            expectOurStrips(s, c.solver, w, spacing);
            // A tilted station's y and z are each written to 1 um, so its panel length to about 1 um.
            EXPECT_NEAR(surfaceArea(s) * 1e6, ac.WingArea[w], (hasDihedral(ac, w) ? 5e-6 : 1e-6) * ac.WingArea[w]);
            for (std::size_t k = 0; k < s.sections.size(); ++k) {
                const ReadSection& section = s.sections[k];
                EXPECT_EQ(section.ainc, 0);
                if (refined) {
                    EXPECT_NEAR(section.x * 1e3, ac.StationLeX[k][w], 1e-3);
                    // Where the station lies as built: seen from above, and raised by the tilted
                    // trapezoids inboard of it.
                    EXPECT_NEAR(section.y * 1e3, ac.StationProjectedY[k][w], 1e-3);
                    EXPECT_NEAR(section.z * 1e3, ac.posZ[w] + ac.StationRise[k][w], 1e-3);
                    continue;
                }
                // The inner edge of strip k + 1, the last section the outer edge of the last strip.
                const bool last = k + 1 == s.sections.size();
                const Strip& strip = strips[last ? k : k + 1];
                const std::vector<double>& border = last ? strip.PanelEdgeXRight : strip.PanelEdgeXLeft;
                EXPECT_NEAR(section.x * 1e3, border.front(), 1e-3);
                EXPECT_NEAR(section.chord * 1e3, border.back() - border.front(), 1e-3);
                EXPECT_NEAR(section.y * 1e3, last ? strip.YRight : strip.YLeft, 1e-3);
                EXPECT_NEAR(section.z * 1e3, last ? strip.ZRight : strip.ZLeft, 1e-3);
            }
        }
      }
}

TEST(AvlExport, TheTrainerBatchFileIsTheGoldenOne)
{
    test::TempFolder folder;
    const std::string out = folder.file("trainer.avl");
    std::ostringstream so, se;
    ASSERT_EQ(runBatch({"--calc", Examples + "trainer.wk4", "--avl", out}, so, se), BatchDone) << se.str();
    const std::string written = test::readBytes(out);
    if (const char* update = std::getenv("AEROBALANCE_UPDATE_GOLDEN"); update && *update) {
        test::writeBytes(GoldenTrainer, written);
        return;
    }
    const std::string golden = test::readBytes(GoldenTrainer);
    ASSERT_FALSE(golden.empty()) << "no golden file (AEROBALANCE_UPDATE_GOLDEN=1 writes it)";
    // Words agree, numbers to the last digit written (the solve's last bits follow the BLAS kernels).
    std::istringstream a(golden), b(written);
    std::string la, lb;
    for (int line = 1; std::getline(a, la); ++line) {
        ASSERT_TRUE(std::getline(b, lb)) << "the file ends before line " << line;
        std::istringstream wa(la), wb(lb);
        std::string ta, tb;
        while (wa >> ta) {
            ASSERT_TRUE(wb >> tb) << "line " << line << ": " << lb;
            const auto na = real(ta), nb = real(tb);
            if (na && nb)
                EXPECT_NEAR(*na, *nb, 1.5e-6) << "line " << line;
            else
                EXPECT_EQ(ta, tb) << "line " << line;
        }
        EXPECT_FALSE(wb >> tb) << "line " << line << ": " << lb;
    }
    EXPECT_FALSE(std::getline(b, lb)) << "more lines than the golden file: " << lb;
}

// A single wing of three trapezoids, widths given, to see which stations become sections of refined
// strips, and that equal strips keep a step in chord as a section of its own.
TEST(AvlExport, StationsThatAddNothingToTheLatticeAreLeftOut)
{
    struct Case {
        const char* what;
        std::array<int, 3> widths;
        std::array<int, 3> tipChords;
        std::vector<double> sectionY; // mm
    };
    const std::vector<Case> cases = {
        {"every trapezoid with width", {100, 200, 300}, {190, 180, 170}, {0, 100, 300, 600}},
        {"zero width at the root", {0, 200, 300}, {190, 180, 170}, {0, 200, 500}},
        {"zero width at the tip", {100, 200, 0}, {190, 180, 0}, {0, 100, 300}},
        {"a step in chord inside", {100, 0, 300}, {190, 120, 100}, {0, 100, 100, 400}},
        {"a repeated station inside", {100, 0, 300}, {190, 190, 100}, {0, 100, 400}},
    };
    for (const Case& k : cases)
      for (const SpanwiseSpacing spacing : {SpanwiseSpacing::Refined, SpanwiseSpacing::Equal}) {
        SCOPED_TRACE(std::string(k.what) + ", " + std::string(spacingName(spacing)));
        Calculated c;
        c.texts.spacing = spacing;
        c.texts.wingCount = c.aircraft.WingCount = c.aircraft.ActiveWingCount = 1;
        WingTexts& w = c.texts.wing[1];
        w.trapezoidCount = 3;
        w[Role::RootGap] = "0";
        w[Role::RootChord] = "200";
        for (int t = 1; t <= 3; ++t) {
            w[widthRole(t)] = std::to_string(k.widths[t - 1]);
            w[tipChordRole(t)] = std::to_string(k.tipChords[t - 1]);
            w[tipOffsetRole(t)] = "0";
        }
        ASSERT_NO_FATAL_FAILURE(calculateTexts(c));
        const ReadAvl avl = exported(c);
        ASSERT_EQ(avl.error, "");
        ASSERT_EQ(avl.surfaces.size(), 1u);
        std::vector<double> y;
        for (const ReadSection& s : avl.surfaces[0].sections)
            y.push_back(std::round(s.y * 1e3));
        if (spacing == SpanwiseSpacing::Refined) {
            EXPECT_EQ(y, k.sectionY);
        } else {
            // Every strip edge, a step in chord twice.
            const auto& strips = c.solver.lattice[1].strips;
            const bool step = k.sectionY.size() > 2 && k.sectionY[1] == k.sectionY[2];
            EXPECT_EQ(y.size(), strips.size() + (step ? 1 : 0));
        }
        EXPECT_NEAR(surfaceArea(avl.surfaces[0]) * 1e6, c.aircraft.WingArea[1], 1e-6 * c.aircraft.WingArea[1]);
        expectOurStrips(avl.surfaces[0], c.solver, 1, spacing);
      }
}

TEST(AvlExport, TheHeaderSaysWhenTheMirroredStripsPassAvlsUsualLimit)
{
    // A slender wing of 250 strips a side, 500 with its mirror image; the trainer's golden file has 98.
    Calculated c;
    c.texts.wingCount = c.aircraft.WingCount = c.aircraft.ActiveWingCount = 1;
    WingTexts& w = c.texts.wing[1];
    w.trapezoidCount = 1;
    w[Role::RootGap] = w[tipOffsetRole(1)] = "0";
    w[Role::RootChord] = w[tipChordRole(1)] = "20";
    w[widthRole(1)] = "2500";
    ASSERT_NO_FATAL_FAILURE(calculateTexts(c));
    const std::optional<std::string> text = avlFileText(c.aircraft, c.solver, cgInUse(c).x, wingNames(c.texts), "t");
    ASSERT_TRUE(text);
    EXPECT_NE(text->find("have 500 strips, more than the 400"), std::string::npos) << *text;
}

// One centre of gravity for each mode: the AVL file batch mode writes, the reference wing's template
// and the top view's symbol all put it the margin in use ahead of the neutral point.
TEST(CentreOfGravityInUse, TheAvlFileTheTemplateAndTheTopViewAgreeInEachMode)
{
    struct Case {
        const char *example, *mode, *margin; // the mode as the file stores it; --margin, or the file's 7.5 %
        double percent;                      // expected ahead of the neutral point
        const char* label;                   // the top view's symbol
    };
    const Case cases[] = {
        {"trainer.wk4", "auto", nullptr, 12, "CG 12%"},  // mid-band of 8..16 %
        {"trainer.wk4", "manual", "10", 10, "CG 10.0%"}, // the desired margin
        {"flying_wing.wk4", "auto", nullptr, 6, "CG 6%"}, // mid-band of 4..8 % for one wing
        {"canard.wk4", "manual", nullptr, 7.5, "CG 7.5%"},
    };
    test::TempFolder folder;
    const std::string aircraftFile = folder.file("plane.wk4"), avlFile = folder.file("plane.avl");
    for (const Case& k : cases) {
        SCOPED_TRACE(::testing::Message() << k.example << " " << k.mode);
        // The mode as a tag before the remark, where the window saves it.
        std::string file = test::readBytes(Examples + k.example);
        if (const std::size_t at = file.find(" <stability_mode>"); at != std::string::npos)
            file.erase(at, file.find('\n', at) + 1 - at);
        file.insert(file.find(" <comment>"), " <stability_mode>" + std::string(k.mode) + "</stability_mode>\n");
        test::writeBytes(aircraftFile, file);
        std::vector<std::string> args{"--calc", aircraftFile, "--avl", avlFile};
        if (k.margin)
            args.insert(args.end(), {"--margin", k.margin});
        std::ostringstream out, err;
        ASSERT_EQ(runBatch(args, out, err), BatchDone) << err.str();

        Calculated c;
        ASSERT_NO_FATAL_FAILURE(calculateExample(c, k.example));
        c.figures = stabilityFigures(c.aircraft, k.margin ? std::stod(k.margin) : 7.5);
        const Aircraft& ac = c.aircraft;
        const bool automatic = std::string(k.mode) == "auto";
        const double expected = ac.NeutralPointX - ac.ReferenceMac * k.percent / 100;
        EXPECT_NEAR(readAvl(test::readBytes(avlFile)).xRef * 1e3, expected, 1e-3);
        const int ref = c.solver.ReferenceWing;
        const PlanformTemplate t = planformTemplate(ac, c.figures, ref, ref, automatic, Language::English).planform;
        ASSERT_EQ(t.marks.size(), 4u);
        EXPECT_NEAR(t.marks[2].x + t.rootX, expected, 1e-9);
        const TopViewLayout layout = topViewLayout(ac, ac.WingCount, 760, 420);
        EXPECT_EQ(overlayMarks(ac, c.figures, automatic, std::nullopt, layout, 760).cgRow,
                  roundPixel(expected * layout.scale + layout.offsetY));
        EXPECT_EQ(stabilityLabels(ac, c.figures, automatic, Language::English).centreOfGravity, k.label);
    }
}

TEST(AvlExport, AWingWithoutSpanIsNamedAndLeftOut)
{
    Calculated c;
    const OpenOutcome opened = openAircraftFile(Examples + "trainer.wk4", c.aircraft, c.texts, Language::English);
    ASSERT_TRUE(opened.ok());
    c.texts.wing[2][widthRole(1)] = "0";
    ASSERT_NO_FATAL_FAILURE(calculateTexts(c));
    const std::optional<std::string> text = avlFileText(c.aircraft, c.solver, 100, wingNames(c.texts), "t");
    ASSERT_TRUE(text);
    const ReadAvl avl = readAvl(*text);
    ASSERT_EQ(avl.error, "");
    ASSERT_EQ(avl.surfaces.size(), 1u);
    EXPECT_EQ(avl.surfaces[0].name, "Wing 1");
    EXPECT_NE(text->find("# Wing 2 has no span"), std::string::npos);
}

TEST(AvlExport, NamesAndTitleStayOneDataLine)
{
    struct Case {
        std::string given, written;
    };
    for (const Case& k : std::vector<Case>{{"Tailplane", "Tailplane"},
                                           {"  # 2nd wing ", "2nd wing"},
                                           {"!Canard\nfront", "Canard front"},
                                           {" #! ", "Wing 1"},
                                           {"", "Wing 1"}}) {
        SCOPED_TRACE(k.given);
        Calculated c;
        ASSERT_NO_FATAL_FAILURE(calculateExample(c, "trainer.wk4"));
        c.texts.wing[1].name = k.given;
        const ReadAvl avl = exported(c, k.given);
        ASSERT_EQ(avl.error, "");
        EXPECT_EQ(avl.surfaces[0].name, k.written);
        EXPECT_EQ(avl.title, k.written == "Wing 1" ? "Aircraft" : k.written);
    }
    EXPECT_EQ(avlTitleOf("some/folder/trainer.wk4"), "trainer");
    EXPECT_EQ(avlTitleOf(""), "Aircraft");
}

TEST(AvlExport, WithoutACompleteCalculationNothingIsWritten)
{
    test::TempFolder folder;
    const std::string path = folder.file("plane.avl");
    test::writeBytes(path, "kept");

    Calculated c;
    ASSERT_NO_FATAL_FAILURE(calculateExample(c, "trainer.wk4"));
    Calculated opened; // results a file brought, without a lattice
    ASSERT_TRUE(openAircraftFile(Examples + "biplane.da4", opened.aircraft, opened.texts, Language::English).ok());
    ASSERT_TRUE(opened.aircraft.ResultsValid);
    Calculated stale = c;
    stale.aircraft.ResultsValid = false;

    for (const Calculated* k : {&opened, &stale}) {
        EXPECT_FALSE(avlFileText(k->aircraft, k->solver, 100, wingNames(k->texts), "x"));
        const std::string message = writeAvlFile(path, k->aircraft, k->solver, 100, wingNames(k->texts), "", Language::German);
        EXPECT_NE(message.find("\"" + path + "\""), std::string::npos) << message;
        EXPECT_NE(message.find("berechnen"), std::string::npos) << message;
        EXPECT_EQ(test::readBytes(path), "kept");
    }
    EXPECT_FALSE(avlFileText(c.aircraft, c.solver, std::nan(""), wingNames(c.texts), "x"));

    // A save that fails names the file and leaves the folder as it was.
    const std::string message = writeAvlFile(folder.path().string(), c.aircraft, c.solver, 100, wingNames(c.texts), "", Language::English);
    EXPECT_NE(message.find(folder.path().string()), std::string::npos) << message;
    EXPECT_EQ(writeAvlFile(path, c.aircraft, c.solver, 100, wingNames(c.texts), "", Language::English), "");
    EXPECT_EQ(readAvl(test::readBytes(path)).error, "");
}

TEST(AvlExport, BatchRefusesAnAvlFileThatWouldReplaceAnotherFile)
{
    test::TempFolder folder;
    const std::string aircraft = folder.file("plane.wk4");
    const std::string original = test::readBytes(Examples + "trainer.wk4");
    test::writeBytes(aircraft, original);
    const std::string pdf = folder.file("plane.pdf");
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"--calc", aircraft, "--avl", aircraft},
             {"--calc", aircraft, "--avl", folder.path().string() + "/./plane.wk4"},
             {"--calc", aircraft, "--save", folder.file("copy"), "--avl", folder.file("copy.wk4")},
             {"--calc", aircraft, "--pdf", pdf, "--avl", pdf},
             {"--calc", aircraft, "--avl", folder.path().string()},
             {"--calc", aircraft, "--avl", ""},
         }) {
        SCOPED_TRACE(args.back());
        std::ostringstream out, err;
        EXPECT_EQ(runBatch(args, out, err), BatchBadInput);
        EXPECT_NE(err.str().find("aerobalance: "), std::string::npos);
        EXPECT_EQ(test::readBytes(aircraft), original);
        EXPECT_FALSE(std::filesystem::exists(folder.file("copy.wk4")));
        EXPECT_FALSE(std::filesystem::exists(pdf));
    }
}

} // namespace
} // namespace ab
