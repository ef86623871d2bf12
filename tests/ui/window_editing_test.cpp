// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/calculation.h"
#include "ui/page_control.h"
#include "window_test_support.h"

#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>

namespace ab {
namespace {

std::vector<std::string> wingFigures(const TForm1& form, int w)
{
    const std::string n = std::to_string(w);
    return {textOf(form, "Label_b" + n), textOf(form, "Label_s" + n), textOf(form, "Label_lm" + n),
            textOf(form, "Label_r25" + n), textOf(form, "Label_lam" + n)};
}

TEST(WindowEditing, TypingIntoAWingFieldUpdatesItsFiguresAndMakesResultsStale)
{
    TForm1 form;
    EXPECT_EQ(wingFigures(form, 1), (std::vector<std::string>{"2200mm", "71.82dm^2", "329.7mm", "141.6mm", " 6.7"}));
    // A rectangular wing: one trapezoid of 500 mm, chord 200 mm.
    control<QRadioButton>(form, "RadioButton4")->click();
    for (auto [field, text] : {std::pair{"Edit1", "500"}, {"Edit5", "200"}, {"Edit8", "0"}})
        type(form, field, text);
    QLineEdit* rootChord = control<QLineEdit>(form, "Edit4");
    rootChord->selectAll();
    QTest::keyClicks(rootChord, "200");
    EXPECT_EQ(wingFigures(form, 1), (std::vector<std::string>{"1000mm", "20.00dm^2", "200.0mm", "50.0mm", " 5.0"}));
    EXPECT_EQ(form.textsState().wing[1][Role::RootChord], "200");
    EXPECT_EQ(textOf(form, "L_1_2"), "500");
    EXPECT_FALSE(form.aircraftState().ResultsValid);
    // A root gap asks about the gap in the wing's own warning labels.
    type(form, "Edit01", "-40");
    EXPECT_EQ(textOf(form, "Label_sp2"), "have a gap in the middle?  ");
    EXPECT_EQ(textOf(form, "L_1_1"), "40");
    type(form, "Edit01", "0");
    EXPECT_EQ(textOf(form, "Label_sp1"), "");
}

TEST(WindowEditing, TrapezoidCountHidesFieldsAndStationsAndKeepsTheirTexts)
{
    TForm1 form;
    control<QRadioButton>(form, "RadioButton4")->click();
    for (const char* hidden : {"Edit2", "Edit6", "Edit9", "Edit3", "Edit7", "Edit10", "Edit14y", "Edit14x", "Edit14xx",
                               "L_1_3", "L_1_4", "L_1_5"})
        EXPECT_TRUE(control(form, hidden)->isHidden()) << hidden;
    EXPECT_FALSE(control(form, "Edit5")->isHidden());
    EXPECT_EQ(textOf(form, "Label_b1"), " 440mm"); // twice y_1
    control<QRadioButton>(form, "RadioButton41t")->click();
    EXPECT_FALSE(control(form, "Edit14xx")->isHidden());
    EXPECT_EQ(wingFigures(form, 1)[0], "2200mm");
}

TEST(WindowEditing, WingCountHidesTabsAndBringsWingsBackUnchanged)
{
    TForm1 form;
    auto* pages = control<PageControl>(form, "PageControl1");
    const std::vector<std::string> wing5 = wingFigures(form, 5);
    control<QRadioButton>(form, "RadioButton2")->click();
    EXPECT_EQ(form.aircraftState().WingCount, 2);
    EXPECT_EQ(form.aircraftState().ActiveWingCount, 2);
    EXPECT_TRUE(pages->pageVisible(control(form, "TabSheet2")));
    EXPECT_FALSE(pages->pageVisible(control(form, "TabSheet3")));
    EXPECT_FALSE(pages->pageVisible(control(form, "TabSheet7")));
    EXPECT_TRUE(control(form, "Edit_x3")->isHidden());
    EXPECT_TRUE(control(form, "Image555")->isHidden());
    EXPECT_FALSE(control(form, "Edit_z2")->isHidden());
    // Menu items by the wing count.
    const std::pair<const char*, bool> states[] = {{"wing21", true}, {"wing31", false}, {"chng1", true},
                                                   {"chng2", false}, {"chng3", false}, {"chng5", false}};
    for (auto [name, enabled] : states)
        EXPECT_EQ(control<QAction>(form, name)->isEnabled(), enabled) << name;
    control<QRadioButton>(form, "RadioButton1")->click();
    EXPECT_FALSE(control<QAction>(form, "chng1")->isEnabled());
    EXPECT_FALSE(control(form, "Edit_x1")->isHidden());
    control<QRadioButton>(form, "RB_W5")->click();
    EXPECT_TRUE(pages->pageVisible(control(form, "TabSheet7")));
    EXPECT_TRUE(control<QAction>(form, "chng5")->isEnabled());
    EXPECT_EQ(wingFigures(form, 5), wing5);
    EXPECT_EQ(textOf(form, "Edit44"), "600");
}

TEST(WindowEditing, ExchangingWingsOneAndTwoSwapsPlanformPositionAndTab)
{
    TForm1 form;
    const std::vector<std::string> wing1 = wingFigures(form, 1), wing2 = wingFigures(form, 2);
    trigger(form, "chng1");
    const std::pair<const char*, const char*> fields[] = {{"Edit4", "135"},   {"Edit14", "335"}, {"Edit_x1", "1167"},
                                                          {"Edit_z1", "0"},   {"Edit_x2", "0"},  {"Edit_z2", "-190"},
                                                          {"Edit14xx", "116"}, {"Edit24xx", "215"}};
    for (auto [name, text] : fields)
        EXPECT_EQ(textOf(form, name), text) << name;
    EXPECT_EQ(wingFigures(form, 1), wing2);
    EXPECT_EQ(wingFigures(form, 2), wing1);
    EXPECT_EQ(form.aircraftState().posX[1], 1167);
    EXPECT_FALSE(form.aircraftState().ResultsValid);
    trigger(form, "chng1");
    EXPECT_EQ(wingFigures(form, 1), wing1);
}

TEST(WindowEditing, ExchangingWingsFourAndFiveSwapsTheirTrapezoidCounts)
{
    TForm1 form;
    trigger(form, "chng5");
    EXPECT_TRUE(control<QRadioButton>(form, "RadioButton_4t2")->isChecked());
    EXPECT_TRUE(control<QRadioButton>(form, "RadioButton_5t3")->isChecked());
    EXPECT_TRUE(control(form, "Edit33")->isHidden()); // wing 4, trapezoid 3
    EXPECT_FALSE(control(form, "Edit43")->isHidden()); // wing 5, trapezoid 3
    EXPECT_EQ(textOf(form, "Edit04"), "300");
    EXPECT_EQ(textOf(form, "Label_SP7"), "Are you sure this wing shall   ");
    EXPECT_EQ(textOf(form, "Label_SP9"), "");
    EXPECT_EQ(textOf(form, "Label_b4"), " 752mm");
    EXPECT_EQ(textOf(form, "Label_b5"), " 200mm");
}

TEST(WindowEditing, PagesAndMenuJumpsSetTheCopyCommands)
{
    TForm1 form;
    auto* pages = control<PageControl>(form, "PageControl1");
    QAction* copy = control<QAction>(form, "CopyWing1");
    pages->tabBar()->setCurrentIndex(2); // wing 2
    EXPECT_TRUE(copy->isEnabled());
    pages->tabBar()->setCurrentIndex(0);
    EXPECT_FALSE(copy->isEnabled());
    pages->tabBar()->setCurrentIndex(4); // wing 4 keeps the aircraft tab's state
    EXPECT_FALSE(copy->isEnabled());
    trigger(form, "wing21");
    EXPECT_EQ(pages->activePage(), control(form, "TabSheet2"));
    EXPECT_TRUE(copy->isEnabled());
    // A jump to a wing tab with stale results runs no pass; a jump to the aircraft tab does (the
    // pass sets the top view's zoom back to 100).
    auto* zoom = control<QScrollBar>(form, "ScrollBar3");
    zoom->setValue(50);
    trigger(form, "wing11");
    EXPECT_EQ(zoom->value(), 50);
    trigger(form, "aircraft1");
    EXPECT_EQ(zoom->value(), 100);
    EXPECT_FALSE(copy->isEnabled());
    EXPECT_FALSE(control<QAction>(form, "InsertCopiedWing1")->isEnabled());
}

} // namespace
} // namespace ab


namespace ab {
namespace {

// Types one character as a keyboard sends it: an emoji is one key event of two UTF-16 units.
void typeCharacters(QWidget* field, const QString& character, int times)
{
    for (int i = 0; i < times; ++i)
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, character, Qt::NoModifier);
}

// A name field takes exactly as many characters as the file keeps, an emoji counting one as the file
// counts it, so the window never shows a name the file would cut.
TEST(WindowEditing, NameFieldsTakeSixtyCharactersOfAnyKind)
{
    TForm1 form;
    form.show();
    const QString plane = QString::fromUtf8("🛩");
    const QString sixty = plane.repeated(60);
    typeCharacters(control<QLineEdit>(form, "Edit_name2"), plane, 70);
    EXPECT_EQ(textOf(form, "Edit_name2"), sixty.toStdString());
    EXPECT_EQ(form.textsState().wing[2].name, sixty.toStdString());

    control<QPushButton>(form, "BalanceAdd")->click();
    auto* table = control<QTableWidget>(form, "BalanceTable");
    table->editItem(table->item(0, 0));
    auto* editor = table->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    typeCharacters(editor, plane, 70);
    EXPECT_EQ(editor->text(), sixty);
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents(); // the table takes the editor's text after the key
    ASSERT_EQ(form.textsState().balance.size(), 1u);
    EXPECT_EQ(form.textsState().balance[0].name, sixty.toStdString());
}

} // namespace
} // namespace ab
