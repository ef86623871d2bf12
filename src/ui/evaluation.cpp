// SPDX-License-Identifier: GPL-3.0-or-later
// What a change in the window sets off: a field's text goes into the document and its wing is
// evaluated, a root gap also refreshes the gap questions, a position runs the recalculation pass;
// the tab change runs the pass when the results are stale; the commands follow the window's state.
#include "ui/main_window.h"

#include "lang/captions.h"
#include "lang/wing_captions.h"
#include "model/wing_name.h"
#include "model/recalculation.h"
#include "ui/balance_commands.h"
#include "ui/calculation_commands.h"
#include "ui/file_commands.h"
#include "ui/fuselage_commands.h"
#include "ui/history_commands.h"
#include "ui/page_control.h"
#include "ui/widgets.h"
#include "ui/wing_copy_commands.h"

#include <QPushButton>
#include <QTabBar>

namespace ab {

void TForm1::fieldEdited(int w, Role role, const QString& text)
{
    if (building || history->puttingBack())
        return;
    document.setField(w, role, text.toStdString());
    switch (fieldHandling(role)) {
    case FieldHandling::WingEvaluation: Calc_W(w); break;
    case FieldHandling::GapEvaluation:
        Calc_W(w);
        Space1();
        break;
    case FieldHandling::RecalculationPass: Calc(); break;
    }
    history->recordEdit({.kind = EditKind::Field, .wing = w, .role = role}, w * RoleCount + static_cast<int>(role));
}

// A dihedral changes the wing as built: its figures seen from above, its planform view's front view.
void TForm1::dihedralEdited(int w, int k, const QString& text)
{
    if (building || history->puttingBack())
        return;
    document.setDihedral(w, k, text.toStdString());
    Calc_W(w);
    history->recordEdit({.kind = EditKind::Dihedral, .wing = w, .trapezoid = k},
                        HistoryCommands::DihedralTypingKey + 10 * w + k);
}

// A wing's name changes no figure: it shows where the wing is named.
void TForm1::wingNameEdited(int w, const QString& name)
{
    if (building || history->puttingBack())
        return;
    document.setWingName(w, name.toStdString());
    showWingNames();
    history->recordEdit({.kind = EditKind::WingName, .wing = w}, HistoryCommands::NameTypingKey + w);
}

// The names stand in the tabs' captions, shortened a letter at a time until every tab fits the bar
// without scrolling (five named wings beside the aircraft, remarks and balance tabs): first after
// the wing's caption, then after its number alone; a name keeps at least three letters and its
// ellipsis, or goes when even that leaves no room. They stand in the position boxes too.
void TForm1::showWingNames()
{
    QTabBar* bar = PageControl1->tabBar();
    const auto show = [&](bool full, int length) {
        for (int w = 1; w <= MaxWings; ++w) {
            const std::string_view name = shownWingName(document.texts.wing[w].name);
            const std::string shown = length > 0 ? shortenedText(name, length) : std::string();
            const std::string caption =
                full || shown.empty() ? wingTabCaption(language(), w, shown) : shortWingTabCaption(w, shown);
            PageControl1->setTabText(wingPage[w]->tab(), qs(caption));
        }
        return bar->sizeHint().width() <= PageControl1->width();
    };
    bool fits = false;
    for (bool full : {true, false})
        for (int length = WingTabNameLength; length >= 4 && !fits; --length)
            fits = show(full, length);
    if (!fits)
        show(true, 0);
    drawThumbnailTitles();
}

void TForm1::Calc_W(int w, ResultsAfterPass results)
{
    if (results == ResultsAfterPass::GoStale)
        calculation->resultsGoStale();
    const WingLabels labels = document.evaluateWing(w, results);
    wingPage[w]->drawPlanform();
    wingPage[w]->showLabels(labels);
    applyCommandStates();
}

void TForm1::Space1()
{
    for (int w = 1; w <= MaxWings; ++w)
        wingPage[w]->showGapQuestion(showsGapQuestion(document.aircraft, w), messages.GapQuestion1,
                                     messages.GapQuestion2);
}

void TForm1::Calc(ResultsAfterPass results)
{
    aircraftViews->uncheckPressure(); // runs its click handling when it was checked
    // Calculating as the user edits, the top view keeps the last results, veiled, until the next.
    const bool keepTopView = results == ResultsAfterPass::GoStale && calculation->liveFollows();
    if (results == ResultsAfterPass::GoStale) {
        aircraftViews->resetZoom();
        calculation->resultsGoStale();
        if (!keepTopView)
            aircraftViews->showStaleMarginCaption();
        balance->showFigures();
    }
    const PerWing<WingLabels> labels = document.evaluate(results);
    for (int w = 1; w <= MaxWings; ++w) {
        wingPage[w]->drawPlanform();
        wingPage[w]->showLabels(labels[w]);
    }
    if (!keepTopView) {
        aircraftViews->clearTopView();
        aircraftViews->d_1d();
    }
    aircraftViews->d_3d();
    drawThumbnailTitles();
    calculation->resetMemo(messages.ErrorTitle);
    applyCommandStates();
}

int TForm1::activePageNumber() const
{
    QWidget* page = PageControl1->activePage();
    for (int w = 1; w <= MaxWings; ++w)
        if (page == wingPage[w]->tab())
            return w;
    // The balance and fuselage tabs offer no wing commands, as the remarks tab.
    return page == TabSheet4 || page == TabSheet8 || page == fuselage->tab ? RemarksPage : AircraftPage;
}

void TForm1::applyCommandStates()
{
    const Aircraft& a = document.aircraft;
    const CommandStates c = commandStates({a.ResultsValid, a.SolverDataValid, calculation->editedSinceCalculation(),
                                           calculation->running(), files->plainSaveOffered(), a.WingCount,
                                           wingCopy->commands(), activePageNumber()});
    commands->apply(c);
    calculation->Button4->setEnabled(c.calculate);
}

void TForm1::PageControl1Change()
{
    wingCopy->pageChanged();
    if (!document.aircraft.ResultsValid)
        Calc();
}

} // namespace ab
