// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/batch.h"
#include "print/batch_pdf.h"
#include "print/printer_dialog.h"
#include "ui/image_view.h"
#include "pdf_reading.h"
#include "window_test_support.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <nlohmann/json.hpp>

#include <cstdio>
#include <fstream>
#include <sstream>

namespace ab {
namespace {

TEST(Printing, AfterACalculationThePageGoesToAPdfFromThePrinterDialog)
{
    QTemporaryDir folder;
    TForm1 form;
    EXPECT_FALSE(control<QAction>(form, "Print1")->isEnabled());
    trigger(form, "calculateAction");
    ASSERT_TRUE(control<QAction>(form, "Print1")->isEnabled());
    trigger(form, "Print1"); // Ctrl+P
    EXPECT_TRUE(form.aircraftState().ResultsValid); // printing keeps the results
    EXPECT_TRUE(control<QAction>(form, "Print1")->isEnabled());

    const QImage& page = control<ImageView>(form, "Image_P")->bitmap();
    ASSERT_EQ(page.size(), QSize(806, 1620));
    EXPECT_EQ(page.pixelColor(700, 1600), QColor(Qt::white));
    EXPECT_NE(page.pixelColor(300, 100), QColor(Qt::white)); // the top view lies in (0, 42)-(616, 354)
    EXPECT_EQ(control<ImageView>(form, "Image4")->bitmap().size(), QSize(593, 330));

    TForm3* dialog = form.printerDialog;
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(dialog->isModal());
    EXPECT_EQ(dialog->ComboBox1->itemText(dialog->ComboBox1->count() - 1), "PDF file");
    // One column: the resolutions, without a column of row numbers.
    EXPECT_EQ(dialog->StringGrid2->columnCount(), 1);
    EXPECT_EQ(dialog->StringGrid2->horizontalHeaderItem(0)->text(), "Resolution");
    dialog->ComboBox1->setCurrentIndex(dialog->ComboBox1->count() - 1);
    EXPECT_EQ(dialog->StringGrid2->item(0, 0)->text(), "600 × 600 dpi");
    EXPECT_TRUE(dialog->ButtonClose->isEnabled());
    const std::string pdf = (folder.path() + "/summary").toStdString();
    dialog->choosePdfFile = [&] { return QString::fromStdString(pdf); };
    dialog->ButtonCloseClick();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(bytesOf(pdf + ".pdf").substr(0, 5), "%PDF-");
    EXPECT_EQ(pdfPages(pdf + ".pdf"), 1);
    const std::string text = pdfText(pdf + ".pdf");
    EXPECT_NE(text.find("AeroBalance4 V3.4"), std::string::npos) << text;
    EXPECT_NE(text.find("Wing5:"), std::string::npos);
    EXPECT_TRUE(pdfHasColour(pdf + ".pdf"));

    // Without "Color" the PDF is grey.
    dialog->show();
    dialog->ComboBox1->setCurrentIndex(dialog->ComboBox1->count() - 1);
    dialog->CheckBoxColor->setChecked(false);
    dialog->choosePdfFile = [&] { return QString::fromStdString(pdf + "-grey.pdf"); };
    dialog->ButtonCloseClick();
    EXPECT_EQ(pdfPages(pdf + "-grey.pdf"), 1);
    EXPECT_FALSE(pdfHasColour(pdf + "-grey.pdf"));
}

// Batch mode writes the same page without a window: its text holds the title, the file name, and
// the neutral point and the balance the JSON report gives.
TEST(Printing, BatchModeWritesTheSummaryPdf)
{
    useSummaryPdfWriter();
    QTemporaryDir folder;
    const std::string pdf = (folder.path() + "/trainer.pdf").toStdString();
    const std::string file = kExamples + "trainer.wk4";
    std::ostringstream out, err;
    ASSERT_EQ(runBatch({"--calc", file, "--json", "--pdf", pdf}, out, err), 0) << err.str();
    const nlohmann::json report = nlohmann::json::parse(out.str());
    EXPECT_EQ(pdfPages(pdf), 1);
    const std::string text = pdfText(pdf);
    char neutralPoint[32], centreOfGravity[64];
    std::snprintf(neutralPoint, sizeof neutralPoint, "%.1f mm", report["neutral_point_x_mm"].get<double>());
    // The trainer's weighed parts below its wings, with the figures of the JSON report.
    std::snprintf(centreOfGravity, sizeof centreOfGravity, "Center of gravity: %.1fmm (%.1f%% MAC)",
                  report["balance"]["cg_x_mm"].get<double>(), report["balance"]["cg_percent_mac"].get<double>());
    for (const std::string& expected : {std::string("AeroBalance4 V3.4"), file, std::string("aerodynamic center:"),
                                        std::string(neutralPoint), std::string("Balance: Total mass: 1203.0g"),
                                        std::string(centreOfGravity), std::string("inside the recommended range")})
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;

    // A PDF that cannot be written ends with status 2 and a line naming it.
    std::ostringstream out2, err2;
    const std::string unwritable = (folder.path() + "/no/such/folder/x.pdf").toStdString();
    EXPECT_EQ(runBatch({"--calc", file, "--pdf", unwritable}, out2, err2), BatchBadInput);
    EXPECT_NE(err2.str().find("x.pdf"), std::string::npos) << err2.str();
}

// A batch run replaces all its outputs or none: when the last one cannot be written, the files the
// others would replace keep their contents, no temporary file is left, and the message names the
// one that failed.
TEST(Printing, BatchOutputsAreReplacedAllOrNone)
{
    useSummaryPdfWriter();
    QTemporaryDir folder;
    const auto in = [&](const char* name) { return (folder.path() + "/" + name).toStdString(); };
    const char* const outputs[] = {"ok.wk4", "ok.pdf", "ok.avl"};
    for (const char* name : outputs)
        std::ofstream(in(name), std::ios::binary) << "old";
    const std::string unwritable = in("no folder/x.csv");
    std::vector<std::string> args{"--calc", kExamples + "trainer.wk4", "--save", in("ok.wk4"), "--pdf", in("ok.pdf"),
                                  "--avl",  in("ok.avl"),             "--csv",  unwritable};
    std::ostringstream out, err;
    EXPECT_EQ(runBatch(args, out, err), BatchBadInput);
    EXPECT_NE(err.str().find("\"" + unwritable + "\""), std::string::npos) << err.str();
    for (const char* name : outputs)
        EXPECT_EQ(bytesOf(in(name)), "old") << name;
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), 3);

    args.back() = in("x.csv");
    std::ostringstream out2, err2;
    ASSERT_EQ(runBatch(args, out2, err2), BatchDone) << err2.str();
    for (const auto& [name, start] : {std::pair{"ok.wk4", "<aircraft>"}, std::pair{"ok.pdf", "%PDF-"},
                                      std::pair{"ok.avl", "ok"}, std::pair{"x.csv", "wing,"}})
        EXPECT_EQ(bytesOf(in(name)).rfind(start, 0), 0u) << name;
}

} // namespace
} // namespace ab
