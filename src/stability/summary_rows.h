// SPDX-License-Identifier: GPL-3.0-or-later
// The texts of the one-page summary that printing composes after a calculation: title and file
// name, the aircraft's neutral point with the recommended centres of gravity, a block per wing with
// its station table and planform figures, and the aircraft's own balance. The printed page, the PDF
// and batch mode's text summary all lay out these rows.
#pragma once

#include "lang/language.h"
#include "model/aircraft.h"
#include "model/units.h"
#include "model/wing_name.h"
#include "stability/balance.h"
#include "stability/stability.h"

#include <optional>
#include <string>
#include <vector>

namespace ab {

// The page's frame in pixels; its rows lie 20 pixels apart.
inline constexpr int SummaryPageWidth = 806;
inline constexpr int SummaryPageHeight = 1620;

// One text of the one-page summary at its pixel position on the 806 x 1620 page: left x, top y.
struct PageRow {
    int x = 0;
    int y = 0;
    std::string text;
};

// The foot follows the last wing's block, 30 pixels below its last row (a blank line in the text
// summary), in lines of at most SummaryFootColumns characters: what the page's width holds in its
// font. With parts weighed it begins with the balance, total mass and static margin at x 520: rows
// "Balance:" with the mass, the centre of gravity in mm and % MAC with the margin, and the verdict;
// where the page holds only two rows (below five wings), the centre of gravity with the mass and the
// verdict with the margin. The count of rows taken as 0 g follows when there are such rows, then,
// 30 pixels below, the sentence that says where x is measured from. What would not stand whole on
// the page gives way: the sentence first, then the count of rows.
inline constexpr std::size_t SummaryFootColumns = 80;

// Every text of the summary page in drawing order: the program title "AeroBalance4  V3.4 " at (0, 0),
// the file name at (0, 20), the spacing of the lattice's strips beside the title of the aircraft rows
// at (320, 563) ("strips along the span: equal"), the aircraft rows at y 563..643 (labels at x 0, values at x 520, each
// position also in % of the reference chord) with the leading edge of the reference chord and its
// spanwise station at 663, one block per wing 1..ActiveWingCount at T = 683 + 180 (k - 1): title
// and station lines at x 0, right labels at x 320 and their values at x 580; and the datum sentence
// at x 0 from T + 170 of the last wing (of wing 1 when none is in use) in rows 20 pixels apart, the
// balance before it when `balance` holds parts, and before that, after a calculation with a
// fuselage, the fuselage's share and the neutral point without it (aircraft rows, 30 pixels above
// what follows). Station fields beyond the wing's stations are empty
// strings with their separating blanks kept. A block's title carries the wing's name when it has one
// ("Wing2: Tailplane"). A wing with dihedral adds the row "vf: " of its angles in degrees under
// "yf: " (each trapezoid's under its tip station; "zf: " and "x0: " move down a row) and, at T + 140,
// its span and area seen from above ("proj.: 1532 mm 28.3 dm**2"). Labels follow the language;
// lengths, areas and masses the chosen units (imperial: stations in six characters with two decimals
// of an inch, areas in in**2, masses in oz).
std::vector<PageRow> summaryRows(const Aircraft& aircraft, const StabilityFigures& figures,
                                 const std::string& fileName, Language language, const WingNames& names = {},
                                 const std::optional<BalanceFigures>& balance = std::nullopt,
                                 UnitSystem units = UnitSystem::Metric);

// A path shortened to at most `columns` characters (UTF-8 counted by character) for a line that
// cannot grow: the middle of the folder part gives way to "...", the file name stays whole (also
// when it alone is longer).
std::string pathInColumns(const std::string& path, std::size_t columns);

} // namespace ab
