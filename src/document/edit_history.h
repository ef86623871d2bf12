// SPDX-License-Identifier: GPL-3.0-or-later
// The undo history of an aircraft document: every step holds the texts before and after one edit
// (they are small), so undoing or redoing puts a whole state back. Keystrokes in one field while it
// keeps the focus make one step; a step that ends where it began is no step. The history knows
// which of its states was saved last, which is what "modified" means.
#pragma once

#include "lang/edit_names.h"
#include "model/aircraft_texts.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace ab {

class EditHistory {
public:
    // A step from `before` to `after`. A step with a typing key (>= 0) merges into the step before
    // it when that one is the last step made, has the same key and the same typing session, and is
    // not the saved state.
    void record(const Edit& edit, const AircraftTexts& before, const AircraftTexts& after, int typingKey = -1,
                int session = 0);
    // The texts to show after undoing or redoing one step; none when there is no step.
    std::optional<AircraftTexts> undo();
    std::optional<AircraftTexts> redo();

    void clear();        // nothing to undo, and this state is the saved one
    void markSaved();    // this state was saved
    void keepUnsaved();  // no state is the saved one until the next save
    bool modified() const { return !cleanIndex || *cleanIndex != index; }
    bool canUndo() const { return index > 0; }
    bool canRedo() const { return index < steps.size(); }
    const Edit* undoEdit() const { return canUndo() ? &steps[index - 1].edit : nullptr; }
    const Edit* redoEdit() const { return canRedo() ? &steps[index].edit : nullptr; }
    std::size_t count() const { return steps.size(); }

private:
    struct Step {
        Edit edit;
        AircraftTexts before, after;
        int typingKey = -1, session = 0;
    };
    std::vector<Step> steps;
    std::size_t index = 0;                  // steps before it are done
    std::optional<std::size_t> cleanIndex = 0; // the saved state; none when no state is
};

} // namespace ab
