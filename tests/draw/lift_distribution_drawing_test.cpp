// SPDX-License-Identifier: GPL-3.0-or-later
// The lift distribution plot read off its pixels at the places its geometry names: the mark of the
// highest cl/CL and the curves where they are drawn, panels and legend inside the area at a window's,
// a small and a printed page's size in every language, nothing painted outside the area, and a note
// instead of panels where there is nothing to plot.
#include "draw/colours.h"
#include "draw/lift_distribution_drawing.h"
#include "files/open_aircraft.h"
#include "model/wing_name.h"
#include "../solver/solver_test_support.h"

#include <gtest/gtest.h>

#include <QImage>

namespace ab {
namespace {

struct Plotted {
    std::string name;
    LiftDistribution distribution;
    WingNames names;
};

Plotted fromExample(const std::string& example)
{
    Aircraft ac;
    AircraftTexts texts = defaultAircraftTexts();
    recalculate(ac, texts);
    EXPECT_TRUE(openAircraftFile(AEROBALANCE_SOURCE_DIR "/examples/" + example, ac, texts, Language::English).ok());
    SolverData sd;
    EXPECT_FALSE(calculate(ac, texts, sd, Language::English).failed);
    return {example, liftDistribution(ac, sd), wingNames(texts)};
}

Plotted rectangle()
{
    const auto c = test::calculated(test::rectangularWingTexts());
    return {"rectangle", liftDistribution(c.ac, c.sd), {}};
}

const QColor Outside{20, 40, 60};

// The plot drawn into `area` of a larger image filled with a colour of its own.
QImage drawn(const QRect& area, const LiftDistribution& d, int wing, Language l, LiftPlotGeometry& g,
             const std::string& name = {})
{
    QImage image(area.right() + 30, area.bottom() + 30, QImage::Format_RGB32);
    image.fill(Outside);
    QPainter painter(&image);
    g = drawLiftDistribution(painter, area, d, wing, l, name);
    return image;
}

// Whether a pixel within `reach` of p has nearly the colour c (curves are antialiased).
bool near(const QImage& image, QPointF p, const QColor& c, int reach = 1)
{
    for (int dx = -reach; dx <= reach; ++dx)
        for (int dy = -reach; dy <= reach; ++dy) {
            const QColor q = image.pixelColor(static_cast<int>(p.x()) + dx, static_cast<int>(p.y()) + dy);
            if (std::abs(q.red() - c.red()) + std::abs(q.green() - c.green()) + std::abs(q.blue() - c.blue()) < 60)
                return true;
        }
    return false;
}

bool untouchedOutside(const QImage& image, const QRect& area)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (!area.contains(x, y) && image.pixelColor(x, y) != Outside)
                return false;
    return true;
}

TEST(LiftDistributionDrawing, MarksAndCurvesStandWhereTheGeometrySaysAtEverySizeAndLanguage)
{
    const Plotted plots[] = {rectangle(), fromExample("glider.wk4"), fromExample("flying_wing.wk4")};
    const QRect areas[] = {{10, 10, 900, 600}, {5, 7, 420, 300}, {0, 0, 2400, 1700}};
    for (const Plotted& plot : plots)
        for (int w = 1; w <= plot.distribution.wingCount; ++w)
            for (const QRect& area : areas)
                for (const Language l : {Language::English, Language::German, Language::Spanish}) {
                    SCOPED_TRACE(testing::Message() << plot.name << " wing " << w << " in " << area.width() << "x"
                                                    << area.height() << " language " << static_cast<int>(l));
                    LiftPlotGeometry g;
                    const QImage image = drawn(area, plot.distribution, w, l, g, plot.names[w]);
                    ASSERT_TRUE(g.drawn);
                    EXPECT_TRUE(area.contains(g.liftPanel) && area.contains(g.ratioPanel) && area.contains(g.legend));
                    EXPECT_LT(g.liftPanel.bottom(), g.ratioPanel.top());
                    EXPECT_LT(g.ratioPanel.bottom(), g.legend.top());
                    EXPECT_GT(g.ratioPanel.height(), area.height() / 6);
                    EXPECT_TRUE(untouchedOutside(image, area));

                    const WingLiftDistribution& wing = plot.distribution.wings[w];
                    const LiftStation& stall = wing.stations[wing.stallFirst];
                    EXPECT_TRUE(near(image, g.ratioPoint(stall.y, stall.clOverCL), StallMarkColour, 0));
                    EXPECT_TRUE(near(image, g.liftPoint(stall.y, stall.localLift), StallMarkColour, 0));
                    // Away from the mark, each curve passes through its own points.
                    const LiftStation& s = wing.stations[(wing.stallFirst + wing.stations.size() / 2) % wing.stations.size()];
                    EXPECT_TRUE(near(image, g.liftPoint(s.y, s.localLift), wingColour(w)));
                    EXPECT_TRUE(near(image, g.ratioPoint(s.y, s.clOverCL), RatioColour));
                    // Both curves are on their scales: the axes hold every value.
                    EXPECT_LE(g.lift.low, 0);
                    EXPECT_GE(g.lift.high, std::max(wing.ellipticRoot, stall.localLift));
                    EXPECT_GE(g.ratio.high, stall.clOverCL);
                    EXPECT_GE(g.span.high, wing.halfSpan - 1e-6);
                }
}

TEST(LiftDistributionDrawing, DrawsANoteInsteadOfPanelsWhereThereIsNothingToPlot)
{
    const Plotted rect = rectangle();
    const LiftDistribution none;
    LiftDistribution emptyWing = rect.distribution;
    emptyWing.wings[1] = {};
    struct Case {
        const char* name;
        const LiftDistribution& d;
        int wing;
    } cases[] = {
        {"not calculated", none, 1},
        {"wing without lift", emptyWing, 1},
        {"wing beyond the count", rect.distribution, 2},
        {"no wing", rect.distribution, 0},
    };
    const QRect area(4, 4, 600, 400);
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        LiftPlotGeometry g;
        const QImage image = drawn(area, k.d, k.wing, Language::English, g);
        EXPECT_FALSE(g.drawn);
        EXPECT_TRUE(untouchedOutside(image, area));
        int inked = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x) {
                const QColor c = image.pixelColor(x, y);
                ASSERT_NE(c, StallMarkColour);
                ASSERT_NE(c, wingColour(1));
                inked += c != clWhite;
            }
        EXPECT_GT(inked, 100); // the title and the note
    }
}

} // namespace
} // namespace ab
