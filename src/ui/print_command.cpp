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
#include "ui/file_commands.h"
#include "ui/image_view.h"
#include "ui/units_choice.h"
#include "ui/widgets.h"

namespace ab {

void TForm1::printAircraft()
{
    // The pass brings the leading-edge tables the page prints up to date without touching the
    // results; the stability display then puts back what the pass cleared from the top view.
    Calc(ResultsAfterPass::Kept);
    aircraftViews->STABIL();

    PrintScene scene{document.aircraft,
                     document.solver,
                     document.stabilityFigures(),
                     language(),
                     document.automaticStability(),
                     aircraftViews->threeDInput(),
                     aircraftViews->sizeBarPosition(),
                     true,
                     document.balance(),
                     wingNames(document.texts),
                     unitsChoice->units()};
    const std::string& fileName = files->shownName();
    const SummaryPage page = summaryPage(scene, fileName);
    // The page's hidden canvases on the aircraft tab.
    const auto canvas = [this](const char* name) -> QImage& { return findChild<ImageView*>(name)->bitmap(); };
    canvas("Image4") = page.topView;
    canvas("Image7") = page.threeDView;
    canvas("Image_P") = summaryPageImage(page);

    if (!printerDialog)
        printerDialog = new TForm3(this);
    printerDialog->setPage(page, language(), qs(pdfNameOf(fileName)));
    printerDialog->show();
    printerDialog->raise();
    printerDialog->activateWindow();
}

} // namespace ab
