#include "solver/influence.h"

#include <cmath>
#include <cstddef>
#include <vector>

namespace ab {
namespace {

// The global panel table in structure-of-arrays form: the horseshoe ends and control point of every
// panel in the global numbering, so the column loop runs over contiguous arrays.
struct PanelTable {
    std::vector<double> ax, ay, bx, by, px, py, z;

    void add(double Ax, double Ay, double Bx, double By, double Px, double Py, double Z)
    {
        ax.push_back(Ax), ay.push_back(Ay), bx.push_back(Bx), by.push_back(By);
        px.push_back(Px), py.push_back(Py), z.push_back(Z);
    }
};

PanelTable panelTable(const Aircraft& ac, const SolverData& sd)
{
    PanelTable t;
    for (int w = 1; w <= ac.ActiveWingCount; ++w) {
        const WingLattice& wl = sd.lattice[w];
        const int nc = sd.counts.ChordwiseCount[w];
        for (std::size_t J = 1; J < wl.strips.size(); ++J) {
            const Strip& s = wl.strips[J];
            for (int k = 1; k <= nc; ++k)
                t.add(s.VortexXLeft[k], s.YLeft, s.VortexXRight[k], s.YRight, s.ControlX[k], s.ControlY, wl.WingZ);
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

// One column of the scaled matrix: horseshoe (A, B) at height za and its mirror image, at all n
// control points.
__attribute__((target_clones("avx2", "default"))) void
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

} // namespace

double INDU(const Vec3& r1, const Vec3& r2) { return downwash(r1.x, r1.y, r1.z, r2.x, r2.y, r2.z); }

bool EINFLUSS(const Aircraft& ac, SolverData& sd)
{
    const PanelTable t = panelTable(ac, sd);
    const int n = sd.counts.PanelCount;
    if (static_cast<int>(t.ax.size()) != n)
        return false;
    sd.matrix.resize(static_cast<std::size_t>(n) * n);
    double* m = sd.matrix.data();
#pragma omp parallel for schedule(dynamic, 16)
    for (int j = 0; j < n; ++j)
        assembleColumn(t.ax[j], t.ay[j], t.bx[j], t.by[j], t.z[j], t.px.data(), t.py.data(), t.z.data(), n,
                       m + static_cast<std::size_t>(j) * n);
    return true;
}

} // namespace ab
