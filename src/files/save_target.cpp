// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/save_target.h"

#include "files/aircraft_writer.h"

#include <filesystem>

namespace ab {

bool sameFile(const std::string& a, const std::string& b)
{
    if (a == b)
        return true;
    std::error_code ec;
    return std::filesystem::equivalent(a, b, ec) && !ec;
}

SaveTarget saveTargetOf(const std::string& chosen, const std::string& lastFile)
{
    SaveTarget out;
    const bool fromDialog = !chosen.empty();
    out.fileName = applyExtensionRule(fromDialog ? chosen : lastFile);
    std::error_code ec;
    const bool exists = std::filesystem::exists(std::filesystem::symlink_status(out.fileName, ec));
    out.askBeforeReplace = exists && (fromDialog || lastFile.empty() || !sameFile(out.fileName, lastFile));
    return out;
}

std::string exportNameOf(const std::string& aircraftFile, std::string_view extension)
{
    const std::size_t slash = aircraftFile.find_last_of('/');
    const std::size_t dot = aircraftFile.find_last_of('.');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const bool hasExtension = dot != std::string::npos && dot > nameStart; // ".hidden" is a name
    return (hasExtension ? aircraftFile.substr(0, dot) : aircraftFile) + std::string(extension);
}

std::string saveAsProposal(const std::string& aircraftFile, const std::string& designName,
                           const std::string& currentName)
{
    if (!aircraftFile.empty())
        return exportNameOf(aircraftFile, ".wk4");
    return designName.empty() ? currentName : designName;
}

std::string templatePdfNameOf(const std::string& aircraftFile, int wing)
{
    return exportNameOf(aircraftFile, "_wing" + std::to_string(wing) + ".pdf");
}

} // namespace ab
