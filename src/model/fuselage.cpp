// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/fuselage.h"

#include "model/numbers.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace ab {
namespace {

// A width as typed: negative and a kilometre or more count as 0 and are flagged.
DecimalReading readWidthMm(std::string_view text)
{
    DecimalReading r = readPositionMm(text);
    if (r.problem == EntryProblem::None && r.value < 0)
        r = {0, EntryProblem::Negative};
    return r;
}

std::string oneDecimal(double v) { return shortestNumberText(std::nearbyint(v * 10) / 10); }

} // namespace

FuselageReading readFuselage(const std::vector<FuselageStationTexts>& rows)
{
    FuselageReading out;
    const std::size_t used = std::min(rows.size(), static_cast<std::size_t>(MaxFuselageStations));
    for (std::size_t r = 0; r < used; ++r) {
        const DecimalReading x = readPositionMm(rows[r].x);
        const DecimalReading width = readWidthMm(rows[r].width);
        FuselageRowReading row{x.problem, width.problem};
        if (row.x == EntryProblem::None && !out.stations.empty() && x.value <= out.stations.back().x)
            row.x = EntryProblem::OutOfOrder;
        if (row.x == EntryProblem::None)
            out.stations.push_back({x.value, width.value});
        out.rows.push_back(row);
    }
    return out;
}

std::vector<FuselageStationTexts> quickFuselageShape(double noseX, double length, double largestWidth)
{
    if (!(length > 0) || !(largestWidth > 0) || !std::isfinite(noseX) || !std::isfinite(length) ||
        !std::isfinite(largestWidth))
        return {};
    std::vector<FuselageStationTexts> rows;
    const auto add = [&](double x, double width) { rows.push_back({oneDecimal(x), oneDecimal(width)}); };
    // The nose's ellipse, its stations closer together near the tip where the width rises steeply.
    const double nose = length / 4;
    for (const double t : {0.0, 0.02, 0.04, 0.1, 0.2, 0.4, 0.6, 0.8, 1.0}) {
        const double u = 1 - t;
        add(noseX + t * nose, largestWidth * std::sqrt(std::max(0.0, 1 - u * u)));
    }
    add(noseX + length / 2, largestWidth);
    add(noseX + length, largestWidth / 3);
    return rows;
}

double fuselageWidthAt(const std::vector<FuselageStation>& s, double x)
{
    if (s.size() < 2 || x < s.front().x || x > s.back().x)
        return 0;
    const auto upper = std::upper_bound(s.begin(), s.end(), x, [](double v, const FuselageStation& st) { return v < st.x; });
    if (upper == s.end())
        return s.back().width;
    const FuselageStation& b = *upper;
    const FuselageStation& a = *(upper - 1);
    return a.width + (b.width - a.width) * (x - a.x) / (b.x - a.x);
}

} // namespace ab
