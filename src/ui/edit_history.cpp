// SPDX-License-Identifier: GPL-3.0-or-later
// The steps of the undo history and the stack that keeps them.
#include "ui/edit_history.h"

#include <QUndoCommand>
#include <QUndoStack>

namespace ab {
namespace {

constexpr int kTypingStep = 1; // the merge id of steps made by typing

class SnapshotStep : public QUndoCommand {
public:
    SnapshotStep(const Edit& name, AircraftTexts before, AircraftTexts after, int typingKey, int session,
                 const std::function<void(const AircraftTexts&)>& show)
        : name(name), before(std::move(before)), after(std::move(after)), typingKey(typingKey), session(session),
          show(show)
    {
    }

    // The first redo comes with the push, when the window already shows the state after the edit.
    void redo() override
    {
        if (pushed)
            show(after);
        pushed = true;
    }
    void undo() override { show(before); }
    int id() const override { return typingKey >= 0 ? kTypingStep : -1; }
    bool mergeWith(const QUndoCommand* other) override
    {
        const auto* next = static_cast<const SnapshotStep*>(other);
        if (next->typingKey != typingKey || next->session != session)
            return false;
        after = next->after;
        return true;
    }

    const Edit name;

private:
    AircraftTexts before, after;
    const int typingKey, session;
    const std::function<void(const AircraftTexts&)>& show;
    bool pushed = false;
};

} // namespace

EditHistory::EditHistory(std::function<void(const AircraftTexts&)> show, std::function<QString(const Edit&)> nameOf,
                         QObject* parent)
    : QObject(parent), stack(new QUndoStack(this)), show(std::move(show)), nameOf(std::move(nameOf))
{
    connect(stack, &QUndoStack::cleanChanged, this, &EditHistory::cleanChanged);
    connect(stack, &QUndoStack::indexChanged, this, &EditHistory::changed);
}

void EditHistory::record(const Edit& name, const AircraftTexts& before, const AircraftTexts& after, int typingKey,
                         int focusSession)
{
    stack->push(new SnapshotStep(name, before, after, typingKey, focusSession, show));
    emit changed(); // a merged step leaves the index where it was
}

void EditHistory::undo() { stack->undo(); }
void EditHistory::redo() { stack->redo(); }

void EditHistory::clear()
{
    stack->clear();
    stack->setClean();
    emit changed();
}

void EditHistory::setClean() { stack->setClean(); }
void EditHistory::keepUnsaved() { stack->resetClean(); }
bool EditHistory::clean() const { return stack->isClean(); }
bool EditHistory::canUndo() const { return stack->canUndo(); }
bool EditHistory::canRedo() const { return stack->canRedo(); }
int EditHistory::count() const { return stack->count(); }

QString EditHistory::undoName() const
{
    if (!stack->canUndo())
        return {};
    return nameOf(static_cast<const SnapshotStep*>(stack->command(stack->index() - 1))->name);
}

QString EditHistory::redoName() const
{
    if (!stack->canRedo())
        return {};
    return nameOf(static_cast<const SnapshotStep*>(stack->command(stack->index()))->name);
}

} // namespace ab
