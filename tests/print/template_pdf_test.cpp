// SPDX-License-Identifier: GPL-3.0-or-later
// The planform template as printed: the PDF's pages are the paper at its size, the wing is drawn at
// true size across the pages (read back from the text positions pdftotext reports and the pixels
// pdftoppm renders), the printer path draws the same, and batch mode writes it or names the reason.
// The summary page's three-dimensional view holds the whole aircraft.
#include "print/template_pdf.h"

#include "cli/batch.h"
#include "draw/colours.h"
#include "files/open_aircraft.h"
#include "model/aircraft_texts.h"
#include "model/recalculation.h"
#include "print/batch_pdf.h"
#include "print/summary_page.h"
#include "solver/calculation.h"
#include "../files/temp_folder.h"

#include <QImage>
#include <QPrinter>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <map>
#include <regex>
#include <sstream>

namespace ab {
namespace {

const std::string Examples = AEROBALANCE_SOURCE_DIR "/examples/";
constexpr double PointsPerMm = 72 / 25.4;

struct Calculated {
    Aircraft aircraft;
    AircraftTexts texts;
    SolverData solver;
    StabilityFigures figures;
};

Calculated calculated(const std::string& file)
{
    Calculated c;
    c.texts = defaultAircraftTexts();
    recalculate(c.aircraft, c.texts);
    EXPECT_TRUE(openAircraftFile(file, c.aircraft, c.texts, Language::English).ok());
    EXPECT_FALSE(calculate(c.aircraft, c.texts, c.solver, Language::English).failed);
    c.figures = stabilityFigures(c.aircraft, readMargin(c.texts.margin).percent);
    return c;
}

// The document batch mode makes of an example's reference wing.
TemplateDocument referenceDocument(const Calculated& c, const std::string& file, UnitSystem units = UnitSystem::Metric)
{
    return templateDocument(c.aircraft, c.figures,
                            {.wing = c.solver.ReferenceWing, .referenceWing = c.solver.ReferenceWing, .paper = localePaper(),
                             .units = units},
                            Language::English, file);
}

struct Word {
    double xMin, yMin, xMax, yMax;
    std::string text;
};
struct PdfPage {
    double width = 0, height = 0; // points
    std::vector<Word> words;
};

// The pages of a PDF with every word's box in points, as `pdftotext -bbox` reads them.
std::vector<PdfPage> pdfWords(const std::string& pdf)
{
    std::string html;
    if (FILE* p = popen(("pdftotext -bbox '" + pdf + "' -").c_str(), "r")) {
        char buffer[4096];
        while (std::size_t n = std::fread(buffer, 1, sizeof buffer, p))
            html.append(buffer, n);
        pclose(p);
    }
    std::vector<PdfPage> pages;
    const std::regex page(R"re(<page width="([0-9.]+)" height="([0-9.]+)">)re");
    const std::regex word(R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="([0-9.]+)" yMax="([0-9.]+)">([^<]*)</word>)re");
    std::istringstream lines(html);
    for (std::string line; std::getline(lines, line);) {
        std::smatch m;
        if (std::regex_search(line, m, page))
            pages.push_back({std::stod(m[1]), std::stod(m[2]), {}});
        else if (std::regex_search(line, m, word) && !pages.empty())
            pages.back().words.push_back({std::stod(m[1]), std::stod(m[2]), std::stod(m[3]), std::stod(m[4]), m[5]});
    }
    return pages;
}

// Every station label "y = N" read back as the y its position on the sheet stands for: a label
// starts 0.8 mm out from its station (the tip's ends 0.8 mm in), its page's window maps the sheet.
struct StationLabel {
    double typed = 0, drawnAt = 0; // mm
};
std::vector<StationLabel> stationLabels(const std::vector<PdfPage>& pages, const TemplateDocument& d)
{
    std::vector<StationLabel> labels;
    const double tipY = d.planform.stations.back().y;
    for (std::size_t i = 0; i < pages.size() && i < d.pages.size(); ++i) {
        const std::vector<Word>& w = pages[i].words;
        for (std::size_t k = 0; k + 2 < w.size(); ++k) {
            // Only whole labels in the window: the foot names the mean chord's station the same way,
            // and a label cut by the window's edge loses the characters beyond it.
            const double left = d.tiling.windowLeft * PointsPerMm, right = left + d.tiling.windowWidth * PointsPerMm;
            if (w[k].text != "y" || w[k + 1].text != "=" || w[k].yMax > (d.tiling.windowTop + d.tiling.windowHeight) * PointsPerMm ||
                w[k].xMin < left + 3 || w[k + 2].xMax > right - 3)
                continue;
            const double typed = std::stod(w[k + 2].text);
            const bool tip = std::abs(typed - tipY) < 0.05;
            const double pageX = (tip ? w[k + 2].xMax : w[k].xMin) / PointsPerMm;
            const double u = pageX - d.tiling.windowLeft + d.tiling.sheetLeft(d.pages[i].column);
            labels.push_back({typed, u - d.sheet.originU + (tip ? 0.8 : -0.8)});
        }
    }
    return labels;
}

TEST(TemplatePdf, PagesArePaperSizeAndTheWingIsTrueSizeAcrossThem)
{
    for (const char* example : {"glider.wk4", "flying_wing.wk4"}) {
        SCOPED_TRACE(example);
        test::TempFolder folder;
        const std::string file = Examples + example, pdf = folder.file("template.pdf");
        const Calculated c = calculated(file);
        const TemplateDocument d = referenceDocument(c, file);
        ASSERT_TRUE(d.ok()) << d.problem;
        ASSERT_EQ(writePlanformTemplatePdf(pdf, d), "");

        const std::vector<PdfPage> pages = pdfWords(pdf);
        ASSERT_EQ(pages.size(), d.pages.size());
        const PaperSize paper = paperSize(d.tiling.paper);
        for (const PdfPage& p : pages) {
            // Whole points: the PDF's page box rounds the paper to the point.
            EXPECT_NEAR(p.width, (d.tiling.landscape ? paper.height : paper.width) * PointsPerMm, 0.5);
            EXPECT_NEAR(p.height, (d.tiling.landscape ? paper.width : paper.height) * PointsPerMm, 0.5);
        }

        // Every station is named at least once, and where it is named is where it lies, to a tenth of
        // a millimetre, on whichever page.
        const std::vector<StationLabel> labels = stationLabels(pages, d);
        for (const TemplateStation& s : d.planform.stations)
            EXPECT_TRUE(std::any_of(labels.begin(), labels.end(), [&](const StationLabel& l) { return std::abs(l.typed - s.y) < 0.05; }))
                << "station y = " << s.y;
        for (const StationLabel& l : labels)
            EXPECT_NEAR(l.drawnAt, l.typed, 0.1);
    }
}

TEST(TemplatePdf, TheRulerAndTheCheckBarMeasureTrue)
{
    test::TempFolder folder;
    // The ruler's numbers on the first page: along the glider's root chord, and on the canard's run
    // ahead of its reference wing to the balance points, which carry their distance.
    struct Case {
        const char* example;
        int from, to; // two numbers of the ruler on the first page
        UnitSystem units = UnitSystem::Metric;
    };
    TemplateDocument d;
    std::string pdf;
    for (const Case& k : {Case{"glider.wk4", 0, 8, UnitSystem::Imperial}, Case{"canard.wk4", -50, 0}, Case{"glider.wk4", 0, 200}}) {
        SCOPED_TRACE(k.example);
        const std::string file = Examples + k.example;
        pdf = folder.file("template.pdf");
        d = referenceDocument(calculated(file), file, k.units);
        ASSERT_EQ(writePlanformTemplatePdf(pdf, d), "");
        const std::vector<PdfPage> pages = pdfWords(pdf);
        ASSERT_FALSE(pages.empty());
        ASSERT_EQ(d.pages.front(), (TemplatePage{0, 0}));
        const double rulerRight = d.tiling.pageX(d.sheet.u(d.planform.stations.front().y) - 5, 0) * PointsPerMm;
        const double windowBottom = (d.tiling.windowTop + d.tiling.windowHeight) * PointsPerMm;
        std::map<std::string, double> middle; // word of the drawing -> its middle, points down the page
        for (const Word& w : pages[0].words)
            if (w.yMax < windowBottom && (std::abs(w.xMax - rulerRight) < 1 || w.text == "-23.1"))
                middle.emplace(w.text, (w.yMin + w.yMax) / 2);
        const std::string from = std::to_string(k.from), to = std::to_string(k.to);
        ASSERT_TRUE(middle.count(from) && middle.count(to)) << "ruler numbers not found";
        const double mmPerNumber = k.units == UnitSystem::Imperial ? MillimetresPerInch : 1;
        EXPECT_NEAR(middle[to] - middle[from], (k.to - k.from) * mmPerNumber * PointsPerMm, 0.1 * PointsPerMm);
        if (k.units == UnitSystem::Imperial) {
            EXPECT_FALSE(middle.count("50")) << "no millimetre numbers on an inch ruler";
            // The foot's words keep clear of one another, the longer caption of the check bar included.
            std::vector<Word> foot;
            for (const Word& w : pages[0].words)
                if (w.yMin > windowBottom)
                    foot.push_back(w);
            for (std::size_t a = 0; a < foot.size(); ++a)
                for (std::size_t b = a + 1; b < foot.size(); ++b)
                    EXPECT_FALSE(foot[a].xMin < foot[b].xMax - 0.5 && foot[b].xMin < foot[a].xMax - 0.5 &&
                                 foot[a].yMin < foot[b].yMax - 0.5 && foot[b].yMin < foot[a].yMax - 0.5)
                        << foot[a].text << " over " << foot[b].text;
        }
        if (k.from < 0) { // the neutral point's tag, 23.1 mm ahead of the root leading edge
            EXPECT_NEAR(middle["-23.1"], middle["0"] - 23.1 * PointsPerMm, 3 * PointsPerMm);
        }
    }

    // The glider's check bar, rendered at 254 dpi (10 pixels a millimetre): its longest row of dark pixels in
    // the foot is 100 mm from the window's left edge.
    ASSERT_EQ(std::system(("pdftoppm -png -r 254 -f 1 -l 1 -singlefile '" + pdf + "' '" + folder.file("page") + "'").c_str()), 0);
    const QImage page(QString::fromStdString(folder.file("page.png")));
    ASSERT_FALSE(page.isNull());
    const int footTop = static_cast<int>((d.tiling.windowTop + d.tiling.windowHeight) * 10);
    int longest = 0, start = 0;
    for (int y = footTop; y < page.height(); ++y)
        for (int x = 0, run = 0; x < page.width(); ++x) {
            run = page.pixelColor(x, y).lightness() < 100 ? run + 1 : 0;
            if (run > longest) {
                longest = run;
                start = x - run + 1;
            }
        }
    EXPECT_NEAR(longest, 1000, 3);
    EXPECT_NEAR(start, d.tiling.windowLeft * 10, 2);
}

TEST(TemplatePdf, ThePrinterPathPrintsTheSamePagesUnscaled)
{
    test::TempFolder folder;
    const std::string file = Examples + "flying_wing.wk4";
    const Calculated c = calculated(file);
    // Letter, whatever the locale: a printer on paper the template is not laid out for takes the document's.
    const TemplateDocument d =
        templateDocument(c.aircraft, c.figures, {.wing = 1, .referenceWing = 1, .paper = Paper::Letter}, Language::Spanish, file);
    ASSERT_TRUE(d.ok());
    const std::string viaPdf = folder.file("written.pdf"), viaPrinter = folder.file("printed.pdf");
    ASSERT_EQ(writePlanformTemplatePdf(viaPdf, d), "");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(viaPrinter));
    printer.setPageSize(QPageSize(QPageSize::A3)); // the template sets its own
    ASSERT_EQ(printPlanformTemplate(printer, d), "");

    const std::vector<PdfPage> written = pdfWords(viaPdf), printed = pdfWords(viaPrinter);
    ASSERT_EQ(printed.size(), d.pages.size());
    ASSERT_EQ(written.size(), printed.size());
    for (std::size_t i = 0; i < printed.size(); ++i) {
        EXPECT_NEAR(printed[i].width, written[i].width, 0.5);
        EXPECT_NEAR(printed[i].height, written[i].height, 0.5);
        EXPECT_NEAR(printed[i].width, (d.tiling.landscape ? 279.4 : 215.9) * PointsPerMm, 0.5);
    }
    for (const StationLabel& l : stationLabels(printed, d))
        EXPECT_NEAR(l.drawnAt, l.typed, 0.1);

    // A printer set to A4 gets the template laid out for A4.
    const std::string onA4 = folder.file("a4.pdf");
    QPrinter a4(QPrinter::HighResolution);
    a4.setOutputFormat(QPrinter::PdfFormat);
    a4.setOutputFileName(QString::fromStdString(onA4));
    a4.setPageSize(QPageSize(QPageSize::A4));
    ASSERT_EQ(printPlanformTemplate(a4, d), "");
    const TemplateDocument a4Document = onPaper(d, Paper::A4);
    const std::vector<PdfPage> a4Pages = pdfWords(onA4);
    ASSERT_EQ(a4Pages.size(), a4Document.pages.size());
    EXPECT_NEAR(a4Pages[0].width, (a4Document.tiling.landscape ? 297 : 210) * PointsPerMm, 0.5);
    for (const StationLabel& l : stationLabels(a4Pages, a4Document))
        EXPECT_NEAR(l.drawnAt, l.typed, 0.1);
}

TEST(TemplatePdf, AWingTooLargeForAHundredPagesIsRefusedAndNothingWritten)
{
    AircraftTexts texts = defaultAircraftTexts();
    texts.wingCount = 1;
    texts.wing[1].trapezoidCount = 1;
    texts.wing[1][widthRole(1)] = "30000";
    Aircraft ac;
    ac.WingCount = ac.ActiveWingCount = 1;
    recalculate(ac, texts);
    const TemplateDocument d = templateDocument(ac, stabilityFigures(ac, 7.5), {.wing = 1}, Language::English, "big.wk4");
    EXPECT_FALSE(d.ok());
    EXPECT_NE(d.problem.find("pages"), std::string::npos) << d.problem;
    test::TempFolder folder;
    EXPECT_EQ(writePlanformTemplatePdf(folder.file("big.pdf"), d), d.problem);
    EXPECT_FALSE(std::filesystem::exists(folder.file("big.pdf")));

}

TEST(TemplateBatch, WritesTheTemplateOrNamesTheReason)
{
    useSummaryPdfWriter();
    test::TempFolder folder;
    const std::string aircraft = folder.file("trainer.wk4"), pdf = folder.file("t.pdf");
    std::filesystem::copy_file(Examples + "trainer.wk4", aircraft);
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string said; // in the error stream
    };
    const Case cases[] = {
        {{"--template", "ref", "--pdf", pdf}, BatchDone, ""},
        {{"--template", "2", "--pdf", pdf, "--lang", "de"}, BatchDone, ""},
        {{"--template", "3", "--pdf", pdf}, BatchBadInput, "no wing 3"},
        {{"--template", "3", "--pdf", pdf, "--save", folder.file("saved.wk4")}, BatchBadInput, "no wing 3"},
        {{"--template", "wing", "--pdf", pdf}, BatchBadInput, "--template is a wing 1 to 5 or ref"},
        {{"--template", "0", "--pdf", pdf}, BatchBadInput, "not \"0\""},
        {{"--template", "1"}, BatchBadInput, "--template needs --pdf"},
        {{"--template", "1", "--pdf", folder.file("no/such/folder/x.pdf")}, BatchBadInput, "x.pdf"},
        // The PDF would replace the aircraft it is made of.
        {{"--template", "1", "--pdf", aircraft}, BatchBadInput, "would write over the aircraft file"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = {"--calc", aircraft};
        args.insert(args.end(), c.args.begin(), c.args.end());
        SCOPED_TRACE(::testing::Message() << args[3] << " " << (args.size() > 4 ? args[4] : ""));
        std::filesystem::remove(pdf);
        std::ostringstream out, err;
        EXPECT_EQ(runBatch(args, out, err), c.status) << err.str();
        EXPECT_NE(err.str().find(c.said), std::string::npos) << err.str();
        EXPECT_EQ(std::filesystem::exists(pdf), c.status == BatchDone);
        EXPECT_FALSE(std::filesystem::exists(folder.file("saved.wk4"))); // a refused run writes nothing
        EXPECT_EQ(test::readBytes(aircraft).substr(0, 10), "<aircraft>");
        EXPECT_EQ(out.str().empty(), c.status != BatchDone); // the summary still goes to standard output
    }
}

// The summary page's three-dimensional view holds the whole aircraft, also when the window's view was
// enlarged (size bar 10: 3.6 times): the V-tail is drawn, and no wing line runs off the picture.
TEST(SummaryPage, TheThreeDimensionalViewHoldsTheWholeVTail)
{
    const Calculated c = calculated(Examples + "vtail_glider.wk4");
    for (const int sizeBar : {75, 10}) {
        const PrintScene scene{c.aircraft, c.solver, c.figures, Language::English, true, ThreeDInput{}, sizeBar};
        const QImage view = summaryPage(scene, "v.wk4").threeDView;
        int tail = 0, atTheEdge = 0;
        for (int y = 0; y < view.height(); ++y)
            for (int x = 0; x < view.width(); ++x) {
                const QColor p = view.pixelColor(x, y);
                tail += p == wingColour(2);
                atTheEdge += (p == wingColour(1) || p == wingColour(2)) &&
                             (x < 2 || y < 2 || x >= view.width() - 2 || y >= view.height() - 2);
            }
        EXPECT_GT(tail, 100) << sizeBar;
        EXPECT_EQ(atTheEdge, 0) << sizeBar;
    }
}

} // namespace
} // namespace ab
