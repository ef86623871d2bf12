// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/settings_file.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

namespace ab {
namespace {

class SettingsFileTest : public ::testing::Test {
protected:
    test::TempFolder folder;
    std::string path = folder.file(SettingsFileName);
    Settings read(const std::string& bytes)
    {
        test::writeBytes(path, bytes);
        const SettingsReading r = readSettingsFile(path, Language::English);
        EXPECT_TRUE(r.ok()) << r.message;
        return r.settings;
    }
};

TEST_F(SettingsFileTest, ReadsAndWritesTheFiveLines)
{
    const Settings s = read(test::crlf({"e", "900", "800", "50", "40"}));
    EXPECT_EQ(s.letter, 'e');
    EXPECT_EQ(s.width, 900);
    EXPECT_EQ(s.height, 800);
    EXPECT_EQ(s.left, 50);
    EXPECT_EQ(s.top, 40);
    ASSERT_TRUE(saveSettingsFile(path, 'e', 900, 800, 50, 40, Language::English).ok);
    EXPECT_EQ(test::readBytes(path), test::crlf({"e", "900", "800", "50", "40"}));
    EXPECT_FALSE(s.live);
    // The window adds whether it calculates while editing, after the five lines.
    for (const bool live : {true, false}) {
        ASSERT_TRUE(saveSettingsFile(path, 'd', 900, 800, 50, 40, Language::English, live).ok);
        EXPECT_EQ(test::readBytes(path), test::crlf({"d", "900", "800", "50", "40", live ? "1" : "0"}));
        EXPECT_EQ(read(test::readBytes(path)).live, live);
    }
}

TEST_F(SettingsFileTest, TheDeckUnitChosenLastIsKeptOnTheSeventhLine)
{
    for (const DeckUnit unit : DeckUnits) {
        ASSERT_TRUE(saveSettingsFile(path, 'e', 900, 800, 50, 40, Language::English, std::nullopt, unit).ok);
        EXPECT_EQ(test::readBytes(path), test::crlf({"e", "900", "800", "50", "40", "0", std::string(deckUnitName(unit))}));
        EXPECT_EQ(read(test::readBytes(path)).deckUnit, unit);
    }
    EXPECT_FALSE(read(test::crlf({"e", "900", "800", "50", "40", "1", "yd"})).deckUnit);
}

// Inches and ounces are kept on an eighth line; a file without it, or with another word, is metric.
TEST_F(SettingsFileTest, InchesAndOuncesAreKeptOnTheEighthLine)
{
    ASSERT_TRUE(saveSettingsFile(path, 'e', 900, 800, 50, 40, Language::English, true, std::nullopt,
                                 UnitSystem::Imperial).ok);
    EXPECT_EQ(test::readBytes(path), test::crlf({"e", "900", "800", "50", "40", "1", "m", "imperial"}));
    const Settings s = read(test::readBytes(path));
    EXPECT_EQ(s.units, UnitSystem::Imperial);
    EXPECT_EQ(s.deckUnit, DeckUnit::Metre);
    EXPECT_EQ(s.live, true);
    EXPECT_FALSE(read(test::crlf({"e", "900", "800", "50", "40", "1", "in"})).units);
    EXPECT_FALSE(read(test::crlf({"e", "900", "800", "50", "40", "1", "in", "inches"})).units);
}

TEST_F(SettingsFileTest, AppliesOnlyValuesInsideTheirRanges)
{
    const Settings s = read(test::crlf({"deutsch", "3000", "0", "-5", "1000"}));
    EXPECT_EQ(s.letter, 'd');
    EXPECT_FALSE(s.width);
    EXPECT_FALSE(s.height);
    EXPECT_EQ(s.left, 0);
    EXPECT_EQ(s.top, 0);
    const Settings edges = read(test::crlf({"s", "2999", "1999", "999", "0"}));
    EXPECT_EQ(edges.width, 2999);
    EXPECT_EQ(edges.height, 1999);
    EXPECT_EQ(edges.left, 999);
    EXPECT_EQ(edges.top, 0);
}

TEST_F(SettingsFileTest, ShortAndEmptyFilesKeepTheDesignedGeometry)
{
    const Settings letterOnly = read("d\r\n");
    EXPECT_EQ(languageOfLetter(letterOnly.letter), Language::German);
    EXPECT_FALSE(letterOnly.width);
    EXPECT_FALSE(letterOnly.left);
    const Settings empty = read("");
    EXPECT_FALSE(empty.letter);
    EXPECT_EQ(languageOfLetter(empty.letter), Language::English);
    const Settings twoLines = read("x\r\n640abc");
    EXPECT_EQ(languageOfLetter(twoLines.letter), Language::Spanish);
    EXPECT_EQ(twoLines.width, 640);
    EXPECT_FALSE(twoLines.height);
}

TEST_F(SettingsFileTest, MissingFileIsReportedNotFatal)
{
    const SettingsReading r = readSettingsFile(folder.file("none.pa4"), Language::English);
    EXPECT_EQ(r.problem, ReadProblem::CannotOpen);
    EXPECT_FALSE(r.settings.letter);
    for (Language l : {Language::English, Language::German, Language::Spanish})
        EXPECT_EQ(languageOfLetter(letterOf(l)), l);
}

} // namespace
} // namespace ab
