// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/debug_log.h"

#include <cstdlib>
#include <cstring>
#include <iostream>

namespace ab {

bool debugLogEnabled()
{
    const char* v = std::getenv("AEROBALANCE_DEBUG");
    return v && *v && std::strcmp(v, "0") != 0;
}

void debugLog(const std::string& line)
{
    if (debugLogEnabled())
        std::clog << "aerobalance: " << line << std::endl;
}

} // namespace ab
