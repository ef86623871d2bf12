// SPDX-License-Identifier: GPL-3.0-or-later
// The layout follows the window size: the tab control fills the client area, the planform views
// and the two aircraft views take the room their tabs have, and everything is drawn again without
// touching the calculation results. Controls whose captions differ in size between the languages
// are placed by those sizes: the column of the calculation and stability controls, the pressure
// legend over the top view.
#include "ui/main_window.h"

#include "ui/misread_line.h"
#include "ui/page_control.h"
#include "ui/spacing_choice.h"
#include "ui/widgets.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QResizeEvent>

#include <algorithm>

namespace ab {
namespace {

// The tab control leaves this much of the client area free to its right and below it.
constexpr int kTabControlMarginX = 5;
constexpr int kTabControlMarginY = 27;
// Controls that end near the page's lower edge keep this gap to it.
constexpr int kBottomGap = 2;

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
    if (!aircraft.ResultsValid)
        Calc(ResultsAfterPass::Kept);
    aircraftViews->d_1d();
    aircraftViews->STABIL();
    aircraftViews->d_3d();
    placeCaptionedControls();
    showWingNames(); // as long as the tab bar's width lets them be
}

// Under the calculation button, the box of the calculation while editing and the spacing of the
// strips the stability controls
// follow one another, each as high as its caption's lines; under the last one the mode shows (the margin field, right of the margin bar)
// the line of the misread fields and the message memo, which takes the room down to the page's
// lower edge.
void TForm1::placeCaptionedControls()
{
    const QSize page = PageControl1->pageSize();
    CheckBoxLive->move(CheckBoxLive->x(), bottomOf(Button4) + 2);
    const int spacingBottom = spacingChoice->placeAt(bottomOf(CheckBoxLive) + 1);
    const int lineTop = aircraftViews->placeStabilityControls(spacingBottom + 1, page) + 6;
    // The line keeps clear of the margin marks beside the margin bar.
    int clear = 0;
    for (const QLabel* mark : {aircraftViews->Label28, aircraftViews->Label29, aircraftViews->Label30})
        if (!mark->isHidden() && mark->y() + mark->height() > lineTop)
            clear = std::max(clear, mark->x() + mark->width() + 3);
    const int memoTop = misreadLine->placeAt(liveLine->placeAt(lineTop, clear), clear);
    Memo1->setGeometry(Memo1->x(), memoTop, Memo1->width(), page.height() - kBottomGap - memoTop);
    // The countdown follows the running label on its row.
    Label24->move(Label_w->x() + Label_w->width() + 4, Label_w->y());
}

} // namespace ab
