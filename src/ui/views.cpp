// SPDX-License-Identifier: GPL-3.0-or-later
// The window's part in its drawings and view controls: the wing pages draw their sketches and
// planforms, the aircraft views their top and three-dimensional views; these entry points hand the
// window's commands to them.
#include "ui/main_window.h"

#include "lang/captions.h"
#include "ui/widgets.h"

namespace ab {

void TForm1::d_w(int w) { wingPage[w]->drawSketch(qs(texts::sketchFlightDirection(w).in(language()))); }
void TForm1::d_1d(TopViewScale scale) { aircraftViews->d_1d(scale); }
void TForm1::DrawGrid() { aircraftViews->DrawGrid(); }
void TForm1::STABIL(TopViewScale scale) { aircraftViews->STABIL(scale); }
void TForm1::Zeiger() { aircraftViews->Zeiger(); }
void TForm1::d_3d() { aircraftViews->d_3d(); }

void TForm1::RadioButton15Click() { chooseStabilityMode(true); }
void TForm1::RadioButton16Click() { chooseStabilityMode(false); }
void TForm1::chooseStabilityMode(bool automatic) { aircraftViews->chooseStabilityMode(automatic); }
void TForm1::ScrollBar3Change() { aircraftViews->ScrollBar3Change(); }
void TForm1::ScrollBar4Change() { aircraftViews->ScrollBar4Change(); }
void TForm1::ScrollBar5Change() { aircraftViews->ScrollBar5Change(); }
void TForm1::ScrollBar5Exit() { aircraftViews->ScrollBar5Exit(); }

ViewState TForm1::viewState() const
{
    ViewState v = aircraftViews->state();
    for (int w = 1; w <= MaxWings; ++w)
        v.PlanformScale[w] = wingPage[w]->planformScale();
    return v;
}

} // namespace ab
