// SPDX-License-Identifier: GPL-3.0-or-later
// Another aircraft file, an AVL deck or an XFLR5 plane file as a source of wings: read as File > Open
// reads it, each of its wings can be inserted into a wing on display as a copied wing is.
#pragma once

#include "files/open_aircraft.h"
#include "files/wing_copy.h"

#include <string>
#include <vector>

namespace ab {

// The file's wings as Open would give them, the notes of what did not come along, and one caption
// per wing for the user's choice ("Wing 2 - Tailplane"); or the refusal naming the file.
struct WingSource {
    OpenOutcome outcome;
    AircraftTexts texts;
    std::vector<std::string> captions; // wings 1..wingCount of the file, in order
};
WingSource readWingSource(const std::string& fileName, Language language, DeckUnit deckUnit);

// What inserting wing `from` of the source into wing w changes: the trapezoid count, the fourteen
// planform fields, the four angles and the name where the source's wing has one; the wing keeps its
// own position, as it does for a copied wing.
WingInsertion insertionOf(const WingSource& source, int from, int w);

} // namespace ab
