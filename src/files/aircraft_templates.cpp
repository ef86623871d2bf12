// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/aircraft_templates.h"

#include "lang/aircraft_template_texts.h"
#include "lang/units_texts.h"
#include "template_files.h"

namespace ab {
namespace {

constexpr AircraftTemplate kTemplates[] = {
    {"conventional", "NewConventional1",
     {"Conventional (wing and tailplane)", "Konventionell (Flügel und Höhenleitwerk)",
      "Convencional (ala y estabilizador)"},
     template_files::conventional_wk4},
    {"glider", "NewGlider1", {"Glider", "Segelflugmodell", "Planeador"}, template_files::glider_wk4},
    {"vtail_glider", "NewVTailGlider1", {"V-tail glider", "Segelflugmodell mit V-Leitwerk", "Planeador con cola en V"},
     template_files::vtail_glider_wk4},
    {"flying_wing", "NewFlyingWing1", {"Flying wing", "Nurflügel", "Ala volante"}, template_files::flying_wing_wk4},
    {"canard", "NewCanard1", {"Canard", "Ente (Canard)", "Canard"}, template_files::canard_wk4},
    {"tandem", "NewTandem1", {"Tandem", "Tandem", "Tándem"}, template_files::tandem_wk4},
    {"default", "NewDefault1", {"Five wings (default)", "Fünf Flügel (Vorgabe)", "Cinco alas (predeterminado)"},
     template_files::default_wk4},
};

} // namespace

std::span<const AircraftTemplate> aircraftTemplates() { return kTemplates; }

const AircraftTemplate* findAircraftTemplate(std::string_view key)
{
    for (const AircraftTemplate& t : kTemplates)
        if (key == t.id || key == t.objectName)
            return &t;
    return nullptr;
}

AircraftFileReading readTemplate(const AircraftTemplate& from, Language language, UnitSystem units)
{
    AircraftFileReading reading = readAircraftText(from.text, language);
    if (!reading.ok())
        return reading;
    for (std::string& name : reading.extras.wingName)
        name = templateTextIn(name, language).value_or(name);
    if (reading.extras.comment)
        reading.extras.comment = lengthsInUnits(templateRemarkIn(*reading.extras.comment, language), units);
    return reading;
}

} // namespace ab
