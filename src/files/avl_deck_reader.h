// SPDX-License-Identifier: GPL-3.0-or-later
// The reader of AVL input decks: each SURFACE becomes a wing of its sections (SCALE and TRANSLATE
// applied, YDUPLICATE or symmetry at y = 0 mirroring it), and everything the program does not model
// (fins, bodies, incidence, twist, camber, controls) becomes a line saying it was left out.
#pragma once

#include "files/imported_aircraft.h"
#include "lang/language.h"

#include <optional>
#include <string>
#include <string_view>

namespace ab {

// True for a name ending in ".avl", in any case.
bool namesAvlDeck(std::string_view fileName);

// The unit a deck's comments give its lengths in ("# Lengths in metres", "! units: in"), if any.
std::optional<DeckUnit> statedDeckUnit(std::string_view text);

// Reads the deck's text. Lengths are in the unit the deck states, else in `unit`. A surface whose
// trapezoids all rise steeper than 60 degrees is a fin. A surface without YDUPLICATE in a deck
// without y symmetry counts as mirrored when it starts at y = 0; one given across the centre line
// gives its right half, one off the centre line is mirrored there; both with a note.
ImportReading readAvlDeck(std::string_view text, DeckUnit unit, const std::string& fileName, Language language);

} // namespace ab
