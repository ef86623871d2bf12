// SPDX-License-Identifier: GPL-3.0-or-later
// Program entry of `aerobalance`: batch mode runs here, without the window library, so a calculation
// from the command line loads no more than the calculation needs. The window, and batch mode's PDF,
// which paints with the window library, are the program `aerobalance-window`, started in its place
// with the same arguments.
#include "cli/arguments.h"
#include "cli/batch.h"
#include "cli/window_program.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

int main(int argc, char** argv)
{
    if (!ab::needsWindowProgram(argc, argv))
        return ab::batchMain(argc, argv);
    const std::string program = ab::windowProgramPath();
    if (!program.empty())
        execv(program.c_str(), argv);
    const int error = program.empty() ? ENOENT : errno;
    std::fprintf(stderr, "aerobalance: cannot start the window program %s: %s\n",
                 program.empty() ? ab::WindowProgramName : program.c_str(), std::strerror(error));
    return 1;
}
