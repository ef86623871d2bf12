// SPDX-License-Identifier: GPL-3.0-or-later
#include "lang/entry_texts.h"

#include "lang/field_texts.h"
#include "model/numbers.h"

#include <algorithm>
#include <initializer_list>
#include <utility>

namespace ab {
namespace {

const Text3 kEmpty{"empty", "leer", "vacío"};
const Text3 kNotANumber{"not a number", "keine Zahl", "no es un número"};
const Text3 kNegative{"a negative mass", "eine negative Masse", "una masa negativa"};
const Text3 kOutOfRange{"beyond any model's size", "jenseits jeder Modellgröße", "fuera de toda medida de un modelo"};
const Text3 kOutOfOrder{"not behind the station before it", "nicht hinter der Station davor",
                        "no detrás de la estación anterior"};
const Text3 kNegativeWidth{"a negative width", "eine negative Breite", "un ancho negativo"};
const Text3 kWidthWord{"width", "Breite", "ancho"};
const Text3 kLeftOut{"the station does not count", "die Station zählt nicht", "la estación no cuenta"};
const Text3 kWidthZero{"the width counts as 0", "die Breite zählt als 0", "el ancho cuenta como 0"};
const Text3 kFuselageLine{"Fuselage row {row}, {column} '{text}': {problem}; {effect}",
                          "Rumpf Zeile {row}, {column} '{text}': {problem}; {effect}",
                          "Fuselaje fila {row}, {column} '{text}': {problem}; {effect}"};

const Text3 kCellTip{"{problem}: the row counts as {zero}", "{problem}: die Zeile zählt mit {zero}",
                     "{problem}: la fila cuenta como {zero}"};
const Text3 kMassWord{"mass", "Masse", "masa"};
const Text3 kRowLine{"Balance row {row} ({name}), {column} '{text}': {problem}; the row counts as 0 g",
                     "Schwerpunkttabelle Zeile {row} ({name}), {column} '{text}': {problem}; die Zeile zählt mit 0 g",
                     "Tabla de masas fila {row} ({name}), {column} '{text}': {problem}; la fila cuenta como 0 g"};
const Text3 kMarginTip{"not a margin from 0 to 50 %: {value} % stays in use",
                       "kein Stabilitätsmaß von 0 bis 50 %: {value} % bleibt in Gebrauch",
                       "no es un margen de 0 a 50 %: se sigue usando {value} %"};

const Text3* problemWords(EntryProblem p)
{
    switch (p) {
    case EntryProblem::None: return nullptr;
    case EntryProblem::Empty: return &kEmpty;
    case EntryProblem::NotANumber: return &kNotANumber;
    case EntryProblem::Negative: return &kNegative;
    case EntryProblem::OutOfRange: return &kOutOfRange;
    case EntryProblem::OutOfOrder: return &kOutOfOrder;
    }
    return nullptr;
}

// The text with each placeholder replaced in one pass, so that braces in a typed value are never
// taken for a placeholder.
std::string filled(std::string_view text, std::initializer_list<std::pair<std::string_view, std::string_view>> values)
{
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        bool replaced = false;
        for (const auto& [key, value] : values)
            if (text.substr(i, key.size()) == key) {
                out += value;
                i += key.size();
                replaced = true;
                break;
            }
        if (!replaced)
            out += text[i++];
    }
    return out;
}

} // namespace

std::string balanceCellTip(EntryProblem problem, Language l, UnitSystem u)
{
    const Text3* words = problemWords(problem);
    if (!words)
        return {};
    return filled(kCellTip.in(l), {{"{problem}", words->in(l)}, {"{zero}", "0 " + std::string(unitName(Quantity::Mass, u))}});
}

std::vector<std::string> flaggedBalanceLines(const std::vector<BalanceItemTexts>& rows, Language l)
{
    std::vector<std::string> lines;
    const std::size_t used = std::min(rows.size(), static_cast<std::size_t>(MaxBalanceItems));
    for (std::size_t r = 0; r < used; ++r) {
        const BalanceItemTexts& row = rows[r];
        const struct {
            EntryProblem problem;
            std::string_view column, text;
        } cells[] = {{readMassGrams(row.mass).problem, kMassWord.in(l), row.mass},
                     {readPositionMm(row.x).problem, "x", row.x}};
        for (const auto& cell : cells) {
            const Text3* words = problemWords(cell.problem);
            if (!words)
                continue;
            lines.push_back(filled(kRowLine.in(l), {{"{row}", std::to_string(r + 1)},
                                                    {"{column}", cell.column},
                                                    {"{problem}", words->in(l)},
                                                    {"{name}", quotedText(row.name)},
                                                    {"{text}", quotedText(cell.text)}}));
        }
    }
    return lines;
}

namespace {

// What a flagged fuselage cell means: an x leaves its station out, a width counts as 0.
const Text3& fuselageEffect(bool xColumn) { return xColumn ? kLeftOut : kWidthZero; }

const Text3* fuselageProblemWords(EntryProblem p, bool xColumn)
{
    return !xColumn && p == EntryProblem::Negative ? &kNegativeWidth : problemWords(p);
}

} // namespace

std::string fuselageCellTip(EntryProblem problem, bool xColumn, Language l)
{
    const Text3* words = fuselageProblemWords(problem, xColumn);
    if (!words)
        return {};
    return std::string(words->in(l)) + ": " + std::string(fuselageEffect(xColumn).in(l));
}

std::vector<std::string> flaggedFuselageLines(const std::vector<FuselageStationTexts>& rows, Language l)
{
    std::vector<std::string> lines;
    const FuselageReading reading = readFuselage(rows);
    for (std::size_t r = 0; r < reading.rows.size(); ++r)
        for (const bool xColumn : {true, false}) {
            const Text3* words = fuselageProblemWords(xColumn ? reading.rows[r].x : reading.rows[r].width, xColumn);
            if (!words)
                continue;
            lines.push_back(filled(kFuselageLine.in(l), {{"{row}", std::to_string(r + 1)},
                                                         {"{column}", xColumn ? "x" : kWidthWord.in(l)},
                                                         {"{problem}", words->in(l)},
                                                         {"{text}", quotedText(xColumn ? rows[r].x : rows[r].width)},
                                                         {"{effect}", fuselageEffect(xColumn).in(l)}}));
        }
    return lines;
}

std::string marginFieldTip(double marginInUse, Language l)
{
    std::string s(kMarginTip.in(l));
    fillIn(s, "{value}", shortestNumberText(marginInUse));
    return s;
}

} // namespace ab
