// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/edit_history.h"

namespace ab {

void EditHistory::record(const Edit& edit, const AircraftTexts& before, const AircraftTexts& after, int typingKey,
                         int session)
{
    if (before == after)
        return;
    steps.resize(index); // what could be redone is gone
    if (cleanIndex && *cleanIndex > index)
        cleanIndex.reset();
    Step* last = steps.empty() ? nullptr : &steps.back();
    if (typingKey >= 0 && last && last->typingKey == typingKey && last->session == session && cleanIndex != index) {
        last->after = after;
        if (last->before == last->after) { // typed back to where the step began
            steps.pop_back();
            --index;
        }
        return;
    }
    steps.push_back({edit, before, after, typingKey, session});
    index = steps.size();
}

std::optional<AircraftTexts> EditHistory::undo()
{
    if (!canUndo())
        return std::nullopt;
    --index;
    return steps[index].before;
}

std::optional<AircraftTexts> EditHistory::redo()
{
    if (!canRedo())
        return std::nullopt;
    return steps[index++].after;
}

void EditHistory::clear()
{
    steps.clear();
    index = 0;
    cleanIndex = 0;
}

void EditHistory::markSaved() { cleanIndex = index; }

void EditHistory::keepUnsaved() { cleanIndex.reset(); }

} // namespace ab
