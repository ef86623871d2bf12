#include "draw/top_view_scene.h"

#include "draw/colours.h"
#include "draw/top_view_drawing.h"

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

} // namespace

void drawTopViewScene(Canvas& c, const TopViewScene& scene, CachedLayer* ground)
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
    if (scene.stability)
        drawStabilityDisplay(c, scene.stability->rows, scene.stability->marks, scene.stability->automatic,
                             ac.SolverDataValid);
}

} // namespace ab
