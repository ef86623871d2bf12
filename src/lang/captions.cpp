// SPDX-License-Identifier: GPL-3.0-or-later
#include "lang/captions.h"

#include <iterator>

namespace ab {
namespace {

constexpr Caption kControls[] = {
    // result captions of the five wing tabs
    {"Label1", {"wing span (b):", "Spannweite (b):", "envergadura (b):"}},
    {"Label6", {"wing span (b):", "Spannweite (b):", "envergadura (b):"}},
    {"Label16", {"wing span (b):", "Spannweite (b):", "envergadura (b):"}},
    {"Label31", {"wing span (b):", "Spannweite (b):", "envergadura (b):"}},
    {"Label43", {"wing span (b):", "Spannweite (b):", "envergadura (b):"}},
    {"Label2", {"wing area (S):", "Flächeninhalt (S):", "área superficial (S):"}},
    {"Label7", {"wing area (S):", "Flächeninhalt (S):", "área superficial (S):"}},
    {"Label17", {"wing area (S):", "Flächeninhalt (S):", "área superficial (S):"}},
    {"Label32", {"wing area (S):", "Flächeninhalt (S):", "área superficial (S):"}},
    {"Label44", {"wing area (S):", "Flächeninhalt (S):", "área superficial (S):"}},
    {"Label3", {"mean aerod. chord (lm):", "Bezugstiefe (lm):", "profundidad de referencia (lm):"}},
    {"Label8", {"mean aerod. chord (lm):", "Bezugstiefe (lm):", "profundidad de referencia (lm):"}},
    {"Label18", {"mean aerod. chord (lm):", "Bezugstiefe (lm):", "profundidad de referencia (lm):"}},
    {"Label33", {"mean aerod. chord (lm):", "Bezugstiefe (lm):", "profundidad de referencia (lm):"}},
    {"Label45", {"mean aerod. chord (lm):", "Bezugstiefe (lm):", "profundidad de referencia (lm):"}},
    {"Label4", {"geometric center (r25):", "Geometr. Neutralpunkt (r25):", "Punto neutro geométrico (r25):"}},
    {"Label9", {"geometric center (r25):", "Geometr. Neutralpunkt (r25):", "Punto neutro geométrico (r25):"}},
    {"Label19", {"geometric center (r25):", "Geometr. Neutralpunkt (r25):", "Punto neutro geométrico (r25):"}},
    {"Label35", {"geometric center (r25):", "Geometr. Neutralpunkt (r25):", "Punto neutro geométrico (r25):"}},
    {"Label47", {"geometric center (r25):", "Geometr. Neutralpunkt (r25):", "Punto neutro geométrico (r25):"}},
    {"Label5", {"aspect ratio (lam):", "Streckung [lam):", "proporción de aspecto [lam):"}},
    {"Label10", {"aspect ratio (lam):", "Streckung [lam):", "proporción de aspecto [lam):"}},
    {"Label20", {"aspect ratio (lam):", "Streckung [lam):", "proporción de aspecto [lam):"}},
    {"Label34", {"aspect ratio (lam):", "Streckung [lam):", "proporción de aspecto (lam):"}},
    {"Label46", {"aspect ratio (lam):", "Streckung [lam):", "proporción de aspecto [lam):"}},
    {"Label25", {"aerodynamic center (anp):", "Aerodynamischer NP (anp):", "Punto neutro aerod. (anp):"}},
    {"Label26", {"aerodynamic center (anp):", "Aerodynamischer NP (anp):", "Punto neutro aerod. (anp):"}},
    {"Label27", {"aerodynamic center (anp):", "Aerodynamischer NP (anp):", "Punto neutro aerod. (anp):"}},
    {"Label36", {"aerodynamic center (anp):", "Aerodynamischer NP (anp):", "Punto neutro aerod. (anp):"}},
    {"Label48", {"aerodynamic center (anp):", "Aerodynamischer NP (anp):", "Punto neutro aerod. (anp):"}},

    {"Label22", {"Desired Static Stability:", "Gewünschte stat. Längsstabilität:", "Estabilidad estática deseada:"}},
    {"Label23", {"Positioning", "Anordnung", "estado de ánimo"}},
    {"Label_w", {"- calculation is running -", "  - Berechnung läuft - ", "  - Cálculo en curso - "}},
    {"Button4", {"Calculate Aerodynamic Center", "Berechnung Neutralpunkt", "Cálculo del punto neutro"}},
    {"RadioButton15", {"Automatic choice of stability", "Automat. Wahl der Stabilität", "Estabilidad automática"}},
    {"RadioButton16", {"Manual choice of stability", "Manuelle Wahl der Stabilität", "Estabilidad manual"}},
    {"CheckBoxA", {"show pressure distribution:", "zeige Druckverteilung:", "mostrar la distribución de la presión:"}},
    {"Label_Press", {"(angle of attack influence only)", "(Nur Anstellwinkeleinfluss)",
                     "(Influencia del ángulo de ataque solamente)"}},
    {"Label_Contrast", {"contrast", "Kontrast", "contraste"}},
    {"TabSheet1", {"  Wing 1 ", " Flügel 1 ", " ala 1 "}},
    {"TabSheet2", {"  Wing 2 ", " Flügel 2 ", " ala 2 "}},
    {"TabSheet3", {"  Wing 3 ", " Flügel 3 ", " ala 3 "}},
    {"TabSheet6", {"  Wing 4 ", " Flügel 4 ", " ala 4 "}},
    {"TabSheet7", {"  Wing 5 ", " Flügel 5 ", " ala 5 "}},
    {"TabSheet5", {"  Aircraft  ", " Flugzeug ", " avión "}},
    {"TabSheet4", {" Remarks ", " Bemerkungen ", " Comentarios "}},
    {"TabSheet8", {" Balance ", " Auswiegen ", " Equilibrado "}},
    {"BalanceAdd", {"Add part", "Teil hinzufügen", "Añadir pieza"}},
    {"BalanceRemove", {"Remove part", "Teil entfernen", "Quitar pieza"}},
    {"Label_name1", {"Name:", "Name:", "Nombre:"}},
    {"Label_name2", {"Name:", "Name:", "Nombre:"}},
    {"Label_name3", {"Name:", "Name:", "Nombre:"}},
    {"Label_name4", {"Name:", "Name:", "Nombre:"}},
    {"Label_name5", {"Name:", "Name:", "Nombre:"}},
    // the projected figures of a wing with dihedral
    {"Label_pspan1", {"projected span:", "proj. Spannweite:", "envergadura proyectada:"}},
    {"Label_pspan2", {"projected span:", "proj. Spannweite:", "envergadura proyectada:"}},
    {"Label_pspan3", {"projected span:", "proj. Spannweite:", "envergadura proyectada:"}},
    {"Label_pspan4", {"projected span:", "proj. Spannweite:", "envergadura proyectada:"}},
    {"Label_pspan5", {"projected span:", "proj. Spannweite:", "envergadura proyectada:"}},
    {"Label_parea1", {"projected area:", "proj. Flächeninhalt:", "área proyectada:"}},
    {"Label_parea2", {"projected area:", "proj. Flächeninhalt:", "área proyectada:"}},
    {"Label_parea3", {"projected area:", "proj. Flächeninhalt:", "área proyectada:"}},
    {"Label_parea4", {"projected area:", "proj. Flächeninhalt:", "área proyectada:"}},
    {"Label_parea5", {"projected area:", "proj. Flächeninhalt:", "área proyectada:"}},
    {"RadioButton1", {"1 Wing", "1 Flügel", " 1 ala"}},
    {"RadioButton2", {"2 Wings", "2 Flügel", " 2 alas"}},
    {"RadioButton3", {"3 Wings", "3 Flügel", " 3 alas"}},
    {"RB_W4", {"4 Wings", "4 Flügel", " 4 alas"}},
    {"RB_W5", {"5 Wings", "5 Flügel", " 5 alas"}},

    // trapezoid-count buttons of the five wings
    {"RadioButton4", {"1 trapezium", "1 Trapez", "1 trapecio"}},
    {"RadioButton7", {"1 trapezium", "1 Trapez", "1 trapecio"}},
    {"RadioButton10", {"1 trapezium", "1 Trapez", "1 trapecio"}},
    {"RadioButton_4t1", {"1 trapezium", "1 Trapez", "1 trapecio"}},
    {"RadioButton_5t1", {"1 trapezium", "1 Trapez", "1 trapecio"}},
    {"RadioButton5", {"2 trapeziums", "2 Trapeze", "2 trapecios"}},
    {"RadioButton8", {"2 trapeziums", "2 Trapeze", "2 trapecios"}},
    {"RadioButton11", {"2 trapeziums", "2 Trapeze", "2 trapecios"}},
    {"RadioButton_4t2", {"2 trapeziums", "2 Trapeze", "2 trapecios"}},
    {"RadioButton_5t2", {"2 trapeziums", "2 Trapeze", "2 trapecios"}},
    {"RadioButton6", {"3 trapeziums", "3 Trapeze", "3 trapecios"}},
    {"RadioButton9", {"3 trapeziums", "3 Trapeze", "3 trapecios"}},
    {"RadioButton12", {"3 trapeziums", "3 Trapeze", "3 trapecios"}},
    {"RadioButton_4t3", {"3 trapeziums", "3 Trapeze", "3 trapecios"}},
    {"RadioButton_5t3", {"3 trapeziums", "3 Trapeze", "3 trapecios"}},
    {"RadioButton41t", {"4 trapeziums", "4 Trapeze", "4 trapecios"}},
    {"RadioButton42t", {"4 trapeziums", "4 Trapeze", "4 trapecios"}},
    {"RadioButton43t", {"4 trapeziums", "4 Trapeze", "4 trapecios"}},
    {"RadioButton_4t4", {"4 trapeziums", "4 Trapeze", "4 trapecios"}},
    {"RadioButton_5t4", {"4 trapeziums", "4 Trapeze", "4 trapecios"}},

    {"Button_C1", {" copy wing 1 ", "Flügel 1 kopieren", "Copiar ala 1"}},
    {"Button_C2", {" copy wing 2 ", "Flügel 2 kopieren", "Copiar ala 2"}},
    {"Button_C3", {" copy wing 3 ", "Flügel 3 kopieren", "Copiar ala 3"}},
    {"Button_C4", {" copy wing 4 ", "Flügel 4 kopieren", "Copiar ala 4"}},
    {"Button_C5", {" copy wing 5 ", "Flügel 5 kopieren", "Copiar ala 5"}},
    {"Button_P1", {"insert copied wing", "kopierten Flügel einfügen", "Pegar alas copiadas"}},
    {"Button_P2", {"insert copied wing", "kopierten Flügel einfügen", "Pegar alas copiadas"}},
    {"Button_P3", {"insert copied wing", "kopierten Flügel einfügen", "Pegar alas copiadas"}},
    {"Button_P4", {"insert copied wing", "kopierten Flügel einfügen", "Pegar alas copiadas"}},
    {"Button_P5", {"insert copied wing", "kopierten Flügel einfügen", "Pegar alas copiadas"}},
};

constexpr Caption kMenus[] = {
    {"Open1", {"File", "Datei", "archivar"}},
    {"Open2", {"Open", "Öffnen", "Apertura"}},
    {"Save2", {"Save as", "Speichern als", "guardar como"}},
    {"Save3", {"Save", "Speichern", "guardar"}},
    {"Print1", {"Print", "Drucken", "letra de molde"}},
    {"Exit1", {"Exit", "Beenden", "Salir"}},
    {"EEdit1", {"Edit", "Bearbeiten", "corregir"}},
    {"wing11", {"Wing 1", "Flügel-1", " ala-1 "}},
    {"wing21", {"Wing 2", "Flügel-2", " ala-2 "}},
    {"wing31", {"Wing 3", "Flügel-3", " ala-3 "}},
    {"aircraft1", {"Aircraft", "Flugzeug", "avión"}},
    {"CopyWing1", {"Copy Wing", "Flügel Kopieren", "Copiar ala"}},
    {"InsertCopiedWing1", {"Insert Copied Wing", "Kopierten Flügel Einfügen", "Pegar alas copiadas"}},
    {"InsertWingFromFile1",
     {"Insert Wing from File...", "Flügel aus Datei einfügen...", "Insertar ala de un archivo..."}},
    {"chng1", {"Exchange Wing 1<->2", "Tausche Flügel 1<->2", "Intercambiar alas 1<->2"}},
    {"chng2", {"Exchange Wing 1<->3", "Tausche Flügel 1<->3", "Intercambiar alas 1<->3"}},
    {"chng3", {"Exchange Wing 2<->3", "Tausche Flügel 2<->3", "Intercambiar alas 2<->3"}},
    {"chng4", {"Exchange Wing 3<->4", "Tausche Flügel 3<->4", "Intercambiar alas 3<->4"}},
    {"chng5", {"Exchange Wing 4<->5", "Tausche Flügel 4<->5", "Intercambiar alas 4<->5"}},
    {"Langu1", {"Sprache", "Language", "Language"}},
    {"New1", {"New", "Neu", "Nuevo"}},
    {"ExportTemplate1", {"Export template...", "Schablone exportieren...", "Exportar plantilla..."}},
    {"PrintTemplate1", {"Print template...", "Schablone drucken...", "Imprimir plantilla..."}},
    {"ExportAvl1", {"Export AVL...", "AVL exportieren...", "Exportar AVL..."}},
    {"ExportCsv1", {"Export results (CSV)...", "Ergebnisse exportieren (CSV)...", "Exportar resultados (CSV)..."}},
    {"View1", {"View", "Ansicht", "Ver"}},
    {"LiftPlot1", {"Lift distribution", "Auftriebsverteilung", "Distribución de la sustentación"}},
    {"LiveCalculation1", {"Calculate while editing", "Beim Bearbeiten berechnen", "Calcular al editar"}},
    {"CheckBoxLive", {"Calculate while editing", "Beim Bearbeiten berechnen", "Calcular al editar"}},
    {"german1", {"deutsch", nullptr, nullptr}},
    {"Info1", {"Info", "Info", "información"}},
    {"english1", {"english", "english", "english"}},
    {"spain1", {"español", "español", "español"}},
};

constexpr DesignCaption kDesignCaptions[] = {
    {"TabSheet5", "     Aircraft    "}, {"TabSheet1", " Wing 1 "}, {"TabSheet2", "  Wing 2  "},
    {"TabSheet3", " Wing 3 "}, {"TabSheet6", "Wing 4"}, {"TabSheet7", "Wing 5"}, {"TabSheet4", "Remarks"},
    {"TabSheet8", "Balance"}, {"BalanceAdd", "Add part"}, {"BalanceRemove", "Remove part"},
    {"Label_name1", "Name:"}, {"Label_name2", "Name:"}, {"Label_name3", "Name:"}, {"Label_name4", "Name:"},
    {"Label_name5", "Name:"},
    {"Label_pspan1", "projected span:"}, {"Label_pspan2", "projected span:"}, {"Label_pspan3", "projected span:"},
    {"Label_pspan4", "projected span:"}, {"Label_pspan5", "projected span:"},
    {"Label_parea1", "projected area:"}, {"Label_parea2", "projected area:"}, {"Label_parea3", "projected area:"},
    {"Label_parea4", "projected area:"}, {"Label_parea5", "projected area:"},

    {"RadioButton1", "1 Wing"}, {"RadioButton2", "2 Wings"}, {"RadioButton3", "3 Wings"},
    {"RB_W4", "4 Wings"}, {"RB_W5", "5 Wings"},
    {"Label23", "Positioning"},
    {"CheckBoxA", "show pressure distribution:"},
    {"Label_Press", "(angle of attack influence only)"},
    {"Label_Contrast", "contrast"},
    {"Button4", "Calculate Aerodynamic Center"}, {"CheckBoxLive", "Calculate while editing"},
    {"Label_w", "- calculation is running -"},
    {"Label24", "     "}, {"Label28", "-------"}, {"Label29", "-------"}, {"Label30", "-------"},
    {"RadioButton15", "Automatic choice of stability"}, {"RadioButton16", "Manual choice of stability"},
    {"Label22", "Desired Static Stability:"}, {"Label21", "%"},

    {"RadioButton4", "1 trapezium"}, {"RadioButton7", "1 trapezium"}, {"RadioButton10", "1 trapezium"},
    {"RadioButton_4t1", "1 trapezium"}, {"RadioButton_5t1", "1 trapezium"},
    {"RadioButton5", "2 trapeziums"}, {"RadioButton8", "2 trapeziums"}, {"RadioButton11", "2 trapeziums"},
    {"RadioButton_4t2", "2 trapeziums"}, {"RadioButton_5t2", "2 trapeziums"},
    {"RadioButton6", "3 trapeziums"}, {"RadioButton9", "3 trapeziums"}, {"RadioButton12", "3 trapeziums"},
    {"RadioButton_4t3", "3 trapeziums"}, {"RadioButton_5t3", "3 trapeziums"},
    {"RadioButton41t", "4 trapeziums"}, {"RadioButton42t", "4 trapeziums"}, {"RadioButton43t", "4 trapeziums"},
    {"RadioButton_4t4", "4 trapeziums"}, {"RadioButton_5t4", "4 trapeziums"},
    {"Button_C1", "copy wing 1"}, {"Button_C2", "copy wing 2"}, {"Button_C3", "copy wing 3"},
    {"Button_C4", "copy wing 4"}, {"Button_C5", "copy wing 5"},
    {"Button_P1", "insert copied wing"}, {"Button_P2", "insert copied wing"}, {"Button_P3", "insert copied wing"},
    {"Button_P4", "insert copied wing"}, {"Button_P5", "insert copied wing"},

    // result captions of the five wing tabs
    {"Label1", "wing span (b):"}, {"Label6", "wing span (b):"}, {"Label16", "wing span (b):"},
    {"Label31", "wing span (b):"}, {"Label43", "wing span (b):"},
    {"Label2", "wing area (s):"}, {"Label7", "wing area (s):"}, {"Label17", "wing area (s):"},
    {"Label32", "wing area (s):"}, {"Label44", "wing area (s):"},
    {"Label3", "mean aerod. chord (lm):"}, {"Label8", "mean aerod. chord (lm):"},
    {"Label18", "mean aerod. chord (lm):"}, {"Label33", "mean aerod. chord (lm):"},
    {"Label45", "mean aerod. chord (lm):"},
    {"Label4", "geometric center (r25):"}, {"Label9", "geometric center (r25):"},
    {"Label19", "geometric center (r25):"}, {"Label35", "geometric center (r25):"},
    {"Label47", "geometric center (r25):"},
    {"Label5", "aspect ratio (lam):"}, {"Label10", "aspect ratio (lam):"}, {"Label20", "aspect ratio (lam):"},
    {"Label34", "aspect ratio (lam):"}, {"Label46", "aspect ratio (lam):"},
    {"Label25", "aerodynamic center (anp) x:"}, {"Label26", "aerodynamic center (anp) x:"},
    {"Label27", "aerodynamic center (anp) x:"}, {"Label36", "aerodynamic center (anp) x:"},
    {"Label48", "aerodynamic center (anp) x:"},
    {"Label37", " y: "}, {"Label38", " y: "}, {"Label39", " y: "}, {"Label40", " y: "}, {"Label41", " y: "},

    // menu items
    {"Open1", "File"}, {"Open2", "Open"}, {"Save2", "Save as"}, {"Save3", "Save"}, {"Print1", "Print"},
    {"Exit1", "Exit"}, {"EEdit1", "Edit"}, {"wing11", "Wing-1"}, {"wing21", "Wing-2"}, {"wing31", "Wing-3"},
    {"aircraft1", "Aircraft"}, {"CopyWing1", "Copy Wing"}, {"InsertCopiedWing1", "Insert Copied Wing"},
    {"chng1", "Exchange Wing 1<->2"}, {"chng2", "Exchange Wing 1<->3"}, {"chng3", "Exchange Wing 2<->3"},
    {"chng4", "Exchange Wing 3<->4"}, {"chng5", "Exchange Wing 4<->5"},
    {"Langu1", "Sprache"}, {"german1", "deutsch"}, {"english1", "english"}, {"spain1", "español"},
    {"Info1", "Info"},
};

constexpr DesignCaption kDesignHints[] = {
    {"SpeedButton1", "Open File"}, {"SpeedButton2", "Save File as"}, {"SpeedButton3", "Save File"},
    {"SpeedButton5", "Print"},     {"SpeedButton4", "Calc"},         {"SpeedButtonG", "Langue"},
    {"SpeedButtonE", "Langue"},    {"SpeedButtonS", "Langue"},
};

constexpr Text3 kThumbnails[6] = {
    {"", "", ""},
    {"Wing-1  ", "Flügel-1", "  ala-1   "},
    {"Wing-2  ", "Flügel-2", "  ala-2   "},
    {"Wing-3  ", "Flügel-3", "  ala-3   "},
    {"Wing-4  ", "Flügel-4", "  ala-4   "},
    {"Wing-5  ", "Flügel-5", "  ala-5   "},
};

constexpr Text3 kTopViewFlightDirection{"flight direction        ", "Flugrichtung           ", "dirección de vuelo  "};

} // namespace

std::span<const Caption> controlCaptions() { return kControls; }
std::span<const Caption> menuCaptions() { return kMenus; }
std::span<const DesignCaption> designCaptions() { return kDesignCaptions; }
std::span<const DesignCaption> designHints() { return kDesignHints; }

std::string_view thumbnailTitle(Language l, int w) { return kThumbnails[w].in(l); }
std::string_view topViewFlightDirection(Language l) { return kTopViewFlightDirection.in(l); }

const Text3 texts::NeedsCalculationTip{
    "Calculate the aerodynamic center first (F9): printing and the exports use its results.",
    "Zuerst den Neutralpunkt berechnen (F9): Drucken und die Exporte verwenden seine Ergebnisse.",
    "Calcule primero el punto neutro (F9): la impresión y las exportaciones usan sus resultados."};
const Text3 texts::AwaitsCalculationTip{
    "Available when the calculation has ended: printing and the exports use its results.",
    "Verfügbar, sobald die Berechnung beendet ist: Drucken und die Exporte verwenden ihre Ergebnisse.",
    "Disponible cuando termine el cálculo: la impresión y las exportaciones usan sus resultados."};
const Text3 texts::ContrastBarTip{
    "Contrast of the pressure colours in the top view and of the needles in the 3-D view: up for more",
    "Kontrast der Druckfarben in der Draufsicht und der Nadeln in der 3D-Ansicht: nach oben für mehr",
    "Contraste de los colores de presión en la vista superior y de las agujas en la vista 3D: hacia arriba "
    "para más"};

std::array<std::string_view, 3> balanceColumnTitles(Language language)
{
    static constexpr Text3 titles[3] = {
        {"Part", "Teil", "Pieza"}, {"Mass (g)", "Masse (g)", "Masa (g)"}, {"x (mm)", "x (mm)", "x (mm)"}};
    return {titles[0].in(language), titles[1].in(language), titles[2].in(language)};
}

} // namespace ab
