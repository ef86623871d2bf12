// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/imported_aircraft.h"

#include "files/aircraft_record.h"
#include "files/aircraft_writer.h"
#include "files/file_messages.h"
#include "lang/import_texts.h"
#include "model/field_reading.h"
#include "model/numbers.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace ab {

double millimetresPer(DeckUnit unit)
{
    switch (unit) {
    case DeckUnit::Metre: return 1000;
    case DeckUnit::Millimetre: return 1;
    case DeckUnit::Inch: return 25.4;
    case DeckUnit::Foot: return 304.8;
    }
    return 1000;
}

std::string_view deckUnitName(DeckUnit unit)
{
    switch (unit) {
    case DeckUnit::Metre: return "m";
    case DeckUnit::Millimetre: return "mm";
    case DeckUnit::Inch: return "in";
    case DeckUnit::Foot: return "ft";
    }
    return "m";
}

std::optional<DeckUnit> deckUnitNamed(std::string_view name)
{
    for (DeckUnit u : DeckUnits)
        if (deckUnitName(u) == name)
            return u;
    return std::nullopt;
}

std::string shortNumber(double v, int decimals)
{
    std::string s = formatFixed(v, decimals);
    if (s.find('.') != std::string::npos) {
        while (s.back() == '0')
            s.pop_back();
        if (s.back() == '.')
            s.pop_back();
    }
    return s == "-0" ? "0" : s;
}

std::string importNote(const Text3& text, Language language, std::string_view surface, std::string_view value,
                       std::string_view other)
{
    std::string s(text.in(language));
    fillIn(s, "{value}", value);
    fillIn(s, "{other}", other);
    fillIn(s, "{surface}", surface); // last: braces in a name stay as they are
    return s;
}

namespace {

constexpr double DegreesPerRadian = 180 / std::numbers::pi;

double spanBetween(const ImportedSection& a, const ImportedSection& b) { return std::hypot(b.y - a.y, b.z - a.z); }

// The planform area of the half wing, every trapezoid unfolded into the plane.
double unfoldedArea(const std::vector<ImportedSection>& s)
{
    double area = 0;
    for (std::size_t i = 0; i + 1 < s.size(); ++i)
        area += spanBetween(s[i], s[i + 1]) * (s[i].chord + s[i + 1].chord) / 2;
    return area;
}

// How much the area changes when station k (not the root or the tip) is left out.
double areaChangeWithout(const std::vector<ImportedSection>& s, std::size_t k)
{
    const ImportedSection &a = s[k - 1], &b = s[k], &c = s[k + 1];
    const double with = spanBetween(a, b) * (a.chord + b.chord) / 2 + spanBetween(b, c) * (b.chord + c.chord) / 2;
    return std::abs(with - spanBetween(a, c) * (a.chord + c.chord) / 2);
}

// Whether section b lies on the straight trapezoid from a to c: its leading edge, chord and height
// where the edges from a to c put them at its distance along the panel, within a hundredth of a
// millimetre (a deck that sets a section at every strip edge writes such sections).
bool onStraightEdges(const ImportedSection& a, const ImportedSection& b, const ImportedSection& c)
{
    const double whole = spanBetween(a, c);
    if (!(whole > 0))
        return false;
    const double t = spanBetween(a, b) / whole;
    const auto near = [&](double got, double from, double to) { return std::abs(got - (from + t * (to - from))) <= 0.01; };
    return t > 0 && t < 1 && near(b.x, a.x, c.x) && near(b.y, a.y, c.y) && near(b.z, a.z, c.z) &&
           near(b.chord, a.chord, c.chord);
}

// Leaves out repeated sections and sections on the straight edges of their neighbours, which change
// nothing of the planform; joins trapezoids down to four by the area rule (see the header).
void reduceStations(ImportedWing& wing, std::vector<std::string>& notes, Language language)
{
    std::vector<ImportedSection>& s = wing.sections;
    s.erase(std::unique(s.begin(), s.end(),
                        [](const ImportedSection& a, const ImportedSection& b) {
                            return a.x == b.x && a.y == b.y && a.z == b.z && a.chord == b.chord;
                        }),
            s.end());
    if (s.size() > 2) {
        std::vector<ImportedSection> kept{s.front()};
        for (std::size_t k = 1; k + 1 < s.size(); ++k)
            if (!onStraightEdges(kept.back(), s[k], s[k + 1]))
                kept.push_back(s[k]);
        kept.push_back(s.back());
        s = std::move(kept);
    }
    const std::size_t trapezoids = s.size() - 1;
    if (trapezoids <= MaxTrapezoids)
        return;
    const double before = unfoldedArea(s);
    while (s.size() > MaxStations) {
        std::size_t best = 1;
        for (std::size_t k = 2; k + 1 < s.size(); ++k)
            if (areaChangeWithout(s, k) < areaChangeWithout(s, best))
                best = k;
        s.erase(s.begin() + static_cast<std::ptrdiff_t>(best));
    }
    const double ratio = before > 0 ? unfoldedArea(s) / before * 100 : 100;
    notes.push_back(importNote(texts::ImportStationsJoined, language, wing.name, std::to_string(trapezoids),
                               shortNumber(ratio, 1)));
}

// The wing's fields: whole millimetres, the stations rounded along the span from the root so that
// none moves by more than half a millimetre.
void putOnTexts(const ImportedWing& wing, WingTexts& t, std::vector<std::string>& notes, Language language)
{
    const std::vector<ImportedSection>& s = wing.sections;
    const ImportedSection& root = s.front();
    const auto whole = [](double mm) { return static_cast<std::int64_t>(std::nearbyint(mm)); };
    t[Role::PosX] = fieldText(whole(root.x));
    t[Role::PosZ] = fieldText(whole(root.z));
    t[Role::RootGap] = fieldText(whole(std::abs(root.y)));
    t[Role::RootChord] = fieldText(whole(std::abs(root.chord)));
    t.trapezoidCount = static_cast<int>(s.size()) - 1;
    t.name = wing.name;
    double along = 0;
    for (int k = 1; k <= MaxTrapezoids; ++k) {
        t[widthRole(k)] = t[tipChordRole(k)] = t[tipOffsetRole(k)] = fieldText(0);
        t.dihedral[static_cast<std::size_t>(k)].clear();
        if (k > t.trapezoidCount)
            continue;
        const ImportedSection &a = s[static_cast<std::size_t>(k - 1)], &b = s[static_cast<std::size_t>(k)];
        const double width = spanBetween(a, b);
        t[widthRole(k)] = fieldText(whole(along + width) - whole(along));
        along += width;
        t[tipChordRole(k)] = fieldText(whole(std::abs(b.chord)));
        t[tipOffsetRole(k)] = fieldText(whole(b.x) - whole(root.x));
        double degrees = width > 0 ? std::atan2(b.z - a.z, b.y - a.y) * DegreesPerRadian : 0;
        if (std::abs(degrees) > MaxDihedralDegrees + 0.005) {
            notes.push_back(importNote(texts::ImportSteepTrapezoid, language, wing.name, std::to_string(k),
                                       shortNumber(degrees, 1)));
            degrees = std::copysign(MaxDihedralDegrees, degrees);
        }
        const std::string text = shortNumber(degrees, 2);
        if (text != "0")
            t.dihedral[static_cast<std::size_t>(k)] = text;
    }
}

} // namespace

ImportReading importedAircraft(std::vector<ImportedWing> wings, std::vector<std::string> notes,
                               const std::string& remark, const std::string& fileName, Language language)
{
    ImportReading out;
    // A wing needs span: two sections apart.
    std::vector<ImportedWing> usable;
    for (ImportedWing& w : wings) {
        if (w.name.empty())
            w.name = "Wing " + std::to_string(usable.size() + 1);
        const bool spans = w.sections.size() >= 2 && unfoldedArea(w.sections) >= 0 &&
                           std::any_of(w.sections.begin() + 1, w.sections.end(), [&](const ImportedSection& s) {
                               return spanBetween(w.sections.front(), s) >= 0.5;
                           });
        if (spans)
            usable.push_back(std::move(w));
        else
            notes.push_back(importNote(texts::ImportTooFewSections, language, w.name));
    }
    // The five of largest area, in their order.
    while (usable.size() > MaxWings) {
        const auto smallest = std::min_element(usable.begin(), usable.end(), [](const auto& a, const auto& b) {
            return unfoldedArea(a.sections) < unfoldedArea(b.sections);
        });
        notes.push_back(importNote(texts::ImportWingLeftOut, language, smallest->name));
        usable.erase(smallest);
    }
    if (usable.empty()) {
        out.status = AircraftReadStatus::Refused;
        out.message = fileMessage(language, texts::ImportNoWing, fileName);
        return out;
    }
    AircraftTexts texts = defaultAircraftTexts();
    texts.wingCount = static_cast<int>(usable.size());
    texts.comment = remark;
    for (int w = 1; w <= texts.wingCount; ++w) {
        ImportedWing& wing = usable[static_cast<std::size_t>(w - 1)];
        reduceStations(wing, notes, language);
        putOnTexts(wing, texts.wing[w], notes, language);
    }
    Aircraft noResults;
    noResults.WingCount = texts.wingCount;
    out.aircraftText = aircraftFileText(texts, noResults);
    out.notes = std::move(notes);
    return out;
}

} // namespace ab
