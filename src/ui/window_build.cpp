// SPDX-License-Identifier: GPL-3.0-or-later
// Construction of the main window: the client area with the top strip of tool buttons and the file
// name, the main menu, the tab control with its pages, the parts wired to one another, and the start
// state without a file.
#include "ui/main_window.h"

#include "draw/colours.h"
#include "files/aircraft_templates.h"
#include "files/settings_file.h"
#include "lang/captions.h"
#include "ui/balance_commands.h"
#include "ui/balance_page.h"
#include "ui/calculation_commands.h"
#include "ui/commands.h"
#include "ui/document_signals.h"
#include "ui/export_commands.h"
#include "ui/file_commands.h"
#include "ui/fuselage_commands.h"
#include "ui/history_commands.h"
#include "ui/image_view.h"
#include "ui/info_dialog.h"
#include "ui/page_control.h"
#include "ui/units_choice.h"
#include "ui/widgets.h"
#include "ui/wing_copy_commands.h"
#include "views/remark_lines.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QApplication>
#include <QCheckBox>
#include <QFontDatabase>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTabBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QToolButton>

namespace ab {
namespace {

// The client area the window was laid out for; the window is never made smaller. With the menu bar
// and a title bar it fits a screen of 1366 x 768 above a panel.
constexpr int kClientWidth = 821;
constexpr int kClientHeight = 661;

// A block of the remarks memo that continues the line before it: the break before it is a cut of
// a long line, no line break of the remark.
constexpr int kContinuedLine = 1;

std::u16string_view utf16Of(const QString& s)
{
    return {reinterpret_cast<const char16_t*>(s.utf16()), static_cast<std::size_t>(s.size())};
}

// The memo's layout cuts every line longer than a display line before it lays anything out, however
// the text came in (opened with a file, typed or pasted): Qt lays out one block in a time that
// grows with the square of its length when a line has no place to break.
class RemarksLayout : public QPlainTextDocumentLayout {
public:
    using QPlainTextDocumentLayout::QPlainTextDocumentLayout;

    // A line still to be cut is not laid out: its cut follows with the change that brought it, and
    // until then only the insertion itself asks (for the cursor it places at the text's ends).
    QRectF blockBoundingRect(const QTextBlock& block) const override
    {
        if (isLong(block))
            return {};
        return QPlainTextDocumentLayout::blockBoundingRect(block);
    }

protected:
    void documentChanged(int from, int charsRemoved, int charsAdded) override
    {
        // Cutting is a change of its own, which comes here again and is laid out then.
        if (!cutLongLines(from, charsAdded))
            QPlainTextDocumentLayout::documentChanged(from, charsRemoved, charsAdded);
    }

private:
    static bool isLong(const QTextBlock& block) { return block.length() - 1 > static_cast<int>(LongestDisplayLine); }

    bool cutLongLines(int from, int charsAdded)
    {
        QTextDocument* doc = document();
        struct Cuts {
            QTextBlock block;
            std::vector<std::size_t> at;
        };
        std::vector<Cuts> cuts;
        const QTextBlock last = doc->findBlock(from + charsAdded);
        for (QTextBlock b = doc->findBlock(from); b.isValid(); b = b.next()) {
            if (isLong(b))
                cuts.push_back({b, displayLineCuts(utf16Of(b.text()))});
            if (b == last)
                break;
        }
        if (cuts.empty())
            return false;
        QTextCursor cursor(doc);
        cursor.joinPreviousEditBlock(); // undone with the change that made the line long
        // From the end, so that the positions still to cut stay where they were.
        for (auto c = cuts.rbegin(); c != cuts.rend(); ++c)
            for (auto at = c->at.rbegin(); at != c->at.rend(); ++at) {
                cursor.setPosition(c->block.position() + static_cast<int>(*at));
                cursor.insertBlock();
                cursor.block().setUserState(kContinuedLine);
            }
        cursor.endEditBlock();
        return true;
    }
};

// The remarks memo: word-wrapped, with long lines cut by its layout.
QPlainTextEdit* remarksMemo(QWidget* page)
{
    auto* memo = place<QPlainTextEdit>(page, "Memo2", 24, 24, 561, 457);
    auto* doc = new QTextDocument(memo);
    doc->setDocumentLayout(new RemarksLayout(doc));
    memo->setDocument(doc);
    return memo;
}

// The remark the memo shows: its lines joined by line breaks, the cuts of long lines joined again.
// The blocks' own texts keep every character as it came (the memo's plain text would turn a
// no-break space into a space).
std::string remarkOf(const QTextDocument* doc)
{
    QString remark;
    remark.reserve(doc->characterCount());
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
        if (b != doc->begin() && b.userState() != kContinuedLine)
            remark += u'\n';
        remark += b.text();
    }
    return remark.toStdString();
}

// What the memo shows of a remark, as remarkOf gives it back: the memo starts a line at every line
// break it knows (CR LF, CR, LF and the paragraph and frame marks), and remarkOf joins them by LF.
std::string remarkAsShown(const std::string& remark)
{
    // Most remarks hold none of them: spare a long one the conversion on every key typed.
    if (remark.find('\r') == std::string::npos && remark.find("\xE2\x80\xA9") == std::string::npos &&
        remark.find("\xEF\xB7\x90") == std::string::npos && remark.find("\xEF\xB7\x91") == std::string::npos)
        return remark;
    QString shown = qs(remark);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    // CR, the paragraph separator and the beginning and end of a frame.
    for (const char16_t mark : {u'\r', u'\u2029', u'\uFDD0', u'\uFDD1'})
        shown.replace(QChar(mark), QChar(u'\n'));
    return shown.toStdString();
}

// A caption broken at its spaces into lines no wider than the room, as the control measures them.
template <typename Control>
QString linesInRoom(Control* control, const QString& text, int room)
{
    QStringList lines;
    QString line;
    for (const QString& word : text.split(u' ', Qt::SkipEmptyParts)) {
        const QString longer = line.isEmpty() ? word : line + u' ' + word;
        control->setText((lines + QStringList{longer}).join(u'\n'));
        if (line.isEmpty() || control->sizeHint().width() <= room) {
            line = longer;
        } else {
            lines << line;
            line = word;
        }
    }
    lines << line;
    return lines.join(u'\n');
}

// A caption with a limited room keeps the control's usual font and takes as many lines as it needs
// (the Spanish stability modes take two); only a single word wider than the room would be set
// smaller.
template <typename Control>
void setCaptionInRoom(Control* control, const QString& text)
{
    const int room = control->property("captionRoom").toInt();
    if (room > 0) {
        QFont usual = control->font();
        usual.setPixelSize(control->property("captionPixels").toInt());
        control->setFont(usual);
        control->setText(text);
        if (control->sizeHint().width() > room)
            control->setText(linesInRoom(control, text, room));
    }
    fitCaption(control, room > 0 ? control->text() : text);
}

} // namespace

TForm1::TForm1(const QStringList& arguments, QWidget* parent) : QMainWindow(parent)
{
    setObjectName("Form1");
    setWindowTitle(" AeroBalance4  V3.4[*]"); // [*]: the mark of unsaved changes
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPixelSize(12);
    setFont(font);
    QPalette silver = palette();
    silver.setColor(QPalette::Window, clSilver);
    silver.setColor(QPalette::Button, clSilver);
    setPalette(silver);

    auto* client = new QWidget(this);
    client->setObjectName("client");
    client->setMinimumSize(kClientWidth, kClientHeight);
    setCentralWidget(client);

    commands = new WindowCommands(this);
    bindCommands();
    commands->buildToolButtons(client);

    PageControl1 = place<PageControl>(client, "PageControl1", 0, 22, kClientWidth + 4, kClientHeight - 23);
    setInk(PageControl1->tabBar(), clGreen);
    TabSheet5 = PageControl1->addPage("TabSheet5");
    constexpr const char* wingTabs[MaxWings + 1] = {"", "TabSheet1", "TabSheet2", "TabSheet3", "TabSheet6", "TabSheet7"};
    PerWing<QWidget*> wingTab{};
    for (int w = 1; w <= MaxWings; ++w)
        wingTab[w] = PageControl1->addPage(wingTabs[w]);
    TabSheet4 = PageControl1->addPage("TabSheet4");
    TabSheet8 = PageControl1->addPage("TabSheet8");

    document.setComment(defaultAircraftTexts().comment);
    buildAircraftTab(TabSheet5, wingTab);

    Memo2 = remarksMemo(TabSheet4);
    setBackground(Memo2, clInfoBk);
    setInk(Memo2, clBlue);
    QFont bold = Memo2->font();
    bold.setBold(true);
    Memo2->setFont(bold);
    connect(Memo2, &QPlainTextEdit::textChanged, this, [this] {
        std::string remark = remarkOf(Memo2->document());
        // Only cut into display lines, or the remark put in as it is shown: its own line breaks and
        // characters stay, byte for byte, until the user edits it.
        if (remark == document.texts.comment || remark == remarkAsShown(document.texts.comment))
            return;
        document.setComment(remark);
        if (!building)
            history->recordEdit({.kind = EditKind::Remarks}, HistoryCommands::RemarksTypingKey);
    });

    buildParts(client);
    for (const DesignCaption& c : designCaptions())
        setCaptionOf(c.control, QString::fromUtf8(c.text));
    connect(PageControl1, &PageControl::changed, this, [this] { PageControl1Change(); });
    connect(PageControl1, &PageControl::pageShown, this, [this](QWidget* page) {
        if (page == TabSheet5)
            PageControl1Change();
    });

    resize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());
    building = false;
    Create1(arguments);
}

// The window is hidden while its parts and the aircraft they read still stand: hiding moves the
// focus, which the undo history and the margin bar follow.
TForm1::~TForm1()
{
    calculation->endWorker(); // a calculation still running leaves at its next step, before the document goes
    hide();
}

// The parts of the tabs after the aircraft tab, and those of the commands, each told what it needs
// of the window and of the other parts.
void TForm1::buildParts(QWidget* client)
{
    const auto languageOf = [this] { return language(); };
    const auto unitsOf = [this] { return unitsChoice ? unitsChoice->units() : UnitSystem::Metric; }; // made last
    const auto asOneEdit = [this](const Edit& edit, const std::function<void()>& writes) {
        history->asOneEdit(edit, writes);
    };
    balance = new BalanceCommands(
        document, aircraftViews, TabSheet8,
        {.language = languageOf,
         .recordEdit =
             [this](const Edit& edit, int typingKey) {
                 if (!building)
                     history->recordEdit(edit, typingKey);
             },
         .focusSession = [this] { return history ? history->focusSession() : 0; },
         .marginTypingKey = HistoryCommands::MarginTypingKey},
        this);
    fuselage = new FuselageCommands(document, PageControl1, aircraftViews,
                                    {.language = languageOf,
                                     .settingControls = [this] { return building || history->puttingBack(); },
                                     .evaluate = [this] { Calc(); },
                                     .recordEdit = [this](const Edit& edit) { history->recordEdit(edit); }},
                                    this);
    history = new HistoryCommands(
        document, new DocumentSignals(document, this),
        {.wingPage = wingPage,
         .wingCountButton = wingCountButton,
         .views = aircraftViews,
         .remarks = Memo2,
         .commands = commands,
         .widget = this,
         .language = languageOf,
         .showPartTexts =
             [this] {
                 balance->page->showItems(document.texts.balance);
                 fuselage->showStations();
                 calculation->showSpacing();
             },
         .evaluate =
             [this](ResultsAfterPass results) {
                 showWingNames();
                 Calc(results);
                 Space1();
                 balance->showBalance();
             }},
        this);
    wingCopy = new WingCopyCommands(document, commands,
                                    {.widget = this,
                                     .wingPage = wingPage,
                                     .language = languageOf,
                                     .activePage = [this] { return activePageNumber(); },
                                     .asOneEdit = asOneEdit,
                                     .copyTaken = [this] { files->offerPlainSave(); },
                                     .commandsChanged = [this] { applyCommandStates(); }},
                                    this);
    files = new FileCommands(document, client,
                             {.widget = this,
                              .questions = &questions,
                              .commands = commands,
                              .pages = PageControl1,
                              .aircraftTab = TabSheet5,
                              .wingPage = wingPage,
                              .wingCountButton = wingCountButton,
                              .remarks = Memo2,
                              .views = aircraftViews,
                              .balance = balance,
                              .language = languageOf,
                              .units = unitsOf,
                              .showFuselage = [this] { fuselage->showStations(); },
                              .showSpacing = [this] { calculation->showSpacing(); },
                              .evaluate = [this] { Calc(); },
                              .resultsGoStale = [this] { calculation->resultsGoStale(); },
                              .commandsChanged = [this] { applyCommandStates(); },
                              .showNotes = [this](const std::vector<std::string>& notes) { calculation->showFileNotes(notes); },
                              .copyFileChanged = [this] { wingCopy->readAvailability(); },
                              .asOneEdit = asOneEdit,
                              .markSaved = [this] { history->markSaved(HistoryCommands::After::Keep); }},
                             this);
    unitsChoice = new UnitsChoice(commands->View1, {wingPage, aircraftViews, balance->page, fuselage->page},
                                  [this] { selectLanguage(language()); }, this);
}

// Each command's action runs its entry point; the parts bind their own.
void TForm1::bindCommands()
{
    WindowCommands& c = *commands;
    connect(c.Exit1, &QAction::triggered, this, [this] { close(); });
    // Stored results come without their lattice: the calculation runs first (a fraction of a second)
    // so that the page shows the lattice and the three-dimensional view.
    connect(c.Print1, &QAction::triggered, this, [this] { calculation->withLattice([this] { printAircraft(); }); });
    connect(c.Info1, &QAction::triggered, this, [this] {
        if (!infoDialog)
            infoDialog = new TForm2(this);
        // German when chosen, else English when chosen, else Spanish.
        infoDialog->showTexts(languageFlags.LanguageGerman    ? Language::German
                              : languageFlags.LanguageEnglish ? Language::English
                                                              : Language::Spanish);
        infoDialog->show();
        infoDialog->raise();
        infoDialog->activateWindow();
    });
    const std::pair<QAction*, Language> languages[] = {
        {c.german1, Language::German}, {c.english1, Language::English}, {c.spain1, Language::Spanish}};
    for (auto [action, l] : languages)
        connect(action, &QAction::triggered, this, [this, l] { selectLanguage(l); });
    exports = new ExportCommands(
        document,
        {.widget = this,
         .language = [this] { return language(); },
         .units = [this] { return unitsChoice ? unitsChoice->units() : UnitSystem::Metric; },
         .shownFileName = [this] { return files->shownName(); },
         .activePage = [this] { return activePageNumber(); },
         .templateTitle = [this] { return commands->ExportTemplate1->text().remove("..."); },
         .reportError = [this](const std::string& message) { files->reportError(message); },
         .withLattice = [this](std::function<void()> then) { calculation->withLattice(std::move(then)); }},
        this);
    connect(c.ExportAvl1, &QAction::triggered, exports, &ExportCommands::exportAvl);
    connect(c.ExportCsv1, &QAction::triggered, exports, &ExportCommands::exportCsv);
    connect(c.ExportTemplate1, &QAction::triggered, exports, &ExportCommands::exportTemplate);
    connect(c.PrintTemplate1, &QAction::triggered, exports, &ExportCommands::printTemplate);
    connect(c.LiftPlot1, &QAction::triggered, exports, &ExportCommands::showLiftPlot);
    // The Edit menu's jumps to a tab; the aircraft tab's show event runs the page-change handling.
    const std::pair<QAction*, int> jumps[] = {{c.aircraft1, AircraftPage}, {c.wing11, 1}, {c.wing21, 2}, {c.wing31, 3}};
    for (auto [action, page] : jumps)
        connect(action, &QAction::triggered, this, [this, page] {
            PageControl1->setActivePage(page == AircraftPage ? TabSheet5 : wingPage[page]->tab());
            wingCopy->jumpedTo(page);
        });
    for (int k = 1; k <= MaxWings; ++k)
        connect(c.chng[k], &QAction::triggered, this, [this, k] { exchangeWings(k); });
    connect(c.InsertWingFromFile1, &QAction::triggered, this, [this] { files->insertWing(activePageNumber()); });
}

void TForm1::setCaptionOf(const char* objectName, const QString& text)
{
    QObject* control = findChild<QObject*>(QString::fromUtf8(objectName));
    if (!control)
        return;
    if (control->parent() == PageControl1)
        PageControl1->setTabText(static_cast<QWidget*>(control), text);
    else if (auto* label = qobject_cast<QLabel*>(control)) {
        setCaptionInRoom(label, text);
        label->adjustSize();
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        setCaptionInRoom(button, text); // the stability modes take their size from placeControls
    } else if (auto* menu = qobject_cast<QMenu*>(control))
        menu->setTitle(text);
    else if (auto* action = qobject_cast<QAction*>(control))
        action->setText(text);
}

void TForm1::Create1(const QStringList& arguments)
{
    languageFlags = flagsFor(Language::English);
    wingCopy->readAvailability();

    // The window as it was left: size and place first, then the language. A missing or unreadable
    // settings file leaves the designed window in English.
    const Settings settings = files->readSettings();
    resize(settings.width.value_or(width()), settings.height.value_or(height()));
    if (settings.left || settings.top)
        move(settings.left.value_or(0), settings.top.value_or(0));
    selectLanguage(languageOfLetter(settings.letter));
    setLiveCalculation(settings.live.value_or(false));
    unitsChoice->choose(settings.units.value_or(UnitSystem::Metric));

    Memo2->setPlainText(qs(messages.RemarksPrompt));
    document.setWingCount(MaxWings);
    // The aircraft tab is on display from the start, as if it had just been shown.
    wingCopy->pageChanged();

    // The name is used as given: file names here tell capitals from small letters.
    if (arguments.size() == 1 && Load2(arguments.front().toStdString()))
        files->showOpened();
    else
        Calc();
    // The pass does not ask about centre gaps; ask once here so that a wing that starts with a gap
    // (the default wing 5) shows its question from the start.
    Space1();
    applyCommandStates();
    for (int w = 1; w <= MaxWings; ++w)
        wingPage[w]->drawSketch(qs(texts::sketchFlightDirection(w).in(language())));
    history->markSaved(HistoryCommands::After::StartAnew);
    files->started();
}

// The entry points that hand on to a part.
const std::string& TForm1::currentFileName() const { return files->shownName(); }
void TForm1::Button4Click() { calculation->calculate(); }
bool TForm1::calculationRunning() const { return calculation->running(); }
void TForm1::setLiveCalculation(bool on) { calculation->setLive(on); }
bool TForm1::liveCalculation() const { return calculation->liveOn(); }
bool TForm1::liveCalculationBusy() const { return calculation->liveBusy(); }
LiveCalculation* TForm1::liveWorker() const { return calculation->worker(); }
bool TForm1::Load2(const std::string& fileName) { return files->openFile(fileName); }
void TForm1::FormClose() { files->saveSettings(liveCalculation()); }

void TForm1::closeEvent(QCloseEvent* event)
{
    if (!files->offerToSave()) {
        event->ignore();
        return;
    }
    FormClose();
    event->accept();
}

} // namespace ab
