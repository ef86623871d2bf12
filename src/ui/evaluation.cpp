// What a change in the window sets off: a field's text goes into the texts and its wing is
// evaluated, a root gap also refreshes the gap questions, a position runs the recalculation pass;
// the tab change and the pressure check box run the pass when the results are stale.
#include "ui/main_window.h"

#include "model/recalculation.h"
#include "draw/colours.h"
#include "ui/image_view.h"
#include "ui/page_control.h"
#include "ui/widgets.h"

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>

namespace ab {

void TForm1::fieldEdited(int w, Role role, const QString& text)
{
    if (building)
        return;
    texts.wing[w][role] = text.toStdString();
    setWindowModified(true);
    switch (fieldHandling(role)) {
    case FieldHandling::WingEvaluation: Calc_W(w); break;
    case FieldHandling::GapEvaluation:
        Calc_W(w);
        Space1();
        break;
    case FieldHandling::RecalculationPass: Calc(); break;
    }
}

// The results no longer match the aircraft: grey neutral-point captions, hidden values, the top
// view's arrow cursor. All five wings are treated, whichever changed.
void TForm1::markResultsStale()
{
    Image2->unsetCursor();
    showNeutralPoints(false);
}

// The neutral-point captions are greyed and their values hidden while the results are stale.
void TForm1::showNeutralPoints(bool shown)
{
    for (int w = 1; w <= MaxWings; ++w) {
        WingControls& ui = wingUi[w];
        ui.neutralPointCaption->setEnabled(shown);
        ui.liftCentreCaption->setEnabled(shown);
        ui.neutralPoint->setVisible(shown);
        ui.liftCentre->setVisible(shown);
    }
}

void TForm1::showWingLabels(int w, const WingLabels& labels)
{
    WingControls& ui = wingUi[w];
    for (int s = 0; s < MaxStations; ++s)
        setLabelText(ui.stationLabel[s], qs(labels.stations[s]));
    const std::string* figures[5] = {&labels.span, &labels.area, &labels.mac, &labels.r25, &labels.aspectRatio};
    for (int i = 0; i < 5; ++i)
        setLabelText(ui.figure[i], qs(*figures[i]));
}

void TForm1::applyWrites(const std::vector<FieldChange>& writes)
{
    for (const FieldChange& f : writes)
        wingUi[f.wing].field[static_cast<int>(f.role)]->setText(qs(f.text));
}

void TForm1::Calc_W(int w, ResultsAfterPass results)
{
    if (results == ResultsAfterPass::GoStale) {
        editedSinceCalculation = true;
        markResultsStale();
    }
    const WingLabels labels = evaluateWing(aircraft, texts.wing[w], w, results);
    drawPlanform(w);
    showWingLabels(w, labels);
    applyCommandStates();
}

void TForm1::Space1()
{
    for (int w = 1; w <= MaxWings; ++w)
        showGapQuestion(w, showsGapQuestion(aircraft, w));
}

// The question stands in large red letters left of the planform view; lines too long for that room
// (the German and Spanish ones) are both set smaller instead of disappearing under the view.
void TForm1::showGapQuestion(int w, bool ask)
{
    const std::string* lines[2] = {&messages.GapQuestion1, &messages.GapQuestion2};
    const int room = wingUi[w].planform->x() - wingUi[w].gapWarning[0]->x() - 4;
    QFont f = wingUi[w].gapWarning[0]->font();
    f.setPixelSize(16);
    auto fits = [&] {
        for (const std::string* line : lines)
            if (QFontMetrics(f).horizontalAdvance(qs(*line).trimmed()) > room)
                return false;
        return true;
    };
    while (ask && f.pixelSize() > 9 && !fits())
        f.setPixelSize(f.pixelSize() - 1);
    for (int i = 0; i < 2; ++i) {
        wingUi[w].gapWarning[i]->setFont(f);
        setLabelText(wingUi[w].gapWarning[i], ask ? qs(*lines[i]) : QString());
    }
}

void TForm1::Calc(ResultsAfterPass results)
{
    CheckBoxA->setChecked(false); // runs its click handling when it was checked
    if (results == ResultsAfterPass::GoStale) {
        ScrollBar3->setValue(100);
        Image2->unsetCursor();
        editedSinceCalculation = true;
        markResultsStale();
        setLabelText(Label21, "%");
    }
    const PerWing<WingLabels> labels = recalculate(aircraft, texts, results);
    for (int w = 1; w <= MaxWings; ++w) {
        drawPlanform(w);
        showWingLabels(w, labels[w]);
    }
    clearTopView();
    d_1d();
    d_3d();
    drawThumbnailTitles();
    Memo1->setPlainText(qs(messages.ErrorTitle));
    Memo1->hide();
    applyCommandStates();
}

int TForm1::activePageNumber() const
{
    QWidget* page = PageControl1->activePage();
    for (int w = 1; w <= MaxWings; ++w)
        if (page == wingUi[w].tab)
            return w;
    return page == TabSheet4 ? RemarksPage : AircraftPage;
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
    calculateAction->setEnabled(c.calculate);
    Button4->setEnabled(c.calculate);
    Print1->setEnabled(c.print);
    Save3->setEnabled(c.save);
    wing21->setEnabled(c.wingMenu.wing21);
    wing31->setEnabled(c.wingMenu.wing31);
    for (int k = 1; k <= MaxWings; ++k)
        chng[k]->setEnabled(c.wingMenu.exchange[k]);
    CopyWing1->setEnabled(c.copy.copy);
    InsertCopiedWing1->setEnabled(c.copy.insert);
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
    ScrollBar6->setVisible(CheckBoxA->isChecked());
    if (!aircraft.ResultsValid)
        Calc();
    d_1d();
    STABIL();
    d_3d();
}

} // namespace ab
