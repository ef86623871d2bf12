// SPDX-License-Identifier: GPL-3.0-or-later
// Construction of the main window: the client area with the top strip of tool buttons and the file
// name, the main menu, the tab control with its pages, and the start state without a file.
#include "ui/main_window.h"

#include "ui/balance_commands.h"
#include "ui/export_commands.h"

#include "files/settings_file.h"
#include "ui/live_calculation.h"
#include "files/wing_copy.h"
#include "lang/captions.h"
#include "draw/colours.h"
#include "ui/commands.h"
#include "ui/image_view.h"
#include "ui/page_control.h"
#include "ui/units_choice.h"
#include "ui/widgets.h"
#include "views/remark_lines.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFontDatabase>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>
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
    buildTopStrip(client);

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
    buildHiddenImages(TabSheet5);

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
        if (remark == texts.comment || remark == remarkAsShown(texts.comment))
            return;
        document.setComment(remark);
        recordEdit({.kind = EditKind::Remarks}, RemarksTypingKey);
    });

    balance = new BalanceCommands(
        document, aircraftViews, TabSheet8,
        {.language = [this] { return language(); },
         .recordEdit = [this](const Edit& edit, int typingKey) { recordEdit(edit, typingKey); },
         .focusSession = [this] { return focusSession; },
         .marginTypingKey = MarginTypingKey},
        this);
    buildFuselageTab();
    unitsChoice = new UnitsChoice(commands->View1, {wingPage, aircraftViews, balance->page, fuselagePage},
                                  [this] { applyLanguage(language()); }, this);
    buildHistory();
    buildLiveCalculation();
    applyDesignCaptions();
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
// focus, which the undo history and the margin bar follow. The application outlives the window, so
// its focus signal is let go of here.
TForm1::~TForm1()
{
    delete live; // a calculation still running leaves at its next step, before the document goes
    live = nullptr;
    hide();
    disconnect(focusWatch);
}

void TForm1::buildTopStrip(QWidget* client)
{
    Lab_FName = place<QLabel>(client, "Lab_FName", 40, 2, 737, 15);
    Lab_FName->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Lab_FName->setTextFormat(Qt::PlainText);
    setInk(Lab_FName, clBlue);
    QFont small = Lab_FName->font();
    small.setPixelSize(9);
    Lab_FName->setFont(small);
    commands->buildToolButtons(client);
}

// Each command's action runs its entry point.
void TForm1::bindCommands()
{
    WindowCommands& c = *commands;
    const std::pair<QAction*, void (TForm1::*)()> bindings[] = {
        {c.Open2, &TForm1::Load1Click},          {c.Exit1, &TForm1::Exit1Click},
        {c.Print1, &TForm1::Button6Click},       {c.aircraft1, &TForm1::aircraft1Click},
        {c.CopyWing1, &TForm1::CopyWing1Click},  {c.InsertCopiedWing1, &TForm1::InsertCopiedWing1Click},
        {c.Info1, &TForm1::BitBtn1Click},
    };
    for (auto [action, handler] : bindings)
        connect(action, &QAction::triggered, this, handler);
    const std::pair<QAction*, Language> languages[] = {
        {c.german1, Language::German}, {c.english1, Language::English}, {c.spain1, Language::Spanish}};
    for (auto [action, l] : languages)
        connect(action, &QAction::triggered, this, [this, l] { selectLanguage(l); });
    exports = new ExportCommands(
        document,
        {.widget = this,
         .language = [this] { return language(); },
         .units = [this] { return unitsChoice->units(); },
         .shownFileName = [this] { return CurrentFileName; },
         .activePage = [this] { return activePageNumber(); },
         .templateTitle = [this] { return commands->ExportTemplate1->text().remove("..."); },
         .reportError = [this](const std::string& message) { reportFileError(message); },
         .withLattice = [this](std::function<void()> then) { withLattice(std::move(then)); }},
        this);
    connect(c.ExportAvl1, &QAction::triggered, exports, &ExportCommands::exportAvl);
    connect(c.ExportCsv1, &QAction::triggered, exports, &ExportCommands::exportCsv);
    connect(c.ExportTemplate1, &QAction::triggered, exports, &ExportCommands::exportTemplate);
    connect(c.PrintTemplate1, &QAction::triggered, exports, &ExportCommands::printTemplate);
    connect(c.LiftPlot1, &QAction::triggered, exports, &ExportCommands::showLiftPlot);
    connect(c.Save2, &QAction::triggered, this, [this] { Save1Click(SaveChoice::AskName); });
    connect(c.Save3, &QAction::triggered, this, [this] { Save1Click(SaveChoice::CurrentFile); });
    const std::pair<QAction*, int> jumps[] = {{c.wing11, 1}, {c.wing21, 2}, {c.wing31, 3}};
    for (auto [action, w] : jumps)
        connect(action, &QAction::triggered, this, [this, w] { jumpToWing(w); });
    for (int k = 1; k <= MaxWings; ++k)
        connect(c.chng[k], &QAction::triggered, this, [this, k] { exchangeWings(k); });
    const auto templates = aircraftTemplates();
    for (std::size_t i = 0; i < templates.size(); ++i)
        connect(c.newFromTemplate[i], &QAction::triggered, this, [this, t = &templates[i]] { newFromTemplate(*t); });
    connect(c.calculateAction, &QAction::triggered, this, [this] {
        if (commands->calculateAction->isEnabled())
            Button4Click();
    });
}

void TForm1::applyDesignCaptions()
{
    for (const DesignCaption& c : designCaptions())
        setCaptionOf(c.control, QString::fromUtf8(c.text));
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
        setCaptionInRoom(button, text); // the stability modes take their size from placeCaptionedControls
    } else if (auto* menu = qobject_cast<QMenu*>(control))
        menu->setTitle(text);
    else if (auto* action = qobject_cast<QAction*>(control))
        action->setText(text);
}

// A file of the program's own in the desktop's folder for it ($XDG_CONFIG_HOME or $XDG_DATA_HOME,
// ~/.config or ~/.local/share when unset or relative), its path kept as the system's bytes.
static UserFile userFileIn(QStandardPaths::StandardLocation location, const char* name)
{
    return userFile(location == QStandardPaths::GenericConfigLocation ? configFolder() : dataFolder(), name);
}

void TForm1::Create1(const QStringList& arguments)
{
    languageFlags = flagsFor(Language::English);
    CopyFileName = userFileIn(QStandardPaths::GenericDataLocation, ab::CopyFileName);
    settingsFile = userFileIn(QStandardPaths::GenericConfigLocation, SettingsFileName);
    CopyAvailable = copyAvailable(fileToRead(CopyFileName));
    for (int w = 1; w <= MaxWings; ++w)
        wingPage[w]->offerInsert(CopyAvailable);

    // The window as it was left: size and place first, then the language. A missing or unreadable
    // settings file leaves the designed window in English.
    const Settings settings = readSettingsFile(fileToRead(settingsFile), Language::English).settings;
    resize(settings.width.value_or(width()), settings.height.value_or(height()));
    if (settings.left || settings.top)
        move(settings.left.value_or(0), settings.top.value_or(0));
    selectLanguage(languageOfLetter(settings.letter));
    setLiveCalculation(settings.live.value_or(false));
    deckUnit = settings.deckUnit.value_or(DeckUnit::Metre);
    unitsChoice->choose(settings.units.value_or(UnitSystem::Metric));

    Memo2->setPlainText(qs(messages.RemarksPrompt));
    document.setWingCount(MaxWings);
    CurrentFileName = "Unknown.wk4";
    // The aircraft tab is on display from the start, as if it had just been shown.
    setCopyCommands(copyCommandsAfterPageChange(activePageNumber(), CopyAvailable, copyCommands()));

    // The name is used as given: file names here tell capitals from small letters.
    if (arguments.size() == 1 && Load2(arguments.front().toStdString()))
        showOpenedAircraft();
    else
        Calc();
    // The pass does not ask about centre gaps; ask once here so that a wing that starts with a gap
    // (the default wing 5) shows its question from the start.
    Space1();
    applyCommandStates();
    for (int w = 1; w <= MaxWings; ++w)
        d_w(w);
    markSaved(HistoryAfterSave::StartAnew);
    noteDamagedFile(); // a damaged file named on the command line stays unsaved
    starting = false;
}

} // namespace ab
