// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/wing_from_file.h"

#include "lang/wing_captions.h"
#include "model/wing_name.h"

namespace ab {

WingSource readWingSource(const std::string& fileName, Language language, DeckUnit deckUnit)
{
    WingSource source;
    Aircraft aircraft;
    source.outcome = openAircraftFile(fileName, aircraft, source.texts, language, deckUnit);
    if (!source.outcome.ok())
        return source;
    for (int w = 1; w <= source.texts.wingCount; ++w) {
        // The tab's caption without the blanks that set it off on the tab: "Wing 2 - Tailplane".
        source.captions.emplace_back(
            shownWingName(wingTabCaption(language, w, source.texts.wing[static_cast<std::size_t>(w)].name)));
    }
    return source;
}

WingInsertion insertionOf(const WingSource& source, int from, int w)
{
    const WingTexts& t = source.texts.wing[static_cast<std::size_t>(from)];
    WingInsertion out;
    out.wing = w;
    out.trapezoidCount = t.trapezoidCount;
    for (int i = 0; i < WingFieldCount; ++i) {
        const Role role = static_cast<Role>(i);
        out.fields.push_back({w, role, t[role]});
    }
    if (!shownWingName(t.name).empty())
        out.name = t.name;
    out.dihedral = t.dihedral;
    return out;
}

} // namespace ab
