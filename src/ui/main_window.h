// SPDX-License-Identifier: GPL-3.0-or-later
// The main window TForm1: the aircraft tab, five wing tabs, the remarks and balance tabs, made of
// parts that own their controls: a wing page per wing (wing_page.*), the aircraft views with the
// stability controls (aircraft_views.*), the balance tab (balance_page.*) and the commands with their
// menus and tool buttons (commands.*). The window works on one AircraftDocument: every change a part
// reports writes its text into the document's texts and runs the core's evaluation, and the parts
// show the figures the document gives; the window computes none of its own.
//
// The window's own files: building and the start (window_build.cpp, aircraft_tab.cpp), evaluation
// on field changes (evaluation.cpp), configuration editing (configuration_commands.cpp), languages
// (language_switch.cpp), layout (form_resize.cpp), the calculation (calculation_command.cpp), files,
// settings and closing (file_commands.cpp), wing copies (wing_copy_commands.cpp), printing
// (print_command.cpp), exports (export_commands.cpp), the balance (balance_commands.cpp), the fuselage
// (fuselage_tab.cpp), undo and redo (edit_commands.cpp) and the drawing entry points (views.cpp).
#pragma once

#include "document/aircraft_document.h"
#include "files/aircraft_reader.h"
#include "files/aircraft_templates.h"
#include "files/user_files.h"
#include "print/template_pdf.h"
#include "lang/language.h"
#include "model/aircraft.h"
#include "model/aircraft_texts.h"
#include "model/configuration.h"
#include "model/planform.h"
#include "solver/solver_data.h"
#include "stability/balance.h"
#include "stability/stability.h"
#include "ui/aircraft_views.h"
#include "ui/commands.h"
#include "ui/qt_translations.h"
#include "ui/wing_page.h"
#include "views/projection.h"
#include "views/view_geometry.h"
#include "views/window_rules.h"

#include <QMainWindow>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>
#include <string>

class QAction;
class QCheckBox;
class QLabel;
class QMouseEvent;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QToolButton;

namespace ab {

class ImageView;
class PageControl;
class TForm2;
class TForm3;
class BalancePage;
class BalanceCommands;
class DocumentSignals;
class ExportCommands;
class FuselagePage;
class LiftPlotDialog;
class LiveCalculation;
class MisreadLine;
class SpacingChoice;
class UnitsChoice;

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    // arguments: the command line after the program name; exactly one names an aircraft file to open.
    explicit TForm1(const QStringList& arguments = {}, QWidget* parent = nullptr);
    ~TForm1() override;

    // What the window asks the user; tests put their own answers here instead of dialogs.
    enum class SaveAnswer { Save, Discard, Cancel };
    std::function<QString()> chooseFileToOpen;     // an empty name: cancelled
    std::function<QString()> chooseFileToSave;     // an empty name: cancelled
    std::function<SaveAnswer()> askToSaveChanges;  // before unsaved changes would be lost
    std::function<void(const QString&)> showError; // a file that could not be read or written
    std::function<bool(const QString&)> askToReplace; // the question before a file is replaced
    // The unit of an AVL deck that does not state its own, offered the one chosen last; none: cancelled.
    std::function<std::optional<DeckUnit>(DeckUnit)> chooseDeckUnit;

    // The state the window keeps; tests and the later commands read it.
    const Aircraft& aircraftState() const { return aircraft; }
    const AircraftTexts& textsState() const { return texts; }
    const std::string& currentFileName() const { return CurrentFileName; }
    Language language() const { return currentLanguage(languageFlags); }

    // Entry points of the menu and button commands, also for tests.
    void Calc(ResultsAfterPass results = ResultsAfterPass::GoStale); // the recalculation pass
    void Calc_W(int w, ResultsAfterPass results = ResultsAfterPass::GoStale);
    void Space1(); // the centre-gap questions of every wing
    void PageControl1Change();
    void CheckBoxAClick();
    void chooseWingCount(int n);
    void chooseTrapezoidCount(int w, int n);
    void exchangeWings(int pair); // chng1Click .. chng5Click
    void Button_C1Click();        // the exchange of the pair ExchangePair
    void jumpToWing(int w);       // wing11Click, wing21Click, wing31Click
    void aircraft1Click();
    void FormResize();
    void Button4Click(); // "Calculate Aerodynamic Center": starts the run on the worker
    bool calculationRunning() const; // Calculate's run has not finished
    // Calculation while editing (the check box beside Calculate, View menu): on, every change of the
    // geometry is calculated in the background after a short pause.
    void setLiveCalculation(bool on);
    bool liveCalculation() const;
    bool liveCalculationBusy() const; // a calculation runs or waits for the pause to end
    LiveCalculation* liveWorker() const { return live; }
    void Load1Click();
    bool Load2(const std::string& fileName); // true when the file was read and applied
    void newFromTemplate(const AircraftTemplate& from); // File > New
    enum class SaveChoice { CurrentFile, AskName }; // Save, Save as
    void Save1Click(SaveChoice choice);
    void Exit1Click();
    void Button6Click(); // Print
    void BitBtn1Click();
    void FormClose();
    void Save_Wing();
    void Load_Wing();
    void CopyWing1Click();
    void InsertCopiedWing1Click();
    ViewState viewState() const; // the scales and places of the views as last drawn

    // The parameter sketch of wing w (the aircraft views draw the others themselves).
    void d_w(int w);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Building (one function per area) and binding of control events to handlers.
    void buildTopStrip(QWidget* client);
    void bindCommands();
    void buildAircraftTab(QWidget* tab, const PerWing<QWidget*>& wingTabs); // with the wing pages
    void buildHiddenImages(QWidget* tab);
    void applyDesignCaptions();
    void Create1(const QStringList& arguments); // the start: settings, copy file, language, file
    bool offerToSave(); // false when the user cancels; unsaved changes are saved or let go otherwise
    QString askOpenFileName();
    QString askSaveFileName();
    void reportFileError(const std::string& message);
    bool confirmReplace(const std::string& fileName); // the user's yes to replacing the file

    // Language procedures english, deutsch, spain share one body.
    void applyLanguage(Language language);
    void selectLanguage(Language language);
    void drawThumbnailTitles();
    void placeCaptionedControls(); // controls whose place follows their captions and the page size
    void setCaptionOf(const char* objectName, const QString& text);

    // Result label states shared by the wing evaluation, the pass and the calculation.
    void markResultsStale();
    void showNeutralPoints(ResultsShown shown);
    // After a complete run (explicit or in the background): the neutral points, the memo (all its
    // lines; after a run while editing those of a failure or of misread fields only), the stability
    // display and every view.
    enum class MemoOfRun { All, Live };
    void showCalculationResults(const CalculationRun& run, MemoOfRun memo);
    void calculateThen(std::function<void()> then); // `then` runs after a complete run
    void showStage(const StageReport& report);
    void finishCalculation(CalculatedCopy&& copy);
    void buildLiveCalculation();
    bool liveFollows() const; // geometry changes start a calculation in the background
    void showPreviousResults(bool shown);
    void adoptLiveResults(CalculatedCopy&& copy);
    void previewDrag(int w, const std::vector<FieldChange>& writes);
    void endDrag(int w, const std::vector<FieldChange>& writes);
    void showMemo(const std::vector<std::string>& lines, bool visible);
    void setCopyCommands(CopyCommands commands);
    CopyCommands copyCommands() const { return copyState; }
    // Every command's enabled state from the window's state, applied to its action (and so to its
    // tool button) after each change.
    WindowState windowState() const;
    void applyCommandStates();
    void showOpenedAircraft(); // after a file was read at start or by Open
    void noteDamagedFile();    // the notes of a damaged file in the memo, and the aircraft unsaved
    void applyReading(const AircraftFileReading& reading, const std::string& fileName);
    // `then` runs once the results have their lattice: at once, or after they were calculated again
    // when they were only stored; never without results.
    void withLattice(std::function<void()> then);
    void printAircraft();
    // The fuselage tab: its rows go into the texts, its figures follow the results (fuselage_tab.cpp).
    void buildFuselageTab();
    void fuselageEdited(const std::vector<FuselageStationTexts>& rows);
    void showFuselageFigures();
    void showFuselageLanguage(Language language);

    // Undo and redo: each edit is recorded as a step of the history (edit_commands.cpp).
    void buildHistory();
    static constexpr int MarginTypingKey = 1000, RemarksTypingKey = 1001, NameTypingKey = 1100; // beyond the fields' keys
    static constexpr int DihedralTypingKey = 1200; // + 10 x wing + trapezoid
    void recordEdit(const Edit& edit, int typingKey = -1);
    void asOneEdit(const Edit& edit, const std::function<void()>& writes);
    enum class HistoryAfterSave { Keep, StartAnew };
    void markSaved(HistoryAfterSave after);
    void showTexts(ResultsAfterPass results); // the document's texts, put back by undo or redo
    void updateUndoCommands();

    int activePageNumber() const; // AircraftPage, wing 1..5 or RemarksPage
    void fieldEdited(int w, Role role, const QString& text);
    void wingNameEdited(int w, const QString& name);
    void dihedralEdited(int w, int k, const QString& text);
    void spacingChosen(SpanwiseSpacing spacing);
    void showWingNames(); // in the tabs' captions and the position boxes
    // Writes the texts into their fields in order, each write running the field's change handling.
    void applyWrites(const std::vector<FieldChange>& writes);

public:
    // Controls, named as their objectName.
    QLabel* Lab_FName = nullptr;
    PageControl* PageControl1 = nullptr;
    QWidget *TabSheet5 = nullptr, *TabSheet4 = nullptr, *TabSheet8 = nullptr; // aircraft, remarks, balance
    PerWing<WingPage*> wingPage{}; // the wing pages, made with their tabs
    AircraftViews* aircraftViews = nullptr; // the top and three-dimensional views and their controls
    BalanceCommands* balance = nullptr;     // the balance tab with the margin and the stability mode
    QWidget* TabSheet9 = nullptr;           // the fuselage tab
    FuselagePage* fuselagePage = nullptr;
    QPlainTextEdit* Memo2 = nullptr;
    QWidget* Panel1 = nullptr;
    std::array<QRadioButton*, MaxWings + 1> wingCountButton{}; // RadioButton1 .. RB_W5, by count
    QLabel *Label23 = nullptr, *Label_w = nullptr, *Label24 = nullptr;
    ImageView *Image_P = nullptr, *Image4 = nullptr, *Image7 = nullptr, *Image6 = nullptr;
    QPushButton* Button4 = nullptr;
    QCheckBox* CheckBoxLive = nullptr; // calculation while editing
    SpacingChoice* spacingChoice = nullptr; // strips along the span, under CheckBoxLive
    QPlainTextEdit* Memo1 = nullptr;
    MisreadLine* misreadLine = nullptr; // the misread fields on a line of their own above the memo
    MisreadLine* liveLine = nullptr;        // the heights a calculation while editing used, above them
    WindowCommands* commands = nullptr; // menus, actions and tool buttons
    UnitsChoice* unitsChoice = nullptr; // View > Units: what the parts show and read lengths and masses in

private:
    // The aircraft the window works on; the names below are its parts, as the handlers know them.
    AircraftDocument document;
    const Aircraft& aircraft = document.aircraft;
    const AircraftTexts& texts = document.texts;
    const SolverData& solver = document.solver;
    LanguageFlags languageFlags;
    MessageTexts messages; // empty until a language is chosen
    QtTranslations qtTexts; // Qt's own dialogs and buttons in the chosen language
    // The wing copy in the user's data folder and the settings in the configuration folder, each
    // read from the working folder while it has not been made in its place (set by Create1).
    UserFile CopyFileName;
    UserFile settingsFile;
    bool CopyAvailable = false;
    PerWing<bool> CopySourceFlags{}; // flag 1 is CopyAvailable itself; 2..5: copied on that wing's tab
    std::string CurrentFileName = "Unknown.wk4";
    // The file the aircraft was last opened from or saved to; empty until there is one. A plain Save
    // writes without asking only to this file.
    const std::string& fileOfAircraft = document.fileName;
    std::string designName; // the template a new aircraft started from, as Save as offers it ("glider.wk4")
    DeckUnit deckUnit = DeckUnit::Metre; // the unit last chosen for an AVL deck, kept in the settings
    int ExchangePair = 1;
    bool building = true; // controls are being made: field events change nothing yet
    bool calculating = false;
    bool editedSinceCalculation = true; // Calculate is offered
    bool saveOffered = false;           // plain Save is offered
    CopyCommands copyState;             // copy and insert as page changes and menu jumps left them
    bool starting = true; // the start-up state is being set
    std::vector<std::string> openedFileNotes; // what the file opened last lacks (damaged_file.h)
    DocumentSignals* documentSignals = nullptr; // the document's changes as a signal
    int focusSession = 0;          // counts focus changes: typing steps merge within one
    QMetaObject::Connection focusWatch;
    int recordingSuspended = 0;    // writes of one edit made of many
    bool applyingHistory = false;  // undo or redo is putting a state on the controls
    TForm2* infoDialog = nullptr;
    LiveCalculation* live = nullptr;
    int liveSuspended = 0; // an explicit calculation, or heights a calculation moved being written
    std::function<void()> afterCalculation; // what waits for Calculate's run (an export)
    std::optional<WingTexts> textsBeforeDrag; // the dragged wing's texts while a drag is previewed

public:
    TForm3* printerDialog = nullptr; // made at the first print
    ExportCommands* exports = nullptr; // AVL, CSV, the wing template and the lift distribution plot
};

} // namespace ab
