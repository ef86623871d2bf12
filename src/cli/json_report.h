// SPDX-License-Identifier: GPL-3.0-or-later
// The JSON object batch mode prints with --json: the aircraft's neutral point and reference wing,
// the stability figures, every wing's planform and vortex figures, moved wings, messages and the
// aircraft's own balance.
#pragma once

#include "document/aircraft_document.h"
#include "model/wing_name.h"
#include "solver/calculation.h"

#include <nlohmann/json.hpp>

#include <string>
#include <vector>

namespace ab {

// Keys in the order listed above; lengths in mm, areas in mm^2, numbers at full precision. Wings
// 1..WingCount, each with its name after its number ("" for a wing without one). The mean aerodynamic chords (the reference one and each wing's) are placed by the
// x of their leading edge from the aircraft's datum and their spanwise station; positions in % of
// the reference chord from its leading edge are null without a reference chord.
// `messages` are the lines the run reports besides its figures (see batchMessages). An aircraft with
// a fuselage table adds "fuselage" last: its stations that count, whether the calculation had a
// body, the shift of the neutral point (mm and % MAC) and the neutral point without it.
// With `sayUnits` (--units was given) "units" follows "file" and names them: the report is in mm, mm^2
// and g whichever units the text summary and the PDF show.
nlohmann::ordered_json jsonReport(const std::string& fileName, const AircraftDocument& document,
                                  const CalculationRun& run, const std::vector<std::string>& messages,
                                  bool sayUnits = false);

// What batch mode reports besides the figures, in order: what a damaged file lacks (the notes of its
// opening), the calculation's memo lines when it shows them (fields not read as typed), then one
// line per balance cell that does not count, and one per fuselage cell not read as typed.
std::vector<std::string> batchMessages(const std::vector<std::string>& fileNotes, const CalculationRun& run,
                                       const std::vector<BalanceItemTexts>& balance, Language language,
                                       const std::vector<FuselageStationTexts>& fuselage = {});

} // namespace ab
