// SPDX-License-Identifier: GPL-3.0-or-later
// Configuration editing in the window: the wing count, each wing's trapezoid count and the exchange
// of two wings. The rules come from the core; this file carries them out on the controls, so that
// every write runs the field's own change handling.
#include "ui/main_window.h"

#include "lang/captions.h"
#include "ui/history_commands.h"
#include "ui/page_control.h"
#include "ui/widgets.h"

namespace ab {

void TForm1::chooseWingCount(int n)
{
    for (int w = 1; w <= MaxWings; ++w) {
        const bool used = w <= n;
        PageControl1->setPageVisible(wingPage[w]->tab(), used);
        wingPage[w]->showInUse(used);
    }
    if (history->puttingBack())
        return; // the document has the count; the pass after the whole state follows
    document.setWingCount(n);
    aircraftViews->uncheckPressure();
    Calc(); // the Edit menu follows the wing count there
    showWingNames();
    history->recordEdit({.kind = EditKind::WingCount});
}

void TForm1::chooseTrapezoidCount(int w, int n)
{
    const bool puttingBack = history->puttingBack();
    if (!puttingBack)
        document.setTrapezoidCount(w, n);
    wingPage[w]->drawSketch(qs(texts::sketchFlightDirection(w).in(language())));
    wingPage[w]->showTrapezoidCount(n);
    if (puttingBack)
        return;
    Calc_W(w);
    history->recordEdit({.kind = EditKind::TrapezoidCount, .wing = w});
}

// The steps are worked out from the texts before the first write; each write below runs the
// field's change handling or the trapezoid-count handler, so every intermediate state shows.
void TForm1::exchangeWings(int pair)
{
    document.dropResults();
    const ExchangePairing wings = exchangePairing(pair);
    history->asOneEdit({.kind = EditKind::Exchange, .wing = wings.bufferA, .otherWing = wings.bufferB}, [this, pair] {
        for (const ExchangeStep& step : exchangeSteps(document.texts, pair)) {
            WingPage* page = wingPage[step.wing];
            switch (step.write) {
            case ExchangeWrite::Field: page->write(step.role, step.text); break;
            case ExchangeWrite::TrapezoidCount: page->checkTrapezoidCount(step.trapezoidCount); break;
            case ExchangeWrite::Name: page->writeName(step.text); break;
            case ExchangeWrite::Dihedral: page->writeDihedral(step.trapezoid, step.text); break;
            }
        }
        Calc();
    });
}

} // namespace ab
