// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/json_report.h"

#include "cli/balance_report.h"
#include "lang/entry_texts.h"

#include <algorithm>
#include <map>

namespace ab {

nlohmann::ordered_json jsonReport(const std::string& fileName, const AircraftDocument& doc, const CalculationRun& run,
                                  const std::vector<std::string>& messages, bool sayUnits)
{
    using json = nlohmann::ordered_json;
    const Aircraft& ac = doc.aircraft;
    const SolverData& sd = doc.solver;
    const StabilityFigures f = doc.stabilityFigures();
    const CgBand band = doc.band();
    const WingNames names = wingNames(doc.texts);
    // A position in % MAC, null without a reference chord.
    const auto orNull = [](std::optional<double> percent) { return percent ? json(*percent) : json(nullptr); };
    json wings = json::array();
    for (int w = 1; w <= std::clamp(ac.WingCount, 0, MaxWings); ++w) {
        wings.push_back({
            {"wing", w},
            {"name", names[w]},
            {"span_mm", ac.WingSpan[w]},
            {"area_mm2", ac.WingArea[w]},
            {"mac_mm", ac.WingMac[w]},
            {"mac_leading_edge_x_mm", ac.WingMacLeadingX[w]},
            {"mac_y_mm", ac.WingMacY[w]},
            {"aspect_ratio", ac.WingAspectRatio[w]},
            {"r25_mm", ac.WingR25[w]},
            {"neutral_point_mm", ac.WingNeutralX[w] - ac.posX[w]},
            {"neutral_point_x_mm", ac.WingNeutralX[w]},
            {"lift_centre_y_mm", ac.WingLiftCentreY[w]},
            {"lift_slope", ac.WingLiftSlope[w]},
            {"strips", sd.counts.StripCount[w]},
            {"chordwise", sd.counts.ChordwiseCount[w]},
            {"pos_x_mm", ac.posX[w]},
            {"pos_z_mm", ac.posZ[w]},
        });
        // A wing with tilted trapezoids adds their angles and its projection; the figures above
        // stay those of the planform as typed.
        if (hasDihedral(ac, w)) {
            json angles = json::array();
            for (int k = 1; k < ac.StationCount[w]; ++k)
                angles.push_back(ac.StationDihedral[k][w]);
            json& entry = wings.back();
            entry["dihedral_deg"] = angles;
            entry["projected_span_mm"] = ac.WingProjectedSpan[w];
            entry["projected_area_mm2"] = ac.WingProjectedArea[w];
        }
    }
    // A wing moved more than once is listed once, with the height it ended at.
    std::map<int, double> moved;
    for (const auto& [wing, z] : run.movedHeights)
        moved[wing] = z;
    json movedWings = json::array();
    for (const auto& [wing, z] : moved)
        movedWings.push_back({{"wing", wing}, {"z_mm", z}});

    json report = {
        {"file", fileName},
        {"wing_count", ac.WingCount},
        {"panel_count", sd.counts.PanelCount},
        // The lattice the figures come from: how its strips were spread along the span, and its panels.
        {"lattice",
         {
             {"spanwise_spacing", std::string(spacingName(ac.StripSpacing))},
             {"panels", sd.counts.PanelCount},
         }},
        {"neutral_point_x_mm", ac.NeutralPointX},
        {"reference_wing", sd.ReferenceWing},
        {"reference_area_mm2", ac.ReferenceArea},
        {"reference_mac_mm", ac.ReferenceMac},
        {"mac_leading_edge_x_mm", ac.ReferenceMacLeadingX},
        {"mac_y_mm", ac.ReferenceMacY},
        {"neutral_point_percent_mac", orNull(f.NeutralPointPercentMac)},
        {"stability",
         {
             {"low_percent", f.StabilityLow},
             {"high_percent", f.StabilityHigh},
             {"cg_at_low_mm", f.CgAtLow},
             {"cg_at_high_mm", f.CgAtHigh},
             {"desired_percent", f.StabilityDesired},
             {"cg_desired_mm", f.CgDesired},
             {"cg_at_low_percent_mac", orNull(f.CgAtLowPercentMac)},
             {"cg_at_high_percent_mac", orNull(f.CgAtHighPercentMac)},
             {"cg_desired_percent_mac", orNull(f.CgDesiredPercentMac)},
             // The band the verdict and the top view use: the automatic range, or the desired
             // margin with DesiredBandPercent either side.
             {"mode", doc.automaticStability() ? "auto" : "manual"},
             {"band_low_percent", band.rearMargin},
             {"band_high_percent", band.frontMargin},
         }},
        {"wings", wings},
        {"moved_wings", movedWings},
        {"messages", json(messages)},
        {"balance", balanceJson(doc.balance())},
    };
    // An aircraft with a fuselage table adds the body's share; neutral_point_x_mm includes it.
    if (!doc.texts.fuselage.empty())
        report["fuselage"] = {
            {"stations", ac.Fuselage.size()},
            {"calculated", ac.FuselageCalculated},
            {"neutral_point_shift_mm", ac.FuselageShift},
            {"neutral_point_shift_percent_mac", orNull(fuselageShiftPercentMac(ac))},
            {"neutral_point_without_x_mm", neutralPointWithoutFuselage(ac)},
        };
    if (sayUnits) {
        json withUnits = {{"file", fileName}, {"units", {{"length", "mm"}, {"area", "mm^2"}, {"mass", "g"}}}};
        for (auto& [key, value] : report.items())
            if (key != "file")
                withUnits[key] = std::move(value);
        return withUnits;
    }
    return report;
}

std::vector<std::string> batchMessages(const std::vector<std::string>& fileNotes, const CalculationRun& run,
                                       const std::vector<BalanceItemTexts>& balance, Language language,
                                       const std::vector<FuselageStationTexts>& fuselage)
{
    std::vector<std::string> messages = fileNotes;
    if (run.memoVisible)
        messages.insert(messages.end(), run.memo.begin(), run.memo.end());
    for (std::string& line : flaggedBalanceLines(balance, language))
        messages.push_back(std::move(line));
    for (std::string& line : flaggedFuselageLines(fuselage, language))
        messages.push_back(std::move(line));
    return messages;
}

} // namespace ab
