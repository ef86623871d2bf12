// SPDX-License-Identifier: GPL-3.0-or-later
#include "stability/summary_rows.h"

#include "lang/fuselage_texts.h"
#include "lang/spacing_texts.h"
#include "lang/wing_captions.h"
#include "model/numbers.h"
#include "model/units.h"

#include <algorithm>
#include <string_view>

namespace ab {
namespace {

// v in fixed notation with `decimals` decimals, blanks in front up to `width` characters.
std::string r(double v, int width, int decimals) { return formatFixed(v, decimals, width); }

// "xf: " and the five station fields separated by single blanks; a station the wing does not have
// gives an empty field, its separating blank stays.
// A length in the chosen units: whole mm in five characters, or inches with two decimals in six.
std::string station(double mm, UnitSystem u)
{
    return shownFigure(mm, Quantity::Length, u, 0, u == UnitSystem::Metric ? 5 : 6);
}

template <typename Value>
std::string stationLine(const char* name, int stationCount, UnitSystem u, Value value)
{
    std::string line = name;
    for (int s = 0; s < MaxStations; ++s) {
        if (s > 0)
            line += ' ';
        if (s < stationCount)
            line += station(value(s), u);
    }
    return line;
}

// "vf: " and the dihedral of each trapezoid k in degrees in the field of its tip station k, as the
// station lines above it set their fields; the root's field stays empty.
std::string dihedralLine(const Aircraft& ac, int w, UnitSystem u)
{
    const int width = u == UnitSystem::Metric ? 5 : 6;
    std::string line = "vf: " + std::string(width, ' ');
    for (int k = 1; k < ac.StationCount[w] && k <= MaxTrapezoids; ++k)
        line += ' ' + r(ac.StationDihedral[k][w], width, 1);
    return line;
}

bool continuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

std::size_t characterCount(std::string_view s)
{
    return static_cast<std::size_t>(std::count_if(s.begin(), s.end(), [](char c) { return !continuationByte(c); }));
}

// The byte offset after the first n characters of s.
std::size_t afterCharacters(std::string_view s, std::size_t n)
{
    std::size_t at = 0;
    for (std::size_t k = 0; k < n && at < s.size(); ++k)
        do
            ++at;
        while (at < s.size() && continuationByte(s[at]));
    return at;
}

// The words of a sentence in lines of at most `columns` characters; a longer word stands alone.
std::vector<std::string> wrappedLines(std::string_view sentence, std::size_t columns)
{
    std::vector<std::string> lines;
    std::string line;
    std::size_t at = 0;
    while (at < sentence.size()) {
        const std::size_t end = std::min(sentence.find(' ', at), sentence.size());
        const std::string_view word = sentence.substr(at, end - at);
        at = end + 1;
        if (word.empty())
            continue;
        if (!line.empty() && characterCount(line) + 1 + characterCount(word) > columns) {
            lines.push_back(std::move(line));
            line.clear();
        }
        if (!line.empty())
            line += ' ';
        line += word;
    }
    if (!line.empty())
        lines.push_back(std::move(line));
    return lines;
}

} // namespace

std::string pathInColumns(const std::string& path, std::size_t columns)
{
    if (characterCount(path) <= columns)
        return path;
    const std::size_t slash = path.find_last_of("/\\");
    if (slash == std::string::npos)
        return path;
    const std::string_view folder(path.data(), slash + 1); // with its separator
    const std::string_view name(path.data() + slash + 1, path.size() - slash - 1);
    const std::string_view dots = "...";
    const std::size_t fixed = characterCount(name) + dots.size();
    // The folder keeps its first characters and its last ones (at least the separator).
    const std::size_t room = columns > fixed + 1 ? columns - fixed : 1;
    const std::size_t head = (room - 1) / 2;
    const std::size_t tail = room - head;
    const std::size_t folderCharacters = characterCount(folder);
    const std::size_t tailStart = afterCharacters(folder, folderCharacters - std::min(tail, folderCharacters));
    return std::string(folder.substr(0, afterCharacters(folder, head))) + std::string(dots) +
           std::string(folder.substr(tailStart)) + std::string(name);
}

std::vector<PageRow> summaryRows(const Aircraft& ac, const StabilityFigures& f, const std::string& fileName,
                                 Language l, const WingNames& names, const std::optional<BalanceFigures>& balance,
                                 UnitSystem u)
{
    // A length or area of the page in the chosen units with its caption; metric as the page always was.
    const std::string lengthUnit = " " + std::string(unitName(Quantity::Length, u));
    const auto len = [u, &lengthUnit](double v, int width, int decimals) {
        return shownFigure(v, Quantity::Length, u, decimals, width) + lengthUnit;
    };
    const std::string areaUnit = u == UnitSystem::Metric ? " dm**2" : " in**2";
    const auto area = [u, &areaUnit](double v, int width, int decimals) {
        return shownFigure(v, Quantity::Area, u, decimals, width) + areaUnit;
    };
    const auto text = [l](const Text3& t) { return std::string(t.in(l)); };
    std::vector<PageRow> rows;
    rows.push_back({0, 0, texts::SummaryProgramTitle});
    rows.push_back({0, 20, fileName});

    // Aircraft rows: label at x 0, value at x 520. The automatic bounds show whole percent, the
    // desired margin one decimal.
    const auto aircraftRow = [&rows](int y, std::string label, std::string value) {
        rows.push_back({0, y, std::move(label)});
        rows.push_back({520, y, std::move(value)});
    };
    // Each position also in % of the reference chord, whose leading edge the row below them places.
    const auto mm = [l, &len](double x, std::optional<double> percent) { return len(x, 5, 1) + percentMacText(percent, l); };
    rows.push_back({0, 563, text(texts::SummaryTitle)});
    rows.push_back({320, 563, text(texts::SummarySpacing) + text(texts::summarySpacing(ac.StripSpacing))});
    aircraftRow(583, text(texts::SummaryNeutralPoint), mm(ac.NeutralPointX, f.NeutralPointPercentMac));
    aircraftRow(603, text(texts::SummaryCgHigh) + r(f.StabilityHigh, 0, 0) + "%: ", mm(f.CgAtHigh, f.CgAtHighPercentMac));
    aircraftRow(623, text(texts::SummaryCgLow) + r(f.StabilityLow, 0, 0) + "%: ", mm(f.CgAtLow, f.CgAtLowPercentMac));
    aircraftRow(643, text(texts::SummaryCgDesired) + r(f.StabilityDesired, 0, 1) + "%: ",
                mm(f.CgDesired, f.CgDesiredPercentMac));
    aircraftRow(663, text(texts::SummaryReferenceMac),
                len(ac.ReferenceMacLeadingX, 5, 1) + ", y = " + len(ac.ReferenceMacY, 0, 1));

    const int wings = std::clamp(ac.ActiveWingCount, 0, MaxWings);
    for (int w = 1; w <= wings; ++w) {
        const int top = 683 + 180 * (w - 1);
        const int stations = ac.StationCount[w];
        // Left column: title, the station table from the wing's own root leading edge, position.
        rows.push_back({0, top, summaryWingHeading(l, w, names[w])});
        const auto leadingEdge = [&](int s) { return ac.StationLeX[s][w] - ac.posX[w]; };
        rows.push_back({0, top + 20, stationLine("xf: ", stations, u, leadingEdge)});
        rows.push_back({0, top + 40, stationLine("lf: ", stations, u, [&](int s) { return ac.StationChord[s][w]; })});
        rows.push_back({0, top + 60, stationLine("yf: ", stations, u, [&](int s) { return ac.StationY[s][w]; })});
        // A tilted wing adds its angles under the stations (trapezoid k under its tip station k)
        // and, below its position, its span and area seen from above; a flat wing's block stays
        // as it was.
        const bool tilted = hasDihedral(ac, w);
        const int below = tilted ? 20 : 0;
        if (tilted)
            rows.push_back({0, top + 80, dihedralLine(ac, w, u)});
        rows.push_back({0, top + 80 + below, "zf: " + station(ac.posZ[w], u)});
        rows.push_back({0, top + 100 + below, "x0: " + station(ac.posX[w], u)});
        if (tilted)
            rows.push_back({0, top + 140, text(texts::SummaryProjected) + len(ac.WingProjectedSpan[w], 0, 0) + " " +
                                              area(ac.WingProjectedArea[w], 0, 1)});
        // Right column: label at x 320, value at x 580; the area in square decimetres, the wing's
        // neutral point from its own root leading edge.
        const std::string values[texts::SummaryWingLabelCount] = {
            len(ac.WingSpan[w], 5, 0),
            area(ac.WingArea[w], 5, 1),
            r(ac.WingAspectRatio[w], 5, 1),
            len(ac.WingMac[w], 5, 1),
            len(ac.WingR25[w], 5, 1),
            len(ac.WingNeutralX[w] - ac.posX[w], 5, 1),
            r(ac.WingLiftSlope[w], 5, 2),
        };
        for (int i = 0; i < texts::SummaryWingLabelCount; ++i) {
            const int y = top + 20 * (i + 1);
            rows.push_back({320, y, text(texts::summaryWingLabel(i, w))});
            rows.push_back({580, y, values[i]});
        }
    }

    // Below the blocks the balance, then where x is measured from; each group of rows only where it
    // stands whole on the page.
    int y = 683 + 180 * (std::max(wings, 1) - 1) + 170;
    const auto fits = [](int top, std::size_t count) { return top + 20 * static_cast<int>(count) <= SummaryPageHeight; };
    const auto lines = [&rows, &y, &fits](const std::vector<std::string>& texts) {
        if (!fits(y, texts.size()))
            return;
        for (const std::string& t : texts) {
            rows.push_back({0, y, t});
            y += 20;
        }
    };
    // After a calculation with a fuselage: its share, and the neutral point of the wings alone.
    if (ac.FuselageCalculated && fits(y, 2)) {
        std::string share = len(ac.FuselageShift, 5, 1);
        if (const std::optional<double> percent = fuselageShiftPercentMac(ac))
            share += " (" + formatFixed(*percent, 1) + " % " + text(texts::MacShortName) + ")";
        aircraftRow(y, text(texts::SummaryFuselage), share);
        const double without = neutralPointWithoutFuselage(ac);
        aircraftRow(y + 20, text(texts::SummaryWithoutFuselage), mm(without, percentOfMac(ac, without)));
        y += 50;
    }
    if (balance && !balance->items.empty()) {
        const BalanceLines b = balanceLines(*balance, l, u);
        // Mass and margin at the aircraft rows' value column. Below five wings the page holds two
        // rows: the heading gives way and the verdict shares its row.
        if (fits(y, 3)) {
            aircraftRow(y, text(texts::BalanceHeading), b.mass);
            aircraftRow(y + 20, b.centreOfGravity, b.staticMargin);
            rows.push_back({0, y + 40, b.verdict});
            y += 60;
        } else {
            aircraftRow(y, b.centreOfGravity, b.mass);
            aircraftRow(y + 20, b.verdict, b.staticMargin);
            y += 40;
        }
        if (!b.flagged.empty())
            lines(wrappedLines(b.flagged, SummaryFootColumns));
        y += 10;
    }
    lines(wrappedLines(text(texts::DatumSentence), SummaryFootColumns));
    return rows;
}

} // namespace ab
