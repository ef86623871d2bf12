// SPDX-License-Identifier: GPL-3.0-or-later
// The wing copy file "wingcopy.fl4": one wing's planform written by the copy command and read back
// by the insert command into the wing on display, of this aircraft or of one opened later.
#pragma once

#include "files/aircraft_record.h"
#include "files/file_messages.h"
#include "lang/language.h"
#include "model/aircraft.h"
#include "model/aircraft_texts.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace ab {

inline constexpr const char* CopyFileName = "wingcopy.fl4";

// The 22 lines of the copy of wing w: slot 0 (always 0) and the wing's 17-slot block, each right-
// aligned in 4 characters, a blank line and the three results (or "0" each while they are stale).
// All four trapezoids are written whatever the trapezoid count. A named wing adds a 23rd line,
// <wing_name>NAME</wing_name>, written as the aircraft file writes it; readers of 18 lines never
// see it. A name that needs escapes has the line <escaped_text>1</escaped_text> before it. Each tilted
// trapezoid (of all four) then adds a line <dihedral>TRAPEZOID;DEGREES</dihedral>, the degrees as the
// aircraft file stores them: a reader of the older copy never looks past the name.
std::string wingCopyText(const AircraftTexts& texts, const Aircraft& aircraft, int w);

// Writes the copy of wing w through a temporary file, making the file's folder when it is missing;
// the message names the file on failure.
struct CopyOutcome {
    bool ok = true;
    std::string message;
};
CopyOutcome saveWingCopy(const std::string& fileName, const AircraftTexts& texts, const Aircraft& aircraft, int w,
                         Language language);

// The first 18 lines of a copy file as integers (missing lines give 0): line 1 is index 0; and the
// name of line 23 (24 after the escapes' mark), when the copy carries one.
struct WingCopyReading : ReadRefusal {
    std::array<std::int32_t, 18> line{};
    std::optional<std::string> name;
    std::array<std::string, MaxTrapezoids + 1> dihedral{}; // trapezoids 1..4, empty where flat
};
WingCopyReading readWingCopy(const std::string& fileName, Language language);

// True when a copy file is a regular file that can be opened for reading, which makes the insert
// buttons available.
bool copyAvailable(const std::string& fileName);

// What inserting a copy into wing w changes: the trapezoid count (when it is 1..4), the fourteen
// planform fields, the angles of its four trapezoids (a copy without angles makes them flat, as the
// copied wing was) and the name when the copy carries one; the wing keeps its own position (and its
// name, when the copied wing had none).
struct WingInsertion {
    int wing = 1;
    std::optional<int> trapezoidCount;
    std::vector<FieldChange> fields;
    std::optional<std::string> name;
    std::array<std::string, MaxTrapezoids + 1> dihedral{};
};
WingInsertion insertionOf(const WingCopyReading& copy, int w);
void applyToTexts(const WingInsertion& insertion, AircraftTexts& texts);

} // namespace ab
