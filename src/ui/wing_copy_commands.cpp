// SPDX-License-Identifier: GPL-3.0-or-later
// Copy and insert of a wing through the copy file, for the wing whose tab is on display.
#include "ui/main_window.h"

#include "files/wing_copy.h"
#include "ui/page_control.h"
#include "ui/widgets.h"

#include <QAction>
#include <QLineEdit>
#include <QToolButton>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>

namespace ab {

void TForm1::Save_Wing()
{
    const int w = activePageNumber();
    if (w < 1 || w > MaxWings)
        return;
    const CopyOutcome outcome = saveWingCopy(CopyFileName.path, texts, aircraft, w, language());
    if (!outcome.ok) {
        QMessageBox::warning(this, windowTitle(), qs(outcome.message));
        return;
    }
    saveOffered = true;
    CopyAvailable = true;
    for (int k = 1; k <= MaxWings; ++k)
        wingPage[k]->offerInsert(true);
    applyCommandStates();
}

void TForm1::Load_Wing()
{
    const int w = activePageNumber();
    if (w < 1 || w > MaxWings)
        return;
    const WingCopyReading copy = readWingCopy(fileToRead(CopyFileName), language());
    if (!copy.ok()) {
        QMessageBox::warning(this, windowTitle(), qs(copy.message));
        return;
    }
    const WingInsertion insertion = insertionOf(copy, w);
    asOneEdit({.kind = EditKind::Insertion, .wing = w}, [&] {
        if (insertion.trapezoidCount)
            wingPage[w]->checkTrapezoidCount(*insertion.trapezoidCount);
        applyWrites(insertion.fields);
        for (int k = 1; k <= MaxTrapezoids; ++k)
            wingPage[w]->writeDihedral(k, insertion.dihedral[k]);
        if (insertion.name)
            wingPage[w]->writeName(*insertion.name);
    });
}

// The menu's copy remembers on which wing's tab it was taken (the first flag is CopyAvailable).
void TForm1::CopyWing1Click()
{
    const int page = activePageNumber();
    CopyAvailable = page == 1;
    for (int w = 2; w <= MaxWings; ++w)
        CopySourceFlags[w] = page == w;
    Save_Wing();
}

void TForm1::InsertCopiedWing1Click() { Load_Wing(); }

} // namespace ab
