// SPDX-License-Identifier: GPL-3.0-or-later
// The fuselage tab as a user works it: the table shows the file's stations, the top view draws
// their outline where the table puts it, the figures are the calculation's, a mistyped station is
// marked, and the quick shape is one step that undo takes back.
#include "draw/colours.h"
#include "lang/fuselage_texts.h"
#include "views/fuselage_view.h"
#include "window_test_support.h"

#include <QElapsedTimer>
#include <QPushButton>
#include <QTableWidget>

namespace ab {
namespace {

class WindowFuselage : public InOwnFolder {};

const std::string kTrainer = AEROBALANCE_SOURCE_DIR "/tests/data/fuselage_trainer.wk4";

QImage topView(const TForm1& form) { return control<ImageView>(form, "Image2")->bitmap().copy(); }

TEST_F(WindowFuselage, TheTableTheTopViewAndTheFiguresAgree)
{
    TForm1 form;
    ASSERT_TRUE(form.Load2(kTrainer));
    auto* table = control<QTableWidget>(form, "FuselageTable");
    ASSERT_EQ(table->rowCount(), 25);
    EXPECT_EQ(table->item(5, 0)->text(), "-150");
    EXPECT_EQ(table->item(5, 1)->text(), "80.0");
    trigger(form, "calculateAction");
    const Aircraft& ac = form.aircraftState();
    ASSERT_TRUE(ac.FuselageCalculated);
    EXPECT_EQ(textOf(form, "FuselageShift"), fuselageShiftText(ac, Language::English));
    EXPECT_NE(textOf(form, "FuselageShift").find("fuselage: -3."), std::string::npos);

    // The outline at x = -150, 80 mm wide, stands 40 mm either side of the centre line in the top view.
    const ViewState v = form.viewState();
    const QImage image = topView(form);
    const Pixel right = topViewPoint(-150, 40, v.ViewScale, v.ViewOffsetY, image.width());
    const Pixel left = topViewPoint(-150, -40, v.ViewScale, v.ViewOffsetY, image.width());
    for (const Pixel& p : {right, left})
        EXPECT_EQ(image.pixelColor(p.x, p.y), clFuselage) << p.x << "," << p.y;

    // A station typed behind its neighbour's x is marked; it counts for nothing, results go stale.
    table->item(9, 0)->setText("-300");
    EXPECT_FALSE(ac.ResultsValid);
    EXPECT_EQ(table->item(9, 0)->background().color(), QColor(255, 200, 200));
    EXPECT_NE(table->item(9, 0)->toolTip().toStdString().find("does not count"), std::string::npos);
    EXPECT_EQ(ac.Fuselage.size(), 24u);
    EXPECT_EQ(textOf(form, "FuselageShift"), std::string(texts::FuselageStale.in(Language::English)));
}

TEST_F(WindowFuselage, TheQuickShapeIsOneStepThatUndoTakesBack)
{
    TForm1 form;
    ASSERT_TRUE(form.Load2(kTrainer));
    const std::vector<FuselageStationTexts> opened = form.textsState().fuselage;
    type(form, "FuselageNoseX", "-300");
    type(form, "FuselageLength", "1200");
    type(form, "FuselageWidth", "90");
    control<QPushButton>(form, "FuselageShape")->click();
    auto* table = control<QTableWidget>(form, "FuselageTable");
    EXPECT_EQ(form.textsState().fuselage, quickFuselageShape(-300, 1200, 90));
    EXPECT_EQ(table->rowCount(), 11);
    EXPECT_EQ(form.aircraftState().Fuselage.front().x, -300);
    trigger(form, "Undo1");
    EXPECT_EQ(form.textsState().fuselage, opened);
    EXPECT_EQ(table->rowCount(), 25);
    EXPECT_EQ(form.aircraftState().Fuselage.size(), 25u);
}

// Calculating while editing, a wider station moves the neutral point further forward.
TEST_F(WindowFuselage, AStationEditedRecalculatesWhileEditing)
{
    TForm1 form;
    ASSERT_TRUE(form.Load2(kTrainer));
    trigger(form, "calculateAction");
    const double before = form.aircraftState().FuselageShift;
    form.setLiveCalculation(true);
    control<QTableWidget>(form, "FuselageTable")->item(6, 1)->setText("160"); // at x = -100, ahead of the wing
    QElapsedTimer t;
    t.start();
    while ((form.liveCalculationBusy() || !form.aircraftState().ResultsValid) && t.elapsed() < 60000)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    const Aircraft& ac = form.aircraftState();
    ASSERT_TRUE(ac.ResultsValid && ac.FuselageCalculated);
    EXPECT_LT(ac.FuselageShift, before);
    EXPECT_EQ(textOf(form, "FuselageShift"), fuselageShiftText(ac, Language::English));
}

} // namespace
} // namespace ab
