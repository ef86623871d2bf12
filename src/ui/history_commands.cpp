// SPDX-License-Identifier: GPL-3.0-or-later
// The window's part in undo and redo: the document's steps recorded from the window's edits, and a
// state of the history put back on the controls.
#include "ui/history_commands.h"

#include "ui/aircraft_views.h"
#include "ui/commands.h"
#include "ui/document_signals.h"
#include "ui/wing_page.h"
#include "ui/widgets.h"

#include <QAction>
#include <QApplication>
#include <QPlainTextEdit>
#include <QRadioButton>

namespace ab {

HistoryCommands::HistoryCommands(AircraftDocument& d, DocumentSignals* documentSignals, Window w, QObject* parent)
    : QObject(parent), document(d), window(std::move(w))
{
    connect(documentSignals, &DocumentSignals::changed, this, [this](unsigned changes) {
        // Undo and redo put a state of the texts back, an open a file's texts with the results it
        // stored: they go on the controls.
        if (changes & (TextsChanged | GeometryChanged))
            showTexts((changes & GeometryChanged) && !(changes & FiguresChanged) ? ResultsAfterPass::GoStale
                                                                                 : ResultsAfterPass::Kept);
        if (changes & HistoryChanged)
            showUndoCommands();
        if (changes & FileChanged)
            window.widget->setWindowModified(document.modified());
    });
    // Keystrokes make one step while their field keeps the focus.
    // The application outlives the window: the destructor ends this connection.
    focusWatch = connect(qApp, &QApplication::focusChanged, this, [this] { ++session; });
    connect(window.commands->Undo1, &QAction::triggered, this, [this] { document.undo(); });
    connect(window.commands->Redo1, &QAction::triggered, this, [this] { document.redo(); });
}

HistoryCommands::~HistoryCommands() { disconnect(focusWatch); }

void HistoryCommands::recordEdit(const Edit& edit, int typingKey)
{
    if (applyingHistory || recordingSuspended > 0)
        return;
    document.recordEdit(edit, typingKey, session);
}

void HistoryCommands::asOneEdit(const Edit& edit, const std::function<void()>& writes)
{
    ++recordingSuspended;
    writes();
    --recordingSuspended;
    recordEdit(edit);
}

// After an open (nothing to undo then) or a save.
void HistoryCommands::markSaved(After after) { document.markSaved(after == After::StartAnew); }

// A state of the history on the controls: counts, fields, balance, stability choice and remarks,
// then the pass over the aircraft. Its results go stale as after any edit when the state has another
// geometry; a state that differs only in names, remarks, balance, margin or mode keeps them.
void HistoryCommands::showTexts(ResultsAfterPass results)
{
    const AircraftTexts& t = document.texts;
    applyingHistory = true;
    window.wingCountButton[t.wingCount]->setChecked(true);
    for (int w = 1; w <= MaxWings; ++w) {
        WingPage* page = window.wingPage[w];
        page->checkTrapezoidCount(t.wing[w].trapezoidCount);
        for (int r = 0; r < RoleCount; ++r)
            page->write(static_cast<Role>(r), t.wing[w].field[r]);
        for (int k = 1; k <= MaxTrapezoids; ++k)
            page->writeDihedral(k, t.wing[w].dihedral[k]);
        page->writeName(t.wing[w].name);
    }
    window.showPartTexts();
    window.views->showStabilityChoice(t.stabilityMode == StabilityMode::Automatic, t.margin);
    if (window.remarks->toPlainText().toStdString() != t.comment)
        window.remarks->setPlainText(qs(t.comment));
    window.evaluate(results);
    applyingHistory = false;
}

void HistoryCommands::showUndoCommands()
{
    const EditHistory& history = document.history();
    const Language l = window.language();
    const auto nameOf = [l](const Edit* edit) { return edit ? editName(*edit, l) : std::string(); };
    QAction* undo = window.commands->Undo1;
    QAction* redo = window.commands->Redo1;
    undo->setEnabled(history.canUndo());
    redo->setEnabled(history.canRedo());
    undo->setText(qs(undoMenuText(nameOf(history.undoEdit()), l)));
    redo->setText(qs(redoMenuText(nameOf(history.redoEdit()), l)));
}

} // namespace ab
