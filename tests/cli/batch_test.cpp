// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/arguments.h"
#include "cli/batch.h"
#include "files/aircraft_templates.h"
#include "files/aircraft_writer.h"
#include "files/open_aircraft.h"
#include "model/numbers.h"
#include "../files/temp_folder.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cmath>
#include <set>
#include <sstream>

#include <sys/stat.h>
#include <unistd.h>

namespace ab {
namespace {

const std::string Examples = AEROBALANCE_SOURCE_DIR "/examples/";

struct BatchRun {
    int status = -1;
    std::string out, err;
};

BatchRun batch(const std::vector<std::string>& args)
{
    std::ostringstream out, err;
    BatchRun r;
    r.status = runBatch(args, out, err);
    r.out = out.str();
    r.err = err.str();
    return r;
}

int lineCount(const std::string& s) { return static_cast<int>(std::count(s.begin(), s.end(), '\n')); }

std::set<std::string> keysOf(const nlohmann::json& object)
{
    std::set<std::string> keys;
    for (const auto& [key, value] : object.items())
        keys.insert(key);
    return keys;
}

TEST(BatchArguments, AcceptsTheDocumentedForms)
{
    const ParsedArguments p =
        parseBatchArguments({"--calc", "a.wk4", "--json", "--save=out", "--margin", "12,5", "--lang=de"});
    ASSERT_TRUE(p.ok()) << p.error;
    EXPECT_EQ(p.options.file, "a.wk4");
    EXPECT_TRUE(p.options.json);
    EXPECT_EQ(p.options.saveAs, "out");
    EXPECT_DOUBLE_EQ(p.options.marginPercent, 12.5);
    EXPECT_EQ(p.options.language, Language::German);
    EXPECT_DOUBLE_EQ(parseBatchArguments({"--calc=x"}).options.marginPercent, 7.5);
    EXPECT_TRUE(parseBatchArguments({"--help"}).options.help);
    EXPECT_TRUE(parseBatchArguments({"--version"}).options.version);
    EXPECT_EQ(parseBatchArguments({"--calc=x.avl"}).options.deckUnit, DeckUnit::Metre);
    EXPECT_EQ(parseBatchArguments({"--calc=x.avl", "--deck-units", "in"}).options.deckUnit, DeckUnit::Inch);
}

TEST(BatchArguments, RefusesWhatItDoesNotUnderstand)
{
    const std::vector<std::vector<std::string>> bad = {
        {},
        {"--json"},
        {"--calc"},
        {"--calc", ""},
        {"--calc", "a", "--calc", "b"},
        {"--calc", "a", "--margin", "nan"},
        {"--calc", "a", "--margin", "1e999"},
        {"--calc", "a", "--margin", "1e300"}, // a margin is 0 to 50 %
        {"--calc", "a", "--margin", "1e308"},
        {"--calc", "a", "--margin", "-1"},
        {"--calc", "a", "--margin", "50.5"},
        {"--calc", "a", "--margin", "7.5%"},
        {"--calc", "a", "--lang", "fr"},
        {"--calc", "a", "--deck-units", "yd"},
        {"--calc", "a", "--save"},
        {"--calc", "a", "--frobnicate"},
        {"--calc", "a", "extra.wk4"},
        {"--json=yes", "--calc", "a"},
    };
    for (const auto& args : bad)
        EXPECT_FALSE(parseBatchArguments(args).ok()) << ::testing::PrintToString(args);
}

TEST(BatchArguments, OptionsLeaveTheWindowOut)
{
    const char* window[] = {"aerobalance", "plane.wk4"};
    const char* batchRun[] = {"aerobalance", "--calc", "plane.wk4"};
    const char* help[] = {"aerobalance", "--help"};
    const char* shortHelp[] = {"aerobalance", "-h"};
    EXPECT_FALSE(wantsBatchMode(2, window));
    EXPECT_TRUE(wantsBatchMode(3, batchRun));
    EXPECT_TRUE(wantsBatchMode(2, help));
    EXPECT_TRUE(wantsBatchMode(2, shortHelp));
}

TEST(BatchMode, ExitStatusesAndErrorLines)
{
    const BatchRun help = batch({"--help"});
    EXPECT_EQ(help.status, BatchDone);
    EXPECT_NE(help.out.find("--calc FILE"), std::string::npos);
    // The version first, as scripts read it, then who may share the program and how.
    const std::string version = batch({"--version"}).out;
    EXPECT_EQ(version.substr(0, version.find('\n') + 1), "AeroBalance 3.4\n");
    EXPECT_NE(version.find("License GPL-3.0-or-later"), std::string::npos) << version;

    const BatchRun bad = batch({"--calc", Examples + "default.wk4", "--lang", "fr"});
    EXPECT_EQ(bad.status, BatchBadInput);
    EXPECT_TRUE(bad.out.empty());
    EXPECT_EQ(lineCount(bad.err), 1);

    test::TempFolder folder;
    const std::string missing = folder.file("missing.wk4");
    const BatchRun notThere = batch({"--calc", missing});
    EXPECT_EQ(notThere.status, BatchBadInput);
    EXPECT_EQ(lineCount(notThere.err), 1);
    EXPECT_NE(notThere.err.find(missing), std::string::npos);

    const std::string refused = folder.file("six.wk4");
    test::writeBytes(refused, "<wings_count>6</wings_count>\r\n");
    const BatchRun six = batch({"--calc", refused, "--lang", "es"});
    EXPECT_EQ(six.status, BatchBadInput);
    EXPECT_NE(six.err.find("6 alas"), std::string::npos) << six.err;

    // A wing without chords cannot be divided into strips: the calculation fails with its lines.
    std::string zero = test::readBytes(Examples + "trainer.wk4");
    for (const std::string chord : {"<chord>260</chord>", "<chord>200</chord>"})
        for (std::size_t at = zero.find(chord); at != std::string::npos; at = zero.find(chord))
            zero.replace(at, chord.size(), "<chord>0</chord>");
    const std::string zeroFile = folder.file("zero.wk4");
    test::writeBytes(zeroFile, zero);
    const BatchRun failed = batch({"--calc", zeroFile, "--json", "--save", folder.file("never.wk4")});
    EXPECT_EQ(failed.status, BatchCalculationFailed);
    EXPECT_TRUE(failed.out.empty());
    EXPECT_EQ(failed.err.rfind("aerobalance: \"" + zeroFile + "\" could not be calculated:\n", 0), 0u) << failed.err;
    EXPECT_NE(failed.err.find("Trapezium  1"), std::string::npos) << failed.err;
    EXPECT_FALSE(std::filesystem::exists(folder.file("never.wk4")));
}

// An output that takes nothing, like a full disk.
struct RefusingBuffer : std::streambuf {
    int overflow(int) override { return traits_type::eof(); }
    std::streamsize xsputn(const char*, std::streamsize) override { return 0; }
};

TEST(BatchMode, AnOutputThatCannotBeWrittenIsNoSuccess)
{
    for (const std::vector<std::string>& args : {std::vector<std::string>{"--calc", Examples + "trainer.wk4"},
                                                 {"--calc", Examples + "trainer.wk4", "--json"},
                                                 {"--help"}}) {
        RefusingBuffer full;
        std::ostream out(&full);
        std::ostringstream err;
        EXPECT_EQ(runBatch(args, out, err), BatchBadInput) << args.back();
        EXPECT_EQ(lineCount(err.str()), 1) << err.str();
        EXPECT_NE(err.str().find("standard output"), std::string::npos) << err.str();
    }
}

TEST(BatchMode, JsonCarriesExactlyTheDocumentedKeys)
{
    const BatchRun r = batch({"--calc", Examples + "default.wk4", "--json", "--margin", "10"});
    ASSERT_EQ(r.status, BatchDone) << r.err;
    const nlohmann::json j = nlohmann::json::parse(r.out);
    EXPECT_EQ(keysOf(j), (std::set<std::string>{"file", "wing_count", "panel_count", "neutral_point_x_mm",
                                                 "reference_wing", "reference_area_mm2", "reference_mac_mm",
                                                 "mac_leading_edge_x_mm", "mac_y_mm", "neutral_point_percent_mac",
                                                 "stability", "wings", "moved_wings", "messages", "balance",
                                                 "lattice"}));
    EXPECT_EQ(j["lattice"], (nlohmann::json{{"spanwise_spacing", "equal"}, {"panels", j["panel_count"]}}));
    EXPECT_EQ(keysOf(j["stability"]),
              (std::set<std::string>{"low_percent", "high_percent", "cg_at_low_mm", "cg_at_high_mm", "desired_percent",
                                     "cg_desired_mm", "cg_at_low_percent_mac", "cg_at_high_percent_mac",
                                     "cg_desired_percent_mac", "mode", "band_low_percent", "band_high_percent"}));
    EXPECT_EQ(j["file"], Examples + "default.wk4");
    EXPECT_EQ(j["wing_count"], 5);
    ASSERT_EQ(j["wings"].size(), 5u);
    int strips = 0;
    for (int w = 0; w < 5; ++w) {
        const nlohmann::json& wing = j["wings"][static_cast<std::size_t>(w)];
        EXPECT_EQ(keysOf(wing), (std::set<std::string>{"wing", "name", "span_mm", "area_mm2", "mac_mm",
                                                       "mac_leading_edge_x_mm", "mac_y_mm", "aspect_ratio",
                                                       "r25_mm", "neutral_point_mm", "neutral_point_x_mm",
                                                       "lift_centre_y_mm", "lift_slope", "strips", "chordwise",
                                                       "pos_x_mm", "pos_z_mm"}));
        EXPECT_EQ(wing["wing"], w + 1);
        EXPECT_EQ(wing["name"], ""); // the example names no wing
        for (const auto& [key, value] : wing.items())
            EXPECT_TRUE(key == "name" || (value.is_number() && std::isfinite(value.get<double>()))) << key;
        EXPECT_NEAR(wing["neutral_point_mm"].get<double>(),
                    wing["neutral_point_x_mm"].get<double>() - wing["pos_x_mm"].get<double>(), 1e-9);
        strips += wing["strips"].get<int>() * wing["chordwise"].get<int>();
    }
    EXPECT_EQ(j["panel_count"], strips);
    const double np = j["neutral_point_x_mm"], mac = j["reference_mac_mm"];
    EXPECT_GT(j["reference_area_mm2"].get<double>(), 0);
    EXPECT_EQ(j["stability"]["desired_percent"], 10.0);
    EXPECT_NEAR(j["stability"]["cg_desired_mm"].get<double>(), np - 0.10 * mac, 1e-9);
    EXPECT_NEAR(j["stability"]["cg_at_high_mm"].get<double>(), np - 0.16 * mac, 1e-9);
    // % MAC from the reference chord's leading edge; the neutral point lies each margin behind.
    const double leadingEdge = j["mac_leading_edge_x_mm"], npPercent = j["neutral_point_percent_mac"];
    EXPECT_NEAR(npPercent, (np - leadingEdge) / mac * 100, 1e-9);
    EXPECT_NEAR(npPercent - j["stability"]["cg_desired_percent_mac"].get<double>(), 10, 1e-9);
    EXPECT_NEAR(npPercent - j["stability"]["cg_at_low_percent_mac"].get<double>(), 8, 1e-9);
    EXPECT_NEAR(npPercent - j["stability"]["cg_at_high_percent_mac"].get<double>(), 16, 1e-9);
    // The reference chord is wing 1's, the first of the two widest wings, which has no centre gap.
    EXPECT_EQ(j["reference_wing"], 1);
    EXPECT_EQ(j["mac_leading_edge_x_mm"], j["wings"][0]["mac_leading_edge_x_mm"]);
    EXPECT_EQ(j["mac_y_mm"], j["wings"][0]["mac_y_mm"]);
    EXPECT_TRUE(j["moved_wings"].empty());
    EXPECT_TRUE(j["messages"].empty());
}

TEST(BatchMode, JsonTakesAFileNameThatIsNotUtf8)
{
    test::TempFolder folder;
    const std::string latin1 = folder.file("Segler \xE4.wk4");
    std::filesystem::copy_file(Examples + "trainer.wk4", latin1);
    const BatchRun r = batch({"--calc", latin1, "--json"});
    ASSERT_EQ(r.status, BatchDone) << r.err;
    EXPECT_NE(nlohmann::json::parse(r.out)["file"].get<std::string>().find("Segler \xEF\xBF\xBD.wk4"),
              std::string::npos);
}

TEST(BatchMode, ReportsWingsMovedApartInHeight)
{
    test::TempFolder folder;
    std::string level = test::readBytes(Examples + "trainer.wk4");
    level.replace(level.find("<z>-110</z>"), 11, "<z>0</z>");
    const std::string file = folder.file("level.wk4");
    test::writeBytes(file, level);

    const nlohmann::json j = nlohmann::json::parse(batch({"--calc", file, "--json"}).out);
    ASSERT_EQ(j["moved_wings"].size(), 1u);
    EXPECT_EQ(j["moved_wings"][0]["wing"], 2);
    EXPECT_NE(j["moved_wings"][0]["z_mm"], 0);
    EXPECT_EQ(j["wings"][1]["pos_z_mm"], j["moved_wings"][0]["z_mm"]);
    EXPECT_EQ(j["messages"], nlohmann::json::array({"Attention:", "Wings are moved automatically in z-direction!"}));

    const BatchRun text = batch({"--calc", file, "--lang", "de"});
    EXPECT_EQ(text.out.rfind("Achtung:\n", 0), 0u) << text.out;
}

TEST(BatchMode, TextSummaryFollowsThePrintedRows)
{
    const BatchRun r = batch({"--calc", Examples + "trainer.wk4"});
    ASSERT_EQ(r.status, BatchDone) << r.err;
    const nlohmann::json j = nlohmann::json::parse(batch({"--calc", Examples + "trainer.wk4", "--json"}).out);
    // Title, file, blank, five aircraft rows and the reference chord's, then a title and seven rows
    // per wing with a blank line before each but the first; a blank line and the datum sentence in
    // two lines; a blank line, a heading and four lines of the trainer's balance.
    EXPECT_EQ(lineCount(r.out), 3 + 6 + 2 * 8 + 1 + 3 + 6);
    const std::string np = formatFixed(j["neutral_point_x_mm"].get<double>(), 1, 5) + " mm (" +
                           formatFixed(j["neutral_point_percent_mac"].get<double>(), 1) + "% MAC)\n";
    EXPECT_NE(r.out.find("leading edge of the reference MAC: "), std::string::npos);
    EXPECT_NE(r.out.find(formatFixed(j["mac_leading_edge_x_mm"].get<double>(), 1, 5) + " mm, y = " +
                         formatFixed(j["mac_y_mm"].get<double>(), 1) + " mm\n"),
              std::string::npos);
    EXPECT_NE(r.out.find("\n\nx is measured rearward from the aircraft's datum (x = 0),"), std::string::npos);
    EXPECT_NE(r.out.find("aerodynamic center: "), std::string::npos);
    EXPECT_NE(r.out.find(np), std::string::npos);
    EXPECT_NE(r.out.find("recomemnded center of gravity by stab =  8%:"), std::string::npos);
    EXPECT_NE(r.out.find("Center of gravity by stab = 7.5%:"), std::string::npos);
    // The tailplane has one trapezoid: two station fields, then three empty ones; the right column
    // starts after them at a fixed place.
    const std::string tailStations = "xf:     0    20";
    EXPECT_NE(r.out.find("\n" + tailStations + std::string(36 - tailStations.size(), ' ') + "wing span:"),
              std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("\nzf:  -110"), std::string::npos);
    EXPECT_NE(r.out.find(" dm**2\n"), std::string::npos);

    // Umlauts take one column: the German values line up with the plain ones.
    const BatchRun de = batch({"--calc", Examples + "trainer.wk4", "--lang", "de"});
    const auto unitColumn = [&de](const std::string& label, const std::string& unit) {
        const std::size_t start = de.out.find(label);
        const std::string line = de.out.substr(start, de.out.find('\n', start) - start);
        const std::string before = line.substr(0, line.rfind(unit));
        return std::count_if(before.begin(), before.end(), [](char c) { return (c & 0xC0) != 0x80; });
    };
    EXPECT_EQ(unitColumn("Flächeninhalt:", " dm**2"), unitColumn("Spannweite:", " mm"));
    EXPECT_EQ(unitColumn("Empfohlener Schwerpunkt bei Stabilität =  16%", " mm"), unitColumn("Neutralpunkt:", " mm"));

    const BatchRun es = batch({"--calc", Examples + "trainer.wk4", "--lang", "es"});
    EXPECT_NE(es.out.find("el resumen:"), std::string::npos);
    EXPECT_NE(es.out.find("ala-2:\n"), std::string::npos);
}

TEST(BatchMode, NamedWingsInTheJsonTheTextAndTheSavedFile)
{
    test::TempFolder folder;
    const std::string file = folder.file("canard.wk4");
    test::writeBytes(file, std::string(findAircraftTemplate("canard")->text));

    const nlohmann::ordered_json j = nlohmann::ordered_json::parse(batch({"--calc", file, "--json"}).out);
    ASSERT_EQ(j["wings"].size(), 2u);
    EXPECT_EQ(j["wings"][0]["name"], "Wing");
    EXPECT_EQ(j["wings"][1]["name"], "Canard");
    EXPECT_EQ(j["wings"][1].begin().key(), "wing");
    EXPECT_EQ(std::next(j["wings"][1].begin()).key(), "name");

    const struct {
        const char* language;
        const char* heading;
    } headings[] = {{"en", "\nWing2: Canard\n"}, {"de", "\nFlügel2: Canard\n"}, {"es", "\nala-2: Canard\n"}};
    for (const auto& h : headings)
        EXPECT_NE(batch({"--calc", file, "--lang", h.language}).out.find(h.heading), std::string::npos) << h.language;

    const std::string saved = folder.file("again.wk4");
    ASSERT_EQ(batch({"--calc", file, "--save", saved}).status, BatchDone);
    const std::string bytes = test::readBytes(saved);
    EXPECT_NE(bytes.find("  <wing_id>2</wing_id>\r\n  <wing_name>Canard</wing_name>\r\n"), std::string::npos);
}

TEST(BatchMode, SaveWritesTheResultsUnderTheTaggedName)
{
    test::TempFolder folder;
    const BatchRun r = batch({"--calc", Examples + "biplane.da4", "--save", folder.file("biplane.da4")});
    ASSERT_EQ(r.status, BatchDone) << r.err;
    const std::string saved = folder.file("biplane.wk4");
    EXPECT_NE(r.out.find(saved + "\n"), std::string::npos);
    ASSERT_TRUE(std::filesystem::exists(saved));

    Aircraft ac;
    AircraftTexts texts = defaultAircraftTexts();
    ASSERT_TRUE(openAircraftFile(saved, ac, texts, Language::English).ok());
    EXPECT_TRUE(ac.ResultsValid);
    EXPECT_EQ(texts.wingCount, 3);
    const nlohmann::json j = nlohmann::json::parse(batch({"--calc", Examples + "biplane.da4", "--json"}).out);
    EXPECT_NEAR(ac.NeutralPointX, j["neutral_point_x_mm"].get<double>(), 0.005);
    EXPECT_NEAR(ac.ReferenceArea, j["reference_area_mm2"].get<double>(), 0.05);
    // Saving what was opened gives the same bytes again.
    EXPECT_EQ(aircraftFileText(texts, ac), test::readBytes(saved));

    const std::string nowhere = folder.file("no folder/plane.wk4");
    const BatchRun failed = batch({"--calc", Examples + "trainer.wk4", "--save", nowhere});
    EXPECT_EQ(failed.status, BatchBadInput);
    EXPECT_NE(failed.err.find(nowhere), std::string::npos);
    EXPECT_TRUE(failed.out.empty());
}

// The extension rule changes the file's own name only: a folder named like an aircraft file keeps
// its name, and the file goes into it.
TEST(BatchMode, SaveGivesTheExtensionToTheFileNameOnly)
{
    namespace fs = std::filesystem;
    test::TempFolder folder;
    const struct {
        const char* given;
        const char* saved;
    } rows[] = {{"plans.da4/myplane", "plans.da4/myplane.wk4"}, {"v.wk4dir/myplane", "v.wk4dir/myplane.wk4"}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.given);
        fs::create_directory(fs::path(folder.file(r.given)).parent_path());
        const BatchRun run = batch({"--calc", Examples + "trainer.wk4", "--save", folder.file(r.given)});
        ASSERT_EQ(run.status, BatchDone) << run.err;
        EXPECT_NE(run.out.find(folder.file(r.saved) + "\n"), std::string::npos) << run.out;
        EXPECT_EQ(test::readBytes(folder.file(r.saved)).rfind("<aircraft>", 0), 0u);
    }
    int files = 0;
    for (const auto& e : fs::recursive_directory_iterator(folder.path()))
        files += e.is_regular_file();
    EXPECT_EQ(files, 2); // nothing written under another name
}

TEST(BatchMode, RefusesAFifoAsInputOrOutputAndWritesNothing)
{
    test::TempFolder folder;
    const std::string fifo = folder.file("pipe.wk4"), pdfFifo = folder.file("pipe.pdf");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0666), 0);
    ASSERT_EQ(::mkfifo(pdfFifo.c_str(), 0666), 0);
    const std::string trainer = Examples + "trainer.wk4", saved = folder.file("saved.wk4");
    const struct {
        std::vector<std::string> args;
        std::string named;
    } cases[] = {
        {{"--calc", fifo}, fifo},
        {{"--calc", trainer, "--save", fifo}, fifo},
        {{"--calc", trainer, "--save", folder.file("pipe")}, fifo}, // ".wk4" is added, then refused
        {{"--calc", trainer, "--pdf", pdfFifo}, pdfFifo},
        {{"--calc", trainer, "--save", saved, "--pdf", pdfFifo}, pdfFifo},
    };
    ::alarm(10); // a read that waits on the FIFO ends the test program instead of hanging it
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.args));
        const BatchRun r = batch(c.args);
        EXPECT_EQ(r.status, BatchBadInput);
        EXPECT_TRUE(r.out.empty());
        EXPECT_EQ(lineCount(r.err), 1) << r.err;
        EXPECT_NE(r.err.find("\"" + c.named + "\""), std::string::npos) << r.err;
        EXPECT_NE(r.err.find("not a regular file"), std::string::npos) << r.err;
    }
    ::alarm(0);
    EXPECT_TRUE(std::filesystem::is_fifo(fifo));
    EXPECT_TRUE(std::filesystem::is_fifo(pdfFifo));
    EXPECT_FALSE(std::filesystem::exists(saved)); // a run that cannot succeed saves nothing
}

// Every number of a JSON report, at any depth, is finite.
bool allFinite(const nlohmann::json& j)
{
    if (j.is_number())
        return std::isfinite(j.get<double>());
    if (j.is_structured())
        for (const auto& item : j)
            if (!allFinite(item))
                return false;
    return !j.is_null();
}

TEST(BatchMode, HostileFilesEndInAStatusWithTheirReasonAndNeverInNonsense)
{
    test::TempFolder folder;
    const std::string defaults = test::readBytes(Examples + "default.wk4");
    const std::string forty(40, '9');
    std::string junk(3000, ' ');
    for (std::size_t i = 0; i < junk.size(); ++i)
        junk[i] = static_cast<char>(1 + (i * 7919) % 255);
    std::string legacyHuge = "5\r\n";
    for (int line = 2; line <= 53; ++line)
        legacyHuge += (line % 17 == 2 ? "4" : forty) + "\r\n";
    const std::pair<std::string, std::string> files[] = {
        {"junk.wk4", junk},
        {"half.wk4", defaults.substr(0, defaults.size() / 2)},
        {"forty.wk4", "<wings_count>2\r\n<wing_id>1\r\n<section_id>1\r\n<chord>" + forty +
                          "\r\n<section_id>2\r\n<y>" + forty + "\r\n<chord>-" + forty + "\r\n"},
        {"empty_tags.wk4", "<wings_count>1\r\n<wing_id>\r\n<wingsections>\r\n<x>\r\n<chord>\r\n<sb>\r\n"},
        {"huge.da4", legacyHuge},
        {"lines.da4", std::string(100000, '7') + "\r\n"},
    };
    for (const auto& [name, bytes] : files) {
        SCOPED_TRACE(name);
        const std::string path = folder.file(name);
        test::writeBytes(path, bytes);
        const BatchRun r = batch({"--calc", path, "--json"});
        if (r.status == BatchBadInput) {
            EXPECT_EQ(lineCount(r.err), 1) << r.err;
            EXPECT_NE(r.err.find(path), std::string::npos) << r.err;
        } else if (r.status == BatchCalculationFailed) {
            EXPECT_FALSE(r.err.empty());
            EXPECT_TRUE(r.out.empty());
        } else {
            ASSERT_EQ(r.status, BatchDone) << r.err;
            // The balance has no centre of gravity (null) without a mass; everything else is a number.
            nlohmann::json report = nlohmann::json::parse(r.out);
            EXPECT_EQ(report["balance"]["mass_g"], 0.0);
            report.erase("balance");
            EXPECT_TRUE(allFinite(report)) << r.out;
        }
    }
}

} // namespace
} // namespace ab
