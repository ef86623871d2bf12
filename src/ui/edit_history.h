// SPDX-License-Identifier: GPL-3.0-or-later
// The window's undo and redo: every edit is a step that holds the aircraft's texts before and after
// it (they are small), so undoing or redoing shows a whole state again. Keystrokes in one field while
// it keeps the focus make one step; opening a file starts the history anew, and the title's mark
// of unsaved changes follows whether the history stands where the file was last saved.
#pragma once

#include "lang/edit_names.h"
#include "model/aircraft_texts.h"

#include <QObject>
#include <QString>
#include <functional>

class QUndoStack;

namespace ab {

class EditHistory : public QObject {
    Q_OBJECT
public:
    // show: puts a state on the window (undo, redo); nameOf: an edit's name in the language shown.
    EditHistory(std::function<void(const AircraftTexts&)> show, std::function<QString(const Edit&)> nameOf,
                QObject* parent);

    // A step from `before` to `after`, which the window already shows. A step with a typing key merges
    // into the step before it when that one has the same key and focus session.
    void record(const Edit& name, const AircraftTexts& before, const AircraftTexts& after, int typingKey,
                int focusSession);
    void undo();
    void redo();
    void clear();    // a file was opened: nothing to undo, and this is the saved state
    void setClean(); // this state was saved
    void keepUnsaved(); // no state is the saved one until the next save (a damaged file was opened)
    bool clean() const;
    bool canUndo() const;
    bool canRedo() const;
    QString undoName() const; // empty when there is nothing to undo
    QString redoName() const;
    int count() const;

signals:
    void changed();                 // a step was recorded, undone or redone, or the history cleared
    void cleanChanged(bool clean);

private:
    QUndoStack* stack;
    std::function<void(const AircraftTexts&)> show;
    std::function<QString(const Edit&)> nameOf;
};

} // namespace ab
