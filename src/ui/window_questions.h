// SPDX-License-Identifier: GPL-3.0-or-later
// What the window asks the user about files, as replaceable answers: each empty hook means the
// usual dialog; tests put their own answers here instead.
#pragma once

#include "files/imported_aircraft.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace ab {

struct WindowQuestions {
    enum class SaveAnswer { Save, Discard, Cancel };
    std::function<QString()> chooseFileToOpen;     // an empty name: cancelled
    std::function<QString()> chooseFileToSave;     // an empty name: cancelled
    std::function<SaveAnswer()> askToSaveChanges;  // before unsaved changes would be lost
    std::function<void(const QString&)> showError; // a file that could not be read or written
    std::function<bool(const QString&)> askToReplace; // the question before a file is replaced
    // The unit of an AVL deck that does not state its own, offered the one chosen last; none: cancelled.
    std::function<std::optional<DeckUnit>(DeckUnit)> chooseDeckUnit;
    // Which of a file's wings to insert, by their captions; its index, or none: cancelled.
    std::function<std::optional<int>(const QStringList&)> chooseWingOfFile;
};

} // namespace ab
