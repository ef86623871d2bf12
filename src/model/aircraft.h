// SPDX-License-Identifier: GPL-3.0-or-later
// The aircraft as the calculation sees it: up to five wings of one to four trapezoids each, their
// station tables in millimetres, the planform and vortex results, and the flags that say which
// results match the aircraft. Wing arrays are sized one larger so that index w is wing w (1..5).
#pragma once

#include "model/spanwise_spacing.h"

#include <array>
#include <cstdint>
#include <vector>

namespace ab {

inline constexpr int MaxWings = 5;
inline constexpr int MaxTrapezoids = 4;
inline constexpr int MaxStations = MaxTrapezoids + 1;

// Arrays over wings 1..5 (index 0 unused) and over stations 0..4 by wings 1..5.
template <typename T> using PerWing = std::array<T, MaxWings + 1>;
template <typename T> using PerStation = std::array<PerWing<T>, MaxStations>;

// One trapezoid of a half wing, between station k-1 and station k, as typed (mm).
struct Trapezoid {
    std::int32_t width = 0;     // spanwise width, taken as absolute value
    std::int32_t tipChord = 0;  // chord at the outer end, taken as absolute value
    std::int32_t tipOffset = 0; // leading-edge x at the outer end from the root leading edge, signed
    double dihedral = 0;        // degrees, -60..60, positive when the tip is higher than the root
};

// One wing as read from its fields (mm). Trapezoids 1..4 are always present; only the first
// trapezoidCount are in use.
struct Wing {
    std::int32_t rootGap = 0;   // half-width of the centre gap, absolute value
    std::int32_t rootChord = 0; // absolute value
    int trapezoidCount = 1;     // 1..4
    std::array<Trapezoid, MaxTrapezoids + 1> trapezoids{}; // index 1..4
    std::int32_t posX = 0;      // x of the root leading edge, positive rearward
    std::int32_t posZ = 0;      // height
};

// A station of the fuselage: its x from the datum and the body's width seen from above there (mm).
struct FuselageStation {
    double x = 0;
    double width = 0;
};

struct Aircraft {
    int WingCount = 5;       // wings configured, 1..5
    int ActiveWingCount = 5; // wings the solver loops run over

    // Integer tables, as typed (mm), filled by the wing evaluation and the recalculation pass.
    PerStation<std::int32_t> StationChordMm{};  // chord c_s, stations 0..4
    PerStation<std::int32_t> StationYMm{};      // cumulative y_k incl. root gap, stations 1..4
    PerStation<std::int32_t> StationOffsetMm{}; // leading-edge offset x_k, stations 1..4
    PerWing<std::int32_t> rootGap{};
    PerWing<std::int32_t> posX{};
    PerWing<std::int32_t> posZ{};

    // Real tables rebuilt by every evaluation of a wing.
    PerStation<double> StationY{};     // y_s (mm)
    PerStation<double> StationLeX{};   // absolute leading-edge x: posX + x_s (mm)
    PerStation<double> StationChord{}; // c_s (mm)
    PerWing<int> StationCount{};       // trapezoidCount + 1
    // The wing as built: trapezoid k (stations 1..4) is tilted about its root station by
    // StationDihedral[k] degrees, its width measured along the panel. Seen from above, station s lies
    // at StationProjectedY; it stands StationRise above the wing's root (posZ). With every angle 0 the
    // projected stations are StationY exactly and every rise is 0.
    PerStation<double> StationDihedral{};   // degrees, index k = trapezoid k (1..4), index 0 unused
    PerStation<double> StationProjectedY{}; // mm
    PerStation<double> StationRise{};       // mm
    SpanwiseSpacing StripSpacing = SpanwiseSpacing::Equal; // the lattice's strips, from the texts

    // Planform figures of each wing; the vortex results later overwrite span, area, mac and
    // aspect ratio with their strip-based values.
    PerWing<double> WingSpan{};        // mm, both halves
    PerWing<double> WingArea{};        // mm^2, both halves
    PerWing<double> WingMac{};         // mean aerodynamic chord, mm
    PerWing<double> WingR25{};         // geometric neutral point from the root leading edge, mm
    PerWing<double> WingAspectRatio{};
    // The wing seen from above: span and area of the tilted trapezoids' projection (equal to the
    // typed planform's when no trapezoid of the wing is tilted).
    PerWing<double> WingProjectedSpan{}; // mm, both halves
    PerWing<double> WingProjectedArea{}; // mm^2, both halves
    // The mean aerodynamic chord placed on the aircraft: the x of its leading edge in the aircraft's
    // datum (where every wing position is measured from, x = 0) and its spanwise station on the right
    // half, the centroid of the half wing's area. Its quarter point is WingR25 from the root.
    PerWing<double> WingMacLeadingX{}; // mm, absolute
    PerWing<double> WingMacY{};        // mm

    // Vortex results per wing.
    PerWing<double> WingNeutralX{};    // absolute x of the wing's neutral point, mm
    PerWing<double> WingLiftCentreY{}; // spanwise centre of lift of the right half, mm
    PerWing<double> WingLiftSlope{};   // lift slope per radian

    // Aircraft results (stored in the aircraft file).
    double NeutralPointX = 0; // mm
    double ReferenceArea = 0; // mm^2
    double ReferenceMac = 0;  // mm
    // The reference chord placed on the aircraft, the centre gap of the reference wing filled as its
    // chord is: leading-edge x in the datum and spanwise station. Placed by the calculation, and for
    // results a file brought by the planform of the wing the calculation would take.
    double ReferenceMacLeadingX = 0; // mm, absolute
    double ReferenceMacY = 0;        // mm

    // The fuselage as read from its table (model/fuselage.h), x strictly increasing; fewer than two
    // stations are no body. Its share moves the neutral point by FuselageShift (mm, negative
    // forward): NeutralPointX includes it. FuselageCalculated says the last calculation had a body;
    // results a file brought leave it false, since the file stores only their sum.
    std::vector<FuselageStation> Fuselage{};
    double FuselageShift = 0;
    bool FuselageCalculated = false;

    bool ResultsValid = false;    // the results match the aircraft
    bool SolverDataValid = false; // lattice and distributions are in memory
    bool CalcFailed = false;      // a calculation step failed
    bool WingsMoved = false;      // the vertical separation changed a height
};

// Whether any trapezoid in use of wing w (1..5) is tilted.
inline bool hasDihedral(const Aircraft& aircraft, int w)
{
    for (int k = 1; k < aircraft.StationCount[w]; ++k)
        if (aircraft.StationDihedral[k][w] != 0)
            return true;
    return false;
}

// Whether an evaluation of the wings leaves the results as they were: a redraw (a resize, a print)
// keeps them, every change of the aircraft makes them stale.
enum class ResultsAfterPass { GoStale, Kept };

} // namespace ab
