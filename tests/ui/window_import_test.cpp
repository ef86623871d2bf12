// SPDX-License-Identifier: GPL-3.0-or-later
// A design brought in from another tool, as the user does it: File > Open of an AVL deck that does
// not say its unit asks for it once, shows the wings in their fields, says what was left out in the
// memo in the window's language (also after a calculation while editing, and for a file named at
// start), opens unsaved under the deck's name and calculates the neutral point the core gives;
// Edit > Insert Wing from File puts one wing of the deck into the wing on display, keeping its
// place, as one step undo takes back.
#include "document/aircraft_document.h"
#include "ui/page_control.h"
#include "window_test_support.h"

#include <QPlainTextEdit>
#include <QTabBar>

#include <fstream>

namespace ab {
namespace {

class WindowImport : public InOwnFolder {
protected:
    std::string writeDeck()
    {
        const std::string file = path("glider.avl");
        std::ofstream(file, std::ios::binary)
            << "Glider\n0\n0 0 0\n1 1 1\n0 0 0\n"
               "SURFACE\nWing\n8 1\nYDUPLICATE\n0\nSECTION\n0 0 0 0.25 0\nSECTION\n0.03 1.0 0 0.15 0\n"
               "SURFACE\nTail\n4 1\nYDUPLICATE\n0\nTRANSLATE\n0.8 0 0.05\nSECTION\n0 0 0 0.12\nSECTION\n0.02 0.3 0 0.08\n"
               "SURFACE\nFin\n4 1\nSECTION\n0.8 0 0 0.12\nSECTION\n0.85 0 0.15 0.08\n";
        return file;
    }
    // The wing's fields as the user reads them: "x z | root | width tip offset".
    static std::string fieldsOf(const TForm1& form, int w)
    {
        const auto f = [&](Role r) { return std::string(withoutBlanks(textOf(form, std::string(fieldName(w, r))))); };
        return f(Role::PosX) + " " + f(Role::PosZ) + " | " + f(Role::RootChord) + " | " + f(Role::Width1) + " " +
               f(Role::TipChord1) + " " + f(Role::TipOffset1);
    }
};

TEST_F(WindowImport, ADeckOpensWithItsWingsItsNotesAndANeutralPoint)
{
    const std::string deck = writeDeck();
    const std::pair<const char*, const char*> languages[] = {
        {"english1", "a fin (vertical surface), left out"},
        {"german1", "ein Seitenleitwerk (senkrechte Fläche), weggelassen"}};
    for (const auto& [language, finNote] : languages) {
        SCOPED_TRACE(language);
        TForm1 form;
        form.show();
        trigger(form, language);
        int asked = 0;
        form.questions.chooseDeckUnit = [&](DeckUnit offered) {
            ++asked;
            EXPECT_EQ(offered, DeckUnit::Metre);
            return std::optional(DeckUnit::Metre);
        };
        form.questions.chooseFileToOpen = [&] { return QString::fromStdString(deck); };
        // Calculated while editing, the run after the open keeps the notes in the memo.
        form.setLiveCalculation(true);
        trigger(form, "Open2");
        waitUntilCalculated(form);
        EXPECT_TRUE(form.aircraftState().ResultsValid);
        form.setLiveCalculation(false);
        EXPECT_EQ(asked, 1);
        EXPECT_EQ(fieldsOf(form, 1), "0 0 | 250 | 1000 150 30");
        EXPECT_EQ(fieldsOf(form, 2), "800 50 | 120 | 300 80 20");
        EXPECT_EQ(form.aircraftState().ActiveWingCount, 2);
        const auto* memo = control<QPlainTextEdit>(form, "Memo1");
        EXPECT_TRUE(memo->isVisible());
        EXPECT_NE(memo->toPlainText().indexOf(QString::fromUtf8(finNote)), -1) << memo->toPlainText().toStdString();
        EXPECT_EQ(textOf(form, "Lab_FName"), path("glider.wk4"));
        EXPECT_TRUE(form.isWindowModified());

        trigger(form, "calculateAction");
        ASSERT_TRUE(form.aircraftState().ResultsValid);
        AircraftDocument core;
        ASSERT_TRUE(core.open(deck, Language::English, DeckUnit::Metre).ok());
        ASSERT_FALSE(core.calculate(Language::English).failed);
        EXPECT_EQ(form.aircraftState().NeutralPointX, core.aircraft.NeutralPointX);
        form.questions.askToSaveChanges = [] { return TForm1::SaveAnswer::Discard; };
    }
}

// Named on the command line, as a file manager opens it, the plane file says what it left out too.
TEST_F(WindowImport, AFileNamedAtStartSaysWhatWasLeftOut)
{
    const std::string xml = path("plane.xml");
    std::ofstream(xml, std::ios::binary)
        << "<explane version=\"1.0\"><Plane><Name>Trainer</Name>"
           "<wing><Name>Main Wing</Name><Type>MAINWING</Type><Position>0, 0, 0</Position><Sections>"
           "<Section><y_position>0</y_position><Chord>0.26</Chord><xOffset>0</xOffset></Section>"
           "<Section><y_position>0.8</y_position><Chord>0.19</Chord><xOffset>0.02</xOffset></Section></Sections></wing>"
           "<wing><Name>Fin</Name><Type>FIN</Type><isFin>true</isFin></wing></Plane></explane>";
    TForm1 form(QStringList{QString::fromStdString(xml)});
    form.show();
    QApplication::processEvents();
    EXPECT_EQ(fieldsOf(form, 1), "0 0 | 260 | 800 190 20");
    const auto* memo = control<QPlainTextEdit>(form, "Memo1");
    EXPECT_TRUE(memo->isVisible());
    EXPECT_NE(memo->toPlainText().indexOf("\"Fin\": a fin"), -1) << memo->toPlainText().toStdString();
    form.questions.askToSaveChanges = [] { return TForm1::SaveAnswer::Discard; };
}

TEST_F(WindowImport, AWingOfADeckGoesIntoTheWingOnDisplayAsOneStep)
{
    const std::string deck = writeDeck();
    TForm1 form;
    form.show();
    auto* insert = control<QAction>(form, "InsertWingFromFile1");
    EXPECT_FALSE(insert->isEnabled()); // the aircraft tab is on display
    form.PageControl1->tabBar()->setCurrentIndex(2); // the user clicks wing 2's tab
    ASSERT_TRUE(insert->isEnabled());
    const std::string before = fieldsOf(form, 2);
    const std::string place = before.substr(0, before.find(" |"));

    form.questions.chooseDeckUnit = [](DeckUnit) { return std::optional(DeckUnit::Metre); };
    form.questions.chooseFileToOpen = [&] { return QString::fromStdString(deck); };
    QStringList offered;
    form.questions.chooseWingOfFile = [&](const QStringList& captions) {
        offered = captions;
        return std::optional(1);
    };
    trigger(form, "InsertWingFromFile1");
    EXPECT_EQ(offered, (QStringList{"Wing 1 - Wing", "Wing 2 - Tail"}));
    // The tail's planform and name arrive; the wing stays where it was; the fin is named in the memo.
    EXPECT_EQ(fieldsOf(form, 2), place + " | 120 | 300 80 20");
    EXPECT_EQ(form.textsState().wing[2].name, "Tail");
    EXPECT_NE(control<QPlainTextEdit>(form, "Memo1")->toPlainText().indexOf("\"Fin\""), -1);
    trigger(form, "Undo1");
    EXPECT_EQ(fieldsOf(form, 2), before);
    EXPECT_TRUE(form.textsState().wing[2].name.empty());
    // A cancelled choice changes nothing.
    form.questions.chooseWingOfFile = [](const QStringList&) { return std::optional<int>(); };
    trigger(form, "InsertWingFromFile1");
    EXPECT_EQ(fieldsOf(form, 2), before);
    form.questions.askToSaveChanges = [] { return TForm1::SaveAnswer::Discard; };
}

} // namespace
} // namespace ab
