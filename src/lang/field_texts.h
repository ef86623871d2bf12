// SPDX-License-Identifier: GPL-3.0-or-later
// What the window and the calculation say about a field whose text was not read as typed: the
// field's name in words, the tool tip of a flagged field, and the memo lines that list the flagged
// fields of the aircraft before the results of a calculation.
#pragma once

#include "lang/language.h"
#include "model/aircraft_texts.h"
#include "model/units.h"

#include <string>
#include <string_view>
#include <vector>

namespace ab {

// The field of a role in words, as it stands within a sentence: "root chord", "width of
// trapezoid 2", "x position" (German "Wurzeltiefe", Spanish "profundidad de raíz").
std::string fieldWords(Role role, Language language);

// The tool tip of a flagged field of the role: "read as 22 mm"; empty for a clean text, which needs
// none.
std::string flaggedFieldTip(Role role, std::string_view text, Language language);

// The dihedral field of trapezoid k in words: "dihedral of trapezoid 2" (German "V-Form von
// Trapez 2", Spanish "diedro del trapecio 2").
std::string dihedralWords(int k, Language language);

// The tool tip of a dihedral field that reads cleanly: what it holds ("dihedral of trapezoid 2 in
// degrees, positive when its tip is higher than its root").
std::string dihedralFieldHint(int k, Language language);

// The tool tip of a flagged dihedral field: "read as 60.0°"; empty for a clean text.
std::string flaggedDihedralTip(std::string_view text, Language language);

// One memo line: "Wing 1, root chord: read '22O' as 22 mm". A text longer than
// FlaggedTextShown characters is quoted by its beginning and "...".
// In other units the text is quoted as the field shows it and the value read is given in them
// ("read '22.01O' as 22.01 in").
std::string flaggedFieldLine(int wing, Role role, std::string_view text, Language language,
                             UnitSystem units = UnitSystem::Metric);
inline constexpr int FlaggedTextShown = 24;

// A typed text as a memo line quotes it: one longer than FlaggedTextShown characters (a paste gone
// wrong) by its beginning and "...".
std::string quotedText(std::string_view text);

// The lines of every flagged field of the wings in use (1..wingCount), wing by wing in role order
// and then the dihedral fields ("Wing 1, dihedral of trapezoid 2: read '75' as 60.0°"), counting
// only the fields the wing's trapezoid count shows: the hidden ones take no part in the calculation.
// Empty when every field reads cleanly.
std::vector<std::string> flaggedFieldLines(const AircraftTexts& texts, Language language,
                                           UnitSystem units = UnitSystem::Metric);

// Memo lines as the window shows them in the chosen units: every line that is one of the flagged
// field lines of `texts` in mm becomes that line in the units; the other lines stay as they are.
std::vector<std::string> memoInUnits(std::vector<std::string> lines, const AircraftTexts& texts, Language language,
                                     UnitSystem units);

// The same fields on one line of their own: "Misread fields: wing 1 root chord, wing 2 x position";
// empty when every field reads cleanly.
std::string misreadFieldsLine(const AircraftTexts& texts, Language language);

} // namespace ab
