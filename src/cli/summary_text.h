// The text summary of batch mode: the rows of the printed summary page (neutral point, the
// recommended centres of gravity, and a block per wing with its station table and planform
// figures), in the same labels and number formats, as lines of plain text.
#pragma once

#include "lang/language.h"
#include "model/aircraft.h"
#include "stability/stability.h"

#include <string>

namespace ab {

// Lines end with '\n'. Wing blocks for wings 1..ActiveWingCount.
std::string summaryText(const Aircraft& aircraft, const StabilityFigures& figures, const std::string& fileName,
                        Language language);

} // namespace ab
