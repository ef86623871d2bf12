// SPDX-License-Identifier: GPL-3.0-or-later
// Texts the core worked out for the wings' fields (an insertion, a drag, a template) written into
// them in order, each write running the field's change handling as typing would.
#pragma once

#include "files/wing_copy.h"
#include "ui/wing_page.h"

#include <vector>

namespace ab {

inline void writeFields(const PerWing<WingPage*>& wingPage, const std::vector<FieldChange>& writes)
{
    for (const FieldChange& f : writes)
        wingPage[f.wing]->write(f.role, f.text);
}

// An inserted wing (a copy, or a wing of another file) on its page: trapezoid count, fields, angles
// and name, in that order, so that each field is read with the count it belongs to.
inline void writeInsertion(const PerWing<WingPage*>& wingPage, const WingInsertion& insertion)
{
    WingPage* page = wingPage[insertion.wing];
    if (insertion.trapezoidCount)
        page->checkTrapezoidCount(*insertion.trapezoidCount);
    writeFields(wingPage, insertion.fields);
    for (int k = 1; k <= MaxTrapezoids; ++k)
        page->writeDihedral(k, insertion.dihedral[k]);
    if (insertion.name)
        page->writeName(*insertion.name);
}

} // namespace ab
