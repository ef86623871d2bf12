// SPDX-License-Identifier: GPL-3.0-or-later
// What an aircraft file that ends early or lacks a wing it counts is missing, and which of its angles
// cannot be used, as lines for the calculation memo and batch mode's messages. Such a file opens as far as it goes; its gaps take the
// values every reader gives them, and the user is told where they are.
#pragma once

#include "files/aircraft_record.h"
#include "lang/language.h"

#include <string>
#include <vector>

namespace ab {

// No lines for a whole file whose angles all read. Otherwise, in this order: where the file ends
// (inside a wing, before a wing the count names, or after its last line), then each wing the count
// names that the file holds no values for and that the first line does not already cover, then each
// dihedral angle the file gives that is no usable angle, with its line and the degrees used.
std::vector<std::string> damagedFileNotes(const AircraftFileExtras& extras, int wingCount, Language language);

} // namespace ab
