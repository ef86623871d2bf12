// SPDX-License-Identifier: GPL-3.0-or-later
// How the remarks memo shows a very long line: in display lines of bounded length, so that laying
// out the memo costs time in proportion to the text instead of to the square of one line's length.
// The cuts are shown as line breaks but are no part of the remark: joining the display lines of a
// line gives the line back unchanged.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace ab {

// The longest display line, in UTF-16 units: a few screens of wrapped text, laid out in well under
// a millisecond however it is made.
inline constexpr std::size_t LongestDisplayLine = 4096;

// Where a line (UTF-16, no line breaks) is cut into display lines: offsets in increasing order,
// every piece at most `longest` units long. A piece ends after its last space when that space lies
// in the piece's second half, so that a cut falls where word wrapping would break anyway; otherwise
// at `longest`, moved back by one unit rather than between the two halves of a surrogate pair. A line
// no longer than `longest` is not cut.
std::vector<std::size_t> displayLineCuts(std::u16string_view line, std::size_t longest = LongestDisplayLine);

} // namespace ab
