// SPDX-License-Identifier: GPL-3.0-or-later
// Millimetres and grams, or inches and ounces: the figures a user sees and types in the chosen
// system. The aircraft's texts and every file stay in mm and g; these turn a stored text or value
// into the text shown, and a typed text into the stored one.
#pragma once

#include <string>
#include <string_view>

namespace ab {

enum class UnitSystem { Metric, Imperial };

enum class Quantity { Length, Mass, Area };

inline constexpr double MillimetresPerInch = 25.4;
inline constexpr double GramsPerOunce = 28.349523125;

// Stored units (mm, g, mm²) in one shown unit: 1 in metric.
double unitFactor(Quantity q, UnitSystem u);
// The decimals imperial figures are shown with: in 2, oz 1, in² 1.
int imperialDecimals(Quantity q);
// The caption of the shown unit: "mm", "g", "dm^2" (as the labels write it) or "in", "oz", "in^2".
// An area is stored in mm² and shown in dm² in metric.
std::string_view unitName(Quantity q, UnitSystem u);

// A stored figure (mm, g or mm²) as shown: in metric formatFixed with the metric decimals the
// caller gives (an area in dm²), in imperial converted with the imperial decimals; padded to minWidth.
std::string shownFigure(double stored, Quantity q, UnitSystem u, int metricDecimals, int minWidth = 0);

// The text a field shows for its stored text. Metric: the text itself. Imperial: the leading number
// (blanks, sign, digits, one "." or "," as decimal point) converted with the imperial decimals, the
// rest of the text kept as it stands ("558.8O" shows as "22.00O"); a text without a leading number
// is shown as it is.
// A wing field (decimalComma false) takes "." only, as its metric reading does; the balance and
// fuselage tables also take a "," in a text without ".".
std::string shownText(std::string_view stored, Quantity q, UnitSystem u, bool decimalComma = true);

// The stored text for what the user typed in the shown unit: metric, the text itself; imperial, the
// leading number converted to mm or g with the fewest decimals that read back as the typed figure
// in the shown unit (to its imperial decimals) and as its true value to metricDecimals in metric;
// the rest of the text is kept, so a misread text stays misread ("22O" in is stored as "558.8O").
// A stored text takes at most maxDecimals: the wing fields, which the aircraft and its file hold in
// whole millimetres, take 0 and get the nearest whole mm (10.5 in is stored as 267 and shows as
// 10.51 when written anew).
std::string storedText(std::string_view typed, Quantity q, UnitSystem u, int metricDecimals,
                       bool decimalComma = true, int maxDecimals = 6);

// The leading number of a text as the two functions above take it: its value, the length of the
// text it covers (0 when there is none) and whether only blanks follow.
struct LeadingNumber {
    double value = 0;
    std::size_t length = 0;
    bool whole = false; // the number is the whole text, apart from blanks around it
};
LeadingNumber leadingNumber(std::string_view text, bool decimalComma = true);

} // namespace ab
