// SPDX-License-Identifier: GPL-3.0-or-later
// "Calculate Aerodynamic Center" in the window: the core's calculation stages one after another,
// with the running label, repaints between the stages so that the memo lines and the lattice show
// while the run goes on, the countdown of the solve, heights moved apart written into their fields,
// and after a complete run the neutral points, the stability display and every view redrawn.
#include "ui/main_window.h"

#include "lang/field_texts.h"
#include "solver/calculation.h"
#include "ui/misread_line.h"
#include "ui/image_view.h"
#include "ui/live_calculation.h"
#include "ui/page_control.h"
#include "ui/widgets.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

namespace ab {

void TForm1::showMemo(const std::vector<std::string>& lines, bool visible)
{
    QStringList memo;
    for (const std::string& line : lines)
        memo << qs(line);
    Memo1->setPlainText(memo.join('\n'));
    misreadLine->setText(qs(misreadFieldsLine(texts, language())));
    Memo1->setVisible(visible);
    placeCaptionedControls();
}

void TForm1::Button4Click()
{
    // The explicit run takes over from a calculation in the background.
    live->cancel();
    showPreviousResults(false);
    ++liveSuspended;
    if (PageControl1->activePage() != TabSheet5)
        PageControl1->setActivePage(TabSheet5);
    aircraft.CalcFailed = false;
    calculating = true;
    applyCommandStates();
    Label_w->show();
    Button4->hide();
    Memo1->clear();
    Memo1->hide();

    // The countdown label is repainted at most every 30 ms: a repaint per pivot step would cost
    // more than the elimination itself. The last step (0) always shows.
    QElapsedTimer sinceRepaint;
    sinceRepaint.start();
    CalculationCallbacks callbacks;
    callbacks.countdown = [&](int remaining) {
        if (remaining != 0 && sinceRepaint.elapsed() < 30 && !Label24->isHidden())
            return;
        sinceRepaint.restart();
        Label24->show();
        setLabelText(Label24, QString::number(remaining));
        Label24->repaint();
    };
    // A height moved apart goes into its field, whose change runs the recalculation pass.
    callbacks.heightChanged = [this](int w, const std::string& zText) {
        wingPage[w]->write(Role::PosZ, zText);
    };
    Calculation run(aircraft, texts, solver, language(), callbacks);
    // Heights the calculation moves apart are one edit, which can be undone.
    ++recordingSuspended;
    auto showProgress = [&] {
        showMemo(run.memo(), run.memoVisible());
        repaint();
    };

    Calc();
    run.prepare();
    repaint();
    run.planPanels();
    showProgress();
    run.separateWings();
    showProgress();
    run.layOutLattice();
    if (!run.failed()) {
        DrawGrid();
        showProgress();
        run.solve();
        Label24->hide();
    }
    const CalculationRun result = run.finish();
    --recordingSuspended;
    recordEdit({.kind = EditKind::HeightSeparation});
    Label_w->hide();
    Button4->show();
    calculating = false;
    showCalculationResults(result, MemoOfRun::All);
    --liveSuspended;
    QApplication::beep();
}

void TForm1::showCalculationResults(const CalculationRun& run, MemoOfRun memo)
{
    liveLine->setText({});
    if (run.failed) {
        if (memo == MemoOfRun::Live) {
            // The wings as they stand, without results, under the run's lines.
            Calc(ResultsAfterPass::Kept);
            showNeutralPoints(ResultsShown::None);
        }
        showMemo(run.memo, run.memoVisible);
    } else {
        for (int w = 1; w <= MaxWings; ++w) {
            const WingResultLabels labels = wingResultLabels(aircraft, w);
            wingPage[w]->showNeutralPoint(labels.neutralPoint, labels.liftCentre);
        }
        if (memo == MemoOfRun::All) {
            showMemo(run.memo, run.memoVisible);
        } else {
            // A run while editing says what its figures were read from, as Calculate does, but the
            // heights it moved stay out of the fields (and out of the memo's warning).
            const std::vector<std::string> flagged = flaggedFieldLines(texts, language());
            showMemo(flagged, !flagged.empty());
        }
        aircraftViews->showResultsCursor(true);
        STABIL();
        FormResize();
        showNeutralPoints(ResultsShown::Current);
    }
    editedSinceCalculation = false;
    applyCommandStates();
}

} // namespace ab
