// SPDX-License-Identifier: GPL-3.0-or-later
// The balance in the aircraft file: the rows, the margin and the stability mode written before the
// remarks, read back by the tagged reader, and files whose balance lines are damaged.
#include "files/aircraft_writer.h"
#include "files/open_aircraft.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace ab {
namespace {

const std::string Data = AEROBALANCE_SOURCE_DIR "/tests/data/";

class BalanceFileTest : public ::testing::Test {
protected:
    test::TempFolder folder;

    // The file format's one-wing trainer with a balance of its own.
    static AircraftTexts trainer()
    {
        AircraftTexts t = defaultAircraftTexts();
        t.wingCount = 1;
        t.wing[1].trapezoidCount = 1;
        const std::pair<Role, const char*> fields[] = {{Role::RootGap, "0"},    {Role::RootChord, "335"},
                                                       {Role::Width1, "764"},   {Role::TipChord1, "140"},
                                                       {Role::TipOffset1, "131"}, {Role::PosX, "0"},
                                                       {Role::PosZ, "-190"}};
        for (const auto& [role, text] : fields)
            t.wing[1][role] = text;
        t.comment = "Trainer";
        t.balance = {{"Motor", "185", "-95"},         {"Akku 3S", "182,5", "-40.4"}, {"Empfänger", " 12 g", "30"},
                     {"Servos; Höhe", "18", "410"},  {"Regler → 40 A", "35", "-60"}, {"Line\nbreak <b>", "abc", ""},
                     {"", "", ""}};
        t.margin = "10";
        t.stabilityMode = StabilityMode::Manual;
        return t;
    }
    std::string write(const std::string& bytes)
    {
        const std::string path = folder.file("plane.wk4");
        test::writeBytes(path, bytes);
        return path;
    }
    // Opens into the starting aircraft after another aircraft's balance, so nothing is left over.
    OpenOutcome open(const std::string& path, AircraftTexts& texts)
    {
        Aircraft aircraft;
        texts = defaultAircraftTexts();
        texts.balance = {{"left over", "1", "2"}};
        texts.margin = "3";
        texts.stabilityMode = StabilityMode::Manual;
        return openAircraftFile(path, aircraft, texts, Language::English);
    }
};

// The written bytes are pinned in a golden file (AEROBALANCE_UPDATE_GOLDEN writes it anew); opening it
// gives every row back as the table showed it, and saving that again gives the same bytes.
TEST_F(BalanceFileTest, RowsMarginAndModeStandBeforeTheRemarksAndComeBack)
{
    Aircraft ac;
    ac.ResultsValid = true;
    ac.ReferenceArea = 352470.5;
    ac.ReferenceMac = 241.25;
    ac.NeutralPointX = 103.5;
    const std::string text = aircraftFileText(trainer(), ac);
    const std::string golden = Data + "trainer_balance.wk4";
    if (const char* update = std::getenv("AEROBALANCE_UPDATE_GOLDEN"); update && *update)
        test::writeBytes(golden, text);
    EXPECT_EQ(text, test::readBytes(golden));

    AircraftTexts back;
    ASSERT_TRUE(open(golden, back).ok());
    // Figures that read come back as numbers with a point, the others as typed; a name comes back
    // whole, the characters a balance line cannot hold escaped in the file.
    const std::vector<BalanceItemTexts> rows = {
        {"Motor", "185", "-95"},         {"Akku 3S", "182.5", "-40.4"}, {"Empfänger", " 12 g", "30"},
        {"Servos; Höhe", "18", "410"},  {"Regler → 40 A", "35", "-60"}, {"Line\nbreak <b>", "abc", ""},
        {"", "", ""}};
    EXPECT_EQ(back.balance, rows);
    EXPECT_EQ(back.margin, "10");
    EXPECT_EQ(back.stabilityMode, StabilityMode::Manual);
    EXPECT_EQ(back.comment, "Trainer");
    EXPECT_EQ(aircraftFileText(back, ac), text);
}

// Without rows, at 7.5 % and automatic, nothing is written: the file keeps the older layout.
TEST_F(BalanceFileTest, MarginAndModeComeBackAndTheStartingOnesAreNotWritten)
{
    struct Case {
        const char* margin;
        StabilityMode mode;
        bool written;
        const char* reopened;
    };
    const Case cases[] = {
        {" 7.5", StabilityMode::Automatic, false, "7.5"}, {"7,5", StabilityMode::Automatic, false, "7.5"},
        {"7.5", StabilityMode::Manual, true, "7.5"},      {"12,25", StabilityMode::Automatic, true, "12.25"},
        {"50", StabilityMode::Manual, true, "50"},
        // a text that is no margin was never in use: the margin in use (here the starting one) is saved
        {"-2.5", StabilityMode::Manual, true, "7.5"},     {"abc", StabilityMode::Automatic, false, "7.5"},
    };
    for (const Case& c : cases) {
        AircraftTexts t = trainer();
        t.balance.clear();
        t.margin = c.margin;
        t.stabilityMode = c.mode;
        const std::string text = aircraftFileText(t, Aircraft{});
        EXPECT_EQ(text.find("<margin>") != std::string::npos, c.written) << c.margin;
        AircraftTexts back;
        ASSERT_TRUE(open(write(text), back).ok());
        EXPECT_EQ(back.margin, c.reopened) << c.margin;
        EXPECT_EQ(back.stabilityMode, c.mode) << c.margin;
    }
}

// Damaged balance lines are read as far as they go and nothing else of the file changes; rows and
// names beyond the limits are cut and counted.
TEST_F(BalanceFileTest, DamagedAndOverlongBalancesOpenWithEveryOtherValue)
{
    const std::string plain = test::readBytes(Data + "trainer_example.wk4");
    std::string damaged = plain;
    std::string lines = test::crlf({" <balance_item>Motor</balance_item>", " <balance_item>Akku;180</balance_item>",
                                    " <balance_item>Servo; links;9;400</balance_item>", " <balance_item>;;</balance_item>",
                                    " <balance_item>Rumpf;x;y;</balance_item>", "<balance_item>no end",
                                    " <margin>viel</margin>", " <stability_mode>sometimes</stability_mode>",
                                    " <balance_item"});
    for (int i = 0; i < 100; ++i)
        lines += " <balance_item>" + std::string(i < 3 ? 70 : 5, 'N') + ";9;400</balance_item>\r\n";
    damaged.insert(damaged.find(" <comment>"), lines);
    AircraftTexts expected, got;
    ASSERT_TRUE(open(write(plain), expected).ok());
    const OpenOutcome opened = open(write(damaged), got);
    ASSERT_TRUE(opened.ok()) << opened.message;

    ASSERT_EQ(got.balance.size(), 100u);
    const std::vector<BalanceItemTexts> first = {{"Motor", "", ""},    {"Akku", "180", ""}, {"Servo; links", "9", "400"},
                                                 {"", "", ""},         {"Rumpf;x", "y", ""}, {"no end", "", ""},
                                                 {std::string(60, 'N'), "9", "400"}};
    EXPECT_EQ(std::vector<BalanceItemTexts>(got.balance.begin(), got.balance.begin() + 7), first);
    EXPECT_EQ(opened.balanceCut.itemsLeftOut, 6);
    EXPECT_EQ(opened.balanceCut.namesShortened, 3);
    EXPECT_EQ(got.margin, "7.5");
    EXPECT_EQ(got.stabilityMode, StabilityMode::Automatic);
    got.balance = expected.balance;
    EXPECT_EQ(got, expected);
}

// Older files and the legacy format hold no balance: opening one leaves none of the aircraft opened
// before; a balance line among the remarks is part of the remarks.
TEST_F(BalanceFileTest, FilesWithoutABalanceOpenWithTheStartingOne)
{
    std::string remark = test::readBytes(Data + "trainer_example.wk4");
    remark.replace(remark.find("Trainer</comment>"), 17, "Trainer\r\n<balance_item>Motor;100;0</balance_item></comment>");
    for (const std::string& file : {Data + "trainer_example.wk4", std::string(AEROBALANCE_SOURCE_DIR "/examples/biplane.da4"),
                                    write(remark)}) {
        AircraftTexts texts;
        ASSERT_TRUE(open(file, texts).ok()) << file;
        EXPECT_TRUE(texts.balance.empty()) << file;
        EXPECT_EQ(texts.margin, "7.5") << file;
        EXPECT_EQ(texts.stabilityMode, StabilityMode::Automatic) << file;
    }
}

} // namespace
} // namespace ab
