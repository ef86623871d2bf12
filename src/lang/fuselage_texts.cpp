// SPDX-License-Identifier: GPL-3.0-or-later
#include "lang/fuselage_texts.h"

namespace ab::texts {

const Text3 FuselageTab{"Fuselage", "Rumpf", "Fuselaje"};
const Text3 FuselageColumnX{"x (mm)", "x (mm)", "x (mm)"};
const Text3 FuselageColumnWidth{"Width (mm)", "Breite (mm)", "Ancho (mm)"};
const Text3 FuselageAdd{"Add station", "Station hinzufügen", "Añadir estación"};
const Text3 FuselageRemove{"Remove station", "Station entfernen", "Quitar estación"};
const Text3 FuselageShapeTitle{"Quick shape", "Schnelle Form", "Forma rápida"};
const Text3 FuselageNoseX{"Nose x (mm)", "Nase x (mm)", "Morro x (mm)"};
const Text3 FuselageLength{"Length (mm)", "Länge (mm)", "Longitud (mm)"};
const Text3 FuselageLargestWidth{"Largest width (mm)", "Größte Breite (mm)", "Ancho máximo (mm)"};
const Text3 FuselageShapeButton{"Fill the table", "Tabelle füllen", "Rellenar la tabla"};
const Text3 FuselageHint{"Stations from nose to tail: x rearward from the datum, the width seen from above.",
                         "Stationen von der Nase zum Heck: x vom Bezugspunkt nach hinten, die Breite von oben.",
                         "Estaciones del morro a la cola: x hacia atrás desde el origen, el ancho visto desde arriba."};
const Text3 FuselageShiftLabel{"fuselage: ", "Rumpf: ", "fuselaje: "};
const Text3 FuselageStale{"fuselage: calculate to see its share", "Rumpf: berechnen, um seinen Anteil zu sehen",
                          "fuselaje: calcule para ver su parte"};
const Text3 SummaryFuselage{"fuselage share: ", "Anteil des Rumpfes: ", "parte del fuselaje: "};
const Text3 SummaryWithoutFuselage{"aerodynamic center without fuselage: ", "Neutralpunkt ohne Rumpf: ",
                                   "punto neutro sin fuselaje: "};

} // namespace ab::texts
