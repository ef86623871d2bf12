// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/balance_items.h"

#include "model/numbers.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace ab {
namespace {

constexpr double kMaxDecimal = 1e9;     // a typed figure beyond this is no figure of a model
constexpr double kMaxMassGrams = 1e7;   // 10 t
constexpr double kMaxPositionMm = 1e6;  // 1 km

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isBlank(char c) { return c == ' ' || c == '\t'; }

} // namespace

DecimalReading readDecimal(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    if (i == text.size())
        return {0, EntryProblem::Empty};
    const char point = text.find('.') == std::string_view::npos ? ',' : '.';

    // The span of the number: sign, digits, one point, digits, and an exponent only when it has digits.
    std::string number;
    if (text[i] == '-' || text[i] == '+') {
        if (text[i] == '-')
            number += '-';
        ++i;
    }
    int digits = 0;
    for (; i < text.size() && isDigit(text[i]); ++i, ++digits)
        number += text[i];
    if (i < text.size() && text[i] == point) {
        number += '.';
        for (++i; i < text.size() && isDigit(text[i]); ++i, ++digits)
            number += text[i];
    }
    if (digits == 0)
        return {0, EntryProblem::NotANumber};
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < text.size() && (text[j] == '-' || text[j] == '+'))
            exponent += text[j++];
        const std::size_t first = j;
        for (; j < text.size() && isDigit(text[j]); ++j)
            exponent += text[j];
        if (j > first) {
            number += exponent;
            i = j;
        }
    }
    // Only blanks may follow: "4x12", "8.0.5" or "12abc" is no number of grams or millimetres.
    while (i < text.size() && isBlank(text[i]))
        ++i;
    if (i != text.size())
        return {0, EntryProblem::NotANumber};
    double v = 0;
    const std::from_chars_result read = std::from_chars(number.data(), number.data() + number.size(), v);
    if (read.ec != std::errc() || !std::isfinite(v) || std::fabs(v) > kMaxDecimal)
        return {0, EntryProblem::OutOfRange};
    return {v == 0 ? 0.0 : v, EntryProblem::None};
}

DecimalReading readMassGrams(std::string_view text)
{
    DecimalReading r = readDecimal(text);
    if (r.problem == EntryProblem::None && r.value < 0)
        r = {0, EntryProblem::Negative};
    if (r.problem == EntryProblem::None && r.value > kMaxMassGrams)
        r = {0, EntryProblem::OutOfRange};
    return r;
}

DecimalReading readPositionMm(std::string_view text)
{
    DecimalReading r = readDecimal(text);
    if (r.problem != EntryProblem::None)
        return r;
    if (std::fabs(r.value) >= kMaxPositionMm)
        return {0, EntryProblem::OutOfRange};
    return r;
}

MarginReading readMargin(std::string_view text)
{
    const DecimalReading r = readDecimal(text);
    if (r.problem != EntryProblem::None || r.value < MinMarginPercent || r.value > MaxMarginPercent)
        return {};
    return {r.value, true};
}

double storedMarginPercent(std::string_view text)
{
    const MarginReading r = readMargin(text);
    return r.valid ? r.percent : DefaultMarginPercent;
}

std::string firstCharacters(std::string_view text, int n)
{
    std::size_t at = 0;
    for (int count = 0; at < text.size(); ++count) {
        if (count == n)
            return std::string(text.substr(0, at));
        // Step over one character: its lead byte and the continuation bytes after it.
        ++at;
        while (at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80)
            ++at;
    }
    return std::string(text);
}

BalanceCut limitBalanceItems(std::vector<BalanceItemTexts>& items)
{
    BalanceCut cut;
    if (items.size() > static_cast<std::size_t>(MaxBalanceItems)) {
        cut.itemsLeftOut = static_cast<int>(items.size()) - MaxBalanceItems;
        items.resize(MaxBalanceItems);
    }
    for (BalanceItemTexts& item : items) {
        std::string shortened = firstCharacters(item.name, MaxBalanceNameLength);
        if (shortened.size() < item.name.size()) {
            item.name = std::move(shortened);
            ++cut.namesShortened;
        }
    }
    return cut;
}

std::string shortestNumberText(double v)
{
    if (v == 0 || !std::isfinite(v))
        return "0";
    char buffer[32];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, v);
    return ec == std::errc() ? std::string(buffer, end) : "0";
}

} // namespace ab
