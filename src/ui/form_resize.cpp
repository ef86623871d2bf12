// SPDX-License-Identifier: GPL-3.0-or-later
// The layout follows the window size: the tab control fills the client area, the planform views
// and the two aircraft views take the room their tabs have, and everything is drawn again without
// touching the calculation results; the calculation's column under the button follows its captions.
#include "ui/main_window.h"

#include "ui/calculation_commands.h"
#include "ui/page_control.h"

#include <QResizeEvent>

namespace ab {
namespace {

// The tab control leaves this much of the client area free to its right and below it.
constexpr int kTabControlMarginX = 5;
constexpr int kTabControlMarginY = 27;

} // namespace

void TForm1::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    if (!building)
        FormResize();
}

void TForm1::FormResize()
{
    const QWidget* client = centralWidget();
    PageControl1->setSize(client->width() - kTabControlMarginX, client->height() - kTabControlMarginY);
    const QSize tab = PageControl1->pageSize();

    for (int w = 1; w <= MaxWings; ++w) {
        wingPage[w]->resizePlanform(tab);
        Calc_W(w, ResultsAfterPass::Kept);
    }
    aircraftViews->resizeTo(tab);
    if (!document.aircraft.ResultsValid)
        Calc(ResultsAfterPass::Kept);
    aircraftViews->d_1d();
    aircraftViews->STABIL();
    aircraftViews->d_3d();
    calculation->placeControls();
    showWingNames(); // as long as the tab bar's width lets them be
}

} // namespace ab
