// SPDX-License-Identifier: GPL-3.0-or-later
// What opening an AVL deck or an XFLR5 plane file says: what of the design could not come along or
// was approximated, one line per surface and matter, and why a file was refused. "{surface}" stands
// for the surface's name, "{value}" and "{other}" for figures, "{file}" for the file, "{line}" for
// its line.
#pragma once

#include "lang/language.h"

namespace ab::texts {

inline constexpr Text3 ImportUnitUsed{
    "Lengths of \"{surface}\" read in {value}.",
    "Längen von \"{surface}\" in {value} gelesen.",
    "Longitudes de \"{surface}\" leídas en {value}."};
inline constexpr Text3 ImportFinLeftOut{
    "\"{surface}\": a fin (vertical surface), left out: the program takes horizontal and tilted wings only.",
    "\"{surface}\": ein Seitenleitwerk (senkrechte Fläche), weggelassen: das Programm nimmt nur waagrechte und "
    "geneigte Flügel.",
    "\"{surface}\": una deriva (superficie vertical), omitida: el programa solo toma alas horizontales e "
    "inclinadas."};
inline constexpr Text3 ImportBodyLeftOut{
    "\"{surface}\": a body (fuselage), left out.",
    "\"{surface}\": ein Rumpf, weggelassen.",
    "\"{surface}\": un cuerpo (fuselaje), omitido."};
inline constexpr Text3 ImportTwistLeftOut{
    "\"{surface}\": twist left out (incidence of its sections from {value}° to {other}°): taken untwisted.",
    "\"{surface}\": Schränkung weggelassen (Einstellwinkel der Schnitte von {value}° bis {other}°): ohne "
    "Schränkung genommen.",
    "\"{surface}\": torsión omitida (incidencia de sus secciones de {value}° a {other}°): tomada sin torsión."};
inline constexpr Text3 ImportIncidenceLeftOut{
    "\"{surface}\": incidence of {value}° left out: the neutral point does not depend on it.",
    "\"{surface}\": Einstellwinkel von {value}° weggelassen: der Neutralpunkt hängt nicht davon ab.",
    "\"{surface}\": incidencia de {value}° omitida: el punto neutro no depende de ella."};
inline constexpr Text3 ImportCamberLeftOut{
    "\"{surface}\": airfoil camber left out ({value}): taken as a flat plate.",
    "\"{surface}\": Profilwölbung weggelassen ({value}): als ebene Platte genommen.",
    "\"{surface}\": curvatura del perfil omitida ({value}): tomada como placa plana."};
inline constexpr Text3 ImportControlsLeftOut{
    "\"{surface}\": control surfaces left out ({value}).",
    "\"{surface}\": Ruder weggelassen ({value}).",
    "\"{surface}\": superficies de mando omitidas ({value})."};
inline constexpr Text3 ImportStationsJoined{
    "\"{surface}\": {value} trapezoids joined to 4: root and tip kept, and of the stations between them those "
    "whose leaving out changes the area least left out; leading edge straight between the stations kept, area "
    "{other} % of the deck's.",
    "\"{surface}\": {value} Trapeze zu 4 zusammengefasst: Wurzel und Spitze bleiben, von den Stationen dazwischen "
    "fallen die weg, deren Wegfall die Fläche am wenigsten ändert; Vorderkante gerade zwischen den verbliebenen "
    "Stationen, Fläche {other} % der ursprünglichen.",
    "\"{surface}\": {value} trapecios unidos en 4: se conservan raíz y punta, y de las estaciones intermedias se "
    "omiten aquellas cuya omisión cambia menos el área; borde de ataque recto entre las estaciones conservadas, "
    "área {other} % de la original."};
inline constexpr Text3 ImportWingLeftOut{
    "\"{surface}\": left out: the program takes five wings, the five of largest area are kept.",
    "\"{surface}\": weggelassen: das Programm nimmt fünf Flügel, die fünf größten bleiben.",
    "\"{surface}\": omitida: el programa toma cinco alas, se conservan las cinco de mayor área."};
inline constexpr Text3 ImportSteepTrapezoid{
    "\"{surface}\": trapezoid {value} rises at {other}°: held at 60°.",
    "\"{surface}\": Trapez {value} steigt mit {other}°: auf 60° begrenzt.",
    "\"{surface}\": el trapecio {value} sube a {other}°: limitado a 60°."};
inline constexpr Text3 ImportRightHalfRead{
    "\"{surface}\": given across the centre line: its right half is read and mirrored.",
    "\"{surface}\": über die Mittellinie hinweg angegeben: seine rechte Hälfte wird gelesen und gespiegelt.",
    "\"{surface}\": dada a ambos lados del eje: se lee su mitad derecha y se refleja."};
inline constexpr Text3 ImportOneSided{
    "\"{surface}\": one-sided, away from the centre line: read as mirrored at the centre line.",
    "\"{surface}\": einseitig, abseits der Mittellinie: als an der Mittellinie gespiegelt gelesen.",
    "\"{surface}\": de un solo lado, fuera del eje: leída como reflejada en el eje."};
inline constexpr Text3 ImportMirrorPlane{
    "\"{surface}\": mirrored at y = {value} mm: read as mirrored at the centre line.",
    "\"{surface}\": an y = {value} mm gespiegelt: als an der Mittellinie gespiegelt gelesen.",
    "\"{surface}\": reflejada en y = {value} mm: leída como reflejada en el eje."};
inline constexpr Text3 ImportComponent{
    "\"{surface}\": joined to other surfaces as component {value}: kept as a wing of its own.",
    "\"{surface}\": als Komponente {value} mit anderen Flächen verbunden: als eigener Flügel behalten.",
    "\"{surface}\": unida a otras superficies como componente {value}: conservada como ala propia."};
inline constexpr Text3 ImportTooFewSections{
    "\"{surface}\": fewer than two sections with span: left out.",
    "\"{surface}\": weniger als zwei Schnitte mit Spannweite: weggelassen.",
    "\"{surface}\": menos de dos secciones con envergadura: omitida."};

// Refusals of a whole file.
inline constexpr Text3 ImportNoWing{
    "Cannot open \"{file}\": it holds no wing the program can take.",
    "Kann \"{file}\" nicht öffnen: sie enthält keinen Flügel, den das Programm nehmen kann.",
    "No se puede abrir \"{file}\": no contiene ningún ala que el programa pueda tomar."};
inline constexpr Text3 ImportBadNumber{
    "Cannot open \"{file}\": line {line}: \"{value}\" is no number the program can use.",
    "Kann \"{file}\" nicht öffnen: Zeile {line}: \"{value}\" ist keine Zahl, die das Programm verwenden kann.",
    "No se puede abrir \"{file}\": línea {line}: \"{value}\" no es un número que el programa pueda usar."};
inline constexpr Text3 ImportMissingValues{
    "Cannot open \"{file}\": line {line}: {value} expected here.",
    "Kann \"{file}\" nicht öffnen: Zeile {line}: hier wird {value} erwartet.",
    "No se puede abrir \"{file}\": línea {line}: aquí se espera {value}."};
inline constexpr Text3 ImportTooLong{
    "Cannot open \"{file}\": line {line}: a length beyond a kilometre; check the unit of its lengths.",
    "Kann \"{file}\" nicht öffnen: Zeile {line}: eine Länge über einem Kilometer; bitte die Einheit der Längen "
    "prüfen.",
    "No se puede abrir \"{file}\": línea {line}: una longitud de más de un kilómetro; compruebe la unidad de las "
    "longitudes."};
inline constexpr Text3 ImportNotXml{
    "Cannot open \"{file}\": line {line}: {reason}.",
    "Kann \"{file}\" nicht öffnen: Zeile {line}: {reason}.",
    "No se puede abrir \"{file}\": línea {line}: {reason}."};
inline constexpr Text3 ImportNotPlane{
    "Cannot open \"{file}\": it is no XFLR5 plane or wing file (<explane> with <Plane> or <wing>).",
    "Kann \"{file}\" nicht öffnen: sie ist keine XFLR5-Flugzeug- oder Flügeldatei (<explane> mit <Plane> oder "
    "<wing>).",
    "No se puede abrir \"{file}\": no es un archivo de avión o ala de XFLR5 (<explane> con <Plane> o <wing>)."};

// Reasons of ImportNotXml, by XmlProblem.
inline constexpr Text3 XmlWideText{"the text is UTF-16 or UTF-32; save it as UTF-8",
                                   "der Text ist UTF-16 oder UTF-32; bitte als UTF-8 speichern",
                                   "el texto es UTF-16 o UTF-32; guárdelo como UTF-8"};
inline constexpr Text3 XmlNoRoot{"no XML element", "kein XML-Element", "ningún elemento XML"};
inline constexpr Text3 XmlMalformed{"not well-formed XML", "kein wohlgeformtes XML", "XML mal formado"};
inline constexpr Text3 XmlMismatched{"an end tag that closes no open element",
                                     "ein End-Tag, das kein offenes Element schließt",
                                     "una etiqueta de cierre que no cierra ningún elemento abierto"};
inline constexpr Text3 XmlUnclosed{"the file ends inside an element", "die Datei endet innerhalb eines Elements",
                                   "el archivo termina dentro de un elemento"};
inline constexpr Text3 XmlTooDeep{"elements nested too deeply", "Elemente zu tief verschachtelt",
                                  "elementos anidados demasiado"};
inline constexpr Text3 XmlDeclaredEntities{"a document type with entities of its own",
                                           "ein Dokumenttyp mit eigenen Entitäten",
                                           "un tipo de documento con entidades propias"};

// The question of the window when a file to insert a wing from holds several wings.
inline constexpr Text3 WingOfFileQuestion{"Insert which wing of the file?", "Welchen Flügel der Datei einfügen?",
                                          "¿Qué ala del archivo insertar?"};

// The question of the window before a deck that does not say its unit.
inline constexpr Text3 DeckUnitQuestion{"Deck lengths are in:", "Längen der Datei sind in:",
                                        "Las longitudes del archivo están en:"};

} // namespace ab::texts
