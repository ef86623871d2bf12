// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/field_reading.h"

#include "model/balance_items.h"
#include "model/numbers.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

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

bool takesMagnitude(Role role)
{
    if (role == Role::RootGap || role == Role::RootChord)
        return true;
    for (int k = 1; k <= MaxTrapezoids; ++k)
        if (role == widthRole(k) || role == tipChordRole(k))
            return true;
    return false;
}

FieldReading readLengthField(std::string_view text, Role role)
{
    std::int32_t value = parseLenientInt(text);
    if (takesMagnitude(role))
        value = value == INT32_MIN ? INT32_MAX : std::abs(value);
    return {value, !writesCleanly(text, value)};
}

bool lengthFieldMisread(std::string_view shown, Role role, UnitSystem units)
{
    if (units == UnitSystem::Metric)
        return readLengthField(shown, role).flagged;
    const LeadingNumber n = leadingNumber(shown, false);
    return n.length == 0 || !n.whole || (takesMagnitude(role) && n.value < 0);
}

AngleReading readDihedralField(std::string_view text)
{
    const DecimalReading d = readDecimal(text);
    switch (d.problem) {
    case EntryProblem::None:
        break;
    case EntryProblem::Empty:
        return {0, false};
    default:
        return {0, true};
    }
    if (std::abs(d.value) > MaxDihedralDegrees)
        return {std::copysign(MaxDihedralDegrees, d.value), true};
    return {d.value, false};
}

} // namespace ab
