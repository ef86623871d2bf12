// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/aircraft_record.h"

#include "model/configuration.h"
#include "model/numbers.h"

namespace ab {

int recordOffsetOf(Role role)
{
    switch (role) {
    case Role::RootGap: return AircraftFileRecord::RootGap;
    case Role::RootChord: return AircraftFileRecord::RootChord;
    case Role::PosX: return AircraftFileRecord::PosX;
    case Role::PosZ: return AircraftFileRecord::PosZ;
    default: break;
    }
    // Trapezoid roles come in threes: width, tip chord, tip offset of trapezoids 1..4.
    const int r = static_cast<int>(role) - static_cast<int>(Role::Width1);
    const int k = r / 3;
    switch (r % 3) {
    case 0: return AircraftFileRecord::Width1 + k;
    case 1: return AircraftFileRecord::TipChord1 + k;
    default: return AircraftFileRecord::TipOffset1 + k;
    }
}

std::string fieldText(std::int64_t value) { return formatInt(value, 4); }

bool namesTaggedFile(std::string_view fileName)
{
    return fileName.find(".wk4") != std::string_view::npos || fileName.find(".WK4") != std::string_view::npos;
}

bool namesLegacyFile(std::string_view fileName)
{
    return fileName.find(".da4") != std::string_view::npos || fileName.find(".DA4") != std::string_view::npos;
}

RecordApplication applicationOf(const AircraftFileRecord& record, std::string_view fileName)
{
    RecordApplication a;
    a.WingCount = record.wingCount();
    for (int w = 1; w <= MaxWings; ++w) {
        const std::int32_t t = record.at(w, AircraftFileRecord::TrapezoidCount);
        if (t >= 1 && t <= MaxTrapezoids)
            a.trapezoidCount[w] = t;
    }
    if (a.WingCount >= 1 && a.WingCount <= MaxWings) {
        a.exchangeEnabled = wingCountMenu(a.WingCount).exchange;
    }
    const bool tagged = namesTaggedFile(fileName);
    const int lastWing = tagged ? MaxWings : 3;
    for (int w = 1; w <= lastWing; ++w)
        for (const Role role : RolesInBlockOrder)
            a.fields.push_back({w, role, fieldText(record.at(w, recordOffsetOf(role)))});
    a.uncheckPressure = tagged;
    return a;
}

void applyToTexts(const RecordApplication& application, AircraftTexts& texts)
{
    if (application.WingCount >= 1 && application.WingCount <= MaxWings)
        texts.wingCount = application.WingCount;
    for (int w = 1; w <= MaxWings; ++w)
        if (application.trapezoidCount[w])
            texts.wing[w].trapezoidCount = *application.trapezoidCount[w];
    applyToTexts(application.fields, texts);
}

void applyWingNames(const AircraftFileExtras& extras, AircraftTexts& texts)
{
    for (int w = 1; w <= MaxWings; ++w)
        texts.wing[w].name = extras.wingName[w];
}

void applyDihedrals(const AircraftFileExtras& extras, AircraftTexts& texts)
{
    for (int w = 1; w <= MaxWings; ++w)
        texts.wing[w].dihedral = extras.dihedral[w];
}

void applyFuselage(const AircraftFileExtras& extras, AircraftTexts& texts) { texts.fuselage = extras.fuselage; }

void applyBalance(const AircraftFileExtras& extras, AircraftTexts& texts)
{
    texts.balance = extras.balance;
    texts.margin = extras.margin.value_or(DefaultMarginText);
    texts.stabilityMode = extras.stabilityMode.value_or(StabilityMode::Automatic);
}

void applySpacing(const AircraftFileExtras& extras, AircraftTexts& texts)
{
    texts.spacing = extras.spacing.value_or(SpanwiseSpacing::Equal);
}

} // namespace ab
