// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/aircraft_writer.h"
#include "files/open_aircraft.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <random>

namespace ab {
namespace {

class OpenAircraftTest : public ::testing::Test {
protected:
    test::TempFolder folder;
    Aircraft aircraft;
    AircraftTexts texts = defaultAircraftTexts();

    std::string write(const std::string& name, const std::string& bytes)
    {
        const std::string path = folder.file(name);
        test::writeBytes(path, bytes);
        return path;
    }
    OpenOutcome open(const std::string& path) { return openAircraftFile(path, aircraft, texts, Language::English); }
    // Saves, opens into a fresh default aircraft, and returns the text saving that gives.
    std::string saveAndReopen(const AircraftTexts& t, const Aircraft& a, const std::string& name = "plane.wk4")
    {
        const std::string path = folder.file(name);
        EXPECT_TRUE(saveAircraftFile(path, t, a, Language::English).ok);
        aircraft = Aircraft{};
        texts = defaultAircraftTexts();
        EXPECT_TRUE(open(path).ok());
        return aircraftFileText(texts, aircraft);
    }
};

bool sameTexts(const AircraftTexts& a, const AircraftTexts& b)
{
    if (a.wingCount != b.wingCount || a.comment != b.comment)
        return false;
    for (int w = 1; w <= MaxWings; ++w)
        if (a.wing[w].field != b.wing[w].field || a.wing[w].trapezoidCount != b.wing[w].trapezoidCount)
            return false;
    return true;
}

TEST_F(OpenAircraftTest, AppliesTheTrainerToFieldsButtonsAndExchangeItems)
{
    const OpenOutcome r = open(AEROBALANCE_SOURCE_DIR "/tests/data/trainer_example.wk4");
    ASSERT_TRUE(r.ok()) << r.message;
    EXPECT_EQ(texts.wingCount, 1);
    EXPECT_EQ(aircraft.WingCount, 1);
    EXPECT_EQ(aircraft.ActiveWingCount, 1);
    EXPECT_EQ(texts.wing[1].trapezoidCount, 1);
    EXPECT_EQ(texts.wing[1][Role::RootChord], " 335");
    EXPECT_EQ(texts.wing[1][Role::PosZ], "-190");
    EXPECT_EQ(texts.wing[1][Role::RootGap], "   0");
    // Trapezoids and wings not in the file show 10; wings not in the file keep their trapezoid count.
    EXPECT_EQ(texts.wing[1][Role::Width2], "  10");
    EXPECT_EQ(texts.wing[5][Role::PosX], "  10");
    EXPECT_EQ(texts.wing[4].trapezoidCount, defaultAircraftTexts().wing[4].trapezoidCount);
    EXPECT_EQ(texts.comment, "Trainer");
    ASSERT_TRUE(r.application.exchangeEnabled);
    for (int i = 1; i <= MaxWings; ++i)
        EXPECT_FALSE((*r.application.exchangeEnabled)[i]);
    EXPECT_TRUE(r.application.uncheckPressure);
    EXPECT_FALSE(aircraft.ResultsValid);
    EXPECT_EQ(aircraft.ReferenceArea, 0);
    EXPECT_NEAR(aircraft.WingSpan[1], 2 * 764, 1e-9);
}

TEST_F(OpenAircraftTest, OffersTheExchangesThatTheWingCountAllows)
{
    const bool expected[6][6] = {
        {}, {0, 0, 0, 0, 0, 0}, {0, 1, 0, 0, 0, 0}, {0, 1, 1, 1, 0, 0}, {0, 1, 1, 1, 1, 0}, {0, 1, 1, 1, 1, 1},
    };
    for (int n = 1; n <= MaxWings; ++n) {
        AircraftFileRecord record;
        record.wingCount() = n;
        const RecordApplication a = applicationOf(record, "x.wk4");
        for (int i = 1; i <= MaxWings; ++i)
            EXPECT_EQ((*a.exchangeEnabled)[i], expected[n][i]) << n << " wings, chng" << i;
    }
}

TEST_F(OpenAircraftTest, WritesTheFieldsOfEachWingInTheOrderOfItsBlock)
{
    // Root chord, the four tip chords, root gap, the four widths, the four tip offsets, x, z: each
    // field write runs its change handling, so the window must see them in this order.
    AircraftFileRecord record;
    record.wingCount() = 2;
    const RecordApplication a = applicationOf(record, "x.wk4");
    ASSERT_EQ(a.fields.size(), static_cast<std::size_t>(MaxWings * RoleCount));
    for (std::size_t i = 0; i < a.fields.size(); ++i) {
        const FieldChange& f = a.fields[i];
        EXPECT_EQ(f.wing, 1 + static_cast<int>(i) / RoleCount) << i;
        EXPECT_EQ(recordOffsetOf(f.role), 1 + static_cast<int>(i) % RoleCount) << i;
    }
}

TEST_F(OpenAircraftTest, RestoresStoredResultsWithoutACalculation)
{
    Aircraft withResults;
    withResults.ResultsValid = true;
    withResults.ReferenceArea = 273456.78;
    withResults.ReferenceMac = 231.456;
    withResults.NeutralPointX = 81.234;
    const std::string first = aircraftFileText(defaultAircraftTexts(), withResults);
    const std::string again = saveAndReopen(defaultAircraftTexts(), withResults);
    EXPECT_TRUE(aircraft.ResultsValid);
    EXPECT_FALSE(aircraft.SolverDataValid);
    EXPECT_DOUBLE_EQ(aircraft.ReferenceArea, 273456.8);
    EXPECT_DOUBLE_EQ(aircraft.ReferenceMac, 231.46);
    EXPECT_DOUBLE_EQ(aircraft.NeutralPointX, 81.23);
    EXPECT_EQ(again, first);

    // A file saved with stale results reopens without them.
    aircraft.ReferenceArea = 5;
    const std::string path = folder.file("stale.wk4");
    ASSERT_TRUE(saveAircraftFile(path, defaultAircraftTexts(), Aircraft{}, Language::English).ok);
    ASSERT_TRUE(open(path).ok());
    EXPECT_EQ(aircraft.ReferenceArea, 0);
    EXPECT_FALSE(aircraft.ResultsValid);
}

// Stored results that would show as endless digits or infinities, or a reference wing without area
// or chord, count as none; the same file with sensible figures opens with them.
TEST_F(OpenAircraftTest, StoredResultsThatMakeNoSenseAreNotRestored)
{
    // The figures stand where the writer puts them: after the wings, before the comment.
    const auto fileWith = [](const std::string& sb, const std::string& lmue, const std::string& xnp) {
        const std::string file = aircraftFileText(defaultAircraftTexts(), Aircraft{});
        const std::size_t comment = file.find(" <comment>");
        return file.substr(0, comment) + " <sb>" + sb + "</sb>\r\n <lmue>" + lmue + "</lmue>\r\n <xnp>" + xnp +
               "</xnp>\r\n \r\n" + file.substr(comment);
    };
    ASSERT_TRUE(open(write("sound.wk4", fileWith("273456.8", "231.5", "-81.2"))).ok());
    EXPECT_TRUE(aircraft.ResultsValid);
    EXPECT_DOUBLE_EQ(aircraft.ReferenceMac, 231.5);
    EXPECT_DOUBLE_EQ(aircraft.NeutralPointX, -81.2);

    const char* cases[][3] = {
        // sb, lmue, xnp
        {"1e308", "231.5", "81.2"}, {"273456.8", "1e308", "81.2"}, {"273456.8", "231.5", "-1e308"},
        {"-273456.8", "231.5", "81.2"}, {"273456.8", "-5", "81.2"}, {"273456.8", "0", "81.2"},
        {"1e13", "231.5", "81.2"}, {"273456.8", "2e6", "81.2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c[0]) + " " + c[1] + " " + c[2]);
        ASSERT_TRUE(open(write("odd.wk4", fileWith(c[0], c[1], c[2]))).ok());
        EXPECT_FALSE(aircraft.ResultsValid);
        EXPECT_EQ(aircraft.ReferenceArea, 0);
    }
}

TEST_F(OpenAircraftTest, SaveOpenSaveGivesTheSameBytes)
{
    AircraftTexts t = defaultAircraftTexts();
    t.comment = "Five surfaces\n  indented line\n\nand one after an empty line\n";
    const std::string first = aircraftFileText(t, Aircraft{});
    EXPECT_EQ(saveAndReopen(t, Aircraft{}), first);
    EXPECT_EQ(texts.comment, t.comment);

    for (int n = 1; n <= MaxWings; ++n) {
        AircraftTexts fewer = defaultAircraftTexts();
        fewer.wingCount = n;
        fewer.wing[1].trapezoidCount = 1 + n % 4;
        const std::string expected = aircraftFileText(fewer, Aircraft{});
        EXPECT_EQ(saveAndReopen(fewer, Aircraft{}), expected) << n << " wings";
        EXPECT_EQ(texts.wingCount, n);
    }
}

TEST_F(OpenAircraftTest, LegacyFilesLeaveWings4And5Alone)
{
    std::string legacy;
    for (int line = 1; line <= 53; ++line)
        legacy += std::to_string(line == 1 ? 4 : line == 2 ? 2 : 200 + line) + "\r\n";
    legacy += "\r\n0\r\n0\r\n0\r\n\r\nOld design\r\n";
    const OpenOutcome r = open(write("old.da4", legacy));
    ASSERT_TRUE(r.ok()) << r.message;
    EXPECT_EQ(texts.wingCount, 4);
    EXPECT_EQ(texts.wing[1].trapezoidCount, 2);
    EXPECT_EQ(texts.wing[1][Role::RootChord], " 203");
    EXPECT_EQ(texts.wing[4][Role::RootChord], defaultAircraftTexts().wing[4][Role::RootChord]);
    EXPECT_EQ(texts.wing[5][Role::PosZ], defaultAircraftTexts().wing[5][Role::PosZ]);
    EXPECT_FALSE(r.application.uncheckPressure);
    EXPECT_EQ(texts.comment, "Old design");
    EXPECT_FALSE(aircraft.ResultsValid);
    // Saving it writes the tagged layout under a ".wk4" name.
    EXPECT_EQ(applyExtensionRule(folder.file("old.da4")), folder.file("old.wk4"));
}

TEST_F(OpenAircraftTest, ARefusedFileChangesNothing)
{
    aircraft.ReferenceArea = 1234;
    aircraft.ResultsValid = true;
    const AircraftTexts before = texts;
    for (const std::string& bytes : {std::string("<wings_count>9</wings_count>\r\n<comment>x</comment>\r\n"),
                                     std::string("<wing_id>1</wing_id>\r\n<chord>5</chord>\r\n"),
                                     std::string("<wings_count>1\0</wings_count>", 29)}) {
        const OpenOutcome r = open(write("bad.wk4", bytes));
        EXPECT_FALSE(r.ok());
        EXPECT_FALSE(r.message.empty());
        EXPECT_TRUE(sameTexts(texts, before));
        EXPECT_EQ(aircraft.ReferenceArea, 1234);
        EXPECT_TRUE(aircraft.ResultsValid);
    }
}

// Every input, however broken, reads without a crash or a hang, and what it loads evaluates to
// finite figures and saves again.
class GarbageInputTest : public OpenAircraftTest {
protected:
    void survives(const std::string& bytes, const std::string& name = "junk.wk4")
    {
        const OpenOutcome r = open(write(name, bytes));
        if (!r.ok()) {
            EXPECT_FALSE(r.message.empty());
            return;
        }
        for (int w = 1; w <= MaxWings; ++w) {
            EXPECT_TRUE(std::isfinite(aircraft.WingArea[w]));
            EXPECT_TRUE(std::isfinite(aircraft.WingSpan[w]));
        }
        const std::string saved = aircraftFileText(texts, aircraft);
        EXPECT_NE(saved.find("</aircraft>"), std::string::npos);
    }
};

TEST_F(GarbageInputTest, EveryTruncationOfAFileReads)
{
    Aircraft withResults;
    withResults.ResultsValid = true;
    withResults.ReferenceArea = 1.5e5;
    AircraftTexts t = defaultAircraftTexts();
    t.comment = "two\nlines";
    const std::string full = aircraftFileText(t, withResults);
    for (std::size_t n = 0; n <= full.size(); ++n) {
        AircraftFileRecord record;
        AircraftFileExtras extras;
        readTaggedAircraft(std::string_view(full).substr(0, n), record, extras);
        ASSERT_TRUE(extras.wingCountRead || n < 40) << n;
    }
    for (std::size_t n = 0; n <= full.size(); n += 97)
        survives(full.substr(0, n));
}

TEST_F(GarbageInputTest, BinaryJunkAndRandomTags)
{
    std::mt19937 random(20240607);
    const std::string alphabet = "<>/ \r\n0123456789-+.eExz$abc_wingsectiodrhmntp";
    for (int round = 0; round < 60; ++round) {
        std::string junk(4096, ' ');
        for (char& c : junk)
            c = round % 2 ? alphabet[random() % alphabet.size()] : static_cast<char>(1 + random() % 255);
        survives("<wings_count>" + std::to_string(round % 7) + "\r\n" + junk);
        survives(junk, "junk.da4");
    }
}

TEST_F(GarbageInputTest, HugeLinesNumbersAndTagsWithoutValues)
{
    const std::string forty(40, '9');
    survives("<wings_count>" + std::string(39, '0') + "2\r\n<wing_id>" + forty + "\r\n<wing_id>2\r\n"
             "<wingsections>-2147483648\r\n<section_id>2\r\n<chord>" + forty + "\r\n<y>-" + forty +
             "\r\n<x>$FFFFFFFFFF\r\n<sb>" + forty + "e999\r\n<xnp>1e-400\r\n");
    EXPECT_TRUE(std::isfinite(aircraft.ReferenceArea));
    survives("<wings_count>1\r\n" + std::string(100000, '<') + "\r\n" + std::string(100000, '>') + "\r\n<x>" +
             std::string(100000, '7') + "\r\n<comment>" + std::string(100000, 'c'));
    EXPECT_EQ(texts.comment.size(), 100000u);
    survives("<wings_count>\r\n<wing_id>\r\n<x>\r\n<sb>\r\n<comment>");
    survives("<wings_count>1\r\n<wing_id>\r\n<wing_position>\r\n<x>\r\n<z>\r\n<section_id>\r\n<chord>\r\n<sb>\r\n"
             "<lmue>\r\n<xnp>\r\n<comment>");
    survives(std::string(100000, '7') + "\r\n" + forty + "\r\n", "long.da4");
    survives("\r\r\r\n\n\n<wings_count>1\r<comment>\r", "breaks.wk4");
}

} // namespace
} // namespace ab
