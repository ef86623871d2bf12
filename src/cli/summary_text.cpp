#include "cli/summary_text.h"

#include "model/numbers.h"

#include <array>

namespace ab {
namespace {

// Columns of the text: where values of the aircraft rows start, where the right column of a wing
// block starts, and where its values start.
constexpr std::size_t ValueColumn = 60;
constexpr std::size_t RightColumn = 36;
constexpr std::size_t RightValueColumn = RightColumn + 28;

// Characters as a terminal shows them: UTF-8 continuation bytes take no room.
std::size_t shownWidth(std::string_view s)
{
    std::size_t n = 0;
    for (unsigned char c : s)
        n += (c & 0xC0) != 0x80;
    return n;
}

std::string_view trimmedRight(std::string_view s)
{
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    return s;
}

// s, then blanks up to `column`, at least one.
std::string padTo(std::string s, std::size_t column)
{
    const std::size_t width = shownWidth(s);
    s.append(width < column ? column - width : 1, ' ');
    return s;
}

std::string r(double v, int width, int decimals) { return formatFixed(v, decimals, width); }

} // namespace

std::string summaryText(const Aircraft& ac, const StabilityFigures& f, const std::string& fileName, Language l)
{
    std::string out = "AeroBalance4  V3.4\n" + fileName + "\n\n";
    out += std::string(texts::SummaryTitle.in(l)) + "\n";
    const auto row = [&out](std::string label, const std::string& value) {
        out += padTo(std::move(label), ValueColumn) + value + "\n";
    };
    row(std::string(trimmedRight(texts::SummaryNeutralPoint.in(l))), r(ac.NeutralPointX, 5, 1) + " mm");
    row(std::string(texts::SummaryCgHigh.in(l)) + r(f.StabilityHigh, 0, 0) + "%:", r(f.CgAtHigh, 5, 1) + " mm");
    row(std::string(texts::SummaryCgLow.in(l)) + r(f.StabilityLow, 0, 0) + "%:", r(f.CgAtLow, 5, 1) + " mm");
    row(std::string(texts::SummaryCgDesired.in(l)) + r(f.StabilityDesired, 0, 1) + "%:",
        r(f.CgDesired, 5, 1) + " mm");

    for (int w = 1; w <= std::min(ac.ActiveWingCount, MaxWings); ++w) {
        // Station fields from the wing's own root leading edge; stations beyond the wing stay empty.
        const auto stations = [&](const char* name, auto value) {
            std::string s = name;
            for (int st = 0; st < MaxStations; ++st) {
                if (st > 0)
                    s += ' ';
                if (st < ac.StationCount[w])
                    s += r(value(st), 5, 0);
            }
            return s;
        };
        const std::array<std::string, 7> left = {
            stations("xf: ", [&](int s) { return ac.StationLeX[s][w] - ac.posX[w]; }),
            stations("lf: ", [&](int s) { return ac.StationChord[s][w]; }),
            stations("yf: ", [&](int s) { return ac.StationY[s][w]; }),
            "zf: " + formatInt(ac.posZ[w], 5),
            "x0: " + formatInt(ac.posX[w], 5),
            "",
            "",
        };
        const std::array<std::pair<const Text3*, std::string>, 7> right = {{
            {&texts::SummaryWingSpan, r(ac.WingSpan[w], 5, 0) + " mm"},
            {&texts::SummaryWingArea, r(ac.WingArea[w] / 10000, 5, 1) + " dm**2"},
            {&texts::SummaryAspectRatio, r(ac.WingAspectRatio[w], 5, 1)},
            {&texts::SummaryMac, r(ac.WingMac[w], 5, 1) + " mm"},
            {&texts::SummaryGeometricCentre, r(ac.WingR25[w], 5, 1) + " mm"},
            {&texts::SummaryAerodynamicCentre, r(ac.WingNeutralX[w] - ac.posX[w], 5, 1) + " mm"},
            {&texts::SummaryLiftSlope, r(ac.WingLiftSlope[w], 5, 2)},
        }};
        out += "\n" + std::string(trimmedRight(texts::summaryWingTitle(w).in(l))) + "\n";
        for (std::size_t i = 0; i < left.size(); ++i) {
            const std::string label(trimmedRight(right[i].first->in(l)));
            out += padTo(padTo(left[i], RightColumn) + label, RightValueColumn) + right[i].second + "\n";
        }
    }
    return out;
}

} // namespace ab
