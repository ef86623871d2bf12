// SPDX-License-Identifier: GPL-3.0-or-later
// Calculating while editing, as the user sees it: a burst of edits ends with the results of the last
// geometry and never shows those of an older one, and they are Calculate's to the last bit; a corner
// drag shows its outline and figures before the release writes the fields, and the neutral point
// follows it; a slow drag turns the three-dimensional view as far as a fast one.
#include "draw/colours.h"
#include "ui/image_view.h"
#include "ui/live_calculation.h"
#include "views/planform_editing.h"
#include "window_test_support.h"

#include <QElapsedTimer>
#include <QMouseEvent>
#include <QRadioButton>
#include <QScrollBar>

#include <memory>
#include <random>

namespace ab {
namespace {

void mouse(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButtons buttons)
{
    QMouseEvent e(type, QPointF(at), QPointF(w->mapToGlobal(at)), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                  buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

struct Figures {
    double neutralPoint = 0, referenceMac = 0;
    PerWing<double> wingNeutralPoints{}, liftSlopes{};
    std::string label;
    bool operator==(const Figures&) const = default;
};

Figures figuresOf(const TForm1& form)
{
    const Aircraft& a = form.aircraftState();
    return {a.NeutralPointX, a.ReferenceMac, a.WingNeutralX, a.WingLiftSlope, textOf(form, "Label_anp2")};
}

TEST(WindowLive, ABurstOfEditsEndsWithTheResultsOfItsLastGeometry)
{
    TForm1 form;
    form.setLiveCalculation(true);
    form.liveWorker()->setPause(20);
    const std::string tailX(fieldName(2, Role::PosX));
    std::mt19937 random(26);
    for (int i = 0; i < 50; ++i) {
        type(form, tailX, std::to_string(1100 + 7 * i));
        // Pauses up to the typing pause and a little more: calculations start and are cancelled,
        // and none of an earlier geometry may show (a whole one takes far longer than 20 ms).
        waitFor(std::uniform_int_distribution<int>(0, 40)(random));
        ASSERT_FALSE(form.aircraftState().ResultsValid) << "edit " << i;
    }
    waitUntilCalculated(form);
    ASSERT_TRUE(form.aircraftState().ResultsValid);
    EXPECT_FALSE(control<ImageView>(form, "Image2")->veiled());
    EXPECT_FALSE(control(form, "Label_anp2")->isHidden());
    EXPECT_TRUE(control(form, "Label_anp2")->isEnabled());
    const Figures live = figuresOf(form);

    trigger(form, "calculateAction");
    EXPECT_EQ(figuresOf(form), live);
    EXPECT_EQ(textOf(form, tailX), std::to_string(1100 + 7 * 49));
}

// While the next calculation runs, the figures of the last one stay, greyed, with a tool tip.
TEST(WindowLive, TheLastFiguresStayGreyedUntilTheNewOnesCome)
{
    TForm1 form;
    form.setLiveCalculation(true);
    waitUntilCalculated(form);
    ASSERT_TRUE(form.aircraftState().ResultsValid);
    const std::string before = textOf(form, "Label_anp1");
    type(form, std::string(fieldName(2, Role::PosX)), "1300");
    QLabel* value = control<QLabel>(form, "Label_anp1");
    EXPECT_FALSE(value->isHidden());
    EXPECT_FALSE(value->isEnabled());
    EXPECT_EQ(value->text().toStdString(), before);
    EXPECT_FALSE(value->toolTip().isEmpty());
    EXPECT_TRUE(control<ImageView>(form, "Image2")->veiled());
    waitUntilCalculated(form);
    EXPECT_TRUE(value->isEnabled());
    EXPECT_TRUE(value->toolTip().isEmpty());

    // Turned off while a calculation runs, the figures of the earlier geometry go.
    type(form, std::string(fieldName(2, Role::PosX)), "1320");
    form.setLiveCalculation(false);
    EXPECT_TRUE(value->isHidden());
    EXPECT_FALSE(control<ImageView>(form, "Image2")->veiled());
    EXPECT_FALSE(form.liveCalculationBusy());
    // Turned off, an edit hides them as without it.
    type(form, std::string(fieldName(2, Role::PosX)), "1350");
    EXPECT_TRUE(value->isHidden());
    EXPECT_FALSE(control<ImageView>(form, "Image2")->veiled());
}

// A language switch, another wing count and closing the window while a calculation runs.
TEST(WindowLive, TheWindowNeverWaitsForACalculationItNoLongerWants)
{
    auto form = std::make_unique<TForm1>();
    form->setLiveCalculation(true);
    form->liveWorker()->setPause(0);
    type(*form, std::string(fieldName(2, Role::PosX)), "1250");
    waitFor(5); // the pause of 0 ms has passed: the calculation is under way, not yet done
    ASSERT_TRUE(form->liveCalculationBusy());
    trigger(*form, "german1");
    control<QRadioButton>(*form, std::string(wingCountButtonName(2)))->click();
    waitUntilCalculated(*form);
    EXPECT_TRUE(form->aircraftState().ResultsValid);
    EXPECT_EQ(form->aircraftState().ActiveWingCount, 2);
    control<QRadioButton>(*form, std::string(wingCountButtonName(5)))->click(); // a calculation of some length
    type(*form, std::string(fieldName(2, Role::PosX)), "1200");
    waitFor(5);
    ASSERT_TRUE(form->liveCalculationBusy());
    form.reset(); // the calculation still running is cancelled; nothing it holds belongs to the window
}

TEST(WindowLive, ACornerDragShowsItsReleaseAndTheNeutralPointFollows)
{
    TForm1 form;
    form.setLiveCalculation(true);
    waitUntilCalculated(form);
    const double neutralBefore = form.aircraftState().NeutralPointX;
    auto* view = control<ImageView>(form, "Image11");
    const ViewMapping m = planformMapping(form.aircraftState(), 2, view->bitmap().width(), view->bitmap().height());
    const CornerOffset c = cornerOffsets(form.aircraftState(), 2, m.scale)[5]; // tailplane's first tip, leading edge
    const QPoint from(m.originX + static_cast<int>(c.dx), m.originY + static_cast<int>(c.dy));
    const std::string width(fieldName(2, widthRole(1))), span = textOf(form, "Label_b2");
    const std::string widthBefore = textOf(form, width);

    mouse(view, QEvent::MouseButtonPress, from, Qt::LeftButton);
    mouse(view, QEvent::MouseMove, from + QPoint(25, 0), Qt::LeftButton);
    // The fields wait for the release; the figures and the outline show it already.
    EXPECT_EQ(textOf(form, width), widthBefore);
    const std::string previewSpan = textOf(form, "Label_b2");
    EXPECT_NE(previewSpan, span);
    EXPECT_EQ(view->bitmap().pixelColor(from + QPoint(25, 0)), QColor(wingColour(2)));
    waitUntilCalculated(form);
    ASSERT_TRUE(form.aircraftState().ResultsValid);
    const double neutralDuring = form.aircraftState().NeutralPointX;
    EXPECT_GT(neutralDuring, neutralBefore); // a larger tail moves it back

    mouse(view, QEvent::MouseButtonRelease, from + QPoint(25, 0), Qt::NoButton);
    EXPECT_NE(textOf(form, width), widthBefore);
    EXPECT_EQ(textOf(form, "Label_b2"), previewSpan);
    waitUntilCalculated(form);
    EXPECT_EQ(form.aircraftState().NeutralPointX, neutralDuring);

    // Undo takes the whole drag back.
    trigger(form, "Undo1");
    EXPECT_EQ(textOf(form, width), widthBefore);
}

TEST(WindowLive, ASlowDragTurnsTheViewAsFarAsAFastOne)
{
    TForm1 form;
    auto* view = control<ImageView>(form, "Image3");
    auto* azimuth = control<QScrollBar>(form, "ScrollBar2");
    const int start = azimuth->value();
    mouse(view, QEvent::MouseButtonPress, {100, 100}, Qt::LeftButton);
    for (int i = 1; i <= 30; ++i)
        mouse(view, QEvent::MouseMove, {100 + i, 100}, Qt::LeftButton);
    mouse(view, QEvent::MouseButtonRelease, {130, 100}, Qt::NoButton);
    EXPECT_EQ(azimuth->value() - start, 10);
}

} // namespace
} // namespace ab
