// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/wing_copy.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

namespace ab {
namespace {

TEST(WingCopy, WritesTwentyTwoLinesRightAlignedInFour)
{
    AircraftTexts t = defaultAircraftTexts();
    WingTexts& w = t.wing[2];
    w.trapezoidCount = 2;
    w[Role::TipOffset1] = "-135";
    w[Role::TipOffset2] = "-1350";
    const std::string text = wingCopyText(t, Aircraft{}, 2);
    const std::string expected = test::crlf({
        "   0", "   2",
        " 135", " 282", " 282", " 180", "  50",          // root chord, tip chords 1..4
        "   0", " 105", " 210", "  75", "  18",          // root gap, widths 1..4
        "-135", "-1350", "  48", " 116", "1167", "   0", // tip offsets 1..4, posX, posZ
        " ", "0", "0", "0",
    });
    EXPECT_EQ(text, expected);
}

TEST(WingCopy, WritesTheResultsWhileTheyAreValid)
{
    Aircraft ac;
    ac.ResultsValid = true;
    ac.ReferenceArea = 0;
    ac.ReferenceMac = 231.456;
    ac.NeutralPointX = 5;
    const std::string text = wingCopyText(defaultAircraftTexts(), ac, 1);
    EXPECT_NE(text.find("\r\n \r\n 0.0\r\n231.46\r\n5.00\r\n"), std::string::npos);
}

TEST(WingCopy, InsertsThePlanformButNotThePosition)
{
    test::TempFolder folder;
    const std::string path = folder.file(CopyFileName);
    EXPECT_FALSE(copyAvailable(path));
    // A folder of that name holds no copy to insert.
    std::filesystem::create_directory(path);
    EXPECT_FALSE(copyAvailable(path));
    std::filesystem::remove(path);
    AircraftTexts t = defaultAircraftTexts();
    t.wing[2].trapezoidCount = 2;
    ASSERT_TRUE(saveWingCopy(path, t, Aircraft{}, 2, Language::English).ok);
    EXPECT_TRUE(copyAvailable(path));

    const WingCopyReading copy = readWingCopy(path, Language::English);
    ASSERT_TRUE(copy.ok());
    const WingInsertion insertion = insertionOf(copy, 4);
    applyToTexts(insertion, t);
    EXPECT_EQ(t.wing[4].trapezoidCount, 2);
    for (int r = 0; r < WingFieldCount; ++r) {
        const Role role = static_cast<Role>(r);
        EXPECT_EQ(std::stoi(t.wing[4][role]), std::stoi(t.wing[2][role])) << r;
        EXPECT_EQ(t.wing[4][role].size(), std::max<std::size_t>(4, t.wing[2][role].size()));
    }
    EXPECT_EQ(t.wing[4][Role::PosX], "-400");
    EXPECT_EQ(t.wing[4][Role::PosZ], "-60");
}

TEST(WingCopy, InsertsTheFourteenPlanformFieldsInTheOrderOfTheFile)
{
    // Root chord, the four tip chords, root gap, the four widths, the four tip offsets: lines 3 to 16.
    WingCopyReading copy;
    for (std::size_t i = 0; i < copy.line.size(); ++i)
        copy.line[i] = static_cast<std::int32_t>(100 + i);
    const WingInsertion insertion = insertionOf(copy, 3);
    ASSERT_EQ(insertion.fields.size(), static_cast<std::size_t>(WingFieldCount));
    for (std::size_t i = 0; i < insertion.fields.size(); ++i) {
        EXPECT_EQ(recordOffsetOf(insertion.fields[i].role), 1 + static_cast<int>(i)) << i;
        EXPECT_EQ(insertion.fields[i].text, fieldText(static_cast<std::int64_t>(102 + i))) << i;
    }
}

TEST(WingCopy, ACountOutsideOneToFourLeavesTheButtonsAndShortFilesGiveZero)
{
    test::TempFolder folder;
    const std::string path = folder.file(CopyFileName);
    test::writeBytes(path, test::crlf({"0", "7", "300"}));
    const WingCopyReading copy = readWingCopy(path, Language::English);
    ASSERT_TRUE(copy.ok());
    AircraftTexts t = defaultAircraftTexts();
    applyToTexts(insertionOf(copy, 1), t);
    EXPECT_EQ(t.wing[1].trapezoidCount, 4);
    EXPECT_EQ(t.wing[1][Role::RootChord], " 300");
    EXPECT_EQ(t.wing[1][Role::TipOffset4], "   0");

    test::writeBytes(path, std::string("0\r\n2\0", 5));
    const WingCopyReading binary = readWingCopy(path, Language::Spanish);
    EXPECT_FALSE(binary.ok());
    EXPECT_NE(binary.message.find(path), std::string::npos);
}

} // namespace
} // namespace ab
