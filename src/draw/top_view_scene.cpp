// SPDX-License-Identifier: GPL-3.0-or-later
#include "draw/top_view_scene.h"

#include "draw/colours.h"
#include "draw/top_view_drawing.h"

#include <QFontMetrics>

#include <cmath>

namespace ab {
namespace {

// What lies under the wings: the cleared view, and with the solver data the reference wing and the
// lattice over it.
void drawGround(Canvas& c, const TopViewScene& scene)
{
    c.setBrush(clInfoBk);
    c.setPen(clGray);
    c.rectangle(0, 0, c.width(), c.height());
    if (scene.solverData) {
        drawReferenceOutline(c, scene.solver, scene.layout);
        drawLattice(c, scene.aircraft, scene.solver, scene.layout, scene.pressureContrast);
    }
}

std::uint64_t groundFingerprint(const Canvas& c, const TopViewScene& scene)
{
    Fingerprint f;
    f.add(c.width());
    f.add(c.height());
    f.add(static_cast<int>(c.format()));
    f.add(c.state().penWidth); // the border's width
    f.add(scene.solverData);
    if (scene.solverData)
        addLatticeInputs(f, scene.aircraft, scene.solver, scene.layout, scene.pressureContrast);
    return f.value;
}

// What the texts keep clear of besides the wings and the overlay: the axis letters and the
// flight-direction text.
std::vector<PixelRect> axisTexts(const Canvas& c, const TopViewScene& scene)
{
    const QFontMetrics m(c.state().font);
    const int h = m.height(), cx = scene.layout.centreX, oy = scene.layout.offsetY;
    const auto at = [&](int x, int y, const QString& text) { return PixelRect{x, y, x + m.horizontalAdvance(text), y + h}; };
    return {at(cx + 4, c.height() - 20, "x"), at(c.width() - 20, oy - 16, "y"), at(cx + 29, 2, scene.flightDirection),
            // the flight-direction arrow
            PixelRect{cx + 17, 2, cx + 24, 32}};
}

} // namespace

StabilityDisplay stabilityDisplay(const Aircraft& ac, const StabilityFigures& f, Language l, bool automatic,
                                  const TopViewLayout& layout, int width, UnitSystem u)
{
    return {stabilityRows(ac, f, l, automatic, u), stabilityMarks(ac, f, layout.scale, layout.offsetY, width), automatic,
            StabilityOverlay{overlayMarks(ac, f, automatic, std::nullopt, layout, width),
                             stabilityLabels(ac, f, automatic, l)},
            l, u};
}

StabilityOverlay overlayOfScene(const TopViewScene& scene, int width)
{
    const StabilityDisplay& display = *scene.stability;
    StabilityOverlay overlay = *display.overlay;
    if (scene.measuredCgX && std::isfinite(*scene.measuredCgX)) {
        const double x = *scene.measuredCgX;
        overlay.marks.measuredRow = topViewPoint(x, 0, scene.layout.scale, scene.layout.offsetY, width).y;
        overlay.labels.measured = measuredCgLabel(scene.aircraft, x, display.language, display.units);
    }
    return overlay;
}

TopViewDrawn drawTopViewScene(Canvas& c, const TopViewScene& scene, CachedLayer* ground)
{
    if (!ground) {
        drawGround(c, scene);
    } else {
        const std::uint64_t key = groundFingerprint(c, scene);
        if (ground->key != key) {
            ground->key = 0;
            ground->image = QImage(c.width(), c.height(), c.format());
            ground->after = c.state();
            Canvas g(ground->image, ground->after);
            drawGround(g, scene);
            ground->key = key;
        }
        c.draw(0, 0, ground->image);
        // The state the ground's drawing leaves; the font and the pen position it does not touch.
        c.setPen(ground->after.penColour);
        c.setPenWidth(ground->after.penWidth);
        c.setBrush(ground->after.brushColour);
    }
    const Aircraft& ac = scene.aircraft;
    drawTopView(c, ac, ac.WingCount, scene.layout, scene.flightDirection);
    if (!scene.stability)
        return {};
    const StabilityDisplay& display = *scene.stability;
    StabilityTextsSize texts = measureStabilityTexts(c, display.rows);
    bool onReferenceColour = ac.SolverDataValid;
    std::vector<PixelRect> markLabels;
    if (display.overlay) {
        // Over the lattice and the wings, and the texts then clear of the wings and of all it drew.
        const std::vector<Polyline> outlines = topViewOutlines(ac, ac.WingCount, scene.layout);
        OverlayDrawn overlay = drawStabilityOverlay(c, overlayOfScene(scene, c.width()), outlines);
        std::vector<PixelRect>& taken = overlay.covered;
        for (const PixelRect& r : axisTexts(c, scene))
            taken.push_back(r);
        texts.block = placeTextBlock(texts.block.width, texts.block.height, c.width(), c.height(), outlines, taken);
        // Clear of the wings the first row stands on the view's ground like the others.
        onReferenceColour = false;
        markLabels = std::move(overlay.labels);
    }
    drawStabilityTexts(c, display.rows, texts.block, onReferenceColour);
    drawStabilityMarks(c, display.marks, display.automatic);
    return {texts.block, texts.lineHeight, std::move(markLabels)};
}

} // namespace ab
