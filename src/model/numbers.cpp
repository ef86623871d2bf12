// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/numbers.h"

#include <cctype>
#include <charconv>
#include <limits>
#include <vector>

namespace ab {
namespace {

int digitValue(char c, int base)
{
    int d = -1;
    if (c >= '0' && c <= '9')
        d = c - '0';
    else if (c >= 'a' && c <= 'f')
        d = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        d = c - 'A' + 10;
    return d < base ? d : -1;
}

std::string padLeft(std::string s, int minWidth)
{
    if (static_cast<int>(s.size()) < minWidth)
        s.insert(0, static_cast<std::size_t>(minWidth) - s.size(), ' ');
    return s;
}

} // namespace

std::int32_t parseLenientInt(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    bool signed_ = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        signed_ = true;
        ++i;
    }
    int base = 10;
    if (!signed_ && i < text.size()) {
        if (text[i] == '$' || text[i] == 'x' || text[i] == 'X') {
            base = 16;
            ++i;
        } else if (text[i] == '0' && i + 1 < text.size() && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
            base = 16;
            i += 2;
        }
    }
    // The magnitude a negative decimal may reach is one more than a positive one.
    const std::int64_t limit = negative ? std::int64_t{1} << 31 : (std::int64_t{1} << 31) - 1;
    std::int64_t value = 0;
    for (; i < text.size(); ++i) {
        const int d = digitValue(text[i], base);
        if (d < 0)
            break;
        const std::int64_t next = value * base + d;
        if (next > limit)
            break;
        value = next;
    }
    if (i < text.size()) // stopped early: the magnitude read so far
        return static_cast<std::int32_t>(std::min<std::int64_t>(value, (std::int64_t{1} << 31) - 1));
    return static_cast<std::int32_t>(negative ? -value : value);
}

double parseLenientReal(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    const std::size_t start = i;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        ++i;
    std::size_t digits = 0;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])))
        ++i, ++digits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])))
            ++i, ++digits;
    }
    if (digits == 0)
        return 0.0;
    std::size_t end = i;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '-' || text[j] == '+'))
            ++j;
        const std::size_t expStart = j;
        while (j < text.size() && std::isdigit(static_cast<unsigned char>(text[j])))
            ++j;
        if (j > expStart)
            end = j;
    }
    // from_chars reads no leading "+" and ignores the locale, so the point is always the separator.
    std::string_view number = text.substr(start, end - start);
    if (number[0] == '+')
        number.remove_prefix(1);
    double v = 0.0;
    const auto [ptr, ec] = std::from_chars(number.data(), number.data() + number.size(), v);
    return ec == std::errc() && std::isfinite(v) ? v : 0.0;
}

std::string formatFixed(double v, int decimals, int minWidth)
{
    if (std::isnan(v))
        return padLeft("NAN", minWidth);
    if (std::isinf(v))
        return padLeft(v < 0 ? "-INF" : "INF", minWidth);

    // The exact decimal expansion of a double ends within 1074 fractional digits; printing one digit
    // more than that and rounding by hand gives halves away from zero on the exact value. to_chars
    // ignores the locale, so the separator is always a point.
    const int exact = 1075;
    std::vector<char> buf(static_cast<std::size_t>(exact) + 330);
    const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), std::fabs(v), std::chars_format::fixed, exact);
    std::string s(buf.data(), res.ptr);
    const std::size_t point = s.find('.');
    std::string digits = s.substr(0, point) + s.substr(point + 1, static_cast<std::size_t>(decimals));
    const char next = s[point + 1 + static_cast<std::size_t>(decimals)];
    if (next >= '5') {
        // carry the increment from the last digit kept
        int k = static_cast<int>(digits.size()) - 1;
        while (k >= 0 && digits[static_cast<std::size_t>(k)] == '9')
            digits[static_cast<std::size_t>(k--)] = '0';
        if (k < 0)
            digits.insert(0, 1, '1');
        else
            ++digits[static_cast<std::size_t>(k)];
    }
    const std::size_t intLen = digits.size() - static_cast<std::size_t>(decimals);
    std::string out = digits.substr(0, intLen);
    if (decimals > 0)
        out += '.' + digits.substr(intLen);
    const bool isZero = digits.find_first_not_of('0') == std::string::npos;
    if (v < 0 && !isZero)
        out.insert(0, 1, '-');
    return padLeft(std::move(out), minWidth);
}

std::string formatInt(std::int64_t v, int minWidth) { return padLeft(std::to_string(v), minWidth); }

std::optional<double> parseStrictReal(std::string_view text, std::string_view exponentLetters)
{
    std::string t(text);
    for (char& c : t)
        if (exponentLetters.find(c) != std::string_view::npos)
            c = 'e';
    // from_chars takes a minus sign but no plus sign, and a plus sign alone before another sign is
    // no number.
    std::size_t start = 0;
    if (!t.empty() && t[0] == '+' && (t.size() < 2 || t[1] != '-'))
        start = 1;
    double v = 0;
    const char* first = t.data() + start;
    const char* last = t.data() + t.size();
    const auto [end, ec] = std::from_chars(first, last, v);
    if (first == last || ec != std::errc() || end != last || !std::isfinite(v))
        return std::nullopt;
    return v;
}

} // namespace ab
