// SPDX-License-Identifier: GPL-3.0-or-later
// How each wing's lift is spread over its half span after a calculation: per strip of the lattice the
// local lift c·cl/c_ref and the local lift coefficient against the wing's own (cl/CL), the elliptic
// distribution of the same lift for comparison, and the station of the highest cl/CL, where the wing
// reaches its maximum lift coefficient first as the angle of attack grows.
//
// The figures follow from the circulations as the vortex results form the lift: a panel of circulation
// Γ on a strip of width Δy lifts 2·Γ·Δy (onset speed 1, angle of attack 1 rad, as a lift coefficient
// times area), so a strip carries c·cl = 2·ΣΓ over its chordwise panels, per radian.
#pragma once

#include "model/aircraft.h"
#include "solver/solver_data.h"

#include <vector>

namespace ab {

// One strip of a right wing half.
struct LiftStation {
    double y = 0;         // mm, the line of the strip's control points (its centre line with equal strips)
    double width = 0;     // mm, the strip's spanwise width
    double chord = 0;     // mm, chord on that line
    double localLift = 0; // c·cl/c_ref, per radian
    double clOverCL = 0;  // local lift coefficient over the wing's lift coefficient
    double elliptic = 0;  // c·cl/c_ref of the elliptic distribution of the same lift, at y
};

struct WingLiftDistribution {
    // Strips from the root (or the inner edge of the centre gap) to the tip. Empty when the wing
    // carries no strips, no lift, or a figure that is not finite: then nothing of it is shown.
    std::vector<LiftStation> stations;
    double halfSpan = 0;       // mm, y of the tip: the elliptic distribution runs over 0..halfSpan
    double innerY = 0;         // mm, y of the inner edge of the first strip (the centre gap)
    double liftCoefficient = 0; // CL of the wing per radian: its lift over its area, both halves
    double ellipticRoot = 0;   // c·cl/c_ref of the elliptic distribution at y = 0
    int stallFirst = -1;       // index of the station with the highest cl/CL; -1 without stations
};

struct LiftDistribution {
    double referenceChord = 0; // c_ref, mm: the aircraft's reference chord
    int wingCount = 0;         // wings 1..wingCount were calculated; 0 when nothing is available
    PerWing<WingLiftDistribution> wings{};
    bool available() const { return wingCount > 0; }
};

// The distribution of the last calculation. Nothing is available (wingCount 0) unless the results
// and the lattice in memory are valid and match each other (the circulations cover every panel of
// the lattice) and the reference chord is positive.
LiftDistribution liftDistribution(const Aircraft& aircraft, const SolverData& solver);

// c·cl/c_ref of the wing's elliptic distribution at span station y (mm); 0 outside 0..halfSpan.
double ellipticLift(const WingLiftDistribution& wing, double y);

// The lift of the half wing summed over its strips, ∫ c·cl dy, in mm² per radian: twice this is the
// wing's lift slope times its area.
double halfWingLift(const WingLiftDistribution& wing, double referenceChord);

} // namespace ab
