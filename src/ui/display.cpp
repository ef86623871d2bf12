// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/display.h"

#include <cstdlib>
#include <initializer_list>

namespace ab {

bool hasDisplay()
{
#if defined(__linux__) || defined(__unix__)
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        const char* v = std::getenv(name);
        if (v && *v)
            return true;
    }
    return false;
#else
    return true;
#endif
}

const char* noDisplayMessage()
{
    return "AeroBalance needs a graphical display to show its window, and none was found "
           "(neither DISPLAY nor WAYLAND_DISPLAY is set).\n"
           "Start it on a desktop, or calculate an aircraft file without a window: "
           "aerobalance --calc FILE\n";
}

} // namespace ab
