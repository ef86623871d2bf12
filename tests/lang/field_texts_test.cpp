// SPDX-License-Identifier: GPL-3.0-or-later
#include "lang/edit_names.h"
#include "lang/field_texts.h"
#include "lang/live_texts.h"
#include "lang/units_texts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ab {
namespace {

constexpr Language En = Language::English, De = Language::German, Es = Language::Spanish;
using Lines = std::vector<std::string>;

TEST(FlaggedFields, TipAndMemoLineSayWhatWasRead)
{
    struct Row {
        int wing;
        Role role;
        const char* text;
        Language language;
        const char *tip, *line;
    };
    const Row rows[] = {
        {1, Role::RootChord, "22O", En, "read as 22 mm", "Wing 1, root chord: read '22O' as 22 mm"},
        {1, Role::RootChord, "22O", De, "gelesen als 22 mm", "Flügel 1, Wurzeltiefe: '22O' gelesen als 22 mm"},
        {1, Role::RootChord, "22O", Es, "leído como 22 mm", "Ala 1, profundidad de raíz: '22O' leído como 22 mm"},
        {5, Role::RootGap, "", En, "read as 0 mm", "Wing 5, root gap: read '' as 0 mm"},
        {2, widthRole(3), " -80 ", En, "read as 80 mm", "Wing 2, width of trapezoid 3: read ' -80 ' as 80 mm"},
        {4, tipOffsetRole(2), "x12", Es, "leído como 18 mm",
         "Ala 4, desplazamiento de flecha del trapecio 2: 'x12' leído como 18 mm"},
        {2, Role::PosX, "{value}", En, "read as 0 mm", "Wing 2, x position: read '{value}' as 0 mm"},
        {2, Role::PosZ, "abcdefghijklmnopqrstuvwxyzäöü", De, "gelesen als 0 mm",
         "Flügel 2, z-Position: 'abcdefghijklmnopqrstuvwx...' gelesen als 0 mm"},
        {3, tipChordRole(4), "-80", De, "gelesen als 80 mm",
         "Flügel 3, Außentiefe von Trapez 4: '-80' gelesen als 80 mm"}, // a chord is used as its magnitude
        {3, tipOffsetRole(4), "-80", De, "", nullptr}, // clean: an offset keeps its sign
    };
    for (const Row& r : rows) {
        EXPECT_EQ(flaggedFieldTip(r.role, r.text, r.language), r.tip) << r.text;
        if (r.line) {
            EXPECT_EQ(flaggedFieldLine(r.wing, r.role, r.text, r.language), r.line);
        }
    }
}

TEST(FlaggedFields, LinesCoverTheFieldsInUseInFieldOrder)
{
    AircraftTexts t = defaultAircraftTexts();
    EXPECT_EQ(flaggedFieldLines(t, En), Lines{});
    t.wingCount = 3;
    t.wing[2][Role::PosZ] = "1O";
    t.wing[2][Role::RootChord] = "";
    t.wing[1][tipOffsetRole(2)] = "131.5";
    t.wing[3].trapezoidCount = 2;
    t.wing[3][widthRole(3)] = "5O"; // a hidden trapezoid takes no part in the calculation
    t.wing[4][Role::RootChord] = "x"; // nor does a wing beyond the count
    EXPECT_EQ(flaggedFieldLines(t, En), (Lines{"Wing 1, sweep offset of trapezoid 2: read '131.5' as 131 mm",
                                               "Wing 2, root chord: read '' as 0 mm",
                                               "Wing 2, z position: read '1O' as 1 mm"}));
    // The same fields on the line of their own above the results, in the three languages.
    EXPECT_EQ(misreadFieldsLine(defaultAircraftTexts(), En), "");
    EXPECT_EQ(misreadFieldsLine(t, En),
              "Misread fields: wing 1 sweep offset of trapezoid 2, wing 2 root chord, wing 2 z position");
    t.wing[1][tipOffsetRole(2)] = "131";
    t.wing[2][Role::RootChord] = "220";
    EXPECT_EQ(misreadFieldsLine(t, De), "Falsch gelesene Felder: Flügel 2 z-Position");
    EXPECT_EQ(misreadFieldsLine(t, Es), "Campos mal leídos: ala 2 posición z");
}

// In inches the memo quotes the field as it shows and says what the wing uses in inches; the lines
// that are not about a misread field stay.
TEST(FlaggedFields, TheMemoSaysThemInTheUnitsShown)
{
    AircraftTexts t = defaultAircraftTexts();
    t.wingCount = 2;
    t.wing[2][Role::PosZ] = "559O";
    const Lines memo = {"Neutral point found", flaggedFieldLines(t, De)[0]};
    EXPECT_EQ(memoInUnits(memo, t, De, UnitSystem::Imperial),
              (Lines{"Neutral point found", "Flügel 2, z-Position: '22.01O' gelesen als 22.01 in"}));
    EXPECT_EQ(memoInUnits(memo, t, De, UnitSystem::Metric), memo);
    // The remarks of a new aircraft and the captions of the tables.
    EXPECT_EQ(lengthsInUnits("wing of 1600 mm span, 2200 mAh, 600 mm", UnitSystem::Imperial),
              "wing of 62.99 in span, 2200 mAh, 23.62 in");
    EXPECT_EQ(captionInUnits("Masse (g)", UnitSystem::Imperial), "Masse (oz)");
    // The heights a calculation while editing used, beside the height the field keeps.
    t.wing[2][Role::PosZ] = "-5";
    EXPECT_EQ(liveHeightsLine(t, {{2, -13.0}}, En, UnitSystem::Imperial).rfind("Wing 2 calculated at z = -0.51 in instead of -0.20,", 0), 0u);
    EXPECT_EQ(liveHeightsLine(t, {{2, -13.0}}, Es).rfind("ala 2 calculada con z = -13 mm en lugar de -5,", 0), 0u);
}

TEST(EditNames, NamesAndMenuTextsInThreeLanguages)
{
    struct Row {
        Edit edit;
        const char *en, *de, *es;
    };
    const Row rows[] = {
        {{EditKind::Field, 1, Role::RootChord}, "Undo root chord of wing 1", "Rückgängig: Flügel 1, Wurzeltiefe",
         "Deshacer profundidad de raíz del ala 1"},
        {{EditKind::Field, 3, widthRole(2)}, "Undo width of trapezoid 2 of wing 3",
         "Rückgängig: Flügel 3, Breite von Trapez 2", "Deshacer anchura del trapecio 2 del ala 3"},
        {{EditKind::Exchange, 1, Role::RootGap, 2}, "Undo exchange of wings 1 and 2",
         "Rückgängig: Tausch der Flügel 1 und 2", "Deshacer intercambio de las alas 1 y 2"},
        {{EditKind::Insertion, 3}, "Undo insertion of a copied wing into wing 3",
         "Rückgängig: Einfügen eines kopierten Flügels in Flügel 3", "Deshacer inserción de un ala copiada en el ala 3"},
        {{EditKind::WingCount}, "Undo number of wings", "Rückgängig: Anzahl der Flügel", "Deshacer número de alas"},
        {{static_cast<EditKind>(99)}, "Undo", "Rückgängig", "Deshacer"}, // no name: the plain item
    };
    for (const Row& r : rows) {
        EXPECT_EQ(undoMenuText(editName(r.edit, En), En), r.en);
        EXPECT_EQ(undoMenuText(editName(r.edit, De), De), r.de);
        EXPECT_EQ(undoMenuText(editName(r.edit, Es), Es), r.es);
    }
    EXPECT_EQ(Lines({redoMenuText("remarks", En), redoMenuText("Bemerkungen", De), redoMenuText("", Es)}),
              Lines({"Redo remarks", "Wiederholen: Bemerkungen", "Rehacer"}));
}

} // namespace
} // namespace ab
