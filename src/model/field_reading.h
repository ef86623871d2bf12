// SPDX-License-Identifier: GPL-3.0-or-later
// Whether a length field was read as typed: every wing field and position is read by the lenient
// integer rule, which never refuses a text; this tells which texts it had to bend, so that the window
// can mark the field and the calculation can say what it used.
#pragma once

#include "model/aircraft_texts.h"
#include "model/units.h"

#include <cstdint>
#include <string_view>

namespace ab {

// What a field text gives and whether that is what it says.
struct FieldReading {
    std::int32_t value = 0; // what every evaluation uses: parseLenientInt(text), its magnitude where the role says
    bool flagged = true;    // the text is not a clean number, or its number is not the value read
};

// The root gap, the chords and the widths are lengths without a direction: the evaluation takes the
// magnitude of what it reads there (the x and z positions and the sweep offsets keep their sign).
bool takesMagnitude(Role role);

// The sixteen fields of a wing (root gap, chords, widths, sweep offsets, x and z positions) are all
// whole millimetres read by one rule. A text is clean when it is
//   blanks, an optional "+" or "-", decimal digits, optionally "." followed by zeros only, blanks
// with at least one digit ("220", " 220 ", "+5", "012", "220.0", "220." and ".0" are clean)
// and the value used is the number it writes. Everything else is flagged, whatever value it gives:
//   - an empty text or blanks only (read as 0), a lone sign;
//   - a text the reading stopped in: "22O", "220,5", "2e3", "12 mm";
//   - a fraction that is dropped: "220.5" (read as 220);
//   - a number whose sign the reading loses: "-80 " and "-5.0" are read as 80 and 5;
//   - a negative root gap, chord or width: "-80" is used as 80;
//   - the hexadecimal forms "$10", "x12", "0x1F", which the reading accepts but nobody types as a
//     length (read as 16, 18, 31);
//   - a number beyond the 32-bit range, of which only the leading digits are read;
//   - tabs and other white space, which the reading does not skip.
// Blanks are the space character only, as for the reading itself.
FieldReading readLengthField(std::string_view text, Role role);

// Whether a wing field's text as shown in the chosen units is misread. Metric: readLengthField's
// flag. Imperial: a decimal number of inches (one "." and any decimals) is read whole; a text
// without a leading number, with anything but blanks after it ("22O", "8,5") or a negative root gap,
// chord or width is misread, and is used as its leading number (see units.h).
bool lengthFieldMisread(std::string_view shown, Role role, UnitSystem units);

// The dihedral angles a trapezoid may have, in degrees.
inline constexpr double MaxDihedralDegrees = 60;

// What a dihedral field gives and whether that is what it says.
struct AngleReading {
    double degrees = 0; // what the evaluation uses
    bool flagged = false;
};

// A dihedral angle in degrees as typed: a decimal number with "." or "," as readDecimal reads it, or
// nothing but blanks for a flat trapezoid (0, not flagged). A text that is no number is read as 0 and
// flagged; an angle beyond +-60 degrees is held at 60 with its sign and flagged.
AngleReading readDihedralField(std::string_view text);

} // namespace ab
