// The drawings of the window on its images: the parameter sketches and planform views of the wing
// tabs, the aircraft top view with the lattice and the stability display, and the parts of the
// three-dimensional view's handling that concern the other views. The geometry comes from the core
// (views/); planform_drawing.cpp and top_view_drawing.cpp turn it into lines.
#include "ui/main_window.h"

#include "lang/captions.h"
#include "model/numbers.h"
#include "stability/stability.h"
#include "draw/colours.h"
#include "ui/image_view.h"
#include "draw/planform_drawing.h"
#include "draw/three_d_drawing.h"
#include "draw/top_view_drawing.h"
#include "ui/widgets.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QToolButton>

namespace ab {

void TForm1::d_w(int w)
{
    Canvas c = wingUi[w].sketch->canvas();
    drawSketch(c, texts.wing[w].trapezoidCount, qs(texts::sketchFlightDirection(w).in(language())));
}

void TForm1::drawPlanform(int w)
{
    ImageView* image = wingUi[w].planform;
    const ViewMapping mapping = planformMapping(aircraft, w, image->bitmap().width(), image->bitmap().height());
    Canvas c = image->canvas();
    drawPlanformView(c, aircraft, w, mapping, aircraft.ResultsValid);
    views.PlanformScale[w] = mapping.scale;
}

void TForm1::clearTopView() { Image2->clear(clInfoBk, clGray); }

void TForm1::d_1d(QObject* sender)
{
    const QImage& image = Image2->bitmap();
    if (sender != ScrollBar3) {
        const TopViewLayout l = ab::topViewLayout(aircraft, aircraft.WingCount, image.width(), image.height());
        views.ViewScale = views.ViewScaleBase = views.View3DScale = l.scale;
        views.ViewCentreX = l.centreX;
        views.ViewOffsetY = l.offsetY;
    }
    Canvas c = Image2->canvas();
    drawTopView(c, aircraft, aircraft.WingCount, topViewLayout(), qs(messages.FlightDirectionText));
}

TopViewLayout TForm1::topViewLayout() const { return {views.ViewScale, views.ViewCentreX, views.ViewOffsetY}; }

void TForm1::DrawGrid()
{
    Canvas c = Image2->canvas();
    drawLattice(c, aircraft, solver, topViewLayout(),
                CheckBoxA->isChecked() ? std::optional<int>(ScrollBar6->value()) : std::nullopt);
}

bool TForm1::automaticStability() const { return RadioButton15->isChecked(); }

void TForm1::STABIL(QObject* sender)
{
    if (!aircraft.ResultsValid) {
        setLabelText(Label21, "%");
        return;
    }
    clearTopView();
    // A file just opened brings the figures but neither lattice nor reference wing.
    const bool drawSolverData = sender != SpeedButton1 && sender != Open2 && aircraft.SolverDataValid;
    if (drawSolverData) {
        {
            Canvas c = Image2->canvas();
            drawReferenceOutline(c, solver, topViewLayout());
        }
        DrawGrid();
    }
    d_1d(sender);
    figures = stabilityFigures(aircraft, marginOfFieldText(Edit_Mstab->text().toStdString()));
    {
        Canvas c = Image2->canvas();
        drawStabilityDisplay(c, stabilityRows(aircraft, figures, language(), automaticStability()), stabilityMarks(),
                             automaticStability(), aircraft.SolverDataValid);
    }
    setLabelText(Label21, qs(label21Text(aircraft, figures, language())));
}

StabilityMarks TForm1::stabilityMarks() const
{
    return ab::stabilityMarks(aircraft, figures, views.ViewScale, views.ViewOffsetY, Image2->bitmap().width());
}

void TForm1::Zeiger()
{
    Canvas c = Image2->canvas();
    drawPointerLines(c, pointerLines(stabilityMarks(), automaticStability()));
}

void TForm1::d_3d()
{
    Image3->clear(clInfoBk, clGray);
    const bool pressure = CheckBoxA->isChecked() && aircraft.SolverDataValid;
    if (pressure)
        DrawGrid();
    CheckBoxA->setVisible(aircraft.SolverDataValid);
    Label_Press->setVisible(aircraft.SolverDataValid);
    Canvas c = Image3->canvas();
    drawThreeDView(c, aircraft, aircraft.WingCount, solver, threeD,
                   {ScrollBar1->value(), ScrollBar2->value(), ScrollBar6->value(), views.View3DScale, pressure});
}

} // namespace ab
