// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/aircraft_writer.h"
#include "files/code_page.h"
#include "files/open_aircraft.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

namespace ab {
namespace {

std::string byteString(int b) { return std::string(1, static_cast<char>(b)); }

TEST(Windows1252, EveryByteConvertsToItsCharacterAndBack)
{
    // Samples of every kind of byte: ASCII, the printable and the undefined ones of 0x80..0x9F, Latin-1.
    const std::pair<int, const char*> samples[] = {
        {0x41, "A"}, {0x80, "€"}, {0x81, "\u0081"}, {0x83, "ƒ"}, {0x8A, "Š"}, {0x8D, "\u008D"},
        {0x8F, "\u008F"}, {0x90, "\u0090"}, {0x93, "“"}, {0x96, "–"}, {0x99, "™"}, {0x9D, "\u009D"},
        {0x9F, "Ÿ"}, {0xA0, "\u00A0"}, {0xB2, "²"}, {0xC4, "Ä"}, {0xDF, "ß"}, {0xE4, "ä"}, {0xFF, "ÿ"},
    };
    for (const auto& [byte, utf8] : samples)
        EXPECT_EQ(windows1252ToUtf8(byteString(byte)), utf8) << std::hex << byte;

    std::set<std::string> seen;
    std::string all;
    for (int b = 0; b <= 0xFF; ++b) {
        const std::string utf8 = windows1252ToUtf8(byteString(b));
        EXPECT_TRUE(isValidUtf8(utf8)) << std::hex << b;
        EXPECT_TRUE(seen.insert(utf8).second) << "two bytes give one character: " << std::hex << b;
        EXPECT_EQ(utf8ToWindows1252(utf8), byteString(b)) << std::hex << b;
        if (b >= 0x20)
            all += static_cast<char>(b);
    }
    EXPECT_EQ(utf8ToWindows1252(windows1252ToUtf8(all)), all);

    // Characters without a byte, and text that is not UTF-8, have no Windows-1252 form.
    for (const char* text : {"✓", "€ and ✓", "\u0080", "\u009F", "Ā", "\U0001F6E9", "\xE4", "\xC3"})
        EXPECT_FALSE(utf8ToWindows1252(text)) << text;
}

TEST(Utf8, TellsWellFormedFromMalformed)
{
    const std::string valid[] = {
        "", "plain <x>\r\n", std::string("a\0b", 3), "Gr\xC3\xB6\xC3\x9F" "e", "\xE2\x82\xAC \xE2\x9C\x93",
        "\xC2\x80", "\xE0\xA0\x80", "\xED\x9F\xBF", "\xEE\x80\x80", "\xEF\xBF\xBF", // bounds of each length
        "\xF0\x90\x80\x80", "\xF4\x8F\xBF\xBF",                                     // and of the surrogates
    };
    const std::string invalid[] = {
        "\xC0\x80", "\xC1\xBF", "\xE0\x80\xAF", "\xE0\x9F\xBF", "\xF0\x80\x80\xAF", "\xF0\x8F\xBF\xBF", // overlong
        "\xED\xA0\x80", "\xED\xBF\xBF", "\xED\xA0\xBD\xED\xB2\xA9",                           // surrogates
        "\xF4\x90\x80\x80", "\xF5\x80\x80\x80", "\xFF",                                       // too large
        "\x80", "a\xBF" "b", "\xC3\xA4\xA4",                                                  // lone continuation
        "\xC3", "\xE2\x82", "\xF0\x9F\x9B", "\xE2\x82" "a", "\xC3\r\n",                       // truncated
        "H\xF6he",                                                                            // Windows-1252
    };
    for (const std::string& s : valid)
        EXPECT_TRUE(isValidUtf8(s)) << testing::PrintToString(s);
    for (const std::string& s : invalid)
        EXPECT_FALSE(isValidUtf8(s)) << testing::PrintToString(s);
}

TEST(CommentCodePage, WritesWindows1252WhereItSufficesAndUtf8Otherwise)
{
    const std::pair<std::string, std::string> textAndBytes[] = {
        {"Trainer\nClark Y", "Trainer\nClark Y"},
        {"Höhenleitwerk 2°, Fläche 7,8 dm²", "H\xF6henleitwerk 2\xB0, Fl\xE4" "che 7,8 dm\xB2"},
        {"Envergadura – año 2024 €", "Envergadura \x96 a\xF1o 2024 \x80"},
        {"€ and ✓", "€ and ✓"},         // a character without a byte keeps the whole comment in UTF-8
        {"Ã¤", "Ã¤"},                   // its Windows-1252 bytes would read back as "ä"
        {"Gr\xF6\xDF" "e", "Gr\xF6\xDF" "e"}, // not UTF-8: the bytes stay as they are
    };
    for (const auto& [text, bytes] : textAndBytes) {
        EXPECT_EQ(commentForFile(text), bytes) << text;
        EXPECT_EQ(commentFromFile(bytes), isValidUtf8(text) ? text : windows1252ToUtf8(text)) << text;
    }
}

// Any text, well-formed or not, reads back as the UTF-8 the program shows for it, and the bytes of a
// file that are not UTF-8 are written again as they were.
TEST(CommentCodePage, ReadingGivesBackWhatWasWritten)
{
    std::mt19937 random(1252);
    const std::string pieces[] = {"a", "\n", "<", "ä", "ß", "€", "Ÿ", "\u0081", "✓", "Ã", "¤", "\xC3",
                                  "\xA4", "\x80", "\xE2\x82", "\xED\xA0\x80", "\xF0\x9F\x9B\xA9", "\xFF"};
    for (int round = 0; round < 2000; ++round) {
        std::string text;
        for (int i = static_cast<int>(random() % 12); i > 0; --i)
            text += pieces[random() % std::size(pieces)];
        const std::string shown = isValidUtf8(text) ? text : windows1252ToUtf8(text);
        EXPECT_EQ(commentFromFile(commentForFile(text)), shown) << testing::PrintToString(text);
        EXPECT_TRUE(isValidUtf8(shown));
        if (!isValidUtf8(text)) {
            EXPECT_EQ(commentForFile(shown), text) << testing::PrintToString(text);
        }
    }
}

class CommentFileTest : public ::testing::Test {
protected:
    test::TempFolder folder;
    Aircraft aircraft;
    AircraftTexts texts = defaultAircraftTexts();

    void open(const std::string& path)
    {
        texts = defaultAircraftTexts();
        const OpenOutcome r = openAircraftFile(path, aircraft, texts, Language::German);
        ASSERT_TRUE(r.ok()) << r.message;
    }
    void open(const std::string& name, const std::string& bytes)
    {
        test::writeBytes(folder.file(name), bytes);
        open(folder.file(name));
    }
    std::string save(const std::string& name = "saved.wk4")
    {
        const SaveOutcome r = saveAircraftFile(folder.file(name), texts, aircraft, Language::German);
        EXPECT_TRUE(r.ok) << r.message;
        return test::readBytes(folder.file(name));
    }
};

TEST_F(CommentFileTest, Windows1252RemarksOpenInUtf8AndSaveAsTheSameBytes)
{
    const std::string remarks = "H\xF6henleitwerk 600 mm, Fl\xE4" "che 7,8 dm\xB2\r\nGewicht \x96 1,2 kg, \x80 29\x99";
    std::string tagged = test::readBytes(AEROBALANCE_SOURCE_DIR "/tests/data/trainer_example.wk4");
    const std::size_t at = tagged.find("Trainer</comment>");
    ASSERT_NE(at, std::string::npos);
    tagged.replace(at, 7, remarks);
    open("Schulterdecker.wk4", tagged);
    EXPECT_EQ(texts.comment, "Höhenleitwerk 600 mm, Fläche 7,8 dm²\nGewicht – 1,2 kg, € 29™");
    EXPECT_EQ(texts.wing[1][Role::RootChord], " 335");
    EXPECT_EQ(save("Schulterdecker.wk4"), tagged);

    // Legacy files carry their remarks in the same code page.
    std::string legacy;
    for (int line = 1; line <= 53; ++line)
        legacy += std::to_string(line == 1 ? 2 : line == 2 ? 1 : 100 + line) + "\r\n";
    open("alt.da4", legacy + "\r\n0\r\n0\r\n0\r\n\r\n" + remarks + "\r\n");
    EXPECT_EQ(texts.comment, "Höhenleitwerk 600 mm, Fläche 7,8 dm²\nGewicht – 1,2 kg, € 29™");
    EXPECT_NE(save().find("<comment>" + remarks + "</comment>"), std::string::npos);
}

// The 32 bytes 0x80..0x9F, where Windows-1252 differs from Latin-1: each remark byte reads as its
// character (the five the code page leaves undefined as the control character of the same number),
// the character is written back as that byte, and a file holding all of them opens and saves
// unchanged.
TEST_F(CommentFileTest, EveryByteFrom80To9FReadsAsItsCharacterAndIsWrittenBack)
{
    const char* const characters[32] = {
        "€", "\u0081", "‚", "ƒ", "„", "…", "†", "‡", "ˆ", "‰", "Š", "‹", "Œ", "\u008D", "Ž", "\u008F",
        "\u0090", "‘", "’", "“", "”", "•", "–", "—", "˜", "™", "š", "›", "œ", "\u009D", "ž", "Ÿ",
    };
    std::string allBytes, allCharacters;
    for (int b = 0x80; b <= 0x9F; ++b) {
        const std::string character = characters[b - 0x80], byte = byteString(b);
        EXPECT_EQ(windows1252ToUtf8(byte), character) << std::hex << b;
        EXPECT_EQ(commentFromFile("x" + byte), "x" + character) << std::hex << b;
        EXPECT_EQ(utf8ToWindows1252(character), byte) << std::hex << b;
        EXPECT_EQ(commentForFile(character + "y"), byte + "y") << std::hex << b;
        allBytes += byte;
        allCharacters += character;
    }
    std::string tagged = test::readBytes(AEROBALANCE_SOURCE_DIR "/tests/data/trainer_example.wk4");
    const std::size_t at = tagged.find("Trainer</comment>");
    ASSERT_NE(at, std::string::npos);
    tagged.replace(at, 7, "[" + allBytes + "]");
    open("high.wk4", tagged);
    EXPECT_EQ(texts.comment, "[" + allCharacters + "]");
    EXPECT_EQ(save("high.wk4"), tagged);
}

TEST_F(CommentFileTest, EveryRemarkSurvivesSaveAndReopen)
{
    const struct {
        std::string typed, inFile, reopened;
    } table[] = {
        {"€ and ✓\nHöhe 40 mm", "€ and ✓\r\nHöhe 40 mm", "€ and ✓\nHöhe 40 mm"}, // UTF-8 in the file
        {"Ã¤ bleibt Ã¤", "Ã¤ bleibt Ã¤", "Ã¤ bleibt Ã¤"},
        {"Gr\xF6\xDF" "e \xC3", "Gr\xF6\xDF" "e \xC3", "Größe Ã"}, // not UTF-8: taken as Windows-1252
        // A NUL would make the file unreadable: it stands there as a reference.
        {std::string("before\0after", 12), "before&#0;after", std::string("before\0after", 12)},
    };
    for (const auto& row : table) {
        texts.comment = row.typed;
        const std::string bytes = save();
        EXPECT_NE(bytes.find("<comment>" + row.inFile + "</comment>"), std::string::npos) << row.reopened;
        open(folder.file("saved.wk4"));
        EXPECT_EQ(texts.comment, row.reopened);
        EXPECT_EQ(save(), bytes);
    }
}

} // namespace
} // namespace ab
