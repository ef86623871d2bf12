// SPDX-License-Identifier: GPL-3.0-or-later
// The spanwise lift distribution as a CSV file for a spreadsheet: a header, then one row per strip of
// every calculated wing, root to tip, with numbers written with a point whatever the locale.
#pragma once

#include "lang/language.h"
#include "files/text_file.h"
#include "solver/lift_distribution.h"

#include <string>

namespace ab {

// The columns, in order: wing number, strip centre y (mm), chord (mm), c·cl/c_ref (per radian),
// cl/CL, and the strip's width (mm), which integrating the lift over the span needs.
inline constexpr const char* LiftCsvHeader = "wing,y_mm,chord_mm,c_cl_over_cref,cl_over_CL,width_mm";

// The whole file: the header and the rows, lines ending in CR LF. Numbers are the shortest texts
// that read back as the same double.
std::string liftDistributionCsv(const LiftDistribution& distribution);

// Saves the file through a temporary file, so a failed save leaves what stood there before (`write`
// may stage it with other outputs). Returns
// the message naming the file and the reason, or an empty string. Without a distribution nothing is
// written and the message says there are no results.
std::string saveLiftDistributionCsv(const std::string& path, const LiftDistribution& distribution, Language language,
                                    const FileWriter& write = writeFileAtomically);

} // namespace ab
