// SPDX-License-Identifier: GPL-3.0-or-later
#include "lang/template_texts.h"

namespace ab::texts {

const Text3 TemplateTitle{"1:1 planform template", "Grundriss 1:1 (Schablone)", "Planta a escala 1:1 (plantilla)"};
const Text3 TemplatePage{"page {page} of {count}", "Seite {page} von {count}", "página {page} de {count}"};
const Text3 TemplateMarksFrom{"x from the root leading edge of this wing: ", "x ab der Nasenleiste an der Wurzel: ",
                              "x desde el borde de ataque de la raíz: "};
const Text3 TemplateMac{"MAC of this wing {length} at y = {y}, its leading edge at x = {x}",
                        "lm dieses Flügels {length} bei y = {y}, Vorderkante bei x = {x}",
                        "CMA de esta ala {length} en y = {y}, borde de ataque en x = {x}"};
const Text3 TemplateReferenceMac{"reference MAC {length} at y = {y}, its leading edge at x = {x}",
                                 "Bezugs-lm {length} bei y = {y}, Vorderkante bei x = {x}",
                                 "CMA de referencia {length} en y = {y}, borde de ataque en x = {x}"};
const Text3 TemplateNoResults{"Calculate the aircraft to mark the neutral point and the centre of gravity.",
                              "Das Flugzeug berechnen, um Neutralpunkt und Schwerpunkt einzuzeichnen.",
                              "Calcule el avión para marcar el punto neutro y el centro de gravedad."};
const Text3 TemplateRootAt{"The root leading edge of this wing lies at x = {value}.",
                           "Die Nasenleiste an der Wurzel dieses Flügels liegt bei x = {value}.",
                           "El borde de ataque de la raíz de esta ala está en x = {value}."};
const Text3 TemplateRootChord{"root chord {value}", "Wurzeltiefe {value}", "cuerda de raíz {value}"};
const Text3 TemplateMarksAhead{"{marks}: ahead of the root leading edge, off the wing (x below 0).",
                                "{marks}: vor der Nasenleiste an der Wurzel, außerhalb des Flügels (x unter 0).",
                                "{marks}: por delante del borde de ataque de la raíz, fuera del ala (x bajo 0)."};
const Text3 TemplateMarksBehind{"{marks}: behind the root trailing edge, off the wing.",
                                 "{marks}: hinter der Endleiste an der Wurzel, außerhalb des Flügels.",
                                 "{marks}: por detrás del borde de fuga de la raíz, fuera del ala."};
const Text3 TemplateRulerRunsOn{"The ruler along the root chord runs on to them; mark them on the fuselage.",
                                 "Das Lineal an der Wurzelrippe ist bis dorthin verlängert; auf dem Rumpf anzeichnen.",
                                 "La regla de la cuerda de raíz se prolonga hasta ellos; márquelos en el fuselaje."};
const Text3 TemplateMarksOnReference{"They are drawn on the template of wing {wing}, the reference wing.",
                                      "Sie sind auf der Schablone von Flügel {wing}, dem Bezugsflügel, eingezeichnet.",
                                      "Están dibujados en la plantilla del ala {wing}, el ala de referencia."};
const Text3 TemplateCheckNote{
    "This bar is 100 mm long. If it is not, print again at actual size (no scaling, no fit to page).",
    "Dieser Balken ist 100 mm lang. Sonst erneut in Originalgröße drucken (nicht skalieren, nicht an Seite "
    "anpassen).",
    "Esta barra mide 100 mm. Si no, imprima de nuevo a tamaño real (sin escalar ni ajustar a la página)."};
const Text3 TemplateAssembly{
    "Trim each page along its frame on the left and at the top, lay it over its neighbours so the + marks "
    "meet, and tape.",
    "Jede Seite links und oben am Rahmen abschneiden, so auf die Nachbarseiten legen, dass sich die +-Marken "
    "decken, und festkleben.",
    "Recorte cada página por el marco a la izquierda y arriba, colóquela sobre las vecinas de modo que "
    "coincidan las marcas + y péguela."};
const Text3 TemplateNoSuchWing{"The aircraft has no wing {wing} in use.", "Das Flugzeug hat keinen Flügel {wing}.",
                               "El avión no tiene ala {wing}."};
const Text3 TemplateNoArea{"Wing {wing} has no area to draw.", "Flügel {wing} hat keine Fläche zum Zeichnen.",
                           "El ala {wing} no tiene superficie que dibujar."};
const Text3 TemplateTooManyPages{
    "The template of wing {wing} would take {value} pages; at most {limit} are printed.",
    "Die Schablone von Flügel {wing} bräuchte {value} Seiten; höchstens {limit} werden gedruckt.",
    "La plantilla del ala {wing} ocuparía {value} páginas; se imprimen como máximo {limit}."};

const Text3 TemplateWingPrompt{"Template of the wing:", "Schablone des Flügels:", "Plantilla del ala:"};
const Text3 TemplateReferenceWing{"{wing} (reference wing)", "{wing} (Bezugsflügel)", "{wing} (ala de referencia)"};

} // namespace ab::texts
