// SPDX-License-Identifier: GPL-3.0-or-later
#include "stability/stability.h"

#include "lang/fuselage_texts.h"
#include "model/numbers.h"
#include "model/units.h"

#include <algorithm>
#include <cmath>

namespace ab {

StabilityFigures stabilityFigures(const Aircraft& ac, double desiredPercent)
{
    StabilityFigures f;
    const bool oneWing = ac.ActiveWingCount < 2;
    f.StabilityLow = oneWing ? 4 : 8;
    f.StabilityHigh = oneWing ? 8 : 16;
    // The centre of gravity lies the margin (percent of the reference chord) ahead of the neutral point.
    const auto cgFor = [&](double percent) { return ac.NeutralPointX - ac.ReferenceMac * percent * 0.01; };
    f.StabilityDesired = std::isfinite(desiredPercent) ? desiredPercent : 0;
    f.CgDesired = cgFor(f.StabilityDesired);
    if (!std::isfinite(f.CgDesired)) {
        f.StabilityDesired = 0;
        f.CgDesired = cgFor(0);
    }
    f.CgAtLow = cgFor(f.StabilityLow);
    f.CgAtHigh = cgFor(f.StabilityHigh);
    f.NeutralPointPercentMac = percentOfMac(ac, ac.NeutralPointX);
    f.CgAtLowPercentMac = percentOfMac(ac, f.CgAtLow);
    f.CgAtHighPercentMac = percentOfMac(ac, f.CgAtHigh);
    f.CgDesiredPercentMac = percentOfMac(ac, f.CgDesired);
    return f;
}

std::optional<double> percentOfMac(const Aircraft& ac, double x)
{
    if (!(ac.ReferenceMac > 0) || !std::isfinite(ac.ReferenceMac))
        return std::nullopt;
    const double percent = (x - ac.ReferenceMacLeadingX) / ac.ReferenceMac * 100;
    return std::isfinite(percent) ? std::optional<double>(percent) : std::nullopt;
}

CgBand recommendedBand(const Aircraft& ac, const StabilityFigures& f, bool automatic)
{
    CgBand b;
    if (automatic) {
        b.frontMargin = std::max(f.StabilityHigh, f.StabilityLow);
        b.rearMargin = std::min(f.StabilityHigh, f.StabilityLow);
    } else {
        b.frontMargin = f.StabilityDesired + DesiredBandPercent;
        b.rearMargin = f.StabilityDesired - DesiredBandPercent;
        if (f.StabilityDesired >= 0)
            b.rearMargin = std::max(b.rearMargin, 0.0);
    }
    // As the centres of gravity are: the margin's length of reference chord ahead of the neutral point.
    const auto cgFor = [&](double percent) { return ac.NeutralPointX - ac.ReferenceMac * percent * 0.01; };
    b.frontX = cgFor(b.frontMargin);
    b.rearX = cgFor(b.rearMargin);
    if (!std::isfinite(b.frontX) || !std::isfinite(b.rearX))
        b.frontX = b.rearX = ac.NeutralPointX;
    return b;
}

CgInUse centreOfGravityInUse(const StabilityFigures& f, bool automatic)
{
    if (!automatic)
        return {f.StabilityDesired, f.CgDesired};
    return {(f.StabilityLow + f.StabilityHigh) / 2, (f.CgAtLow + f.CgAtHigh) / 2};
}

StabilityLabels stabilityLabels(const Aircraft& ac, const StabilityFigures& f, bool automatic, Language l)
{
    // The automatic margins are whole, the desired one has a decimal.
    const int decimals = automatic ? 0 : 1;
    const CgBand band = recommendedBand(ac, f, automatic);
    const double cgMargin = centreOfGravityInUse(f, automatic).marginPercent;
    StabilityLabels labels;
    labels.band = std::string(texts::BandLabel.in(l)) + formatFixed(band.rearMargin, decimals) + ".." +
                  formatFixed(band.frontMargin, decimals) + "%";
    labels.centreOfGravity = std::string(texts::CgSymbolLabel.in(l)) + formatFixed(cgMargin, decimals) + "%";
    labels.neutralPoint = texts::NeutralPointSymbolLabel.in(l);
    labels.measured = texts::MeasuredCgLabel.in(l);
    labels.mac = texts::MacShortName.in(l);
    return labels;
}

namespace {

// A length as the labels write it, "123.4mm" or "4.86in", and an area, "12.34dm^2" or "191.3in^2".
std::string lengthLabel(double mm, UnitSystem u)
{
    return shownFigure(mm, Quantity::Length, u, 1) + std::string(unitName(Quantity::Length, u));
}
std::string areaLabel(double mm2, UnitSystem u)
{
    return shownFigure(mm2, Quantity::Area, u, 2) + std::string(unitName(Quantity::Area, u));
}

} // namespace

std::string measuredCgLabel(const Aircraft& ac, double x, Language l, UnitSystem u)
{
    return std::string(texts::MeasuredCgLabel.in(l)) + " " + lengthLabel(x, u) +
           percentMacText(percentOfMac(ac, x), l);
}

std::string percentMacText(std::optional<double> percent, Language l)
{
    if (!percent)
        return {};
    return " (" + formatFixed(*percent, 1) + "% " + std::string(texts::MacShortName.in(l)) + ")";
}

std::vector<StabilityRow> stabilityRows(const Aircraft& ac, const StabilityFigures& f, Language l,
                                        bool automatic, UnitSystem u)
{
    const std::string cg(texts::CgPrefix.in(l));
    std::vector<StabilityRow> rows;
    rows.push_back({ReferenceAreaRow, StabilityInk::Black,
                    std::string(texts::ReferenceAreaLabel.in(l)) + areaLabel(ac.ReferenceArea, u) + " "});
    rows.push_back({249, StabilityInk::Black,
                    std::string(texts::ReferenceLengthLabel.in(l)) + lengthLabel(ac.ReferenceMac, u) + " "});
    if (automatic) {
        rows.push_back({266, StabilityInk::Blue,
                        cg + formatFixed(f.StabilityHigh, 0) + "%): " + lengthLabel(f.CgAtHigh, u) +
                            percentMacText(f.CgAtHighPercentMac, l) + "   "});
        rows.push_back({282, StabilityInk::Blue,
                        cg + formatFixed(f.StabilityLow, 0) + "%): " + lengthLabel(f.CgAtLow, u) +
                            percentMacText(f.CgAtLowPercentMac, l) + "   "});
    } else {
        rows.push_back({282, StabilityInk::Blue,
                        cg + formatFixed(f.StabilityDesired, 1) + "%): " + lengthLabel(f.CgDesired, u) +
                            percentMacText(f.CgDesiredPercentMac, l) + "     "});
    }
    rows.push_back({298, StabilityInk::Red,
                    std::string(texts::NeutralPointPrefix.in(l)) + lengthLabel(ac.NeutralPointX, u) +
                        percentMacText(f.NeutralPointPercentMac, l) + "    "});
    if (ac.FuselageCalculated)
        rows.push_back({314, StabilityInk::Red, fuselageShiftText(ac, l, u) + "    "});
    return rows;
}

std::optional<double> fuselageShiftPercentMac(const Aircraft& ac)
{
    if (!(ac.ReferenceMac > 0) || !std::isfinite(ac.ReferenceMac))
        return std::nullopt;
    const double percent = ac.FuselageShift / ac.ReferenceMac * 100;
    return std::isfinite(percent) ? std::optional<double>(percent) : std::nullopt;
}

std::string fuselageShiftText(const Aircraft& ac, Language l, UnitSystem u)
{
    if (!ac.FuselageCalculated)
        return {};
    std::string s = std::string(texts::FuselageShiftLabel.in(l)) + shownFigure(ac.FuselageShift, Quantity::Length, u, 1) + " " +
                    std::string(unitName(Quantity::Length, u));
    if (const std::optional<double> percent = fuselageShiftPercentMac(ac))
        s += " (" + formatFixed(*percent, 1) + " % " + std::string(texts::MacShortName.in(l)) + ")";
    return s;
}

std::string label21Text(const Aircraft& ac, const StabilityFigures& f, Language l, UnitSystem u)
{
    if (!ac.ResultsValid)
        return "%";
    return std::string(texts::MarginDifference.in(l)) + lengthLabel(ac.NeutralPointX - f.CgDesired, u);
}

std::string marginFieldText(int position) { return formatFixed(30 - position / 2.0, 1, 4); }

} // namespace ab
