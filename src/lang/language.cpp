// SPDX-License-Identifier: GPL-3.0-or-later
#include "lang/language.h"

#include "model/numbers.h"

namespace ab {

Language currentLanguage(const LanguageFlags& f)
{
    if (f.LanguageEnglish)
        return Language::English;
    if (f.LanguageGerman)
        return Language::German;
    return Language::Spanish;
}

LanguageFlags flagsFor(Language l)
{
    return {l == Language::English, l == Language::German, l == Language::Spanish};
}

namespace {

// The message texts by entry; a numbered entry is its prefix, the wing number and its suffix.
const Text3 kGapQuestion1{"Are you sure this wing shall   ", "Sind Sie sicher, dass dieser Flügel in",
                          "Estás seguro de que quieres que esta  "};
const Text3 kGapQuestion2{"have a gap in the middle?  ", "der Mitte eine Lücke haben soll?",
                          "ala tenga un hueco en el medio?   "};
const Text3 kWingTitlePrefix{"Wing-", "Flügel-", " ala-"};
const Text3 kWingTitleSuffix{"  ", "", "  "};
const Text3 kErrorTitle{"Error: ", "Fehler: ", "punto flaco"};
const Text3 kFlightDirection{" flight direction           ", " Flugrichtung              ", "dirección de vuelo"};
const Text3 kRemarksPrompt{"insert your remarks here:", "Bemerkungen können in diesem Feld eingegeben werden:",
                           "Se pueden introducir comentarios en este campo:"};
const Text3 kTrapezoidFailure1{"Can not calculate Wing ", "Kann Flügel ", "No se puede calcular ala "};
const Text3 kTrapezoidFailure2{" / Trapezium ", " / Trapez ", " el trapecio "};
const Text3 kTrapezoidFailure3{" ", " nicht berechnen.", " "};
const Text3 kTrapezoidAdvice{"Please change this trapezium (more chord length at tip)!",
                             "Bitte dieses Trapez verändern (Außentiefe größer)!",
                             "Por favor, cambie este trapecio (profundidad exterior mayor)!"};
const Text3 kChordlessAdvice{"Please give this trapezium a chord (its root and tip chord are both 0)!",
                             "Bitte diesem Trapez eine Tiefe geben (Innen- und Außentiefe sind 0)!",
                             "Por favor, dé profundidad a este trapecio (la interior y la exterior son 0)!"};
const Text3 kWingFailurePrefix{"Can not calculate wing-", "Kann Flügel-", "No se puede calcular ala-"};
const Text3 kWingFailureSuffix{". ", " nicht berechnen.", ". "};
const Text3 kWingAdvice{"Please change this wing (less aspect ratio)!", "Bitte Streckung verkleinern!",
                        "Por favor, cambie este ala (less aspect ratio)!"};

MessageTexts makeMessages(Language l)
{
    MessageTexts m;
    m.GapQuestion1 = kGapQuestion1.in(l);
    m.GapQuestion2 = kGapQuestion2.in(l);
    for (int w = 1; w <= 5; ++w) {
        const std::string n = std::to_string(w);
        m.WingTitle[w] = std::string(kWingTitlePrefix.in(l)) + n + std::string(kWingTitleSuffix.in(l));
        m.WingFailure[w] = std::string(kWingFailurePrefix.in(l)) + n + std::string(kWingFailureSuffix.in(l));
    }
    m.ErrorTitle = kErrorTitle.in(l);
    m.FlightDirectionText = kFlightDirection.in(l);
    m.RemarksPrompt = kRemarksPrompt.in(l);
    m.TrapezoidFailure1 = kTrapezoidFailure1.in(l);
    m.TrapezoidFailure2 = kTrapezoidFailure2.in(l);
    m.TrapezoidFailure3 = kTrapezoidFailure3.in(l);
    m.TrapezoidAdvice = kTrapezoidAdvice.in(l);
    m.ChordlessAdvice = kChordlessAdvice.in(l);
    m.WingAdvice = kWingAdvice.in(l);
    return m;
}

} // namespace

const MessageTexts& messageTexts(Language l)
{
    static const MessageTexts tables[3] = {makeMessages(Language::English), makeMessages(Language::German),
                                           makeMessages(Language::Spanish)};
    return tables[static_cast<int>(l)];
}

void fillIn(std::string& s, std::string_view key, std::string_view by)
{
    for (std::size_t at = s.find(key); at != std::string::npos; at = s.find(key, at + by.size()))
        s.replace(at, key.size(), by);
}

std::string trapezoidFailureLine(Language l, int wing, int trapezoid)
{
    const MessageTexts& m = messageTexts(l);
    return m.TrapezoidFailure1 + formatInt(wing, 2) + m.TrapezoidFailure2 + formatInt(trapezoid, 2) +
           m.TrapezoidFailure3;
}

namespace texts {

const Text3 MovedWingsHeading{"Attention:", "Achtung:", "Ojo! "};
const Text3 MovedWingsLine{"Wings are moved automatically in z-direction!",
                           "Flügel wurden automatisch in z-Richtung verschoben!",
                           "Atención: ¡Las alas se movieron automáticamente en dirección Z!"};
const Text3 SingularSystem{"Can not calculate: the equation system is singular.",
                           "Kann nicht berechnen: das Gleichungssystem ist singulär.",
                           "No se puede calcular: el sistema de ecuaciones es singular."};

const Text3 FileCannotOpen{"Cannot open \"{file}\": {reason}.", "Kann \"{file}\" nicht öffnen: {reason}.",
                           "No se puede abrir \"{file}\": {reason}."};
const Text3 FileReadError{"Cannot read \"{file}\": {reason}.", "Kann \"{file}\" nicht lesen: {reason}.",
                          "No se puede leer \"{file}\": {reason}."};
const Text3 FileTooLarge{"\"{file}\" was not read: it is larger than 16 MiB.",
                         "\"{file}\" wurde nicht gelesen: die Datei ist größer als 16 MiB.",
                         "\"{file}\" no se leyó: el archivo es mayor de 16 MiB."};
const Text3 FileNotText{"\"{file}\" was not read: it is not a text file (line {line} holds a NUL byte).",
                        "\"{file}\" wurde nicht gelesen: keine Textdatei (Zeile {line} enthält ein NUL-Byte).",
                        "\"{file}\" no se leyó: no es un archivo de texto (la línea {line} contiene un byte NUL)."};
const Text3 FileNotRegular{"\"{file}\" was not read: it is not a regular file.",
                           "\"{file}\" wurde nicht gelesen: keine reguläre Datei.",
                           "\"{file}\" no se leyó: no es un archivo regular."};
const Text3 NotRegularReason{"not a regular file", "keine reguläre Datei", "no es un archivo regular"};
const Text3 FileNoWingCount{"\"{file}\" was not loaded: it does not give the number of wings.",
                            "\"{file}\" wurde nicht geladen: die Anzahl der Flügel fehlt.",
                            "\"{file}\" no se cargó: falta el número de alas."};
const Text3 FileBadWingCount{
    "\"{file}\" was not loaded: line {line} gives {value} wings, but an aircraft has 1 to 5.",
    "\"{file}\" wurde nicht geladen: Zeile {line} nennt {value} Flügel, ein Flugzeug hat 1 bis 5.",
    "\"{file}\" no se cargó: la línea {line} indica {value} alas, pero un avión tiene de 1 a 5."};
const Text3 FileCannotSave{"Cannot save \"{file}\": {reason}. The file on the disk was left as it was.",
                           "Kann \"{file}\" nicht speichern: {reason}. Die Datei auf der Platte blieb unverändert.",
                           "No se puede guardar \"{file}\": {reason}. El archivo en el disco no se modificó."};
const Text3 FileTooLargeToSave{
    "Cannot save \"{file}\": it would be larger than 16 MiB, and the program opens no larger file. Shorten the "
    "remarks. The file on the disk was left as it was.",
    "Kann \"{file}\" nicht speichern: die Datei würde größer als 16 MiB, und größere Dateien öffnet das Programm "
    "nicht. Bitte die Bemerkungen kürzen. Die Datei auf der Platte blieb unverändert.",
    "No se puede guardar \"{file}\": ocuparía más de 16 MiB, y el programa no abre archivos mayores. Acorte los "
    "comentarios. El archivo en el disco no se modificó."};
const Text3 FileSaveBrokeOff{
    "Cannot save \"{file}\": {reason}. The save broke off midway: the file on the disk may be incomplete.",
    "Kann \"{file}\" nicht speichern: {reason}. Das Speichern brach mittendrin ab: die Datei auf der Platte ist "
    "womöglich unvollständig.",
    "No se puede guardar \"{file}\": {reason}. El guardado se interrumpió a medias: el archivo en el disco puede "
    "estar incompleto."};
const Text3 FileAlreadySaved{"\"{file}\" had already been saved.", "\"{file}\" war bereits gespeichert.",
                             "\"{file}\" ya se había guardado."};

const Text3 FileNotCalculated{"\"{file}\" could not be calculated:", "\"{file}\" konnte nicht berechnet werden:",
                              "\"{file}\" no se pudo calcular:"};

const Text3 FileEndsBeforeWing{"The file ends before wing {value}: its values are defaults.",
                               "Die Datei endet vor Flügel {value}: seine Werte sind Vorgabewerte.",
                               "El archivo termina antes del ala {value}: sus valores son los predeterminados."};
const Text3 FileEndsInsideWing{
    "The file ends inside wing {value}: its values from there on are defaults.",
    "Die Datei endet mitten in Flügel {value}: seine Werte ab dort sind Vorgabewerte.",
    "El archivo termina dentro del ala {value}: sus valores desde ahí son los predeterminados."};
const Text3 FileEndsEarly{"The file breaks off after line {line}: the values that would follow are defaults.",
                          "Die Datei bricht nach Zeile {line} ab: die folgenden Werte sind Vorgabewerte.",
                          "El archivo se corta tras la línea {line}: los valores que seguirían son los predeterminados."};
const Text3 FileLacksWing{"The file holds no values for wing {value}: its values are defaults.",
                          "Die Datei enthält keine Werte für Flügel {value}: seine Werte sind Vorgabewerte.",
                          "El archivo no contiene valores para el ala {value}: sus valores son los predeterminados."};
const Text3 FileBadDihedral{"Line {line}: wing {wing}, {field}: '{text}' is no usable angle and is read as {value}°.",
                            "Zeile {line}: Flügel {wing}, {field}: '{text}' ist kein brauchbarer Winkel und wird als "
                            "{value}° gelesen.",
                            "Línea {line}: ala {wing}, {field}: '{text}' no es un ángulo utilizable y se lee como {value}°."};

const Text3 AvlNeedsCalculation{
    "Cannot export \"{file}\": calculate the aircraft first. The AVL file takes the reference wing and the "
    "spacing of a complete calculation.",
    "Kann \"{file}\" nicht exportieren: bitte zuerst das Flugzeug berechnen. Die AVL-Datei übernimmt den "
    "Referenzflügel und die Aufteilung einer vollständigen Berechnung.",
    "No se puede exportar \"{file}\": calcule primero el avión. El archivo AVL toma el ala de referencia y la "
    "división de un cálculo completo."};

const Text3 InconsistentLattice{"EINFLUSS: Irgend ein Kuddel-Muddel", "EINFLUSS: Irgend ein Kuddel-Muddel",
                                "EINFLUSS: Irgend ein Kuddel-Muddel"};

const Text3 ReferenceAreaLabel{"Reference area (S): ", "Bezugsfläche (S): ", "plano de referencia (S): "};
const Text3 ReferenceLengthLabel{"Reference length (lm): ", "Bezugstiefe (lm): ",
                                 "profundidad de referencia (lm): "};
const Text3 CgPrefix{"x_cg (", "x_SP (", "x_cg ("};
const Text3 NeutralPointPrefix{"x_ac: ", "x_NP: ", "x_PN: "};
const Text3 MarginDifference{"%  AC-CG= ", "%  NP-SP= ", "%  NP-SP= "};
const Text3 MacShortName{"MAC", "lm", "CMA"};
const Text3 DatumSentence{
    "x is measured rearward from the aircraft's datum (x = 0), the point every wing position is measured from.",
    "x wird vom Bezugspunkt des Flugzeugs (x = 0) nach hinten gemessen, von dem aus jede Flügelposition gemessen "
    "wird.",
    "x se mide hacia atrás desde el punto de referencia del avión (x = 0), desde el que se mide la posición de "
    "cada ala."};
const Text3 BandLabel{"CG range ", "SP-Bereich ", "rango del CG "};
const Text3 CgSymbolLabel{"CG ", "SP ", "CG "};
const Text3 NeutralPointSymbolLabel{"AC", "NP", "PN"};
const Text3 MeasuredCgLabel{"CG measured", "SP gewogen", "CG medido"};

const Text3& sketchFlightDirection(int w)
{
    static const Text3 table[6] = {
        {"", "", ""},
        {" flight direction           ", " Flugrichtung                 ", "dirección de vuelo"},
        {" flight direction           ", " Flugrichtung             ", "dirección de vuelo"},
        {" flight direction             ", " Flugrichtung              ", "dirección de vuelo"},
        {" flight direction               ", " Flugrichtung                ", "dirección de vuelo"},
        {" flight direction             ", " Flugrichtung               ", "dirección de vuelo"},
    };
    return table[w];
}

const char* const SummaryProgramTitle = "AeroBalance4  V3.4 ";
const Text3 SummaryTitle{"Summary:", "Zusammenfassung:", "el resumen:"};
const Text3 SummaryNeutralPoint{"aerodynamic center: ", "Neutralpunkt:        ", "punto neutro:        "};
const Text3 SummaryCgHigh{"Recommended center of gravity by stab =  ", "Empfohlener Schwerpunkt bei Stabilität =  ",
                          "Centro de gravedad recomendado para la estabilidad = "};
const Text3 SummaryCgLow{"recomemnded center of gravity by stab =  ", "Empfohlener Schwerpunkt bei Stabilität =  ",
                         "Centro de gravedad recomendado para la estabilidad = "};
const Text3 SummaryCgDesired{"Center of gravity by stab = ", "Schwerpunkt bei Stabilität = ",
                             "Centro de gravedad con estabilidad = "};
const Text3 SummaryReferenceMac{"leading edge of the reference MAC: ", "Vorderkante der Bezugstiefe (lm): ",
                                "borde de ataque de la CMA de referencia: "};

const Text3& summaryWingTitle(int w)
{
    static const Text3 table[6] = {
        {"", "", ""},
        {"Wing1:", "Flügel1:", "ala-1:"},
        {"Wing2:", "Flügel2:", "ala-2: "},
        {"Wing3:", "Flügel3:", "ala-3:"},
        {"Wing4:", "Flügel4:", "ala-4:"},
        {"Wing5:", "Flügel5:", "ala-5:"},
    };
    return table[w];
}

const Text3 SummaryWingSpan{"wing span:          ", "Spannweite:          ", "envergadura:"};
const Text3 SummaryWingArea{"wing area:          ", "Flächeninhalt:       ", "área superficial:"};
const Text3 SummaryAspectRatio{"aspect ratio:       ", "Streckung:           ", "proporción de aspecto:"};
const Text3 SummaryMac{"mean aerod. chord:  ", "Bezugstiefe:       ", "profundidad de referencia:"};
const Text3 SummaryGeometricCentre{"geometric center:   ", "Geom. Neutralpunkt:  ", "Punto neutro geométrico:"};
const Text3 SummaryAerodynamicCentre{"aerodynamic center: ", "Aerod. Neutralpunkt: ",
                                     "Punto neutro aerodinámico:"};
const Text3 SummaryLiftSlope{"lift slope:         ", "Auftriebsanstieg:    ", "aumento del levantamiento:"};

const Text3 SummaryProjected{"proj.: ", "proj.: ", "proy.: "};

const Text3& summaryWingLabel(int row, int w)
{
    static const Text3 spanWing2{"wing span:        ", "Spannweite:          ", "envergadura:"};
    static const Text3 spanWings3To5{"wing span:          ", "Spannweite:         ", "envergadura:"};
    static const Text3 aerodynamicCentreWings2And5{"aerodynamic center: ", "Aerod. Neutralpunkt: ",
                                                   "Punto neutro aerodinámico: "};
    static const Text3* const wing1[SummaryWingLabelCount] = {&SummaryWingSpan,        &SummaryWingArea,
                                                              &SummaryAspectRatio,     &SummaryMac,
                                                              &SummaryGeometricCentre, &SummaryAerodynamicCentre,
                                                              &SummaryLiftSlope};
    if (row == 0 && w == 2)
        return spanWing2;
    if (row == 0 && w >= 3)
        return spanWings3To5;
    if (row == 5 && (w == 2 || w == 5))
        return aerodynamicCentreWings2And5;
    return *wing1[row];
}

const Text3 InfoLine1{"   AeroBalance calculates the aerodynamic center   ",
                      "   AeroBalance berechnet den Neutralpunkt eines   ",
                      "   AeroBalance calcula el punto neutro de un  "};
const Text3 InfoLine2{"of an aircraft and suggests a suitable", "Flugzeugs und schlägt einen günstigen ",
                      "avión y sugiere un rango favorable "};
const Text3 InfoLine3{"range for the center of gravity", "Bereich für die Schwerpunktlage vor",
                      "para el centro de gravedad. "};
const Text3 InfoClose{"Close", "Schließen", "Cerrar"};
const Text3 InfoDownload{"The current version of the program is available here: ",
                         "Die aktuelle Version des Programms ist hier erhältlich: ",
                         "La versión actual del programa está disponible aquí: "};
// The credits name the method and the people behind the program; there is no contact address or
// download page to show, so those labels stay empty.
const Text3 InfoIdeaCredit{"Idea and formulas: the vortex-lattice method", "Idee und Formeln: das Wirbelgitterverfahren",
                           "Idea y fórmulas: el método de red de vórtices"};
const Text3 InfoIdeaContact{"", "", ""};
const Text3 InfoRealisationCredit{"Realization: the AeroBalance developers",
                                  "Umsetzung: die AeroBalance-Entwickler",
                                  "Realización: los desarrolladores de AeroBalance"};
const Text3 InfoRealisationContact{"", "", ""};
const char* const InfoDownloadAddress = "";

const Text3 SaveChangesQuestion{
    "The aircraft has changed since it was opened or saved. Save the changes?",
    "Das Flugzeug wurde seit dem Öffnen oder Speichern geändert. Sollen die Änderungen gespeichert werden?",
    "El avión ha cambiado desde que se abrió o se guardó. ¿Desea guardar los cambios?"};
const Text3 ReplaceQuestion{"\"{file}\" already exists. Replace it?",
                            "\"{file}\" gibt es schon. Soll die Datei ersetzt werden?",
                            "\"{file}\" ya existe. ¿Desea reemplazarlo?"};
const Text3 ChoosePrinterNote{"Choose a printer or a PDF file.", "Wählen Sie einen Drucker oder eine PDF-Datei.",
                              "Elija una impresora o un archivo PDF."};
const Text3 PrinterCannotStart{"The printer \"{file}\" could not start the print job.",
                               "Der Drucker \"{file}\" konnte den Druckauftrag nicht beginnen.",
                               "La impresora \"{file}\" no pudo iniciar el trabajo de impresión."};

const Text3 BalanceHeading{"Balance:", "Schwerpunktermittlung:", "Centrado:"};
const Text3 BalanceMass{"Total mass: {value}", "Gesamtmasse: {value}", "Masa total: {value}"};
const Text3 BalanceCentreOfGravity{"Center of gravity: {value}", "Schwerpunkt: {value}", "Centro de gravedad: {value}"};
const Text3 BalanceStaticMargin{"Static margin: {value}", "Stabilitätsmaß: {value}", "Margen estático: {value}"};
const Text3 BalanceInside{"inside the recommended range", "im empfohlenen Bereich", "dentro del rango recomendado"};
const Text3 BalanceMoveForward{"outside the recommended range: move it {value} forward",
                               "außerhalb des empfohlenen Bereichs: {value} nach vorn verlegen",
                               "fuera del rango recomendado: desplazarlo {value} hacia delante"};
const Text3 BalanceMoveRearward{"outside the recommended range: move it {value} rearward",
                                "außerhalb des empfohlenen Bereichs: {value} nach hinten verlegen",
                                "fuera del rango recomendado: desplazarlo {value} hacia atrás"};
const Text3 BalanceNoResults{"no calculated neutral point to compare with yet",
                             "noch kein berechneter Neutralpunkt zum Vergleich",
                             "aún no hay un punto neutro calculado para comparar"};
const Text3 BalanceNoMass{"no mass entered yet", "noch keine Masse eingegeben", "aún no se ha introducido ninguna masa"};
const Text3 BalanceFlaggedItems{"Rows counted as {zero} (mass or x missing, negative or not a number): {value}",
                                "Mit {zero} gezählte Zeilen (Masse oder x fehlt, ist negativ oder keine Zahl): {value}",
                                "Filas contadas como {zero} (masa o x falta, negativa o no numérica): {value}"};
const Text3 BalanceItemsCut{"The balance keeps its first 100 rows; rows left out: {value}.",
                            "Die Schwerpunkttabelle behält ihre ersten 100 Zeilen; weggelassen: {value}.",
                            "La tabla de masas conserva sus primeras 100 filas; filas omitidas: {value}."};
const Text3 BalanceNamesCut{"Names cut to 60 characters: {value}.", "Auf 60 Zeichen gekürzte Namen: {value}.",
                            "Nombres recortados a 60 caracteres: {value}."};

} // namespace texts
} // namespace ab
