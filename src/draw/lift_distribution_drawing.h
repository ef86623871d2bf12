// SPDX-License-Identifier: GPL-3.0-or-later
// The plot of a wing's spanwise lift distribution: the local lift c·cl/c_ref over the half span with
// the elliptic distribution of the same lift, the local cl/CL in a panel of its own below, the station
// of the highest cl/CL (where the wing stalls first) marked through both, axes with units and a legend.
#pragma once

#include "lang/language.h"
#include "model/units.h"
#include "solver/lift_distribution.h"
#include "views/plot_scale.h"

#include <QPainter>
#include <QPointF>
#include <QRect>

#include <string>

namespace ab {

// Where the plot put its panels, and the scales of its axes.
struct LiftPlotGeometry {
    QRect liftPanel;  // the upper panel inside its axes: local and elliptic lift
    QRect ratioPanel; // the lower panel: cl/CL
    QRect legend;     // the legend under the span axis
    AxisScale span, lift, ratio;
    bool drawn = false; // false when the wing had nothing to plot and only a note was drawn

    // The point of a span station y (mm) and a value in either panel.
    QPointF liftPoint(double y, double localLift) const;
    QPointF ratioPoint(double y, double clOverCL) const;
};

// The colours of the curves and the mark; the local lift takes the wing's own colour.
inline const QColor EllipticColour{110, 110, 110};
inline const QColor RatioColour{205, 105, 0};
inline const QColor StallMarkColour{220, 0, 0};

// Paints wing `wing` of the distribution into `area` on a white ground, at any size (a window, a
// printed page, an image): fonts and lines follow the area's size. The wing's name, when given, follows
// its number in the title. A wing with nothing to plot gets the title and a note instead of the panels.
// The span axis and the stall station follow the units (ticks on round inches in imperial); the
// geometry's span scale stays in mm.
LiftPlotGeometry drawLiftDistribution(QPainter& painter, const QRect& area, const LiftDistribution& distribution,
                                      int wing, Language language, const std::string& wingName = {},
                                      UnitSystem units = UnitSystem::Metric);

} // namespace ab
