// SPDX-License-Identifier: GPL-3.0-or-later
// The window's part in the aircraft's own balance: the balance tab's rows go into the texts, the
// centre of gravity they give is drawn in the top view, and the figures under the table follow the
// rows and every stability display.
#include "ui/main_window.h"

#include "stability/balance.h"
#include "ui/balance_page.h"
#include "ui/page_control.h"

#include <QLineEdit>

namespace ab {

void TForm1::buildBalanceTab()
{
    balancePage = new BalancePage(TabSheet8, this);
    connect(balancePage, &BalancePage::itemsEdited, this,
            [this](const std::vector<BalanceItemTexts>& items) { balanceEdited(items); });
    connect(aircraftViews, &AircraftViews::stabilityShown, this, [this] { showBalanceFigures(); });
    connect(aircraftViews, &AircraftViews::marginEdited, this, [this](const QString& text) {
        // A text that is no margin (a keystroke on the way to one, "60") keeps the margin that was
        // in use when editing of the field began, not the one its first keystrokes made. Typing
        // edits while the field keeps the focus; a text set without it is an edit of its own.
        if (text.toStdString() == texts.margin)
            return;
        const bool typing = aircraftViews->Edit_Mstab->hasFocus();
        if (!typing || focusSession != marginSession) {
            marginSession = typing ? focusSession : -1;
            marginWhenEditingBegan = texts.margin;
        }
        const std::string typed = text.toStdString();
        if (!document.setMargin(typed))
            document.setMargin(marginWhenEditingBegan);
        recordEdit({.kind = EditKind::Margin}, MarginTypingKey);
    });
    connect(aircraftViews, &AircraftViews::stabilityModeChosen, this, [this](bool automatic) {
        const StabilityMode mode = automatic ? StabilityMode::Automatic : StabilityMode::Manual;
        if (mode == texts.stabilityMode)
            return;
        document.setStabilityMode(mode);
        recordEdit({.kind = EditKind::StabilityMode});
    });
}

void TForm1::balanceEdited(const std::vector<BalanceItemTexts>& items)
{
    document.setBalance(items);
    balanceCutOnOpen = {};
    showBalance();
    recordEdit({.kind = EditKind::Balance});
}

// The measured centre of gravity in the top view (drawn again while it shows results) and the
// figures under the table, both from the document.
void TForm1::showBalance()
{
    if (aircraft.ResultsValid)
        STABIL(); // shows the figures too
    else
        showBalanceFigures();
}

void TForm1::showBalanceFigures()
{
    BalanceFigures figures = document.balance();
    figures.cut.itemsLeftOut += balanceCutOnOpen.itemsLeftOut;
    figures.cut.namesShortened += balanceCutOnOpen.namesShortened;
    balancePage->showFigures(figures, language());
}

// The rows, margin and stability mode an opened file brought (or the starting ones).
void TForm1::showStoredBalance(const BalanceCut& cut)
{
    balanceCutOnOpen = cut;
    balancePage->showItems(texts.balance);
    aircraftViews->showStabilityChoice(texts.stabilityMode == StabilityMode::Automatic, texts.margin);
}

} // namespace ab
