// SPDX-License-Identifier: GPL-3.0-or-later
// Wing names in the aircraft file and the wing copy: where the line stands, its code page, what a
// name may hold, and that files without names keep their bytes.
#include "files/aircraft_reader.h"
#include "files/aircraft_writer.h"
#include "files/open_aircraft.h"
#include "files/wing_copy.h"
#include "model/wing_name.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <sstream>

namespace ab {
namespace {

// The text without the lines that hold `part`.
std::string withoutLinesHolding(const std::string& text, const std::string& part)
{
    std::string out;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);)
        if (line.find(part) == std::string::npos)
            out += line + '\n';
    return out;
}

AircraftTexts twoWings()
{
    AircraftTexts t = defaultAircraftTexts();
    t.wingCount = 2;
    t.comment = "Trainer";
    return t;
}

TEST(WingNameFile, NamesComeBackAsStoredInTheRemarksCodePage)
{
    struct Case {
        const char* typed;
        const char* readBack;
        const char* bytesInFile; // the line as the file holds it
    };
    const std::string sixty(MaxWingNameLength, 'x');
    const Case cases[] = {
        {"Tailplane", "Tailplane", "  <wing_name>Tailplane</wing_name>\r\n"},
        {"Höhenleitwerk", "Höhenleitwerk", "  <wing_name>H\xF6henleitwerk</wing_name>\r\n"},
        {"Ente → vorn", "Ente → vorn", "  <wing_name>Ente \xE2\x86\x92 vorn</wing_name>\r\n"},
        {"a<b>c", "a<b>c", "  <wing_name>a&lt;b>c</wing_name>\r\n"},
        {"two\r\nlines\tand tab", "two\r\nlines\tand tab", "  <wing_name>two&#13;&#10;lines&#9;and tab</wing_name>\r\n"},
        {"  padded  ", "  padded  ", "  <wing_name>  padded  </wing_name>\r\n"},
    };
    test::TempFolder folder;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        AircraftTexts t = twoWings();
        t.wing[2].name = c.typed;
        const std::string text = aircraftFileText(t, Aircraft{});
        EXPECT_NE(text.find(std::string("  <wing_id>2</wing_id>\r\n") + c.bytesInFile), std::string::npos) << text;

        const std::string file = folder.file("named.wk4");
        test::writeBytes(file, text);
        Aircraft ac;
        AircraftTexts back = defaultAircraftTexts();
        back.wing[1].name = "stale";
        ASSERT_TRUE(openAircraftFile(file, ac, back, Language::English).ok());
        EXPECT_EQ(back.wing[2].name, c.readBack);
        EXPECT_EQ(back.wing[1].name, ""); // a wing the file does not name has none
        EXPECT_EQ(aircraftFileText(back, ac), text); // and saves to the same bytes
    }

    // A long name keeps its first 60 characters, whether typed or found in a hand-made file.
    AircraftTexts t = twoWings();
    t.wing[1].name = sixty + "yyy";
    const AircraftFileReading r = readAircraftText(aircraftFileText(t, Aircraft{}), Language::English);
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.extras.wingName[1], sixty);
    const std::string handMade = "<aircraft>\r\n<wings_count>1</wings_count>\r\n<wing_id>1</wing_id>\r\n"
                                 "<wing_name>" + std::string(80, 'z') + "</wing_name>\r\n</aircraft>\r\n";
    EXPECT_EQ(readAircraftText(handMade, Language::English).extras.wingName[1], std::string(60, 'z'));
}

TEST(WingNameFile, AFileWithoutNamesKeepsItsBytesAndOnlyTheNameLinesDiffer)
{
    AircraftTexts plain = defaultAircraftTexts();
    plain.comment = "Five wings";
    AircraftTexts named = plain;
    const char* names[] = {"", "Lower wing", "", "Upper wing", " ", "Floats"};
    for (int w = 1; w <= MaxWings; ++w)
        named.wing[w].name = names[w];
    const std::string without = aircraftFileText(plain, Aircraft{});
    const std::string with = aircraftFileText(named, Aircraft{});
    EXPECT_EQ(without.find("wing_name"), std::string::npos);
    EXPECT_EQ(withoutLinesHolding(with, "<wing_name>"), withoutLinesHolding(without, "<wing_name>"));
    // The empty name writes no line; a name of one blank is a name.
    EXPECT_EQ(std::count(with.begin(), with.end(), '\n') - std::count(without.begin(), without.end(), '\n'), 4);
}

TEST(WingNameFile, ANameCountsOnlyInsideAWingOfOneToFive)
{
    const std::string text = "<aircraft>\r\n"
                             " <wings_count>2</wings_count>\r\n"
                             " <wing_name>before any wing</wing_name>\r\n"
                             " <wing_id>7</wing_id>\r\n"
                             " <wing_name>wing seven</wing_name>\r\n"
                             " <wing_id>2</wing_id>\r\n"
                             " <Wing_name>wrong case</Wing_name>\r\n"
                             " <wing_name>Canard</wing_name><x>5</x>\r\n"
                             " <comment>A <wing_name>in the remarks</wing_name></comment>\r\n"
                             "</aircraft>\r\n";
    const AircraftFileReading r = readAircraftText(text, Language::English);
    ASSERT_TRUE(r.ok()) << r.message;
    for (int w = 1; w <= MaxWings; ++w)
        EXPECT_EQ(r.extras.wingName[w], w == 2 ? "Canard" : "") << w;

    // The older numeric layout carries no names: opening one clears them.
    test::TempFolder folder;
    const std::string legacy = folder.file("old.da4");
    test::writeBytes(legacy, "1\r\n1\r\n300\r\n");
    Aircraft ac;
    AircraftTexts texts = defaultAircraftTexts();
    texts.wing[1].name = "Wing";
    ASSERT_TRUE(openAircraftFile(legacy, ac, texts, Language::English).ok());
    EXPECT_EQ(texts.wing[1].name, "");
}

TEST(WingNameFile, AWingCopyCarriesItsNameOnALineOfItsOwn)
{
    test::TempFolder folder;
    const std::string file = folder.file(CopyFileName);
    AircraftTexts t = defaultAircraftTexts();
    t.wing[2].name = "Höhenleitwerk";
    const std::string named = wingCopyText(t, Aircraft{}, 2);
    t.wing[2].name.clear();
    const std::string plain = wingCopyText(t, Aircraft{}, 2);
    EXPECT_EQ(named, plain + "<wing_name>H\xF6henleitwerk</wing_name>\r\n");

    // Inserted into wing 4, the copy brings its name; a copy without one leaves wing 4's.
    test::writeBytes(file, named);
    AircraftTexts target = defaultAircraftTexts();
    target.wing[4].name = "Fuselage";
    const WingCopyReading copy = readWingCopy(file, Language::English);
    ASSERT_TRUE(copy.ok());
    applyToTexts(insertionOf(copy, 4), target);
    EXPECT_EQ(target.wing[4].name, "Höhenleitwerk");
    EXPECT_EQ(target.wing[4][Role::RootChord], " 135"); // wing 2's root chord

    test::writeBytes(file, plain);
    target.wing[4].name = "Fuselage";
    applyToTexts(insertionOf(readWingCopy(file, Language::English), 4), target);
    EXPECT_EQ(target.wing[4].name, "Fuselage");
}

} // namespace
} // namespace ab
