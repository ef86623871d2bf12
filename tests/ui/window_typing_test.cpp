// SPDX-License-Identifier: GPL-3.0-or-later
// Typing with "Calculate while editing" on, one key at a time with pauses longer than the pause
// before a calculation starts, so that a calculation ends between any two keys: what the user types
// stays in the field, the figures say which heights they used, undo can pass a move made by
// Calculate, a misread field is named, a margin typed on the way to another keeps the one in use,
// and a row the balance cannot count never gets a green verdict.
#include "draw/colours.h"
#include "files/aircraft_templates.h"
#include "lang/field_texts.h"
#include "ui/live_calculation.h"
#include "ui/page_control.h"
#include "ui/wing_page.h"
#include "window_test_support.h"

#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTest>

namespace ab {
namespace {

// A window on the screen with the focus, started from a template, calculating while editing.
struct LiveWindow {
    explicit LiveWindow(const char* templateAction, const char* language = "english1")
    {
        form.show();
        QApplication::setActiveWindow(&form);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
        trigger(form, language);
        trigger(form, templateAction);
        form.setLiveCalculation(true);
        waitUntilCalculated(form);
    }
    // Selects the field's text and types `keys` over it, waiting `pause` ms after each key and then
    // until the calculation it started has ended.
    void typeSlowly(const std::string& field, const std::string& keys, int pause = 200)
    {
        auto* edit = control<QLineEdit>(form, field);
        edit->setFocus(Qt::MouseFocusReason);
        EXPECT_TRUE(edit->hasFocus());
        edit->selectAll();
        for (const char key : keys) {
            QTest::keyClick(edit, key);
            waitFor(pause);
            waitUntilCalculated(form);
        }
    }
    TForm1 form;
};

const std::string heightOfTail(fieldName(2, Role::PosZ));

// The tailplane typed close to the wing's height, where the separation moves it: the field keeps
// the keys, the figures are those Calculate gives with the moved height, and a line says so.
TEST(WindowTyping, AHeightTypedKeyByKeyStaysAsTyped)
{
    struct Case {
        const char *templateAction, *language, *keys;
        int pause;
    };
    const Case cases[] = {{"NewConventional1", "english1", "-50", 400},
                          {"NewVTailGlider1", "german1", "48", 150},
                          {"NewConventional1", "spain1", "5", 800}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.templateAction) + " " + c.language);
        LiveWindow window(c.templateAction, c.language);
        TForm1& form = window.form;
        window.typeSlowly(heightOfTail, c.keys, c.pause);
        ASSERT_TRUE(form.aircraftState().ResultsValid);
        EXPECT_EQ(textOf(form, heightOfTail), c.keys);
        EXPECT_EQ(form.textsState().wing[2][Role::PosZ], c.keys);
        const double liveNeutralPoint = form.aircraftState().NeutralPointX;
        const double liveHeight = form.aircraftState().posZ[2];
        // The line names the height the figures used when it is not the typed one.
        auto* line = control<QLabel>(form, "Label_LiveHeights");
        const bool moved = liveHeight != std::stod(c.keys);
        EXPECT_EQ(!line->isHidden(), moved);
        if (moved) {
            EXPECT_NE(line->text().indexOf(QString::number(liveHeight, 'f', 0)), -1) << line->text().toStdString();
            EXPECT_NE(line->text().indexOf(QString::fromStdString(c.keys)), -1);
        }

        // Calculate moves the field as the live figures said, and gives the same figures.
        trigger(form, "calculateAction");
        EXPECT_EQ(form.aircraftState().NeutralPointX, liveNeutralPoint);
        EXPECT_EQ(textOf(form, heightOfTail), moved ? QString::number(liveHeight, 'f', 0).toStdString() : c.keys);
        EXPECT_TRUE(line->isHidden());
    }
}

// Undo takes back the heights Calculate moved; the live run that follows leaves the field as it was
// typed, and redo makes the move again.
TEST(WindowTyping, UndoPassesTheHeightsCalculateMoved)
{
    LiveWindow window("NewConventional1");
    TForm1& form = window.form;
    const std::string typedOver = textOf(form, heightOfTail);
    window.typeSlowly(heightOfTail, "5"); // level with the wing: the separation moves it
    trigger(form, "calculateAction");
    const std::string moved = textOf(form, heightOfTail);
    ASSERT_NE(moved, "5");
    EXPECT_TRUE(control<QPlainTextEdit>(form, "Memo1")->isVisible()); // "Attention: wings moved ..."

    trigger(form, "Undo1");
    waitFor(200);
    waitUntilCalculated(form);
    EXPECT_EQ(textOf(form, heightOfTail), "5");
    EXPECT_TRUE(form.aircraftState().ResultsValid);
    EXPECT_TRUE(control<QAction>(form, "Redo1")->isEnabled());
    // The step before the move is reachable: the typing of the height.
    trigger(form, "Undo1");
    waitUntilCalculated(form);
    EXPECT_EQ(textOf(form, heightOfTail), typedOver);
    trigger(form, "Redo1");
    trigger(form, "Redo1");
    EXPECT_EQ(textOf(form, heightOfTail), moved);
}

// A root chord read otherwise than typed is named after a live run as after Calculate.
TEST(WindowTyping, AMisreadFieldIsNamedAfterALiveRun)
{
    LiveWindow window("NewConventional1");
    TForm1& form = window.form;
    // Typed on the wing's tab, as the user reaches the field, and read on the aircraft tab.
    form.PageControl1->setActivePage(form.wingPage[1]->tab());
    window.typeSlowly(std::string(fieldName(1, Role::RootChord)), "22O");
    ASSERT_TRUE(form.aircraftState().ResultsValid);
    form.PageControl1->setActivePage(form.TabSheet5);
    QApplication::processEvents();
    auto* line = control<QLabel>(form, "Label_Misread");
    EXPECT_TRUE(line->isVisible());
    EXPECT_EQ(line->text().toStdString(), misreadFieldsLine(form.textsState(), Language::English));
    // The memo under it starts below the line's last row, not under its words.
    const auto* memo = control<QPlainTextEdit>(form, "Memo1");
    EXPECT_TRUE(memo->isVisible());
    EXPECT_GE(memo->y(), line->geometry().bottom());
    EXPECT_GE(line->height(), line->heightForWidth(line->width()));
}

// Typing 60 over 7.5 passes through 6; 60 is no margin, so 7.5 stays the one in use.
TEST(WindowTyping, AMarginTypedOnTheWayKeepsTheOneInUse)
{
    LiveWindow window("NewConventional1", "spain1");
    TForm1& form = window.form;
    control<QRadioButton>(form, "RadioButton16")->click();
    type(form, "Edit_Mstab", "7.5");
    window.typeSlowly("Edit_Mstab", "60");
    EXPECT_EQ(form.textsState().margin, "7.5");
    const QString tip = control<QLineEdit>(form, "Edit_Mstab")->toolTip();
    EXPECT_NE(tip.indexOf("7.5"), -1) << tip.toStdString();
    EXPECT_EQ(tip.indexOf("6 "), -1) << tip.toStdString();
    // The field's next focus starts anew from the margin in use.
    control<QLineEdit>(form, "Edit_Mstab")->clearFocus();
    window.typeSlowly("Edit_Mstab", "12");
    EXPECT_EQ(form.textsState().margin, "12");
}

// A row the balance cannot read counts as 0 g; the verdict asks to check it instead of judging an
// aircraft lighter than the one typed, in amber, in every language.
TEST(WindowTyping, ABalanceRowNotCountedGivesNoGreenVerdict)
{
    TForm1 form;
    form.questions.chooseFileToOpen = [] { return QString::fromStdString(kExamples + "trainer.wk4"); };
    trigger(form, "Open2");
    trigger(form, "calculateAction");
    auto* table = control<QTableWidget>(form, "BalanceTable");
    auto* verdict = control<QLabel>(form, "BalanceVerdict");
    const auto ink = [&] { return verdict->palette().color(QPalette::WindowText); };
    ASSERT_EQ(ink(), clGreen);
    table->item(0, 1)->setText("4x12");
    EXPECT_EQ(ink(), clAmber);
    const std::pair<const char*, const char*> one[] = {
        {"english1", "1 row not counted: check it"},
        {"german1", "1 Zeile nicht gezählt: bitte prüfen"},
        {"spain1", "1 fila sin contar: revísela"}};
    for (const auto& [language, text] : one) {
        trigger(form, language);
        EXPECT_EQ(textOf(form, "BalanceVerdict"), text);
    }
    table->item(1, 2)->setText("x");
    EXPECT_EQ(textOf(form, "BalanceVerdict"), "2 filas sin contar: revíselas");
    EXPECT_EQ(ink(), clAmber);
    table->item(0, 1)->setText("120");
    table->item(1, 2)->setText("200");
    EXPECT_NE(ink(), clAmber);
}

} // namespace
} // namespace ab
