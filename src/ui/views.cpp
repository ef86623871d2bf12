// The drawings of the window. The parameter sketch of each wing is drawn here; the planform view to
// scale, the aircraft top view, the three-dimensional view and the stability display are cleared
// here and drawn by the view code that builds on the core's view geometry.
#include "ui/main_window.h"

#include "lang/language.h"
#include "ui/colours.h"
#include "ui/image_view.h"
#include "ui/widgets.h"

#include <QPainter>
#include <QRadioButton>

namespace ab {
namespace {

// Corners of the four trapezoids of the sketch, and per trapezoid its inner and outer column and
// the rows of its tip leading and trailing edge.
constexpr QPoint kSketchTrapezoids[MaxTrapezoids + 1][4] = {
    {},
    {{107, 31}, {314, 72}, {314, 187}, {107, 196}},
    {{314, 72}, {519, 86}, {519, 187}, {314, 187}},
    {{519, 86}, {619, 115}, {619, 175}, {519, 187}},
    {{619, 115}, {688, 145}, {688, 195}, {619, 175}},
};
struct SketchDimension {
    int inner, outer, leading, trailing;
};
constexpr SketchDimension kSketchDimensions[MaxTrapezoids + 1] = {
    {}, {107, 314, 72, 187}, {314, 519, 86, 187}, {519, 619, 115, 175}, {619, 688, 145, 195}};

void triangle(QPainter& p, QPoint a, QPoint b, QPoint c) { p.drawPolygon(QPolygon{a, b, c}); }

// Horizontal dimension with a head at each end.
void PfeilH2(QPainter& p, int x1, int y1, int x2, int y2)
{
    p.drawLine(x1, y1, x2, y2);
    triangle(p, {x1, y1}, {x1 + 11, y1 - 2}, {x1 + 11, y1 + 2});
    triangle(p, {x2, y2}, {x2 - 11, y2 - 2}, {x2 - 11, y2 + 2});
}

// Vertical arrow with its head at the end.
void PfeilV1(QPainter& p, int x1, int y1, int x2, int y2)
{
    p.drawLine(x1, y1, x2, y2);
    triangle(p, {x2, y2}, {x2 + 2, y2 - 11}, {x2 - 2, y2 - 11});
}

// Vertical dimension with a head at each end.
void PfeilV2(QPainter& p, int x1, int y1, int x2, int y2)
{
    p.drawLine(x1, y1, x2, y2);
    triangle(p, {x1, y1}, {x1 + 2, y1 + 11}, {x1 - 2, y1 + 11});
    triangle(p, {x2, y2}, {x2 + 2, y2 - 11}, {x2 - 2, y2 - 11});
}

} // namespace

void TForm1::d_w(int w)
{
    ImageView* view = wingUi[w].sketch;
    QImage& image = view->bitmap();
    QPainter p(&image);
    p.fillRect(image.rect(), clSilver);

    int count = 1;
    for (int n = 2; n <= MaxTrapezoids; ++n)
        if (wingUi[w].trapezoidButton[n]->isChecked())
            count = n;
    p.setPen(QPen(QColor(0, 255, 255), 4));
    p.setBrush(clWhite);
    for (int k = 1; k <= count; ++k)
        p.drawPolygon(kSketchTrapezoids[k], 4);

    p.setPen(QPen(clBlack, 1));
    p.setBrush(clBlack);
    PfeilH2(p, 3, 31, 740, 31);
    PfeilV1(p, 3, 1, 3, 199);
    PfeilH2(p, 3, 31, 107, 31);
    PfeilV2(p, 107, 31, 107, 196);
    for (int k = 1; k <= count; ++k) {
        const SketchDimension& d = kSketchDimensions[k];
        PfeilH2(p, d.inner, 31, d.outer, 31);
        PfeilV1(p, d.outer, 31, d.outer, d.leading);
        PfeilV2(p, d.outer, d.leading, d.outer, d.trailing);
    }

    p.setPen(clRed);
    p.setBrush(clRed);
    p.drawLine(10, 26, 10, 1);
    triangle(p, {10, 1}, {12, 12}, {8, 12});
    p.end();

    view->setFont(font());
    view->textOut(17, 1, qs(texts::sketchFlightDirection(w).in(language())), clRed, clSilver);
    view->textOut(8, 174, "x", clBlack, clSilver);
    view->textOut(722, 15, "y", clBlack, clSilver);
}

void TForm1::drawPlanform(int w, const WingLabels&)
{
    wingUi[w].planform->clear(clInfoBk, wingColour(w));
}

void TForm1::clearTopView() { Image2->clear(clInfoBk, clGray); }

void TForm1::d_1d() {}

void TForm1::d_3d() {}

void TForm1::STABIL(QObject*) {}

} // namespace ab
