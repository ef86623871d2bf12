// SPDX-License-Identifier: GPL-3.0-or-later
// The window's calculation as a part of its own: "Calculate Aerodynamic Center" (F9) and the
// calculation while editing, both on the one background worker, with the controls of the aircraft
// tab's left column that belong to them (the button and its running label with the countdown, the
// check box, the spacing of the strips, the message memo with the lines above it); the figures of a
// run shown when it ends, those of the last run greyed while the next one runs, and the preview of
// a corner drag before its release.
#pragma once

#include "document/aircraft_document.h"
#include "lang/language.h"
#include "model/configuration.h"
#include "model/units.h"

#include <QObject>

#include <functional>
#include <optional>
#include <string>
#include <vector>

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace ab {

class AircraftViews;
class LiveCalculation;
class MisreadLine;
class PageControl;
class SpacingChoice;
class WindowCommands;
class WingPage;
enum class ResultsShown;

class CalculationCommands : public QObject {
    Q_OBJECT
public:
    struct Window {
        PageControl* pages = nullptr;
        QWidget* aircraftTab = nullptr; // Calculate shows it
        PerWing<WingPage*> wingPage{};
        AircraftViews* views = nullptr;
        WindowCommands* commands = nullptr;
        std::function<Language()> language;
        std::function<UnitSystem()> units;     // of the memo's misread fields
        std::function<bool()> building;        // the window's controls are being made
        std::function<bool()> settingControls; // being made, or undo putting a state back: no edit
        std::function<bool()> starting;        // the start-up state is being set
        std::function<void(ResultsAfterPass)> evaluate;       // the recalculation pass
        std::function<void(int, ResultsAfterPass)> evaluateWing; // the evaluation of one wing
        std::function<void()> layOut;          // everything placed and drawn again at the window's size
        std::function<void()> commandsChanged; // the commands' states follow
        std::function<void()> hideLiftPlot;    // its distribution is no longer the aircraft's
        std::function<void(const Edit&)> recordEdit;
        std::function<void(const Edit&, const std::function<void()>&)> asOneEdit;
    };
    // Builds the column's controls on the aircraft tab, the stability controls of the views among
    // them in their place.
    CalculationCommands(AircraftDocument& document, QWidget* tab, Window window, QObject* parent);
    void endWorker(); // a calculation still running leaves at its next step, before the document goes

    // Calculate: the run on the worker; `then` runs after a complete run (an export waiting for it).
    void calculate(std::function<void()> then = {});
    bool running() const { return calculating; }
    // `then` runs once the results have their lattice: at once, or after they were calculated again
    // when they were only stored; never without results.
    void withLattice(std::function<void()> then);
    bool editedSinceCalculation() const { return edited; } // Calculate is offered

    // Calculation while editing: on, every change of the geometry is calculated in the background
    // after a short pause.
    void setLive(bool on);
    bool liveOn() const;
    bool liveBusy() const; // a calculation runs or waits for the pause to end
    LiveCalculation* worker() const { return live; }
    bool liveFollows() const; // geometry changes start a calculation in the background

    // The results no longer match the aircraft (an edit, an open).
    void resultsGoStale();
    // The memo's lines (with the misread fields above them) and its place; the memo emptied to its
    // title and hidden after the pass.
    void showMemo(const std::vector<std::string>& lines, bool visible);
    void resetMemo(const std::string& title);
    // What a file opened or a wing inserted left out or lacked: in the memo, and back in it after the
    // passes and the runs while editing that follow, until the aircraft is edited.
    void showFileNotes(const std::vector<std::string>& notes);
    // The column under the button placed by its captions' sizes, down to the page's lower edge.
    void placeControls();
    // A corner drag: the wing as the release would give it, and the release.
    void previewDrag(int w, const std::vector<FieldChange>& writes);
    void endDrag(int w, const std::vector<FieldChange>& writes);
    void showSpacing(); // the document's spacing in its box
    void setLanguage(Language language);

    // Controls, named as their objectName.
    QPushButton* Button4 = nullptr;
    QLabel *Label_w = nullptr, *Label24 = nullptr; // the running label and the countdown
    QCheckBox* CheckBoxLive = nullptr;             // calculation while editing
    SpacingChoice* spacingChoice = nullptr;        // strips along the span, under CheckBoxLive
    QPlainTextEdit* Memo1 = nullptr;
    MisreadLine* misreadLine = nullptr; // the misread fields on a line of their own above the memo
    MisreadLine* liveLine = nullptr;    // the heights a calculation while editing used, above them

private:
    void markResultsStale();
    void showNeutralPoints(ResultsShown shown);
    void showPreviousResults(bool shown);
    void showStage(const StageReport& report);
    void finishCalculation(CalculatedCopy&& copy);
    // After a complete run (explicit or in the background): the neutral points, the memo (all its
    // lines; after a run while editing those of a failure, or the opened file's notes and the
    // misread fields), the stability display and every view.
    enum class MemoOfRun { All, Live };
    void showResults(const CalculationRun& run, MemoOfRun memo);
    std::vector<std::string> standingNotes() const; // the file's notes while the aircraft is as it came
    void adoptLiveResults(CalculatedCopy&& copy);

    AircraftDocument& document;
    Window window;
    LiveCalculation* live = nullptr;
    bool calculating = false;
    bool edited = true;
    int liveSuspended = 0; // an explicit calculation, or heights a calculation moved being written
    std::function<void()> afterCalculation; // what waits for Calculate's run
    std::optional<WingTexts> textsBeforeDrag; // the dragged wing's texts while a drag is previewed
    std::vector<std::string> fileNotes;       // with the texts they were shown for
    AircraftTexts textsOfNotes;
};

} // namespace ab
