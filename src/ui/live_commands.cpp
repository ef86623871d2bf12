// SPDX-License-Identifier: GPL-3.0-or-later
// Calculation while editing in the window: the check box and its View menu entry, the copy of the
// aircraft a calculation in the background starts from, the results it brings back shown as after
// "Calculate" (without the staged run's memo and countdown), the figures of the last calculation
// greyed while the next one runs, and the preview of a corner drag before its release.
#include "ui/main_window.h"

#include "lang/live_texts.h"
#include "solver/calculation.h"
#include "ui/image_view.h"
#include "ui/live_calculation.h"
#include "ui/misread_line.h"
#include "ui/widgets.h"

#include <QAction>
#include <QCheckBox>
#include <QPlainTextEdit>

namespace ab {

void TForm1::buildLiveCalculation()
{
    live = new LiveCalculation(
        [this](SolverData&& lattice) { return copyForCalculation(document, std::move(lattice)); },
        [this](CalculatedCopy&& copy) { adoptLiveResults(std::move(copy)); }, this);
    connect(CheckBoxLive, &QCheckBox::toggled, this, [this](bool on) { setLiveCalculation(on); });
    connect(commands->LiveCalculation1, &QAction::toggled, this, [this](bool on) { setLiveCalculation(on); });
}

void TForm1::setLiveCalculation(bool on)
{
    CheckBoxLive->setChecked(on);
    commands->LiveCalculation1->setChecked(on);
    if (on == live->enabled())
        return;
    live->setEnabled(on);
    // Turned on over stale results, it calculates the aircraft as it stands.
    if (on && !aircraft.ResultsValid && !starting)
        live->geometryChanged();
    if (!on && aircraft.ResultsValid) {
        showPreviousResults(false);
    } else if (!on && !starting) {
        // Turned off while the figures shown are those of an earlier geometry: the window shows the
        // aircraft as it stands, without results, as after any change.
        showPreviousResults(false);
        showNeutralPoints(ResultsShown::None);
        aircraftViews->showStaleMarginCaption();
        aircraftViews->clearTopView();
        d_1d();
    }
}

bool TForm1::liveCalculation() const { return live->enabled(); }

bool TForm1::liveCalculationBusy() const { return live->busy(); }

bool TForm1::liveFollows() const { return live && live->enabled() && liveSuspended == 0 && !building; }

// The figures on screen are those of the geometry before the last change while the calculation of
// the new one runs: the wings' neutral points greyed with their values, the top view veiled, each
// with a tool tip that says so.
void TForm1::showPreviousResults(bool shown)
{
    const QString tip = shown ? qs(texts::PreviousResultsTip.in(language())) : QString();
    aircraftViews->Image2->setVeiled(shown);
    aircraftViews->Image2->setToolTip(shown ? tip : aircraftViews->topViewTip());
    if (shown)
        for (int w = 1; w <= MaxWings; ++w)
            wingPage[w]->showNeutralPointLabels(ResultsShown::Previous, tip);
}

void TForm1::adoptLiveResults(CalculatedCopy&& copy)
{
    const CalculationRun run = copy.run;
    // Wings the separation moved apart keep their fields as typed; the line says which heights the
    // figures used instead.
    const std::string heights = liveHeightsLine(copy.texts, run.movedHeights, language());
    // The generation counter already holds back results of an older geometry; the document checks
    // the geometry itself once more before it takes them.
    const bool taken = document.adopt(copy);
    live->recycle(std::move(copy.solver));
    if (!taken)
        return;
    showPreviousResults(false);
    showCalculationResults(run, MemoOfRun::Live);
    liveLine->setText(qs(heights));
    placeCaptionedControls();
    // Calculate stays offered while the fields hold heights the figures did not use: it writes them.
    if (!run.movedHeights.empty()) {
        editedSinceCalculation = true;
        applyCommandStates();
    }
}

// A corner drag not yet released: the wing as the release would give it goes into the texts (not
// into the fields) and is evaluated, so its figures show it and a calculation while editing follows
// it; the release writes the fields.
void TForm1::previewDrag(int w, const std::vector<FieldChange>& writes)
{
    if (!textsBeforeDrag)
        textsBeforeDrag = texts.wing[w];
    document.setWingTexts(w, *textsBeforeDrag);
    document.applyFieldChanges(writes);
    editedSinceCalculation = true;
    markResultsStale();
    wingPage[w]->showLabels(document.evaluateWing(w));
    applyCommandStates();
}

void TForm1::endDrag(int w, const std::vector<FieldChange>& writes)
{
    if (textsBeforeDrag && writes.empty()) {
        // Let go where it was taken: the wing goes back to its fields.
        document.setWingTexts(w, *textsBeforeDrag);
        Calc_W(w);
    }
    textsBeforeDrag.reset();
    if (!writes.empty())
        asOneEdit({.kind = EditKind::Drag, .wing = w}, [&] { applyWrites(writes); });
}

} // namespace ab
