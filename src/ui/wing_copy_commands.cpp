// SPDX-License-Identifier: GPL-3.0-or-later
// Copy and insert of a wing through the copy file, for the wing whose tab is on display.
#include "ui/wing_copy_commands.h"

#include "files/wing_copy.h"
#include "ui/commands.h"
#include "ui/field_writes.h"
#include "ui/widgets.h"
#include "views/window_rules.h"

#include <QAction>
#include <QMessageBox>
#include <QWidget>

namespace ab {

WingCopyCommands::WingCopyCommands(const AircraftDocument& d, WindowCommands* commands, Window w, QObject* parent)
    : QObject(parent), document(d), window(std::move(w)),
      CopyFileName(userFile(dataFolder(), ab::CopyFileName))
{
    for (int k = 1; k <= MaxWings; ++k) {
        connect(window.wingPage[k], &WingPage::copyClicked, this, [this] { copy(); });
        connect(window.wingPage[k], &WingPage::insertClicked, this, [this] { insert(); });
    }
    connect(commands->CopyWing1, &QAction::triggered, this, [this] { copyFromMenu(); });
    connect(commands->InsertCopiedWing1, &QAction::triggered, this, [this] { insert(); });
}

void WingCopyCommands::readAvailability()
{
    CopyAvailable = copyAvailable(fileToRead(CopyFileName));
    for (int w = 1; w <= MaxWings; ++w)
        window.wingPage[w]->offerInsert(CopyAvailable);
}

void WingCopyCommands::copy()
{
    const int w = window.activePage();
    if (w < 1 || w > MaxWings)
        return;
    const CopyOutcome outcome = saveWingCopy(CopyFileName.path, document.texts, document.aircraft, w, window.language());
    if (!outcome.ok) {
        QMessageBox::warning(window.widget, window.widget->windowTitle(), qs(outcome.message));
        return;
    }
    window.copyTaken();
    CopyAvailable = true;
    for (int k = 1; k <= MaxWings; ++k)
        window.wingPage[k]->offerInsert(true);
    window.commandsChanged();
}

void WingCopyCommands::insert()
{
    const int w = window.activePage();
    if (w < 1 || w > MaxWings)
        return;
    const WingCopyReading copy = readWingCopy(fileToRead(CopyFileName), window.language());
    if (!copy.ok()) {
        QMessageBox::warning(window.widget, window.widget->windowTitle(), qs(copy.message));
        return;
    }
    const WingInsertion insertion = insertionOf(copy, w);
    window.asOneEdit({.kind = EditKind::Insertion, .wing = w}, [&] { writeInsertion(window.wingPage, insertion); });
}

// The menu's copy remembers on which wing's tab it was taken (the first flag is CopyAvailable).
void WingCopyCommands::copyFromMenu()
{
    const int page = window.activePage();
    CopyAvailable = page == 1;
    for (int w = 2; w <= MaxWings; ++w)
        CopySourceFlags[w] = page == w;
    copy();
}

void WingCopyCommands::pageChanged()
{
    state = copyCommandsAfterPageChange(window.activePage(), insertOffered(CopyAvailable, CopySourceFlags), state);
    window.commandsChanged();
}

void WingCopyCommands::jumpedTo(int page)
{
    state = copyCommandsAfterMenuJump(page, insertOffered(CopyAvailable, CopySourceFlags), state);
    window.commandsChanged();
}

} // namespace ab
