// SPDX-License-Identifier: GPL-3.0-or-later
// The balance tab as a user works it: the parts of a model give the figures under the table, a
// mistyped mass is marked and counts as nothing, the measured centre of gravity shows in the top
// view, and the rows with the chosen margin and stability mode come back from a save.
#include "stability/balance.h"
#include "ui/image_view.h"
#include "ui/page_control.h"
#include "window_test_support.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>

namespace ab {
namespace {

class WindowBalance : public InOwnFolder {};

void open(TForm1& form, const std::string& file)
{
    form.questions.chooseFileToOpen = [file] { return QString::fromStdString(file); };
    trigger(form, "Open2");
}

// The figures under the table are the core's lines for the window's own texts and results.
void expectLinesOfCore(const TForm1& form)
{
    const Aircraft& ac = form.aircraftState();
    const bool automatic = control<QRadioButton>(form, "RadioButton15")->isChecked();
    const StabilityFigures f = stabilityFigures(ac, storedMarginPercent(form.textsState().margin));
    const BalanceLines lines =
        balanceLines(evaluateBalance(form.textsState().balance, balanceReference(ac, f, automatic)), form.language());
    const std::pair<const char*, const std::string*> shown[] = {
        {"BalanceMass", &lines.mass},
        {"BalanceCg", &lines.centreOfGravity},
        {"BalanceMargin", &lines.staticMargin},
        {"BalanceVerdict", &lines.verdict},
        {"BalanceFlagged", &lines.flagged},
    };
    for (const auto& [name, text] : shown) {
        EXPECT_EQ(textOf(form, name), *text) << name;
        EXPECT_EQ(textOf(form, name).find("nan"), std::string::npos) << name;
    }
}

QImage topView(const TForm1& form) { return control<ImageView>(form, "Image2")->bitmap().copy(); }

TEST_F(WindowBalance, PartsGiveTheFiguresAMistakeCountsAsNothingAndTheChoicesComeBackFromASave)
{
    TForm1 form;
    open(form, kExamples + "trainer.wk4");
    auto* table = control<QTableWidget>(form, "BalanceTable");
    ASSERT_EQ(table->rowCount(), 8);
    expectLinesOfCore(form); // opened results, no calculation yet
    trigger(form, "calculateAction");
    expectLinesOfCore(form);
    EXPECT_EQ(control<QLabel>(form, "BalanceVerdict")->palette().color(QPalette::WindowText), QColor(0, 128, 0));
    const QImage withMeasured = topView(form);

    // A mass typed wrong is marked red, says why, and the total loses that part.
    table->item(0, 1)->setText("4x12");
    EXPECT_EQ(form.textsState().balance[0].mass, "4x12");
    EXPECT_EQ(table->item(0, 1)->background().color(), QColor(255, 200, 200));
    EXPECT_EQ(table->item(0, 1)->toolTip().toStdString(), "not a number: the row counts as 0 g");
    EXPECT_FALSE(textOf(form, "BalanceFlagged").empty());
    EXPECT_TRUE(form.isWindowModified());
    expectLinesOfCore(form);
    EXPECT_NE(topView(form), withMeasured); // the measured centre of gravity moved

    // Manual margin, then a save and an open in another window bring back rows, mode and margin.
    control<QRadioButton>(form, "RadioButton16")->click();
    type(form, "Edit_Mstab", "10");
    expectLinesOfCore(form);
    // A margin that is none keeps the last one in use, with a red frame saying so; the save keeps it.
    auto* margin = control<QLineEdit>(form, "Edit_Mstab");
    for (const char* wrong : {"abc", "", "1e12", "60"}) {
        SCOPED_TRACE(wrong);
        type(form, "Edit_Mstab", wrong);
        EXPECT_EQ(form.textsState().margin, "10");
        EXPECT_EQ(margin->grab().toImage().pixelColor(0, margin->height() / 2), QColor(Qt::red));
        EXPECT_EQ(margin->toolTip().toStdString(), "not a margin from 0 to 50 %: 10 % stays in use");
        expectLinesOfCore(form);
    }
    form.questions.chooseFileToSave = [this] { return QString::fromStdString(path("balanced.wk4")); };
    trigger(form, "Save2");
    TForm1 again;
    open(again, path("balanced.wk4"));
    EXPECT_EQ(again.textsState().balance, form.textsState().balance);
    EXPECT_EQ(control<QTableWidget>(again, "BalanceTable")->item(0, 1)->text(), "4x12");
    EXPECT_TRUE(control<QRadioButton>(again, "RadioButton16")->isChecked());
    EXPECT_EQ(textOf(again, "Edit_Mstab"), "10");
    EXPECT_FALSE(again.isWindowModified());
    expectLinesOfCore(again);

    // Without parts there is no centre of gravity: dashes, and the top view without its symbol.
    while (table->rowCount() > 0) {
        table->setCurrentCell(0, 0);
        control<QPushButton>(form, "BalanceRemove")->click();
    }
    EXPECT_TRUE(form.textsState().balance.empty());
    expectLinesOfCore(form);
    control<QPushButton>(form, "BalanceAdd")->click();
    EXPECT_EQ(table->rowCount(), 1);
    EXPECT_EQ(form.textsState().balance.size(), 1u);
}

// "Add part" puts the cursor in the new row's name: what the user types next names the part.
TEST(WindowBalanceTyping, AddPartLetsTheUserTypeTheNewPartsNameAtOnce)
{
    TForm1 form;
    form.show();
    form.PageControl1->setActivePage(form.TabSheet8);
    QApplication::processEvents();
    auto* table = control<QTableWidget>(form, "BalanceTable");
    const int rows = table->rowCount();
    auto* add = control<QPushButton>(form, "BalanceAdd");
    add->setFocus();
    add->click();
    QApplication::processEvents();
    ASSERT_EQ(table->rowCount(), rows + 1);
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    EXPECT_TRUE(table->isAncestorOf(focus)) << focus->metaObject()->className();
    QTest::keyClicks(focus, "Receiver");
    QTest::keyClick(focus, Qt::Key_Return);
    QApplication::processEvents();
    const int row = table->currentRow();
    ASSERT_GE(row, 0);
    EXPECT_EQ(table->item(row, 0)->text().toStdString(), "Receiver");
    EXPECT_EQ(form.textsState().balance.at(row).name, "Receiver");
}

} // namespace
} // namespace ab
