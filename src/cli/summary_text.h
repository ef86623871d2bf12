// SPDX-License-Identifier: GPL-3.0-or-later
// The text summary of batch mode: the rows of the printed summary page (stability/summary_rows.h)
// laid out as lines of plain text in fixed columns.
#pragma once

#include "lang/language.h"
#include "model/aircraft.h"
#include "model/units.h"
#include "model/wing_name.h"
#include "stability/stability.h"

#include <string>

namespace ab {

// Rows on one pixel row of the page make one line, each text starting at the column of its x
// (0 -> 0, 320 -> 36, 520 -> 60, 580 -> 64) with at least one blank before it; a gap of more than
// one row (20 pixels) between lines gives one empty line. Trailing blanks of a text are dropped.
// Lines end with '\n'. Wing blocks for wings 1..ActiveWingCount, headed by the wing's name when it
// has one, as on the page.
std::string summaryText(const Aircraft& aircraft, const StabilityFigures& figures, const std::string& fileName,
                        Language language, const WingNames& names = {}, UnitSystem units = UnitSystem::Metric);

} // namespace ab
