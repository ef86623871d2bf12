// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/influence.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

namespace ab {
namespace {

// The global panel table in structure-of-arrays form: the horseshoe ends and control point of every
// panel in the global numbering, so the column loop runs over contiguous arrays. z is the height of
// the wing of a flat aircraft; a tilted one fills the heights of both ends and of the control
// point, and the normal of the control point's panel, instead.
struct PanelTable {
    std::vector<double> ax, ay, bx, by, px, py, z;
    std::vector<double> az, bz, pz, ny, nz;
    bool tilted = false;
};

bool anyTiltedStrip(const Aircraft& ac, const SolverData& sd)
{
    for (int w = 1; w <= ac.ActiveWingCount; ++w) {
        const WingLattice& wl = sd.lattice[w];
        for (std::size_t J = 1; J < wl.strips.size(); ++J) {
            const Strip& s = wl.strips[J];
            if (s.NormalY != 0 || s.NormalZ != 1 || s.ZLeft != wl.WingZ || s.ZRight != wl.WingZ)
                return true;
        }
    }
    return false;
}

PanelTable panelTable(const Aircraft& ac, const SolverData& sd)
{
    PanelTable t;
    t.tilted = anyTiltedStrip(ac, sd);
    for (int w = 1; w <= ac.ActiveWingCount; ++w) {
        const WingLattice& wl = sd.lattice[w];
        const int nc = sd.counts.ChordwiseCount[w];
        for (std::size_t J = 1; J < wl.strips.size(); ++J) {
            const Strip& s = wl.strips[J];
            for (int k = 1; k <= nc; ++k) {
                t.ax.push_back(s.VortexXLeft[k]), t.ay.push_back(s.YLeft);
                t.bx.push_back(s.VortexXRight[k]), t.by.push_back(s.YRight);
                t.px.push_back(s.ControlX[k]), t.py.push_back(s.ControlY);
                if (t.tilted) {
                    t.az.push_back(s.ZLeft), t.bz.push_back(s.ZRight), t.pz.push_back(s.ControlZ);
                    t.ny.push_back(s.NormalY), t.nz.push_back(s.NormalZ);
                } else {
                    t.z.push_back(wl.WingZ);
                }
            }
        }
    }
    return t;
}

// INDU written so the compiler can vectorise a loop of it: selects instead of branches, and each
// length divided into its unit vector once (the division is the slow part of the loop).
inline double downwash(double x1, double y1, double z1, double x2, double y2, double z2)
{
    const double inv1 = 1 / std::sqrt(x1 * x1 + y1 * y1 + z1 * z1);
    const double inv2 = 1 / std::sqrt(x2 * x2 + y2 * y2 + z2 * z2);
    const double cx = y1 * z2 - z1 * y2;
    const double cy = z1 * x2 - x1 * z2;
    const double cz = x1 * y2 - y1 * x2;
    const double q = cx * cx + cy * cy + cz * cz;
    const double r0x = x1 - x2, r0y = y1 - y2, r0z = z1 - z2;
    const double dot = r0x * (x1 * inv1 - x2 * inv2) + r0y * (y1 * inv1 - y2 * inv2) + r0z * (z1 * inv1 - z2 * inv2);
    // Both sides are computed, then one is selected: no branch in the vectorised loop.
    const double quotient = cz * dot / q;
    const double bound = q == 0 ? 0.0 : quotient;
    const double z1t = ((y1 == 0) & (z1 == 0)) ? 1e-17 : z1;
    const double z2t = ((y2 == 0) & (z2 == 0)) ? 1e-17 : z2;
    return bound + y2 * (1 + x2 * inv2) / (y2 * y2 + z2t * z2t) - y1 * (1 + x1 * inv1) / (y1 * y1 + z1t * z1t);
}

// The whole velocity of the same horseshoe, for points off the plane of a flat wing. Bound leg by
// Biot-Savart as in downwash(); a trailing leg from end E (r = P - E) to +x infinity induces
// (0, -rz, ry) (1 + rx/|r|) / (ry^2 + rz^2). A point on the line of a trailing leg gets nothing
// from it (the leg's own principal value, which the 1e-17 guard gives the z part as well).
inline Vec3 velocity(double x1, double y1, double z1, double x2, double y2, double z2)
{
    const double inv1 = 1 / std::sqrt(x1 * x1 + y1 * y1 + z1 * z1);
    const double inv2 = 1 / std::sqrt(x2 * x2 + y2 * y2 + z2 * z2);
    const double cx = y1 * z2 - z1 * y2;
    const double cy = z1 * x2 - x1 * z2;
    const double cz = x1 * y2 - y1 * x2;
    const double q = cx * cx + cy * cy + cz * cz;
    const double r0x = x1 - x2, r0y = y1 - y2, r0z = z1 - z2;
    const double dot = r0x * (x1 * inv1 - x2 * inv2) + r0y * (y1 * inv1 - y2 * inv2) + r0z * (z1 * inv1 - z2 * inv2);
    const double quotient = dot / q;
    const double f = q == 0 ? 0.0 : quotient;
    const double d1 = y1 * y1 + z1 * z1, d2 = y2 * y2 + z2 * z2;
    const double s1 = (1 + x1 * inv1) / d1, s2 = (1 + x2 * inv2) / d2;
    const double t1 = d1 == 0 ? 0.0 : s1;
    const double t2 = d2 == 0 ? 0.0 : s2;
    return {cx * f, cy * f - z2 * t2 + z1 * t1, cz * f + y2 * t2 - y1 * t1};
}

// The assembly loops are compiled for AVX2 beside the plain kernel, the processor choosing at load
// time. The thread sanitizer's runtime is not yet up when the loader makes that choice, so its
// build takes the plain kernel only.
#if defined(__SANITIZE_THREAD__)
#define AB_VECTOR_CLONES
#else
#define AB_VECTOR_CLONES __attribute__((target_clones("avx2", "default")))
#endif

// One column of the scaled matrix: horseshoe (A, B) at height za and its mirror image, at all n
// control points.
AB_VECTOR_CLONES void
assembleColumn(double ax, double ay, double bx, double by, double za, const double* __restrict px,
               const double* __restrict py, const double* __restrict pz, int n, double* __restrict column)
{
    for (int i = 0; i < n; ++i) {
        const double x1 = px[i] - ax, x2 = px[i] - bx, dz = pz[i] - za;
        const double w1 = downwash(x1, py[i] - ay, dz, x2, py[i] - by, dz);
        const double w2 = downwash(x2, py[i] + by, dz, x1, py[i] + ay, dz);
        column[i] = (w1 + w2) * 0.0795775;
    }
}

struct ControlPoints {
    const double *x, *y, *z, *ny, *nz;
};

// One column of a tilted lattice: horseshoe A = (ax, ay, az), B = (bx, by, bz) and its mirror image
// (ends at -y, exchanged), their velocity at each control point taken along that panel's normal.
AB_VECTOR_CLONES void
assembleTiltedColumn(double ax, double ay, double az, double bx, double by, double bz, ControlPoints p, int n,
                     double* __restrict column)
{
    const double* __restrict px = p.x;
    const double* __restrict py = p.y;
    const double* __restrict pz = p.z;
    const double* __restrict ny = p.ny;
    const double* __restrict nz = p.nz;
    for (int i = 0; i < n; ++i) {
        const double x1 = px[i] - ax, x2 = px[i] - bx, z1 = pz[i] - az, z2 = pz[i] - bz;
        const Vec3 v1 = velocity(x1, py[i] - ay, z1, x2, py[i] - by, z2);
        const Vec3 v2 = velocity(x2, py[i] + by, z2, x1, py[i] + ay, z1);
        column[i] = ((v1.y + v2.y) * ny[i] + (v1.z + v2.z) * nz[i]) * 0.0795775;
    }
}

// The vertical velocity of one horseshoe (A, B) and its mirror image, times its circulation, added
// to each of m points: a flat lattice by the matrix's own kernel, a tilted one by the z part of the
// whole velocity. On the centre plane (every point at y = 0) the mirror image induces what its
// horseshoe does, so the horseshoe's share is taken twice. The loop runs over the points, so that it
// vectorises as the matrix's columns do.
struct FieldPoints {
    const double *x, *y, *z;
    int count;
    bool centrePlane;
};

AB_VECTOR_CLONES void addFlatVelocity(double ax, double ay, double bx, double by, double za, double gamma,
                                      FieldPoints p, double* __restrict out)
{
    const double* __restrict px = p.x;
    const double* __restrict py = p.y;
    const double* __restrict pz = p.z;
    if (p.centrePlane) {
        for (int i = 0; i < p.count; ++i) {
            const double x1 = px[i] - ax, x2 = px[i] - bx, dz = pz[i] - za;
            out[i] += 2 * gamma * downwash(x1, -ay, dz, x2, -by, dz);
        }
        return;
    }
    for (int i = 0; i < p.count; ++i) {
        const double x1 = px[i] - ax, x2 = px[i] - bx, dz = pz[i] - za;
        out[i] += gamma * (downwash(x1, py[i] - ay, dz, x2, py[i] - by, dz) + downwash(x2, py[i] + by, dz, x1, py[i] + ay, dz));
    }
}

AB_VECTOR_CLONES void addTiltedVelocity(double ax, double ay, double az, double bx, double by, double bz, double gamma,
                                        FieldPoints p, double* __restrict out)
{
    const double* __restrict px = p.x;
    const double* __restrict py = p.y;
    const double* __restrict pz = p.z;
    for (int i = 0; i < p.count; ++i) {
        const double x1 = px[i] - ax, x2 = px[i] - bx, z1 = pz[i] - az, z2 = pz[i] - bz;
        const Vec3 v1 = velocity(x1, py[i] - ay, z1, x2, py[i] - by, z2);
        const Vec3 v2 = velocity(x2, py[i] + by, z2, x1, py[i] + ay, z1);
        out[i] += gamma * (v1.z + v2.z);
    }
}

} // namespace

double INDU(const Vec3& r1, const Vec3& r2) { return downwash(r1.x, r1.y, r1.z, r2.x, r2.y, r2.z); }

Vec3 horseshoeVelocity(const Vec3& r1, const Vec3& r2) { return velocity(r1.x, r1.y, r1.z, r2.x, r2.y, r2.z); }

bool EINFLUSS(const Aircraft& ac, SolverData& sd)
{
    const PanelTable t = panelTable(ac, sd);
    const int n = sd.counts.PanelCount;
    if (static_cast<int>(t.ax.size()) != n)
        return false;
    sd.matrix.resize(static_cast<std::size_t>(n) * n);
    double* m = sd.matrix.data();
    if (!t.tilted) {
#pragma omp parallel for schedule(dynamic, 16)
        for (int j = 0; j < n; ++j)
            assembleColumn(t.ax[j], t.ay[j], t.bx[j], t.by[j], t.z[j], t.px.data(), t.py.data(), t.z.data(), n,
                           m + static_cast<std::size_t>(j) * n);
        return true;
    }
    const ControlPoints p{t.px.data(), t.py.data(), t.pz.data(), t.ny.data(), t.nz.data()};
#pragma omp parallel for schedule(dynamic, 16)
    for (int j = 0; j < n; ++j)
        assembleTiltedColumn(t.ax[j], t.ay[j], t.az[j], t.bx[j], t.by[j], t.bz[j], p, n,
                             m + static_cast<std::size_t>(j) * n);
    return true;
}

std::vector<double> solvedVerticalVelocity(const Aircraft& ac, const SolverData& sd, const std::vector<Vec3>& points)
{
    const PanelTable t = panelTable(ac, sd);
    const int n = static_cast<int>(t.ax.size()), count = static_cast<int>(points.size());
    std::vector<double> w(points.size(), 0.0);
    if (t.ax.size() != sd.Circulation.size())
        return w;
    std::vector<double> px, py, pz;
    bool centrePlane = true;
    for (const Vec3& P : points) {
        px.push_back(P.x), py.push_back(P.y), pz.push_back(P.z);
        centrePlane = centrePlane && P.y == 0;
    }
    // Blocks of points on the cores; within a block every horseshoe adds in the same order, so the
    // figures do not depend on the number of cores.
    constexpr int block = 32;
    const int blocks = (count + block - 1) / block;
#pragma omp parallel for schedule(dynamic, 1)
    for (int b = 0; b < blocks; ++b) {
        const int first = b * block;
        const FieldPoints p{px.data() + first, py.data() + first, pz.data() + first, std::min(block, count - first),
                            centrePlane};
        double* out = w.data() + first;
        for (int j = 0; j < n; ++j) {
            const double gamma = sd.Circulation[static_cast<std::size_t>(j)];
            if (t.tilted)
                addTiltedVelocity(t.ax[j], t.ay[j], t.az[j], t.bx[j], t.by[j], t.bz[j], gamma, p, out);
            else
                addFlatVelocity(t.ax[j], t.ay[j], t.bx[j], t.by[j], t.z[j], gamma, p, out);
        }
    }
    for (double& v : w)
        v *= 0.0795775;
    return w;
}

std::vector<double> onsetNormals(const SolverData& sd)
{
    std::vector<double> normals;
    for (int w = 1; w <= MaxWings; ++w) {
        const int nc = sd.counts.ChordwiseCount[w];
        const auto& strips = sd.lattice[w].strips;
        for (std::size_t J = 1; J < strips.size(); ++J)
            normals.insert(normals.end(), static_cast<std::size_t>(nc), strips[J].NormalZ);
    }
    return normals;
}

} // namespace ab
