// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/summary_text.h"

#include "stability/summary_rows.h"

#include <algorithm>
#include <string_view>
#include <vector>

namespace ab {
namespace {

// The page's rows lie 20 pixels apart.
constexpr int RowHeight = 20;

// The text column of a left x of the page: the aircraft values, the right column of a wing block
// and its values start at fixed columns wide enough for the longest label before them.
std::size_t columnOf(int x)
{
    switch (x) {
    case 0: return 0;
    case 320: return 36;
    case 520: return 60;
    case 580: return 64;
    default: return static_cast<std::size_t>(std::max(x, 0) / 9); // about one character's width
    }
}

// Characters as a terminal shows them: UTF-8 continuation bytes take no room.
std::size_t shownWidth(std::string_view s)
{
    std::size_t n = 0;
    for (unsigned char c : s)
        n += (c & 0xC0) != 0x80;
    return n;
}

std::string_view trimmedRight(std::string_view s)
{
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    return s;
}

} // namespace

std::string summaryText(const Aircraft& ac, const StabilityFigures& f, const std::string& fileName, Language l,
                        const WingNames& names, UnitSystem u)
{
    std::vector<PageRow> rows = summaryRows(ac, f, fileName, l, names, std::nullopt, u);
    std::stable_sort(rows.begin(), rows.end(),
                     [](const PageRow& a, const PageRow& b) { return a.y != b.y ? a.y < b.y : a.x < b.x; });
    std::string out;
    std::string line;
    std::size_t width = 0; // shown width of `line`
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const PageRow& row = rows[i];
        const std::string_view text = trimmedRight(row.text);
        if (!text.empty()) {
            // Up to the text's column; a text that would run into the one before it keeps one blank.
            const std::size_t column = columnOf(row.x);
            std::size_t blanks = width < column ? column - width : 1;
            if (width == 0 && column == 0)
                blanks = 0;
            line.append(blanks, ' ');
            line += text;
            width += blanks + shownWidth(text);
        }
        if (i + 1 == rows.size() || rows[i + 1].y != row.y) {
            out += line + '\n';
            line.clear();
            width = 0;
            if (i + 1 < rows.size() && rows[i + 1].y - row.y > RowHeight)
                out += '\n';
        }
    }
    return out;
}

} // namespace ab
