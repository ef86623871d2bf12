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

} // namespace

void drawTopViewScene(Canvas& c, const TopViewScene& scene)
{
    drawGround(c, scene);
    const Aircraft& ac = scene.aircraft;
    drawTopView(c, ac, ac.WingCount, scene.layout, scene.flightDirection);
    if (scene.stability)
        drawStabilityDisplay(c, scene.stability->rows, scene.stability->marks, scene.stability->automatic,
                             ac.SolverDataValid);
}

} // namespace ab
