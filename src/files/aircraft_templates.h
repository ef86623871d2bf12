// SPDX-License-Identifier: GPL-3.0-or-later
// The aircraft a new design starts from: seven aircraft files kept inside the program (built in from
// the templates folder), each read as a tagged aircraft file is read, with named surfaces and
// neither results nor balance rows.
#pragma once

#include "files/aircraft_reader.h"
#include "lang/language.h"
#include "model/units.h"

#include <span>
#include <string_view>

namespace ab {

struct AircraftTemplate {
    const char* id;         // the file's name in the templates folder without ".wk4", e.g. "canard"
    const char* objectName; // the object name of the action that starts from it, e.g. "NewCanard1"
    Text3 caption;          // the action's text
    std::string_view text;  // the aircraft file's bytes
};

// In menu order: conventional, glider (its wing with polyhedral), V-tail glider, flying wing,
// canard, tandem, the five-wing default.
std::span<const AircraftTemplate> aircraftTemplates();

// A template read as a new design in the window's language: its wing names and its remark in that
// language (the files hold them in English), messages in it too; the lengths its remark names in the
// chosen units.
AircraftFileReading readTemplate(const AircraftTemplate& from, Language language,
                                 UnitSystem units = UnitSystem::Metric);

// The template with that id or object name; null when there is none.
const AircraftTemplate* findAircraftTemplate(std::string_view idOrObjectName);

} // namespace ab
