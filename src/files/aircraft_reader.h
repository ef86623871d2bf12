// SPDX-License-Identifier: GPL-3.0-or-later
// The aircraft file reader: the tagged ".wk4" layout and, for names holding ".da4", the legacy
// numeric layout, both into the staging record. Nothing is applied here, so a refused file changes
// nothing.
#pragma once

#include "files/aircraft_record.h"
#include "lang/language.h"

#include <string>
#include <string_view>
#include <vector>

namespace ab {

enum class AircraftReadStatus {
    Read,         // record and extras hold the file's values
    NoFileChosen, // the name is still one of the dialog patterns "*.wk4", "*.da4", ...
    CannotOpen,   // the file could not be opened; message says why
    Refused,      // read error, not text, too large, or no usable wing count; message says why
};

struct AircraftFileReading {
    AircraftReadStatus status = AircraftReadStatus::Read;
    std::string message; // names the file and the reason, for every status but Read and NoFileChosen
    AircraftFileRecord record;
    AircraftFileExtras extras;
    std::vector<std::string> notes; // a file read that is damaged: what it lacks (damaged_file.h)
    bool ok() const { return status == AircraftReadStatus::Read; }
};

// Tagged reading of a text into a record. Only the first tag of a line counts; tags are
// case-sensitive; the reading ends with the comment, which runs up to the line holding
// "</comment>". A comment that is not valid UTF-8 is read as Windows-1252. The balance rows, the
// margin, the stability mode and the wings' names go into the extras; a malformed balance line is
// read as far as it goes and never stops the reading. A name belongs to the wing whose id came last
// and is read as the remarks are, then kept as storedWingName keeps it. After the line
// <escaped_text>1</escaped_text> the texts' escapes are undone; a file without it is read as it
// always was. A line <dihedral>WING;TRAPEZOID;DEGREES</dihedral> gives that trapezoid's angle
// (the degrees as storedDihedral keeps them, or as written when they are no usable angle); one
// naming no wing 1..5 and trapezoid 1..4 is passed over. The extras also say how far the file went:
// its wing blocks and its "</aircraft>".
void readTaggedAircraft(std::string_view text, AircraftFileRecord& record, AircraftFileExtras& extras);

// Legacy reading: slots 0..52 one per line, then a skipped line, the three results, a skipped line
// and the comment up to the end of the text, its code page taken as in tagged reading. The extras
// say whether the text held all 53 values.
void readLegacyAircraft(std::string_view text, AircraftFileRecord& record, AircraftFileExtras& extras);

// Reads the named file in the layout its name calls for: the reading half of the window's Load2,
// which then applies the record. A record whose wing count is not 1..5 is refused; a file that ends
// early, lacks a wing it counts or holds an unusable dihedral angle is read as far as it goes, with
// notes saying so.
AircraftFileReading readAircraftFile(const std::string& fileName, Language language);

// Reads an aircraft held in memory (a template kept with the program) as readAircraftFile reads a
// tagged file, with the same refusal; `name` stands for the text in a message.
AircraftFileReading readAircraftText(std::string_view text, Language language,
                                     const std::string& name = "Unknown.wk4");

} // namespace ab
