// SPDX-License-Identifier: GPL-3.0-or-later
// The name a user gives a wing ("Tailplane", "Canard"): what a kept name may hold, how long it may
// be, and how it is shortened where a caption has little room.
#pragma once

#include "model/aircraft.h"
#include "model/aircraft_texts.h"

#include <string>
#include <string_view>

namespace ab {

// The names of wings 1..5 (index 0 unused), as the summary page and batch mode's reports take them.
using WingNames = PerWing<std::string>;
WingNames wingNames(const AircraftTexts& texts);

inline constexpr int MaxWingNameLength = 60; // characters, not bytes

// The name as the aircraft keeps and stores it: at most MaxWingNameLength characters, every one of
// them as typed (the files escape what a line cannot hold). Text that is not UTF-8 is kept byte for
// byte.
std::string storedWingName(std::string_view name);

// The name as captions show it: without leading and trailing blanks. Empty: the wing has no name.
std::string_view shownWingName(std::string_view name);

// At most `characters` characters of a UTF-8 text; a longer text keeps characters - 1 of them and
// ends in "…". A character is never split.
std::string shortenedText(std::string_view text, int characters);

} // namespace ab
