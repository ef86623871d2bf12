// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/balance_report.h"

namespace ab {
namespace {

// A figure that exists, or null.
nlohmann::ordered_json orNull(const std::optional<double>& v) { return v ? nlohmann::ordered_json(*v) : nullptr; }

} // namespace

nlohmann::ordered_json balanceJson(const BalanceFigures& b)
{
    using json = nlohmann::ordered_json;
    json items = json::array();
    for (const BalanceItem& item : b.items)
        items.push_back({{"name", item.name}, {"mass_g", item.massG}, {"x_mm", item.xMm}});
    return {
        {"items", items},
        {"mass_g", b.massG},
        {"cg_x_mm", orNull(b.cgXMm)},
        {"cg_percent_mac", orNull(b.cgPercentMac)},
        {"static_margin_percent", orNull(b.staticMarginPercent)},
        {"inside_recommended_band", b.insideBand ? json(*b.insideBand) : json(nullptr)},
    };
}

std::string balanceSummaryText(const BalanceFigures& b, Language l, UnitSystem u)
{
    if (b.items.empty())
        return {};
    const BalanceLines lines = balanceLines(b, l, u);
    std::string out = "\n" + std::string(texts::BalanceHeading.in(l)) + "\n";
    for (const std::string* line : {&lines.mass, &lines.centreOfGravity, &lines.staticMargin, &lines.verdict,
                                    &lines.flagged})
        if (!line->empty())
            out += *line + "\n";
    return out;
}

} // namespace ab
