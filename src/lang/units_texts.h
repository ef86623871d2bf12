// SPDX-License-Identifier: GPL-3.0-or-later
// The words of the units choice (View > Units), and the unit captions of columns and fields and the
// lengths of sentences in the chosen units.
#pragma once

#include "lang/language.h"
#include "model/units.h"

#include <string>
#include <string_view>

namespace ab::texts {

inline constexpr Text3 UnitsMenu{"Units", "Einheiten", "Unidades"};
inline constexpr Text3 UnitsMetric{"Millimetres and grams", "Millimeter und Gramm", "Milímetros y gramos"};
inline constexpr Text3 UnitsImperial{"Inches and ounces", "Zoll und Unzen", "Pulgadas y onzas"};

} // namespace ab::texts

namespace ab {

// A caption with its units in the chosen system: "(mm)" and "[mm]" become "(in)" and "[in]", "(g)"
// "(oz)"; metric captions stay as they are ("x (mm)" -> "x (in)").
std::string captionInUnits(std::string_view caption, UnitSystem units);

// A sentence with lengths written "<whole number> mm" (the remarks of the aircraft templates), with
// each such length in the chosen units: "1600 mm" -> "62.99 in".
std::string lengthsInUnits(std::string_view sentence, UnitSystem units);

} // namespace ab
