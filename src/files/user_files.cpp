// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/user_files.h"

#include <filesystem>
#include <system_error>

namespace ab {

namespace fs = std::filesystem;

UserFile userFile(const std::string& base, const std::string& name)
{
    if (base.empty())
        return {name, name};
    return {(fs::path(base) / UserFolderName / name).string(), name};
}

std::string fileToRead(const UserFile& file)
{
    std::error_code ec;
    const bool standing = fs::symlink_status(file.path, ec).type() != fs::file_type::not_found && !ec;
    return standing ? file.path : file.fallback;
}

WriteOutcome makeFolderOf(const std::string& path)
{
    const fs::path folder = fs::path(path).parent_path();
    if (folder.empty())
        return {};
    std::error_code ec;
    if (fs::is_directory(folder, ec))
        return {};
    // Made one level at a time from the top, so each new folder gets the user's permissions alone.
    fs::path made;
    for (const fs::path& part : folder) {
        made /= part;
        if (fs::is_directory(made, ec))
            continue;
        if (!fs::create_directory(made, ec) && !fs::is_directory(made)) {
            // A file standing where the folder belongs says "File exists"; say what is wrong with it.
            const std::error_code reason = !ec || ec == std::errc::file_exists
                                               ? std::make_error_code(std::errc::not_a_directory)
                                               : ec;
            return {.ok = false, .reason = reason.message()};
        }
        fs::permissions(made, fs::perms::owner_all, fs::perm_options::replace, ec);
    }
    return {};
}

} // namespace ab
