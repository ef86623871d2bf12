// SPDX-License-Identifier: GPL-3.0-or-later
// The window's part in undo and redo: each edit the user makes is recorded as one step of the
// history with the texts before and after it, edits made of many writes (an exchange, an insertion,
// a drag, New) as one step; undo and redo put a whole state of the texts back on the controls and
// evaluate it as after any edit.
#include "ui/main_window.h"

#include "ui/balance_commands.h"
#include "ui/balance_page.h"
#include "ui/document_signals.h"
#include "ui/fuselage_page.h"
#include "ui/spacing_choice.h"
#include "ui/widgets.h"

#include <QAction>
#include <QApplication>
#include <QPlainTextEdit>
#include <QRadioButton>

namespace ab {

void TForm1::buildHistory()
{
    documentSignals = new DocumentSignals(document, this);
    connect(documentSignals, &DocumentSignals::changed, this, [this](unsigned changes) {
        // Undo and redo put a state of the texts back, an open a file's texts with the results it
        // stored: they go on the controls.
        if (changes & (TextsChanged | GeometryChanged))
            showTexts((changes & GeometryChanged) && !(changes & FiguresChanged) ? ResultsAfterPass::GoStale
                                                                                 : ResultsAfterPass::Kept);
        if (changes & HistoryChanged)
            updateUndoCommands();
        if (changes & FileChanged)
            setWindowModified(document.modified());
    });
    // Keystrokes make one step while their field keeps the focus.
    // The application outlives the window: its destructor ends this connection.
    focusWatch = connect(qApp, &QApplication::focusChanged, this, [this] { ++focusSession; });
    connect(commands->Undo1, &QAction::triggered, this, [this] { document.undo(); });
    connect(commands->Redo1, &QAction::triggered, this, [this] { document.redo(); });
}

void TForm1::recordEdit(const Edit& edit, int typingKey)
{
    if (building || applyingHistory || recordingSuspended > 0)
        return;
    document.recordEdit(edit, typingKey, focusSession);
}

void TForm1::asOneEdit(const Edit& edit, const std::function<void()>& writes)
{
    ++recordingSuspended;
    writes();
    --recordingSuspended;
    recordEdit(edit);
}

// The texts as they are now are the saved state: after an open (nothing to undo then) or a save.
void TForm1::markSaved(HistoryAfterSave after) { document.markSaved(after == HistoryAfterSave::StartAnew); }

// A state of the history on the controls: counts, fields, balance, stability choice and remarks,
// then the pass over the aircraft. Its results go stale as after any edit when the state has another
// geometry; a state that differs only in names, remarks, balance, margin or mode keeps them.
void TForm1::showTexts(ResultsAfterPass results)
{
    const AircraftTexts& t = texts;
    applyingHistory = true;
    wingCountButton[t.wingCount]->setChecked(true);
    for (int w = 1; w <= MaxWings; ++w) {
        wingPage[w]->checkTrapezoidCount(t.wing[w].trapezoidCount);
        for (int r = 0; r < RoleCount; ++r)
            wingPage[w]->write(static_cast<Role>(r), t.wing[w].field[r]);
        for (int k = 1; k <= MaxTrapezoids; ++k)
            wingPage[w]->writeDihedral(k, t.wing[w].dihedral[k]);
        wingPage[w]->writeName(t.wing[w].name);
    }
    balance->page->showItems(t.balance);
    fuselagePage->showStations(t.fuselage);
    aircraftViews->showStabilityChoice(t.stabilityMode == StabilityMode::Automatic, t.margin);
    spacingChoice->show(t.spacing);
    if (Memo2->toPlainText().toStdString() != t.comment)
        Memo2->setPlainText(qs(t.comment));
    showWingNames();
    Calc(results);
    Space1();
    balance->showBalance();
    applyingHistory = false;
}

void TForm1::updateUndoCommands()
{
    const EditHistory& history = document.history();
    const auto nameOf = [this](const Edit* edit) { return edit ? editName(*edit, language()) : std::string(); };
    commands->Undo1->setEnabled(history.canUndo());
    commands->Redo1->setEnabled(history.canRedo());
    commands->Undo1->setText(qs(undoMenuText(nameOf(history.undoEdit()), language())));
    commands->Redo1->setText(qs(redoMenuText(nameOf(history.redoEdit()), language())));
}

} // namespace ab
