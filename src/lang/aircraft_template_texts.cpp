// SPDX-License-Identifier: GPL-3.0-or-later
#include "lang/aircraft_template_texts.h"

namespace ab {
namespace {

constexpr Text3 kTexts[] = {
    // wing names
    {"Wing", "Flügel", "Ala"},
    {"Tailplane", "Höhenleitwerk", "Estabilizador"},
    {"Canard", "Ente", "Canard"},
    {"Front wing", "Vorderflügel", "Ala delantera"},
    {"Rear wing", "Hinterflügel", "Ala trasera"},
    {"Lower wing", "Unterflügel", "Ala inferior"},
    {"Upper wing", "Oberflügel", "Ala superior"},
    {"Fuselage", "Rumpf", "Fuselaje"},
    {"Floats", "Schwimmer", "Flotadores"},
    {"V-tail", "V-Leitwerk", "Cola en V"},
    // lines of the remarks
    {"Conventional model: wing of 1600 mm span, tailplane of 600 mm span 800 mm behind it",
     "Konventionelles Modell: Flügel mit 1600 mm Spannweite, Höhenleitwerk mit 600 mm Spannweite 800 mm "
     "dahinter",
     "Modelo convencional: ala de 1600 mm de envergadura, estabilizador de 600 mm de envergadura 800 mm por "
     "detrás"},
    {"Glider: three-trapezoid wing of 3000 mm span, tailplane of 600 mm span 950 mm behind it",
     "Segelflugmodell: Flügel aus drei Trapezen mit 3000 mm Spannweite, Höhenleitwerk mit 600 mm Spannweite "
     "950 mm dahinter",
     "Planeador: ala de tres trapecios de 3000 mm de envergadura, estabilizador de 600 mm de envergadura 950 mm "
     "por detrás"},
    {"V-tail glider: two-trapezoid wing of 2000 mm span with polyhedral (2 and 8 degrees), V-tail of 40 degrees "
     "850 mm behind it",
     "Segelflugmodell mit V-Leitwerk: Flügel aus zwei Trapezen mit 2000 mm Spannweite und Knicken (2 und 8 Grad), "
     "V-Leitwerk mit 40 Grad 850 mm dahinter",
     "Planeador con cola en V: ala de dos trapecios de 2000 mm de envergadura con diedro múltiple (2 y 8 grados), "
     "cola en V de 40 grados 850 mm por detrás"},
    {"Type each width along its panel, as you cut it; change the chords, widths, angles and positions to your "
     "design",
     "Jede Breite entlang ihrer Fläche eingeben, wie sie geschnitten wird; Tiefen, Breiten, Winkel und Positionen "
     "an den eigenen Entwurf anpassen",
     "Introduzca cada anchura a lo largo de su panel, tal como se corta; cambie las cuerdas, anchuras, ángulos y "
     "posiciones según su diseño"},
    {"Swept flying wing of 1700 mm span", "Gepfeilter Nurflügel mit 1700 mm Spannweite",
     "Ala volante en flecha de 1700 mm de envergadura"},
    {"Canard: wing of 1300 mm span, canard of 500 mm span 500 mm ahead of it and 40 mm above",
     "Ente: Flügel mit 1300 mm Spannweite, Entenflügel mit 500 mm Spannweite 500 mm davor und 40 mm höher",
     "Canard: ala de 1300 mm de envergadura, canard de 500 mm de envergadura 500 mm por delante y 40 mm más "
     "arriba"},
    {"Tandem: front wing of 1200 mm span, rear wing of 1300 mm span 600 mm behind it and 100 mm above",
     "Tandem: Vorderflügel mit 1200 mm Spannweite, Hinterflügel mit 1300 mm Spannweite 600 mm dahinter und "
     "100 mm höher",
     "Tándem: ala delantera de 1200 mm de envergadura, ala trasera de 1300 mm de envergadura 600 mm por detrás "
     "y 100 mm más arriba"},
    {"Biplane on floats: five lifting surfaces to start from",
     "Doppeldecker auf Schwimmern: fünf tragende Flächen als Ausgangspunkt",
     "Biplano con flotadores: cinco superficies sustentadoras para empezar"},
    {"Change the chords, widths and positions to your design",
     "Tiefen, Breiten und Positionen an den eigenen Entwurf anpassen",
     "Cambie las cuerdas, anchuras y posiciones según su diseño"},
    {"Change the chords, widths and sweep to your design", "Tiefen, Breiten und Pfeilung an den eigenen Entwurf anpassen",
     "Cambie las cuerdas, anchuras y flecha según su diseño"},
};

} // namespace

std::optional<std::string> templateTextIn(std::string_view english, Language language)
{
    for (const Text3& t : kTexts)
        if (english == t.en)
            return std::string(t.in(language));
    return std::nullopt;
}

std::string templateRemarkIn(std::string_view english, Language language)
{
    std::string out;
    std::size_t start = 0;
    while (start <= english.size()) {
        const std::size_t end = std::min(english.find('\n', start), english.size());
        const std::string_view line = english.substr(start, end - start);
        out += templateTextIn(line, language).value_or(std::string(line));
        if (end == english.size())
            break;
        out += '\n';
        start = end + 1;
    }
    return out;
}

} // namespace ab
