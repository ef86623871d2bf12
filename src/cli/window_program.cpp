// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/window_program.h"

#include "cli/arguments.h"

#include <filesystem>
#include <string_view>
#include <system_error>

namespace ab {

bool needsWindowProgram(int argc, const char* const* argv)
{
    if (!wantsBatchMode(argc, argv))
        return true;
    for (int i = 1; i < argc; ++i)
        if (std::string_view(argv[i]).rfind("--pdf", 0) == 0)
            return true;
    return false;
}

std::string windowProgramPath()
{
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path self = fs::read_symlink("/proc/self/exe", ec);
    if (ec)
        return {};
    for (const fs::path& candidate : {self.parent_path() / WindowProgramName,
                                      self.parent_path() / AEROBALANCE_WINDOW_FOLDER / WindowProgramName})
        if (fs::is_regular_file(candidate, ec))
            return candidate.lexically_normal().string();
    return {};
}

} // namespace ab
