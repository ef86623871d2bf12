// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/aircraft_reader.h"
#include "files/aircraft_writer.h"
#include "files/open_aircraft.h"
#include "files/text_file.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

namespace ab {
namespace {

using Record = AircraftFileRecord;

struct Tagged {
    Record record;
    AircraftFileExtras extras;
};

Tagged readTagged(const std::string& text)
{
    Tagged t;
    readTaggedAircraft(text, t.record, t.extras);
    return t;
}

TEST(TaggedReader, ReadsTheTrainerExampleIntoTheRecord)
{
    const Tagged t = readTagged(test::readBytes(AEROBALANCE_SOURCE_DIR "/tests/data/trainer_example.wk4"));
    EXPECT_EQ(t.record.wingCount(), 1);
    EXPECT_EQ(t.record.at(1, Record::TrapezoidCount), 1);
    EXPECT_EQ(t.record.at(1, Record::RootChord), 335);
    EXPECT_EQ(t.record.at(1, Record::RootGap), 0);
    EXPECT_EQ(t.record.at(1, Record::Width1), 764);
    EXPECT_EQ(t.record.at(1, Record::TipChord1), 140);
    EXPECT_EQ(t.record.at(1, Record::TipOffset1), 131);
    EXPECT_EQ(t.record.at(1, Record::PosX), 0);
    EXPECT_EQ(t.record.at(1, Record::PosZ), -190);
    // Trapezoids and wings the file does not hold arrive as 10.
    EXPECT_EQ(t.record.at(1, Record::Width1 + 1), 10);
    EXPECT_EQ(t.record.at(1, Record::TipChord1 + 3), 10);
    for (int s = Record::blockStart(2); s < Record::SlotCount; ++s)
        EXPECT_EQ(t.record.slot[static_cast<std::size_t>(s)], 10) << s;
    EXPECT_EQ(t.extras.comment, "Trainer");
    EXPECT_FALSE(t.extras.ReferenceArea);
}

TEST(TaggedReader, FollowsTheTagRules)
{
    const Tagged t = readTagged(test::crlf({
        "<wings_count>2</wings_count>",
        "<wing_id>2</wing_id>",
        "<z>-55</z>",                       // z before the position: still posZ
        "<wing_position>",
        "<x>300</x><y>7</y>",               // only the first tag of a line counts
        "</wing_position>",
        "<x>310</x>",                       // still in the position until a section_id
        "<section_id>1</section_id>",
        "<x>999</x>",                       // x of section 1 is ignored
        "<y>12</y>",
        "<Chord>77</Chord>",                // tags are case-sensitive
        "<chord>250</chord>",
        "<section_id>3</section_id>",
        "   <x>-20</x>",
        "<y>400</y>",
        "<chord>  180abc</chord>",          // lenient numbers
        "<section_id>6</section_id>",       // no trapezoid 5: directed nowhere
        "<chord>1</chord>",
        "<wing_id>9</wing_id>",             // no wing 9: directed nowhere
        "<z>1234</z>",
        "<sb> 2.5e4</sb>",
        "<lmue>-1.25E+2 mm</lmue>",
        "<xnp></xnp>",
    }));
    EXPECT_EQ(t.record.wingCount(), 2);
    EXPECT_EQ(t.record.at(2, Record::PosZ), -55);
    EXPECT_EQ(t.record.at(2, Record::PosX), 310);
    EXPECT_EQ(t.record.at(2, Record::RootGap), 12);
    EXPECT_EQ(t.record.at(2, Record::RootChord), 250);
    EXPECT_EQ(t.record.at(2, Record::TipOffset1 + 1), -20);
    EXPECT_EQ(t.record.at(2, Record::Width1 + 1), 400);
    EXPECT_EQ(t.record.at(2, Record::TipChord1 + 1), 180);
    EXPECT_EQ(t.record.at(2, Record::TipOffset1), 10);
    for (int s = Record::blockStart(3); s < Record::SlotCount; ++s)
        EXPECT_EQ(t.record.slot[static_cast<std::size_t>(s)], 10) << s;
    EXPECT_DOUBLE_EQ(*t.extras.ReferenceArea, 25000.0);
    EXPECT_DOUBLE_EQ(*t.extras.ReferenceMac, -125.0);
    EXPECT_DOUBLE_EQ(*t.extras.NeutralPointX, 0.0);
    EXPECT_FALSE(t.extras.comment);
}

TEST(TaggedReader, SetsNoWingValueWithoutAWingId)
{
    const Tagged t = readTagged(test::crlf({"<wings_count>3</wings_count>", "<x>5</x>", "<z>5</z>",
                                            "<section_id>1</section_id>", "<chord>5</chord>"}));
    EXPECT_EQ(t.record.wingCount(), 3);
    for (int s = 1; s < Record::SlotCount; ++s)
        EXPECT_EQ(t.record.slot[static_cast<std::size_t>(s)], 10);
}

TEST(TaggedReader, EndsTheCommentWithTheLineHoldingItsClosingTag)
{
    const Tagged multi = readTagged(test::crlf({
        "<wings_count>1</wings_count>",
        " <comment>first line",
        "second <b>bold</b>",   // a line loses everything from its first '<'
        "",
        "third</comment>",
        "<wings_count>4</wings_count>", // nothing after the comment is read
    }));
    EXPECT_EQ(multi.extras.comment, "first line\nsecond \n\nthird");
    EXPECT_EQ(multi.record.wingCount(), 1);

    EXPECT_EQ(readTagged(" <comment></comment>\r\n</aircraft>\r\n \r\n").extras.comment, "");
    // A comment that never closes runs to the end of the file.
    EXPECT_EQ(readTagged("<comment>a\r\nb\r\n").extras.comment, "a\nb");
    // A first comment line longer than any tag value still comes back whole.
    const std::string longLine(3000, 'w');
    EXPECT_EQ(readTagged("<comment>" + longLine + "</comment>\r\n").extras.comment, longLine);
}

TEST(TaggedReader, TakesValuesFromTheFirst500CharactersAfterTheTag)
{
    EXPECT_EQ(readTagged("<wings_count>" + std::string(499, ' ') + "3").record.wingCount(), 0);
    EXPECT_EQ(readTagged("<wings_count>" + std::string(498, ' ') + "3").record.wingCount(), 3);
}

// Legacy files: one number a line, slots 0..52, then results and comment.
std::string legacyLines(int count, const std::vector<std::pair<int, std::string>>& replace = {})
{
    std::vector<std::string> lines(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        lines[static_cast<std::size_t>(i)] = std::to_string(i == 0 ? 3 : 100 + i);
    for (const auto& [line, text] : replace)
        lines[static_cast<std::size_t>(line - 1)] = text;
    std::string out;
    for (const std::string& l : lines)
        out += l + "\r\n";
    return out;
}

TEST(LegacyReader, FillsSlotsInOrderAndReadsResultsAndComment)
{
    Tagged t;
    readLegacyAircraft(legacyLines(61, {{2, " 2"}, {54, "skip"}, {55, "273456.8"}, {56, "230.45"},
                                        {57, "-12.5"}, {58, "skip"}, {59, "Old <glider>"}, {60, ""}, {61, "end"}}),
                       t.record, t.extras);
    EXPECT_EQ(t.record.wingCount(), 3);
    EXPECT_EQ(t.record.at(1, Record::TrapezoidCount), 2);
    EXPECT_EQ(t.record.at(1, Record::RootChord), 102);
    EXPECT_EQ(t.record.at(3, Record::PosZ), 151);
    EXPECT_EQ(t.record.slot[52], 152);
    EXPECT_EQ(t.record.slot[53], 10);
    EXPECT_DOUBLE_EQ(*t.extras.ReferenceArea, 273456.8);
    EXPECT_DOUBLE_EQ(*t.extras.ReferenceMac, 230.45);
    EXPECT_DOUBLE_EQ(*t.extras.NeutralPointX, -12.5);
    EXPECT_EQ(t.extras.comment, "Old <glider>\n\nend");
}

TEST(LegacyReader, HandlesShortFiles)
{
    Tagged exact;
    readLegacyAircraft(legacyLines(53), exact.record, exact.extras);
    EXPECT_FALSE(exact.extras.ReferenceArea);
    EXPECT_EQ(exact.extras.comment, " ");

    Tagged results;
    readLegacyAircraft(legacyLines(57, {{55, "5000"}}), results.record, results.extras);
    EXPECT_DOUBLE_EQ(*results.extras.ReferenceArea, 5000);
    EXPECT_EQ(results.extras.comment, " ");

    Tagged forty;
    readLegacyAircraft(legacyLines(40), forty.record, forty.extras);
    EXPECT_EQ(forty.record.slot[39], 139);
    for (int s = 40; s <= 52; ++s)
        EXPECT_EQ(forty.record.slot[static_cast<std::size_t>(s)], 0) << s;
    EXPECT_EQ(forty.record.slot[53], 10);
}

class AircraftFileTest : public ::testing::Test {
protected:
    test::TempFolder folder;
    std::string write(const std::string& name, const std::string& bytes)
    {
        const std::string path = folder.file(name);
        test::writeBytes(path, bytes);
        return path;
    }
};

TEST_F(AircraftFileTest, RefusesFilesWithoutAUsableWingCount)
{
    const std::pair<std::string, std::string> cases[] = {
        {"none.wk4", test::crlf({"<aircraft>", "<wing_id>1</wing_id>", "</aircraft>"})},
        {"zero.wk4", test::crlf({"<wings_count>0</wings_count>"})},
        {"six.wk4", test::crlf({"<wings_count>6</wings_count>"})},
        {"negative.wk4", test::crlf({"<wings_count>-2</wings_count>"})},
        {"empty.wk4", ""},
        {"zero.da4", legacyLines(53, {{1, "0"}})},
        {"seven.da4", legacyLines(53, {{1, "7"}})},
        {"empty.da4", ""},
    };
    for (const auto& [name, bytes] : cases) {
        const std::string path = write(name, bytes);
        const AircraftFileReading r = readAircraftFile(path, Language::English);
        EXPECT_EQ(r.status, AircraftReadStatus::Refused) << name;
        EXPECT_NE(r.message.find(path), std::string::npos) << r.message;
        EXPECT_NE(r.message.find("wings"), std::string::npos) << r.message;
    }
    const AircraftFileReading six = readAircraftFile(folder.file("six.wk4"), Language::English);
    EXPECT_NE(six.message.find("line 1 gives 6 wings"), std::string::npos) << six.message;
}

TEST_F(AircraftFileTest, RefusesWhatIsNotTextAndReportsWhatCannotBeOpened)
{
    const std::string binary = write("binary.wk4", std::string("<wings_count>1</wings_count>\r\n\0\x01", 33));
    const AircraftFileReading nul = readAircraftFile(binary, Language::German);
    EXPECT_EQ(nul.status, AircraftReadStatus::Refused);
    EXPECT_NE(nul.message.find("Zeile 2 enthält ein NUL-Byte"), std::string::npos) << nul.message;

    const std::string huge = write("huge.wk4", std::string(MaxTextFileBytes + 1, ' '));
    const AircraftFileReading large = readAircraftFile(huge, Language::English);
    EXPECT_EQ(large.status, AircraftReadStatus::Refused);
    EXPECT_NE(large.message.find("16 MiB"), std::string::npos);

    const AircraftFileReading missing = readAircraftFile(folder.file("missing.wk4"), Language::English);
    EXPECT_EQ(missing.status, AircraftReadStatus::CannotOpen);
    EXPECT_NE(missing.message.find("missing.wk4"), std::string::npos);

    const AircraftFileReading folderItself = readAircraftFile(folder.path().string(), Language::English);
    EXPECT_EQ(folderItself.status, AircraftReadStatus::CannotOpen);

    EXPECT_EQ(readAircraftFile("*.wk4", Language::English).status, AircraftReadStatus::NoFileChosen);
    EXPECT_EQ(readAircraftFile("*.DA4", Language::English).status, AircraftReadStatus::NoFileChosen);
}

TEST_F(AircraftFileTest, ChoosesTheLayoutByTheName)
{
    const std::string legacy = legacyLines(53);
    EXPECT_TRUE(readAircraftFile(write("old.da4", legacy), Language::English).ok());
    EXPECT_TRUE(readAircraftFile(write("OLD.DA4", legacy), Language::English).ok());
    // Read as tagged, a list of numbers has no wing count.
    EXPECT_FALSE(readAircraftFile(write("old.Da4", legacy), Language::English).ok());
}

} // namespace
} // namespace ab
