// The balance in the aircraft file: the rows, the margin and the stability mode written before the
// remarks, read back by the tagged reader, and files whose balance lines are damaged.
#include "files/aircraft_reader.h"
#include "files/aircraft_writer.h"
#include "files/open_aircraft.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace ab {
namespace {

const std::string Data = AEROBALANCE_SOURCE_DIR "/tests/data/";

// The one-wing trainer of the file format's example with a balance of its own.
AircraftTexts trainerWithBalance()
{
    AircraftTexts t = defaultAircraftTexts();
    t.wingCount = 1;
    WingTexts& w = t.wing[1];
    w.trapezoidCount = 1;
    for (const auto& [role, text] : std::initializer_list<std::pair<Role, const char*>>{
             {Role::RootGap, "0"}, {Role::RootChord, "335"}, {Role::Width1, "764"}, {Role::TipChord1, "140"},
             {Role::TipOffset1, "131"}, {Role::PosX, "0"}, {Role::PosZ, "-190"}})
        w[role] = text;
    t.comment = "Trainer";
    t.balance = {
        {"Motor", "185", "-95"},
        {"Akku 3S 2200", "182,5", "-40.4"},
        {"Empfänger", " 12 g", "30"},
        {"Servos; Höhe & Seite", "18", "410"},
        {"Regler → 40 A", "35", "-60"},
        {"Line\nbreak <b>", "abc", ""},
        {"", "", ""},
    };
    t.margin = "10";
    t.stabilityMode = StabilityMode::Manual;
    return t;
}

class BalanceFileTest : public ::testing::Test {
protected:
    test::TempFolder folder;

    std::string write(const std::string& name, const std::string& bytes)
    {
        const std::string path = folder.file(name);
        test::writeBytes(path, bytes);
        return path;
    }
    // Opens into the aircraft the program starts with, after a balance of some other aircraft.
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

// The bytes the writer gives for the trainer with its balance, results included; to write the file
// anew after a deliberate change, set AEROBALANCE_UPDATE_GOLDEN and read its diff.
TEST_F(BalanceFileTest, WritesTheRowsMarginAndModeBetweenResultsAndRemarks)
{
    Aircraft ac;
    ac.ResultsValid = true;
    ac.ReferenceArea = 352470.5;
    ac.ReferenceMac = 241.25;
    ac.NeutralPointX = 103.5;
    const std::string text = aircraftFileText(trainerWithBalance(), ac);
    const std::string golden = Data + "trainer_balance.wk4";
    if (const char* update = std::getenv("AEROBALANCE_UPDATE_GOLDEN"); update && *update)
        test::writeBytes(golden, text);
    EXPECT_EQ(text, test::readBytes(golden));
}

TEST_F(BalanceFileTest, RoundTripKeepsEveryRowAsTheTableShowedIt)
{
    const AircraftTexts saved = trainerWithBalance();
    const std::string path = folder.file("trainer.wk4");
    ASSERT_TRUE(saveAircraftFile(path, saved, Aircraft{}, Language::English).ok);
    AircraftTexts texts;
    ASSERT_TRUE(open(path, texts).ok());

    // Figures that read come back as numbers with a point, the others as typed; a name loses only
    // the characters a balance line cannot hold.
    const std::vector<BalanceItemTexts> expected = {
        {"Motor", "185", "-95"},
        {"Akku 3S 2200", "182.5", "-40"},
        {"Empfänger", "12", "30"},
        {"Servos, Höhe & Seite", "18", "410"},
        {"Regler → 40 A", "35", "-60"},
        {"Line break (b>", "abc", ""},
        {"", "", ""},
    };
    EXPECT_EQ(texts.balance, expected);
    EXPECT_EQ(texts.margin, "10");
    EXPECT_EQ(texts.stabilityMode, StabilityMode::Manual);
    EXPECT_EQ(texts.comment, "Trainer");
    // A second save of what was opened writes the same bytes.
    EXPECT_EQ(aircraftFileText(texts, Aircraft{}), test::readBytes(path));
}

TEST_F(BalanceFileTest, MarginAndModeComeBackInEveryCombination)
{
    struct Case {
        const char* margin;
        StabilityMode mode;
        bool hasRows;
        bool writesBlock;
        const char* reopened;
    };
    const Case cases[] = {
        {"7.5", StabilityMode::Automatic, false, false, "7.5"},
        {" 7.5", StabilityMode::Automatic, false, false, "7.5"},
        {"7,5", StabilityMode::Automatic, false, false, "7.5"},
        {"7.5", StabilityMode::Manual, false, true, "7.5"},
        {"12,25", StabilityMode::Automatic, false, true, "12.25"},
        {"-2.5", StabilityMode::Manual, false, true, "-2.5"},
        {"30.0", StabilityMode::Manual, true, true, "30"},
        {"abc", StabilityMode::Automatic, false, true, "0"},
    };
    for (const Case& c : cases) {
        AircraftTexts t = trainerWithBalance();
        t.margin = c.margin;
        t.stabilityMode = c.mode;
        if (!c.hasRows)
            t.balance.clear();
        const std::string text = aircraftFileText(t, Aircraft{});
        EXPECT_EQ(text.find("<margin>") != std::string::npos, c.writesBlock) << c.margin;
        AircraftTexts back;
        ASSERT_TRUE(open(write("m.wk4", text), back).ok());
        EXPECT_EQ(back.margin, c.reopened) << c.margin;
        EXPECT_EQ(back.stabilityMode, c.mode) << c.margin;
    }
}

// Damaged balance lines are read as far as they go; nothing else of the file changes.
TEST_F(BalanceFileTest, MalformedBalanceLinesOpenWithEveryOtherValue)
{
    const std::string plain = test::readBytes(Data + "trainer_example.wk4");
    std::string damaged = plain;
    damaged.insert(damaged.find(" <comment>"),
                   test::crlf({" <balance_item>Motor</balance_item>",
                               " <balance_item>Akku;180</balance_item>",
                               " <balance_item>Servo; links;9;400</balance_item>",
                               " <balance_item>;;</balance_item>",
                               " <balance_item>Rumpf;x;y;</balance_item>",
                               " <balance_item></balance_item>",
                               "<balance_item>no end",
                               " <margin>viel</margin>",
                               " <stability_mode>sometimes</stability_mode>",
                               " <balance_item"}));
    AircraftTexts expected, got;
    ASSERT_TRUE(open(write("plain.wk4", plain), expected).ok());
    const OpenOutcome opened = open(write("damaged.wk4", damaged), got);
    ASSERT_TRUE(opened.ok()) << opened.message;

    const std::vector<BalanceItemTexts> rows = {
        {"Motor", "", ""},      {"Akku", "180", ""}, {"Servo; links", "9", "400"}, {"", "", ""},
        {"Rumpf;x", "y", ""},   {"", "", ""},        {"no end", "", ""},
    };
    EXPECT_EQ(got.balance, rows);
    EXPECT_EQ(got.margin, "7.5");
    EXPECT_EQ(got.stabilityMode, StabilityMode::Automatic);
    got.balance = expected.balance;
    EXPECT_EQ(got, expected);
}

TEST_F(BalanceFileTest, AFileBeyondTheLimitsOpensCutAndSaysSo)
{
    std::string file = test::readBytes(Data + "trainer_example.wk4");
    std::string rows;
    const std::string longName(70, 'N');
    for (int i = 0; i < 130; ++i)
        rows += " <balance_item>" + (i < 3 ? longName : "Servo " + std::to_string(i)) + ";9;400</balance_item>\r\n";
    file.insert(file.find(" <comment>"), rows);
    AircraftTexts texts;
    const OpenOutcome opened = open(write("many.wk4", file), texts);
    ASSERT_TRUE(opened.ok());
    ASSERT_EQ(texts.balance.size(), 100u);
    EXPECT_EQ(texts.balance[0].name, std::string(60, 'N'));
    EXPECT_EQ(texts.balance[99].name, "Servo 99");
    EXPECT_EQ(opened.balanceCut.itemsLeftOut, 30);
    EXPECT_EQ(opened.balanceCut.namesShortened, 3);
    EXPECT_EQ(texts.comment, "Trainer");
}

// Older files and the legacy format hold no balance: opening one leaves none of the aircraft
// opened before, and the margin and mode start again at 7.5 % automatic.
TEST_F(BalanceFileTest, FilesWithoutABalanceOpenWithTheStartingOne)
{
    for (const std::string& file : {Data + "trainer_example.wk4", std::string(AEROBALANCE_SOURCE_DIR "/examples/biplane.da4")}) {
        AircraftTexts texts;
        ASSERT_TRUE(open(file, texts).ok()) << file;
        EXPECT_TRUE(texts.balance.empty()) << file;
        EXPECT_EQ(texts.margin, "7.5") << file;
        EXPECT_EQ(texts.stabilityMode, StabilityMode::Automatic) << file;
    }
    // A balance line among the remarks is part of the remarks.
    std::string file = test::readBytes(Data + "trainer_example.wk4");
    file.replace(file.find("Trainer</comment>"), 17, "Trainer\r\n<balance_item>Motor;100;0</balance_item></comment>");
    AircraftTexts texts;
    ASSERT_TRUE(open(write("remark.wk4", file), texts).ok());
    EXPECT_TRUE(texts.balance.empty());
}

} // namespace
} // namespace ab
