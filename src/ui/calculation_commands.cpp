// SPDX-License-Identifier: GPL-3.0-or-later
// "Calculate Aerodynamic Center" in the window: the core's calculation of a copy of the aircraft on
// the worker, with the running label, the memo lines and the lattice of each stage as the worker
// reports it, the countdown of the solve, heights moved apart written into their fields as one edit,
// and after a complete run the neutral points, the stability display and every view redrawn.
#include "ui/calculation_commands.h"

#include "draw/colours.h"
#include "lang/field_texts.h"
#include "solver/calculation.h"
#include "ui/aircraft_views.h"
#include "ui/commands.h"
#include "ui/image_view.h"
#include "ui/live_calculation.h"
#include "ui/misread_line.h"
#include "ui/page_control.h"
#include "ui/spacing_choice.h"
#include "ui/widgets.h"
#include "ui/wing_page.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QPlainTextEdit>
#include <QPushButton>

#include <algorithm>

namespace ab {

// Controls that end near the page's lower edge keep this gap to it.
constexpr int kBottomGap = 2;

CalculationCommands::CalculationCommands(AircraftDocument& d, QWidget* tab, Window w, QObject* parent)
    : QObject(parent), document(d), window(std::move(w))
{
    // The button starts below the last position box; while the calculation runs, its place shows
    // the running label with the countdown after it (placeControls) instead.
    Button4 = place<QPushButton>(tab, "Button4", 1, 367, 196, 27);
    connect(Button4, &QPushButton::clicked, this, [this] { window.commands->calculateAction->trigger(); });
    connect(window.commands->calculateAction, &QAction::triggered, this, [this] {
        if (window.commands->calculateAction->isEnabled())
            calculate();
    });
    Label_w = autoLabel(tab, "Label_w", 23, 373, clGreen);
    Label_w->hide();
    Label24 = autoLabel(tab, "Label24", 172, 373, clBlack);
    Label24->hide();
    setCaptionRoom(Button4, 205 - Button4->x()); // the left column ends at the 3-D view's bar
    // Calculation while editing, under the button; the stability controls follow it.
    CheckBoxLive = place<QCheckBox>(tab, "CheckBoxLive", 3, bottomOf(Button4) + 2, 196, 18);
    setCaptionRoom(CheckBoxLive, 205 - CheckBoxLive->x());
    spacingChoice = new SpacingChoice(tab, 205, this);
    connect(spacingChoice, &SpacingChoice::chosen, this, [this](SpanwiseSpacing spacing) {
        // Another spacing of the strips is another lattice: the results go stale.
        if (window.settingControls() || spacing == document.texts.spacing)
            return;
        document.setSpacing(spacing);
        window.evaluate(ResultsAfterPass::GoStale);
        window.recordEdit({.kind = EditKind::Spacing});
    });
    window.views->buildStabilityControls(tab);

    Memo1 = place<QPlainTextEdit>(tab, "Memo1", 25, 587, 175, 84);
    setInk(Memo1, clRed);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setReadOnly(true);
    misreadLine = new MisreadLine(Memo1, "Label_Misread", clRed, MisreadLine::Shown::WithMemo, this);
    liveLine = new MisreadLine(Memo1, "Label_LiveHeights", clBlue, MisreadLine::Shown::WhenSet, this);
    // The memo starts under the last stability control the mode shows and under the lines above it.
    connect(window.views, &AircraftViews::stabilityModeChosen, this, [this] { placeControls(); });
    for (MisreadLine* line : {misreadLine, liveLine})
        connect(line, &MisreadLine::reshaped, this, [this] { placeControls(); });

    for (int k = 1; k <= MaxWings; ++k) {
        connect(window.wingPage[k], &WingPage::dragPreviewed, this,
                [this, k](const std::vector<FieldChange>& writes) { previewDrag(k, writes); });
        connect(window.wingPage[k], &WingPage::dragged, this,
                [this, k](const std::vector<FieldChange>& writes) { endDrag(k, writes); });
    }
    live = new LiveCalculation(
        [this](SolverData&& lattice) { return copyForCalculation(document, std::move(lattice)); },
        [this](CalculatedCopy&& copy) { adoptLiveResults(std::move(copy)); }, this);
    connect(CheckBoxLive, &QCheckBox::toggled, this, [this](bool on) { setLive(on); });
    connect(window.commands->LiveCalculation1, &QAction::toggled, this, [this](bool on) { setLive(on); });
}

void CalculationCommands::endWorker()
{
    delete live;
    live = nullptr;
}

void CalculationCommands::showMemo(const std::vector<std::string>& lines, bool visible)
{
    QStringList memo;
    for (const std::string& line : memoInUnits(lines, document.texts, window.language(), window.units()))
        memo << qs(line);
    Memo1->setPlainText(memo.join('\n'));
    misreadLine->setText(qs(misreadFieldsLine(document.texts, window.language())));
    Memo1->setVisible(visible);
    placeControls();
}

void CalculationCommands::resetMemo(const std::string& title)
{
    Memo1->setPlainText(qs(title));
    Memo1->hide();
    // Showing the aircraft tab at start runs a pass: the notes of the file named on the command line
    // stay to be read.
    if (const std::vector<std::string> notes = standingNotes(); !notes.empty())
        showMemo(notes, true);
}

void CalculationCommands::showFileNotes(const std::vector<std::string>& notes)
{
    fileNotes = notes;
    textsOfNotes = document.texts;
    showMemo(notes, !notes.empty());
}

std::vector<std::string> CalculationCommands::standingNotes() const
{
    // Compared only while there are notes: the pass runs this after every keystroke.
    return !fileNotes.empty() && document.texts == textsOfNotes ? fileNotes : std::vector<std::string>{};
}

void CalculationCommands::calculate(std::function<void()> then)
{
    if (calculating)
        return;
    // The explicit run takes over from a calculation in the background.
    live->cancel();
    showPreviousResults(false);
    ++liveSuspended;
    if (window.pages->activePage() != window.aircraftTab)
        window.pages->setActivePage(window.aircraftTab);
    calculating = true;
    window.commandsChanged();
    Label_w->show();
    Button4->hide();
    Memo1->clear();
    Memo1->hide();
    window.evaluate(ResultsAfterPass::GoStale);
    afterCalculation = std::move(then);

    // The worker reports its stages and the countdown (at most every 30 ms) to this thread, so the
    // memo lines, the lattice and the countdown show while the run goes on and the window answers.
    CalculationProgress progress;
    progress.stage = [this](StageReport&& report) { showStage(report); };
    progress.countdown = [this](int remaining) {
        if (!calculating)
            return;
        Label24->show();
        setLabelText(Label24, QString::number(remaining));
    };
    live->calculateNow(copyForCalculation(document), std::move(progress),
                       [this](CalculatedCopy&& copy) { finishCalculation(std::move(copy)); });
}

void CalculationCommands::withLattice(std::function<void()> then)
{
    const Aircraft& aircraft = document.aircraft;
    if (!aircraft.ResultsValid)
        return;
    if (aircraft.SolverDataValid)
        then();
    else
        calculate([this, then = std::move(then)] {
            if (document.aircraft.ResultsValid && document.aircraft.SolverDataValid)
                then();
        });
}

void CalculationCommands::showStage(const StageReport& report)
{
    if (!calculating || report.stage == CalculationStage::Prepared)
        return;
    if (report.stage == CalculationStage::LatticeLaidOut) {
        if (!report.hasLattice)
            return;
        window.views->drawLatticeOf(report.aircraft, report.lattice);
    }
    showMemo(report.memo, report.memoVisible);
}

// The run's copy back on the window's thread: its results go into the document, the heights it
// moved apart into their fields as one edit, which can be undone. A run cancelled, or overtaken by
// an edit of the geometry, leaves the aircraft as it stands, without results.
void CalculationCommands::finishCalculation(CalculatedCopy&& copy)
{
    Label24->hide();
    Label_w->hide();
    Button4->show();
    calculating = false;
    --liveSuspended;
    std::function<void()> then = std::move(afterCalculation);
    afterCalculation = nullptr;
    const CalculationRun result = copy.run;
    if (result.cancelled || !document.adopt(copy)) {
        showMemo({}, false);
        window.commandsChanged();
        return;
    }
    document.applyMovedHeights(copy);
    showResults(result, MemoOfRun::All);
    QApplication::beep();
    if (then)
        then();
}

void CalculationCommands::showResults(const CalculationRun& run, MemoOfRun memo)
{
    liveLine->setText({});
    if (run.failed) {
        if (memo == MemoOfRun::Live) {
            // The wings as they stand, without results, under the run's lines.
            window.evaluate(ResultsAfterPass::Kept);
            showNeutralPoints(ResultsShown::None);
        }
        showMemo(run.memo, run.memoVisible);
    } else {
        for (int w = 1; w <= MaxWings; ++w) {
            const WingResultLabels labels = wingResultLabels(document.aircraft, w);
            window.wingPage[w]->showNeutralPoint(labels.neutralPoint, labels.liftCentre);
        }
        if (memo == MemoOfRun::All) {
            showMemo(run.memo, run.memoVisible);
        } else {
            // A run while editing says what its figures were read from, as Calculate does, but the
            // heights it moved stay out of the fields (and out of the memo's warning).
            std::vector<std::string> lines = standingNotes();
            for (std::string& line : flaggedFieldLines(document.texts, window.language()))
                lines.push_back(std::move(line));
            showMemo(lines, !lines.empty());
        }
        window.views->showResultsCursor(true);
        window.views->STABIL();
        window.layOut();
        showNeutralPoints(ResultsShown::Current);
    }
    edited = false;
    window.commandsChanged();
}

// The results no longer match the aircraft: grey neutral-point captions, hidden values, the top
// view's arrow cursor. All five wings are treated, whichever changed. While calculating as the user
// edits, the figures of the last calculation stay, greyed, until those of the change come.
void CalculationCommands::resultsGoStale()
{
    edited = true;
    markResultsStale();
}

void CalculationCommands::markResultsStale()
{
    window.views->showResultsCursor(false);
    window.hideLiftPlot();
    if (calculating)
        live->cancelNow(); // Calculate's run no longer belongs to the aircraft
    if (liveFollows()) {
        live->geometryChanged();
        showPreviousResults(true);
        return;
    }
    showNeutralPoints(ResultsShown::None);
}

void CalculationCommands::showNeutralPoints(ResultsShown shown)
{
    if (shown == ResultsShown::None && !liveLine->label->text().isEmpty()) {
        liveLine->setText({}); // the heights it names belonged to the figures that went
        placeControls();
    }
    for (int w = 1; w <= MaxWings; ++w)
        window.wingPage[w]->showNeutralPointLabels(shown);
}

// Under the calculation button, the box of the calculation while editing and the spacing of the
// strips the stability controls follow one another, each as high as its caption's lines; under the
// last one the mode shows (the margin field, right of the margin bar) the line of the misread fields
// and the message memo, which takes the room down to the page's lower edge.
void CalculationCommands::placeControls()
{
    const QSize page = window.pages->pageSize();
    CheckBoxLive->move(CheckBoxLive->x(), bottomOf(Button4) + 2);
    const int spacingBottom = spacingChoice->placeAt(bottomOf(CheckBoxLive) + 1);
    const int lineTop = window.views->placeStabilityControls(spacingBottom + 1, page) + 6;
    // The line keeps clear of the margin marks beside the margin bar.
    int clear = 0;
    for (const QLabel* mark : {window.views->Label28, window.views->Label29, window.views->Label30})
        if (!mark->isHidden() && mark->y() + mark->height() > lineTop)
            clear = std::max(clear, mark->x() + mark->width() + 3);
    const int memoTop = misreadLine->placeAt(liveLine->placeAt(lineTop, clear), clear);
    Memo1->setGeometry(Memo1->x(), memoTop, Memo1->width(), page.height() - kBottomGap - memoTop);
    // The countdown follows the running label on its row.
    Label24->move(Label_w->x() + Label_w->width() + 4, Label_w->y());
}

void CalculationCommands::showSpacing() { spacingChoice->show(document.texts.spacing); }

} // namespace ab
