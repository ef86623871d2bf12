// SPDX-License-Identifier: GPL-3.0-or-later
// View > Lift distribution: a window with the spanwise lift plot of one wing at a time (local lift,
// the elliptic distribution of the same lift, cl/CL and the station that reaches its maximum lift
// coefficient first), drawn by the plot function of draw/ at the window's size.
#pragma once

#include "lang/language.h"
#include "model/units.h"
#include "model/wing_name.h"
#include "solver/lift_distribution.h"

#include <QDialog>

class QComboBox;

namespace ab {

class LiftPlotDialog : public QDialog {
    Q_OBJECT
public:
    explicit LiftPlotDialog(QWidget* parent = nullptr);

    // The distribution of the last calculation, the wings' names and the language of the texts.
    void show(const LiftDistribution& distribution, const WingNames& names, Language language,
              UnitSystem units = UnitSystem::Metric);
    int shownWing() const;
    QImage plotImage() const; // what the plot shows now, for a look without the screen

    QComboBox* wingChoice = nullptr; // LiftPlotWing

private:
    void showTitle();
    class Plot;
    Plot* plot = nullptr;
    LiftDistribution distribution;
    WingNames names;
    Language language = Language::English;
    UnitSystem units = UnitSystem::Metric;
};

} // namespace ab
