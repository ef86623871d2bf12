// SPDX-License-Identifier: GPL-3.0-or-later
#include "../solver/solver_test_support.h"
#include "ui/image_view.h"
#include "window_test_support.h"

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTemporaryDir>
#include <QTimer>

#include <array>
#include <map>

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
    waitForCalculation(form);
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

// Calculate runs on the worker: the click returns at once, the window's event loop keeps running,
// and the memo shows each stage's lines as the worker passes it, in the run's order, before the
// results; the moved height then goes into its field as one step that undo passes.
TEST(WindowCalculation, CalculateShowsItsStagesWhileTheWindowAnswers)
{
    AircraftTexts t = defaultAircraftTexts();
    test::setRectangle(t, 1, 500, 100);
    test::setRectangle(t, 2, 250, 60, 600, 0);
    t.wingCount = 2;
    TForm1 form;
    typeAircraft(form, t);
    auto* memo = control<QPlainTextEdit>(form, "Memo1");
    std::vector<std::string> shown; // the memo's texts while the run goes on, repeats left out
    QObject::connect(memo, &QPlainTextEdit::textChanged, [&] {
        const std::string text = memo->toPlainText().toStdString();
        if (form.calculationRunning() && !form.aircraftState().ResultsValid && (shown.empty() || shown.back() != text))
            shown.push_back(text);
    });
    int ticks = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] { ticks += form.calculationRunning() ? 1 : 0; });
    ticker.start(0);

    control<QAction>(form, "calculateAction")->trigger();
    EXPECT_TRUE(form.calculationRunning());
    EXPECT_FALSE(form.aircraftState().ResultsValid);
    EXPECT_EQ(textOf(form, "Edit_z2"), "0");
    waitForCalculation(form);
    EXPECT_GT(ticks, 0);
    ASSERT_GE(shown.size(), 2u);
    EXPECT_EQ(shown[shown.size() - 2], "Error: "); // after the panels are planned
    EXPECT_EQ(shown.back(), "Attention:\nWings are moved automatically in z-direction!");
    EXPECT_TRUE(form.aircraftState().ResultsValid);
    EXPECT_EQ(textOf(form, "Edit_z2"), "-7");
    trigger(form, "Undo1");
    EXPECT_EQ(textOf(form, "Edit_z2"), "0");
    EXPECT_FALSE(form.aircraftState().ResultsValid);
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
    // Each line's stub leaves the texts where they stand: red for the neutral point, blue otherwise.
    const std::vector<PointerLine> lines = form.aircraftViews->pointerLinesShown();
    ASSERT_EQ(lines.size(), 2u);
    for (const PointerLine& line : lines) {
        const Pixel mid{(line.stubStart.x + line.stubEnd.x) / 2, line.stubStart.y};
        EXPECT_EQ(pixel(form, "Image2", mid.x, mid.y), QColor(line.neutralPoint ? Qt::red : Qt::blue));
    }
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

namespace ab {
namespace {

std::string planformImage(int w) { return "Image" + std::string(w, '1'); } // Image1, Image11 .. Image11111

// Every wing's planform view marks the wing's neutral point on the centre line, measured from the
// wing's own root leading edge: wings 2 to 5 of the default aircraft stand far from x = 0.
TEST(WindowCalculation, PlanformViewsMarkEachWingsNeutralPointFromItsRoot)
{
    TForm1 form;
    trigger(form, "calculateAction");
    ASSERT_TRUE(form.aircraftState().ResultsValid);
    const Aircraft& ac = form.aircraftState();
    int marked = 0;
    for (int w = 1; w <= MaxWings; ++w) {
        SCOPED_TRACE(w);
        const QImage& image = control<ImageView>(form, planformImage(w))->bitmap();
        const ViewMapping m = planformMapping(ac, w, image.width(), image.height());
        const int row = static_cast<int>(std::nearbyint((ac.WingNeutralX[w] - ac.posX[w]) * m.scale)) + m.originY;
        EXPECT_EQ(planformMarks(ac, w, m).neutralRow, row);
        if (row < 3 || row > image.height() - 3)
            continue; // off the view (wing 5's neutral point lies far ahead of its root)
        ++marked;
        for (int dx : {-3, -2, 2, 3})
            EXPECT_EQ(image.pixelColor(m.originX + dx, row), QColor(Qt::black)) << dx;
        for (int dy : {-2, 2})
            EXPECT_NE(image.pixelColor(m.originX - 3, row + dy), QColor(Qt::black)) << dy;
    }
    EXPECT_GE(marked, 4);
    // An edit takes the marks away.
    type(form, "Edit_x2", "1100");
    const QImage& image = control<ImageView>(form, "Image11")->bitmap();
    const ViewMapping m = planformMapping(ac, 2, image.width(), image.height());
    EXPECT_NE(image.pixelColor(m.originX - 3, planformMarks(ac, 2, m).neutralRow), QColor(Qt::black));
}

// Print (the tool button and the menu item) needs the results of a calculation and its lattice: not
// at start, yes after a calculation, not after an edit; the pressure check box is offered while
// the lattice is in memory, so not for the stored results of a file either.
TEST(WindowCalculation, PrintIsOfferedWithResultsAndPressureWithTheLatticeOnly)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString file = folder.filePath("stored.wk4");
    auto offered = [](const TForm1& form) {
        return std::array<bool, 3>{control(form, "SpeedButton5")->isEnabled(), control<QAction>(form, "Print1")->isEnabled(),
                                   !control(form, "CheckBoxA")->isHidden()};
    };
    using Offer = std::array<bool, 3>;
    auto noQuestions = [](TForm1& form) {
        form.questions.showError = [](const QString& message) { ADD_FAILURE() << message.toStdString(); };
        form.questions.askToSaveChanges = [] { return TForm1::SaveAnswer::Discard; };
    };
    TForm1 form;
    noQuestions(form);
    EXPECT_EQ(offered(form), (Offer{false, false, false}));
    trigger(form, "calculateAction");
    EXPECT_EQ(offered(form), (Offer{true, true, true}));
    form.questions.chooseFileToSave = [file] { return file; };
    trigger(form, "Save2");
    EXPECT_EQ(offered(form), (Offer{true, true, true})); // saving keeps the results
    type(form, "Edit4", "330"); // a wing's field: the results are stale
    EXPECT_FALSE(control(form, "SpeedButton5")->isEnabled());
    EXPECT_FALSE(control<QAction>(form, "Print1")->isEnabled());
    type(form, "Edit_x2", "1100"); // a position: the lattice goes too
    EXPECT_EQ(offered(form), (Offer{false, false, false}));

    // The file brings the figures (the neutral point is marked) but no lattice.
    TForm1 opened;
    noQuestions(opened);
    trigger(opened, "calculateAction");
    opened.questions.chooseFileToOpen = [file] { return file; };
    trigger(opened, "Open2");
    ASSERT_EQ(opened.currentFileName(), file.toStdString());
    EXPECT_TRUE(opened.aircraftState().ResultsValid);
    EXPECT_EQ(neutralPointMarkColour(opened), QColor(Qt::red));
    control<QScrollBar>(opened, "ScrollBar2")->setValue(200); // turning the view redraws it
    // Print is offered with the stored results, and calculates the lattice before it prints.
    EXPECT_EQ(offered(opened), (Offer{true, true, false}));
    trigger(opened, "Print1");
    EXPECT_TRUE(opened.aircraftState().SolverDataValid);
    EXPECT_NE(opened.printerDialog, nullptr);
    EXPECT_EQ(offered(opened), (Offer{true, true, true}));
}

// The marks beside the margin bar stand at the row of the bar's thumb at the position that writes
// their margin into the field: 16 %, 8 % and 4 %.
TEST(WindowStability, MarginMarksStandBesideTheThumbOfTheirMargin)
{
    TForm1 form;
    form.resize(1100, 800);
    form.show();
    trigger(form, "calculateAction");
    control<QRadioButton>(form, "RadioButton16")->click();
    auto* bar = control<QScrollBar>(form, "ScrollBar5");
    auto thumbCentre = [bar](int position) {
        QStyleOptionSlider o;
        o.initFrom(bar);
        o.orientation = bar->orientation();
        o.minimum = bar->minimum();
        o.maximum = bar->maximum();
        o.pageStep = bar->pageStep();
        o.singleStep = bar->singleStep();
        o.sliderPosition = o.sliderValue = position;
        const QRect thumb = bar->style()->subControlRect(QStyle::CC_ScrollBar, &o, QStyle::SC_ScrollBarSlider, bar);
        return bar->mapTo(bar->window(), QPointF(0, (thumb.top() + thumb.bottom()) / 2.0)).y();
    };
    std::map<double, int> positionOf; // margin written into the field -> bar position
    for (int p = bar->minimum(); p <= bar->maximum(); ++p) {
        bar->setValue(p);
        positionOf.emplace(std::stod(textOf(form, "Edit_Mstab")), p);
    }
    // Each mark within a pixel of its thumb's middle, and all of them the same way (so that the
    // marks stand apart by exactly as much as their thumbs do).
    const std::pair<const char*, double> marks[] = {{"Label28", 16}, {"Label29", 8}, {"Label30", 4}};
    std::vector<double> offsets;
    for (auto [name, margin] : marks) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(positionOf.count(margin));
        const int position = positionOf[margin];
        QLabel* label = control<QLabel>(form, name);
        const double row = label->mapTo(label->window(), QPointF(0, (label->height() - 1) / 2.0)).y();
        EXPECT_EQ(label->x(), bar->x() + bar->width() + 1); // just right of the bar
        offsets.push_back(row - thumbCentre(position));
        EXPECT_LE(std::fabs(offsets.back()), 1.0);
        EXPECT_NEAR(offsets.back(), offsets.front(), 0.5);
    }
}

// Whether a pixel within one of p has the colour (a line may end a pixel short of its corner).
bool drawnNear(const QImage& image, Pixel p, const QColor& colour)
{
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (image.pixelColor(p.x + dx, p.y + dy) == colour)
                return true;
    return false;
}

// Every wing is drawn in its own colour, in its planform view and in the top view.
TEST(WindowViews, EveryWingIsDrawnInItsColour)
{
    // Blue, fuchsia, green, purple, maroon.
    const QColor colours[MaxWings + 1] = {{}, QColor(0x0000FF), QColor(0xFF00FF), QColor(0x008000), QColor(0x800080),
                                          QColor(0x800000)};
    TForm1 form;
    const Aircraft& ac = form.aircraftState();
    const ViewState& v = form.viewState();
    const QImage& top = control<ImageView>(form, "Image2")->bitmap();
    for (int w = 1; w <= MaxWings; ++w) {
        SCOPED_TRACE(w);
        const int n = form.textsState().wing[w].trapezoidCount;
        const double tipY = ac.StationYMm[n][w], tipTrailing = ac.StationOffsetMm[n][w] + ac.StationChordMm[n][w];
        // The trailing edge of the left tip in the planform view, of the right tip in the top view.
        const QImage& planform = control<ImageView>(form, planformImage(w))->bitmap();
        const Pixel p = planformMapping(ac, w, planform.width(), planform.height()).at(tipY, tipTrailing, true);
        EXPECT_TRUE(drawnNear(planform, p, colours[w]));
        const Pixel t = topViewWingMapping(ac, w, v.ViewScale, v.ViewCentreX, v.ViewOffsetY).at(tipY, tipTrailing);
        EXPECT_TRUE(drawnNear(top, t, colours[w]));
    }
}

} // namespace
} // namespace ab
