// SPDX-License-Identifier: GPL-3.0-or-later
// The window's top view against the printed page and against itself: on the screen it is the
// printed top view at the same size, and turning the three-dimensional view, which lays the
// pressure lattice over the top view again only when something else was drawn there since, shows
// what the same state reached directly shows.
#include "draw/colours.h"
#include "ui/image_view.h"
#include "window_test_support.h"

#include <QCheckBox>
#include <QScrollBar>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <optional>
#include <utility>

namespace ab {
namespace {

const std::string kTrainer = kExamples + "trainer.wk4";

TEST(WindowDrawing, TheTopViewOnTheScreenIsThePrintedTopViewAtTheSameSize)
{
    for (const bool automatic : {true, false}) {
        SCOPED_TRACE(automatic ? "automatic" : "margin typed");
        TForm1 form({QString::fromStdString(kTrainer)});
        trigger(form, "calculateAction");
        ASSERT_TRUE(form.aircraftState().SolverDataValid);
        if (!automatic)
            form.aircraftViews->RadioButton16->click();
        ImageView* screen = control<ImageView>(form, "Image2");
        screen->resizeBitmap(593, 330); // the printed top view's size
        type(form, "Edit_Mstab", "11");  // the stability display draws the view at that size
        trigger(form, "Print1");         // and again, over the kept lattice, beside the page
        EXPECT_EQ(screen->bitmap(), control<ImageView>(form, "Image4")->bitmap());
    }
}

// The trainer calculated, the pressure distribution on at a contrast.
void calculateWithPressure(TForm1& form, int contrast)
{
    trigger(form, "calculateAction");
    ASSERT_TRUE(form.aircraftState().SolverDataValid);
    form.aircraftViews->ScrollBar6->setValue(contrast);
    form.aircraftViews->CheckBoxA->setChecked(true);
}

// A window brought straight to a state: the contrast set before the pressure is shown, the margin
// (automatic without one), the azimuth.
QImage topViewReachedDirectly(int contrast, std::optional<double> margin, int azimuth)
{
    TForm1 form({QString::fromStdString(kTrainer)});
    calculateWithPressure(form, contrast);
    if (margin) {
        form.aircraftViews->RadioButton16->click();
        type(form, "Edit_Mstab", std::to_string(*margin));
    }
    EXPECT_NE(form.aircraftViews->ScrollBar2->value(), azimuth);
    form.aircraftViews->ScrollBar2->setValue(azimuth);
    return control<ImageView>(form, "Image2")->bitmap();
}

TEST(WindowDrawing, TurningTheThreeDViewShowsTheTopViewOfTheSameStateReachedDirectly)
{
    TForm1 form({QString::fromStdString(kTrainer)});
    calculateWithPressure(form, 92);
    QScrollBar* azimuth = form.aircraftViews->ScrollBar2;
    const int start = azimuth->value();
    const QImage& top = std::as_const(*control<ImageView>(form, "Image2")).bitmap();

    // Turns leave the lattice as it is; a new contrast colours it anew, and a turn after it keeps
    // the new colours.
    azimuth->setValue(start + 3);
    azimuth->setValue(start + 6);
    form.aircraftViews->ScrollBar6->setValue(40);
    azimuth->setValue(start + 9);
    EXPECT_EQ(top, topViewReachedDirectly(40, std::nullopt, start + 9));

    // A margin typed redraws the view with the lattice under the marks; turns keep the marks over
    // the lattice.
    form.aircraftViews->RadioButton16->click();
    type(form, "Edit_Mstab", std::to_string(12.0));
    azimuth->setValue(start + 12);
    EXPECT_EQ(top, topViewReachedDirectly(40, 12.0, start + 12));
    azimuth->setValue(start + 15);
    EXPECT_EQ(top, topViewReachedDirectly(40, 12.0, start + 15));
}

// The labels of the marks stand off the lattice and its pressure colours, also after the
// three-dimensional view was turned: the label of the centre of gravity stands on the note colour,
// in its black ink, with no pressure colour around it.
TEST(WindowDrawing, TheCentreOfGravitysLabelStandsOffThePressureColours)
{
    TForm1 form({QString::fromStdString(kTrainer)});
    calculateWithPressure(form, 20);
    for (const int azimuth : {0, 3, 6}) {
        SCOPED_TRACE(azimuth);
        form.aircraftViews->ScrollBar2->setValue(form.aircraftViews->ScrollBar2->value() + azimuth);
        const QImage& top = std::as_const(*control<ImageView>(form, "Image2")).bitmap();
        const std::vector<PixelRect>& labels = form.aircraftViews->topViewDrawn().markLabels;
        ASSERT_GE(labels.size(), 3u);
        const PixelRect cg = labels[1];
        int ink = 0, ground = 0, pressure = 0;
        for (int y = cg.top; y < cg.bottom; ++y) {
            for (int x = cg.left; x < cg.right; ++x) {
                const QColor c = top.pixelColor(x, y);
                ink += c.red() < 128 && c.green() < 128 && c.blue() < 128; // black, smoothed at its edges
                ground += c == clInfoBk;
            }
            for (int x = cg.left - 1; x < cg.right + 1; ++x) {
                const QColor around = top.pixelColor(std::clamp(x, 0, top.width() - 1), y);
                pressure += around.red() == 255 && around.green() == around.blue() && around.green() < 250;
            }
        }
        const int area = (cg.right - cg.left) * (cg.bottom - cg.top);
        EXPECT_GT(ink, area / 25) << "the text's ink";
        EXPECT_GT(ground, area / 2) << "the note colour under the text";
        EXPECT_EQ(pressure, 0) << "pressure colours around it";
    }
}

// What the lattice's skip relies on: an image reports the tag of its last drawing session only
// until anything else draws on it or changes its bitmap.
TEST(WindowDrawing, AnImageForgetsItsLastDrawingsTagWhenAnythingElseChangesIt)
{
    constexpr std::uint64_t tag = 42;
    const std::pair<const char*, std::function<void(ImageView&)>> others[] = {
        {"untagged session", [](ImageView& v) { Canvas c = v.canvas(); }},
        {"clear", [](ImageView& v) { v.clear(Qt::white, Qt::black); }},
        {"text", [](ImageView& v) { v.textOut(1, 1, "x", Qt::black, Qt::white); }},
        {"new size", [](ImageView& v) { v.resizeBitmap(20, 30); }},
        {"bitmap taken for changing", [](ImageView& v) { v.bitmap().fill(Qt::red); }},
    };
    for (const auto& [name, change] : others) {
        SCOPED_TRACE(name);
        ImageView view;
        view.resizeBitmap(10, 10);
        { Canvas c = view.canvas(tag); }
        EXPECT_EQ(view.lastTag(), tag);
        change(view);
        EXPECT_EQ(view.lastTag(), 0u);
    }
}

} // namespace
} // namespace ab
