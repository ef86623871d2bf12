// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main_window.h"
#include "window_test_support.h"

#include <QAction>
#include <QDialog>
#include <QFontMetrics>
#include <QLabel>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>
#include <gtest/gtest.h>

namespace ab {
namespace {

TEST(MainWindow, CarriesTheProgramTitle)
{
    TForm1 form;
    EXPECT_EQ(form.windowTitle().remove("[*]"), QString(" AeroBalance4  V3.4")); // [*]: unsaved changes
}

// Without any font installed Qt draws empty boxes of equal width; narrow and wide letters then
// measure the same.
TEST(MainWindow, FontsRenderText)
{
    QFont font;
    QFontMetrics metrics(font);
    EXPECT_LT(metrics.horizontalAdvance("iiii"), metrics.horizontalAdvance("WWWW"));
    QImage image(60, 20, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(Qt::black);
    painter.drawText(2, 15, "WM");
    painter.end();
    int dark = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            dark += qGray(image.pixel(x, y)) < 128;
    EXPECT_GT(dark, 10);
}

TEST(MainWindow, InfoDialogSpeaksTheLanguageAndLeavesTheWindowUsable)
{
    TForm1 form;
    form.findChild<QAction*>("german1")->trigger();
    form.findChild<QAction*>("Info1")->trigger();
    auto* info = form.findChild<QDialog*>("Form2");
    ASSERT_NE(info, nullptr);
    EXPECT_TRUE(info->isVisible());
    EXPECT_FALSE(info->isModal());
    EXPECT_EQ(info->findChild<QLabel*>("Label1")->text(), "   AeroBalance berechnet den Neutralpunkt eines   ");
    EXPECT_TRUE(info->findChild<QLabel*>("Label11")->text().isEmpty()); // no address that does not exist
    form.findChild<QAction*>("english1")->trigger();
    form.findChild<QAction*>("Info1")->trigger();
    EXPECT_EQ(info->findChild<QLabel*>("Label2")->text(), "of an aircraft and suggests a suitable");
    // Its own button closes it, in the window's language.
    auto* close = info->findChild<QPushButton*>("ButtonClose");
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(close->text(), "Close");
    // Left open, it follows a change of language.
    form.findChild<QAction*>("german1")->trigger();
    EXPECT_EQ(info->findChild<QLabel*>("Label1")->text(), "   AeroBalance berechnet den Neutralpunkt eines   ");
    form.findChild<QAction*>("spain1")->trigger();
    EXPECT_NE(info->findChild<QLabel*>("Label1")->text(), "   AeroBalance berechnet den Neutralpunkt eines   ");
    EXPECT_EQ(close->text(), "Cerrar");
    close->click();
    EXPECT_FALSE(info->isVisible());
}

// Before a calculation Print and the exports are greyed and their tool tips say why, in the window's
// language; with results they are offered with their own hints.
TEST(MainWindow, GreyedPrintAndExportsSayWhy)
{
    TForm1 form;
    for (const char* name : {"Print1", "ExportAvl1", "ExportCsv1", "ExportTemplate1", "PrintTemplate1"})
        EXPECT_TRUE(control<QAction>(form, name)->toolTip().startsWith("Calculate the aerodynamic center first (F9)"));
    EXPECT_EQ(control<QToolButton>(form, "SpeedButton5")->toolTip(), control<QAction>(form, "Print1")->toolTip());
    trigger(form, "german1");
    EXPECT_TRUE(control<QAction>(form, "ExportAvl1")->toolTip().startsWith("Zuerst den Neutralpunkt berechnen"));
    trigger(form, "calculateAction");
    EXPECT_EQ(control<QAction>(form, "Print1")->toolTip(), "Print");
    EXPECT_FALSE(control<QAction>(form, "ExportAvl1")->toolTip().contains("F9"));
}

// Every tool button is the command of its menu item: one action, enabled alike in every state a
// user passes through, with the button's hint.
TEST(MainWindow, ToolButtonsAreTheirMenuCommands)
{
    TForm1 form;
    const std::pair<const char*, const char*> pairs[] = {
        {"SpeedButton1", "Open2"}, {"SpeedButton2", "Save2"}, {"SpeedButton3", "Save3"},
        {"SpeedButton5", "Print1"}, {"SpeedButton4", "calculateAction"}, {"SpeedButtonG", "english1"},
        {"SpeedButtonE", "spain1"}, {"SpeedButtonS", "german1"},
    };
    const auto agree = [&](const char* when) {
        for (auto [button, action] : pairs) {
            auto* b = control<QToolButton>(form, button);
            EXPECT_EQ(b->defaultAction(), control<QAction>(form, action)) << button;
            EXPECT_EQ(b->isEnabled(), control<QAction>(form, action)->isEnabled()) << button << " " << when;
        }
        EXPECT_EQ(control<QPushButton>(form, "Button4")->isEnabled(),
                  control<QAction>(form, "calculateAction")->isEnabled()) << when;
    };
    agree("start");
    trigger(form, "calculateAction");
    agree("calculated");
    EXPECT_EQ(control<QToolButton>(form, "SpeedButton5")->toolTip(), "Print");
    EXPECT_TRUE(control<QAction>(form, "Print1")->isEnabled());
    EXPECT_FALSE(control<QAction>(form, "calculateAction")->isEnabled());
    // A wing's own field makes the results stale: nothing to print, something to calculate.
    type(form, "Edit4", "321");
    agree("edited");
    EXPECT_FALSE(control<QAction>(form, "Print1")->isEnabled());
    EXPECT_TRUE(control<QAction>(form, "calculateAction")->isEnabled());
    control<QToolButton>(form, "SpeedButton4")->click();
    waitForCalculation(form);
    EXPECT_TRUE(form.aircraftState().ResultsValid);
    agree("calculated by the tool button");
}

} // namespace
} // namespace ab
