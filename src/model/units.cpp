// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/units.h"

#include "model/numbers.h"

#include <cmath>

namespace ab {

double unitFactor(Quantity q, UnitSystem u)
{
    if (u == UnitSystem::Metric)
        return 1;
    switch (q) {
    case Quantity::Length: return MillimetresPerInch;
    case Quantity::Mass: return GramsPerOunce;
    case Quantity::Area: return MillimetresPerInch * MillimetresPerInch;
    }
    return 1;
}

int imperialDecimals(Quantity q) { return q == Quantity::Length ? 2 : 1; }

std::string_view unitName(Quantity q, UnitSystem u)
{
    const bool metric = u == UnitSystem::Metric;
    switch (q) {
    case Quantity::Length: return metric ? "mm" : "in";
    case Quantity::Mass: return metric ? "g" : "oz";
    case Quantity::Area: return metric ? "dm^2" : "in^2";
    }
    return "";
}

std::string shownFigure(double stored, Quantity q, UnitSystem u, int metricDecimals, int minWidth)
{
    if (u == UnitSystem::Metric)
        return formatFixed(q == Quantity::Area ? stored / 10000 : stored, metricDecimals, minWidth);
    return formatFixed(stored / unitFactor(q, u), imperialDecimals(q), minWidth);
}

LeadingNumber leadingNumber(std::string_view text, bool decimalComma)
{
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    const std::size_t start = i;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        ++i;
    std::string number(text.substr(start, i - start));
    int digits = 0;
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    for (; i < text.size() && isDigit(text[i]); ++i, ++digits)
        number += text[i];
    const char point = decimalComma && text.find('.') == std::string_view::npos ? ',' : '.';
    if (i < text.size() && text[i] == point && (digits > 0 || (i + 1 < text.size() && isDigit(text[i + 1])))) {
        number += '.';
        for (++i; i < text.size() && isDigit(text[i]); ++i, ++digits)
            number += text[i];
    }
    if (digits == 0)
        return {};
    std::size_t end = i;
    while (end < text.size() && text[end] == ' ')
        ++end;
    return {parseLenientReal(number), i, end == text.size()};
}

std::string shownText(std::string_view stored, Quantity q, UnitSystem u, bool decimalComma)
{
    const LeadingNumber n = leadingNumber(stored, decimalComma);
    if (u == UnitSystem::Metric || n.length == 0)
        return std::string(stored);
    const std::string rest(n.whole ? std::string_view() : stored.substr(n.length));
    return formatFixed(n.value / unitFactor(q, u), imperialDecimals(q)) + rest;
}

std::string storedText(std::string_view typed, Quantity q, UnitSystem u, int metricDecimals, bool decimalComma,
                       int maxDecimals)
{
    const LeadingNumber n = leadingNumber(typed, decimalComma);
    if (u == UnitSystem::Metric || n.length == 0)
        return std::string(typed);
    const double factor = unitFactor(q, u);
    const int shownDecimals = imperialDecimals(q);
    const std::string asTyped = formatFixed(n.value, shownDecimals);
    const std::string metricFigure = formatFixed(n.value * factor, metricDecimals);
    // The fewest decimals that keep both readings; six always do for these factors.
    std::string stored = formatFixed(n.value * factor, maxDecimals);
    for (int d = 0; d < maxDecimals; ++d) {
        const std::string candidate = formatFixed(n.value * factor, d);
        const double v = parseLenientReal(candidate);
        if (formatFixed(v / factor, shownDecimals) == asTyped && formatFixed(v, metricDecimals) == metricFigure) {
            stored = candidate;
            break;
        }
    }
    return stored + std::string(n.whole ? std::string_view() : typed.substr(n.length));
}

} // namespace ab
