#include "files/open_aircraft.h"

#include "model/recalculation.h"

namespace ab {

void applyStoredResults(const AircraftFileExtras& extras, Aircraft& aircraft)
{
    aircraft.ReferenceArea = extras.ReferenceArea.value_or(0.0);
    if (extras.ReferenceMac)
        aircraft.ReferenceMac = *extras.ReferenceMac;
    if (extras.NeutralPointX)
        aircraft.NeutralPointX = *extras.NeutralPointX;
}

OpenOutcome openAircraftFile(const std::string& fileName, Aircraft& aircraft, AircraftTexts& texts,
                             Language language)
{
    OpenOutcome out;
    AircraftFileReading reading = readAircraftFile(fileName, language);
    out.status = reading.status;
    out.message = std::move(reading.message);
    if (!reading.ok())
        return out;

    out.application = applicationOf(reading.record, fileName);
    applyToTexts(out.application, texts);
    if (reading.extras.comment)
        texts.comment = *reading.extras.comment;

    aircraft.WingCount = out.application.WingCount;
    aircraft.ActiveWingCount = aircraft.WingCount;
    applyStoredResults(reading.extras, aircraft);

    recalculate(aircraft, texts);
    // The stored results come back, the lattice and the distributions do not.
    if (aircraft.ReferenceArea > 0)
        aircraft.ResultsValid = true;
    aircraft.SolverDataValid = false;
    return out;
}

} // namespace ab
