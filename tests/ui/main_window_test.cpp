#include "ui/main_window.h"

#include <QAction>
#include <QDialog>
#include <QFontMetrics>
#include <QLabel>
#include <QImage>
#include <QPainter>
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
}

} // namespace
} // namespace ab
