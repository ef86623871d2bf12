// SPDX-License-Identifier: GPL-3.0-or-later
#include "lang/field_texts.h"

#include "model/balance_items.h"
#include "model/configuration.h"
#include "model/field_reading.h"
#include "model/numbers.h"

#include <algorithm>

namespace ab {
namespace {

// The fields of a trapezoid carry its number in place of "{k}".
const Text3 kRoleWords[] = {
    {"root gap", "Mittellücke", "hueco central"},
    {"root chord", "Wurzeltiefe", "profundidad de raíz"},
    {"width of trapezoid {k}", "Breite von Trapez {k}", "anchura del trapecio {k}"},
    {"tip chord of trapezoid {k}", "Außentiefe von Trapez {k}", "profundidad exterior del trapecio {k}"},
    {"sweep offset of trapezoid {k}", "Pfeilversatz von Trapez {k}", "desplazamiento de flecha del trapecio {k}"},
    {"x position", "x-Position", "posición x"},
    {"z position", "z-Position", "posición z"},
};

const Text3 kDihedralWords{"dihedral of trapezoid {k}", "V-Form von Trapez {k}", "diedro del trapecio {k}"};
const Text3 kDihedralHint{"{field} in degrees, positive when its tip is higher than its root",
                          "{field} in Grad, positiv, wenn sein Außenende höher liegt als seine Wurzel",
                          "{field} en grados, positivo si su punta está más alta que su raíz"};
const Text3 kReadAsDegrees{"read as {value}°", "gelesen als {value}°", "leído como {value}°"};
const Text3 kFlaggedDihedralLine{"Wing {wing}, {field}: read '{text}' as {value}°",
                                 "Flügel {wing}, {field}: '{text}' gelesen als {value}°",
                                 "Ala {wing}, {field}: '{text}' leído como {value}°"};

const Text3 kReadAs{"read as {value} mm", "gelesen als {value} mm", "leído como {value} mm"};
const Text3 kFlaggedLine{"Wing {wing}, {field}: read '{text}' as {value} mm",
                         "Flügel {wing}, {field}: '{text}' gelesen als {value} mm",
                         "Ala {wing}, {field}: '{text}' leído como {value} mm"};

const Text3& wordsOf(Role role)
{
    switch (role) {
    case Role::RootGap: return kRoleWords[0];
    case Role::RootChord: return kRoleWords[1];
    case Role::PosX: return kRoleWords[5];
    case Role::PosZ: return kRoleWords[6];
    default: return kRoleWords[2 + (static_cast<int>(role) - 2) % 3];
    }
}

} // namespace

std::string quotedText(std::string_view text)
{
    std::string shown = firstCharacters(text, FlaggedTextShown);
    if (shown.size() < text.size())
        shown += "...";
    return shown;
}

std::string fieldWords(Role role, Language l)
{
    std::string s(wordsOf(role).in(l));
    fillIn(s, "{k}", std::to_string(trapezoidOfRole(role)));
    return s;
}

std::string flaggedFieldTip(Role role, std::string_view text, Language l)
{
    const FieldReading reading = readLengthField(text, role);
    if (!reading.flagged)
        return {};
    std::string s(kReadAs.in(l));
    fillIn(s, "{value}", std::to_string(reading.value));
    return s;
}

std::string dihedralWords(int k, Language l)
{
    std::string s(kDihedralWords.in(l));
    fillIn(s, "{k}", std::to_string(k));
    return s;
}

std::string dihedralFieldHint(int k, Language l)
{
    std::string s(kDihedralHint.in(l));
    fillIn(s, "{field}", dihedralWords(k, l));
    return s;
}

std::string flaggedDihedralTip(std::string_view text, Language l)
{
    const AngleReading reading = readDihedralField(text);
    if (!reading.flagged)
        return {};
    std::string s(kReadAsDegrees.in(l));
    fillIn(s, "{value}", formatFixed(reading.degrees, 1));
    return s;
}

std::string flaggedFieldLine(int wing, Role role, std::string_view text, Language l, UnitSystem u)
{
    // The typed text goes in last, so that braces in it are never taken for a placeholder.
    std::string s(kFlaggedLine.in(l));
    fillIn(s, "{wing}", std::to_string(wing));
    fillIn(s, "{field}", fieldWords(role, l));
    if (u == UnitSystem::Metric) {
        fillIn(s, "{value}", std::to_string(readLengthField(text, role).value));
    } else {
        fillIn(s, "{value} mm", shownFigure(readLengthField(text, role).value, Quantity::Length, u, 0) + " " +
                                    std::string(unitName(Quantity::Length, u)));
    }
    fillIn(s, "{text}", quotedText(shownText(text, Quantity::Length, u, false)));
    return s;
}

namespace {

// Calls field(wing, role) for every flagged field of the wings in use that the wing's trapezoid
// count shows, then angle(wing, trapezoid) for every flagged dihedral of its trapezoids in use, wing
// by wing in role order.
template <typename Field, typename Angle>
void forEachFlaggedField(const AircraftTexts& texts, Field field, Angle angle)
{
    const int wings = std::clamp(texts.wingCount, 1, MaxWings);
    for (int w = 1; w <= wings; ++w) {
        const WingTexts& wing = texts.wing[w];
        for (int r = 0; r < RoleCount; ++r) {
            const Role role = static_cast<Role>(r);
            if (fieldShown(role, wing.trapezoidCount) && readLengthField(wing[role], role).flagged)
                field(w, role);
        }
        for (int k = 1; k <= std::clamp(wing.trapezoidCount, 1, MaxTrapezoids); ++k)
            if (readDihedralField(wing.dihedral[k]).flagged)
                angle(w, k);
    }
}

const Text3 kMisreadHeading{"Misread fields: ", "Falsch gelesene Felder: ", "Campos mal leídos: "};
const Text3 kMisreadField{"wing {wing} {field}", "Flügel {wing} {field}", "ala {wing} {field}"};

} // namespace

std::vector<std::string> flaggedFieldLines(const AircraftTexts& texts, Language l, UnitSystem u)
{
    std::vector<std::string> lines;
    forEachFlaggedField(
        texts, [&](int w, Role role) { lines.push_back(flaggedFieldLine(w, role, texts.wing[w][role], l, u)); },
        [&](int w, int k) {
            const std::string& text = texts.wing[w].dihedral[k];
            std::string s(kFlaggedDihedralLine.in(l));
            fillIn(s, "{wing}", std::to_string(w));
            fillIn(s, "{field}", dihedralWords(k, l));
            fillIn(s, "{value}", formatFixed(readDihedralField(text).degrees, 1));
            fillIn(s, "{text}", quotedText(text));
            lines.push_back(std::move(s));
        });
    return lines;
}

std::vector<std::string> memoInUnits(std::vector<std::string> lines, const AircraftTexts& texts, Language l,
                                     UnitSystem u)
{
    if (u == UnitSystem::Metric)
        return lines;
    const std::vector<std::string> metric = flaggedFieldLines(texts, l);
    const std::vector<std::string> shown = flaggedFieldLines(texts, l, u);
    for (std::string& line : lines)
        if (const auto at = std::find(metric.begin(), metric.end(), line); at != metric.end())
            line = shown[static_cast<std::size_t>(at - metric.begin())];
    return lines;
}

std::string misreadFieldsLine(const AircraftTexts& texts, Language l)
{
    std::string fields;
    const auto add = [&](int w, const std::string& words) {
        std::string field(kMisreadField.in(l));
        fillIn(field, "{wing}", std::to_string(w));
        fillIn(field, "{field}", words);
        fields += (fields.empty() ? "" : ", ") + field;
    };
    forEachFlaggedField(
        texts, [&](int w, Role role) { add(w, std::string(fieldWords(role, l))); },
        [&](int w, int k) { add(w, std::string(dihedralWords(k, l))); });
    return fields.empty() ? fields : std::string(kMisreadHeading.in(l)) + fields;
}

} // namespace ab
