// SPDX-License-Identifier: GPL-3.0-or-later
// The window's part in undo and redo: each edit the user makes is recorded in the document's history
// as one step, keystrokes in one field merging while it keeps the focus, edits made of many writes
// (an exchange, an insertion, a drag, New) as one step; undo and redo put a whole state of the texts
// back on the controls and evaluate it as after any edit; the Edit menu names the steps.
#pragma once

#include "document/aircraft_document.h"
#include "lang/language.h"
#include "model/configuration.h"

#include <QMetaObject>
#include <QObject>

#include <array>
#include <functional>

class QPlainTextEdit;
class QRadioButton;

namespace ab {

class AircraftViews;
class DocumentSignals;
class WindowCommands;
class WingPage;

class HistoryCommands : public QObject {
    Q_OBJECT
public:
    // The controls a state of the history goes on, and what the window does around them.
    struct Window {
        PerWing<WingPage*> wingPage{};
        std::array<QRadioButton*, MaxWings + 1> wingCountButton{};
        AircraftViews* views = nullptr;
        QPlainTextEdit* remarks = nullptr;
        WindowCommands* commands = nullptr; // Undo1 and Redo1
        QWidget* widget = nullptr;          // its mark of unsaved changes
        std::function<Language()> language;
        std::function<void()> showPartTexts; // the balance rows, the fuselage stations, the spacing
        // After the texts: the names, the pass with the results kept or gone stale, the gap questions.
        std::function<void(ResultsAfterPass)> evaluate;
    };
    HistoryCommands(AircraftDocument& document, DocumentSignals* documentSignals, Window window, QObject* parent);
    ~HistoryCommands() override;

    // Typing keys beyond the fields' own (w x RoleCount + role): keystrokes with one key merge.
    static constexpr int MarginTypingKey = 1000, RemarksTypingKey = 1001, NameTypingKey = 1100; // + wing
    static constexpr int DihedralTypingKey = 1200; // + 10 x wing + trapezoid

    void recordEdit(const Edit& edit, int typingKey = -1); // -1: a step of its own
    // The writes as one step of the history, whatever change handling each of them runs.
    void asOneEdit(const Edit& edit, const std::function<void()>& writes);
    enum class After { Keep, StartAnew };
    void markSaved(After after); // the texts as they are now are the saved state
    void showUndoCommands();     // enabled and named for the steps either side, in the language
    bool puttingBack() const { return applyingHistory; } // undo or redo is putting a state on the controls
    int focusSession() const { return session; }

private:
    void showTexts(ResultsAfterPass results);

    AircraftDocument& document;
    Window window;
    int session = 0; // counts focus changes: typing steps merge within one
    QMetaObject::Connection focusWatch;
    int recordingSuspended = 0;   // writes of one edit made of many
    bool applyingHistory = false;
};

} // namespace ab
