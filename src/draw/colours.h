// SPDX-License-Identifier: GPL-3.0-or-later
// The colours the window and its drawings use, by the names the drawings are written in.
#pragma once

#include "model/aircraft.h"

#include <QColor>

namespace ab {

inline const QColor clBlack{0, 0, 0};
inline const QColor clWhite{255, 255, 255};
inline const QColor clRed{255, 0, 0};
inline const QColor clBlue{0, 0, 255};
inline const QColor clFuchsia{255, 0, 255};
inline const QColor clGreen{0, 128, 0};
inline const QColor clPurple{128, 0, 128};
inline const QColor clMaroon{128, 0, 0};
inline const QColor clGray{128, 128, 128};
inline const QColor clSilver{192, 192, 192};
inline const QColor clFuselage{90, 90, 90}; // the fuselage's outline in the top and 3-D views
inline const QColor clInfoBk{255, 255, 225}; // background of tool tips and notes
inline const QColor clYellow{255, 255, 0};
inline const QColor clAmber{200, 120, 0}; // a figure to check before it can be trusted

// Every field, label and drawing of wing w (1..5) is in this colour.
inline QColor wingColour(int w)
{
    const QColor colours[MaxWings + 1] = {clBlack, clBlue, clFuchsia, clGreen, clPurple, clMaroon};
    return colours[w >= 1 && w <= MaxWings ? w : 0];
}

} // namespace ab
