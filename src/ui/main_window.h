// SPDX-License-Identifier: GPL-3.0-or-later
// The main window TForm1: the frame (the top strip, the tab control with the aircraft tab, five wing
// tabs, the remarks, balance and fuselage tabs) and the wiring of its parts, which own their controls
// and work on one AircraftDocument: a wing page per wing (wing_page.*), the aircraft views with the
// stability controls (aircraft_views.*), the commands with their menus and tool buttons (commands.*),
// and the parts for files (file_commands.*), the calculation (calculation_commands.*), the wing copy
// (wing_copy_commands.*), undo and redo (history_commands.*), the balance (balance_commands.*), the
// fuselage (fuselage_commands.*) and the exports (export_commands.*). The window itself writes a
// field's text into the document and runs the core's evaluation of the wings; it computes no figure.
//
// The window's own files: building and the start (window_build.cpp, aircraft_tab.cpp), evaluation
// on field changes (evaluation.cpp), configuration editing (configuration_commands.cpp), languages
// (language_switch.cpp), layout (form_resize.cpp), printing (print_command.cpp) and the drawing entry
// points (views.cpp).
#pragma once

#include "document/aircraft_document.h"
#include "lang/language.h"
#include "model/aircraft.h"
#include "model/aircraft_texts.h"
#include "model/configuration.h"
#include "ui/aircraft_views.h"
#include "ui/commands.h"
#include "ui/qt_translations.h"
#include "ui/window_questions.h"
#include "ui/wing_page.h"
#include "views/view_geometry.h"

#include <QMainWindow>
#include <QStringList>

#include <array>
#include <string>

class QPlainTextEdit;
class QRadioButton;

namespace ab {

class BalanceCommands;
class CalculationCommands;
class ExportCommands;
class FileCommands;
class FuselageCommands;
class HistoryCommands;
class LiveCalculation;
class PageControl;
class TForm2;
class TForm3;
class UnitsChoice;
class WingCopyCommands;

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    // The questions about files the window asks; tests put their own answers here instead of dialogs.
    WindowQuestions questions;
    using SaveAnswer = WindowQuestions::SaveAnswer;

    // arguments: the command line after the program name; exactly one names an aircraft file to open.
    explicit TForm1(const QStringList& arguments = {}, QWidget* parent = nullptr);
    ~TForm1() override;

    // The state the window shows; tests read it.
    const Aircraft& aircraftState() const { return document.aircraft; }
    const AircraftTexts& textsState() const { return document.texts; }
    const std::string& currentFileName() const;
    Language language() const { return currentLanguage(languageFlags); }
    ViewState viewState() const; // the scales and places of the views as last drawn

    // Entry points of the commands the tests and the benchmark call as the user would.
    void FormResize();
    void Button4Click(); // "Calculate Aerodynamic Center": starts the run on the worker
    bool calculationRunning() const; // Calculate's run has not finished
    // Calculation while editing (the check box beside Calculate, View menu).
    void setLiveCalculation(bool on);
    bool liveCalculation() const;
    bool liveCalculationBusy() const; // a calculation runs or waits for the pause to end
    LiveCalculation* liveWorker() const;
    bool Load2(const std::string& fileName); // true when the file was read and applied
    void FormClose(); // the settings written for the next start

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Building: the aircraft tab with the wing pages, the parts, the commands' bindings, the start.
    void buildAircraftTab(QWidget* tab, const PerWing<QWidget*>& wingTabs);
    void buildParts(QWidget* client);
    void bindCommands();
    void Create1(const QStringList& arguments); // the start: settings, copy file, language, file

    // Languages: every caption, message text and drawing with text in the language chosen.
    void selectLanguage(Language language);
    void setCaptionOf(const char* objectName, const QString& text);
    void showWingNames(); // in the tabs' captions and the position boxes
    void drawThumbnailTitles();

    // What a change sets off: the recalculation pass over every wing, the evaluation of one wing,
    // the centre-gap questions; the results go stale unless `results` keeps them.
    void Calc(ResultsAfterPass results = ResultsAfterPass::GoStale);
    void Calc_W(int w, ResultsAfterPass results = ResultsAfterPass::GoStale);
    void Space1();
    void fieldEdited(int w, Role role, const QString& text);
    void wingNameEdited(int w, const QString& name);
    void dihedralEdited(int w, int k, const QString& text);
    void chooseWingCount(int n);
    void chooseTrapezoidCount(int w, int n);
    void exchangeWings(int pair); // chng1Click .. chng5Click with Button_C1Click
    void PageControl1Change();
    int activePageNumber() const; // AircraftPage, wing 1..5 or RemarksPage
    // Every command's enabled state from the window's state, applied to its action (and so to its
    // tool button) after each change.
    void applyCommandStates();
    void printAircraft(); // Print: the summary page in the printer dialog

public:
    // Controls, named as their objectName, and the parts tests reach.
    PageControl* PageControl1 = nullptr;
    QWidget *TabSheet5 = nullptr, *TabSheet4 = nullptr, *TabSheet8 = nullptr; // aircraft, remarks, balance
    PerWing<WingPage*> wingPage{}; // the wing pages, made with their tabs
    std::array<QRadioButton*, MaxWings + 1> wingCountButton{}; // RadioButton1 .. RB_W5, by count
    QPlainTextEdit* Memo2 = nullptr; // the remarks
    AircraftViews* aircraftViews = nullptr; // the top and three-dimensional views and their controls
    WindowCommands* commands = nullptr;     // menus, actions and tool buttons
    BalanceCommands* balance = nullptr;   // the balance tab with the margin and the stability mode
    ExportCommands* exports = nullptr;    // AVL, CSV, the wing template and the lift distribution plot
    TForm3* printerDialog = nullptr;      // made at the first print

private:
    AircraftDocument document;
    // The parts the window wires to one another.
    FileCommands* files = nullptr;
    CalculationCommands* calculation = nullptr; // with the calculate button, the memo and the spacing
    WingCopyCommands* wingCopy = nullptr;
    HistoryCommands* history = nullptr;
    FuselageCommands* fuselage = nullptr; // the fuselage tab
    UnitsChoice* unitsChoice = nullptr; // View > Units: what the parts show and read lengths and masses in
    LanguageFlags languageFlags;
    MessageTexts messages; // empty until a language is chosen
    QtTranslations qtTexts; // Qt's own dialogs and buttons in the chosen language
    TForm2* infoDialog = nullptr;
    bool building = true; // controls are being made: field events change nothing yet
};

} // namespace ab
