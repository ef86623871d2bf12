// SPDX-License-Identifier: GPL-3.0-or-later
// The lift distribution's CSV file: batch mode writes one row per strip of every wing, as many as the
// example's report counts, whose lift integrates to the wing's lift in that report; numbers keep the
// point in any locale; a file that cannot be written, or would replace the aircraft, is refused.
#include "cli/batch.h"
#include "files/lift_distribution_csv.h"
#include "../files/temp_folder.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <charconv>
#include <cmath>
#include <fstream>
#include <locale>
#include <sstream>

namespace ab {
namespace {

const std::string Examples = AEROBALANCE_SOURCE_DIR "/examples/";

struct CsvRow {
    int wing = 0;
    double y = 0, chord = 0, localLift = 0, clOverCL = 0, width = 0;
};

// Reads the rows back strictly: every field a whole number or a real in C form, nothing left over.
std::vector<CsvRow> readCsv(const std::string& text, std::string& header)
{
    std::vector<CsvRow> rows;
    std::istringstream in(text);
    std::string line;
    std::getline(in, line);
    EXPECT_TRUE(!line.empty() && line.back() == '\r');
    header = line.substr(0, line.size() - 1);
    while (std::getline(in, line)) {
        EXPECT_EQ(line.back(), '\r');
        line.pop_back();
        CsvRow r;
        double* fields[] = {&r.y, &r.chord, &r.localLift, &r.clOverCL, &r.width};
        const char* p = line.data();
        const char* end = line.data() + line.size();
        auto [next, ec] = std::from_chars(p, end, r.wing);
        EXPECT_EQ(ec, std::errc()) << line;
        for (double* f : fields) {
            EXPECT_TRUE(next < end && *next == ',') << line;
            auto res = std::from_chars(next + 1, end, *f);
            EXPECT_EQ(res.ec, std::errc()) << line;
            next = res.ptr;
        }
        EXPECT_EQ(next, end) << line;
        rows.push_back(r);
    }
    return rows;
}

TEST(LiftCsv, OneRowPerStripWhoseLiftIntegratesToTheReportedLift)
{
    for (const std::string name : {"trainer", "glider", "flying_wing", "canard"}) {
        SCOPED_TRACE(name);
        test::TempFolder folder;
        const std::string csv = folder.file(name + ".csv");
        std::ostringstream out, err;
        ASSERT_EQ(runBatch({"--calc", Examples + name + ".wk4", "--csv", csv}, out, err), BatchDone) << err.str();

        std::ifstream reportFile(Examples + name + ".wk4.json");
        const nlohmann::json report = nlohmann::json::parse(reportFile);
        std::string header;
        const std::vector<CsvRow> rows = readCsv(test::readBytes(csv), header);
        EXPECT_EQ(header, LiftCsvHeader);

        const double cRef = report["reference_mac_mm"];
        std::size_t at = 0;
        for (const auto& wing : report["wings"]) {
            const int w = wing["wing"], strips = wing["strips"];
            double lift = 0, previousY = 0;
            for (int J = 0; J < strips; ++J, ++at) {
                ASSERT_LT(at, rows.size());
                const CsvRow& r = rows[at];
                ASSERT_EQ(r.wing, w);
                EXPECT_GT(r.y, previousY); // root to tip
                EXPECT_GT(r.chord, 0);
                EXPECT_GT(r.width, 0);
                previousY = r.y;
                lift += 2 * r.localLift * cRef * r.width;
            }
            const double reported = wing["lift_slope"].get<double>() * wing["area_mm2"].get<double>();
            EXPECT_NEAR(lift, reported, 1e-9 * reported) << "wing " << w;
        }
        EXPECT_EQ(at, rows.size());
    }
}

// A decimal comma in the program's locale must not reach the file.
struct CommaDecimals : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
};

TEST(LiftCsv, WritesTheShortestNumbersWithAPointInAnyLocale)
{
    LiftDistribution d;
    d.wingCount = 2;
    d.referenceChord = 200;
    d.wings[1].stations = {{12.5, 25, 230, 6.75, 1.0125, 0}, {2187.5, 25, 86.25, 1.0000000000000002, 0.42, 0}};
    d.wings[2].stations = {{1e-7, 0.5, 130, -0.25, 1234567.5, 0}};
    const std::string expected = "wing,y_mm,chord_mm,c_cl_over_cref,cl_over_CL,width_mm\r\n"
                                 "1,12.5,230,6.75,1.0125,25\r\n"
                                 "1,2187.5,86.25,1.0000000000000002,0.42,25\r\n"
                                 "2,1e-07,130,-0.25,1234567.5,0.5\r\n";
    const std::locale before = std::locale::global(std::locale(std::locale::classic(), new CommaDecimals));
    const std::string csv = liftDistributionCsv(d);
    std::locale::global(before);
    EXPECT_EQ(csv, expected);
}

TEST(LiftCsv, RefusesWhatCannotBeWrittenAndLeavesEveryFileAsItWas)
{
    test::TempFolder folder;
    const std::string aircraft = folder.file("plane.wk4");
    test::writeBytes(aircraft, test::readBytes(Examples + "trainer.wk4"));
    const std::string before = test::readBytes(aircraft);
    const std::string kept = folder.file("kept.csv");
    test::writeBytes(kept, "earlier export\r\n");
    std::filesystem::create_directory(folder.file("folder.csv"));

    struct Case {
        std::vector<std::string> args;
        std::string says;
    } cases[] = {
        {{"--csv", aircraft}, "would write over the aircraft file"},
        {{"--csv", folder.path().string() + "/./plane.wk4"}, "would write over the aircraft file"},
        {{"--save", folder.file("copy"), "--csv", folder.file("copy.wk4")}, "another output"},
        {{"--avl", kept, "--csv", kept}, "another output"},
        {{"--csv", folder.file("folder.csv")}, folder.file("folder.csv")},
        {{"--csv", folder.file("missing/lift.csv")}, folder.file("missing/lift.csv")},
        {{"--csv", ""}, "--csv needs a file name"},
    };
    for (const Case& k : cases) {
        std::vector<std::string> args = {"--calc", aircraft};
        args.insert(args.end(), k.args.begin(), k.args.end());
        SCOPED_TRACE(k.args.back());
        std::ostringstream out, err;
        EXPECT_EQ(runBatch(args, out, err), BatchBadInput);
        EXPECT_NE(err.str().find(k.says), std::string::npos) << err.str();
        EXPECT_EQ(test::readBytes(aircraft), before);
        EXPECT_EQ(test::readBytes(kept), "earlier export\r\n");
        EXPECT_FALSE(std::filesystem::exists(folder.file("copy.wk4")));
    }

    // Without a calculation there is nothing to export, and nothing is written.
    const std::string message = saveLiftDistributionCsv(kept, LiftDistribution{}, Language::German);
    EXPECT_NE(message.find(kept), std::string::npos);
    EXPECT_NE(message.find("keine berechnete Auftriebsverteilung"), std::string::npos) << message;
    EXPECT_EQ(test::readBytes(kept), "earlier export\r\n");
}

} // namespace
} // namespace ab
