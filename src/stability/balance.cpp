// SPDX-License-Identifier: GPL-3.0-or-later
#include "stability/balance.h"

#include "lang/balance_texts.h"
#include "model/numbers.h"
#include "stability/stability.h"

#include <algorithm>
#include <cmath>

namespace ab {
namespace {

std::string withValue(const Text3& text, Language l, const std::string& value)
{
    std::string s(text.in(l));
    const std::string_view key = "{value}";
    if (const std::size_t at = s.find(key); at != std::string::npos)
        s.replace(at, key.size(), value);
    return s;
}

// A length with its unit as the labels write it: "123.4mm" or "4.86in".
std::string lengthText(double mm, UnitSystem u)
{
    return shownFigure(mm, Quantity::Length, u, 1) + std::string(unitName(Quantity::Length, u));
}

} // namespace

BalanceReference balanceReference(const Aircraft& ac, const StabilityFigures& f, bool automatic)
{
    const CgBand band = recommendedBand(ac, f, automatic);
    return {.resultsValid = ac.ResultsValid, .neutralPointX = ac.NeutralPointX, .macMm = ac.ReferenceMac,
            .macLeadingEdgeX = ac.ReferenceMacLeadingX, .cgForwardX = band.frontX, .cgRearX = band.rearX};
}

BalanceFigures evaluateBalance(const std::vector<BalanceItemTexts>& typed, const BalanceReference& ref)
{
    BalanceFigures f;
    std::vector<BalanceItemTexts> rows = typed;
    f.cut = limitBalanceItems(rows);

    double moment = 0; // g mm
    for (const BalanceItemTexts& row : rows) {
        BalanceItem item;
        item.name = row.name;
        const DecimalReading mass = readMassGrams(row.mass);
        const DecimalReading x = readPositionMm(row.x);
        item.massProblem = mass.problem;
        item.xProblem = x.problem;
        item.xMm = x.value;
        if (item.flagged()) {
            ++f.flaggedCount;
        } else {
            item.massG = mass.value;
            f.massG += item.massG;
            moment += item.massG * item.xMm;
        }
        f.items.push_back(std::move(item));
    }
    // With at most 100 rows of at most 10 t a kilometre away the sums stay far inside a double.
    if (f.massG <= 0)
        return f;
    const double cg = moment / f.massG;
    f.cgXMm = cg;

    const bool measured = ref.resultsValid && std::isfinite(ref.macMm) && ref.macMm > 0 &&
                          std::isfinite(ref.neutralPointX) && std::isfinite(ref.macLeadingEdgeX) &&
                          std::isfinite(ref.cgForwardX) && std::isfinite(ref.cgRearX);
    if (!measured)
        return f;
    f.cgPercentMac = (cg - ref.macLeadingEdgeX) / ref.macMm * 100;
    f.staticMarginPercent = (ref.neutralPointX - cg) / ref.macMm * 100;
    const double forward = std::min(ref.cgForwardX, ref.cgRearX);
    const double rear = std::max(ref.cgForwardX, ref.cgRearX);
    f.insideBand = cg >= forward && cg <= rear;
    f.moveMm = cg < forward ? forward - cg : cg > rear ? rear - cg : 0.0;
    return f;
}

BalanceVerdict verdictOf(const BalanceFigures& f)
{
    if (!f.cgXMm)
        return BalanceVerdict::NoCentreOfGravity;
    if (f.flaggedCount > 0)
        return BalanceVerdict::RowsNotCounted;
    if (!f.insideBand || !f.moveMm)
        return BalanceVerdict::NoResults;
    if (*f.insideBand)
        return BalanceVerdict::Inside;
    return *f.moveMm < 0 ? BalanceVerdict::MoveForward : BalanceVerdict::MoveRearward;
}

BalanceLines balanceLines(const BalanceFigures& f, Language l, UnitSystem u)
{
    BalanceLines lines;
    lines.mass = withValue(texts::BalanceMass, l,
                           shownFigure(f.massG, Quantity::Mass, u, 1) + std::string(unitName(Quantity::Mass, u)));
    std::string cg = "-";
    if (f.cgXMm) {
        cg = lengthText(*f.cgXMm, u) + percentMacText(f.cgPercentMac, l);
    }
    lines.centreOfGravity = withValue(texts::BalanceCentreOfGravity, l, cg);
    lines.staticMargin = withValue(texts::BalanceStaticMargin, l,
                                   f.staticMarginPercent ? formatFixed(*f.staticMarginPercent, 1) + "%" : "-");
    switch (verdictOf(f)) {
    case BalanceVerdict::RowsNotCounted:
        lines.verdict = f.flaggedCount == 1 ? std::string(texts::BalanceRowNotCounted.in(l))
                                            : withValue(texts::BalanceRowsNotCounted, l, std::to_string(f.flaggedCount));
        break;
    case BalanceVerdict::NoCentreOfGravity: lines.verdict = texts::BalanceNoMass.in(l); break;
    case BalanceVerdict::NoResults: lines.verdict = texts::BalanceNoResults.in(l); break;
    case BalanceVerdict::Inside: lines.verdict = texts::BalanceInside.in(l); break;
    case BalanceVerdict::MoveForward:
        lines.verdict = withValue(texts::BalanceMoveForward, l, lengthText(-*f.moveMm, u));
        break;
    case BalanceVerdict::MoveRearward:
        lines.verdict = withValue(texts::BalanceMoveRearward, l, lengthText(*f.moveMm, u));
        break;
    }
    if (f.flaggedCount > 0) {
        lines.flagged = withValue(texts::BalanceFlaggedItems, l, std::to_string(f.flaggedCount));
        fillIn(lines.flagged, "{zero}", "0 " + std::string(unitName(Quantity::Mass, u)));
    }
    return lines;
}

std::vector<std::string> balanceCutNotes(const BalanceCut& cut, Language l)
{
    std::vector<std::string> notes;
    if (cut.itemsLeftOut > 0)
        notes.push_back(withValue(texts::BalanceItemsCut, l, std::to_string(cut.itemsLeftOut)));
    if (cut.namesShortened > 0)
        notes.push_back(withValue(texts::BalanceNamesCut, l, std::to_string(cut.namesShortened)));
    return notes;
}

} // namespace ab
