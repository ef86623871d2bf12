// SPDX-License-Identifier: GPL-3.0-or-later
// The window's part in its drawings: the wing pages draw their sketches and planforms (the aircraft
// views draw their top and three-dimensional views themselves), and the scales and places of the
// views as last drawn.
#include "ui/main_window.h"

#include "lang/captions.h"
#include "ui/widgets.h"

namespace ab {

void TForm1::d_w(int w) { wingPage[w]->drawSketch(qs(texts::sketchFlightDirection(w).in(language()))); }

ViewState TForm1::viewState() const
{
    ViewState v = aircraftViews->state();
    for (int w = 1; w <= MaxWings; ++w)
        v.PlanformScale[w] = wingPage[w]->planformScale();
    return v;
}

} // namespace ab
