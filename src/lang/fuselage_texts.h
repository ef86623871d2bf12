// SPDX-License-Identifier: GPL-3.0-or-later
// The words of the fuselage tab and of the fuselage's share of the neutral point, in the three
// languages.
#pragma once

#include "lang/language.h"

namespace ab::texts {

extern const Text3 FuselageTab;          // the tab's caption
extern const Text3 FuselageColumnX;      // the table's columns
extern const Text3 FuselageColumnWidth;
extern const Text3 FuselageAdd;          // the buttons under the table
extern const Text3 FuselageRemove;
extern const Text3 FuselageShapeTitle;   // the quick shape's box, its three fields and its button
extern const Text3 FuselageNoseX;
extern const Text3 FuselageLength;
extern const Text3 FuselageLargestWidth;
extern const Text3 FuselageShapeButton;
extern const Text3 FuselageHint;         // what the table holds, under it
extern const Text3 FuselageShiftLabel;   // "fuselage: " before the shift
extern const Text3 FuselageStale;        // the figures line while no calculation has the fuselage
extern const Text3 SummaryFuselage;      // the printed page's rows
extern const Text3 SummaryWithoutFuselage;

} // namespace ab::texts
