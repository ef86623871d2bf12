// SPDX-License-Identifier: GPL-3.0-or-later
// Configuration editing in the window: the wing count, each wing's trapezoid count, the exchange
// of two wings and the Edit menu's jumps to a tab. The rules come from the core; this file carries
// them out on the controls, so that every write runs the field's own change handling.
#include "ui/main_window.h"

#include "ui/image_view.h"
#include "ui/page_control.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace ab {

void TForm1::chooseWingCount(int n)
{
    for (int w = 1; w <= MaxWings; ++w) {
        const bool used = w <= n;
        PageControl1->setPageVisible(wingPage[w]->tab(), used);
        wingPage[w]->showInUse(used);
    }
    if (applyingHistory)
        return; // the document has the count; the pass after the whole state follows
    document.setWingCount(n);
    aircraftViews->uncheckPressure();
    Calc(); // the Edit menu follows the wing count there
    showWingNames();
    recordEdit({.kind = EditKind::WingCount});
}

void TForm1::chooseTrapezoidCount(int w, int n)
{
    if (!applyingHistory)
        document.setTrapezoidCount(w, n);
    d_w(w);
    wingPage[w]->showTrapezoidCount(n);
    if (applyingHistory)
        return;
    Calc_W(w);
    recordEdit({.kind = EditKind::TrapezoidCount, .wing = w});
}

void TForm1::exchangeWings(int pair)
{
    ExchangePair = pair;
    document.dropResults();
    const ExchangePairing wings = exchangePairing(pair);
    asOneEdit({.kind = EditKind::Exchange, .wing = wings.bufferA, .otherWing = wings.bufferB}, [this] {
        Button_C1Click();
        Calc();
    });
}

void TForm1::Button_C1Click()
{
    // The steps are worked out from the texts before the first write; each write below runs the
    // field's change handling or the trapezoid-count handler, so every intermediate state shows.
    for (const ExchangeStep& step : exchangeSteps(texts, ExchangePair)) {
        switch (step.write) {
        case ExchangeWrite::Field: wingPage[step.wing]->write(step.role, step.text); break;
        case ExchangeWrite::TrapezoidCount: wingPage[step.wing]->checkTrapezoidCount(step.trapezoidCount); break;
        case ExchangeWrite::Name: wingPage[step.wing]->writeName(step.text); break;
        case ExchangeWrite::Dihedral: wingPage[step.wing]->writeDihedral(step.trapezoid, step.text); break;
        }
    }
}

void TForm1::jumpToWing(int w)
{
    PageControl1->setActivePage(wingPage[w]->tab());
    setCopyCommands(copyCommandsAfterMenuJump(w, insertOffered(CopyAvailable, CopySourceFlags), copyCommands()));
}

void TForm1::aircraft1Click()
{
    PageControl1->setActivePage(TabSheet5); // its show event runs the page-change handling
    setCopyCommands(copyCommandsAfterMenuJump(AircraftPage, insertOffered(CopyAvailable, CopySourceFlags), copyCommands()));
}

} // namespace ab
