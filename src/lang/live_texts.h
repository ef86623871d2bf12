// SPDX-License-Identifier: GPL-3.0-or-later
// What the window says about the calculation while editing: the tool tips of the check box and of
// figures that belong to the geometry before the last change.
#pragma once

#include "lang/language.h"

namespace ab::texts {

inline constexpr Text3 LiveCalculationTip{
    "Calculates the neutral point in the background after every change of the geometry",
    "Berechnet den Neutralpunkt nach jeder Änderung der Geometrie im Hintergrund",
    "Calcula el punto neutro en segundo plano después de cada cambio de la geometría"};

inline constexpr Text3 PreviousResultsTip{
    "Not current: results of the geometry before the last change; the calculation of the current one is running",
    "Nicht aktuell: Ergebnisse der Geometrie vor der letzten Änderung; die Berechnung der aktuellen läuft",
    "Desactualizado: resultados de la geometría anterior al último cambio; el cálculo de la actual está en curso"};

} // namespace ab::texts
