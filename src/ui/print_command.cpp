// SPDX-License-Identifier: GPL-3.0-or-later
// "Print": the summary page composed from the calculated aircraft into the hidden page image, with
// the two views at print size in their hidden copies, then the printer dialog beside the window.
// The views are drawn at print size off the screen, so the window's own images keep their size and
// need no second layout afterwards.
#include "ui/main_window.h"

#include "files/save_target.h"
#include "model/wing_name.h"
#include "print/printer_dialog.h"
#include "print/summary_page.h"
#include "ui/image_view.h"
#include "ui/units_choice.h"
#include "ui/widgets.h"

#include <QCheckBox>
#include <QScrollBar>

namespace ab {

// Stored results come without their lattice: the calculation runs first (a fraction of a second)
// so that the page shows the lattice and the three-dimensional view.
void TForm1::Button6Click() { withLattice([this] { printAircraft(); }); }

void TForm1::printAircraft()
{
    // The pass brings the leading-edge tables the page prints up to date without touching the
    // results; the stability display then puts back what the pass cleared from the top view.
    Calc(ResultsAfterPass::Kept);
    aircraftViews->STABIL();

    PrintScene scene{aircraft,
                     solver,
                     document.stabilityFigures(),
                     language(),
                     document.automaticStability(),
                     aircraftViews->threeDInput(),
                     aircraftViews->sizeBarPosition(),
                     true,
                     document.balance(),
                     wingNames(texts),
                     unitsChoice->units()};
    const SummaryPage page = summaryPage(scene, CurrentFileName);
    Image4->bitmap() = page.topView;
    Image7->bitmap() = page.threeDView;
    Image_P->bitmap() = summaryPageImage(page);

    if (!printerDialog)
        printerDialog = new TForm3(this);
    printerDialog->setPage(page, language(), qs(pdfNameOf(CurrentFileName)));
    printerDialog->show();
    printerDialog->raise();
    printerDialog->activateWindow();
}

} // namespace ab
