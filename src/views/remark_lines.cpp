// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/remark_lines.h"

namespace ab {
namespace {

bool isHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }

// The end of the piece that starts at `start` in a line longer than start + longest.
std::size_t pieceEnd(std::u16string_view line, std::size_t start, std::size_t longest)
{
    const std::size_t limit = start + longest;
    const std::size_t space = line.substr(start, longest).rfind(u' ');
    if (space != std::u16string_view::npos && space >= longest / 2)
        return start + space + 1;
    if (longest > 1 && isHighSurrogate(line[limit - 1]))
        return limit - 1;
    return limit;
}

} // namespace

std::vector<std::size_t> displayLineCuts(std::u16string_view line, std::size_t longest)
{
    std::vector<std::size_t> cuts;
    if (longest == 0)
        return cuts;
    for (std::size_t start = 0; line.size() - start > longest;) {
        start = pieceEnd(line, start, longest);
        cuts.push_back(start);
    }
    return cuts;
}

} // namespace ab
