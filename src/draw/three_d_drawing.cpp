// SPDX-License-Identifier: GPL-3.0-or-later
#include "draw/three_d_drawing.h"

#include "draw/colours.h"
#include "views/fuselage_view.h"

namespace ab {
namespace {

const QColor clAxis{100, 0, 0};       // dark red
const QColor clNeedle{200, 200, 200};
const QColor clPressureCurve{0, 255, 0};

} // namespace

void drawThreeDView(Canvas& c, const Aircraft& ac, int wingCount, const SolverData& sd, ThreeDView& view,
                    const ThreeDInput& in)
{
    c.setBrush(clInfoBk);
    c.setPen(clGray);
    c.rectangle(0, 0, c.width(), c.height());
    prepareThreeDView(view, ac, wingCount, sd, in);
    const bool withPressure = in.showPressure && ac.ResultsValid;
    const ThreeDLines lines = threeDLines(view, ac, wingCount, withPressure, c.width(), c.height());

    c.setPen(clAxis);
    for (const Polyline& p : lines.axes)
        c.polyline(p);
    c.setPen(clRed);
    for (const Polyline& p : lines.arrow)
        c.polyline(p);
    c.setPen(clFuselage);
    for (const Polyline& p : fuselageThreeDLines(ac, view.matrix, in.view3DScale, c.width(), c.height()))
        c.polyline(p);
    for (int w = 1; w <= MaxWings; ++w) {
        if (lines.outlines[w].empty())
            continue;
        c.setPen(wingColour(w));
        for (const Polyline& p : lines.outlines[w])
            c.polyline(p);
    }
    if (withPressure) {
        c.setPen(clNeedle);
        for (const auto& [base, tip] : lines.needles) {
            c.moveTo(base);
            c.lineTo(tip);
        }
        c.setPenWidth(1);
        c.setPen(clPressureCurve);
        for (const Polyline& p : lines.curves)
            c.polyline(p);
    }
    c.setPenWidth(1);
}

} // namespace ab
