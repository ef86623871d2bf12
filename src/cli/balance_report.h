// SPDX-License-Identifier: GPL-3.0-or-later
// The aircraft's own balance in batch mode: the `balance` object of the JSON report and the lines the
// text summary ends with.
#pragma once

#include "lang/language.h"
#include "stability/balance.h"

#include <nlohmann/json.hpp>

#include <string>

namespace ab {

// {"items": [{"name", "mass_g", "x_mm"}...], "mass_g", "cg_x_mm", "cg_percent_mac",
// "static_margin_percent", "inside_recommended_band"}: an item's mass is the mass it counts with
// (0 when flagged), so the items add up to mass_g; a figure that does not exist is null.
nlohmann::ordered_json balanceJson(const BalanceFigures& balance);

// The lines after the summary: empty when the aircraft has no balance rows, otherwise a blank line,
// a heading and the balance lines, each ended by '\n'.
std::string balanceSummaryText(const BalanceFigures& balance, Language language, UnitSystem units = UnitSystem::Metric);

} // namespace ab
