// SPDX-License-Identifier: GPL-3.0-or-later
// Undo and redo as a user meets them: a seeded random run of edits of every kind is taken back step
// by step to each earlier state exactly, and made again; the fields show the texts the window keeps,
// the title's mark follows the saved state, and the Edit menu names the edit it takes back.
#include "lang/edit_names.h"
#include "window_test_support.h"
#include "../files/temp_folder.h"
#include "files/aircraft_writer.h"

#include "stability/stability.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <random>

namespace ab {
namespace {

const char* const kTexts[] = {"120", "22O", "", "-80", "335", "abc", "1.5", "  7", "0", "480"};
const char* const kDihedralTexts[] = {"", "40", "-7,5", "75", "x", "0"};

// One edit of a random kind; the kind or field differs from the previous edit's, so that no two
// edits merge into one step.
class RandomEditor {
public:
    explicit RandomEditor(TForm1& form) : form(form) {}

    void edit()
    {
        for (;;) {
            const int kind = pick(7);
            int key = kind * 1000; // typing into one field is one key, whichever case typed it
            const AircraftTexts before = form.textsState();
            switch (kind) {
            case 0: case 1: case 2: { // typing into a field
                const int w = 1 + pick(MaxWings);
                const auto role = static_cast<Role>(pick(RoleCount));
                key = w * RoleCount + static_cast<int>(role);
                if (key == lastKey)
                    continue;
                type(form, std::string(fieldName(w, role)), kTexts[pick(std::size(kTexts))]);
                break;
            }
            case 3: {
                const int w = 1 + pick(MaxWings);
                control<QRadioButton>(form, std::string(trapezoidButtonName(w, 1 + pick(MaxTrapezoids))))->click();
                break;
            }
            case 4:
                control<QRadioButton>(form, std::string(wingCountButtonName(1 + pick(MaxWings))))->click();
                break;
            case 5:
                if (key == lastKey)
                    continue;
                type(form, "Edit_Mstab", std::to_string(pick(20)));
                break;
            case 6: { // a dihedral
                const int w = 1 + pick(MaxWings), k = 1 + pick(MaxTrapezoids);
                key = 500 + 10 * w + k;
                if (key == lastKey)
                    continue;
                type(form, "Edit_dih" + std::to_string(w) + std::to_string(k), kDihedralTexts[pick(std::size(kDihedralTexts))]);
                break;
            }
            }
            if (form.textsState() == before)
                continue; // no change, no step
            lastKey = key;
            return;
        }
    }

private:
    int pick(std::size_t n) { return static_cast<int>(random() % n); }
    TForm1& form;
    std::mt19937 random{20261207};
    int lastKey = -1;
};

// Where two states differ, for a failure message.
std::string differences(const AircraftTexts& a, const AircraftTexts& b)
{
    std::string d;
    if (a.wingCount != b.wingCount)
        d += " wing count " + std::to_string(a.wingCount) + "/" + std::to_string(b.wingCount);
    for (int w = 1; w <= MaxWings; ++w) {
        if (a.wing[w].trapezoidCount != b.wing[w].trapezoidCount)
            d += " trapezoids of " + std::to_string(w);
        for (int r = 0; r < RoleCount; ++r)
            if (a.wing[w].field[r] != b.wing[w].field[r])
                d += " " + std::string(fieldName(w, static_cast<Role>(r))) + " '" + a.wing[w].field[r] + "'/'" +
                     b.wing[w].field[r] + "'";
        if (a.wing[w].dihedral != b.wing[w].dihedral)
            d += " dihedral of " + std::to_string(w);
    }
    if (a.margin != b.margin)
        d += " margin " + a.margin + "/" + b.margin;
    if (a.stabilityMode != b.stabilityMode)
        d += " mode";
    return d;
}

void expectFieldsShow(const TForm1& form, const AircraftTexts& texts)
{
    for (int w = 1; w <= MaxWings; ++w)
        for (int r = 0; r < RoleCount; ++r)
    {
        for (int r = 0; r < RoleCount; ++r)
            ASSERT_EQ(textOf(form, std::string(fieldName(w, static_cast<Role>(r)))), texts.wing[w].field[r]);
        for (int k = 1; k <= MaxTrapezoids; ++k)
            ASSERT_EQ(textOf(form, "Edit_dih" + std::to_string(w) + std::to_string(k)), texts.wing[w].dihedral[k]);
    }
}

TEST(WindowUndo, EveryEarlierStateComesBackExactlyAndRedoMakesItAgain)
{
    TForm1 form;
    RandomEditor editor(form);
    std::vector<AircraftTexts> states{form.textsState()};
    constexpr int kSteps = 200;
    for (int i = 0; i < kSteps; ++i) {
        editor.edit();
        states.push_back(form.textsState());
    }
    ASSERT_TRUE(form.isWindowModified());
    for (int i = kSteps - 1; i >= 0; --i) {
        SCOPED_TRACE("undo to state " + std::to_string(i));
        trigger(form, "Undo1");
        ASSERT_EQ(form.textsState(), states[i]) << differences(form.textsState(), states[i]);
        expectFieldsShow(form, states[i]);
        ASSERT_FALSE(form.aircraftState().ResultsValid);
    }
    EXPECT_FALSE(control<QAction>(form, "Undo1")->isEnabled());
    EXPECT_FALSE(form.isWindowModified()); // back at the state the window started with
    for (int i = 1; i <= kSteps; ++i) {
        SCOPED_TRACE("redo to state " + std::to_string(i));
        trigger(form, "Redo1");
        ASSERT_EQ(form.textsState(), states[i]) << differences(form.textsState(), states[i]);
    }
    expectFieldsShow(form, states.back());
    EXPECT_FALSE(control<QAction>(form, "Redo1")->isEnabled());
}

TEST(WindowUndo, KeystrokesInOneFieldAreOneStepNamedInTheMenu)
{
    TForm1 form;
    const std::string rootChord(fieldName(1, Role::RootChord));
    for (const char* text : {"2", "22", "220"})
        type(form, rootChord, text);
    EXPECT_EQ(textOf(form, "Undo1"),
              undoMenuText(editName({.kind = EditKind::Field, .wing = 1, .role = Role::RootChord}, Language::English),
                           Language::English));
    trigger(form, "Undo1");
    EXPECT_EQ(form.textsState(), TForm1().textsState());
    EXPECT_EQ(textOf(form, "Undo1"), undoMenuText("", Language::English));
    EXPECT_FALSE(form.isWindowModified());
}

// Undoing an edit that leaves the geometry as it was (a part's mass, the stability mode, a margin, a
// wing's name) keeps the calculated results; undoing one that changed the geometry does not. The
// margin field takes a decimal comma.
TEST(WindowUndo, OnlyAnotherGeometryMakesTheResultsStale)
{
    TForm1 form;
    form.show();
    trigger(form, "calculateAction");
    ASSERT_TRUE(form.aircraftState().ResultsValid);
    control<QPushButton>(form, "BalanceAdd")->click();
    control<QTableWidget>(form, "BalanceTable")->item(0, 1)->setText("120");
    control<QRadioButton>(form, "RadioButton16")->click();
    type(form, "Edit_Mstab", "7,5");
    EXPECT_EQ(form.textsState().margin, "7,5");
    EXPECT_EQ(textOf(form, "Label21"),
              label21Text(form.aircraftState(), stabilityFigures(form.aircraftState(), 7.5), Language::English));
    type(form, "Edit_name1", "Main wing");
    for (int step = 0; step < 5; ++step) {
        trigger(form, "Undo1");
        EXPECT_TRUE(form.aircraftState().ResultsValid) << "undo " << step;
    }
    EXPECT_TRUE(form.textsState().balance.empty());

    type(form, std::string(fieldName(1, Role::RootChord)), "300");
    trigger(form, "calculateAction");
    ASSERT_TRUE(form.aircraftState().ResultsValid);
    trigger(form, "Undo1"); // the calculation's step (heights kept) merges into nothing; the chord goes back
    EXPECT_FALSE(form.aircraftState().ResultsValid);

    // A trapezoid count is geometry too, though no field text changes with it.
    const int count = form.textsState().wing[1].trapezoidCount;
    control<QRadioButton>(form, std::string(trapezoidButtonName(1, count % MaxTrapezoids + 1)))->click();
    trigger(form, "calculateAction");
    ASSERT_TRUE(form.aircraftState().ResultsValid);
    trigger(form, "Undo1");
    EXPECT_EQ(form.textsState().wing[1].trapezoidCount, count);
    EXPECT_FALSE(form.aircraftState().ResultsValid);
}

// The spacing of the strips under the calculate button: its entries fit the box in every language;
// choosing refined strips makes the results stale, is one step of the history, and calculates the
// neutral point batch mode gives for the same file; a file saved with refined strips opens with the
// box showing them.
TEST(WindowUndo, TheSpacingOfTheStripsIsOneStepAndAnotherGeometry)
{
    TForm1 form({QString::fromStdString(kExamples + "trainer.wk4")});
    form.show();
    auto* box = control<QComboBox>(form, "ComboSpacing");
    for (const char* language : {"german1", "spain1", "english1"}) {
        trigger(form, language);
        for (int i = 0; i < box->count(); ++i)
            EXPECT_LE(box->fontMetrics().horizontalAdvance(box->itemText(i)) + 24, box->width())
                << box->itemText(i).toStdString();
    }
    trigger(form, "calculateAction");
    const double equal = form.aircraftState().NeutralPointX;
    box->setCurrentIndex(1);
    EXPECT_EQ(form.textsState().spacing, SpanwiseSpacing::Refined);
    EXPECT_FALSE(form.aircraftState().ResultsValid);
    trigger(form, "calculateAction");
    CoreOpened core = openedByCore("trainer.wk4");
    core.texts.spacing = SpanwiseSpacing::Refined;
    SolverData sd;
    ASSERT_FALSE(calculate(core.aircraft, core.texts, sd, Language::English).failed);
    EXPECT_EQ(form.aircraftState().NeutralPointX, core.aircraft.NeutralPointX);
    EXPECT_NE(form.aircraftState().NeutralPointX, equal);

    EXPECT_EQ(textOf(form, "Undo1"), "Undo strips along the span");
    trigger(form, "Undo1");
    EXPECT_EQ(box->currentIndex(), 0);
    EXPECT_EQ(form.textsState().spacing, SpanwiseSpacing::Equal);
    EXPECT_FALSE(form.aircraftState().ResultsValid);
    trigger(form, "Redo1");
    EXPECT_EQ(box->currentIndex(), 1);

    test::TempFolder folder;
    const std::string saved = folder.file("refined.wk4");
    test::writeBytes(saved, aircraftFileText(form.textsState(), form.aircraftState()));
    TForm1 reopened({QString::fromStdString(saved)});
    EXPECT_EQ(control<QComboBox>(reopened, "ComboSpacing")->currentIndex(), 1);
    EXPECT_EQ(reopened.textsState().spacing, SpanwiseSpacing::Refined);
}

// Typing into a field, leaving it and coming back starts a new step.
TEST(WindowUndo, TypingAfterLeavingAFieldIsANewStep)
{
    TForm1 form;
    form.show();
    QApplication::setActiveWindow(&form);
    auto* rootChord = control<QLineEdit>(form, std::string(fieldName(1, Role::RootChord)));
    auto* tipChord = control<QLineEdit>(form, std::string(fieldName(1, tipChordRole(1))));
    const std::string before = form.textsState().wing[1][Role::RootChord];
    rootChord->setFocus();
    rootChord->setText("3");
    rootChord->setText("30");
    tipChord->setFocus();
    rootChord->setFocus();
    rootChord->setText("300");
    trigger(form, "Undo1");
    EXPECT_EQ(form.textsState().wing[1][Role::RootChord], "30");
    trigger(form, "Undo1");
    EXPECT_EQ(form.textsState().wing[1][Role::RootChord], before);
}

} // namespace
} // namespace ab
