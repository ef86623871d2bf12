// SPDX-License-Identifier: GPL-3.0-or-later
// Lines for whoever looks into how a calculation went (which way the solve took, and why), never
// part of any result: written to the standard error stream when AEROBALANCE_DEBUG is set.
#pragma once

#include <string>

namespace ab {

// True when AEROBALANCE_DEBUG is set to anything but "" or "0".
bool debugLogEnabled();

// Writes "aerobalance: <line>" to std::clog when the debug log is enabled.
void debugLog(const std::string& line);

} // namespace ab
