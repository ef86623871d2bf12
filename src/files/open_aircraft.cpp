// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/open_aircraft.h"

#include "files/avl_deck_reader.h"
#include "files/file_messages.h"
#include "files/xflr5_plane_reader.h"
#include "model/recalculation.h"

#include <cmath>
#include <filesystem>

namespace ab {

namespace {

// No model comes near a kilometre of chord or a neutral point a kilometre away; stored figures
// beyond these came from a damaged or hand-made file and would only print as endless digits. A
// reference wing needs an area and a chord: every margin in % MAC divides by the chord.
constexpr double kMaxStoredLengthMm = 1e6;
constexpr double kMaxStoredAreaMm2 = kMaxStoredLengthMm * kMaxStoredLengthMm;

bool plausibleResults(const Aircraft& a)
{
    return std::isfinite(a.ReferenceArea) && a.ReferenceArea > 0 && a.ReferenceArea <= kMaxStoredAreaMm2 &&
           std::isfinite(a.ReferenceMac) && a.ReferenceMac > 0 && a.ReferenceMac <= kMaxStoredLengthMm &&
           std::isfinite(a.NeutralPointX) && std::abs(a.NeutralPointX) <= kMaxStoredLengthMm;
}

// Carries a successful reading out as opening a file named fileName does.
OpenOutcome opened(AircraftFileReading& reading, const std::string& fileName, Aircraft& aircraft,
                   AircraftTexts& texts)
{
    OpenOutcome out;
    out.status = reading.status;
    out.message = std::move(reading.message);
    if (!reading.ok())
        return out;

    out.application = applicationOf(reading.record, fileName);
    applyToTexts(out.application, texts);
    if (reading.extras.comment)
        texts.comment = *reading.extras.comment;
    applyWingNames(reading.extras, texts);
    applyDihedrals(reading.extras, texts);
    applyBalance(reading.extras, texts);
    applyFuselage(reading.extras, texts);
    applySpacing(reading.extras, texts);
    out.balanceCut = reading.extras.balanceCut;
    out.notes = std::move(reading.notes);

    aircraft.WingCount = out.application.WingCount;
    aircraft.ActiveWingCount = aircraft.WingCount;
    applyStoredResults(reading.extras, aircraft);

    recalculate(aircraft, texts);
    // The stored results come back, the lattice and the distributions do not.
    if (storedResultsValid(aircraft))
        aircraft.ResultsValid = true;
    aircraft.SolverDataValid = false;
    return out;
}

} // namespace

void applyStoredResults(const AircraftFileExtras& extras, Aircraft& aircraft)
{
    aircraft.ReferenceArea = extras.ReferenceArea.value_or(0.0);
    if (extras.ReferenceMac)
        aircraft.ReferenceMac = *extras.ReferenceMac;
    if (extras.NeutralPointX)
        aircraft.NeutralPointX = *extras.NeutralPointX;
    // Results that make no sense count as none: the aircraft opens without results.
    if (!plausibleResults(aircraft))
        aircraft.ReferenceArea = 0;
}

namespace {

// The other tools' files: read by their reader, then opened as the aircraft file they give.
std::optional<OpenOutcome> openedImport(const std::string& fileName, Aircraft& aircraft, AircraftTexts& texts,
                                        Language language, DeckUnit deckUnit)
{
    if (namesTaggedFile(fileName) || namesLegacyFile(fileName))
        return std::nullopt;
    const bool deck = namesAvlDeck(fileName);
    const TextFileContent content = readTextFile(fileName);
    if (!deck && (!content.ok() || !looksLikeXflr5File(fileName, content.bytes)))
        return std::nullopt;
    OpenOutcome out;
    if (!content.ok()) {
        out.status = content.problem == ReadProblem::CannotOpen ? AircraftReadStatus::CannotOpen
                                                                : AircraftReadStatus::Refused;
        out.message = readProblemMessage(language, fileName, content);
        return out;
    }
    const ImportReading imported = deck ? readAvlDeck(content.bytes, deckUnit, fileName, language)
                                        : readXflr5Plane(content.bytes, fileName, language);
    if (!imported.ok()) {
        out.status = imported.status;
        out.message = imported.message;
        return out;
    }
    const std::string name = std::filesystem::path(fileName).replace_extension(".wk4").string();
    AircraftFileReading reading = readAircraftText(imported.aircraftText, language, name);
    out = opened(reading, name, aircraft, texts);
    out.notes.insert(out.notes.begin(), imported.notes.begin(), imported.notes.end());
    out.importedAs = name;
    return out;
}

} // namespace

OpenOutcome openAircraftFile(const std::string& fileName, Aircraft& aircraft, AircraftTexts& texts,
                             Language language, DeckUnit deckUnit)
{
    if (std::optional<OpenOutcome> imported = openedImport(fileName, aircraft, texts, language, deckUnit))
        return std::move(*imported);
    AircraftFileReading reading = readAircraftFile(fileName, language);
    return opened(reading, fileName, aircraft, texts);
}

bool deckNeedsUnit(const std::string& fileName)
{
    if (!namesAvlDeck(fileName))
        return false;
    const TextFileContent content = readTextFile(fileName);
    return content.ok() && !statedDeckUnit(content.bytes);
}

OpenOutcome openAircraftText(std::string_view text, const std::string& fileName, Aircraft& aircraft,
                             AircraftTexts& texts, Language language)
{
    AircraftFileReading reading = readAircraftText(text, language, fileName);
    return opened(reading, fileName, aircraft, texts);
}

} // namespace ab
