// The drawings of the window on its images: the parameter sketches and planform views of the wing
// tabs, the aircraft top view with the lattice and the stability display, and the parts of the
// three-dimensional view's handling that concern the other views. The geometry comes from the core
// (views/); the functions of draw/ turn it into pixels, the same ones the printed page uses.
#include "ui/main_window.h"

#include "draw/colours.h"
#include "draw/planform_drawing.h"
#include "draw/three_d_drawing.h"
#include "draw/top_view_drawing.h"
#include "draw/top_view_scene.h"
#include "lang/captions.h"
#include "model/numbers.h"
#include "stability/stability.h"
#include "ui/image_view.h"
#include "ui/widgets.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QToolButton>
#include <utility>

namespace ab {
namespace {

// The layout of the top view for its image size: scale, centre column and row of x = 0. The
// three-dimensional view's scale starts again from the top view's.
void layOutTopView(ViewState& v, const Aircraft& ac, const QImage& image)
{
    const TopViewLayout l = topViewLayout(ac, ac.WingCount, image.width(), image.height());
    v.ViewScale = v.ViewScaleBase = v.View3DScale = l.scale;
    v.ViewCentreX = l.centreX;
    v.ViewOffsetY = l.offsetY;
}

} // namespace

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

void TForm1::d_1d(TopViewScale scale)
{
    if (scale == TopViewScale::Fit)
        layOutTopView(views, aircraft, std::as_const(*Image2).bitmap());
    Canvas c = Image2->canvas();
    drawTopView(c, aircraft, aircraft.WingCount, topViewLayout(), qs(messages.FlightDirectionText));
}

TopViewLayout TForm1::topViewLayout() const { return {views.ViewScale, views.ViewCentreX, views.ViewOffsetY}; }

// The lattice over what the top view shows. Laid again over a view that nothing has touched since
// it was laid with the same inputs, it changes no pixel (each takes the colour of the last panel
// over it), so then it is not drawn: turning the three-dimensional view with the pressure
// distribution on leaves the top view as it is.
void TForm1::DrawGrid()
{
    const std::optional<int> contrast = CheckBoxA->isChecked() ? std::optional<int>(ScrollBar6->value()) : std::nullopt;
    const QImage& image = std::as_const(*Image2).bitmap();
    const std::uint64_t tag = latticeFingerprint(Image2->canvasState(), image.width(), image.height(), aircraft,
                                                 solver, topViewLayout(), contrast);
    if (Image2->lastTag() == tag)
        return;
    Canvas c = Image2->canvas(tag);
    drawLattice(c, aircraft, solver, topViewLayout(), contrast);
}

bool TForm1::automaticStability() const { return RadioButton15->isChecked(); }

void TForm1::STABIL(TopViewScale scale)
{
    if (!aircraft.ResultsValid) {
        setLabelText(Label21, "%");
        return;
    }
    if (scale == TopViewScale::Fit)
        layOutTopView(views, aircraft, std::as_const(*Image2).bitmap());
    figures = stabilityFigures(aircraft, marginOfFieldText(Edit_Mstab->text().toStdString()));
    const TopViewScene scene{
        aircraft, solver, topViewLayout(), qs(messages.FlightDirectionText),
        // The reference wing and the lattice while the calculation's data are in memory; a file
        // just opened brings the figures only.
        aircraft.SolverDataValid,
        CheckBoxA->isChecked() ? std::optional<int>(ScrollBar6->value()) : std::nullopt,
        StabilityDisplay{stabilityRows(aircraft, figures, language(), automaticStability()), stabilityMarks(),
                         automaticStability()}};
    {
        // The ground with the lattice stays in the image's kept layer: typing a margin redraws only
        // the wings, texts and marks over it.
        Canvas c = Image2->canvas();
        drawTopViewScene(c, scene, &Image2->keptLayer());
    }
    setLabelText(Label21, qs(label21Text(aircraft, figures, language())));
}

StabilityMarks TForm1::stabilityMarks() const
{
    return ab::stabilityMarks(aircraft, figures, views.ViewScale, views.ViewOffsetY,
                              std::as_const(*Image2).bitmap().width());
}

void TForm1::Zeiger()
{
    Canvas c = Image2->canvas();
    drawPointerLines(c, pointerLines(stabilityMarks(), automaticStability()));
}

void TForm1::d_3d()
{
    const bool pressure = CheckBoxA->isChecked() && aircraft.SolverDataValid;
    if (pressure)
        DrawGrid();
    CheckBoxA->setVisible(pressureBoxOffered(aircraft));
    Label_Press->setVisible(pressureBoxOffered(aircraft));
    Canvas c = Image3->canvas();
    drawThreeDView(c, aircraft, aircraft.WingCount, solver, threeD,
                   {ScrollBar1->value(), ScrollBar2->value(), ScrollBar6->value(), views.View3DScale, pressure});
}

} // namespace ab
