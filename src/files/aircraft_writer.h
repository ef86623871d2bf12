// SPDX-License-Identifier: GPL-3.0-or-later
// The aircraft file writer: the tagged ".wk4" text of an aircraft, the rule that turns any chosen
// name into a ".wk4" name, and the save that writes it.
#pragma once

#include "files/text_file.h"
#include "lang/language.h"
#include "model/aircraft.h"
#include "model/aircraft_texts.h"

#include <string>
#include <string_view>

namespace ab {

// The name a save writes to: a file's own name (the last part of the path) ending in ".da4" / ".DA4"
// ends in ".wk4" / ".WK4" instead, and a name still without ".wk4" or ".WK4" gets ".wk4" appended
// ("model.da4.backup" becomes "model.da4.backup.wk4"). The folders on the path are left as they are.
std::string applyExtensionRule(std::string fileName);

// The tag of an aircraft calculated with refined spacing of its strips: <spacing>refined</spacing>.
inline constexpr std::string_view SpacingTag = "spacing";

// The bytes of the aircraft file, lines ended by CR LF. The geometry comes from the field texts
// read as the evaluation reads them; wings 1..WingCount with sections 1..trapezoidCount+1 (at least
// two); the three results only while ResultsValid; the balance rows (at most 100, names cut to 60
// characters), the margin and the stability mode when there are rows or the margin or mode differ
// from 7.5 % automatic; the comment on as many lines as it has, in Windows-1252 when every character
// has a byte there and in UTF-8 otherwise (a balance row and a wing's name likewise). A named wing
// has the line <wing_name>NAME</wing_name> after its id, the name as storedWingName keeps it. When a
// text holds a character a line cannot hold as it is ('<', a CR, a control character in a name, ';'
// in a balance field), the line <escaped_text>1</escaped_text> follows the wing count and every text
// is written escaped (text_escapes.h); otherwise the texts stand as they are. Each tilted
// trapezoid of a written wing (up to its trapezoid count) has a line
// <dihedral>WING;TRAPEZOID;DEGREES</dihedral> after the results, the degrees as storedDihedral keeps
// them; a file whose wings are all flat holds none. Refined spacing of the strips adds the line
// <spacing>refined</spacing> before the comment; equal spacing writes nothing.
std::string aircraftFileText(const AircraftTexts& texts, const Aircraft& aircraft);

struct SaveOutcome {
    bool ok = true;
    std::string message; // names the file and the system's reason when the save failed
};

// Writes the aircraft file to fileName (the extension rule already applied) through a temporary
// file, so a failed save leaves the old file as it was; `write` may stage it with other outputs. A
// file larger than the program opens (MaxTextFileBytes) is refused before anything is written.
SaveOutcome saveAircraftFile(const std::string& fileName, const AircraftTexts& texts, const Aircraft& aircraft,
                             Language language, const FileWriter& write = writeFileAtomically);

} // namespace ab
