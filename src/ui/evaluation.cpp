// SPDX-License-Identifier: GPL-3.0-or-later
// What a change in the window sets off: a field's text goes into the texts and its wing is
// evaluated, a root gap also refreshes the gap questions, a position runs the recalculation pass;
// the tab change and the pressure check box run the pass when the results are stale.
#include "ui/main_window.h"

#include "lang/captions.h"
#include "lang/wing_captions.h"
#include "model/wing_name.h"
#include "model/recalculation.h"
#include "draw/colours.h"
#include "ui/balance_commands.h"
#include "ui/export_commands.h"
#include "ui/image_view.h"
#include "ui/live_calculation.h"
#include "ui/misread_line.h"
#include "ui/lift_plot_dialog.h"
#include "ui/page_control.h"
#include "ui/widgets.h"

#include <QCheckBox>
#include <QTabBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>

namespace ab {

void TForm1::fieldEdited(int w, Role role, const QString& text)
{
    if (building || applyingHistory)
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
    recordEdit({.kind = EditKind::Field, .wing = w, .role = role}, w * RoleCount + static_cast<int>(role));
}

// A dihedral changes the wing as built: its figures seen from above, its planform view's front view.
void TForm1::dihedralEdited(int w, int k, const QString& text)
{
    if (building || applyingHistory)
        return;
    document.setDihedral(w, k, text.toStdString());
    Calc_W(w);
    recordEdit({.kind = EditKind::Dihedral, .wing = w, .trapezoid = k}, DihedralTypingKey + 10 * w + k);
}

// Another spacing of the strips is another lattice: the results go stale.
void TForm1::spacingChosen(SpanwiseSpacing spacing)
{
    if (building || applyingHistory || spacing == texts.spacing)
        return;
    document.setSpacing(spacing);
    Calc();
    recordEdit({.kind = EditKind::Spacing});
}

// A wing's name changes no figure: it shows where the wing is named.
void TForm1::wingNameEdited(int w, const QString& name)
{
    if (building || applyingHistory)
        return;
    document.setWingName(w, name.toStdString());
    showWingNames();
    recordEdit({.kind = EditKind::WingName, .wing = w}, NameTypingKey + w);
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
            const std::string_view name = shownWingName(texts.wing[w].name);
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

// The results no longer match the aircraft: grey neutral-point captions, hidden values, the top
// view's arrow cursor. All five wings are treated, whichever changed. While calculating as the user
// edits, the figures of the last calculation stay, greyed, until those of the change come.
void TForm1::markResultsStale()
{
    aircraftViews->showResultsCursor(false);
    exports->hideLiftPlot(); // its distribution is no longer the aircraft's
    if (calculating)
        live->cancelNow(); // Calculate's run no longer belongs to the aircraft
    if (liveFollows()) {
        live->geometryChanged();
        showPreviousResults(true);
        return;
    }
    showNeutralPoints(ResultsShown::None);
}

void TForm1::showNeutralPoints(ResultsShown shown)
{
    if (shown == ResultsShown::None && !liveLine->label->text().isEmpty()) {
        liveLine->setText({}); // the heights it names belonged to the figures that went
        placeCaptionedControls();
    }
    for (int w = 1; w <= MaxWings; ++w)
        wingPage[w]->showNeutralPointLabels(shown);
}

void TForm1::applyWrites(const std::vector<FieldChange>& writes)
{
    for (const FieldChange& f : writes)
        wingPage[f.wing]->write(f.role, f.text);
}

void TForm1::Calc_W(int w, ResultsAfterPass results)
{
    if (results == ResultsAfterPass::GoStale) {
        editedSinceCalculation = true;
        markResultsStale();
    }
    const WingLabels labels = document.evaluateWing(w, results);
    wingPage[w]->drawPlanform();
    wingPage[w]->showLabels(labels);
    applyCommandStates();
}

void TForm1::Space1()
{
    for (int w = 1; w <= MaxWings; ++w)
        wingPage[w]->showGapQuestion(showsGapQuestion(aircraft, w), messages.GapQuestion1, messages.GapQuestion2);
}

void TForm1::Calc(ResultsAfterPass results)
{
    aircraftViews->uncheckPressure(); // runs its click handling when it was checked
    // Calculating as the user edits, the top view keeps the last results, veiled, until the next.
    const bool keepTopView = results == ResultsAfterPass::GoStale && liveFollows();
    if (results == ResultsAfterPass::GoStale) {
        aircraftViews->resetZoom();
        editedSinceCalculation = true;
        markResultsStale();
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
    Memo1->setPlainText(qs(messages.ErrorTitle));
    Memo1->hide();
    applyCommandStates();
}

int TForm1::activePageNumber() const
{
    QWidget* page = PageControl1->activePage();
    for (int w = 1; w <= MaxWings; ++w)
        if (page == wingPage[w]->tab())
            return w;
    // The balance tab offers no wing commands, as the remarks tab.
    return page == TabSheet4 || page == TabSheet8 || page == TabSheet9 ? RemarksPage : AircraftPage;
}

void TForm1::setCopyCommands(CopyCommands c)
{
    copyState = c;
    applyCommandStates();
}

WindowState TForm1::windowState() const
{
    return {aircraft.ResultsValid, aircraft.SolverDataValid, editedSinceCalculation, calculating,
            saveOffered, aircraft.WingCount, copyState};
}

void TForm1::applyCommandStates()
{
    const CommandStates c = commandStates(windowState());
    commands->apply(c);
    Button4->setEnabled(c.calculate);
}

void TForm1::PageControl1Change()
{
    setCopyCommands(copyCommandsAfterPageChange(activePageNumber(), insertOffered(CopyAvailable, CopySourceFlags),
                                                copyCommands()));
    if (!aircraft.ResultsValid)
        Calc();
}

void TForm1::CheckBoxAClick()
{
    aircraftViews->showContrastBar();
    if (!aircraft.ResultsValid)
        Calc();
    aircraftViews->d_1d();
    aircraftViews->STABIL();
    aircraftViews->d_3d();
}

} // namespace ab
