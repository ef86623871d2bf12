// SPDX-License-Identifier: GPL-3.0-or-later
// The scales and places of the window's views as last drawn: the aircraft views' own and each wing
// page's planform scale.
#include "ui/main_window.h"

namespace ab {

ViewState TForm1::viewState() const
{
    ViewState v = aircraftViews->state();
    for (int w = 1; w <= MaxWings; ++w)
        v.PlanformScale[w] = wingPage[w]->planformScale();
    return v;
}

} // namespace ab
