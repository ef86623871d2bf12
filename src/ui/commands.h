// SPDX-License-Identifier: GPL-3.0-or-later
// The window's commands: the main menu with one action per command, the tool buttons that show
// those actions, and the enabled state of every command as the core's rules give it. The window
// binds each action to its entry point; menu item and tool button can never disagree.
#pragma once

#include "lang/language.h"
#include "model/planform.h"
#include "views/window_rules.h"

#include <QObject>
#include <array>
#include <vector>

class QAction;
class QMainWindow;
class QMenu;
class QToolButton;
class QWidget;

namespace ab {

class WindowCommands : public QObject {
    Q_OBJECT
public:
    // Makes the menus of the window's menu bar and the commands without a menu item (F9).
    explicit WindowCommands(QMainWindow* window);

    // The tool buttons of the top strip, each showing its command's action.
    void buildToolButtons(QWidget* client);

    void apply(const CommandStates& states);
    // Exactly one language button shows: the one that switches to the next language in the cycle
    // German, English, Spanish.
    void showLanguageButton(Language current);
    // Texts the caption tables do not hold: the templates of the New submenu.
    void setLanguage(Language language);

    // The tool tips of Print and the exports: why they are greyed, or their own hint.
    void showResultsWait();

    // Menus and actions, named as their objectName.
    QMenu *Open1 = nullptr, *EEdit1 = nullptr, *Langu1 = nullptr, *New1 = nullptr, *View1 = nullptr;
    QAction *ExportTemplate1 = nullptr, *PrintTemplate1 = nullptr, *ExportAvl1 = nullptr, *ExportCsv1 = nullptr,
            *LiftPlot1 = nullptr, *LiveCalculation1 = nullptr;
    // The templates of File > New, in the order of aircraftTemplates().
    std::vector<QAction*> newFromTemplate;
    QAction* newShortcut = nullptr; // Ctrl+N opens the New submenu
    QAction *Open2 = nullptr, *Save2 = nullptr, *Save3 = nullptr, *Print1 = nullptr, *Exit1 = nullptr,
            *wing11 = nullptr, *wing21 = nullptr, *wing31 = nullptr, *aircraft1 = nullptr,
            *CopyWing1 = nullptr, *InsertCopiedWing1 = nullptr, *InsertWingFromFile1 = nullptr, *german1 = nullptr, *english1 = nullptr,
            *spain1 = nullptr, *Info1 = nullptr, *calculateAction = nullptr, *Undo1 = nullptr, *Redo1 = nullptr;
    std::array<QAction*, MaxWings + 1> chng{}; // chng1 .. chng5
    // What the commands that need results last said about them, and the language they say it in.
    ResultsWait resultsWait = ResultsWait::Calculate;
    Language language = Language::English;
    QString printHint; // the Print button's own hint
    QToolButton *SpeedButton1 = nullptr, *SpeedButton2 = nullptr, *SpeedButton3 = nullptr,
                *SpeedButton4 = nullptr, *SpeedButton5 = nullptr, *SpeedButtonG = nullptr,
                *SpeedButtonE = nullptr, *SpeedButtonS = nullptr;
};

} // namespace ab
