// SPDX-License-Identifier: GPL-3.0-or-later
// Reading numbers from field and file texts, and writing numbers as the labels and files show them.
#pragma once

#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ab {

// Lenient integer reading of a field text. Leading blanks are skipped, then an optional sign.
// Without a sign, "$", "x", "X", "0x" or "0X" start a hexadecimal number; otherwise decimal digits
// are read. Reading stops at the first character that is not a digit, and at a digit that would
// carry the value beyond 32 bits; a text read to its end gives its signed value, a text that stopped
// early gives the magnitude read so far. Never fails: "12a" is 12, "-12a" is 12, "" and "-" are 0.
std::int32_t parseLenientInt(std::string_view text);

// Lenient real reading: leading blanks, sign, digits, one ".", optional exponent; stops at the first
// character that does not fit. No number, or one beyond the range of a double, gives 0.
double parseLenientReal(std::string_view text);

// Strict real reading of a number another program wrote: the whole text is one decimal number with
// an optional sign ("+1.5", "-.25", "2e-3"); nothing when any character does not fit or the value
// is not finite. `exponentLetters` are read as "e" too (Fortran's "1.0D0").
std::optional<double> parseStrictReal(std::string_view text, std::string_view exponentLetters = {});

// Round to the nearest integer, halves to even.
inline double Round(double v) { return std::nearbyint(v); }
inline std::int64_t RoundInt(double v) { return static_cast<std::int64_t>(std::nearbyint(v)); }
// Drop the fraction.
inline std::int64_t Trunc(double v) { return static_cast<std::int64_t>(v); }

// Fixed-point text of v with the given decimals, padded with leading blanks to minWidth, point as
// separator. Rounds the exact value of the double at the last decimal shown, halves away from zero
// (0.125 with 2 decimals is "0.13"). A value that rounds to zero carries no minus sign.
std::string formatFixed(double v, int decimals, int minWidth = 0);

// Decimal integer right-aligned in minWidth characters.
std::string formatInt(std::int64_t v, int minWidth = 0);

} // namespace ab
