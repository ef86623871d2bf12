// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/wing_name.h"

#include "model/balance_items.h"

namespace ab {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::size_t characterCount(std::string_view text)
{
    std::size_t n = 0;
    for (unsigned char c : text)
        n += (c & 0xC0) != 0x80;
    return n;
}

} // namespace

WingNames wingNames(const AircraftTexts& texts)
{
    WingNames names;
    for (int w = 1; w <= MaxWings; ++w)
        names[w] = texts.wing[w].name;
    return names;
}

std::string storedWingName(std::string_view name) { return firstCharacters(name, MaxWingNameLength); }

std::string_view shownWingName(std::string_view name)
{
    while (!name.empty() && isBlank(name.front()))
        name.remove_prefix(1);
    while (!name.empty() && isBlank(name.back()))
        name.remove_suffix(1);
    return name;
}

std::string shortenedText(std::string_view text, int characters)
{
    if (characters <= 0)
        return {};
    if (characterCount(text) <= static_cast<std::size_t>(characters))
        return std::string(text);
    // The cut may leave a blank before the ellipsis: "Main wing …" reads worse than "Main wing…".
    std::string kept = firstCharacters(text, characters - 1);
    while (!kept.empty() && isBlank(kept.back()))
        kept.pop_back();
    return kept + "…";
}

} // namespace ab
