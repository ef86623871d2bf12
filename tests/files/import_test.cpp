// SPDX-License-Identifier: GPL-3.0-or-later
// Opening AVL decks and XFLR5 plane files: small hand-written files with the aircraft each must give
// and the lines each must say, refusals that name the line, the round trip of an exported deck, and an
// XFLR5 wing and tail against the same aircraft typed by hand.
#include "document/aircraft_document.h"
#include "files/avl_export.h"
#include "files/text_file.h"
#include "files/wing_from_file.h"
#include "model/recalculation.h"
#include "model/wing_name.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

namespace ab {
namespace {

// A wing's fields in one line: "x z gap root | width tip offset [@angle] | ..." and its name.
std::string shape(const AircraftTexts& t, int w)
{
    const WingTexts& wt = t.wing[w];
    const auto f = [&](Role r) { return std::string(withoutBlanks(wt[r])); };
    std::string s = wt.name + ": " + f(Role::PosX) + " " + f(Role::PosZ) + " " + f(Role::RootGap) + " " +
                    f(Role::RootChord);
    for (int k = 1; k <= wt.trapezoidCount; ++k) {
        s += " | " + f(widthRole(k)) + " " + f(tipChordRole(k)) + " " + f(tipOffsetRole(k));
        if (!wt.dihedral[static_cast<std::size_t>(k)].empty())
            s += " @" + wt.dihedral[static_cast<std::size_t>(k)];
    }
    return s;
}

struct ImportCase {
    DeckUnit unit; // for a deck that does not state its own
    const char* what;
    const char* fileName;
    const char* text;
    std::vector<std::string> wings;  // shape() of each wing
    std::vector<std::string> saying; // a piece of each note, in order
};

const ImportCase Cases[] = {
    {DeckUnit::Metre, "mirrored, translated, unit asked", "plain.avl",
     "Plain\n0.0\n0 0 0.0\n0.5 0.2 2.0\n0.05 0 0\n"
     "SURFACE\nWing\n8 1.0\nYDUPLICATE\n0.0\nTRANSLATE\n+0.1 0 2.0D-2\n"
     "SECTION\n0 0 0 0.25 0\nSECTION\n0.03 1.0 0 0.15 0 ! tip\n",
     {"Wing: 100 20 0 250 | 1000 150 30"},
     {"read in m"}},
    {DeckUnit::Metre, "across the centre line, scaled, unit stated", "tail.avl",
     "Tail\n# Lengths in mm\n0\n0 0 0\n1 1 1\n0 0 0\n"
     "SURFACE\nTail\n4 1\nSCALE\n2 2 2\n"
     "SECTION\n10 -200 0 50\nSECTION\n0 0 0 60\nSECTION\n10 200 0 50\n",
     {"Tail: 0 0 0 120 | 400 100 20"},
     {"right half is read"}},
    {DeckUnit::Inch, "tilted in inches, with twist, camber, a control, a fin and a body", "glider.avl",
     "Glider\n0\n0 0 0\n1 1 1\n0 0 0\n"
     "SURFACE\nWing\n8 1\nYDUP\n0\nSECTION\n0 0 0 10 2\nNACA\n2412\n"
     "SECTION\n1 20 1.7497724 8 0\nCONTROL\naileron 1 0.7 0 1 0 -1\n"
     "SURFACE\nFin\n6 1\nSECTION\n30 0 0 6 0\nSECTION\n32 0 8 4 0\n"
     "BODY\nFuse\n12 1\nBFILE\nfuse.dat\n",
     {"Wing: 0 0 0 254 | 510 203 25 @5"},
     {"read in in", "\"Wing\": twist left out (incidence of its sections from 0° to 2°)", "NACA 2412",
      "control surfaces left out (aileron)", "\"Fin\": a fin", "\"Fuse\": a body"}},
    {DeckUnit::Metre, "a one-sided surface, a curved leading edge joined to four trapezoids", "ellipse.avl",
     "# units: mm\nEllipse\n0\n0 0 0\n1 1 1\n0 0 0\n"
     "SURFACE\nHalf\n8 1\nSECTION\n0 50 0 200\nSECTION\n5 250 0 195\nSECTION\n12 400 0 185\n"
     "SECTION\n25 550 0 160\nSECTION\n45 650 0 120\nSECTION\n80 700 0 50\n",
     {"Half: 0 0 50 200 | 350 185 12 | 150 160 25 | 100 120 45 | 50 50 80"},
     {"one-sided", "5 trapezoids joined to 4"}},
    {DeckUnit::Metre, "six surfaces, two joined as one component", "many.avl",
     "Many\n0\n1 0 0\n1 1 1\n0 0 0\n"
     "SURFACE\nA\nINDEX\n1\nSECTION\n0 0 0 .2\nSECTION\n0 1 0 .2\n"
     "SURFACE\nB\nINDEX\n1\nSECTION\n0 1 0 .2\nSECTION\n0 1.5 0.2 .1\n"
     "SURFACE\nC\nSECTION\n1 0 0 .1\nSECTION\n1 .3 0 .1\n"
     "SURFACE\nD\nSECTION\n1 0 .3 .1\nSECTION\n1 .3 .3 .1\n"
     "SURFACE\nE\nSECTION\n2 0 0 .1\nSECTION\n2 .2 0 .1\n"
     "SURFACE\nF\nSECTION\n3 0 0 .1\nSECTION\n3 .25 0 .1\n",
     {"A: 0 0 0 200 | 1000 200 0", "B: 0 0 1000 200 | 539 100 0 @21.8", "C: 1000 0 0 100 | 300 100 0",
      "D: 1000 300 0 100 | 300 100 0", "F: 3000 0 0 100 | 250 100 0"},
     {"read in m", "\"A\": joined to other surfaces as component 1", "\"B\": joined", "\"E\": left out"}},
    {DeckUnit::Metre, "XFLR5 plane in mm with a fin, a body and a cambered airfoil", "plane.xml",
     "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE explane>\n<explane version=\"1.0\">\n"
     "<Units><length_unit_to_meter>0.001</length_unit_to_meter></Units>\n<Plane><Name>Trainer &amp; &#x2018;co&#8217;</Name>\n"
     "<has_body>true</has_body>\n"
     "<wing><Name>Main Wing</Name><Type>MAINWING</Type><Position>10, 0, 5</Position><Tilt_angle>1.5</Tilt_angle>\n"
     "<Sections><Section><y_position>0</y_position><Chord>220</Chord><xOffset>0</xOffset><Dihedral>3</Dihedral>"
     "<Right_Side_FoilName>SD7037</Right_Side_FoilName></Section>\n"
     "<Section><y_position>600</y_position><Chord>200</Chord><xOffset>5</xOffset><Dihedral>0</Dihedral></Section>"
     "</Sections></wing>\n"
     "<wing><Name>Fin</Name><Type>FIN</Type><isFin>true</isFin></wing>\n"
     "</Plane></explane>\n",
     {"Main Wing: 10 5 0 220 | 600 200 5 @3"},
     {"\"Body\": a body", "\"Main Wing\": incidence of 1.5°", "camber left out (SD7037)", "\"Fin\": a fin"}},
    {DeckUnit::Metre, "XFLR5 wing-only file in metres", "wing.xml",
     "<explane version=\"1.0\"><wing><Name>Elevator</Name><Type>ELEVATOR</Type>"
     "<Position>0.75, 0, 0.05</Position><Sections>"
     "<Section><y_position>0.0</y_position><Chord>0.1</Chord><xOffset>0</xOffset></Section><!-- root -->"
     "<Section><y_position>0.25</y_position><Chord>0.08</Chord><xOffset>0.01</xOffset></Section>"
     "</Sections></wing></explane>",
     {"Elevator: 750 50 0 100 | 250 80 10"},
     {}},
};

class ImportTest : public ::testing::Test {
protected:
    test::TempFolder folder;
    std::string write(const std::string& name, const std::string& bytes)
    {
        const std::string path = folder.file(name);
        test::writeBytes(path, bytes);
        return path;
    }
};

TEST_F(ImportTest, EachFileGivesItsAircraftAndSaysWhatWasLeftOut)
{
    for (const ImportCase& c : Cases) {
        SCOPED_TRACE(c.what);
        AircraftDocument doc;
        const OpenOutcome opened = doc.open(write(c.fileName, c.text), Language::English, c.unit);
        ASSERT_TRUE(opened.ok()) << opened.message;
        ASSERT_EQ(doc.texts.wingCount, static_cast<int>(c.wings.size()));
        for (int w = 1; w <= doc.texts.wingCount; ++w)
            EXPECT_EQ(shape(doc.texts, w), c.wings[static_cast<std::size_t>(w - 1)]);
        ASSERT_EQ(opened.notes.size(), c.saying.size()) << ::testing::PrintToString(opened.notes);
        for (std::size_t i = 0; i < c.saying.size(); ++i)
            EXPECT_NE(opened.notes[i].find(c.saying[i]), std::string::npos) << opened.notes[i];
        // Opened unsaved, without a file, under the file's name with ".wk4".
        EXPECT_TRUE(doc.modified());
        EXPECT_TRUE(doc.fileName.empty());
        EXPECT_EQ(opened.importedAs, folder.file(std::filesystem::path(c.fileName).stem().string() + ".wk4"));
        EXPECT_FALSE(doc.calculate(Language::English).failed);
        EXPECT_TRUE(std::isfinite(doc.aircraft.NeutralPointX));
        if (std::string_view(c.fileName) == "plane.xml") {
            EXPECT_EQ(doc.texts.comment, "Trainer & \u2018co\u2019");
        }
    }
}

TEST_F(ImportTest, NotesComeInTheChosenLanguageAndTheDeckUnitIsTheChosenOne)
{
    const ImportCase& glider = Cases[2];
    AircraftDocument doc;
    OpenOutcome opened = doc.open(write("glider.avl", glider.text), Language::German, DeckUnit::Millimetre);
    ASSERT_TRUE(opened.ok());
    EXPECT_EQ(withoutBlanks(doc.texts.wing[1][Role::RootChord]), "10");
    EXPECT_NE(opened.notes[1].find("Schränkung weggelassen"), std::string::npos);
    opened = doc.open(write("glider.avl", glider.text), Language::Spanish, DeckUnit::Foot);
    EXPECT_EQ(withoutBlanks(doc.texts.wing[1][Role::RootChord]), "3048");
    EXPECT_NE(opened.notes[5].find("un cuerpo"), std::string::npos);
}

TEST_F(ImportTest, RefusedFilesNameTheFileTheLineAndTheReason)
{
    const struct {
        const char* fileName;
        const char* text;
        const char* saying;
    } refused[] = {
        {"bad.avl", "Bad\n0\n0 0 0\n1 1 1\n0 0 0\nSURFACE\nW\nSECTION\n0 0 x 0.2\n", "line 9: \"x\" is no number"},
        {"short.avl", "Bad\n0\n0 0 0\n1 1 1\n0 0 0\nSURFACE\nW\nSECTION\n0 0 0\n", "line 9: Xle Yle Zle Chord"},
        {"empty.avl", "Nothing\n0\n0 0 0\n1 1 1\n0 0 0\n", "no wing the program can take"},
        {"far.avl", "Far\n0\n0 0 0\n1 1 1\n0 0 0\nSURFACE\nW\nSECTION\n0 0 0 1\nSECTION\n0 2000 0 1\n",
         "line 11: a length beyond a kilometre"},
        {"open.xml", "<explane>\n<Plane>\n<wing>\n</Plane>\n</explane>", "line 4: an end tag that closes no open element"},
        {"entity.xml", "<!DOCTYPE explane [<!ENTITY a \"b\">]>\n<explane/>", "entities of its own"},
        {"other.xml", "<svg><g/></svg>", "no XFLR5 plane or wing file"},
        {"chord.xml", "<explane><wing><Sections>\n<Section><Chord>0.2m</Chord></Section></Sections></wing></explane>",
         "line 2: \"0.2m\" is no number"},
    };
    for (const auto& r : refused) {
        SCOPED_TRACE(r.fileName);
        AircraftDocument doc;
        const AircraftTexts before = doc.texts;
        const std::string path = write(r.fileName, r.text);
        const OpenOutcome opened = doc.open(path, Language::English);
        EXPECT_FALSE(opened.ok());
        EXPECT_NE(opened.message.find(path), std::string::npos) << opened.message;
        EXPECT_NE(opened.message.find(r.saying), std::string::npos) << opened.message;
        EXPECT_EQ(doc.texts, before);
    }
}

// A wing of a deck inserted into a wing of the aircraft on display takes the deck's planform, angles and
// name, keeps its own place, and says what was left out; a file that cannot be read changes nothing.
TEST_F(ImportTest, AWingOfADeckInsertsItsPlanformButNotItsPlace)
{
    const WingSource source = readWingSource(write("glider.avl", Cases[2].text), Language::German, DeckUnit::Inch);
    ASSERT_TRUE(source.outcome.ok()) << source.outcome.message;
    EXPECT_EQ(source.captions, std::vector<std::string>{"Flügel 1 - Wing"});
    EXPECT_EQ(source.outcome.notes.size(), Cases[2].saying.size());
    AircraftTexts texts = defaultAircraftTexts();
    const WingTexts before = texts.wing[3];
    applyToTexts(insertionOf(source, 1, 3), texts);
    EXPECT_EQ(shape(texts, 3), "Wing: " + std::string(withoutBlanks(before[Role::PosX])) + " " +
                                   std::string(withoutBlanks(before[Role::PosZ])) + " 0 254 | 510 203 25 @5");

    // An aircraft file of the program's own gives its wings by number, each with its own planform.
    const std::string trainer = std::string(AEROBALANCE_SOURCE_DIR) + "/examples/trainer.wk4";
    const WingSource own = readWingSource(trainer, Language::English, DeckUnit::Metre);
    ASSERT_TRUE(own.outcome.ok()) << own.outcome.message;
    EXPECT_EQ(own.captions, (std::vector<std::string>{"Wing 1", "Wing 2"}));
    AircraftDocument opened;
    ASSERT_TRUE(opened.open(trainer, Language::English).ok());
    AircraftTexts two = defaultAircraftTexts();
    applyToTexts(insertionOf(own, 2, 1), two);
    for (int i = 0; i < WingFieldCount; ++i)
        EXPECT_EQ(two.wing[1][static_cast<Role>(i)], opened.texts.wing[2][static_cast<Role>(i)]) << i;
    EXPECT_EQ(two.wing[1].trapezoidCount, opened.texts.wing[2].trapezoidCount);

    const WingSource missing = readWingSource(folder.file("none.avl"), Language::English, DeckUnit::Metre);
    EXPECT_FALSE(missing.outcome.ok());
    EXPECT_NE(missing.outcome.message.find("none.avl"), std::string::npos);
    EXPECT_TRUE(missing.captions.empty());
}

// The stations of each wing as built, without repeats: leading edge x, y seen from above, height, chord.
std::vector<std::array<double, 4>> stationsOf(const Aircraft& a, int w)
{
    std::vector<std::array<double, 4>> out;
    for (int s = 0; s < a.StationCount[w]; ++s) {
        const std::array<double, 4> p{a.StationLeX[s][w], a.StationProjectedY[s][w], a.posZ[w] + a.StationRise[s][w],
                                      a.StationChord[s][w]};
        if (out.empty() || out.back() != p)
            out.push_back(p);
    }
    return out;
}

TEST_F(ImportTest, AnExportedDeckOpensBackToTheSameAircraftAndNeutralPoint)
{
    for (const char* example : {"trainer.wk4", "vtail_glider.wk4", "canard.wk4", "tandem.wk4", "fuselage_gap.wk4"}) {
        SCOPED_TRACE(example);
        AircraftDocument doc;
        ASSERT_TRUE(doc.open(std::string(AEROBALANCE_SOURCE_DIR) + "/examples/" + example, Language::English).ok());
        ASSERT_FALSE(doc.calculate(Language::English).failed);
        const std::optional<std::string> deck =
            avlFileText(doc.aircraft, doc.solver, doc.centreOfGravity().x, wingNames(doc.texts), "plane");
        ASSERT_TRUE(deck);
        AircraftDocument back;
        const OpenOutcome opened = back.open(write("plane.avl", *deck), Language::English, DeckUnit::Inch);
        ASSERT_TRUE(opened.ok()) << opened.message;
        EXPECT_TRUE(opened.notes.empty()) << ::testing::PrintToString(opened.notes); // metres, as the deck says
        ASSERT_EQ(back.texts.wingCount, doc.aircraft.ActiveWingCount);
        ASSERT_FALSE(back.calculate(Language::English).failed);
        for (int w = 1; w <= back.texts.wingCount; ++w) {
            const auto want = stationsOf(doc.aircraft, w), got = stationsOf(back.aircraft, w);
            ASSERT_EQ(got.size(), want.size()) << "wing " << w;
            for (std::size_t s = 0; s < want.size(); ++s)
                for (int i = 0; i < 4; ++i)
                    EXPECT_NEAR(got[s][static_cast<std::size_t>(i)], want[s][static_cast<std::size_t>(i)], 0.5)
                        << "wing " << w << " station " << s;
        }
        EXPECT_NEAR(back.aircraft.NeutralPointX, doc.aircraft.NeutralPointX, 0.05);
    }
}

TEST_F(ImportTest, AnXflr5WingAndTailGiveTheNeutralPointOfTheSameAircraftTypedByHand)
{
    const std::string xml =
        "<?xml version=\"1.0\"?>\n<explane version=\"1.0\"><Units><length_unit_to_meter>1</length_unit_to_meter>"
        "<mass_unit_to_kg>1</mass_unit_to_kg></Units><Plane><Name>Plain</Name>\n"
        "<wing><Name>Main Wing</Name><Type>MAINWING</Type><Position>0, 0, 0</Position><Sections>\n"
        "<Section><y_position>0</y_position><Chord>0.22</Chord><xOffset>0</xOffset><Dihedral>3</Dihedral></Section>\n"
        "<Section><y_position>0.6</y_position><Chord>0.2</Chord><xOffset>0.005</xOffset><Dihedral>6</Dihedral></Section>\n"
        "<Section><y_position>1.0</y_position><Chord>0.13</Chord><xOffset>0.03</xOffset><Dihedral>0</Dihedral></Section>\n"
        "</Sections></wing>\n"
        "<wing><Name>Elevator</Name><Type>ELEVATOR</Type><Position>0.75, 0, 0.05</Position><Sections>\n"
        "<Section><y_position>0</y_position><Chord>0.1</Chord><xOffset>0</xOffset></Section>\n"
        "<Section><y_position>0.25</y_position><Chord>0.08</Chord><xOffset>0.01</xOffset></Section>\n"
        "</Sections></wing></Plane></explane>\n";
    AircraftDocument imported;
    ASSERT_TRUE(imported.open(write("plain.xml", xml), Language::English).ok());
    ASSERT_FALSE(imported.calculate(Language::English).failed);

    AircraftDocument typed;
    AircraftTexts& t = typed.texts;
    t.wingCount = 2;
    const auto set = [&](int w, int trapezoids, std::vector<std::pair<Role, const char*>> fields) {
        t.wing[w].trapezoidCount = trapezoids;
        for (auto& [role, text] : fields)
            t.wing[w][role] = text;
    };
    set(1, 2, {{Role::PosX, "0"}, {Role::PosZ, "0"}, {Role::RootGap, "0"}, {Role::RootChord, "220"},
               {widthRole(1), "600"}, {tipChordRole(1), "200"}, {tipOffsetRole(1), "5"},
               {widthRole(2), "400"}, {tipChordRole(2), "130"}, {tipOffsetRole(2), "30"}});
    t.wing[1].dihedral = {"", "3", "6", "", ""};
    set(2, 1, {{Role::PosX, "750"}, {Role::PosZ, "50"}, {Role::RootGap, "0"}, {Role::RootChord, "100"},
               {widthRole(1), "250"}, {tipChordRole(1), "80"}, {tipOffsetRole(1), "10"}});
    t.wing[2].dihedral = {};
    typed.aircraft.WingCount = typed.aircraft.ActiveWingCount = 2;
    recalculate(typed.aircraft, typed.texts);
    ASSERT_FALSE(typed.calculate(Language::English).failed);
    EXPECT_DOUBLE_EQ(imported.aircraft.NeutralPointX, typed.aircraft.NeutralPointX);
}

} // namespace
} // namespace ab
