// SPDX-License-Identifier: GPL-3.0-or-later
// What the balance and fuselage tabs, the margin field and batch mode say about a typed figure that
// is not used as typed: the tool tips of balance and fuselage cells, the lines that list such cells,
// and the tool tip of a margin field whose text is no margin.
#pragma once

#include "lang/language.h"
#include "model/balance_items.h"
#include "model/fuselage.h"
#include "model/units.h"

#include <string>
#include <string_view>
#include <vector>

namespace ab {

// The tool tip of a balance cell: "not a number: the row counts as 0 g"; empty for None.
std::string balanceCellTip(EntryProblem problem, Language language, UnitSystem units = UnitSystem::Metric);

// One line per cell of the rows in use (the first MaxBalanceItems) whose figure does not count:
// "Balance row 3 (Servo), mass '4x12': not a number; the row counts as 0 g". Empty when every row
// counts.
std::vector<std::string> flaggedBalanceLines(const std::vector<BalanceItemTexts>& rows, Language language);

// The tool tip of a fuselage cell whose figure is not used as typed: "a negative width: the width
// counts as 0", "not behind the station before it: the station does not count"; empty for None.
std::string fuselageCellTip(EntryProblem problem, bool xColumn, Language language);

// One line per flagged cell of the fuselage table: "Fuselage row 4, x '120': not behind the station
// before it; the station does not count". Empty when every figure counts as typed.
std::vector<std::string> flaggedFuselageLines(const std::vector<FuselageStationTexts>& rows, Language language);

// The tool tip of a margin field whose text is no margin: "not a margin from 0 to 50 %: 7.5 % stays
// in use", with the margin in use.
std::string marginFieldTip(double marginInUse, Language language);

} // namespace ab
