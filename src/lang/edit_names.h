// SPDX-License-Identifier: GPL-3.0-or-later
// The names of the edits a user can undo, as the Edit menu shows them ("Undo root chord of wing 1"),
// in the three languages, and the captions of the menu's Undo, Redo and New items.
#pragma once

#include "lang/language.h"
#include "model/aircraft_texts.h"

#include <string>
#include <string_view>

namespace ab {

enum class EditKind {
    Field,            // typing in one field: wing, role
    WingCount,        // the number of wings
    TrapezoidCount,   // the trapezoids of a wing: wing
    Exchange,         // the exchange of two wings: wing and otherWing
    Insertion,        // a copied wing inserted into a wing: wing
    Drag,             // a drag on a wing's planform: wing
    New,              // a new aircraft (from a template)
    Balance,          // the balance table
    Margin,           // the desired margin
    StabilityMode,    // automatic or manual choice of the stability
    Remarks,          // the remarks
    WingName,         // the name of a wing: wing
    HeightSeparation, // the calculation moved wings apart in height
    Dihedral,         // typing in a dihedral field: wing, trapezoid
    Fuselage,         // the fuselage table or its quick shape
    Spacing,          // how the strips are spread along the span
};

// One edit as the menu names it; the fields an edit kind does not use are ignored.
struct Edit {
    EditKind kind = EditKind::Field;
    int wing = 1;
    Role role = Role::RootGap;
    int otherWing = 2;
    int trapezoid = 1;
};

// "root chord of wing 1", "number of wings", "exchange of wings 1 and 2", ...
// (German "Flügel 1, Wurzeltiefe", Spanish "profundidad de raíz del ala 1").
std::string editName(const Edit& edit, Language language);

// The Edit menu's texts: "Undo root chord of wing 1" (German "Rückgängig: ...", Spanish
// "Deshacer ..."), and plain "Undo" when there is nothing to undo (an empty name). Likewise Redo.
std::string undoMenuText(std::string_view editName, Language language);
std::string redoMenuText(std::string_view editName, Language language);

namespace texts {
extern const Text3 UndoCommand; // "Undo", menu item Undo1 with nothing to undo
extern const Text3 RedoCommand; // "Redo", menu item Redo1 with nothing to redo
extern const Text3 NewCommand;  // "New", menu item New1 (File menu)
} // namespace texts

} // namespace ab
