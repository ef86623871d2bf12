// SPDX-License-Identifier: GPL-3.0-or-later
// The window in inches and ounces: what is typed key by key is read in them and kept in the aircraft
// in mm and g, the figures and the printed page show them, and millimetres come back unchanged.
#include "model/numbers.h"
#include "print/printer_dialog.h"
#include "ui/page_control.h"
#include "pdf_reading.h"
#include "window_test_support.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>

namespace ab {
namespace {

// Selects the field's text and types `keys` over it.
void typeKeys(QLineEdit* edit, const char* keys)
{
    edit->setFocus(Qt::MouseFocusReason);
    edit->selectAll();
    QTest::keyClicks(edit, keys);
}

TEST(WindowUnits, InchesAndOuncesAreTypedShownAndPrintedWhileTheFileStaysMetric)
{
    QTemporaryDir folder;
    TForm1 form;
    form.show();
    form.questions.chooseFileToOpen = [] { return QString::fromStdString(kExamples + "trainer.wk4"); };
    trigger(form, "Open2");
    trigger(form, "UnitsImperial1");
    EXPECT_TRUE(control<QAction>(form, "UnitsImperial1")->isChecked());

    // The stored 260 mm root chord and the motor's 135 g, shown in inches and ounces.
    const std::string rootChord(fieldName(1, Role::RootChord)), width(fieldName(1, widthRole(1)));
    auto* chord = control<QLineEdit>(form, rootChord);
    EXPECT_EQ(chord->text(), "10.24");
    auto* table = control<QTableWidget>(form, "BalanceTable");
    EXPECT_EQ(table->item(0, 1)->text(), "4.8");
    EXPECT_EQ(table->horizontalHeaderItem(1)->text(), "Mass (oz)");

    // A chord and a width typed key by key keep their keys, and the aircraft the nearest whole mm.
    typeKeys(chord, "10.5");
    EXPECT_EQ(chord->text(), "10.5");
    EXPECT_EQ(form.textsState().wing[1][Role::RootChord], "267");
    typeKeys(control<QLineEdit>(form, width), "20");
    EXPECT_EQ(form.textsState().wing[1][widthRole(1)], "508");
    EXPECT_NE(textOf(form, "Label_b1").find(formatFixed(2 * (508 + 300) / MillimetresPerInch, 2) + "in"),
              std::string::npos) << textOf(form, "Label_b1");
    // A misread text stays marked and is used as the reading takes it, in inches.
    typeKeys(chord, "22O");
    EXPECT_NE(chord->styleSheet().indexOf("red"), -1);
    EXPECT_EQ(form.textsState().wing[1][Role::RootChord], "559O");
    typeKeys(chord, "10.5");
    EXPECT_EQ(chord->styleSheet(), QString());

    // A mass typed into its cell in ounces keeps its decimal in grams.
    form.PageControl1->setActivePage(form.TabSheet8);
    QApplication::processEvents();
    table->setFocus();
    table->setCurrentCell(0, 1);
    table->editItem(table->item(0, 1));
    QApplication::processEvents();
    QWidget* editor = QApplication::focusWidget();
    ASSERT_NE(qobject_cast<QLineEdit*>(editor), nullptr);
    qobject_cast<QLineEdit*>(editor)->selectAll();
    QTest::keyClicks(editor, "5.3");
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(table->item(0, 1)->text(), "5.3");
    EXPECT_EQ(form.textsState().balance[0].mass, "150.3");

    // The saved file holds millimetres and grams.
    const std::string saved = (folder.path() + "/inches.wk4").toStdString();
    form.questions.chooseFileToSave = [&] { return QString::fromStdString(saved); };
    trigger(form, "Save2");
    const std::string file = bytesOf(saved);
    EXPECT_NE(file.find("<chord>267</chord>"), std::string::npos);
    EXPECT_NE(file.find("<y>508</y>"), std::string::npos);
    EXPECT_NE(file.find("<balance_item>Motor with propeller;150.3;-205</balance_item>"), std::string::npos);

    // The printed page in inches and ounces.
    trigger(form, "calculateAction");
    trigger(form, "Print1");
    const std::string pdf = (folder.path() + "/inches.pdf").toStdString();
    form.printerDialog->ComboBox1->setCurrentIndex(form.printerDialog->ComboBox1->count() - 1);
    form.printerDialog->choosePdfFile = [&] { return QString::fromStdString(pdf); };
    form.printerDialog->ButtonCloseClick();
    const std::string text = pdfText(pdf);
    const double neutralPoint = form.aircraftState().NeutralPointX;
    EXPECT_NE(text.find("aerodynamic center: " + formatFixed(neutralPoint / MillimetresPerInch, 2) + " in"),
              std::string::npos) << text;
    EXPECT_NE(text.find("lf: 10.51 10.24 7.87"), std::string::npos) << text;
    EXPECT_NE(text.find("oz"), std::string::npos);
    EXPECT_EQ(text.find(" mm"), std::string::npos) << text;

    // Back in millimetres every field shows its stored text.
    trigger(form, "UnitsMetric1");
    EXPECT_EQ(chord->text(), "267");
    EXPECT_EQ(table->item(0, 1)->text(), "150.3");
    EXPECT_NE(textOf(form, "Label_b1").find("1616mm"), std::string::npos) << textOf(form, "Label_b1");
    // A fraction of a mm, which the wing reads as whole mm, stays marked in inches too.
    typeKeys(chord, "260.5");
    trigger(form, "UnitsImperial1");
    EXPECT_EQ(chord->text(), "10.26");
    EXPECT_NE(chord->styleSheet().indexOf("red"), -1);
    EXPECT_EQ(chord->toolTip(), "read as 10.24 in");
    // A row that does not count says so in ounces too.
    table->item(1, 1)->setText("4x12");
    EXPECT_EQ(table->item(1, 1)->toolTip().toStdString(), "not a number: the row counts as 0 oz");
    EXPECT_EQ(textOf(form, "BalanceFlagged").rfind("Rows counted as 0 oz", 0), 0u) << textOf(form, "BalanceFlagged");
}

} // namespace
} // namespace ab
