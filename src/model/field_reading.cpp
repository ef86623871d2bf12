#include "model/field_reading.h"

#include "model/numbers.h"

#include <algorithm>

namespace ab {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Whether the text has the clean form and writes exactly `value`.
bool writesCleanly(std::string_view text, std::int32_t value)
{
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    // The magnitude saturates just past the 32-bit range; such a number is never clean.
    constexpr std::int64_t beyond = (std::int64_t{1} << 31) + 1;
    std::int64_t magnitude = 0;
    std::size_t digits = 0;
    for (; i < text.size() && isDigit(text[i]); ++i, ++digits)
        magnitude = std::min(magnitude * 10 + (text[i] - '0'), beyond);
    if (i < text.size() && text[i] == '.')
        for (++i; i < text.size() && text[i] == '0'; ++i)
            ++digits;
    if (digits == 0)
        return false;
    while (i < text.size() && text[i] == ' ')
        ++i;
    if (i != text.size())
        return false;
    return (negative ? -magnitude : magnitude) == value;
}

} // namespace

FieldReading readLengthField(std::string_view text)
{
    const std::int32_t value = parseLenientInt(text);
    return {value, !writesCleanly(text, value)};
}

} // namespace ab
