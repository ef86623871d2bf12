// SPDX-License-Identifier: GPL-3.0-or-later
#include "lang/lift_plot_texts.h"

namespace ab::texts {

const Text3 LiftPlotTitle{"Spanwise lift distribution, wing {wing}", "Auftriebsverteilung über die Spannweite, Flügel {wing}",
                          "Distribución de sustentación en la envergadura, ala {wing}"};
const Text3 LiftPlotSpanAxis{"span station y [mm]", "Spannweitenposition y [mm]", "posición en la envergadura y [mm]"};
const Text3 LiftPlotLiftAxis{"local lift c·cl/c_ref [1/rad]", "örtlicher Auftrieb c·cl/c_ref [1/rad]",
                             "sustentación local c·cl/c_ref [1/rad]"};
const Text3 LiftPlotLiftSymbol{"c·cl/c_ref [1/rad]", "c·cl/c_ref [1/rad]", "c·cl/c_ref [1/rad]"};
const Text3 LiftPlotRatioAxis{"cl/CL", "cl/CL", "cl/CL"};
const Text3 LiftPlotLocalLift{"local lift c·cl/c_ref", "örtlicher Auftrieb c·cl/c_ref", "sustentación local c·cl/c_ref"};
const Text3 LiftPlotElliptic{"elliptic, same lift", "elliptisch, gleicher Auftrieb", "elíptica, misma sustentación"};
const Text3 LiftPlotRatio{"local cl/CL", "örtliches cl/CL", "cl/CL local"};
const Text3 LiftPlotStallFirst{"stalls first: highest cl/CL {ratio} at y = {value}",
                               "reißt zuerst ab: höchstes cl/CL {ratio} bei y = {value}",
                               "entra en pérdida primero: cl/CL máximo {ratio} en y = {value}"};
const Text3 LiftPlotNoResults{"No lift distribution: calculate the aircraft first.",
                              "Keine Auftriebsverteilung: bitte erst das Flugzeug berechnen.",
                              "Sin distribución de sustentación: calcule primero el avión."};
const Text3 LiftExportNoResults{"there is no calculated lift distribution; calculate the aircraft first",
                                "es gibt keine berechnete Auftriebsverteilung; bitte erst das Flugzeug berechnen",
                                "no hay una distribución de sustentación calculada; calcule primero el avión"};

} // namespace ab::texts
