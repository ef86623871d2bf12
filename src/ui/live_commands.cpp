// SPDX-License-Identifier: GPL-3.0-or-later
// Calculation while editing in the window: the check box and its View menu entry, the results a
// calculation in the background brings back shown as after "Calculate" (without the staged run's
// memo and countdown), the figures of the last calculation greyed while the next one runs, and the
// preview of a corner drag before its release.
#include "ui/calculation_commands.h"

#include "lang/live_texts.h"
#include "solver/calculation.h"
#include "ui/aircraft_views.h"
#include "ui/commands.h"
#include "ui/field_writes.h"
#include "ui/image_view.h"
#include "ui/live_calculation.h"
#include "ui/misread_line.h"
#include "ui/spacing_choice.h"
#include "ui/widgets.h"

#include <QAction>
#include <QCheckBox>
#include <QPlainTextEdit>

namespace ab {

void CalculationCommands::setLive(bool on)
{
    CheckBoxLive->setChecked(on);
    window.commands->LiveCalculation1->setChecked(on);
    if (on == live->enabled())
        return;
    live->setEnabled(on);
    const bool starting = window.starting();
    // Turned on over stale results, it calculates the aircraft as it stands.
    if (on && !document.aircraft.ResultsValid && !starting)
        live->geometryChanged();
    if (!on && document.aircraft.ResultsValid) {
        showPreviousResults(false);
    } else if (!on && !starting) {
        // Turned off while the figures shown are those of an earlier geometry: the window shows the
        // aircraft as it stands, without results, as after any change.
        showPreviousResults(false);
        showNeutralPoints(ResultsShown::None);
        window.views->showStaleMarginCaption();
        window.views->clearTopView();
        window.views->d_1d();
    }
}

bool CalculationCommands::liveOn() const { return live->enabled(); }

bool CalculationCommands::liveBusy() const { return live->busy(); }

bool CalculationCommands::liveFollows() const
{
    return live && live->enabled() && liveSuspended == 0 && !window.building();
}

void CalculationCommands::setLanguage(Language l)
{
    live->setLanguage(l);
    CheckBoxLive->setToolTip(qs(texts::LiveCalculationTip.in(l)));
    spacingChoice->setLanguage(l);
}

// The figures on screen are those of the geometry before the last change while the calculation of
// the new one runs: the wings' neutral points greyed with their values, the top view veiled, each
// with a tool tip that says so.
void CalculationCommands::showPreviousResults(bool shown)
{
    const QString tip = shown ? qs(texts::PreviousResultsTip.in(window.language())) : QString();
    window.views->Image2->setVeiled(shown);
    window.views->Image2->setToolTip(shown ? tip : window.views->topViewTip());
    if (shown)
        for (int w = 1; w <= MaxWings; ++w)
            window.wingPage[w]->showNeutralPointLabels(ResultsShown::Previous, tip);
}

void CalculationCommands::adoptLiveResults(CalculatedCopy&& copy)
{
    const CalculationRun run = copy.run;
    // Wings the separation moved apart keep their fields as typed; the line says which heights the
    // figures used instead.
    const std::string heights = liveHeightsLine(copy.texts, run.movedHeights, window.language(), window.units());
    // The generation counter already holds back results of an older geometry; the document checks
    // the geometry itself once more before it takes them.
    const bool taken = document.adopt(copy);
    live->recycle(std::move(copy.solver));
    if (!taken)
        return;
    showPreviousResults(false);
    showResults(run, MemoOfRun::Live);
    liveLine->setText(qs(heights));
    placeControls();
    // Calculate stays offered while the fields hold heights the figures did not use: it writes them.
    if (!run.movedHeights.empty()) {
        edited = true;
        window.commandsChanged();
    }
}

// A corner drag not yet released: the wing as the release would give it goes into the texts (not
// into the fields) and is evaluated, so its figures show it and a calculation while editing follows
// it; the release writes the fields.
void CalculationCommands::previewDrag(int w, const std::vector<FieldChange>& writes)
{
    if (!textsBeforeDrag)
        textsBeforeDrag = document.texts.wing[w];
    document.setWingTexts(w, *textsBeforeDrag);
    document.applyFieldChanges(writes);
    resultsGoStale();
    window.wingPage[w]->showLabels(document.evaluateWing(w));
    window.commandsChanged();
}

void CalculationCommands::endDrag(int w, const std::vector<FieldChange>& writes)
{
    if (textsBeforeDrag && writes.empty()) {
        // Let go where it was taken: the wing goes back to its fields.
        document.setWingTexts(w, *textsBeforeDrag);
        window.evaluateWing(w, ResultsAfterPass::GoStale);
    }
    textsBeforeDrag.reset();
    if (!writes.empty())
        window.asOneEdit({.kind = EditKind::Drag, .wing = w}, [&] { writeFields(window.wingPage, writes); });
}

} // namespace ab
