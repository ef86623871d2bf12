// SPDX-License-Identifier: GPL-3.0-or-later
// How files carry the fuselage table: one line "X;WIDTH" per station, in the table's order, so a file
// of an aircraft without a fuselage holds no such line at all.
#pragma once

#include "model/fuselage.h"

#include <string>
#include <string_view>

namespace ab {

inline constexpr std::string_view FuselageTag = "fuselage";

// A row's line as the file holds it: a figure that reads is written as its number with a decimal
// point, one that does not as typed (so the table comes back as it showed), escaped when the file's
// texts are, in the remarks' code page.
std::string fuselageLine(const FuselageStationTexts& row, bool escaped);

// Whether a row holds a character a line cannot hold as it is (the file's texts are then escaped).
bool fuselageLineNeedsEscapes(const FuselageStationTexts& row);

// A row from a line's value: the text before the first separating ';' is x, the rest the width (empty
// without a ';').
FuselageStationTexts fuselageRowOf(std::string_view value, bool escaped);

} // namespace ab
