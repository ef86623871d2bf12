// SPDX-License-Identifier: GPL-3.0-or-later
// Whether a window can be shown at all, asked before the window library starts.
#pragma once

namespace ab {

// True when a display is configured (X11, Wayland, or a platform named in QT_QPA_PLATFORM).
bool hasDisplay();

// The sentence printed when no display is available.
const char* noDisplayMessage();

} // namespace ab
