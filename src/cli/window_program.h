// SPDX-License-Identifier: GPL-3.0-or-later
// Where the window program lies and when the program entry hands over to it: the window and a
// summary PDF need the window library, every other run of batch mode does without it.
#pragma once

#include <string>

namespace ab {

inline constexpr const char* WindowProgramName = "aerobalance-window";

// True unless the arguments ask for batch mode without a PDF (wantsBatchMode, and no argument
// starting with "--pdf").
bool needsWindowProgram(int argc, const char* const* argv);

// The window program beside the running one (as built), or in the folder it is installed to
// relative to the running one; empty when neither exists.
std::string windowProgramPath();

} // namespace ab
