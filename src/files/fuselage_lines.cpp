// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/fuselage_lines.h"

#include "files/code_page.h"
#include "files/text_escapes.h"

#include <array>

namespace ab {
namespace {

std::array<std::string, 2> storedFields(const FuselageStationTexts& row)
{
    const DecimalReading x = readPositionMm(row.x);
    const DecimalReading width = readPositionMm(row.width);
    return {x.problem == EntryProblem::None ? shortestNumberText(x.value) : row.x,
            width.problem == EntryProblem::None ? shortestNumberText(width.value) : row.width};
}

} // namespace

std::string fuselageLine(const FuselageStationTexts& row, bool escaped)
{
    const std::array<std::string, 2> f = storedFields(row);
    const auto field = [escaped](const std::string& s) { return escaped ? escapedText(s, TextPlace::BalanceField) : s; };
    return commentForFile(field(f[0]) + ";" + field(f[1]));
}

bool fuselageLineNeedsEscapes(const FuselageStationTexts& row)
{
    for (const std::string& f : storedFields(row))
        if (needsEscapes(f, TextPlace::BalanceField))
            return true;
    return false;
}

FuselageStationTexts fuselageRowOf(std::string_view value, bool escaped)
{
    const std::string line = commentFromFile(value);
    const std::size_t at = escaped ? nextFieldSeparator(line) : line.find(';');
    const auto text = [escaped](std::string_view field) { return escaped ? unescapedText(field) : std::string(field); };
    if (at == std::string::npos)
        return {text(line), {}};
    return {text(std::string_view(line).substr(0, at)), text(std::string_view(line).substr(at + 1))};
}

} // namespace ab
