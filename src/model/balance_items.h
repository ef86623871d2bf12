// SPDX-License-Identifier: GPL-3.0-or-later
// The aircraft's own balance as typed: the parts of the model (motor, battery, servos ...) with their
// masses and positions, the chosen stability margin and mode, and the rules by which those texts are
// read, limited and written as numbers.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ab {

// One row of the balance table as typed: a name, the mass in grams and the x of the part's own
// centre of gravity in mm from the datum (positive rearward).
struct BalanceItemTexts {
    std::string name;
    std::string mass;
    std::string x;
    bool operator==(const BalanceItemTexts&) const = default;
};

// Automatic: the recommended range by the wing count; manual: one margin the user types.
enum class StabilityMode { Automatic, Manual };

// The margin and mode an aircraft starts with and that a file without them gets.
inline constexpr const char* DefaultMarginText = "7.5";
inline constexpr double DefaultMarginPercent = 7.5;

// A table longer than this, or a longer name, is cut (and the user told so).
inline constexpr int MaxBalanceItems = 100;
inline constexpr int MaxBalanceNameLength = 60; // characters, not bytes

// Why a typed figure does not count as typed.
enum class EntryProblem {
    None,
    Empty,      // nothing but blanks
    NotANumber, // no digit where the number should start
    Negative,   // a mass below zero
    OutOfRange, // beyond what any model weighs or measures
    OutOfOrder, // a fuselage station not rearward of the one before it
};

struct DecimalReading {
    double value = 0; // 0 unless problem is None
    EntryProblem problem = EntryProblem::None;
};

// Decimal reading of a typed figure: blanks, a sign, digits with one "." (or one "," when the text
// holds no ".", as German and Spanish users write it), an optional exponent, blanks. Anything else
// in the text ("4x12", "1O5", "8.0.5", "12 g") makes it NotANumber: a figure is used as typed or
// not at all. A number beyond +-1e9 is OutOfRange. Never reports Negative; the caller decides
// whether a sign is allowed.
DecimalReading readDecimal(std::string_view text);

// A mass in grams: negative counts as 0 and is flagged, and so is one above 10 t.
DecimalReading readMassGrams(std::string_view text);
// An x in mm as typed, fractions kept: a kilometre or more from the datum is flagged.
DecimalReading readPositionMm(std::string_view text);

// The margins a user may choose, in percent of the reference chord.
inline constexpr double MinMarginPercent = 0;
inline constexpr double MaxMarginPercent = 50;

// The desired margin as typed into Edit_Mstab, stored in a file or given on the command line: a
// decimal number as readDecimal reads it, from 0 to 50 %. Any other text, an empty one included, is
// no margin: `valid` is false and the margin in use stays what it was.
struct MarginReading {
    double percent = 0;
    bool valid = false;
};
MarginReading readMargin(std::string_view text);
// The margin an aircraft's stored margin text stands for: its reading, or the default margin where
// the text is no margin (the aircraft keeps only margins that read, so this is a safeguard).
double storedMarginPercent(std::string_view text);

// The first n characters of a UTF-8 text (a character never split); the text as it is when shorter.
std::string firstCharacters(std::string_view text, int n);

// What limiting a table cut: rows beyond MaxBalanceItems and names beyond MaxBalanceNameLength.
struct BalanceCut {
    int itemsLeftOut = 0;
    int namesShortened = 0;
    bool any() const { return itemsLeftOut > 0 || namesShortened > 0; }
};

// Keeps the first MaxBalanceItems rows and the first MaxBalanceNameLength characters of each name.
BalanceCut limitBalanceItems(std::vector<BalanceItemTexts>& items);

// The shortest decimal text that reads back as exactly v ("7.5", "120", "0.25"); -0 is "0".
std::string shortestNumberText(double v);

} // namespace ab
