// SPDX-License-Identifier: GPL-3.0-or-later
// The reader of XFLR5 plane files ("export to XML"): <explane> holding a <Plane> of wings or a
// single <wing>. Main wing, second wing and elevator become wings, each from its <Position> and its
// <Sections>; fins, the body, incidence, twist and airfoil camber become lines saying they were left
// out.
#pragma once

#include "files/imported_aircraft.h"
#include "lang/language.h"

#include <string>
#include <string_view>

namespace ab {

// True for a name ending in ".xml", in any case, or a text whose first element is <explane>.
bool looksLikeXflr5File(std::string_view fileName, std::string_view text);

// Reads the file's text. Lengths are in the unit <Units><length_unit_to_meter> gives (metres
// without it). A section's y_position is its distance from the root along the span unfolded, and
// its Dihedral tilts the panel from it to the next section, as the program's own rule does.
ImportReading readXflr5Plane(std::string_view text, const std::string& fileName, Language language);

} // namespace ab
