// SPDX-License-Identifier: GPL-3.0-or-later
// What the readers of other tools' files share: the wings they found as sections in space, the
// lines saying what could not come along, and the step that turns those wings into the aircraft
// file's text, so that an imported aircraft opens exactly as a file of the program's own does.
#pragma once

#include "files/aircraft_reader.h"
#include "lang/language.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ab {

// The length unit of a file that does not say its own.
enum class DeckUnit { Metre, Millimetre, Inch, Foot };
inline constexpr DeckUnit DeckUnits[] = {DeckUnit::Metre, DeckUnit::Millimetre, DeckUnit::Inch, DeckUnit::Foot};
double millimetresPer(DeckUnit unit);
std::string_view deckUnitName(DeckUnit unit); // "m", "mm", "in", "ft"
std::optional<DeckUnit> deckUnitNamed(std::string_view name);

// One section of a wing: its leading edge in the aircraft's axes (x rearward, y to the right, z up)
// and its chord, in millimetres.
struct ImportedSection {
    double x = 0, y = 0, z = 0, chord = 0;
};

// A lifting surface as a reader found it, its sections from root to tip at y >= 0, mirrored at
// y = 0 as every wing of the program is.
struct ImportedWing {
    std::string name;
    std::vector<ImportedSection> sections;
};

// No model reaches a kilometre: a length beyond it comes from a wrong unit or a damaged file.
inline constexpr double MaxImportedLengthMm = 1e6;

// What a reader hands to the program: the aircraft file's text and the lines for the memo and
// batch mode's messages; or the refusal naming the file and the reason.
struct ImportReading {
    AircraftReadStatus status = AircraftReadStatus::Read;
    std::string message;
    std::string aircraftText; // the tagged aircraft file of the wings
    std::vector<std::string> notes;
    bool ok() const { return status == AircraftReadStatus::Read; }
};

// Builds the aircraft of the wings. More than five wings: the five of largest planform area stay, in
// their order. A section on the straight edges of its neighbours (a deck with a section at every
// strip edge) is left out without a word. More than four trapezoids: the root and the tip stay, and of the stations between
// them the one whose leaving out changes the planform area least goes, one at a time, until four
// trapezoids are left (the leading edge between the stations kept is straight). Each trapezoid's
// width is measured along its panel and its dihedral is its rise; a steeper one than the program
// takes is held at 60 degrees. Stations are rounded to whole millimetres along the span from the
// root, so none moves by more than half a millimetre. Each of these steps adds its line to `notes`.
// `remark` becomes the aircraft's remarks. Refused when no wing remains.
ImportReading importedAircraft(std::vector<ImportedWing> wings, std::vector<std::string> notes,
                               const std::string& remark, const std::string& fileName, Language language);

// A note of the import texts with "{surface}" and the other fields filled in.
std::string importNote(const Text3& text, Language language, std::string_view surface,
                       std::string_view value = {}, std::string_view other = {});

// A number as the notes show it: at most `decimals` decimals, trailing zeros dropped.
std::string shortNumber(double v, int decimals = 2);

} // namespace ab
