// SPDX-License-Identifier: GPL-3.0-or-later
// How files carry the trapezoids' dihedral angles: one line per tilted trapezoid, its degrees as a
// plain decimal number with a point, so a file of flat wings holds no such line at all.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ab {

inline constexpr std::string_view DihedralTag = "dihedral";

// The degrees a file stores for a dihedral field's text, or "" for a flat trapezoid (an angle read
// as 0). A text that is a plain decimal number with a point and reads as typed ("40", "-7.50") is
// kept as the user typed it, without blanks; any other is stored as the angle the evaluation uses,
// in its shortest decimal text with a point ("2,5" as "2.5", "75" as "60", held at the limit).
// Reading takes a line's degrees through the same rule, so a hand-edited line puts no more than a
// number into a field.
std::string storedDihedral(std::string_view typed);

// The fields of a dihedral line's value, split at ';' with blanks around each field removed:
// "1;2;7.5" gives {"1", "2", "7.5"}.
std::vector<std::string> dihedralFields(std::string_view value);

// A trapezoid number 1..4 as a file writes it, or nothing for any other text.
std::optional<int> trapezoidNumber(std::string_view text);

} // namespace ab
