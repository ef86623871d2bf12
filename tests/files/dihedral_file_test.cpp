// SPDX-License-Identifier: GPL-3.0-or-later
// The dihedral angles through everything that keeps or moves a wing: the aircraft file, the wing
// copy, and the states of the texts that undo keeps.
#include "document/aircraft_document.h"
#include "files/aircraft_writer.h"
#include "files/dihedral_lines.h"
#include "files/open_aircraft.h"
#include "files/wing_copy.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace ab {
namespace {

bool holds(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(DihedralFile, TheStoredDegreesKeepAPlainNumberAsTyped)
{
    struct Case {
        const char* typed;
        const char* stored;
    };
    const Case cases[] = {
        {"", ""},        {"0", ""},        {"-0.0", ""},      {"abc", ""},      {"40", "40"},
        {" 40 ", "40"},  {"7.50", "7.50"}, {"-12", "-12"},    {"2,5", "2.5"},   {"75", "60"},
        {"-90", "-60"},  {"+5", "5"},      {"1e1", "10"},     {"3.", "3"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(storedDihedral(c.typed), c.stored) << c.typed;
}

// Angles on wings 1 and 3 (one beyond wing 3's trapezoid count, which the file leaves out, as it
// leaves out the trapezoid's other fields) are written as lines before the comment, read back into
// the texts as stored, and a second save gives the same bytes.
TEST(DihedralFile, AnglesRoundTripThroughTheAircraftFile)
{
    AircraftTexts t = defaultAircraftTexts();
    const std::string flat = aircraftFileText(t, Aircraft{});
    EXPECT_FALSE(holds(flat, "dihedral"));

    t.wing[1].dihedral = {"", "2", "2,5", "", "8"};
    t.wing[3].trapezoidCount = 1;
    t.wing[3].dihedral = {"", "-40", "12", "", ""};
    const std::string text = aircraftFileText(t, Aircraft{});
    EXPECT_TRUE(holds(text, " <dihedral>1;1;2</dihedral>\r\n <dihedral>1;2;2.5</dihedral>\r\n"
                            " <dihedral>1;4;8</dihedral>\r\n <dihedral>3;1;-40</dihedral>\r\n \r\n"));
    EXPECT_FALSE(holds(text, "3;2;"));
    EXPECT_LT(text.find("<dihedral>"), text.find("<comment>"));

    Aircraft ac;
    AircraftTexts back = defaultAircraftTexts();
    back.wing[2].dihedral[1] = "33"; // a file without a line for it makes the trapezoid flat
    ASSERT_TRUE(openAircraftText(text, "tilted.wk4", ac, back, Language::English).ok());
    const std::array<std::string, 5> wing1{"", "2", "2.5", "", "8"}, wing3{"", "-40", "", "", ""}, none{};
    EXPECT_EQ(back.wing[1].dihedral, wing1);
    EXPECT_EQ(back.wing[2].dihedral, none);
    EXPECT_EQ(back.wing[3].dihedral, wing3);
    EXPECT_EQ(aircraftFileText(back, ac), text);
    EXPECT_TRUE(hasDihedral(ac, 1));
    EXPECT_FALSE(hasDihedral(ac, 2));
}

// Lines that name no trapezoid are ignored; an angle that is no usable angle stays as written, for
// its field to show it marked.
TEST(DihedralFile, MalformedLinesAreIgnoredAndTheLastOneWins)
{
    AircraftTexts t = defaultAircraftTexts();
    std::string text = aircraftFileText(t, Aircraft{});
    const std::string lines = " <dihedral>6;1;5</dihedral>\r\n <dihedral>1;5;5</dihedral>\r\n"
                              " <dihedral>1;1</dihedral>\r\n <dihedral>1;2;abc</dihedral>\r\n"
                              " <dihedral> 2 ; 1 ; 10 </dihedral>\r\n <dihedral>2;1;-12.5</dihedral>\r\n"
                              " <dihedral>3;1;99</dihedral>\r\n";
    text.insert(text.find(" <comment>"), lines);
    Aircraft ac;
    ASSERT_TRUE(openAircraftText(text, "hand.wk4", ac, t, Language::English).ok());
    const std::array<std::string, 5> wing1{"", "", "abc", "", ""}, wing2{"", "-12.5", "", "", ""},
        wing3{"", "99", "", "", ""};
    EXPECT_EQ(t.wing[1].dihedral, wing1);
    EXPECT_EQ(t.wing[2].dihedral, wing2);
    EXPECT_EQ(t.wing[3].dihedral, wing3);
}

// An unusable angle in a file is kept as written and named in the notes with its line and the
// degrees the calculation takes; a line a later one replaces says nothing.
TEST(DihedralFile, AnUnusableAngleIsKeptAndNamedInTheNotes)
{
    const std::string base = aircraftFileText(defaultAircraftTexts(), Aircraft{});
    const std::size_t at = base.find(" <comment>");
    const std::string line = std::to_string(1 + std::count(base.begin(), base.begin() + static_cast<std::ptrdiff_t>(at), '\n'));
    for (const auto& [written, used] : {std::pair{"4O", "0.0"}, {"abc", "0.0"}, {"NaN", "0.0"}, {"1e308", "0.0"}, {"-75", "-60.0"}}) {
        std::string text = base;
        text.insert(at, " <dihedral>2;1;" + std::string(written) + "</dihedral>\r\n <dihedral>1;1;x</dihedral>\r\n"
                        " <dihedral>1;1;5</dihedral>\r\n");
        for (const auto& [l, start] : {std::pair{Language::English, "Line "}, {Language::German, "Zeile "}, {Language::Spanish, "Línea "}}) {
            Aircraft ac;
            AircraftTexts t = defaultAircraftTexts();
            const OpenOutcome opened = openAircraftText(text, "tail.wk4", ac, t, l);
            EXPECT_EQ(t.wing[2].dihedral[1], written);
            EXPECT_EQ(t.wing[1].dihedral[1], "5");
            ASSERT_EQ(opened.notes.size(), 1u) << written;
            const std::string& note = opened.notes[0];
            EXPECT_TRUE(note.starts_with(start + line) && holds(note, "'" + std::string(written) + "'") &&
                        holds(note, std::string(used) + "°")) << note;
        }
    }
}

// The copy carries all four angles after the name, where a reader of the older copy never looks;
// inserting it gives the wing the copied angles, and a copy without any makes the wing flat.
TEST(DihedralFile, AnglesTravelWithTheWingCopy)
{
    test::TempFolder folder;
    AircraftTexts t = defaultAircraftTexts();
    t.wing[2].name = "V-tail";
    t.wing[2].dihedral = {"", "40", "", "", "-3"};
    const std::string text = wingCopyText(t, Aircraft{}, 2);
    EXPECT_TRUE(holds(text, "<wing_name>V-tail</wing_name>\r\n<dihedral>1;40</dihedral>\r\n<dihedral>4;-3</dihedral>\r\n"));
    EXPECT_FALSE(holds(wingCopyText(defaultAircraftTexts(), Aircraft{}, 2), "dihedral"));

    const std::string copy = folder.file("wingcopy.fl4");
    test::writeBytes(copy, text);
    AircraftTexts target = defaultAircraftTexts();
    applyToTexts(insertionOf(readWingCopy(copy, Language::English), 1), target);
    EXPECT_EQ(target.wing[1].dihedral, t.wing[2].dihedral);
    EXPECT_EQ(target.wing[1].name, "V-tail");

    // Without a name the angles follow the results directly.
    t.wing[2].name.clear();
    test::writeBytes(copy, wingCopyText(t, Aircraft{}, 2));
    EXPECT_EQ(readWingCopy(copy, Language::English).dihedral, t.wing[2].dihedral);

    test::writeBytes(copy, wingCopyText(defaultAircraftTexts(), Aircraft{}, 3));
    applyToTexts(insertionOf(readWingCopy(copy, Language::English), 1), target);
    EXPECT_EQ(target.wing[1].dihedral, (std::array<std::string, 5>{}));
}

// Undo shows a recorded state of the texts again; an angle is part of the geometry, so a state that
// differs only in an angle makes the results stale.
TEST(DihedralFile, AnAngleIsGeometryForUndo)
{
    AircraftTexts a = defaultAircraftTexts(), b = a;
    b.wing[2].dihedral[1] = "40";
    EXPECT_FALSE(sameGeometry(a, b));
    EXPECT_NE(a, b);
    b = a;
    b.wing[2].name = "Tail";
    EXPECT_TRUE(sameGeometry(a, b));
}

// Refined spacing is one line before the comment; equal spacing writes none, and reading a file
// without the line, or with a word the program does not know, gives equal spacing. The spacing is
// part of the geometry: results of one spacing are not those of the other.
TEST(SpacingFile, RefinedSpacingRoundTripsThroughTheAircraftFile)
{
    AircraftTexts t = defaultAircraftTexts();
    const std::string equal = aircraftFileText(t, Aircraft{});
    EXPECT_FALSE(holds(equal, "spacing"));
    t.spacing = SpanwiseSpacing::Refined;
    const std::string refined = aircraftFileText(t, Aircraft{});
    EXPECT_TRUE(holds(refined, " <spacing>refined</spacing>\r\n <comment>"));
    std::string expected = equal;
    expected.insert(expected.find(" <comment>"), " <spacing>refined</spacing>\r\n");
    EXPECT_EQ(refined, expected);

    Aircraft ac;
    AircraftTexts back = defaultAircraftTexts();
    ASSERT_TRUE(openAircraftText(refined, "refined.wk4", ac, back, Language::English).ok());
    EXPECT_EQ(back.spacing, SpanwiseSpacing::Refined);
    EXPECT_EQ(ac.StripSpacing, SpanwiseSpacing::Refined);
    EXPECT_EQ(aircraftFileText(back, ac), refined);
    ASSERT_TRUE(openAircraftText(equal, "equal.wk4", ac, back, Language::English).ok());
    EXPECT_EQ(back.spacing, SpanwiseSpacing::Equal);

    std::string unknown = refined;
    unknown.replace(unknown.find("refined</"), 7, "fine");
    back.spacing = SpanwiseSpacing::Refined;
    ASSERT_TRUE(openAircraftText(unknown, "hand.wk4", ac, back, Language::English).ok());
    EXPECT_EQ(back.spacing, SpanwiseSpacing::Equal);

    AircraftTexts other = defaultAircraftTexts();
    other.spacing = SpanwiseSpacing::Refined;
    EXPECT_FALSE(sameGeometry(defaultAircraftTexts(), other));
}

} // namespace
} // namespace ab
