// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/damaged_file.h"

#include "lang/field_texts.h"
#include "model/field_reading.h"
#include "model/numbers.h"

#include <algorithm>

namespace ab {
namespace {

std::string note(const Text3& text, Language language, int wing, int line = 0)
{
    std::string s(text.in(language));
    fillIn(s, "{value}", std::to_string(wing));
    fillIn(s, "{line}", std::to_string(line));
    return s;
}

} // namespace

std::vector<std::string> damagedFileNotes(const AircraftFileExtras& extras, int wingCount, Language language)
{
    std::vector<std::string> notes;
    const int counted = std::clamp(wingCount, 0, MaxWings);
    // Wings from `covered` on are covered by the line about the end of the file.
    int covered = counted + 1;
    if (!extras.wholeFile) {
        int lastRead = 0;
        for (int w = 1; w <= MaxWings; ++w)
            if (extras.wingRead[w])
                lastRead = w;
        if (extras.unfinishedWing >= 1 && extras.unfinishedWing <= counted) {
            covered = extras.unfinishedWing;
            notes.push_back(note(texts::FileEndsInsideWing, language, covered));
        } else if (lastRead < counted) {
            covered = lastRead + 1;
            notes.push_back(note(texts::FileEndsBeforeWing, language, covered));
        } else {
            notes.push_back(note(texts::FileEndsEarly, language, 0, extras.linesRead));
        }
    }
    for (int w = 1; w < covered; ++w)
        if (!extras.wingRead[w])
            notes.push_back(note(texts::FileLacksWing, language, w));
    for (int w = 1; w <= MaxWings; ++w)
        for (int k = 1; k <= MaxTrapezoids; ++k) {
            const std::string& text = extras.dihedral[w][static_cast<std::size_t>(k)];
            const AngleReading angle = readDihedralField(text);
            if (!angle.flagged)
                continue;
            std::string s(texts::FileBadDihedral.in(language));
            fillIn(s, "{line}", std::to_string(extras.dihedralLine[w][static_cast<std::size_t>(k)]));
            fillIn(s, "{wing}", std::to_string(w));
            fillIn(s, "{field}", dihedralWords(k, language));
            fillIn(s, "{value}", formatFixed(angle.degrees, 1));
            fillIn(s, "{text}", quotedText(text)); // last, so that braces in it stay as they are
            notes.push_back(std::move(s));
        }
    return notes;
}

} // namespace ab
