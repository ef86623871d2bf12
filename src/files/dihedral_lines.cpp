// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/dihedral_lines.h"
#include "files/text_file.h"

#include "model/balance_items.h"
#include "model/field_reading.h"

#include <cctype>

namespace ab {
namespace {

// An optional minus, digits, and optionally a point followed by digits.
bool plainDecimal(std::string_view s)
{
    std::size_t i = s.starts_with('-') ? 1 : 0;
    const auto digits = [&] {
        const std::size_t from = i;
        while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i])))
            ++i;
        return i > from;
    };
    if (!digits())
        return false;
    if (i < s.size() && s[i] == '.') {
        ++i;
        if (!digits())
            return false;
    }
    return i == s.size();
}

} // namespace

std::string storedDihedral(std::string_view typed)
{
    const AngleReading r = readDihedralField(typed);
    if (r.degrees == 0)
        return {};
    const std::string_view text = withoutBlanks(typed);
    if (!r.flagged && plainDecimal(text))
        return std::string(text);
    return shortestNumberText(r.degrees);
}

std::vector<std::string> dihedralFields(std::string_view value)
{
    std::vector<std::string> fields;
    for (std::size_t from = 0;;) {
        const std::size_t semicolon = value.find(';', from);
        fields.emplace_back(withoutBlanks(value.substr(from, semicolon - from)));
        if (semicolon == std::string_view::npos)
            return fields;
        from = semicolon + 1;
    }
}

std::optional<int> trapezoidNumber(std::string_view text)
{
    if (text.size() == 1 && text[0] >= '1' && text[0] <= '4')
        return text[0] - '0';
    return std::nullopt;
}

} // namespace ab
