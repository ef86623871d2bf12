// SPDX-License-Identifier: GPL-3.0-or-later
// Texts the core worked out for the wings' fields (an insertion, a drag, a template) written into
// them in order, each write running the field's change handling as typing would.
#pragma once

#include "ui/wing_page.h"

#include <vector>

namespace ab {

inline void writeFields(const PerWing<WingPage*>& wingPage, const std::vector<FieldChange>& writes)
{
    for (const FieldChange& f : writes)
        wingPage[f.wing]->write(f.role, f.text);
}

} // namespace ab
