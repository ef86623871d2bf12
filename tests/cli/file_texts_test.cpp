// SPDX-License-Identifier: GPL-3.0-or-later
// The texts an aircraft file carries (remarks, wing names, balance part names) through save and open,
// in the core and through batch mode: random texts full of the characters a line of the file cannot
// hold come back exactly, and a file larger than the program opens is never written. Damaged files
// open with notes on what they lack.
#include "cli/batch.h"
#include "files/aircraft_writer.h"
#include "files/open_aircraft.h"
#include "files/text_file.h"
#include "../files/temp_folder.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <random>
#include <sstream>

namespace ab {
namespace {

const std::string Examples = AEROBALANCE_SOURCE_DIR "/examples/";

int runBatchOn(const std::vector<std::string>& args, std::string* out = nullptr, std::string* err = nullptr)
{
    std::ostringstream o, e;
    const int status = runBatch(args, o, e);
    if (out)
        *out = o.str();
    if (err)
        *err = e.str();
    return status;
}

// A random text as its characters, one code point each: plain letters, the characters a line cannot
// hold as they are, text that looks like an escape, and characters beyond Latin-1 and beyond 16 bits.
// A plain text holds none of those a line cannot hold, so its file stays unescaped.
std::vector<std::string> randomCharacters(std::mt19937& rng, int length, bool plain)
{
    static const std::vector<std::string> special = {"<", ";", "\r", "\n", "\t", "\x1B", "\x7F", std::string(1, '\0')};
    static const std::vector<std::string> common = {"a", "Z", " ", "&", "#", "5", ">", "ö", "€", "→", "Ω", "🛩", "😀"};
    std::vector<std::string> out;
    while (static_cast<int>(out.size()) < length) {
        if (rng() % 8 == 0) { // an escape written by hand, which only an escaped file undoes
            for (const char* c : {"&", "a", "m", "p", ";"})
                out.push_back(c);
            continue;
        }
        const bool pickSpecial = !plain && rng() % 4 == 0;
        const std::vector<std::string>& from = pickSpecial ? special : common;
        out.push_back(from[rng() % from.size()]);
    }
    return out;
}

std::string joined(const std::vector<std::string>& characters, std::size_t count = std::string::npos)
{
    std::string s;
    for (std::size_t i = 0; i < characters.size() && i < count; ++i)
        s += characters[i];
    return s;
}

AircraftTexts opened(const std::string& file)
{
    Aircraft aircraft;
    AircraftTexts texts = defaultAircraftTexts();
    const OpenOutcome o = openAircraftFile(file, aircraft, texts, Language::English);
    EXPECT_TRUE(o.ok()) << o.message;
    return texts;
}

TEST(FileTexts, EveryCharacterComesBackAndNoFileIsWrittenThatWouldNotOpen)
{
    test::TempFolder folder;
    AircraftTexts canard = opened(Examples + "canard.wk4");
    std::mt19937 rng(20240611);
    for (int round = 0; round < 120; ++round) {
        SCOPED_TRACE(round);
        const bool plain = round % 3 == 0;
        const int longest = round % 10 == 0 ? 2000 : 90; // names beyond 60 characters, long remarks
        AircraftTexts t = canard;
        std::vector<std::string> expectedNames[3];
        for (int w = 1; w <= 2; ++w) {
            expectedNames[w] = randomCharacters(rng, static_cast<int>(rng() % longest), plain);
            t.wing[w].name = joined(expectedNames[w]);
        }
        std::vector<std::vector<std::string>> parts;
        for (int i = 0; i < 3; ++i) {
            parts.push_back(randomCharacters(rng, static_cast<int>(rng() % longest), plain));
            if (plain) // a ';' is no plain character of a balance row
                std::erase(parts.back(), ";");
            t.balance.push_back({joined(parts.back()), "12.5", "-40"});
        }
        t.comment = joined(randomCharacters(rng, static_cast<int>(rng() % (longest * 10)), plain));

        const std::string file = folder.file("plane.wk4");
        ASSERT_TRUE(saveAircraftFile(file, t, Aircraft{}, Language::English).ok);
        const std::string bytes = test::readBytes(file);
        // A file of plain texts is written as it always was, with no mark.
        if (plain) {
            EXPECT_EQ(bytes.find("escaped_text"), std::string::npos);
        }
        // Limits count characters: names keep their first 60, whatever their bytes.
        const AircraftTexts back = opened(file);
        for (int w = 1; w <= 2; ++w)
            EXPECT_EQ(back.wing[w].name, joined(expectedNames[w], MaxWingNameLength));
        ASSERT_EQ(back.balance.size(), parts.size());
        for (std::size_t i = 0; i < parts.size(); ++i)
            EXPECT_EQ(back.balance[i].name, joined(parts[i], MaxBalanceNameLength));
        EXPECT_EQ(back.comment, t.comment);
        EXPECT_EQ(aircraftFileText(back, Aircraft{}), bytes);

        // Batch mode opens, calculates and saves the same texts, and names the wings as typed.
        if (round % 40 == 1) {
            const std::string again = folder.file("again.wk4");
            std::string json;
            ASSERT_EQ(runBatchOn({"--calc", file, "--save", again, "--json"}, &json), BatchDone);
            const AircraftTexts saved = opened(again);
            EXPECT_EQ(saved.comment, back.comment);
            EXPECT_EQ(saved.balance, back.balance);
            const nlohmann::json j = nlohmann::json::parse(json);
            for (int w = 1; w <= 2; ++w) {
                EXPECT_EQ(saved.wing[w].name, back.wing[w].name);
                EXPECT_EQ(j["wings"][w - 1]["name"], back.wing[w].name);
            }
        }
    }

    // A name made by hand far beyond 500 bytes keeps its first 60 characters, none of them split.
    std::string handMade = test::readBytes(Examples + "canard.wk4"), arrows;
    for (int i = 0; i < 300; ++i)
        arrows += "→";
    handMade.insert(handMade.find("  <wingsections>"), "  <wing_name>" + arrows + "</wing_name>\r\n");
    test::writeBytes(folder.file("hand.wk4"), handMade);
    EXPECT_EQ(opened(folder.file("hand.wk4")).wing[1].name, arrows.substr(0, 3 * MaxWingNameLength));

    // A remark that makes the file exactly as large as Open takes is saved and opens; one character
    // more and the save is refused, naming the file and the reason, with the old file left as it was.
    AircraftTexts t = canard;
    t.comment.clear();
    t.comment.assign(MaxTextFileBytes - aircraftFileText(t, Aircraft{}).size(), 'x');
    const std::string largest = folder.file("largest.wk4");
    ASSERT_TRUE(saveAircraftFile(largest, t, Aircraft{}, Language::English).ok);
    EXPECT_EQ(test::readBytes(largest).size(), MaxTextFileBytes);
    EXPECT_EQ(opened(largest).comment, t.comment);
    t.comment += "y";
    for (const Language l : {Language::English, Language::German, Language::Spanish}) {
        const SaveOutcome refused = saveAircraftFile(largest, t, Aircraft{}, l);
        EXPECT_FALSE(refused.ok);
        EXPECT_NE(refused.message.find(largest), std::string::npos) << refused.message;
        EXPECT_NE(refused.message.find("16 MiB"), std::string::npos) << refused.message;
    }
    EXPECT_EQ(test::readBytes(largest).size(), MaxTextFileBytes);
    // Batch mode opens the largest file, but saving it with its results would outgrow it.
    std::string err;
    const std::string grown = folder.file("grown.wk4");
    EXPECT_EQ(runBatchOn({"--calc", largest, "--save", grown}, nullptr, &err), BatchBadInput);
    EXPECT_NE(err.find(grown), std::string::npos) << err;
    EXPECT_FALSE(std::filesystem::exists(grown));
}

// A file cut short, or one that counts wings it does not hold, opens with its gaps as defaults and
// says where they are, in the open's notes and in batch mode's messages; a whole file says nothing.
TEST(DamagedFile, SaysWhereItEndsOrWhichWingItLacks)
{
    test::TempFolder folder;
    const std::string canard = test::readBytes(Examples + "canard.wk4");
    const std::string biplane = test::readBytes(Examples + "biplane.da4");
    const auto cutAt = [](const std::string& text, const std::string& before) { return text.substr(0, text.find(before)); };
    std::size_t line25 = 0; // the legacy file's first 25 of its 53 values: wing 1 and a part of wing 2
    for (int i = 0; i < 25; ++i)
        line25 = biplane.find('\n', line25) + 1;
    const struct {
        const char* name;
        std::string bytes;
        std::vector<std::string> notes;
    } cases[] = {
        {"whole.wk4", canard, {}},
        {"whole.da4", biplane, {}},
        {"only_count.wk4", "<aircraft>\r\n<wings_count>2</wings_count>\r\n",
         {"The file ends before wing 1: its values are defaults."}},
        {"cut_in_wing.wk4", cutAt(canard, "  <section_id>3"),
         {"The file ends inside wing 1: its values from there on are defaults."}},
        {"cut_before_wing.wk4", cutAt(canard, "  <wing_id>2"),
         {"The file ends before wing 2: its values are defaults."}},
        {"cut_in_remarks.wk4", cutAt(canard, "</comment>"),
         {"The file breaks off after line 53: the values that would follow are defaults."}},
        {"lacks_wing.wk4", "<aircraft>\r\n<wings_count>3</wings_count>\r\n<wing_id>2</wing_id>\r\n</aircraft>\r\n",
         {"The file holds no values for wing 1: its values are defaults.",
          "The file holds no values for wing 3: its values are defaults."}},
        {"cut.da4", biplane.substr(0, line25), {"The file ends inside wing 2: its values from there on are defaults."}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string file = folder.file(c.name);
        test::writeBytes(file, c.bytes);
        Aircraft aircraft;
        AircraftTexts texts = defaultAircraftTexts();
        const OpenOutcome o = openAircraftFile(file, aircraft, texts, Language::English);
        ASSERT_TRUE(o.ok()) << o.message;
        EXPECT_EQ(o.notes, c.notes);
        std::string json;
        ASSERT_EQ(runBatchOn({"--calc", file, "--json"}, &json), BatchDone);
        const nlohmann::json messages = nlohmann::json::parse(json)["messages"];
        for (std::size_t i = 0; i < c.notes.size(); ++i)
            EXPECT_EQ(messages[i], c.notes[i]);
        for (const auto& m : messages)
            EXPECT_NE(m, "Error: "); // the memo's hidden title is no message of a run that succeeded
        if (c.notes.empty()) {
            EXPECT_TRUE(messages.empty());
        }
    }
}

} // namespace
} // namespace ab
