// SPDX-License-Identifier: GPL-3.0-or-later
// What the window says about the calculation while editing: the tool tips of the check box and of
// figures that belong to the geometry before the last change, and the line that names the heights
// a calculation used where the separation moved a wing the fields still show where it was typed.
#pragma once

#include "lang/language.h"
#include "model/aircraft_texts.h"
#include "model/units.h"

#include <string>
#include <utility>
#include <vector>

namespace ab::texts {

inline constexpr Text3 LiveCalculationTip{
    "Calculates the neutral point in the background after every change of the geometry",
    "Berechnet den Neutralpunkt nach jeder Änderung der Geometrie im Hintergrund",
    "Calcula el punto neutro en segundo plano después de cada cambio de la geometría"};

inline constexpr Text3 PreviousResultsTip{
    "Not current: results of the geometry before the last change; the calculation of the current one is running",
    "Nicht aktuell: Ergebnisse der Geometrie vor der letzten Änderung; die Berechnung der aktuellen läuft",
    "Desactualizado: resultados de la geometría anterior al último cambio; el cálculo de la actual está en curso"};

inline constexpr Text3 LiveMovedHeight{
    "{wing} calculated at z = {z} instead of {typed}, as Calculate would move it: too close in height to "
    "another wing",
    "{wing} mit z = {z} statt {typed} berechnet, wie Berechnen ihn verschieben würde: in der Höhe zu nah an "
    "einem anderen Flügel",
    "{wing} calculada con z = {z} en lugar de {typed}, como Calcular la movería: demasiado cerca en altura de "
    "otra ala"};

} // namespace ab::texts

namespace ab {

// One sentence per wing the separation moved (wing, height used), naming the wing as its tab does,
// the height the figures used and the text its field keeps, both in the units the window shows;
// empty when no wing moved.
std::string liveHeightsLine(const AircraftTexts& typed, const std::vector<std::pair<int, double>>& moved,
                            Language language, UnitSystem units = UnitSystem::Metric);

} // namespace ab
