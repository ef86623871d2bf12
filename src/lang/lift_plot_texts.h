// SPDX-License-Identifier: GPL-3.0-or-later
// The texts of the spanwise lift distribution: its plot's title, axes, legend and marks, and the
// reason an export of it is refused, in the three languages. The symbols (y, c·cl/c_ref, cl/CL) are
// the same in every language, as the columns of the exported file are.
#pragma once

#include "lang/language.h"

namespace ab::texts {

extern const Text3 LiftPlotTitle;       // "Spanwise lift distribution, wing {wing}"
extern const Text3 LiftPlotSpanAxis;    // "span station y [mm]"
extern const Text3 LiftPlotLiftAxis;    // "local lift c·cl/c_ref [1/rad]"
extern const Text3 LiftPlotLiftSymbol;  // "c·cl/c_ref [1/rad]", where the words do not fit
extern const Text3 LiftPlotRatioAxis;   // "cl/CL"
extern const Text3 LiftPlotLocalLift;   // legend: the local lift curve
extern const Text3 LiftPlotElliptic;    // legend: the elliptic distribution of the same lift
extern const Text3 LiftPlotRatio;       // legend: the local cl/CL
extern const Text3 LiftPlotStallFirst;  // the mark: "{ratio}" the highest cl/CL, "{value}" its station
extern const Text3 LiftPlotNoResults;   // nothing calculated for this wing
extern const Text3 LiftExportNoResults; // "{reason}" of an export refused before a calculation

} // namespace ab::texts
