// SPDX-License-Identifier: GPL-3.0-or-later
// The fuselage as typed: a table of stations, each an x in mm from the datum and the body's width
// seen from above there; the rule by which the table is read, and the quick shape that fills it from
// three figures.
#pragma once

#include "model/aircraft.h"
#include "model/balance_items.h"

#include <string>
#include <vector>

namespace ab {

// One row of the fuselage table as typed.
struct FuselageStationTexts {
    std::string x;     // mm from the datum, positive rearward
    std::string width; // plan-view width in mm
    bool operator==(const FuselageStationTexts&) const = default;
};

// A table longer than this is cut when read and when written.
inline constexpr int MaxFuselageStations = 200;

// How a row was read: the problem of each cell (None where the figure counts as typed).
struct FuselageRowReading {
    EntryProblem x = EntryProblem::None;     // Empty, NotANumber, OutOfRange or OutOfOrder
    EntryProblem width = EntryProblem::None; // Empty, NotANumber, Negative or OutOfRange
    bool flagged() const { return x != EntryProblem::None || width != EntryProblem::None; }
};

struct FuselageReading {
    std::vector<FuselageStation> stations; // the stations that count, x strictly increasing
    std::vector<FuselageRowReading> rows;  // one per row of the table (up to MaxFuselageStations)
};

// The table as the calculation and the views take it. x is read as a balance position (a decimal
// number, fractions kept, a kilometre or more flagged); a row whose x does not read, or does not lie
// rearward of the last station that counts (OutOfOrder), is left out. A width that does not read,
// is negative or a kilometre or more counts as 0 and is flagged.
FuselageReading readFuselage(const std::vector<FuselageStationTexts>& rows);

// The stations of a quick shape: an elliptic nose over the first quarter of the length, the largest
// width up to half the length, then a straight taper to a third of the width at the tail. Figures
// written with one decimal; nothing for a length or width that is not positive.
std::vector<FuselageStationTexts> quickFuselageShape(double noseX, double length, double largestWidth);

// The plan-view width at x, straight between the stations, 0 outside the body.
double fuselageWidthAt(const std::vector<FuselageStation>& stations, double x);

} // namespace ab
