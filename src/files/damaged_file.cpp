// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/damaged_file.h"

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
    return notes;
}

} // namespace ab
