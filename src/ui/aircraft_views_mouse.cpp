// SPDX-License-Identifier: GPL-3.0-or-later
// The mouse on the aircraft views: dragging in the three-dimensional view turns and sizes it, and
// pressing in the top view shows the pointer lines of the stability result while a vertical drag
// there zooms it until the release.
#include "ui/aircraft_views.h"

#include "ui/image_view.h"
#include "views/planform_editing.h"

#include <QMouseEvent>
#include <QScrollBar>

namespace ab {
namespace {

Pixel pointerOf(const QMouseEvent* e) { return {e->position().toPoint().x(), e->position().toPoint().y()}; }

} // namespace

void AircraftViews::threeDPressed(QMouseEvent* e)
{
    dragAnchor = pointerOf(e);
    threeDDragIdle = false;
}

void AircraftViews::threeDMoved(QMouseEvent* e)
{
    if (threeDDragIdle)
        return;
    const BarSteps steps = threeDDragSteps(dragAnchor, pointerOf(e), e->buttons() & Qt::LeftButton,
                                           e->buttons() & Qt::RightButton);
    // Bars clamp to their ranges; each change redraws the view.
    ScrollBar1->setValue(ScrollBar1->value() + steps.elevation);
    ScrollBar2->setValue(ScrollBar2->value() + steps.azimuth);
    ScrollBar4->setValue(ScrollBar4->value() + steps.size);
}

void AircraftViews::threeDReleased(QMouseEvent* e)
{
    dragAnchor = pointerOf(e);
    threeDDragIdle = true;
}

// A press in the top view starts a zoom drag as well as showing the pointer lines: the release
// returns to the full layout.
void AircraftViews::topViewPressed(QMouseEvent* e)
{
    dragAnchor = pointerOf(e);
    topViewDragIdle = false;
    if (aircraft.ResultsValid)
        Zeiger();
}

void AircraftViews::topViewMoved(QMouseEvent* e)
{
    if (topViewDragIdle || !(e->buttons() & Qt::LeftButton))
        return;
    ScrollBar3->setValue(ScrollBar3->value() + topViewZoomStep(dragAnchor, pointerOf(e)));
}

void AircraftViews::topViewReleased(QMouseEvent* e)
{
    ScrollBar3->setValue(100);
    dragAnchor = pointerOf(e);
    topViewDragIdle = true;
    clearTopView();
    d_1d();
    showResults(TopViewScale::Fit);
}

} // namespace ab
