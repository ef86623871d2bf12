// SPDX-License-Identifier: GPL-3.0-or-later
// The window's files as a part of their own: Open (through the document, as batch mode opens), Save
// and Save as with the extension rule, New from a template, unsaved changes offered for saving before
// they would be lost, the settings file read at start and written at the end, the unit of an AVL deck,
// the notes of a damaged file, and every file error said naming the file and the reason.
#pragma once

#include "document/aircraft_document.h"
#include "files/aircraft_templates.h"
#include "files/settings_file.h"
#include "files/user_files.h"
#include "lang/language.h"
#include "model/configuration.h"
#include "ui/window_questions.h"

#include <QObject>
#include <QString>

#include <array>
#include <functional>
#include <string>
#include <vector>

class QLabel;
class QPlainTextEdit;
class QRadioButton;
class QWidget;

namespace ab {

class AircraftViews;
class BalanceCommands;
class PageControl;
class WindowCommands;
class WingPage;

class FileCommands : public QObject {
    Q_OBJECT
public:
    // The controls an aircraft opened or made new goes on, and what the window does around them.
    struct Window {
        QWidget* widget = nullptr; // the dialogs' parent, with its size and place and its mark of unsaved changes
        const WindowQuestions* questions = nullptr;
        WindowCommands* commands = nullptr;
        PageControl* pages = nullptr;
        QWidget* aircraftTab = nullptr; // shown after an open
        PerWing<WingPage*> wingPage{};
        std::array<QRadioButton*, MaxWings + 1> wingCountButton{};
        QPlainTextEdit* remarks = nullptr;
        AircraftViews* views = nullptr;
        BalanceCommands* balance = nullptr;
        std::function<Language()> language;
        std::function<UnitSystem()> units;         // of the remarks of a new aircraft, kept in the settings
        std::function<void()> showFuselage;        // the document's stations in the fuselage tab
        std::function<void()> showSpacing;         // the document's spacing in its box
        std::function<void()> evaluate;            // the recalculation pass, the results gone stale
        std::function<void()> resultsGoStale;
        std::function<void()> commandsChanged;     // the commands' states follow
        std::function<void(const std::vector<std::string>&)> showNotes; // in the message memo
        std::function<void()> copyFileChanged;     // the copy file may have come or gone
        std::function<void(const Edit&, const std::function<void()>&)> asOneEdit;
        std::function<void()> markSaved;           // the state now is the saved one, the history kept
    };
    // Builds the file name's label Lab_FName at the top of `client`.
    FileCommands(AircraftDocument& document, QWidget* client, Window window, QObject* parent);

    // The start: the settings as the window was left (none when the file is missing or unreadable)
    // and, once the start's state is set, the notes of a damaged file named on the command line.
    Settings readSettings();
    void started();
    bool starting() const { return startingUp; }

    void open();                          // Open: the file the user chooses
    bool openFile(const std::string& fileName); // true when the file was read and applied
    void showOpened();                    // after a file was read at start or by Open
    void newFromTemplate(const AircraftTemplate& from);
    enum class SaveChoice { CurrentFile, AskName }; // Save, Save as
    void save(SaveChoice choice);
    bool offerToSave(); // false when the user cancels; unsaved changes are saved or let go otherwise
    void saveSettings(bool live); // the language and the window's size and place for the next start
    void reportError(const std::string& message);
    void insertWing(int w); // Insert wing from file, into wing w (1..5)

    const std::string& shownName() const { return CurrentFileName; } // "Unknown.wk4" until a file
    bool plainSaveOffered() const { return saveOffered; }
    void offerPlainSave() { saveOffered = true; } // a wing copy was taken

    QLabel* Lab_FName = nullptr;

private:
    QString askOpenFileName();
    QString askSaveFileName();
    bool confirmReplace(const std::string& fileName); // the user's yes to replacing the file
    std::optional<DeckUnit> unitToRead(const std::string& fileName); // none: the user cancelled
    std::optional<int> pickFrom(const Text3& question, const QStringList& items, int current);
    void noteDamagedFile(); // the notes of a damaged file in the memo, and the aircraft unsaved
    void applyReading(const AircraftFileReading& reading, const std::string& fileName);

    AircraftDocument& document;
    Window window;
    // The settings in the configuration folder, read from the working folder while it has not been
    // made in its place.
    UserFile settingsFile;
    std::string CurrentFileName = "Unknown.wk4";
    std::string designName; // the template a new aircraft started from, as Save as offers it ("glider.wk4")
    DeckUnit deckUnit = DeckUnit::Metre; // the unit last chosen for an AVL deck, kept in the settings
    bool saveOffered = false;            // plain Save is offered
    bool startingUp = true;              // errors wait until the window is on the screen
    std::vector<std::string> openedFileNotes; // what the file opened last lacks (damaged_file.h)
};

} // namespace ab
