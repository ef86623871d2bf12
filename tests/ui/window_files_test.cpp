// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/open_aircraft.h"
#include "files/settings_file.h"
#include "files/text_file.h"
#include "model/recalculation.h"
#include "ui/image_view.h"
#include "ui/page_control.h"
#include "window_test_support.h"

#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <fstream>
#include <sstream>

namespace ab {
namespace {

class WindowFiles : public InOwnFolder {};

std::string bytesOf(const std::string& file)
{
    std::ifstream in(file, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

void writeFile(const std::string& file, const std::string& bytes)
{
    std::ofstream(file, std::ios::binary) << bytes;
}

void open(TForm1& form, const std::string& file)
{
    form.questions.chooseFileToOpen = [file] { return QString::fromStdString(file); };
    trigger(form, "Open2");
}

std::vector<std::string> allFields(const TForm1& form)
{
    std::vector<std::string> fields;
    for (int w = 1; w <= MaxWings; ++w)
        for (int r = 0; r < RoleCount; ++r)
            fields.push_back(textOf(form, std::string(fieldName(w, static_cast<Role>(r)))));
    return fields;
}

TEST_F(WindowFiles, ExamplesOpenWithTheFieldsAndFiguresOfBatchMode)
{
    for (const char* name : kExampleNames) {
        SCOPED_TRACE(name);
        auto [ac, texts] = openedByCore(name);
        TForm1 form;
        open(form, kExamples + name);
        EXPECT_EQ(form.currentFileName(), kExamples + name);
        EXPECT_EQ(textOf(form, "Lab_FName"), kExamples + name);
        EXPECT_EQ(form.aircraftState().WingCount, texts.wingCount);
        for (int w = 1; w <= MaxWings; ++w) {
            EXPECT_TRUE(control<QRadioButton>(form, std::string(trapezoidButtonName(w, texts.wing[w].trapezoidCount)))->isChecked());
            for (int r = 0; r < RoleCount; ++r)
                EXPECT_EQ(textOf(form, std::string(fieldName(w, static_cast<Role>(r)))), texts.wing[w].field[r]);
            EXPECT_EQ(textOf(form, "Label_b" + std::to_string(w)), evaluateWing(ac, texts.wing[w], w).span);
        }
        EXPECT_EQ(control<QPlainTextEdit>(form, "Memo2")->toPlainText().toStdString(), texts.comment);
        EXPECT_FALSE(form.isWindowModified());
        EXPECT_TRUE(control<QAction>(form, "Save3")->isEnabled());
    }
}

TEST_F(WindowFiles, SaveReopenSaveGivesTheSameBytesAndTheResultsComeBack)
{
    TForm1 form;
    open(form, kExamples + "trainer.wk4");
    trigger(form, "calculateAction");
    const double neutralPoint = form.aircraftState().NeutralPointX;
    form.questions.chooseFileToSave = [this] { return QString::fromStdString(path("Trainer")); };
    trigger(form, "Save2");
    EXPECT_EQ(form.currentFileName(), path("Trainer.wk4")); // the extension is added
    EXPECT_EQ(textOf(form, "Lab_FName"), path("Trainer.wk4"));
    const std::string first = bytesOf(path("Trainer.wk4"));
    ASSERT_NE(first.find("<xnp>"), std::string::npos);

    TForm1 again;
    open(again, path("Trainer.wk4"));
    EXPECT_TRUE(again.aircraftState().ResultsValid); // shown without a calculation
    EXPECT_NEAR(again.aircraftState().NeutralPointX, neutralPoint, 0.005);
    EXPECT_FALSE(again.aircraftState().SolverDataValid);
    EXPECT_EQ(neutralPointMarkColour(again), QColor(Qt::red));
    trigger(again, "Save3");
    EXPECT_EQ(bytesOf(path("Trainer.wk4")), first);
}

TEST_F(WindowFiles, RefusedAndFailedFilesChangeNothingAndSayWhy)
{
    TForm1 form;
    std::vector<std::string> messages;
    form.questions.showError = [&](const QString& m) { messages.push_back(m.toStdString()); };
    const std::vector<std::string> before = allFields(form);
    writeFile(path("nine.wk4"), "<aircraft>\r\n <wings_count>9</wings_count>\r\n</aircraft>\r\n");
    open(form, path("nine.wk4"));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("nine.wk4"), std::string::npos);
    EXPECT_EQ(allFields(form), before);
    EXPECT_EQ(textOf(form, "Lab_FName"), "");

    // A save into a folder that does not exist leaves the name and its label alone.
    type(form, "Edit4", "300");
    form.questions.chooseFileToSave = [this] { return QString::fromStdString(path("missing/plane.wk4")); };
    trigger(form, "Save2");
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_NE(messages[1].find("plane.wk4"), std::string::npos);
    EXPECT_EQ(textOf(form, "Lab_FName"), "");
    EXPECT_TRUE(form.isWindowModified());
}

TEST_F(WindowFiles, UnsavedChangesAreOfferedForSavingBeforeTheyAreLost)
{
    TForm1 form;
    form.show();
    EXPECT_FALSE(form.isWindowModified());
    type(form, "Edit4", "300");
    EXPECT_TRUE(form.isWindowModified());
    int asked = 0;
    form.questions.askToSaveChanges = [&] { ++asked; return TForm1::SaveAnswer::Cancel; };
    form.questions.chooseFileToOpen = [] { ADD_FAILURE() << "no dialog after Cancel"; return QString(); };
    trigger(form, "Open2");
    EXPECT_FALSE(form.close());
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(asked, 2);

    form.questions.askToSaveChanges = [] { return TForm1::SaveAnswer::Save; };
    form.questions.chooseFileToSave = [this] { return QString::fromStdString(path("kept.wk4")); };
    // A copy taken enables "Save", but an aircraft without a file still asks for its name.
    trigger(form, "wing11");
    control<QPushButton>(form, "Button_C1")->click();
    ASSERT_TRUE(control<QAction>(form, "Save3")->isEnabled());
    EXPECT_TRUE(form.close());
    EXPECT_FALSE(QFile::exists("Unknown.wk4"));
    EXPECT_NE(bytesOf(path("kept.wk4")).find("<chord>300</chord>"), std::string::npos);
    // Closing wrote the settings for the next start.
    EXPECT_EQ(bytesOf(settingsPath()).substr(0, 3), "e\r\n");
}

TEST_F(WindowFiles, AnEditAfterASaveIsUnsavedAgainAndClosingAsks)
{
    TForm1 form;
    form.show();
    form.questions.chooseFileToSave = [this] { return QString::fromStdString(path("saved.wk4")); };
    trigger(form, "Save2");
    EXPECT_FALSE(form.isWindowModified());
    type(form, "Edit4", "300");
    EXPECT_TRUE(form.isWindowModified());
    int asked = 0;
    form.questions.askToSaveChanges = [&] { ++asked; return TForm1::SaveAnswer::Cancel; };
    EXPECT_FALSE(form.close());
    EXPECT_EQ(asked, 1);
}

TEST_F(WindowFiles, SettingsBringBackLanguageAndWindow)
{
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(path("config/aerobalance"))));
    writeFile(settingsPath(), "e\r\n900\r\n800\r\n50\r\n40\r\n");
    {
        TForm1 form;
        EXPECT_EQ(form.size(), QSize(900, 800));
        EXPECT_EQ(form.language(), Language::English);
        form.show();
        form.move(50, 40);
        form.FormClose();
    }
    // The same five lines back, and whether the window calculates while editing.
    EXPECT_EQ(bytesOf(settingsPath()), "e\r\n900\r\n800\r\n50\r\n40\r\n0\r\n");
    writeFile(settingsPath(), "d\r\n3000\r\n");
    TForm1 german;
    EXPECT_EQ(german.language(), Language::German);
    EXPECT_LT(german.width(), 3000);
    EXPECT_FALSE(control(german, "SpeedButtonG")->isHidden());
}

// Started from the menu or in a folder the user may not write, the settings and the wing copy go to
// the desktop's folders; the settings an earlier version left in the working folder come back once.
// As root the folder stays writable, so the test also checks that nothing is written into it.
TEST_F(WindowFiles, SettingsAndTheWingCopySurviveAReadOnlyStartFolder)
{
    const QString start = folder.path() + "/start";
    ASSERT_TRUE(QDir().mkpath(start));
    writeFile((start + "/Default.pa4").toStdString(), "d\r\n900\r\n800\r\n50\r\n40\r\n");
    QFile(start).setPermissions(QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup);
    QDir::setCurrent(start);
    const auto startFolderFiles = [&] { return QDir(start).entryList(QDir::Files | QDir::Hidden); };
    {
        TForm1 form;
        form.questions.showError = [](const QString& m) { ADD_FAILURE() << m.toStdString(); };
        form.show();
        EXPECT_EQ(form.language(), Language::German);
        EXPECT_EQ(form.size(), QSize(900, 800));
        trigger(form, "english1");
        trigger(form, "wing21");
        control<QPushButton>(form, "Button_C2")->click();
        EXPECT_TRUE(form.close());
    }
    EXPECT_EQ(startFolderFiles(), QStringList{"Default.pa4"});
    EXPECT_EQ(bytesOf(settingsPath()).substr(0, 3), "e\r\n");
    EXPECT_EQ(bytesOf(copyPath()).substr(0, 6), "   0\r\n");
    // The desktop's folders are the user's alone.
    EXPECT_EQ(QFile(QString::fromStdString(path("config/aerobalance"))).permissions() & 0x0077, 0);

    TForm1 again;
    EXPECT_EQ(again.language(), Language::English); // no longer the working folder's German
    EXPECT_TRUE(control(again, "Button_P1")->isEnabled());
    QFile(start).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// Settings that cannot be written are said at close, naming the file and the reason; the window
// closes all the same.
TEST_F(WindowFiles, SettingsThatCannotBeWrittenAreSaid)
{
    writeFile(path("config"), "a file where the configuration folder belongs");
    TForm1 form;
    std::vector<std::string> messages;
    form.questions.showError = [&](const QString& m) { messages.push_back(m.toStdString()); };
    form.show();
    EXPECT_TRUE(form.close());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find(settingsPath()), std::string::npos) << messages[0];
    EXPECT_NE(messages[0].find("Not a directory"), std::string::npos) << messages[0];
}

TEST_F(WindowFiles, AWingCopyMovesThePlanformAndKeepsThePlace)
{
    TForm1 form;
    control<QRadioButton>(form, "RadioButton8")->click(); // wing 2: two trapezoids
    trigger(form, "wing21");
    control<QPushButton>(form, "Button_C2")->click();
    EXPECT_TRUE(control(form, "Button_P4")->isEnabled());
    const std::string x4 = textOf(form, "Edit_x4"), z4 = textOf(form, "Edit_z4");
    control<PageControl>(form, "PageControl1")->tabBar()->setCurrentIndex(4); // wing 4
    control<QPushButton>(form, "Button_P4")->click();
    EXPECT_TRUE(control<QRadioButton>(form, "RadioButton_4t2")->isChecked());
    const std::pair<const char*, const char*> fields[] = {
        {"Edit34", " 135"}, {"Edit31", " 105"}, {"Edit35", " 282"}, {"Edit33", "  75"}, {"Edit44x", "  50"}};
    for (auto [name, text] : fields)
        EXPECT_EQ(textOf(form, name), text) << name;
    EXPECT_EQ(textOf(form, "Edit_x4"), x4);
    EXPECT_EQ(textOf(form, "Edit_z4"), z4);
    EXPECT_EQ(textOf(form, "Label_b4"), textOf(form, "Label_b2").substr(0, 0) + " 630mm"); // 2 x (105 + 210)
}

TEST_F(WindowFiles, AFileNamedOnTheCommandLineOpensAsGiven)
{
    {
        TForm1 form({QString::fromStdString(kExamples + "Canard.wk4")}); // no such file: capitals matter
        EXPECT_EQ(form.currentFileName(), "Unknown.wk4"); // a file not read does not become the current one
        std::string shown;
        form.questions.showError = [&](const QString& m) { shown = m.toStdString(); };
        QApplication::processEvents(); // the message waits for the window
        EXPECT_NE(shown.find("Canard.wk4"), std::string::npos);
    }
    TForm1 canard({QString::fromStdString(kExamples + "canard.wk4")});
    EXPECT_EQ(canard.aircraftState().WingCount, 2);
    EXPECT_TRUE(control<QAction>(canard, "Save3")->isEnabled());
    EXPECT_FALSE(canard.isWindowModified());
}

// A file cut short opens with defaults in its gaps, says so in the memo and stays unsaved, whether it
// is named at the start or opened later.
TEST_F(WindowFiles, ADamagedFileSaysSoAndStaysUnsaved)
{
    writeFile(path("two.wk4"), "<aircraft>\r\n<wings_count>2</wings_count>\r\n");
    const std::string note = "The file ends before wing 1: its values are defaults.";
    TForm1 started({QString::fromStdString(path("two.wk4"))});
    EXPECT_TRUE(started.isWindowModified());
    EXPECT_EQ(control<QPlainTextEdit>(started, "Memo1")->toPlainText().toStdString(), note);

    TForm1 form;
    open(form, kExamples + "canard.wk4");
    EXPECT_FALSE(form.isWindowModified());
    EXPECT_TRUE(control<QPlainTextEdit>(form, "Memo1")->isHidden());
    open(form, path("two.wk4"));
    EXPECT_TRUE(form.isWindowModified());
    EXPECT_FALSE(control<QPlainTextEdit>(form, "Memo1")->isHidden());
    EXPECT_EQ(control<QPlainTextEdit>(form, "Memo1")->toPlainText().toStdString(), note);
}

// A refused or cancelled open leaves the aircraft's file as the target of the next Save: the trainer
// takes the edit, the refused file keeps its bytes.
TEST_F(WindowFiles, ARefusedOrCancelledOpenLeavesTheFileThatSaveWrites)
{
    const std::string trainer = path("trainer.wk4");
    writeFile(trainer, bytesOf(kExamples + "trainer.wk4"));
    const std::pair<const char*, std::string> refused[] = {
        {"seven.wk4", "<aircraft>\r\n <wings_count>7</wings_count>\r\n</aircraft>\r\n"},
        {"nul.wk4", std::string("<aircraft>\r\n\0\r\n", 15)},
        {"large.wk4", std::string(MaxTextFileBytes + 1, ' ')},
        {"utf16.wk4", std::string("\xFF\xFE<\0a\0i\0r\0", 10)},
        {"nocount.wk4", "<aircraft>\r\n</aircraft>\r\n"},
        {"missing.wk4", ""}, // not written: no such file
        {"", ""},            // the open dialog cancelled
    };
    TForm1 form;
    int messages = 0;
    form.questions.showError = [&](const QString&) { ++messages; };
    open(form, trainer);
    const bool results = form.aircraftState().ResultsValid;
    int edit = 300;
    for (const auto& [name, bytes] : refused) {
        SCOPED_TRACE(name);
        const std::string file = *name ? path(name) : std::string();
        if (!bytes.empty())
            writeFile(file, bytes);
        const int before = messages;
        open(form, file);
        EXPECT_EQ(messages, before + (*name ? 1 : 0));
        EXPECT_EQ(form.currentFileName(), trainer);
        EXPECT_EQ(textOf(form, "Lab_FName"), trainer);
        EXPECT_EQ(form.aircraftState().ResultsValid, results);
        type(form, "Edit4", std::to_string(++edit));
        trigger(form, "Save3"); // Ctrl+S
        EXPECT_NE(bytesOf(trainer).find("<chord>" + std::to_string(edit) + "</chord>"), std::string::npos);
        if (!bytes.empty()) {
            EXPECT_EQ(bytesOf(file), bytes);
        }
        EXPECT_FALSE(form.isWindowModified());
    }
}

// The question before replacing comes whenever the name after the extension rule is an existing
// file the aircraft was not just opened from or saved to, and "No" leaves that file alone.
TEST_F(WindowFiles, ReplacingAFileTheUserDidNotNameIsAskedFirst)
{
    writeFile(path("Existing.wk4"), "old");
    writeFile(path("plane.da4"), bytesOf(kExamples + "biplane.da4"));
    writeFile(path("plane.wk4"), "other");
    TForm1 form;
    std::vector<std::string> questions;
    bool yes = false;
    form.questions.askToReplace = [&](const QString& q) { questions.push_back(q.toStdString()); return yes; };
    form.questions.chooseFileToSave = [this] { return QString::fromStdString(path("Existing")); };
    const struct {
        const char* action;
        bool answer;
        std::size_t questions; // asked so far
        const char* file;      // the file to look at and what it starts with afterwards
        const char* starts;
    } steps[] = {
        {"Save2", false, 1, "Existing.wk4", "old"},  // "Existing" typed: ".wk4" is added, the file exists
        {"Save2", true, 2, "Existing.wk4", "<aircraft>"},
        {"Save3", false, 2, "Existing.wk4", "<aircraft>"}, // the file just saved: no question
        {"open", false, 2, "plane.wk4", "other"},
        {"Save3", false, 3, "plane.wk4", "other"},         // the ".wk4" beside the opened ".da4"
        {"Save3", true, 4, "plane.wk4", "<aircraft>"},
        {"Save3", false, 4, "plane.wk4", "<aircraft>"},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(std::string(step.action) + " " + step.file + " " + std::to_string(questions.size()));
        yes = step.answer;
        if (std::string(step.action) == "open")
            open(form, path("plane.da4"));
        else
            trigger(form, step.action);
        EXPECT_EQ(questions.size(), step.questions);
        EXPECT_EQ(bytesOf(path(step.file)).rfind(step.starts, 0), 0u);
    }
    EXPECT_EQ(questions.front(), "\"" + path("Existing.wk4") + "\" already exists. Replace it?");
}

// Save as gives the extension to the file's own name: a folder named like an aircraft file keeps its
// name, and the file goes into it.
TEST_F(WindowFiles, SaveAsGivesTheExtensionToTheFileNameOnly)
{
    const struct {
        const char* folder;
        const char* given;
        const char* saved;
    } rows[] = {{"plans.da4", "plans.da4/myplane", "plans.da4/myplane.wk4"},
                {"v.wk4dir", "v.wk4dir/myplane", "v.wk4dir/myplane.wk4"}};
    TForm1 form;
    for (const auto& r : rows) {
        SCOPED_TRACE(r.given);
        ASSERT_TRUE(QDir(folder.path()).mkdir(r.folder));
        form.questions.chooseFileToSave = [&] { return QString::fromStdString(path(r.given)); };
        trigger(form, "Save2");
        EXPECT_EQ(form.currentFileName(), path(r.saved));
        EXPECT_EQ(textOf(form, "Lab_FName"), path(r.saved));
        EXPECT_EQ(bytesOf(path(r.saved)).rfind("<aircraft>", 0), 0u);
        EXPECT_EQ(QDir(QString::fromStdString(path(r.folder))).entryList(QDir::Files | QDir::Hidden).size(), 1);
    }
}

// Stored results that make no sense open as no results: nothing to print, no endless digits.
TEST_F(WindowFiles, StoredResultsThatMakeNoSenseAreNotShown)
{
    std::string file = bytesOf(kExamples + "trainer.wk4");
    file.insert(file.find(" <comment>"), " <sb>1e308</sb>\r\n <lmue>250</lmue>\r\n <xnp>130</xnp>\r\n");
    writeFile(path("odd.wk4"), file);
    TForm1 form;
    open(form, path("odd.wk4"));
    EXPECT_FALSE(form.aircraftState().ResultsValid);
    EXPECT_FALSE(control<QAction>(form, "Print1")->isEnabled());
}

// Qt's own buttons and dialogs speak the window's language.
TEST_F(WindowFiles, QtsOwnTextsFollowTheLanguage)
{
    TForm1 form;
    const std::pair<const char*, const char*> languages[] = {
        {"german1", "Speichern"}, {"spain1", "Guardar"}, {"english1", "Save"}};
    for (auto [action, save] : languages) {
        trigger(form, action);
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Save").toStdString(), save) << action;
    }
}

} // namespace
} // namespace ab
