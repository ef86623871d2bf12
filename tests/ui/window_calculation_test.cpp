#include "../solver/solver_test_support.h"
#include "ui/image_view.h"
#include "window_test_support.h"

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

namespace ab {
namespace {

std::vector<std::string> memoLines(const TForm1& form)
{
    std::vector<std::string> lines;
    for (const QString& line : control<QPlainTextEdit>(form, "Memo1")->toPlainText().split('\n'))
        lines.push_back(line.toStdString());
    return lines;
}

QColor pixel(const TForm1& form, const char* image, int x, int y)
{
    return control<ImageView>(form, image)->bitmap().pixelColor(x, y);
}

// Every example, typed into the window and calculated there, shows the neutral points the core's
// calculation of the same texts gives (and batch mode prints).
TEST(WindowCalculation, ExamplesShowTheFiguresOfTheCoreCalculation)
{
    for (const char* name : kExampleNames) {
        SCOPED_TRACE(name);
        auto [ac, texts] = openedByCore(name);
        TForm1 form;
        typeAircraft(form, texts);
        trigger(form, "calculateAction");
        SolverData sd;
        const CalculationRun run = calculate(ac, texts, sd, Language::English);
        ASSERT_FALSE(run.failed);
        EXPECT_DOUBLE_EQ(form.aircraftState().NeutralPointX, ac.NeutralPointX);
        EXPECT_DOUBLE_EQ(form.aircraftState().ReferenceMac, ac.ReferenceMac);
        for (int w = 1; w <= texts.wingCount; ++w) {
            const std::string n = std::to_string(w);
            EXPECT_EQ(textOf(form, "Label_anp" + n), wingResultLabels(ac, w).neutralPoint) << w;
            EXPECT_EQ(textOf(form, "Label_ynp" + n), wingResultLabels(ac, w).liftCentre) << w;
        }
        EXPECT_EQ(control(form, "Memo1")->isHidden(), !run.memoVisible);
        EXPECT_EQ(neutralPointMarkColour(form), QColor(Qt::red));
    }
}

TEST(WindowCalculation, AWingWithTooManyStripsEndsWithItsLinesAndNoResults)
{
    AircraftTexts t = defaultAircraftTexts();
    test::setWing(t, 1, 0, 10, {{1500, 10, 0}, {1500, 10, 0}});
    t.wingCount = 1;
    TForm1 form;
    typeAircraft(form, t);
    control<QPushButton>(form, "Button4")->click();
    EXPECT_EQ(memoLines(form), (std::vector<std::string>{"Error: ", "Can not calculate wing-1. ",
                                                         "Please change this wing (less aspect ratio)!"}));
    EXPECT_FALSE(control(form, "Memo1")->isHidden());
    EXPECT_TRUE(control(form, "Label_anp1")->isHidden());
    EXPECT_TRUE(control(form, "Label_w")->isHidden());
    EXPECT_FALSE(control(form, "Button4")->isHidden());
    EXPECT_FALSE(control(form, "Button4")->isEnabled());
    EXPECT_FALSE(form.aircraftState().ResultsValid);
    EXPECT_TRUE(control(form, "CheckBoxA")->isHidden());
}

TEST(WindowCalculation, WingsAtTheSameHeightAreMovedApartInTheirFields)
{
    AircraftTexts t = defaultAircraftTexts();
    test::setRectangle(t, 1, 500, 100);
    test::setRectangle(t, 2, 250, 60, 600, 0);
    t.wingCount = 2;
    TForm1 form;
    typeAircraft(form, t);
    trigger(form, "calculateAction");
    EXPECT_EQ(textOf(form, "Edit_z2"), "-7");
    EXPECT_EQ(memoLines(form), (std::vector<std::string>{"Attention:", "Wings are moved automatically in z-direction!"}));
    EXPECT_FALSE(control(form, "Memo1")->isHidden());
    EXPECT_TRUE(form.aircraftState().ResultsValid);
    EXPECT_FALSE(control(form, "Label_anp2")->isHidden());
}

TEST(WindowStability, ManualMarginZoomAndPressureColours)
{
    TForm1 form;
    trigger(form, "calculateAction");
    ASSERT_TRUE(form.aircraftState().ResultsValid);
    EXPECT_TRUE(control(form, "Label22")->isHidden());

    control<QRadioButton>(form, "RadioButton16")->click();
    EXPECT_FALSE(control(form, "Label22")->isHidden());
    EXPECT_FALSE(control(form, "Label28")->isHidden()); // five wings: marks at 16 % and 8 %
    EXPECT_TRUE(control(form, "Label30")->isHidden());
    control<QScrollBar>(form, "ScrollBar5")->setValue(45);
    EXPECT_EQ(textOf(form, "Edit_Mstab"), " 7.5");
    const Aircraft& ac = form.aircraftState();
    EXPECT_EQ(textOf(form, "Label21"), label21Text(ac, stabilityFigures(ac, 7.5), Language::English));
    control<QScrollBar>(form, "ScrollBar5")->setValue(0);
    EXPECT_EQ(textOf(form, "Edit_Mstab"), "30.0");

    // Zoom: the top view grows 4.6 times, and the pointer lines run from the texts to the marks.
    const double base = form.viewState().ViewScaleBase;
    control<QScrollBar>(form, "ScrollBar3")->setValue(10);
    EXPECT_DOUBLE_EQ(form.viewState().ViewScale, 4.6 * base);
    EXPECT_EQ(pixel(form, "Image2", 170, 306), QColor(Qt::red)); // stub of the neutral point's line
    EXPECT_EQ(pixel(form, "Image2", 170, 290), QColor(Qt::blue));
    control<QRadioButton>(form, "RadioButton15")->click();
    EXPECT_TRUE(control<QRadioButton>(form, "RB_W5")->isChecked()); // the groups are separate
    EXPECT_EQ(control<QScrollBar>(form, "ScrollBar3")->value(), 100);
    EXPECT_TRUE(control(form, "Edit_Mstab")->isHidden());

    // The pressure distribution colours the lattice in red and blue shades.
    auto* pressure = control<QCheckBox>(form, "CheckBoxA");
    ASSERT_FALSE(pressure->isHidden());
    pressure->setChecked(true);
    EXPECT_FALSE(control(form, "ScrollBar6")->isHidden());
    const QImage& top = control<ImageView>(form, "Image2")->bitmap();
    int shaded = 0;
    for (int y = 0; y < top.height(); ++y)
        for (int x = top.width() / 2; x < top.width(); ++x) {
            const QColor c = top.pixelColor(x, y);
            shaded += c.red() == 255 && c.green() == c.blue() && c.green() < 200;
        }
    EXPECT_GT(shaded, 100);
    // The three-dimensional view carries the needles and the green curves over their tips, and
    // turns with its bars.
    const QImage& view = control<ImageView>(form, "Image3")->bitmap();
    int green = 0;
    for (int y = 0; y < view.height(); ++y)
        for (int x = 0; x < view.width(); ++x)
            green += view.pixelColor(x, y) == QColor(0, 255, 0);
    EXPECT_GT(green, 100);
    const QImage before = view.copy();
    control<QScrollBar>(form, "ScrollBar2")->setValue(200);
    EXPECT_NE(control<ImageView>(form, "Image3")->bitmap(), before);
    // Any change of the aircraft takes the results and the check box away.
    type(form, "Edit_x2", "1100");
    EXPECT_FALSE(pressure->isChecked());
    EXPECT_TRUE(pressure->isHidden());
}

} // namespace
} // namespace ab

namespace ab {
namespace {

TEST(WindowCalculation, ShowsTheNeutralPointsUntilAnInputChanges)
{
    TForm1 form;
    trigger(form, "calculateAction"); // F9
    EXPECT_TRUE(form.aircraftState().ResultsValid);
    for (int w = 1; w <= MaxWings; ++w) {
        const std::string n = std::to_string(w);
        EXPECT_FALSE(control(form, "Label_anp" + n)->isHidden()) << w;
        EXPECT_EQ(textOf(form, "Label_anp" + n), wingResultLabels(form.aircraftState(), w).neutralPoint);
    }
    EXPECT_TRUE(control(form, "Label25")->isEnabled());
    EXPECT_FALSE(control(form, "Button4")->isEnabled());
    EXPECT_FALSE(control(form, "Button4")->isHidden());
    EXPECT_TRUE(control(form, "Label_w")->isHidden());
    type(form, "Edit_x2", "1200");
    EXPECT_FALSE(form.aircraftState().ResultsValid);
    EXPECT_TRUE(control(form, "Label_anp1")->isHidden());
    EXPECT_TRUE(control(form, "Button4")->isEnabled());
}

} // namespace
} // namespace ab

namespace ab {
namespace {

bool shownAsNumbers(const std::string& s) { return s.find("nan") == std::string::npos && s.find("inf") == std::string::npos; }

// Degenerate aircraft end with their lines in the memo or with finite drawings and figures.
TEST(WindowCalculation, DegenerateAircraftEndInLinesOrFiniteFigures)
{
    struct Row {
        const char* what;
        void (*make)(AircraftTexts&);
        bool completes;
    };
    const Row rows[] = {
        {"zero chords", [](AircraftTexts& t) { test::setWing(t, 1, 0, 0, {{500, 0, 0}}); }, false},
        {"zero span", [](AircraftTexts& t) { test::setWing(t, 1, 0, 100, {{0, 100, 0}}); }, false},
        {"huge width", [](AircraftTexts& t) { test::setWing(t, 1, 0, 3, {{2147483647, 1, 0}}); }, false},
        {"wings on each other", [](AircraftTexts& t) {
             test::setRectangle(t, 1, 500, 200);
             test::setRectangle(t, 2, 200, 50, 50, 0, 100);
             test::setRectangle(t, 3, 500, 200);
             t.wingCount = 3;
         }, true},
        {"an empty wing beside a real one", [](AircraftTexts& t) {
             test::setRectangle(t, 1, 500, 100);
             test::setWing(t, 2, 0, 0, {}, 600, 0);
             t.wingCount = 2;
         }, true},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        AircraftTexts t = test::rectangularWingTexts();
        r.make(t);
        TForm1 form;
        typeAircraft(form, t);
        trigger(form, "calculateAction");
        EXPECT_EQ(form.aircraftState().ResultsValid, r.completes);
        EXPECT_EQ(control(form, "Memo1")->isHidden(), r.completes && !form.aircraftState().WingsMoved);
        for (const std::string& line : memoLines(form))
            EXPECT_TRUE(shownAsNumbers(line)) << line;
        for (int w = 1; w <= MaxWings; ++w)
            EXPECT_TRUE(shownAsNumbers(textOf(form, "Label_anp" + std::to_string(w))));
        EXPECT_TRUE(shownAsNumbers(textOf(form, "Label21")));
        EXPECT_TRUE(std::isfinite(form.viewState().ViewScale) && form.viewState().ViewScale > 0);
    }
}

} // namespace
} // namespace ab
