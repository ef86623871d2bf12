// SPDX-License-Identifier: GPL-3.0-or-later
// The window's wing copy as a part of its own: copy and insert of the wing whose tab is on display
// through the copy file in the user's data folder, and whether Copy and Insert are offered as the
// tab changes and the Edit menu jumps to a wing.
#pragma once

#include "document/aircraft_document.h"
#include "files/user_files.h"
#include "lang/language.h"
#include "model/configuration.h"

#include <QObject>

#include <functional>

class QWidget;

namespace ab {

class WindowCommands;
class WingPage;

class WingCopyCommands : public QObject {
    Q_OBJECT
public:
    struct Window {
        QWidget* widget = nullptr; // the warnings' parent
        PerWing<WingPage*> wingPage{};
        std::function<Language()> language;
        std::function<int()> activePage; // AircraftPage, wing 1..5 or RemarksPage
        std::function<void(const Edit&, const std::function<void()>&)> asOneEdit;
        std::function<void()> copyTaken;     // a copy offers plain Save
        std::function<void()> commandsChanged; // the commands' states follow
    };
    WingCopyCommands(const AircraftDocument& document, WindowCommands* commands, Window window, QObject* parent);

    // Whether the copy file is there (at start and after an open): the wing pages offer to insert it.
    void readAvailability();
    void copy();   // the wing on display into the copy file
    void insert(); // the copy file into the wing on display, as one edit
    void copyFromMenu(); // remembers on which wing's tab the copy was taken
    // Copy and insert as the tab on display or the Edit menu's jump (AircraftPage or a wing) leaves them.
    void pageChanged();
    void jumpedTo(int page);
    CopyCommands commands() const { return state; }

private:
    const AircraftDocument& document;
    Window window;
    UserFile CopyFileName; // read from the working folder while it has not been made in its place
    bool CopyAvailable = false;
    PerWing<bool> CopySourceFlags{}; // flag 1 is CopyAvailable itself; 2..5: copied on that wing's tab
    CopyCommands state;              // as page changes and menu jumps left them
};

} // namespace ab
