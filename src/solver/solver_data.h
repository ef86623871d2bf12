// SPDX-License-Identifier: GPL-3.0-or-later
// Everything the vortex-lattice calculation builds and keeps between runs: the panel counts, the
// lattice of the right wing halves, the influence matrix, the circulations, the panel pressures and
// the outline of the reference wing. Lengths in mm; wing arrays use index 1..5.
#pragma once

#include "model/aircraft.h"

#include <array>
#include <string>
#include <vector>

namespace ab {

// Largest counts the lattice accepts; larger plans are refused with the wing's failure lines.
inline constexpr int MaxChordwiseCount = 299;
inline constexpr int MaxTrapezoidStrips = 297; // trimming vector: widths plus three parameters in 300
inline constexpr int MaxStripCount = 299;
inline constexpr int MaxPanelCount = 3000;

// Panel counts planned by GRID.
struct PanelCounts {
    PerWing<int> PanelBudget{};    // target panel count of the half-wing
    PerWing<int> ChordwiseCount{}; // chordwise panels per strip, at least 1
    PerWing<int> StripCount{};     // strips of the half-wing
    // TrapezoidStripCount[t][w]: strips of trapezoid t (1..4) of wing w.
    std::array<PerWing<int>, MaxTrapezoids + 1> TrapezoidStripCount{};
    int PanelCount = 0;            // equations of the circulation solve
};

// One spanwise strip of a right wing half with its nc chordwise panels (q counts from the leading
// edge rearward).
struct Strip {
    double YLeft = 0, YRight = 0;       // y of the inner and outer edge
    // y of the line the strip's control points lie on: its centre line, or with refined spacing the
    // line through the middle of its arc (nearer the closer end of its trapezoid).
    double ControlY = 0;
    // Where that line crosses the strip, as a fraction of its width from the inner edge; the strip's
    // lift acts on its bound legs there (0.5: the middle).
    double ControlFraction = 0.5;
    // The strip lies in the plane of its trapezoid, which its dihedral tilts about the trapezoid's
    // root: the ys above are as seen from above, these are the heights (absolute z) of its inner and
    // outer edge and of its centre line, and the unit normal of its plane (y and z parts; 0 and 1 on
    // a flat trapezoid, pointing up).
    double ZLeft = 0, ZRight = 0, ControlZ = 0;
    double NormalY = 0, NormalZ = 1;
    double Chord = 0;                   // chord on the line of the control points
    std::vector<double> PanelEdgeXLeft;  // q = 0..nc: panel borders along the inner edge
    std::vector<double> PanelEdgeXRight; // q = 0..nc: along the outer edge
    std::vector<double> VortexXLeft;     // q = 1..nc (index 0 unused): inner end of the bound vortex
    std::vector<double> VortexXRight;    // q = 1..nc: outer end of the bound vortex
    std::vector<double> ControlX;        // on that line: q = 0 leading edge, 1..nc control points, nc+1 trailing edge
    std::vector<double> PanelPressure;   // q = 1..nc: 2 * circulation / panel length, per radian
};

// The lattice of one wing: strips J = 1..StripCount (index 0 unused); WingZ is the height of its
// root, where a flat wing lies entirely.
struct WingLattice {
    std::vector<Strip> strips;
    double WingZ = 0;
};

struct OutlinePoint {
    double x = 0, y = 0;
};

struct SolverData {
    PanelCounts counts;
    PerWing<WingLattice> lattice;

    // Scaled influence matrix of the used PanelCount x PanelCount block, column-major: entry
    // (i, j) at j * n + i is the downwash at control point i of horseshoe j (unit circulation, both
    // wing halves) times 0.0795775. Kept by the solve unless it falls back to the elimination in
    // double, which factorises it in place. Capacity is kept between runs.
    std::vector<double> matrix;
    // The matrix in single precision, factorised by the solve, which refines its solution against
    // the matrix in double. Capacity is kept between runs.
    std::vector<float> singleCopy;
    std::vector<double> Circulation; // panels 0..PanelCount-1 in the global numbering

    int ReferenceWing = 0;                      // 0 when no wing has panels
    std::vector<OutlinePoint> ReferenceOutline; // half planform of the reference wing, closed on y = 0
};

} // namespace ab
