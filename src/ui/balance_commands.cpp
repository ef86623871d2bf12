// SPDX-License-Identifier: GPL-3.0-or-later
// The window's part in the aircraft's own balance: the balance tab's rows go into the texts, the
// centre of gravity they give is drawn in the top view, and the figures under the table follow the
// rows and every stability display.
#include "ui/balance_commands.h"

#include "ui/aircraft_views.h"

#include "stability/balance.h"
#include "ui/balance_page.h"

#include <QLineEdit>

namespace ab {

BalanceCommands::BalanceCommands(AircraftDocument& d, AircraftViews* v, QWidget* tab, Window w, QObject* parent)
    : QObject(parent), document(d), views(v), window(std::move(w))
{
    page = new BalancePage(tab, this);
    connect(page, &BalancePage::itemsEdited, this,
            [this](const std::vector<BalanceItemTexts>& items) { edited(items); });
    connect(views, &AircraftViews::stabilityShown, this, [this] { showFigures(); });
    connect(views, &AircraftViews::marginEdited, this, [this](const QString& text) {
        // A text that is no margin (a keystroke on the way to one, "60") keeps the margin that was
        // in use when editing of the field began, not the one its first keystrokes made. Typing
        // edits while the field keeps the focus; a text set without it is an edit of its own.
        if (text.toStdString() == document.texts.margin)
            return;
        const bool typing = views->Edit_Mstab->hasFocus();
        if (!typing || window.focusSession() != marginSession) {
            marginSession = typing ? window.focusSession() : -1;
            marginWhenEditingBegan = document.texts.margin;
        }
        const std::string typed = text.toStdString();
        if (!document.setMargin(typed))
            document.setMargin(marginWhenEditingBegan);
        window.recordEdit({.kind = EditKind::Margin}, window.marginTypingKey);
    });
    connect(views, &AircraftViews::stabilityModeChosen, this, [this](bool automatic) {
        const StabilityMode mode = automatic ? StabilityMode::Automatic : StabilityMode::Manual;
        if (mode == document.texts.stabilityMode)
            return;
        document.setStabilityMode(mode);
        window.recordEdit({.kind = EditKind::StabilityMode}, -1);
    });
}

void BalanceCommands::edited(const std::vector<BalanceItemTexts>& items)
{
    document.setBalance(items);
    cutOnOpen = {};
    showBalance();
    window.recordEdit({.kind = EditKind::Balance}, -1);
}

void BalanceCommands::showBalance()
{
    if (document.aircraft.ResultsValid)
        views->STABIL(); // shows the figures too
    else
        showFigures();
}

void BalanceCommands::showFigures()
{
    BalanceFigures figures = document.balance();
    figures.cut.itemsLeftOut += cutOnOpen.itemsLeftOut;
    figures.cut.namesShortened += cutOnOpen.namesShortened;
    page->showFigures(figures, window.language());
}

void BalanceCommands::showStored(const BalanceCut& cut)
{
    cutOnOpen = cut;
    page->showItems(document.texts.balance);
    views->showStabilityChoice(document.texts.stabilityMode == StabilityMode::Automatic, document.texts.margin);
}

} // namespace ab
