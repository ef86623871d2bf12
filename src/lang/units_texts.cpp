// SPDX-License-Identifier: GPL-3.0-or-later
#include "lang/units_texts.h"

#include "model/numbers.h"

#include <cctype>

namespace ab {
namespace {

void replaceAll(std::string& s, std::string_view from, std::string_view to)
{
    for (std::size_t at = s.find(from); at != std::string::npos; at = s.find(from, at + to.size()))
        s.replace(at, from.size(), to);
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

} // namespace

std::string captionInUnits(std::string_view caption, UnitSystem u)
{
    std::string s(caption);
    if (u == UnitSystem::Metric)
        return s;
    replaceAll(s, "(mm)", "(in)");
    replaceAll(s, "[mm]", "[in]");
    replaceAll(s, "(g)", "(oz)");
    return s;
}

std::string lengthsInUnits(std::string_view sentence, UnitSystem u)
{
    if (u == UnitSystem::Metric)
        return std::string(sentence);
    std::string out;
    std::size_t i = 0;
    while (i < sentence.size()) {
        if (!isDigit(sentence[i]) || (i > 0 && isDigit(sentence[i - 1]))) {
            out += sentence[i++];
            continue;
        }
        std::size_t end = i;
        while (end < sentence.size() && isDigit(sentence[end]))
            ++end;
        const std::string_view number = sentence.substr(i, end - i);
        const std::string_view after = sentence.substr(end);
        const bool millimetres = after.starts_with(" mm") && (after.size() == 3 || !std::isalpha(static_cast<unsigned char>(after[3])));
        if (millimetres) {
            out += shownFigure(parseLenientReal(number), Quantity::Length, u, 0) + " " +
                   std::string(unitName(Quantity::Length, u));
            i = end + 3;
        } else {
            out += number;
            i = end;
        }
    }
    return out;
}

} // namespace ab
